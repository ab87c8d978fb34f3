#pragma once

#include <QList>
#include <QString>
#include <vector>

namespace session {

// What must exist before an action of the main window opens its window.
enum class Guard {
  None,
  Partners,          // at least one partner; otherwise the action does nothing
  PartnersOrReadMe,  // at least one partner; otherwise the read-me window opens instead
  Machines,          // at least one machine at the working site: "Nincsen felvéve gép/eszköz!"
};

// One command of the main window, by its object name ("ActionPartner").
struct MainAction {
  QString name;
  QString caption;
  QString hint = {};
  Guard guard = Guard::None;
};

// Every action of the main window.
const std::vector<MainAction>& mainActions();
// The action of that name; nullptr when there is none.
const MainAction* mainAction(const QString& name);

// A tool button: the action it triggers, and its own caption where it has one.
struct ToolButton {
  QString action;
  QString caption = {};  // empty: the action's caption
};

// One page of the tool-bar page control.
struct ToolPage {
  QString caption;
  QList<ToolButton> buttons;
};
const std::vector<ToolPage>& toolPages();
// The system tool bar beside the page control.
const QList<ToolButton>& systemToolButtons();

// One entry of the menu bar: a submenu when it has items, a separator when it has neither a
// caption nor an action.
struct MenuItem {
  QString caption = {};
  QString action = {};
  std::vector<MenuItem> items = {};
  bool enabled = true;  // a disabled entry stays disabled whatever its action is
  bool isSeparator() const { return caption.isEmpty() && action.isEmpty(); }
};
const std::vector<MenuItem>& menuTree();

}  // namespace session
