#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace core {

class TDM;

// Progress of the schema steps, shown in the splash window.
struct SchemaProgress {
  std::function<void(int maximum)> creationRange;
  std::function<void(int position)> creationPosition;
  std::function<void(int maximum)> upgradeRange;
  std::function<void(int position)> upgradePosition;
  std::function<void(const QString& script)> upgradeScript;  // empty text clears the line
};

// Creation and upgrade of the schema from the scripts delivered in the program folder, run
// at every start right after the connection is opened.
//  - Creation: every line of SQL/Create.ini ("table:script") whose table does not exist
//    runs its script in a transaction of its own; a failing script is rolled back silently.
//  - Upgrade: when the program version differs from the owner row's, every line of
//    SQLUpdate/Update.ini not yet recorded in `verzio` (a recorded name that begins with the
//    line counts) runs in a transaction of its own and is recorded, failed or not, so that it
//    is never tried again; then the owner row receives the program version.
// Both keep the data module's catalogue (tables and their keys) up to date.
// Blank lines are skipped and lines are trimmed (a list saved with Windows line ends or
// trailing blanks means the same files).
class SchemaSteps {
 public:
  explicit SchemaSteps(TDM& dm, SchemaProgress progress = {});

  void runCreation();
  void runUpgrade(const QString& programVersion);

  // The scripts that ran (creation and upgrade), successful or not, in order.
  const QStringList& scriptsRun() const { return scriptsRun_; }
  const QStringList& scriptsFailed() const { return scriptsFailed_; }

  static QString missingCreateListMessage();
  static QString missingUpdateListMessage();

 private:
  bool runScript(const QString& path);

  TDM& dm_;
  SchemaProgress progress_;
  QStringList scriptsRun_;
  QStringList scriptsFailed_;
};

}  // namespace core
