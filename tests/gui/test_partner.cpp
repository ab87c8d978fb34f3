#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "kit/data/DbError.h"
#include "kit/forms/PageSwitcher.h"
#include "kit/forms/PagingBar.h"
#include "kit/report/TfrmNetScapePreview.h"
#include "kit/sys/Clock.h"
#include "kit/widgets/DBGrid.h"
#include "masterdata/PartnerRules.h"
#include "masterdata/TFormPartner.h"
#include "masterdata/TFormTeaor.h"
#include "support/ModalSteps.h"
#include "support/RecordingMessages.h"
#include "support/TestDataModule.h"
#include "support/Typing.h"

using kit::data::Dataset;
using masterdata::TFormPartner;

// The partner window against a real database: the seat rule and its protection, deleting with
// and without machines, the pending-edit rule across the three lists, sorting and paging, the
// activity-code picker, the due check, and the cost of opening.
class TestPartner : public QObject {
  Q_OBJECT

  TestDataModule module_;
  core::TDM* dm_ = nullptr;

  int count(const QString& sql) { return dm_->ZConnection.exec(sql).value(0, 0).toInt(); }
  QString text(const QString& sql) { return dm_->ZConnection.exec(sql).value(0, 0).toString(); }

  std::unique_ptr<TFormPartner> open() {
    auto w = std::make_unique<TFormPartner>(*dm_);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) qWarning("window not active");
    return w;
  }
  // A partner with its seat and a second site, as the window would have saved them.
  int addPartner(const QString& name, bool contracted = false) {
    const int key = dm_->ZConnection
                        .exec(
                            "insert into partner (nev, isz, telepules, cim, szerzodeses) values ($1, '6720', "
                            "'Szeged', 'Fő u. 1.', $2) returning partner_kod",
                            {name, contracted})
                        .value(0, 0)
                        .toInt();
    dm_->ZConnection.exec(
        "insert into telephely (telephely_pkod, nev, isz, telepules, cim) values ($1, $2, '6720', 'Szeged', "
        "'Fő u. "
        "1.'), ($1, 'Raktár', '6000', 'Kecskemét', 'Ipar u. 2.')",
        {key, name});
    return key;
  }
  void type(QWidget* control, const QString& value) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
      edit->setFocus();
      edit->selectAll();
      typeText(edit, value);
    }
  }
  QWidget* partnerField(TFormPartner& w, const char* column) {
    return w.partners().PanelAlap->control(column);
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    module_.start();
    dm_ = module_.dm.get();
    for (const char* script :
         {"kaq_user.sql", "partner.sql", "telephely.sql", "partner_kapcsolat.sql", "gep_munkaeszkoz.sql",
          "kockazat_ertekeles.sql", "fixdata_helyseg.sql", "fixdata_teaor.sql", "tulajdonos.sql"})
      module_.runDeliveredScript(script);
    dm_->readCatalogue();
    dm_->ZConnection.exec(
        "insert into kaq_user (felhasznalo, jelszo, nev, superuser) values ('teszt', 'x', 'Teszt Elek', "
        "true)");
    dm_->currentUser = "teszt";
    dm_->settings.limitNum = 50;
  }
  void init() {
    dm_->ZConnection.execScript(
        "delete from partner_kapcsolat; delete from telephely; delete from gep_munkaeszkoz; "
        "delete from kockazat_ertekeles; delete from partner");
    dm_->settings.limit = false;
  }

  void newPartnerCreatesItsSeat();
  void seatFollowsThePartner();
  void seatIsProtected();
  void deletingAPartner();
  void headCountCategoryStoresItsPosition();
  void pendingEditAcrossTheLists();
  void sortingKeepsThePaging();
  void activityPicker();
  void dueCheckResults_data();
  void dueCheckResults();
  void dueCheckOverTheList();
  void dueCheckError();
  void printPanel();
  void openingCostsFixedRoundTrips();
  void screens();
};

void TestPartner::newPartnerCreatesItsSeat() {
  RecordingMessages messages;
  int contextChanged = 0;
  auto w = open();
  w->workingContextChanged = [&] { ++contextChanged; };
  QCOMPARE(w->windowTitle(), QString("Partnerek felvétele"));
  QTest::keyClick(w->partners().DBGrid, Qt::Key_Insert);
  Dataset& p = w->partners().query();
  QCOMPARE(p.state(), Dataset::State::Insert);
  // The required fields, in their order.
  QVERIFY(!w->partners().commandPost());
  QCOMPARE(messages.texts().last(), QString("A(z) Partner neve nem maradhat üresen!"));
  p.setValue("nev", "O'Brien \"Mérnök\"; Kft.");
  QVERIFY(!w->partners().commandPost());
  QCOMPARE(messages.texts().last(), QString("A(z) isz nem maradhat üresen!"));
  const QVariantHash values = {
      {"isz", "6720"},           {"cim", "Kárász u. 5."},        {"telefon", "(62)123-45-67"},
      {"fax", "(62)123-45-68"},  {"email", "iroda@pelda.hu"},    {"orvos_nev", "Dr. Kovács Anna"},
      {"orvos_isz", "6000"},     {"orvos_cim", "Rákóczi út 3."}, {"orvos_pecsetszam", "12345"},
      {"teaor", "4321"},         {"letszamkategoria", "2"},      {"ktj", "KTJ-1"},
      {"mobil", "(30)111-22-33"}};
  for (auto it = values.begin(); it != values.end(); ++it) p.setValue(it.key(), it.value());
  QCOMPARE(p.text("telepules"), QString("Szeged"));  // paired with the postal code
  QCOMPARE(p.text("orvos_telepules"), QString("Kecskemét"));
  QVERIFY(w->partners().commandPost());
  const int key = count("select partner_kod from partner");
  QCOMPARE(count(QStringLiteral("select count(*) from telephely where telephely_pkod = %1").arg(key)), 1);
  // Every copied column of the seat equals the partner's; the name keeps its quotes.
  for (const QString& column : masterdata::seatColumns())
    QCOMPARE(text(QStringLiteral("select t.%1 from telephely t").arg(column)),
             text(QStringLiteral("select p.%1 from partner p").arg(column)));
  QCOMPARE(text("select nev from telephely"), QString("O'Brien \"Mérnök\"; Kft."));
  QCOMPARE(w->sites().query().recordCount(), 1);
  QVERIFY(contextChanged > 0);
  QVERIFY(!text("select c_userid from telephely").isEmpty());  // stamped
}

void TestPartner::seatFollowsThePartner() {
  RecordingMessages messages;
  const int key = addPartner("Alfa Kft.");
  auto w = open();
  Dataset& p = w->partners().query();
  p.edit();
  p.setValue("cim", "Új utca 9.");
  p.setValue("isz", "6000");
  QVERIFY(w->partners().commandPost());
  QCOMPARE(
      text(QStringLiteral("select cim || '/' || telepules from telephely where telephely_pkod = %1 order by "
                          "telephely_kod limit 1")
               .arg(key)),
      QString("Új utca 9./Kecskemét"));
  // The other site keeps its own address.
  QCOMPARE(text("select cim from telephely where nev = 'Raktár'"), QString("Ipar u. 2."));
  QVERIFY(messages.texts().isEmpty());
  // A cancelled edit refreshes the window and the working context as a save does.
  int refreshed = 0;
  w->workingContextChanged = [&] { ++refreshed; };
  p.edit();
  p.setValue("nev", "Más Kft.");
  QTest::keyClick(w->partners().DBGrid, Qt::Key_Escape);
  QCOMPARE(p.text("nev"), QString("Alfa Kft."));
  QCOMPARE(refreshed, 1);
  QVERIFY(w->isVisible());  // the first Esc only undid the edit
}

void TestPartner::seatIsProtected() {
  RecordingMessages messages;
  addPartner("Alfa Kft.");
  auto w = open();
  w->showPage(TFormPartner::SiteData);
  Dataset& s = w->sites().query();
  QCOMPARE(s.currentRow(), 0);
  // Typing into the seat's field is refused and leaves the row as it was.
  type(w->sites().PanelAlap->control("cim"), "Máshol 1.");
  QCOMPARE(messages.texts().value(0), QString("A székhely csak a Partnernál módosítható!"));
  QVERIFY(!s.isEditing());
  QCOMPARE(s.text("cim"), QString("Fő u. 1."));
  messages.clear();
  messages.answer(true);
  w->sites().commandDelete();
  QCOMPARE(messages.texts(), QStringList{"A székhely csak a Partnernál törölhető!"});  // not even asked
  QCOMPARE(count("select count(*) from telephely"), 2);
  // Its training date can still be set.
  w->openTrainingPanel();
  QVERIFY(w->PanelOktatas->isVisible());
  s.edit();
  s.setValue("datum_moktdat", QDate(2026, 3, 4));
  w->findChild<QPushButton*>("ButtonOktatasPost")->click();
  QVERIFY(!w->PanelOktatas->isVisible());
  QCOMPARE(text("select datum_moktdat from telephely where nev = 'Alfa Kft.'"), QString("2026-03-04"));
  // Another site can be changed and deleted.
  messages.clear();
  s.moveTo(1);
  type(w->sites().PanelAlap->control("cim"), "Raktár u. 7.");
  QVERIFY(w->sites().commandPost());
  QCOMPARE(text("select cim from telephely where nev = 'Raktár'"), QString("Raktár u. 7."));
  s.locate("nev", "Raktár");
  messages.answer(true);
  w->sites().commandDelete();
  QCOMPARE(messages.texts(), QStringList{"Végrehajtható a törlés?"});
  QCOMPARE(count("select count(*) from telephely"), 1);
}

void TestPartner::deletingAPartner() {
  RecordingMessages messages;
  const int withMachine = addPartner("Alfa Kft.");
  const int without = addPartner("Béta Zrt.");
  for (int key : {withMachine, without})
    dm_->ZConnection.exec(
        "insert into partner_kapcsolat (partner_kapcsolat_pkod, nev) values ($1, 'Kiss Béla')", {key});
  dm_->ZConnection.exec("insert into gep_munkaeszkoz (gep_munkaeszkoz_pkod, nev) values ($1, 'Daru')",
                        {withMachine});
  dm_->ZConnection.exec("update kaq_user set partner_kod = $1, telephely_kod = 1", {without});
  auto w = open();
  Dataset& p = w->partners().query();
  QVERIFY(p.locate("nev", "Alfa Kft."));
  messages.answer(true);
  w->partners().commandDelete();
  QCOMPARE(messages.texts(), QStringList{"Tartoznak még gépek a partnerhez!"});  // not asked
  QCOMPARE(count(QStringLiteral("select count(*) from telephely where telephely_pkod = %1").arg(withMachine)),
           2);
  QCOMPARE(count("select count(*) from partner_kapcsolat"), 2);

  messages.clear();
  QVERIFY(p.locate("nev", "Béta Zrt."));
  messages.answer(true);
  w->partners().commandDelete();
  QCOMPARE(messages.texts(), QStringList{"Végrehajtható a törlés?"});
  QCOMPARE(count(QStringLiteral("select count(*) from partner where partner_kod = %1").arg(without)), 0);
  QCOMPARE(count(QStringLiteral("select count(*) from telephely where telephely_pkod = %1").arg(without)), 0);
  QCOMPARE(count("select count(*) from partner_kapcsolat"), 1);
  // The user who worked on it has no context left pointing at it.
  QCOMPARE(count("select count(*) from kaq_user where partner_kod is null and telephely_kod is null"), 1);
  QCOMPARE(p.recordCount(), 1);
}

void TestPartner::headCountCategoryStoresItsPosition() {
  RecordingMessages messages;
  addPartner("Alfa Kft.");
  auto w = open();
  auto* combo = qobject_cast<QComboBox*>(partnerField(*w, "letszamkategoria"));
  QVERIFY(combo);
  QCOMPARE(combo->count(), 7);
  combo->setCurrentIndex(combo->findText("9 - A munkavállalók száma ismeretlen"));
  emit combo->activated(combo->currentIndex());  // as a choice of the user
  QVERIFY(w->partners().commandPost());
  QCOMPARE(text("select letszamkategoria from partner"), QString("6"));
  QCOMPARE(text("select letszamkategoria from telephely order by telephely_kod limit 1"), QString("6"));
  // A stored value that is not a number leaves the list without a selection.
  dm_->ZConnection.exec("update partner set letszamkategoria = 'x'");
  w->refreshAll();
  QCOMPARE(combo->currentIndex(), -1);
}

void TestPartner::pendingEditAcrossTheLists() {
  RecordingMessages messages;
  addPartner("Alfa Kft.");
  addPartner("Béta Zrt.");
  auto w = open();
  Dataset& p = w->partners().query();
  Dataset& s = w->sites().query();
  w->showPage(TFormPartner::SiteData);
  s.moveTo(1);
  type(w->sites().PanelAlap->control("kapcsolat"), "Nagy Éva");
  QVERIFY(s.isEditing());
  const QString refusal = "Az adatok még szerkesztés alatt vannak. Először rögzítsük!";
  // New, edit and delete of the partner and of the contacts, and moving to another partner.
  w->partners().commandNew();
  w->partners().commandDelete();
  w->contacts().commandNew();
  QVERIFY_THROWS_EXCEPTION(kit::data::DbError, p.edit());
  QVERIFY_THROWS_EXCEPTION(kit::data::DbError, p.next());
  QCOMPARE(messages.texts(), (QStringList{refusal, refusal, refusal}));
  QVERIFY(!p.isEditing());
  QCOMPARE(p.text("nev"), QString("Alfa Kft."));
  QCOMPARE(s.text("kapcsolat"), QString("Nagy Éva"));  // nothing typed is lost
  QVERIFY(w->sites().commandPost());
  QCOMPARE(text("select kapcsolat from telephely where nev = 'Raktár' order by telephely_kod limit 1"),
           QString("Nagy Éva"));
  p.next();
  QCOMPARE(s.recordCount(), 2);
  QCOMPARE(s.text("nev"), QString("Béta Zrt."));  // the sites follow the partner
}

void TestPartner::sortingKeepsThePaging() {
  RecordingMessages messages;
  dm_->ZConnection.exec(
      "insert into partner (nev, szerzodeses) select 'Partner ' || lpad(i::text, 3, '0'), i % 2 = 0 from "
      "generate_series(1, 120) i");
  auto w = open();
  kit::forms::PagingBar* paging = w->partners().Panel_SzuresSav;
  QCOMPARE(paging->total(), 120);
  QCOMPARE(paging->pageCount(), 3);
  w->sortBy(TFormPartner::Order::ByNumber);
  QCOMPARE(paging->total(), 120);
  QCOMPARE(paging->pageCount(), 3);
  QCOMPARE(paging->Label_maxlines->text(), QString("120"));
  QCOMPARE(w->partners().query().recordCount(), 50);
  paging->goToPage(3);
  QCOMPARE(w->partners().query().recordCount(), 20);
  w->sortBy(TFormPartner::Order::Contracted);
  QCOMPARE(paging->total(), 60);
  QCOMPARE(paging->pageCount(), 2);
  QCOMPARE(w->partners().query().text("nev"), QString("Partner 002"));
}

void TestPartner::activityPicker() {
  RecordingMessages messages;
  addPartner("Alfa Kft.");
  dm_->ZConnection.exec("update partner set teaor = '0111'");
  auto w = open();
  Dataset& p = w->partners().query();
  // Left without a choice: the code stays.
  ModalSteps steps;
  steps.then("TFormTeaor", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
  w->pickActivity(w->partners());
  QVERIFY(steps.done());
  QVERIFY(!p.isEditing());
  QCOMPARE(p.text("teaor"), QString("0111"));
  // A class chosen is written, cut to the column; leaving the next time writes it again.
  steps.then("TFormTeaor", [](QWidget* d) {
    auto* picker = qobject_cast<masterdata::TFormTeaor*>(d);
    picker->EditSearch->setText("4321");
    picker->ButtonSearch->click();
    picker->ButtonSelect->click();
  });
  w->pickActivity(w->partners());
  QCOMPARE(p.text("teaor"), QString("4321"));
  p.cancel();
  steps.then("TFormTeaor", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
  w->pickActivity(w->partners());
  QCOMPARE(p.text("teaor"), QString("4321"));
  QVERIFY(p.isEditing());
}

void TestPartner::dueCheckResults_data() {
  using masterdata::SiteDue;
  QTest::addColumn<QList<SiteDue>>("sites");
  QTest::addColumn<QDate>("today");
  QTest::addColumn<QString>("result");
  const QDate june(2026, 6, 15);
  const SiteDue nextMonth{false, "Központ", true, QDate(2026, 7, 10)};
  const SiteDue lastMonth{false, "Raktár", true, QDate(2026, 5, 2)};
  QTest::newRow("due next month") << QList{nextMonth} << june << "K: 2026. 07. 10.";
  QTest::newRow("due last month") << QList{lastMonth} << june << "E: 2026. 05. 02.";
  QTest::newRow("due this month") << QList{SiteDue{false, "A", true, QDate(2026, 6, 30)}} << june
                                  << "E: 2026. 06. 30.";
  QTest::newRow("later") << QList{SiteDue{false, "A", true, QDate(2026, 9, 1)}} << june << "";
  QTest::newRow("overdue wins over next month") << QList{nextMonth, lastMonth} << june << "E: 2026. 05. 02.";
  QTest::newRow("check switched off")
      << QList{nextMonth, SiteDue{true, "Ki", false, {}}} << june << "K: 2026. 07. 10.";
  QTest::newRow("no evaluation") << QList{SiteDue{false, "A", false, {}}} << june << "Nincsen";
  QTest::newRow("no site name") << QList{SiteDue{false, "", true, QDate(2026, 7, 1)}} << june << "Nincsen";
  QTest::newRow("no next date") << QList{SiteDue{false, "A", true, {}}} << june << "-";
  QTest::newRow("December to January")
      << QList{SiteDue{false, "A", true, QDate(2027, 1, 20)}} << QDate(2026, 12, 11) << "K: 2027. 01. 20.";
  QTest::newRow("no sites") << QList<SiteDue>{} << june << "";
}

void TestPartner::dueCheckResults() {
  QFETCH(QList<masterdata::SiteDue>, sites);
  QFETCH(QDate, today);
  QFETCH(QString, result);
  QCOMPARE(masterdata::dueCheckResult(sites, today), result);
}

void TestPartner::dueCheckOverTheList() {
  RecordingMessages messages;
  for (int i = 1; i <= 30; ++i) addPartner(QStringLiteral("Partner %1").arg(i, 2, 10, QLatin1Char('0')));
  // Two evaluations of every seat: the newer one decides.
  dm_->ZConnection.exec(
      "insert into kockazat_ertekeles (kockazat_ertekeles_pkod, kockazat_ertekeles_tkod, nev, datum_keltido, "
      "datum_kovetkezoido) select t.telephely_pkod, t.telephely_kod, 'É', d.kelt, d.kov from telephely t, "
      "(values (date '2020-01-01', date '2021-01-01'), (date '2026-01-01', current_date + 400)) d(kelt, kov) "
      "where t.nev <> 'Raktár'");
  dm_->ZConnection.exec("update telephely set ellenorzes = true where nev = 'Raktár'");
  dm_->ZConnection.exec(
      "update telephely set ellenorzes = false where nev = 'Raktár' and telephely_pkod = (select partner_kod "
      "from "
      "partner where nev = 'Partner 01')");
  auto w = open();
  dm_->ZConnection.resetRoundTrips();
  w->runDueCheck();
  // Two reads for all the sites and evaluations, one write, and the list read again (its page
  // and its row count).
  QCOMPARE(dm_->ZConnection.roundTrips(), 5);
  QCOMPARE(text("select check_kockazat from partner where nev = 'Partner 01'"), QString("Nincsen"));
  QCOMPARE(text("select m_userid from partner where nev = 'Partner 01'"), QString("teszt"));
  QCOMPARE(count("select count(*) from partner where coalesce(check_kockazat, '') = ''"), 29);
  QCOMPARE(w->partners().query().text("check_kockazat"), QString("Nincsen"));  // the list shows it
  // Due next month: the text is cut to its column, as a save cuts it.
  dm_->ZConnection.exec(
      "update kockazat_ertekeles set datum_kovetkezoido = date '2027-01-20' where datum_keltido = "
      "'2026-01-01'");
  kit::sys::Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
  w->runDueCheck();
  kit::sys::Clock::setFixed(std::nullopt);
  QCOMPARE(text("select check_kockazat from partner where nev = 'Partner 02'"), QString("K: 2027. 01. 20"));
  // A second run over the same data writes nothing.
  kit::sys::Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
  dm_->ZConnection.resetRoundTrips();
  w->runDueCheck();
  kit::sys::Clock::setFixed(std::nullopt);
  QCOMPARE(dm_->ZConnection.roundTrips(), 2);
  QVERIFY(messages.texts().isEmpty());
}

void TestPartner::dueCheckError() {
  RecordingMessages messages;
  addPartner("Alfa Kft.");
  auto w = open();
  dm_->ZConnection.exec("alter table kockazat_ertekeles rename to kockazat_ertekeles_el");
  w->runDueCheck();
  dm_->ZConnection.exec("alter table kockazat_ertekeles_el rename to kockazat_ertekeles");
  QCOMPARE(messages.texts(), QStringList{"Hiba az adatokban! Az ellenőrzés befejeződik!"});
  QVERIFY(!w->PanelCheck->isVisible());
  QVERIFY(!w->partners().query().isEditing());
  QCOMPARE(count("select count(*) from partner where check_kockazat is not null"), 0);
}

void TestPartner::printPanel() {
  RecordingMessages messages;
  addPartner("Alfa Kft.");
  auto w = open();
  w->partners().commandPrint();
  QVERIFY(w->PanelPrint->isVisible());
  // Nothing is printed over a pending edit.
  w->partners().query().edit();
  QVERIFY(!w->print());
  QCOMPARE(messages.texts(), QStringList{"Az adatok még szerkesztés alatt vannak. Először rögzítsük!"});
  w->partners().query().cancel();
  // No site due for training: the message instead of a document.
  messages.clear();
  w->RadioTraining->setChecked(true);
  QVERIFY(!w->print());
  QCOMPARE(messages.texts(), QStringList{"Nincsen a lekérdezésnek megfelelő Telephely!"});
  // The documents open in the preview.
  for (QRadioButton* choice : {w->RadioPartnerData, w->RadioPartnerList, w->RadioGdpr}) {
    choice->setChecked(true);
    ModalSteps steps;
    int pages = 0;
    steps.then("TfrmNetScapePreview", [&](QWidget* d) {
      pages = qobject_cast<kit::report::TfrmNetScapePreview*>(d)->document().pageCount();
      QTest::keyClick(d, Qt::Key_Escape);
    });
    QVERIFY(w->print());
    QVERIFY(steps.done());
    QCOMPARE(pages, 1);
  }
}

void TestPartner::openingCostsFixedRoundTrips() {
  dm_->ZConnection.exec(
      "insert into partner (nev) select 'Partner ' || lpad(i::text, 5, '0') from generate_series(1, 10000) "
      "i");
  dm_->ZConnection.resetRoundTrips();
  auto w = open();
  // The partner count and page, the sites and the contacts of the first partner.
  QCOMPARE(dm_->ZConnection.roundTrips(), 4);
  QCOMPARE(w->partners().query().recordCount(), 50);
}

// Pictures of every page of the window, when VAREKO_SCREENS names a folder.
void TestPartner::screens() {
  const QString folder = qEnvironmentVariable("VAREKO_SCREENS");
  if (folder.isEmpty()) QSKIP("VAREKO_SCREENS is not set");
  dm_->ZConnection.exec("delete from partner");
  for (const char* name : {"Alfa Gépgyártó Kft.", "Béta Építő Zrt.", "Gamma Szolgáltató Bt."})
    addPartner(QString::fromUtf8(name), name[0] == 'B');
  dm_->ZConnection.exec(
      "update partner set email = 'info@alfa.hu', telefon = '(62)123-45-67', vezeto = 'Kiss János', "
      "vezetomegsz = 'Tisztelt Ügyvezető Úr!', besorolas = 'Kft.', letszamkategoria = '2', teaor = '2811', "
      "orvos_nev = 'Dr. Nagy Éva', adoszam = '12345678-2-06', feljegyzes = 'Éves szerződés, negyedéves "
      "bejárással.', check_kockazat = 'K: 2027. 01. 20'");
  dm_->ZConnection.exec(
      "insert into partner_kapcsolat (partner_kapcsolat_pkod, nev, beosztas, telefon, email, kfelelos) "
      "select "
      "partner_kod, 'Tóth Anna', 'munkavédelmi vezető', '(62)555-12-34', 'toth.anna@alfa.hu', true from "
      "partner");
  dm_->settings.colorForm = core::DefaultColors::form;
  dm_->settings.colorPanel = core::DefaultColors::panel;
  dm_->settings.colorGrid = core::DefaultColors::grid;
  dm_->settings.colorGridTitle = core::DefaultColors::gridTitle;
  dm_->settings.colorDBNav = core::DefaultColors::dbNav;
  auto w = open();
  for (int page = 0; page < w->PageControl->pageCount(); ++page) {
    w->showPage(page);
    QTest::qWait(30);
    QVERIFY(w->grab().save(QStringLiteral("%1/TFormPartner-%2.png").arg(folder).arg(page + 1)));
  }
  dm_->settings = core::Settings{};
  dm_->settings.limitNum = 50;
}

QTEST_MAIN(TestPartner)
#include "test_partner.moc"
