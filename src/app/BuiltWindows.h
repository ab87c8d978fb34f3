#pragma once

#include "session/TFormFomenu.h"

namespace app {

// The windows of the program that exist so far, by the main window's action that opens them.
// Each new window is added here, and its action becomes enabled (rights permitting).
QHash<QString, session::TFormFomenu::WindowOpener> builtWindows();

}  // namespace app
