#pragma once

#include <functional>
#include <memory>

#include "DM.h"
#include "TFormLoad.h"
#include "kit/sys/SingleInstance.h"

namespace core {

// The program's start-up and orderly end:
//  splash → single instance → printer → data module (settings, connection, schema creation
//  and upgrade) → windows → version check → main loop; and, when the main window closes,
//  backup question → settings written → the user's logged-in flag cleared → disconnect.
class Program {
 public:
  struct Hooks {
    // Creates every window of the program; each reports its progress with windowStep() and
    // printStep().
    std::function<void(Program&)> createWindows = {};
    // The check for a newer program version.
    std::function<void(Program&)> versionCheck = {};
    // Asks for and runs the backup at shutdown.
    std::function<void(Program&)> backupAtShutdown = {};
  };

  Program();
  explicit Program(Hooks hooks);
  ~Program();

  // Runs start-up up to the main loop. Returns 0 when the main window may be shown, or the
  // exit code when the program must end (another instance: 1; no printer: 1; no database: 1).
  int start();
  // Writes the settings, clears the current user's logged-in flag and disconnects.
  void shutdown();

  TDM& dm() { return *dm_; }
  TFormLoad& splash() { return *splash_; }
  void windowStep() { splash_->windowStep(); }
  void printStep(int count) { splash_->printStep(count); }

  static QString alreadyRunningMessage() {
    return QStringLiteral("Az Vareko program már fut egy példányban!");
  }
  static QString noPrinterMessage() {
    return QStringLiteral("A program működéséhez szükséges egy nyomtatónak telepítve lennie!");
  }

 private:
  Hooks hooks_;
  std::unique_ptr<TFormLoad> splash_;
  std::unique_ptr<kit::sys::SingleInstance> instance_;
  std::unique_ptr<TDM> dm_;
};

// Ends a session in order: writes the settings file, clears the current user's logged-in flag
// and disconnects.
void shutdownSession(TDM& dm);

// Clears the logged-in flag of a user's row (login name compared case-insensitively), so that
// the same user can log in again next time. Errors are ignored: the program is ending.
void clearLoginFlag(TDM& dm, const QString& user);

}  // namespace core
