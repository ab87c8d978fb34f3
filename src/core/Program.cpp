#include "Program.h"

#include <QApplication>

#include "ProgramVersion.h"
#include "SchemaSteps.h"
#include "SettingsFile.h"
#include "kit/data/DbError.h"
#include "kit/sys/Printers.h"
#include "kit/widgets/MessageService.h"

namespace core {

Program::Program() = default;
Program::Program(Hooks hooks) : hooks_(std::move(hooks)) {}

Program::~Program() {
  if (DM == dm_.get()) DM = nullptr;
}

int Program::start() {
  splash_ = std::make_unique<TFormLoad>();
  splash_->showAndPaint();

  instance_ = std::make_unique<kit::sys::SingleInstance>(QStringLiteral("Vareko"));
  if (!instance_->acquired()) {
    kit::ui::warn(alreadyRunningMessage());
    return 1;
  }

  if (kit::sys::Printers::installed().isEmpty()) {
    splash_->setPrinterFound(false);
    kit::ui::warn(noPrinterMessage());
    return 1;
  }
  kit::sys::Printers::setCurrent(kit::sys::Printers::systemDefault());
  splash_->setPrinterFound(true);

  dm_ = std::make_unique<TDM>();
  DM = dm_.get();
  splash_->windowStep();
  dm_->showHost = [this](const QString& host) { splash_->setHost(host); };
  dm_->showConnectResult = [this](bool ok) { splash_->setConnected(ok); };
  if (!dm_->openSession()) return 1;

  SchemaSteps schema(*dm_, {[this](int max) { splash_->setSchemaRange(max); },
                            [this](int pos) { splash_->setSchemaPosition(pos); },
                            [this](int max) { splash_->setUpgradeRange(max); },
                            [this](int pos) { splash_->setUpgradePosition(pos); },
                            [this](const QString& script) { splash_->setUpgradeScript(script); }});
  schema.runCreation();
  schema.runUpgrade(programVersion());
  if (!dm_->ZConnection.isOpen()) return 1;

  if (hooks_.createWindows) hooks_.createWindows(*this);

  splash_->setVersionCheckRunning();
  if (hooks_.versionCheck) hooks_.versionCheck(*this);

  splash_->hide();
  return 0;
}

void clearLoginFlag(TDM& dm, const QString& user) {
  if (user.isEmpty()) return;
  kit::data::Dataset& users = dm.ZQueryUser();
  try {
    users.open();
    if (users.locate(QStringLiteral("felhasznalo"), user, {.caseInsensitive = true})) {
      users.edit();
      users.setValue(QStringLiteral("login"), false);
      users.post();
    }
  } catch (const kit::data::DbError&) {
    users.cancel();
  }
  users.close();
}

void Program::shutdown() {
  if (!dm_) return;
  if (hooks_.backupAtShutdown) hooks_.backupAtShutdown(*this);
  shutdownSession(*dm_);
}

void shutdownSession(TDM& dm) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SettingsFile::write(dm.settings, dm.currentUser);
  clearLoginFlag(dm, dm.currentUser);
  dm.ZConnection.close();
  QApplication::restoreOverrideCursor();
}

}  // namespace core
