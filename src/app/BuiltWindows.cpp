#include "BuiltWindows.h"

#include "maintenance/TFormAlairas.h"
#include "session/TFormTulajdonos.h"
#include "session/TFormUser.h"

namespace app {

namespace {

// Opens a window modally over the main window.
template <class Window>
session::TFormFomenu::WindowOpener modal() {
  return [](session::TFormFomenu& main) {
    Window window(main.dm(), &main);
    window.exec();
  };
}

}  // namespace

QHash<QString, session::TFormFomenu::WindowOpener> builtWindows() {
  return {
      {"ActionTulajdonos", modal<session::TFormTulajdonos>()},
      {"ActionUser", modal<session::TFormUser>()},
      {"ActionAlairas", modal<maintenance::TFormAlairas>()},
  };
}

}  // namespace app
