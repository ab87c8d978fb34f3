#pragma once

#include <QHash>
#include <QString>
#include <QVariantHash>
#include <QVariantList>

#include "Result.h"

struct pg_conn;

namespace kit::data {

// Where and as whom to connect.
struct ConnectionParams {
  QString host;
  int port = 5432;
  QString database;
  QString user;
  QString password;
  int connectTimeoutSeconds = 10;
};

// One connection to the shared database. Every statement of the program goes through it,
// one round trip each, and it counts them, so that tests can hold costly actions to a fixed
// number. Text travels as UTF-8; the database is UTF8, so Hungarian text arrives unchanged
// whatever code page its files were written in.
class Connection {
 public:
  Connection();
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Connects; throws DbError (Kind::Connection) with the client library's message.
  void open(const ConnectionParams& params);
  void close();
  bool isOpen() const;
  // Closes and opens again with the last parameters; throws like open().
  void reopen();
  const ConnectionParams& params() const { return params_; }

  // Whether a server answers at the last parameters' address, without logging in.
  bool serverAnswers() const;

  // One statement with positional parameters ($1, $2, ...).
  Result exec(const QString& sql, const QVariantList& params = {});
  // One statement with named parameters (:name); names are looked up case-insensitively
  // in `params` (keys in lower case), a missing one is NULL.
  Result execNamed(const QString& sql, const QVariantHash& params);
  // Several statements separated by semicolons, sent as one command text (schema scripts).
  void execScript(const QString& script);

  // Explicit transactions; an inner begin() opens a savepoint. Prefer the Transaction guard.
  void begin();
  void commit();
  void rollback();
  int transactionDepth() const { return depth_; }

  // Statements sent since the connection was made or the counter was reset.
  qint64 roundTrips() const { return roundTrips_; }
  void resetRoundTrips() { roundTrips_ = 0; }

  // Key columns of the schema's tables, as the data module read them from the catalogue;
  // datasets post by them. Empty text for a table not known.
  void setKeyColumns(QHash<QString, QString> keys) { keys_ = std::move(keys); }
  QString keyColumnOf(const QString& table) const { return keys_.value(table); }

  pg_conn* handle() const { return conn_; }

 private:
  Result check(struct pg_result* result);

  pg_conn* conn_ = nullptr;
  ConnectionParams params_;
  int depth_ = 0;
  qint64 roundTrips_ = 0;
  QHash<QString, QString> keys_;
};

}  // namespace kit::data
