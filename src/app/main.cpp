#include <QApplication>

#include "BuiltWindows.h"
#include "core/Program.h"
#include "session/TFormFomenu.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vareko"));

  std::unique_ptr<session::TFormFomenu> mainWindow;
  core::Program program({.createWindows = [&](core::Program& p) {
    mainWindow = std::make_unique<session::TFormFomenu>(
        p.dm(),
        session::TFormFomenu::Hooks{.windows = app::builtWindows(), .shutdown = [&p] { p.shutdown(); }});
    p.windowStep();
  }});
  if (const int code = program.start()) return code;

  // The first showing runs the login; the program ends when the main window closes.
  mainWindow->show();
  return app.exec();
}
