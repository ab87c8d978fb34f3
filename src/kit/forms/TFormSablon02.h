#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "EditPanel.h"
#include "kit/data/Dataset.h"
#include "kit/data/DatasetModel.h"

class QFrame;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace kit::ui {
class DBGrid;
}

namespace kit::forms {

class PagingBar;

// Template of the one-list windows: a grid of one query with its search field and paging bar,
// the edit fields below it, and the command bar at the bottom. A window built on it describes
// its query, grid columns, fields and search column (setup()), and adds only its own rules by
// overriding the commands.
//
// Conventions it carries: the settings' colours; Enter moves to the next field (outside grids
// and memos); Insert new row (in the list), F2 save, Delete delete (in the list), Esc back to
// the list, then undo the edit, then close; F5 print; the mouse wheel moves one row; a letter
// or digit typed into the list opens the search field; commands during an edit are refused;
// required fields are checked before saving; a save the server refuses keeps the row in
// editing and shows the server's message.
class TFormSablon02 : public QDialog {
  Q_OBJECT

 public:
  explicit TFormSablon02(QWidget* parent = nullptr);
  ~TFormSablon02() override;

  struct GridColumn {
    QString column;
    QString title;
    int width = 0;
  };

  // Describes the window: the list query (owned by the window), the grid, the fields and the
  // column searched by the search field.
  void setup(std::unique_ptr<kit::data::Dataset> query, const std::vector<GridColumn>& columns,
             const std::vector<FieldSpec>& fields, const QString& searchColumn);

  kit::data::Dataset& query() const { return *query_; }
  EditPanel* editPanel() const { return PanelAlap; }

  // Named elements.
  QWidget* PanelClient = nullptr;
  kit::ui::DBGrid* DBGrid = nullptr;
  QWidget* DBNavPanel = nullptr;
  QPushButton* ButtonNew = nullptr;     // "Új tétel <Insert>"
  QPushButton* ButtonPost = nullptr;    // "Rögzítés <F2>"
  QPushButton* ButtonDelete = nullptr;  // "Törlés <Delete>"
  QPushButton* ButtonCancel = nullptr;  // "Visszavonás <Esc>"
  QPushButton* ButtonPrint = nullptr;   // "Nyomtatás <F5>"
  QPushButton* ButtonHelp = nullptr;
  QPushButton* ButtonRefresh = nullptr;  // "Tábla frissítése"
  QFrame* PanelFind = nullptr;
  QLineEdit* EditFind = nullptr;
  PagingBar* Panel_SzuresSav = nullptr;
  EditPanel* PanelAlap = nullptr;

  // The commands; each refuses to run over a pending edit where that would lose it.
  virtual void commandNew();
  virtual bool commandPost();
  virtual void commandDelete();
  virtual void commandCancel();
  virtual void commandPrint() {}
  virtual void commandRefresh();
  // Opens the list (page 1, the paging state of the process), as on showing.
  void openList();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Runs before the list opens on showing (position the user query and the like).
  virtual void beforeShowing() {}
  // The column layout of the edit area is the window's: it may add widgets here.
  QVBoxLayout* clientLayout() const { return clientLayout_; }
  QPushButton* addCommand(const QString& caption, const char* name);
  bool refuseIfEditing();
  void openSearch(const QString& firstCharacter);
  void closeSearch();

 private:
  void applyColors();
  void followState();
  void search(const QString& text);

  std::unique_ptr<kit::data::Dataset> query_;
  QString searchColumn_;
  QVBoxLayout* clientLayout_ = nullptr;
  bool searching_ = false;
};

}  // namespace kit::forms
