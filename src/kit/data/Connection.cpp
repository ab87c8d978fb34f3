#include "Connection.h"

#include <libpq-fe.h>

#include <vector>

#include "DbError.h"
#include "PgValue.h"
#include "SqlParams.h"

namespace kit::data {
namespace {

QString noConnectionMessage() {
  return QStringLiteral("Nincs kapcsolat az adatbázissal.");
}

QString field(const PGresult* result, int code) {
  const char* value = PQresultErrorField(result, code);
  return value ? QString::fromUtf8(value) : QString();
}

// Server notices ("table does not exist, skipping") are not the user's business.
void ignoreNotice(void*, const char*) {}

}  // namespace

Connection::Connection() = default;

Connection::~Connection() {
  close();
}

void Connection::open(const ConnectionParams& params) {
  close();
  params_ = params;
  const QByteArray host = params.host.toUtf8(), port = QByteArray::number(params.port),
                   db = params.database.toUtf8(), user = params.user.toUtf8(),
                   password = params.password.toUtf8(),
                   timeout = QByteArray::number(params.connectTimeoutSeconds);
  std::vector<const char*> keys, values;
  // The values must outlive the connect call: only named locals and literals go in.
  const auto add = [&](const char* key, const char* value) {
    if (!*value) return;
    keys.push_back(key);
    values.push_back(value);
  };
  add("host", host.constData());
  add("port", port.constData());
  add("dbname", db.constData());
  add("user", user.constData());
  add("password", password.constData());
  add("connect_timeout", timeout.constData());
  add("client_encoding", "UTF8");
  add("application_name", "vareko");
  keys.push_back(nullptr);
  values.push_back(nullptr);

  conn_ = PQconnectdbParams(keys.data(), values.data(), 0);
  if (PQstatus(conn_) != CONNECTION_OK) {
    const QString message = QString::fromUtf8(PQerrorMessage(conn_)).trimmed();
    PQfinish(conn_);
    conn_ = nullptr;
    throw DbError(message, DbError::Kind::Connection);
  }
  PQsetNoticeProcessor(conn_, ignoreNotice, nullptr);
  depth_ = 0;
}

void Connection::close() {
  if (conn_) PQfinish(conn_);
  conn_ = nullptr;
  depth_ = 0;
}

bool Connection::isOpen() const {
  return conn_ && PQstatus(conn_) == CONNECTION_OK;
}

void Connection::reopen() {
  open(params_);
}

bool Connection::serverAnswers() const {
  const QByteArray conninfo = QStringLiteral("host='%1' port=%2 connect_timeout=%3")
                                  .arg(params_.host)
                                  .arg(params_.port)
                                  .arg(params_.connectTimeoutSeconds)
                                  .toUtf8();
  return PQping(conninfo.constData()) == PQPING_OK;
}

Result Connection::check(PGresult* result) {
  ++roundTrips_;
  const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
  if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return Result(result);

  const bool lost = PQstatus(conn_) != CONNECTION_OK;
  if (lost) depth_ = 0;
  if (!result) {
    throw DbError(QString::fromUtf8(PQerrorMessage(conn_)).trimmed(), DbError::Kind::Connection);
  }
  QString message = field(result, PG_DIAG_MESSAGE_PRIMARY);
  if (message.isEmpty()) message = QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
  const QString detail = field(result, PG_DIAG_MESSAGE_DETAIL);
  DbError error(detail.isEmpty() ? message : message + QLatin1Char('\n') + detail,
                lost ? DbError::Kind::Connection : DbError::Kind::Server);
  error.withServerFields(field(result, PG_DIAG_SQLSTATE), detail, field(result, PG_DIAG_TABLE_NAME),
                         field(result, PG_DIAG_COLUMN_NAME), field(result, PG_DIAG_CONSTRAINT_NAME));
  PQclear(result);
  throw error;
}

Result Connection::exec(const QString& sql, const QVariantList& params) {
  if (!conn_) throw DbError(noConnectionMessage(), DbError::Kind::Connection);
  // VAREKO_TRACE_SQL=1 writes every statement to the debug output (counting round trips by hand).
  if (qEnvironmentVariableIsSet("VAREKO_TRACE_SQL")) qDebug("SQL: %s", qPrintable(sql.simplified()));
  std::vector<QByteArray> texts(params.size());
  std::vector<const char*> values(params.size());
  for (qsizetype i = 0; i < params.size(); ++i) {
    bool isNull = false;
    texts[i] = toPgText(params[i], &isNull);
    values[i] = isNull ? nullptr : texts[i].constData();
  }
  const QByteArray text = sql.toUtf8();
  return check(
      PQexecParams(conn_, text.constData(), int(params.size()), nullptr, values.data(), nullptr, nullptr, 0));
}

Result Connection::execNamed(const QString& sql, const QVariantHash& params) {
  const PositionalSql positional = toPositional(sql);
  QVariantList values;
  values.reserve(positional.names.size());
  for (const QString& name : positional.names) values.append(params.value(name));
  return exec(positional.text, values);
}

void Connection::execScript(const QString& script) {
  if (!conn_) throw DbError(noConnectionMessage(), DbError::Kind::Connection);
  const QByteArray text = script.toUtf8();
  // PQexec returns the last statement's result; an error stops the script there.
  check(PQexec(conn_, text.constData()));
}

void Connection::begin() {
  if (depth_ == 0)
    exec(QStringLiteral("BEGIN"));
  else
    exec(QStringLiteral("SAVEPOINT vareko_%1").arg(depth_));
  ++depth_;
}

void Connection::commit() {
  if (depth_ == 0) return;
  --depth_;
  if (depth_ == 0)
    exec(QStringLiteral("COMMIT"));
  else
    exec(QStringLiteral("RELEASE SAVEPOINT vareko_%1").arg(depth_));
}

void Connection::rollback() {
  if (depth_ == 0) return;
  --depth_;
  if (depth_ == 0)
    exec(QStringLiteral("ROLLBACK"));
  else
    execScript(QStringLiteral("ROLLBACK TO SAVEPOINT vareko_%1; RELEASE SAVEPOINT vareko_%1").arg(depth_));
}

}  // namespace kit::data
