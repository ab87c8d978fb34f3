#include "TestDatabase.h"

#include <QCoreApplication>
#include <QRandomGenerator>

bool TestDatabase::serverGiven() {
  return !qEnvironmentVariable("PGPORT").isEmpty();
}

TestDatabase::TestDatabase() {
  if (!serverGiven()) return;
  admin_.host = qEnvironmentVariable("PGHOST", QStringLiteral("127.0.0.1"));
  admin_.port = qEnvironmentVariableIntValue("PGPORT");
  admin_.user = qEnvironmentVariable("PGUSER", QStringLiteral("vareko"));
  admin_.database = QStringLiteral("postgres");
  params_ = admin_;
  params_.database = QStringLiteral("t_%1_%2_%3")
                         .arg(QCoreApplication::applicationName().toLower().remove(QLatin1Char('-')))
                         .arg(QCoreApplication::applicationPid())
                         .arg(QRandomGenerator::global()->bounded(100000));
  kit::data::Connection admin;
  admin.open(admin_);
  admin.exec(
      QStringLiteral("CREATE DATABASE \"%1\" TEMPLATE template0 ENCODING 'UTF8' LC_COLLATE 'C' LC_CTYPE 'C'")
          .arg(params_.database));
}

TestDatabase::~TestDatabase() {
  if (!serverGiven()) return;
  try {
    kit::data::Connection admin;
    admin.open(admin_);
    admin.exec(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(params_.database));
  } catch (...) {
    // The throwaway server goes with all its databases anyway.
  }
}
