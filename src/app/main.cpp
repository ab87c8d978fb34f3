#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>

#include "core/Program.h"
#include "core/ProgramVersion.h"
#include "session/Login.h"
#include "session/TFormConnect.h"
#include "session/TFormTulajdonos.h"

namespace {

// Stands in for the main window until the session windows exist: shows the connection and
// ends the program in order when closed.
class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(core::Program& program) : program_(program) {
    setWindowTitle(QStringLiteral("Vareko ") + core::programVersionText());
    const auto& s = program.dm().settings;
    auto* status = new QLabel(QStringLiteral("Kapcsolódva: %1:%2 / %3").arg(s.host, s.port, s.database));
    status->setAlignment(Qt::AlignCenter);
    setCentralWidget(status);
    resize(1024, 700);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    program_.shutdown();
    event->accept();
  }

 private:
  core::Program& program_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vareko"));

  std::unique_ptr<MainWindow> mainWindow;
  core::Program program({.createWindows = [&](core::Program& p) {
    mainWindow = std::make_unique<MainWindow>(p);
    p.windowStep();
  }});
  if (const int code = program.start()) return code;

  // The first login, with the built-in administrator present.
  session::ensureBuiltInAdministrator(program.dm());
  session::TFormConnect login(program.dm(), session::Login::Mode::FirstLogin);
  login.exec();
  if (login.programMustEnd() || login.result() != QDialog::Accepted) {
    program.dm().ZConnection.close();
    return 0;
  }
  session::checkOwnerAfterFirstLogin(program.dm());
  mainWindow->setWindowTitle(QStringLiteral("Vareko ") + core::programVersionText() + QStringLiteral(" - ") +
                             program.dm().currentUser);
  mainWindow->show();
  return app.exec();
}
