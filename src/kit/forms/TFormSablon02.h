#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "ListPanel.h"

class QPushButton;
class QVBoxLayout;

namespace kit::forms {

// Template of the one-list windows: a grid of one query with its search field and paging bar,
// the edit fields below it, and the command bar at the bottom. A window built on it describes
// its query, grid columns, fields and search column (setup()), and adds only its own rules.
//
// Conventions it carries: the settings' colours; the content centred in a fixed width;
// Enter moves to the next field (outside grids and memos); Insert new row (in the list), F2
// save, Delete delete (in the list), Esc back to the list, then undo the edit, then close; F5
// print; the mouse wheel moves one row; a letter or digit typed into the list opens the
// search field; commands during an edit are refused; required fields are checked before
// saving; a save the server refuses keeps the row in editing and shows the server's message.
class TFormSablon02 : public QDialog {
  Q_OBJECT

 public:
  explicit TFormSablon02(QWidget* parent = nullptr);
  ~TFormSablon02() override;

  using GridColumn = ListPanel::GridColumn;

  // Describes the window: the list query (owned by the window), the grid, the fields and the
  // column searched by the search field.
  void setup(std::unique_ptr<kit::data::Dataset> query, const std::vector<GridColumn>& columns,
             const std::vector<FieldSpec>& fields, const QString& searchColumn,
             ListPanel::Options options = {});

  ListPanel& list() const { return *list_; }
  kit::data::Dataset& query() const { return list_->query(); }
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

  void commandNew() { list_->commandNew(); }
  bool commandPost() { return list_->commandPost(); }
  void commandDelete() { list_->commandDelete(); }
  void commandCancel() { list_->commandCancel(); }
  void commandRefresh() { list_->commandRefresh(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Runs before the list opens on showing (position the user query and the like).
  virtual void beforeShowing() {}
  // The content area's layout: the window may add widgets of its own.
  QVBoxLayout* clientLayout() const { return list_->contentLayout(); }
  bool refuseIfEditing() { return list_->refuseIfEditing(); }

 private:
  ListPanel* list_ = nullptr;
};

}  // namespace kit::forms
