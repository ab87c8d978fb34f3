#pragma once

#include <QString>

#include "kit/data/Connection.h"

// A database of its own for one test program on the throwaway server that scripts/test
// starts (its address comes from PGHOST, PGPORT and PGUSER). Created empty, in UTF8, and
// dropped again when the object goes.
class TestDatabase {
 public:
  TestDatabase();
  ~TestDatabase();

  // False when no test server was given; the tests then skip with a note.
  static bool serverGiven();
  static QString skipReason() {
    return QStringLiteral("no test database server: run scripts/test (PGHOST/PGPORT/PGUSER)");
  }

  const kit::data::ConnectionParams& params() const { return params_; }
  // Opens a connection to the test database.
  void connect(kit::data::Connection& connection) const { connection.open(params_); }

 private:
  kit::data::ConnectionParams params_;
  kit::data::ConnectionParams admin_;
};

// Skips the current test function when there is no test server.
#define REQUIRE_TEST_SERVER()                                                        \
  do {                                                                               \
    if (!TestDatabase::serverGiven()) QSKIP(qPrintable(TestDatabase::skipReason())); \
  } while (0)
