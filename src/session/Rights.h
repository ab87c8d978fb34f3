#pragma once

#include <QStringList>
#include <functional>
#include <vector>

namespace session {

// One right of the users: its column, the caption of its check box in the user window, and the
// main-window actions (by name) it enables.
struct Right {
  QString column;
  QString checkBox;
  QStringList actions;
};

// Every right, in the order of the user window.
const std::vector<Right>& rights();

// Which of the actions the rights govern are enabled for a user, and the two the rights decide
// beside them (user administration only for superusers, the options for everybody). `flag` reads a
// boolean column of the user's row. Actions no right governs are always enabled and are not
// listed here.
struct EnabledActions {
  QStringList enabled;
  QStringList disabled;
};
EnabledActions enabledActions(bool superuser, const std::function<bool(const QString& column)>& flag);

}  // namespace session
