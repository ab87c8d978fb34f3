#include "BuiltWindows.h"

#include "core/TFormOptions.h"
#include "maintenance/TFormAlairas.h"
#include "masterdata/TFormPartner.h"
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

void openOptions(session::TFormFomenu& main) {
  core::TFormOptions options(main.dm(), &main);
  QObject::connect(&options, &core::TFormOptions::pictureSwitched, &main,
                   [&main](bool off) { main.showBackgroundPicture(!off); });
  QObject::connect(&options, &core::TFormOptions::helpRequested, &main,
                   [&main](int topic) { main.showHelp(topic); });
  options.exec();
}

void openPartners(session::TFormFomenu& main) {
  masterdata::TFormPartner partners(main.dm(), &main);
  partners.workingContextChanged = [&main] { main.selectWorkingContext(); };
  partners.exec();
}

}  // namespace

QHash<QString, session::TFormFomenu::WindowOpener> builtWindows() {
  return {
      {"ActionOptions", openOptions},
      {"ActionPartner", openPartners},
      {"ActionTulajdonos", modal<session::TFormTulajdonos>()},
      {"ActionUser", modal<session::TFormUser>()},
      {"ActionAlairas", modal<maintenance::TFormAlairas>()},
  };
}

}  // namespace app
