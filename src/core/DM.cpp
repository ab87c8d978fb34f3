#include "DM.h"

#include "DMFormEnvironment.h"
#include "SettingsFile.h"
#include "SharedQueries.h"
#include "kit/data/DatasetModel.h"
#include "kit/data/DbError.h"
#include "kit/sys/Clock.h"
#include "kit/widgets/MessageService.h"

namespace core {

using kit::data::Dataset;

TDM* DM = nullptr;

TDM::TDM(QObject* parent) : QObject(parent) {
  for (const SharedQuery& shared : sharedQueries()) {
    auto dataset = std::make_unique<Dataset>(ZConnection, shared.name, this);
    dataset->sqlLines() = sqlLinesOf(shared);
    dataset->setUpdateTable(shared.table);
    if (shared.stamped) stampBeforePost(*dataset);
    byName_.insert(shared.name.toLower(), dataset.get());
    queries_.push_back(std::move(dataset));
  }
  formEnvironment_ = std::make_unique<DMFormEnvironment>(*this);
  kit::forms::setFormEnvironment(formEnvironment_.get());
}

TDM::~TDM() {
  if (DM == this) DM = nullptr;
  if (kit::forms::installedFormEnvironment() == formEnvironment_.get())
    kit::forms::setFormEnvironment(nullptr);
}

// ---------------------------------------------------------------- session

bool TDM::connectionParams(const Settings& settings, kit::data::ConnectionParams* params) {
  bool ok = false;
  const int port = settings.port.trimmed().toInt(&ok);
  if (!ok) return false;
  params->host = settings.host;
  params->port = port;
  params->database = settings.database;
  params->user = settings.user;
  params->password = settings.password;
  params->connectTimeoutSeconds = 10;
  return true;
}

bool TDM::openSession() {
  ZConnection.close();
  SettingsFile::read(settings);
  return connectDatabase();
}

bool TDM::connectDatabase() {
  ZConnection.close();
  if (showHost) showHost(settings.host);
  kit::data::ConnectionParams params;
  bool connected = false;
  if (connectionParams(settings, &params)) {
    try {
      ZConnection.open(params);
      connected = true;
    } catch (const kit::data::DbError&) {
      connected = false;
    }
  }
  if (showConnectResult) showConnectResult(connected);
  connectionFailed = !connected;
  if (!connected)
    kit::ui::warn(QStringLiteral("Mivel nem sikerült az adatbázishoz csatlakozni a program leáll!"));
  return connected;
}

// ---------------------------------------------------------------- shared queries

Dataset* TDM::query(const QString& name) const {
  return byName_.value(name.toLower());
}

QStringList TDM::queryNames() const {
  QStringList names;
  for (const auto& q : queries_) names.append(q->name());
  return names;
}

std::optional<QString> TDM::markerValue(const QString& queryName, const QString& column) const {
  const Dataset* q = query(QStringLiteral("ZQuery") + queryName);
  if (!q) return std::nullopt;
  if (!q->isOpen()) return QString();
  if (!q->hasField(column)) return std::nullopt;
  return kit::data::DatasetModel::displayText(q->value(column));
}

bool TDM::positionCurrentUser() {
  Dataset& user = ZQueryUser();
  if (!user.isOpen()) user.open();
  return !currentUser.isEmpty() &&
         user.locate(QStringLiteral("felhasznalo"), currentUser, {.caseInsensitive = true});
}

// ---------------------------------------------------------------- services

void TDM::auditStamp(Dataset& dataset) const {
  const char* prefix = nullptr;
  if (dataset.state() == Dataset::State::Edit) prefix = "m_";
  if (dataset.state() == Dataset::State::Insert) prefix = "c_";
  if (!prefix) return;
  const QDateTime now = kit::sys::Clock::now();
  const QString p = QLatin1String(prefix);
  const auto set = [&](const QString& field, const QVariant& value) {
    if (dataset.hasField(field)) dataset.setValue(field, value);
  };
  set(p + QStringLiteral("userid"), currentUser);
  set(p + QStringLiteral("date"), now.date());
  // The workstation's long time format: hours, minutes, seconds.
  set(p + QStringLiteral("time"), now.time().toString(QStringLiteral("H:mm:ss")));
}

void TDM::stampBeforePost(Dataset& dataset) const {
  dataset.beforePost.add([this](Dataset& d) { auditStamp(d); });
}

QStringList TDM::rowCountLines(const QStringList& lines) {
  QStringList out = lines;
  if (out.isEmpty()) return out;
  out[0] = QStringLiteral("select COUNT(*)");
  bool fromSeen = false;
  for (int i = 1; i < out.size(); ++i) {
    const QString line = out[i].trimmed().toUpper();
    if (line.startsWith(QLatin1String("FROM"))) fromSeen = true;
    if (!fromSeen) out[i].clear();  // a continuation of the select list
    if (line.startsWith(QLatin1String("ORDER")) || line.startsWith(QLatin1String("LIMIT"))) out[i].clear();
  }
  return out;
}

int TDM::rowCount(const Dataset& dataset) const {
  Dataset counter(dataset.connection(), QStringLiteral("GetSQLRowCountSQL"));
  counter.sqlLines() = rowCountLines(dataset.sqlLines());
  for (auto it = dataset.params().cbegin(); it != dataset.params().cend(); ++it)
    counter.setParam(it.key(), it.value());
  counter.open();
  const int count = counter.value(QStringLiteral("count")).toInt();
  counter.close();
  return count;
}

void TDM::applyPageClause(QStringList& lines, int pageIndex, bool pagingOff, int rowsPerPage) {
  QString clause;
  if (!pagingOff) {
    clause = QStringLiteral("  LIMIT ") + QString::number(rowsPerPage);
    if (pageIndex > 0)
      clause += QStringLiteral(" OFFSET ") + QString::number(qint64(pageIndex) * rowsPerPage);
  }
  int found = -1;
  for (int i = int(lines.size()) - 1; i >= 0; --i)
    if (lines[i].left(7) == QLatin1String("  LIMIT")) {
      found = i;
      break;
    }
  if (found > 0) {
    lines[found] = clause;
    return;
  }
  // With paging off, one empty last line is enough: reopening the list many times must not
  // make its text grow.
  if (clause.isEmpty() && !lines.isEmpty() && lines.last().isEmpty()) return;
  lines.append(clause);
}

void TDM::pageClause(Dataset& dataset, int pageIndex, bool pagingOff) const {
  applyPageClause(dataset.sqlLines(), pageIndex, pagingOff, settings.rowsPerPage());
}

void TDM::readCatalogue() {
  // Tables and views of the schema public with the first column of their primary key.
  const auto result = ZConnection.exec(QStringLiteral(
      "select c.relname, a.attname from pg_class c join pg_namespace n on n.oid = c.relnamespace "
      "left join pg_index i on i.indrelid = c.oid and i.indisprimary "
      "left join pg_attribute a on a.attrelid = c.oid and a.attnum = i.indkey[0] "
      "where n.nspname = 'public' and c.relkind in ('r', 'p', 'v', 'm', 'f')"));
  QSet<QString> tables;
  QHash<QString, QString> keys;
  for (int row = 0; row < result.rowCount(); ++row) {
    const QString table = result.value(row, 0).toString();
    tables.insert(table);
    if (!result.isNull(row, 1)) keys.insert(table, result.value(row, 1).toString());
  }
  catalogue_ = std::move(tables);
  ZConnection.setKeyColumns(std::move(keys));
}

bool TDM::tableExistsInCatalogue(const QString& table) const {
  return catalogue_ && catalogue_->contains(table);
}

bool TDM::tableExists(const QString& table) {
  if (table.isEmpty()) return false;
  const auto result = ZConnection.exec(
      QStringLiteral(
          "select * from information_schema.tables where table_name = $1 and table_schema = 'public'"),
      {table});
  return result.rowCount() > 0;
}

QString TDM::townOfPostalCode(const QString& postalCode) {
  const auto result =
      ZConnection.execNamed(QStringLiteral("select * from fixdata_helyseg where isz = :paramisz"),
                            {{QStringLiteral("paramisz"), postalCode}});
  return result.rowCount() > 0 ? result.value(0, QStringLiteral("telepules")).toString() : QString();
}

QString TDM::postalCodeOfTown(const QString& town) {
  const auto result =
      ZConnection.execNamed(QStringLiteral("select * from fixdata_helyseg where telepules = :paramtelepules"),
                            {{QStringLiteral("paramtelepules"), town}});
  return result.rowCount() > 0 ? result.value(0, QStringLiteral("isz")).toString() : QString();
}

void TDM::pairPostalCodeAndTown(Dataset& dataset, const QString& postalCodeField, const QString& townField) {
  // While one column is written from the other, the other's reaction is suspended.
  auto busy = std::make_shared<bool>(false);
  dataset.fieldChanged.add([this, busy, postalCodeField, townField](Dataset& d, const QString& field) {
    if (*busy) return;
    const bool codeChanged = field.compare(postalCodeField, Qt::CaseInsensitive) == 0;
    const bool townChanged = field.compare(townField, Qt::CaseInsensitive) == 0;
    if (!codeChanged && !townChanged) return;
    const QString found =
        codeChanged ? townOfPostalCode(d.text(postalCodeField)) : postalCodeOfTown(d.text(townField));
    if (found.isEmpty()) return;
    *busy = true;
    try {
      d.setValue(codeChanged ? townField : postalCodeField, found);
    } catch (...) {
      *busy = false;
      throw;
    }
    *busy = false;
  });
}

}  // namespace core
