#include "TestDataModule.h"

#include <QFile>

#include "kit/data/DbError.h"

void TestDataModule::start() {
  db = std::make_unique<TestDatabase>();
  dm = std::make_unique<core::TDM>();
  db->connect(dm->ZConnection);
}

void TestDataModule::runDeliveredScript(const QString& name) {
  runDeliveredScript(dm->ZConnection, name);
}

void TestDataModule::runDeliveredScript(kit::data::Connection& connection, const QString& name) {
  QFile script(QStringLiteral(VAREKO_DIST_DIR "/SQL/") + name);
  if (!script.open(QIODevice::ReadOnly))
    throw kit::data::DbError(QStringLiteral("missing delivered script %1").arg(name));
  connection.execScript(QString::fromUtf8(script.readAll()));
}
