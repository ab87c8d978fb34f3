#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "EditPanel.h"
#include "kit/data/Dataset.h"

class QFrame;
class QHBoxLayout;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace kit::ui {
class DBGrid;
}

namespace kit::forms {

class PagingBar;

// One list of a window with everything that belongs to it: the paging bar, the search field,
// the grid, the edit fields, and its command bar (DBNavPanel, placed by the window). The
// window templates are made of one or more of these.
class ListPanel : public QWidget {
  Q_OBJECT

 public:
  // The commands a command bar may offer.
  enum class Command { New, Post, Delete, Cancel, Print, Help, Refresh, Other };
  struct Button {
    Command command;
    QString caption;  // "Új tétel <Insert>"
    const char* name;
  };
  struct GridColumn {
    QString column;
    QString title;
    int width = 0;
  };
  struct Options {
    bool paged = true;
    std::vector<Button> buttons = standardButtons();
    int fieldColumns = 1;  // the edit fields side by side in that many columns
  };
  // "Új tétel <Insert>", "Rögzítés <F2>", "Törlés <Delete>", "Visszavonás <Esc>",
  // "Nyomtatás <F5>", help, "Tábla frissítése".
  static std::vector<Button> standardButtons();

  ListPanel(std::unique_ptr<kit::data::Dataset> query, const std::vector<GridColumn>& columns,
            const std::vector<FieldSpec>& fields, const QString& searchColumn, Options options,
            QWidget* navParent, QWidget* parent = nullptr);
  ~ListPanel() override;

  kit::data::Dataset& query() const { return *query_; }

  kit::ui::DBGrid* DBGrid = nullptr;
  QFrame* PanelFind = nullptr;
  QLineEdit* EditFind = nullptr;
  PagingBar* Panel_SzuresSav = nullptr;  // nullptr when the list is not paged
  EditPanel* PanelAlap = nullptr;
  QWidget* DBNavPanel = nullptr;
  QVBoxLayout* contentLayout() const { return layout_; }
  // The button of a command, or nullptr.
  QPushButton* button(Command command) const;
  // Adds a button of the window's own to the command bar.
  QPushButton* addButton(const QString& caption, const char* name);

  // What each command does beyond the convention; set by the window.
  std::function<void()> onPrint;
  std::function<void()> onHelp;
  // Runs after a successful save or delete (counts, renumbering, dependent lists).
  std::function<void()> afterChange;
  // Runs after an edit was undone by the command or the Esc key.
  std::function<void()> afterCancel;
  // Whether another list of the window is being edited: the commands that would leave or
  // replace this list's row are refused then too.
  std::function<bool()> busyElsewhere;
  // Checked before the deletion question: false (after telling the user) keeps the row.
  std::function<bool(kit::data::Dataset&)> mayRemove;
  // Deletes the current row; by default the row alone. A master whose details go with it
  // replaces it (in one transaction).
  std::function<void(kit::data::Dataset&)> removeRow;

  void commandNew();
  bool commandPost();
  void commandDelete();
  void commandCancel();
  void commandRefresh();
  void commandPrint();
  // Opens the list from page 1 with the process's paging state.
  void openList();
  // True (after telling the user) when the list, or another list of the window, is being
  // edited.
  bool refuseIfEditing();
  void openSearch(const QString& firstCharacter);
  void closeSearch();
  void applyColors();

  // The keyboard conventions for a key pressed anywhere in the panel's window while this
  // list is the active one. Returns what happened.
  enum class KeyResult { NotHandled, Handled, CloseWindow, FocusNext };
  KeyResult handleKey(QKeyEvent* event);

 private:
  void followState();
  void search(const QString& text);

  std::unique_ptr<kit::data::Dataset> query_;
  QString searchColumn_;
  QVBoxLayout* layout_ = nullptr;
  QHBoxLayout* navLayout_ = nullptr;
  std::vector<std::pair<Command, QPushButton*>> buttons_;
  bool searching_ = false;
};

}  // namespace kit::forms
