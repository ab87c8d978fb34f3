#include "SchemaSteps.h"

#include <QFile>

#include "DM.h"
#include "kit/data/DbError.h"
#include "kit/data/Transaction.h"
#include "kit/sys/ProgramFolder.h"
#include "kit/text/Cp1250.h"
#include "kit/widgets/MessageService.h"

namespace core {

using kit::data::Dataset;

namespace {

// The lines of a list file, trimmed, without blank lines; std::nullopt when it cannot be read.
std::optional<QStringList> readList(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QStringList lines;
  const QString text = kit::text::decodeWorkstationText(file.readAll());
  for (const QString& line :
       QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).split(QLatin1Char('\n'))) {
    const QString trimmed = line.trimmed();
    if (!trimmed.isEmpty()) lines.append(trimmed);
  }
  return lines;
}

void call(const std::function<void(int)>& f, int value) {
  if (f) f(value);
}

}  // namespace

SchemaSteps::SchemaSteps(TDM& dm, SchemaProgress progress) : dm_(dm), progress_(std::move(progress)) {}

QString SchemaSteps::missingCreateListMessage() {
  return QStringLiteral("Az adatbázis ellenőrzése nem hajtható végre a hiányzó CREATE.INI állomány miatt!");
}

QString SchemaSteps::missingUpdateListMessage() {
  return QStringLiteral("Az adatbázis ellenőrzése nem hajtható végre a hiányzó UPDATE.INI állomány miatt!");
}

bool SchemaSteps::runScript(const QString& path) {
  scriptsRun_.append(path.section(QLatin1Char('/'), -1));
  try {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
      throw kit::data::DbError(QStringLiteral("A(z) %1 állomány nem olvasható.").arg(path));
    const QString script = kit::text::decodeWorkstationText(file.readAll());
    kit::data::Transaction transaction(dm_.ZConnection);
    dm_.ZConnection.execScript(script);
    transaction.commit();
    return true;
  } catch (const kit::data::DbError&) {
    scriptsFailed_.append(scriptsRun_.last());
    return false;
  }
}

void SchemaSteps::runCreation() {
  const std::optional<QStringList> lines = readList(kit::sys::programFile(QStringLiteral("SQL/Create.ini")));
  if (!lines) {
    kit::ui::warn(missingCreateListMessage());
    return;
  }
  call(progress_.creationRange, int(lines->size()));
  // One catalogue read answers for every line; it is read again only after a script has
  // created something, so that a script creating more than its own table is seen.
  dm_.readCatalogue();
  for (int i = 0; i < lines->size(); ++i) {
    const QString& line = (*lines)[i];
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    const QString table = colon < 0 ? QString() : line.left(colon).trimmed();
    const QString script = (colon < 0 ? line : line.mid(colon + 1)).trimmed().left(999);
    if (table.isEmpty() || !dm_.tableExistsInCatalogue(table)) {
      if (runScript(kit::sys::programFile(QStringLiteral("SQL/") + script))) dm_.readCatalogue();
    }
    call(progress_.creationPosition, i + 1);
  }
}

void SchemaSteps::runUpgrade(const QString& programVersion) {
  const auto showScript = [this](const QString& name) {
    if (progress_.upgradeScript) progress_.upgradeScript(name);
  };
  Dataset& owner = dm_.ZQueryTulajdonos();
  try {
    owner.open();
  } catch (const kit::data::DbError&) {
    return;  // no owner table: nothing can be recorded either
  }
  const auto recordedVersion = [&] {
    return owner.isEmpty() ? QString() : owner.text(QStringLiteral("verzio"));
  };
  if (!owner.isEmpty() && !owner.isNull(QStringLiteral("verzio")) && recordedVersion() == programVersion) {
    owner.close();
    showScript({});
    return;
  }

  const std::optional<QStringList> lines =
      readList(kit::sys::programFile(QStringLiteral("SQLUpdate/Update.ini")));
  if (!lines) {
    kit::ui::warn(missingUpdateListMessage());
    owner.close();
    return;
  }

  Dataset& applied = dm_.ZQueryVerzio();
  QStringList recorded;
  try {
    applied.open();
    for (int row = 0; row < applied.recordCount(); ++row)
      recorded.append(applied.valueAt(row, applied.fieldIndex(QStringLiteral("update"))).toString());
  } catch (const kit::data::DbError&) {
  }
  call(progress_.upgradeRange, int(lines->size()));
  for (int i = 0; i < lines->size(); ++i) {
    const QString& line = (*lines)[i];
    const bool done = std::any_of(recorded.cbegin(), recorded.cend(), [&](const QString& name) {
      return name.startsWith(line, Qt::CaseSensitive);
    });
    if (!done) {
      showScript(line);
      runScript(kit::sys::programFile(QStringLiteral("SQLUpdate/") + line));
      // Recorded whether it succeeded or not: a failing step is never tried again.
      try {
        applied.append();
        applied.setValue(QStringLiteral("update"), line);
        applied.post();
      } catch (const kit::data::DbError&) {
        applied.cancel();
      }
      recorded.append(line);
    }
    call(progress_.upgradePosition, i + 1);
  }
  applied.close();
  // Upgrade steps may have added tables: the data module learns the tables and keys again.
  if (!scriptsRun_.isEmpty()) {
    try {
      dm_.readCatalogue();
    } catch (const kit::data::DbError&) {
    }
  }

  try {
    owner.first();
    if (recordedVersion() != programVersion || owner.isEmpty()) {
      owner.edit();  // an empty owner table receives its first row here
      owner.setValue(QStringLiteral("verzio"), programVersion);
      if (owner.isNull(QStringLiteral("nev"))) owner.setValue(QStringLiteral("nev"), QStringLiteral("-"));
      owner.post();
    }
  } catch (const kit::data::DbError&) {
    owner.cancel();
  }
  owner.close();
  showScript({});
}

}  // namespace core
