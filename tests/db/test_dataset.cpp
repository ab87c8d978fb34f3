#include <QtTest>
#include <memory>

#include "kit/data/Connection.h"
#include "kit/data/Dataset.h"
#include "kit/data/DatasetModel.h"
#include "kit/data/DbError.h"
#include "kit/data/Transaction.h"
#include "kit/text/Cp1250.h"
#include "support/TestDatabase.h"

using namespace kit::data;

namespace {
const QString kHungarian = QStringLiteral("árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP");
}

// The data layer against a real server: reading, posting, key read-back, errors,
// transactions and the round-trip count.
class TestDataset : public QObject {
  Q_OBJECT

  std::unique_ptr<TestDatabase> db_;
  Connection conn_;
  Connection other_;  // a second workstation

  int count(const QString& sql) { return other_.exec(sql).value(0, 0).toInt(); }
  std::unique_ptr<Dataset> partners(const QString& where = {}) {
    auto ds = std::make_unique<Dataset>(conn_, "ZQueryPartner");
    ds->setSql("select *\nfrom partner\n" + (where.isEmpty() ? QString() : "where " + where + "\n") +
               "order by nev");
    return ds;
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    db_ = std::make_unique<TestDatabase>();
    db_->connect(conn_);
    db_->connect(other_);
  }

  void init() {
    conn_.execScript(R"(
      drop table if exists telephely;
      drop table if exists partner;
      create table partner (
        partner_kod serial primary key,
        nev varchar(80),
        isz varchar(9),
        varos varchar(60),
        letszam integer check (letszam >= 0),
        szerzodes boolean,
        datum_kelt date,
        megjegyzes text,
        alapertek varchar(10) default 'alap');
      create table telephely (
        telephely_kod serial primary key,
        telephely_pkod integer references partner (partner_kod),
        nev varchar(80));
      insert into partner (nev, isz, letszam) values ('Beta Kft.', '6720', 12), ('Alfa Bt.', '1011', 3),
        ('Gamma Zrt.', '9700', 40);
    )");
  }

  void openBrowseAndLocate();
  void insertReadsTheStoredRowBack();
  void updateWritesOnlyChangedColumns();
  void postWithoutChangesSendsNothing();
  void rejectedPostKeepsTheRowInEditing();
  void foreignKeyViolationIsRecognised();
  void cancelRestores();
  void removeDeletesTheRow();
  void textIsCutToItsColumn();
  void hungarianTextRoundTrips();
  void parametersAreValuesNeverSql();
  void invalidValuesAreRefused_data();
  void invalidValuesAreRefused();
  void transactionGuard();
  void pendingEditRefusesNavigation();
  void updateOfARowDeletedElsewhere();
  void refreshReturnsToTheSameRow();
  void roundTripsPerStatement();
  void modelFollowsTheDataset();
  void unreachableServerFailsQuickly();
};

void TestDataset::openBrowseAndLocate() {
  auto ds = partners();
  ds->open();
  QCOMPARE(ds->recordCount(), 3);
  QCOMPARE(ds->currentRow(), 0);
  QCOMPARE(ds->text("NEV"), QString("Alfa Bt."));  // fields by name in any case
  QCOMPARE(ds->value("letszam").typeId(), int(QMetaType::Int));
  ds->next();
  QCOMPARE(ds->text("nev"), QString("Beta Kft."));
  QVERIFY(ds->locate("nev", "gamma zrt.", {.caseInsensitive = true}));
  QCOMPARE(ds->currentRow(), 2);
  QVERIFY(ds->locate("nev", "Be", {.partialKey = true}));
  QCOMPARE(ds->currentRow(), 1);
  QVERIFY(!ds->locate("nev", "be", {.partialKey = true}));  // prefix search is case-sensitive
  QVERIFY(!ds->locate("nev", "Delta"));
  QCOMPARE(ds->currentRow(), 1);  // a miss leaves the current row
  QVERIFY(!ds->locate("letszam", "negyven"));
  QVERIFY(ds->locate("letszam", "40"));
  QCOMPARE(ds->text("nev"), QString("Gamma Zrt."));
  ds->last();
  QVERIFY(ds->atEnd());
  QVERIFY_THROWS_EXCEPTION(DbError, ds->value("nincs_ilyen"));
}

void TestDataset::insertReadsTheStoredRowBack() {
  auto ds = partners();
  ds->open();
  ds->append();
  QCOMPARE(ds->state(), Dataset::State::Insert);
  QCOMPARE(ds->recordCount(), 4);
  ds->setValue("nev", "Delta Kft.");
  ds->setValue("datum_kelt", QDate(2024, 3, 15));
  conn_.resetRoundTrips();
  ds->post();
  QCOMPARE(conn_.roundTrips(), 1);
  QCOMPARE(ds->state(), Dataset::State::Browse);
  const int key = ds->value("partner_kod").toInt();
  QVERIFY(key > 0);
  QCOMPARE(ds->text("alapertek"), QString("alap"));  // the server's default, read back
  const Result stored = other_.exec("select nev, datum_kelt from partner where partner_kod = $1", {key});
  QCOMPARE(stored.value(0, "nev").toString(), QString("Delta Kft."));
  QCOMPARE(stored.value(0, "datum_kelt").toDate(), QDate(2024, 3, 15));
}

void TestDataset::updateWritesOnlyChangedColumns() {
  auto ds = partners();
  ds->open();
  QVERIFY(ds->locate("nev", "Beta Kft."));
  ds->edit();
  ds->setValue("nev", "Béta Kft.");
  // Meanwhile another workstation changes another column of the same row.
  other_.exec("update partner set isz = '6725' where nev = 'Beta Kft.'");
  conn_.resetRoundTrips();
  ds->post();
  QCOMPARE(conn_.roundTrips(), 1);
  const Result stored = other_.exec("select nev, isz from partner where nev like 'B%'");
  QCOMPARE(stored.value(0, "nev").toString(), QString("Béta Kft."));
  QCOMPARE(stored.value(0, "isz").toString(), QString("6725"));  // not overwritten
  QCOMPARE(ds->text("isz"), QString("6725"));                    // the stored row is read back
}

void TestDataset::postWithoutChangesSendsNothing() {
  auto ds = partners();
  ds->open();
  ds->edit();
  ds->setValue("nev", "Alfa Bt.");  // the same value
  ds->setValue("megjegyzes", "");   // empty over NULL is no change
  QVERIFY(!ds->isModified());
  conn_.resetRoundTrips();
  ds->post();
  QCOMPARE(conn_.roundTrips(), 0);
  QCOMPARE(ds->state(), Dataset::State::Browse);
}

void TestDataset::rejectedPostKeepsTheRowInEditing() {
  auto ds = partners();
  ds->open();
  ds->append();
  ds->setValue("nev", "Negatív Kft.");
  ds->setValue("letszam", -1);
  try {
    ds->post();
    QFAIL("the server accepted a negative head count");
  } catch (const DbError& e) {
    QCOMPARE(e.kind(), DbError::Kind::Server);
    QCOMPARE(e.sqlState(), QString("23514"));
    QVERIFY2(e.message().contains("partner_letszam_check"), qPrintable(e.message()));
  }
  QCOMPARE(ds->state(), Dataset::State::Insert);  // nothing typed is lost
  QCOMPARE(ds->text("nev"), QString("Negatív Kft."));
  ds->setValue("letszam", 1);
  ds->post();
  QCOMPARE(count("select count(*) from partner where nev = 'Negatív Kft.'"), 1);

  // A statement the server cannot parse reports the server's text.
  try {
    conn_.exec("select nincs_ilyen_oszlop from partner");
    QFAIL("no error");
  } catch (const DbError& e) {
    QVERIFY2(e.message().contains("nincs_ilyen_oszlop"), qPrintable(e.message()));
    QCOMPARE(e.sqlState(), QString("42703"));
  }
}

void TestDataset::foreignKeyViolationIsRecognised() {
  other_.exec(
      "insert into telephely (telephely_pkod, nev) select partner_kod, 'Székhely' from partner where nev = "
      "'Alfa Bt.'");
  auto ds = partners();
  ds->open();
  try {
    ds->remove();
    QFAIL("the referenced partner was deleted");
  } catch (const DbError& e) {
    QVERIFY(e.isForeignKeyViolation());
    QCOMPARE(e.table(), QString("telephely"));
  }
  QCOMPARE(ds->recordCount(), 3);
  QCOMPARE(count("select count(*) from partner"), 3);
}

void TestDataset::cancelRestores() {
  auto ds = partners();
  ds->open();
  ds->next();
  ds->append();
  ds->setValue("nev", "Elvetett");
  ds->cancel();
  QCOMPARE(ds->recordCount(), 3);
  QCOMPARE(ds->currentRow(), 2);
  ds->edit();
  ds->setValue("nev", "Átírt");
  QCOMPARE(ds->text("nev"), QString("Átírt"));
  ds->cancel();
  QCOMPARE(ds->text("nev"), QString("Gamma Zrt."));
  QCOMPARE(count("select count(*) from partner where nev in ('Elvetett', 'Átírt')"), 0);
}

void TestDataset::removeDeletesTheRow() {
  auto ds = partners();
  ds->open();
  ds->next();
  ds->remove();
  QCOMPARE(ds->recordCount(), 2);
  QCOMPARE(ds->text("nev"), QString("Gamma Zrt."));
  QCOMPARE(count("select count(*) from partner where nev = 'Beta Kft.'"), 0);
  // Deleting while inserting only drops the new row.
  ds->append();
  ds->remove();
  QCOMPARE(ds->recordCount(), 2);
  QCOMPARE(count("select count(*) from partner"), 2);
}

void TestDataset::textIsCutToItsColumn() {
  auto ds = partners();
  ds->open();
  ds->edit();
  ds->setValue("nev", QString(100, QChar(u'ő')));
  QCOMPARE(ds->text("nev").size(), 80);
  ds->setValue("megjegyzes", QString(5000, 'x'));  // text has no limit
  QCOMPARE(ds->text("megjegyzes").size(), 5000);
  ds->post();
  QCOMPARE(count("select length(nev) from partner where nev like 'ő%'"), 80);
}

void TestDataset::hungarianTextRoundTrips() {
  auto ds = partners();
  ds->open();
  ds->append();
  ds->setValue("nev", kHungarian.left(80));
  ds->setValue("megjegyzes", kHungarian);
  ds->post();
  const Result stored = other_.exec(
      "select megjegyzes, convert_to(megjegyzes, 'WIN1250') as bytes from partner "
      "where partner_kod = $1",
      {ds->value("partner_kod")});
  QCOMPARE(stored.value(0, "megjegyzes").toString(), kHungarian);
  // What a workstation with the windows-1250 client encoding receives is the same text.
  QCOMPARE(stored.value(0, "bytes").toByteArray(), kit::text::toCp1250(kHungarian));
  auto again = partners("nev = :nev");
  again->setParam("nev", kHungarian.left(80));
  again->open();
  QCOMPARE(again->recordCount(), 1);
  QCOMPARE(again->text("megjegyzes"), kHungarian);
}

void TestDataset::parametersAreValuesNeverSql() {
  const QString nasty = "O'Brien \"Kft\"; drop table partner; --";
  auto ds = partners();
  ds->open();
  ds->append();
  ds->setValue("nev", nasty);
  ds->post();
  auto found = partners("nev = :nev");
  found->setParam("NEV", nasty);
  found->open();
  QCOMPARE(found->recordCount(), 1);
  QCOMPARE(found->text("nev"), nasty);
  QCOMPARE(count("select count(*) from partner"), 4);
}

void TestDataset::invalidValuesAreRefused_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("message");
  QTest::newRow("integer") << "letszam"
                           << "sok"
                           << "„sok” nem érvényes egész szám.";
  QTest::newRow("date") << "datum_kelt"
                        << "2024.13.45."
                        << "„2024.13.45.” nem érvényes dátum.";
}

void TestDataset::invalidValuesAreRefused() {
  QFETCH(QString, field);
  QFETCH(QString, value);
  QFETCH(QString, message);
  auto ds = partners();
  ds->open();
  ds->edit();
  const QVariant before = ds->value(field);
  try {
    ds->setValue(field, value);
    QFAIL("accepted");
  } catch (const DbError& e) {
    QCOMPARE(e.message(), message);
  }
  QCOMPARE(ds->value(field), before);
  QVERIFY(!ds->isModified());
  // Empty text is an empty (NULL) value, and text that is a number is taken.
  ds->setValue(field, "");
  QVERIFY(ds->isNull(field));
}

void TestDataset::transactionGuard() {
  auto ds = partners();
  ds->open();
  try {
    Transaction t(conn_);
    ds->append();
    ds->setValue("nev", "Visszagörgetett");
    ds->post();
    {
      Transaction inner(conn_);  // a savepoint
      conn_.exec("insert into partner (nev) values ('Belső')");
    }  // rolled back alone
    QCOMPARE(conn_.transactionDepth(), 1);
    throw std::runtime_error("failure after the post");
  } catch (const std::runtime_error&) {
  }
  QCOMPARE(conn_.transactionDepth(), 0);
  QCOMPARE(count("select count(*) from partner where nev in ('Visszagörgetett', 'Belső')"), 0);
  {
    Transaction t(conn_);
    conn_.exec("insert into partner (nev) values ('Megmaradt')");
    {
      Transaction inner(conn_);
      conn_.exec("insert into partner (nev) values ('Belső')");
      inner.commit();
    }
    t.commit();
  }
  QCOMPARE(count("select count(*) from partner where nev in ('Megmaradt', 'Belső')"), 2);
}

void TestDataset::pendingEditRefusesNavigation() {
  auto ds = partners();
  ds->open();
  ds->edit();
  ds->setValue("nev", "Szerkesztés alatt");
  for (auto command :
       {std::function<void()>([&] { ds->next(); }), std::function<void()>([&] { ds->refresh(); }),
        std::function<void()>([&] { ds->append(); }), std::function<void()>([&] { ds->open(); })}) {
    try {
      command();
      QFAIL("the pending edit was bypassed");
    } catch (const DbError& e) {
      QCOMPARE(e.message(), QString("Az adatok még szerkesztés alatt vannak. Először rögzítsük!"));
    }
    QCOMPARE(ds->text("nev"), QString("Szerkesztés alatt"));
  }
  QCOMPARE(ds->state(), Dataset::State::Edit);
}

void TestDataset::updateOfARowDeletedElsewhere() {
  auto ds = partners();
  ds->open();
  ds->edit();
  ds->setValue("letszam", 5);
  other_.exec("delete from partner where nev = 'Alfa Bt.'");
  QVERIFY_THROWS_EXCEPTION(DbError, ds->post());
  QCOMPARE(ds->state(), Dataset::State::Edit);
  QCOMPARE(ds->value("letszam").toInt(), 5);
}

void TestDataset::refreshReturnsToTheSameRow() {
  auto ds = partners();
  ds->open();
  QVERIFY(ds->locate("nev", "Gamma Zrt."));
  other_.exec("insert into partner (nev) values ('Aaa Kft.')");
  ds->refresh();
  QCOMPARE(ds->recordCount(), 4);
  QCOMPARE(ds->text("nev"), QString("Gamma Zrt."));
  QCOMPARE(ds->currentRow(), 3);
}

void TestDataset::roundTripsPerStatement() {
  conn_.resetRoundTrips();
  conn_.exec("select 1");
  QCOMPARE(conn_.roundTrips(), 1);
  conn_.exec("select * from partner where nev = $1", {"Alfa Bt."});
  QCOMPARE(conn_.roundTrips(), 2);
  auto ds = partners();
  ds->open();
  QCOMPARE(conn_.roundTrips(), 3);
  ds->edit();
  ds->setValue("letszam", 7);
  ds->post();
  ds->remove();
  QCOMPARE(conn_.roundTrips(), 5);
}

void TestDataset::modelFollowsTheDataset() {
  auto ds = partners();
  DatasetModel model(*ds, {{"nev", "Név"}, {"datum_kelt", "Kelte"}, {"szerzodes", ""}});
  ds->open();
  QCOMPARE(model.rowCount(), 3);
  QCOMPARE(model.columnCount(), 3);
  QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Név"));
  QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("szerzodes"));
  QCOMPARE(model.index(0, 0).data().toString(), QString("Alfa Bt."));
  ds->append();
  QCOMPARE(model.rowCount(), 4);
  ds->setValue("nev", "Új partner");
  ds->setValue("datum_kelt", QDate(2013, 5, 7));
  QCOMPARE(model.index(3, 0).data().toString(), QString("Új partner"));  // shows what is typed
  ds->post();
  QCOMPARE(model.index(3, 1).data().toString(), QString("2013. 05. 07."));
  ds->remove();
  QCOMPARE(model.rowCount(), 3);
  ds->append();
  ds->cancel();
  QCOMPARE(model.rowCount(), 3);
  ds->close();
  QCOMPARE(model.rowCount(), 0);
}

void TestDataset::unreachableServerFailsQuickly() {
  Connection c;
  ConnectionParams p = db_->params();
  p.port = 1;  // nothing listens there
  try {
    c.open(p);
    QFAIL("connected to a closed port");
  } catch (const DbError& e) {
    QCOMPARE(e.kind(), DbError::Kind::Connection);
    QVERIFY(!e.message().isEmpty());
  }
  QVERIFY(!c.isOpen());
  QVERIFY_THROWS_EXCEPTION(DbError, c.exec("select 1"));
}

QTEST_GUILESS_MAIN(TestDataset)
#include "test_dataset.moc"
