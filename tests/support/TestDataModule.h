#pragma once

#include <memory>

#include "core/DM.h"
#include "support/TestDatabase.h"

// A data module connected to a database of its own on the test server, for the tests of
// windows and services that work through the data module.
struct TestDataModule {
  std::unique_ptr<TestDatabase> db;
  std::unique_ptr<core::TDM> dm;

  // Creates the database and connects the data module to it.
  void start();
  // Runs one of the delivered creation scripts (dist/SQL/<name>) on the test database.
  void runDeliveredScript(const QString& name);
  // The same on any connection.
  static void runDeliveredScript(kit::data::Connection& connection, const QString& name);
};
