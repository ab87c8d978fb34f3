#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/DM.h"
#include "core/SchemaSteps.h"
#include "kit/sys/ProgramFolder.h"
#include "kit/text/Cp1250.h"
#include "support/RecordingMessages.h"
#include "support/TestDatabase.h"

using core::SchemaSteps;
using core::TDM;

// Creation and upgrade of the schema from a small program folder of scripts, each case on a
// database of its own.
class TestSchemaSteps : public QObject {
  Q_OBJECT

  std::unique_ptr<TestDatabase> db_;
  std::unique_ptr<TDM> dm_;
  std::unique_ptr<QTemporaryDir> folder_;

  void write(const QString& name, const QByteArray& bytes) {
    const QString path = folder_->filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  void write(const QString& name, const QString& text) { write(name, text.toUtf8()); }
  QStringList creation() {
    SchemaSteps steps(*dm_);
    steps.runCreation();
    return steps.scriptsRun();
  }
  QStringList upgrade(const QString& version, QStringList* failed = nullptr) {
    SchemaSteps steps(*dm_);
    steps.runUpgrade(version);
    if (failed) *failed = steps.scriptsFailed();
    return steps.scriptsRun();
  }
  int count(const QString& sql) { return dm_->ZConnection.exec(sql).value(0, 0).toInt(); }
  QString text(const QString& sql) { return dm_->ZConnection.exec(sql).value(0, 0).toString(); }
  QStringList recorded() {
    QStringList names;
    const auto r = dm_->ZConnection.exec("select \"update\" from verzio order by verzio_kod");
    for (int i = 0; i < r.rowCount(); ++i) names << r.value(i, 0).toString();
    return names;
  }

 private slots:
  void init() {
    REQUIRE_TEST_SERVER();
    db_ = std::make_unique<TestDatabase>();
    dm_ = std::make_unique<TDM>();
    db_->connect(dm_->ZConnection);
    folder_ = std::make_unique<QTemporaryDir>();
    kit::sys::setProgramFolder(folder_->path());
    write("SQL/verzio.sql",
          QString("-- applied upgrade scripts\nCREATE TABLE verzio (\n  verzio_kod serial PRIMARY KEY,\n"
                  "  \"update\" varchar(30)\n);\n"));
    write("SQL/tulajdonos.sql",
          QString("CREATE TABLE tulajdonos (tulajdonos_kod serial PRIMARY KEY, nev varchar(80), "
                  "verzio varchar(10));"));
    write("SQL/partner.sql",
          QString("CREATE TABLE partner (partner_kod serial PRIMARY KEY, nev varchar(80));\n"
                  "CREATE INDEX partner_nev_idx ON partner (nev);"));
    write("SQL/Create.ini", QString("verzio:verzio.sql\ntulajdonos:tulajdonos.sql\npartner:partner.sql\n"));
    write("SQLUpdate/u1.sql", QString("ALTER TABLE partner ADD COLUMN isz varchar(4);"));
    write("SQLUpdate/u2.sql", QString("INSERT INTO partner (nev, isz) VALUES ('Első Kft.', '6720');"));
    write("SQLUpdate/Update.ini", QString("u1.sql\nu2.sql\n"));
  }
  void cleanup() {
    dm_.reset();
    db_.reset();
    kit::sys::setProgramFolder({});
  }

  void emptyDatabaseGetsTheWholeSchema();
  void sameVersionRunsNothing();
  void newVersionRunsOnlyTheNewLines();
  void failingStepIsRecordedAndNotRetried();
  void recordedNameBeginningWithTheLineCountsAsApplied();
  void lineWithoutColonRunsAtEveryStart();
  void missingCreateListStillUpgrades();
  void missingUpdateListLeavesTheOwnerRow();
  void droppedTableComesBack();
  void untidyListsAndBrokenScripts();
  void listsBeyondTheirLimits();
  void scriptsInEitherCodePage();
};

void TestSchemaSteps::emptyDatabaseGetsTheWholeSchema() {
  QCOMPARE(creation(), (QStringList{"verzio.sql", "tulajdonos.sql", "partner.sql"}));
  for (const char* table : {"verzio", "tulajdonos", "partner"}) QVERIFY2(dm_->tableExists(table), table);
  QCOMPARE(upgrade("2.30"), (QStringList{"u1.sql", "u2.sql"}));
  QCOMPARE(recorded(), (QStringList{"u1.sql", "u2.sql"}));
  QCOMPARE(text("select isz from partner"), QString("6720"));
  QCOMPARE(count("select count(*) from tulajdonos"), 1);
  QCOMPARE(text("select verzio from tulajdonos"), QString("2.30"));
  QCOMPARE(text("select nev from tulajdonos"), QString("-"));
}

void TestSchemaSteps::sameVersionRunsNothing() {
  creation();
  upgrade("2.30");
  dm_->ZConnection.resetRoundTrips();
  QCOMPARE(creation(), QStringList{});
  QCOMPARE(upgrade("2.30"), QStringList{});
  // One catalogue read for the creation list, one read of the owner row.
  QCOMPARE(dm_->ZConnection.roundTrips(), 2);
  // An owner already filled in keeps its name.
  dm_->ZConnection.exec("update tulajdonos set nev = 'Munkavédelmi Iroda Kft.'");
  upgrade("2.31");
  QCOMPARE(text("select nev from tulajdonos"), QString("Munkavédelmi Iroda Kft."));
}

void TestSchemaSteps::newVersionRunsOnlyTheNewLines() {
  creation();
  upgrade("2.30");
  write("SQLUpdate/u3.sql", QString("INSERT INTO partner (nev) VALUES ('Harmadik');"));
  write("SQLUpdate/u4.sql", QString("INSERT INTO partner (nev) VALUES ('Negyedik');"));
  write("SQLUpdate/Update.ini", QString("u1.sql\nu2.sql\nu3.sql\nu4.sql\n"));
  QCOMPARE(upgrade("2.30"), QStringList{});  // same version: the list is not even read
  QCOMPARE(upgrade("2.31"), (QStringList{"u3.sql", "u4.sql"}));
  QCOMPARE(count("select count(*) from partner"), 3);
  QCOMPARE(text("select verzio from tulajdonos"), QString("2.31"));
}

void TestSchemaSteps::failingStepIsRecordedAndNotRetried() {
  creation();
  write("SQLUpdate/rossz.sql",
        QString("INSERT INTO partner (nev) VALUES ('Félig');\nINSERT INTO nincs_ilyen VALUES (1);"));
  write("SQLUpdate/Update.ini", QString("u1.sql\nrossz.sql\nu2.sql\n"));
  QStringList failed;
  QCOMPARE(upgrade("2.30", &failed), (QStringList{"u1.sql", "rossz.sql", "u2.sql"}));
  QCOMPARE(failed, QStringList{"rossz.sql"});
  QCOMPARE(count("select count(*) from partner where nev = 'Félig'"), 0);  // rolled back whole
  QCOMPARE(recorded(), (QStringList{"u1.sql", "rossz.sql", "u2.sql"}));
  QCOMPARE(upgrade("2.31"), QStringList{});
}

void TestSchemaSteps::recordedNameBeginningWithTheLineCountsAsApplied() {
  creation();
  dm_->ZConnection.exec("insert into verzio (\"update\") values ('u12.sql')");
  write("SQLUpdate/Update.ini", QString("u1\nU12.sql\n"));
  write("SQLUpdate/U12.sql", QString("SELECT 1;"));
  // "u1" is a prefix of the recorded "u12.sql"; the prefix test is case-sensitive.
  QCOMPARE(upgrade("2.30"), QStringList{"U12.sql"});
}

void TestSchemaSteps::lineWithoutColonRunsAtEveryStart() {
  write("SQL/naplo.sql",
        QString("CREATE TABLE IF NOT EXISTS naplo (n integer); INSERT INTO naplo VALUES (1);"));
  write("SQL/Create.ini", QString("verzio:verzio.sql\nnaplo.sql\n"));
  QCOMPARE(creation(), (QStringList{"verzio.sql", "naplo.sql"}));
  QCOMPARE(creation(), QStringList{"naplo.sql"});
  QCOMPARE(count("select count(*) from naplo"), 2);
}

void TestSchemaSteps::missingCreateListStillUpgrades() {
  creation();
  QFile::remove(folder_->filePath("SQL/Create.ini"));
  RecordingMessages messages;
  QCOMPARE(creation(), QStringList{});
  QCOMPARE(messages.texts(),
           QStringList{"Az adatbázis ellenőrzése nem hajtható végre a hiányzó CREATE.INI állomány miatt!"});
  QCOMPARE(upgrade("2.30"), (QStringList{"u1.sql", "u2.sql"}));
}

void TestSchemaSteps::missingUpdateListLeavesTheOwnerRow() {
  creation();
  QFile::remove(folder_->filePath("SQLUpdate/Update.ini"));
  RecordingMessages messages;
  QCOMPARE(upgrade("2.30"), QStringList{});
  QCOMPARE(messages.texts(), QStringList{SchemaSteps::missingUpdateListMessage()});
  QCOMPARE(count("select count(*) from tulajdonos"), 0);  // the version is not recorded
}

void TestSchemaSteps::droppedTableComesBack() {
  creation();
  dm_->ZConnection.exec("drop table partner");
  QCOMPARE(creation(), QStringList{"partner.sql"});
  QVERIFY(dm_->tableExists("partner"));
}

void TestSchemaSteps::untidyListsAndBrokenScripts() {
  RecordingMessages messages;
  write("SQL/hibas.sql",
        QString("CREATE TABLE hibas (a integer);\nCREATE TABLE hibas_masik (b nincs_ilyen_tipus);"));
  write("SQL/Create.ini", QByteArray("verzio:verzio.sql\r\n\r\n  tulajdonos:tulajdonos.sql  \r\n"
                                     "hianyzik:hianyzik.sql\r\nhibas:hibas.sql\r\n\r\npartner:partner.sql"));
  QCOMPARE(creation(),
           (QStringList{"verzio.sql", "tulajdonos.sql", "hianyzik.sql", "hibas.sql", "partner.sql"}));
  QVERIFY(dm_->tableExists("partner"));
  QVERIFY(!dm_->tableExists("hibas"));  // its transaction rolled back whole
  write("SQLUpdate/Update.ini", QByteArray("u1.sql   \r\n\r\nnincs.sql\r\nu2.sql\r\n"));
  QCOMPARE(upgrade("2.30"), (QStringList{"u1.sql", "nincs.sql", "u2.sql"}));
  QCOMPARE(recorded(), (QStringList{"u1.sql", "nincs.sql", "u2.sql"}));
  QVERIFY(messages.shown().isEmpty());
}

void TestSchemaSteps::listsBeyondTheirLimits() {
  QString list = "verzio:verzio.sql\ntulajdonos:tulajdonos.sql\n";
  for (int i = 1; i <= 205; ++i) {
    write(QString("SQL/t%1.sql").arg(i), QString("CREATE TABLE t%1 (t%1_kod serial PRIMARY KEY);").arg(i));
    list += QString("t%1:t%1.sql\n").arg(i);
  }
  write("SQL/Create.ini", list);
  QString updates;
  for (int i = 1; i <= 105; ++i) {
    write(QString("SQLUpdate/f%1.sql").arg(i), QString("SELECT %1;").arg(i));
    updates += QString("f%1.sql\n").arg(i);
  }
  write("SQLUpdate/Update.ini", updates);
  QCOMPARE(creation().size(), 207);
  QVERIFY(dm_->tableExists("t205"));
  QCOMPARE(upgrade("2.30").size(), 105);
  QCOMPARE(count("select count(*) from verzio"), 105);
}

void TestSchemaSteps::scriptsInEitherCodePage() {
  const QString hu = QStringLiteral("árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP");
  creation();
  write("SQLUpdate/ansi.sql",
        kit::text::toCp1250(QString("INSERT INTO partner (nev) VALUES ('%1');").arg(hu)));
  write("SQLUpdate/utf8.sql", QString("INSERT INTO partner (nev) VALUES ('%1 2');").arg(hu).toUtf8());
  write("SQLUpdate/Update.ini", QString("ansi.sql\nutf8.sql\n"));
  upgrade("2.30");
  QCOMPARE(count(QString("select count(*) from partner where nev = '%1'").arg(hu)), 1);
  QCOMPARE(count(QString("select count(*) from partner where nev = '%1 2'").arg(hu)), 1);
}

QTEST_GUILESS_MAIN(TestSchemaSteps)
#include "test_schema_steps.moc"
