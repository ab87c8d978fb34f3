#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "core/DM.h"

// Start-up: the data module reads the settings file and connects; a failed connection ends
// the program after its message.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vareko"));

  core::TDM dataModule;
  core::DM = &dataModule;
  if (!dataModule.openSession()) return 1;

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Vareko"));
  auto* status =
      new QLabel(QStringLiteral("Kapcsolódva: %1:%2 / %3")
                     .arg(dataModule.settings.host, dataModule.settings.port, dataModule.settings.database));
  status->setAlignment(Qt::AlignCenter);
  window.setCentralWidget(status);
  window.resize(1024, 700);
  window.show();
  const int code = app.exec();
  core::DM = nullptr;
  return code;
}
