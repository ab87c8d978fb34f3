#include <QtTest>
#include <memory>

#include "core/DM.h"
#include "core/SchemaSteps.h"
#include "kit/data/DbError.h"
#include "kit/sys/ProgramFolder.h"
#include "support/RecordingMessages.h"
#include "support/TestDatabase.h"

using core::SchemaSteps;
using core::TDM;

// The delivered schema: every script of SQL/Create.ini runs on an empty database, every
// table and column the program names is there, the official code lists are loaded, and the
// data module's shared queries open on it.
class TestSchema : public QObject {
  Q_OBJECT

  std::unique_ptr<TestDatabase> db_;
  std::unique_ptr<TDM> dm_;
  QStringList createdScripts_;

  QString text(const QString& sql, const QVariantList& params = {}) {
    return dm_->ZConnection.exec(sql, params).value(0, 0).toString();
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    db_ = std::make_unique<TestDatabase>();
    dm_ = std::make_unique<TDM>();
    db_->connect(dm_->ZConnection);
    kit::sys::setProgramFolder(VAREKO_DIST_DIR);
    RecordingMessages messages;
    SchemaSteps steps(*dm_);
    steps.runCreation();
    steps.runUpgrade("2.30");
    createdScripts_ = steps.scriptsRun();
    QCOMPARE(steps.scriptsFailed(), QStringList{});
    QCOMPARE(messages.texts(), QStringList{});
    dm_->readCatalogue();
  }
  void cleanupTestCase() { kit::sys::setProgramFolder({}); }

  void everyListedTableIsCreated();
  void everyNamedColumnExists();
  void officialCodeLists_data();
  void officialCodeLists();
  void settlementLookup();
  void ownerAndProbeRows();
  void sharedQueriesOpen();
  void secondStartRunsNoScript();
};

void TestSchema::everyListedTableIsCreated() {
  QFile list(QString(VAREKO_DIST_DIR) + "/SQL/Create.ini");
  QVERIFY(list.open(QIODevice::ReadOnly));
  int tables = 0;
  for (const QByteArray& raw : list.readAll().split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.isEmpty()) continue;
    const QString table = line.section(':', 0, 0);
    QVERIFY2(dm_->tableExistsInCatalogue(table), qPrintable(table));
    QVERIFY2(!dm_->ZConnection.keyColumnOf(table).isEmpty() || table == "downserver",
             qPrintable(table + " has no key"));
    ++tables;
  }
  QCOMPARE(createdScripts_.size(), tables);
}

void TestSchema::everyNamedColumnExists() {
  const auto columns = dm_->ZConnection.exec(
      "select table_name || ' ' || column_name from information_schema.columns where table_schema = "
      "'public'");
  QSet<QString> present;
  for (int i = 0; i < columns.rowCount(); ++i) present.insert(columns.value(i, 0).toString());
  const QDir lists(QString(VAREKO_TEST_DATA) + "/schema");
  const QStringList files = lists.entryList({"*.txt"});
  QVERIFY(!files.isEmpty());
  QStringList missing;
  int checked = 0;
  for (const QString& name : files) {
    QFile f(lists.filePath(name));
    QVERIFY(f.open(QIODevice::ReadOnly));
    for (const QByteArray& raw : f.readAll().split('\n')) {
      const QString line = QString::fromUtf8(raw).simplified();
      if (line.isEmpty() || line.startsWith('#')) continue;
      ++checked;
      if (!present.contains(line)) missing << line;
    }
  }
  QVERIFY2(missing.isEmpty(), qPrintable("missing: " + missing.join(", ")));
  QVERIFY(checked > 1000);
}

void TestSchema::officialCodeLists_data() {
  QTest::addColumn<QString>("table");
  QTest::addColumn<int>("rows");
  QTest::newRow("settlements") << "fixdata_helyseg" << 3569;
  QTest::newRow("TEÁOR'08") << "fixdata_teaor" << 975;
  QTest::newRow("FEOR-08") << "fixdata_feor" << 653;
}

void TestSchema::officialCodeLists() {
  QFETCH(QString, table);
  QFETCH(int, rows);
  QCOMPARE(text("select count(*) from " + table).toInt(), rows);
}

void TestSchema::settlementLookup() {
  QCOMPARE(dm_->townOfPostalCode("6720"), QString("Szeged"));
  QCOMPARE(dm_->postalCodeOfTown("Székesfehérvár").isEmpty(), false);
  QCOMPARE(text("select count(*) from fixdata_helyseg where telepules = 'Hódmezővásárhely'").toInt() > 0,
           true);
  QCOMPARE(text("select megnevezes from fixdata_teaor where teaor = '0111'"),
           QString("Gabonaféle (kivéve: rizs), hüvelyes növény, olajos mag termesztése"));
}

void TestSchema::ownerAndProbeRows() {
  QCOMPARE(text("select verzio from tulajdonos"), QString("2.30"));
  QCOMPARE(text("select nev from tulajdonos"), QString("-"));
  QCOMPARE(text("select count(*) from downserver").toInt(), 1);
}

void TestSchema::sharedQueriesOpen() {
  for (const QString& name : dm_->queryNames()) {
    kit::data::Dataset* query = dm_->query(name);
    try {
      query->open();
      query->close();
    } catch (const kit::data::DbError& e) {
      QFAIL(qPrintable(name + ": " + e.message()));
    }
  }
}

void TestSchema::secondStartRunsNoScript() {
  dm_->ZConnection.resetRoundTrips();
  SchemaSteps steps(*dm_);
  steps.runCreation();
  steps.runUpgrade("2.30");
  QCOMPARE(steps.scriptsRun(), QStringList{});
  QCOMPARE(dm_->ZConnection.roundTrips(), 2);
}

QTEST_GUILESS_MAIN(TestSchema)
#include "test_schema.moc"
