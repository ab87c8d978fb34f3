#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/DM.h"
#include "core/SettingsFile.h"
#include "kit/data/DbError.h"
#include "kit/sys/Clock.h"
#include "kit/sys/Printers.h"
#include "kit/sys/ProgramFolder.h"
#include "kit/text/Cp1250.h"
#include "support/RecordingMessages.h"
#include "support/TestDatabase.h"

using core::TDM;
using kit::data::Dataset;
using kit::sys::Clock;

namespace {
const QString kConnectFailed =
    QStringLiteral("Mivel nem sikerült az adatbázishoz csatlakozni a program leáll!");
}

// The data module against a real server: opening the session from the settings file, audit
// stamps, row count and paging, table exists and the settlement look-ups.
class TestDM : public QObject {
  Q_OBJECT

  std::unique_ptr<TestDatabase> db_;
  std::unique_ptr<TDM> dm_;
  QTemporaryDir folder_;

  int count(const QString& sql) { return dm_->ZConnection.exec(sql).value(0, 0).toInt(); }

  void writeSettings(const QString& network) {
    QFile f(folder_.filePath("vareko.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(kit::text::toCp1250("[Option]\r\nLimitNum=50\r\n" + network));
  }
  QString networkOf(const kit::data::ConnectionParams& p, const QString& port) {
    return QString(
               "[Network]\r\nHost=%1\r\nPort=%2\r\nProtocol=postgresql-7\r\nDataBase=%3\r\nUser=%"
               "4\r\nPassword=\r\n")
        .arg(p.host, port, p.database, p.user);
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    db_ = std::make_unique<TestDatabase>();
    kit::sys::setProgramFolder(folder_.path());
    kit::sys::Printers::replaceInstalled(QStringList{"Irodai lézer"});
  }
  void cleanupTestCase() {
    kit::sys::setProgramFolder({});
    kit::sys::Printers::replaceInstalled(std::nullopt);
    Clock::setFixed(std::nullopt);
  }

  void init() {
    dm_ = std::make_unique<TDM>();
    writeSettings(networkOf(db_->params(), QString::number(db_->params().port)));
    RecordingMessages messages;
    QVERIFY(dm_->openSession());
    QVERIFY(messages.shown().isEmpty());
    dm_->ZConnection.execScript(R"(
      drop table if exists partner;
      drop table if exists fixdata_helyseg;
      create table partner (
        partner_kod serial primary key, nev varchar(80), isz varchar(9), varos varchar(60),
        c_userid varchar(20), c_date date, c_time varchar(10),
        m_userid varchar(20), m_date date, m_time varchar(10));
      create table fixdata_helyseg (helyseg_kod serial primary key, isz varchar(9), telepules varchar(60));
      insert into fixdata_helyseg (isz, telepules) values ('6720', 'Szeged'), ('1011', 'Budapest'),
        ('8000', 'Székesfehérvár');
    )");
  }

  void sessionFromTheSettingsFile();
  void sessionFailures_data();
  void sessionFailures();
  void auditStampsOnInsertAndUpdate();
  void rowCountAndPaging();
  void rowCountOfAOneLineQuery();
  void tableExists();
  void settlementLookups();
  void postalCodeAndTownPairing();
  void templateMarkerValues();
};

void TestDM::sessionFromTheSettingsFile() {
  QVERIFY(dm_->ZConnection.isOpen());
  QVERIFY(!dm_->connectionFailed);
  QCOMPARE(dm_->settings.protocol, QString("postgresql-7"));  // kept, not used
  QString shownHost;
  std::optional<bool> shownResult;
  dm_->showHost = [&](const QString& host) { shownHost = host; };
  dm_->showConnectResult = [&](bool ok) { shownResult = ok; };
  QVERIFY(dm_->openSession());
  QCOMPARE(shownHost, db_->params().host);
  QCOMPARE(shownResult, std::optional<bool>(true));
  QCOMPARE(count("select 1"), 1);
}

void TestDM::sessionFailures_data() {
  QTest::addColumn<QString>("network");
  const auto p = db_ ? db_->params() : kit::data::ConnectionParams{};
  // Five digits keep only the first four: the port of the test server followed by a digit
  // connects to the test server's port again, so take a port that nothing listens on.
  QTest::newRow("five-digit port cut to four") << networkOf(p, "10235");
  QTest::newRow("no Network section") << QString();
  QTest::newRow("port not a number") << networkOf(p, "abc");
  QTest::newRow("wrong database") << networkOf({p.host, p.port, "nincs_ilyen", p.user, {}, 10},
                                               QString::number(p.port));
}

void TestDM::sessionFailures() {
  QFETCH(QString, network);
  writeSettings(network);
  RecordingMessages messages;
  std::optional<bool> shownResult;
  dm_->showConnectResult = [&](bool ok) { shownResult = ok; };
  QVERIFY(!dm_->openSession());
  QVERIFY(dm_->connectionFailed);
  QVERIFY(!dm_->ZConnection.isOpen());
  QCOMPARE(shownResult, std::optional<bool>(false));
  QCOMPARE(messages.texts(), QStringList{kConnectFailed});
  if (QTest::currentDataTag() == QByteArray("five-digit port cut to four"))
    QCOMPARE(dm_->settings.port, QString("1023"));
}

void TestDM::auditStampsOnInsertAndUpdate() {
  dm_->currentUser = "kovacs.janos";
  Clock::setFixed(QDateTime(QDate(2026, 3, 2), QTime(9, 5, 7)));
  Dataset& partners = dm_->ZQueryPartner();
  partners.open();
  partners.append();
  partners.setValue("nev", "Alfa Kft.");
  partners.post();
  kit::data::Result row = dm_->ZConnection.exec("select * from partner");
  QCOMPARE(row.value(0, "c_userid").toString(), QString("kovacs.janos"));
  QCOMPARE(row.value(0, "c_date").toDate(), QDate(2026, 3, 2));
  QCOMPARE(row.value(0, "c_time").toString(), QString("9:05:07"));
  for (const char* column : {"m_userid", "m_date", "m_time"})
    QVERIFY2(row.isNull(0, row.columnIndex(column)), column);

  dm_->currentUser = "szabo.eva";
  Clock::setFixed(QDateTime(QDate(2026, 4, 10), QTime(16, 45, 0)));
  partners.edit();
  partners.setValue("nev", "Alfa Bt.");
  partners.post();
  row = dm_->ZConnection.exec("select * from partner");
  QCOMPARE(row.value(0, "m_userid").toString(), QString("szabo.eva"));
  QCOMPARE(row.value(0, "m_date").toDate(), QDate(2026, 4, 10));
  QCOMPARE(row.value(0, "m_time").toString(), QString("16:45:00"));
  QCOMPARE(row.value(0, "c_userid").toString(), QString("kovacs.janos"));  // insert stamp untouched
  QCOMPARE(row.value(0, "c_date").toDate(), QDate(2026, 3, 2));

  // A dataset without audit columns is left alone.
  Dataset towns(dm_->ZConnection);
  towns.setSql("select *\nfrom fixdata_helyseg");
  towns.setKeyField("helyseg_kod");
  dm_->stampBeforePost(towns);
  towns.open();
  towns.append();
  towns.setValue("telepules", "Pécs");
  towns.post();
  QCOMPARE(count("select count(*) from fixdata_helyseg where telepules = 'Pécs'"), 1);
}

void TestDM::rowCountAndPaging() {
  dm_->ZConnection.exec(
      "insert into partner (nev) select 'Partner ' || lpad(i::text, 3, '0') from generate_series(1, 120) i");
  Dataset& partners = dm_->ZQueryPartner();
  int page = 2;
  bool off = false;
  partners.beforeOpen.add([&](Dataset& d) { dm_->pageClause(d, page, off); });
  partners.open();
  QCOMPARE(partners.sqlLines().last(), QString("  LIMIT 50 OFFSET 100"));
  QCOMPARE(partners.recordCount(), 20);
  QCOMPARE(partners.text("nev"), QString("Partner 101"));
  dm_->ZConnection.resetRoundTrips();
  QCOMPARE(dm_->rowCount(partners), 120);
  QCOMPARE(dm_->ZConnection.roundTrips(), 1);

  page = 0;
  partners.open();
  QCOMPARE(partners.recordCount(), 50);
  QCOMPARE(partners.sqlLines().filter("LIMIT").size(), 1);

  off = true;
  partners.open();
  QCOMPARE(partners.recordCount(), 120);
  QCOMPARE(partners.sqlLines().last(), QString());

  // Parameters travel to the count as well.
  Dataset filtered(dm_->ZConnection);
  filtered.setSql("select *\nfrom partner\nwhere nev like :minta\norder by nev");
  filtered.setParam("minta", "Partner 00%");
  QCOMPARE(dm_->rowCount(filtered), 9);

  // A failing count reaches the caller.
  Dataset broken(dm_->ZConnection);
  broken.setSql("select *\nfrom nincs_ilyen_tabla");
  QVERIFY_THROWS_EXCEPTION(kit::data::DbError, dm_->rowCount(broken));
}

void TestDM::rowCountOfAOneLineQuery() {
  dm_->ZConnection.exec("insert into partner (nev) values ('A'), ('B'), ('C')");
  Dataset oneLine(dm_->ZConnection);
  oneLine.setSql("select * from partner order by nev");
  QCOMPARE(dm_->rowCount(oneLine), 1);  // a query on one line counts as a bare count
}

void TestDM::tableExists() {
  QVERIFY(dm_->tableExists("partner"));
  QVERIFY(!dm_->tableExists("Partner"));  // exact name
  QVERIFY(!dm_->tableExists("nincs_ilyen"));
  QVERIFY(!dm_->tableExists(""));
  QVERIFY(!dm_->tableExists("tables"));  // other schemas do not count

  // The catalogue read answers the same for all tables at once, and knows their keys.
  dm_->ZConnection.resetRoundTrips();
  dm_->readCatalogue();
  QCOMPARE(dm_->ZConnection.roundTrips(), 1);
  for (const char* name : {"partner", "Partner", "nincs_ilyen", "", "tables", "fixdata_helyseg"})
    QCOMPARE(dm_->tableExistsInCatalogue(name), dm_->tableExists(name));
  QCOMPARE(dm_->ZConnection.keyColumnOf("fixdata_helyseg"), QString("helyseg_kod"));
  Dataset towns(dm_->ZConnection);
  towns.setSql("select *\nfrom fixdata_helyseg");
  QCOMPARE(towns.keyField(), QString("helyseg_kod"));
}

void TestDM::settlementLookups() {
  dm_->ZConnection.resetRoundTrips();
  QCOMPARE(dm_->townOfPostalCode("6720"), QString("Szeged"));
  QCOMPARE(dm_->ZConnection.roundTrips(), 1);
  QCOMPARE(dm_->postalCodeOfTown("Székesfehérvár"), QString("8000"));
  QCOMPARE(dm_->townOfPostalCode("0000"), QString());
  QCOMPARE(dm_->postalCodeOfTown("Nincsfalva"), QString());
  QCOMPARE(dm_->townOfPostalCode("' or '1'='1"), QString());
}

void TestDM::postalCodeAndTownPairing() {
  Dataset& partners = dm_->ZQueryPartner();
  dm_->pairPostalCodeAndTown(partners, "isz", "varos");
  partners.open();
  partners.append();
  partners.setValue("isz", "6720");
  QCOMPARE(partners.text("varos"), QString("Szeged"));
  partners.setValue("isz", "9999");  // unknown: the town stays
  QCOMPARE(partners.text("varos"), QString("Szeged"));
  QCOMPARE(partners.text("isz"), QString("9999"));
  partners.setValue("varos", "Budapest");
  QCOMPARE(partners.text("isz"), QString("1011"));
  partners.setValue("varos", "Ismeretlen");
  QCOMPARE(partners.text("isz"), QString("1011"));
  partners.post();
  QCOMPARE(count("select count(*) from partner where isz = '1011' and varos = 'Ismeretlen'"), 1);
}

void TestDM::templateMarkerValues() {
  dm_->ZConnection.exec("insert into partner (nev, c_date) values ('Alfa Kft.', '2013-05-07')");
  QCOMPARE(dm_->markerValue("Partner", "nev"), std::optional<QString>(QString()));  // not open yet
  dm_->ZQueryPartner().open();
  QCOMPARE(dm_->markerValue("partner", "NEV"), std::optional<QString>("Alfa Kft."));
  QCOMPARE(dm_->markerValue("Partner", "c_date"), std::optional<QString>("2013. 05. 07."));
  QCOMPARE(dm_->markerValue("Partner", "isz"), std::optional<QString>(QString()));
  QCOMPARE(dm_->markerValue("Partner", "nincs"), std::nullopt);
  QCOMPARE(dm_->markerValue("Nincs", "nev"), std::nullopt);
}

QTEST_GUILESS_MAIN(TestDM)
#include "test_dm.moc"
