#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "core/DM.h"
#include "kit/data/DbError.h"
#include "kit/forms/PagingBar.h"
#include "kit/widgets/DBGrid.h"
#include "maintenance/TFormAlairas.h"
#include "support/RecordingMessages.h"
#include "support/TestDataModule.h"
#include "support/Typing.h"

using kit::data::Dataset;
using maintenance::TFormAlairas;

namespace {
const QString kPending = QStringLiteral("Az adatok még szerkesztés alatt vannak. Először rögzítsük!");
}

// The signatory window driven with keys against a real database: the conventions of the
// one-list template (new, save, delete, undo, required fields, pending edits, search, paging)
// and the picking mode.
class TestAlairas : public QObject {
  Q_OBJECT

  TestDataModule module_;
  core::TDM* dm_ = nullptr;

  int count(const QString& sql, const QVariantList& params = {}) {
    return dm_->ZConnection.exec(sql, params).value(0, 0).toInt();
  }
  void addSignatories(int n) {
    dm_->ZConnection.exec(
        "insert into alairas (nev, beosztas) select 'Aláíró ' || lpad(i::text, 6, '0'), 'B-' || i "
        "from generate_series(1, $1) i",
        {n});
  }
  std::unique_ptr<TFormAlairas> open() {
    auto w = std::make_unique<TFormAlairas>(*dm_);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) qWarning("window not active");
    return w;
  }
  QLineEdit* field(TFormAlairas& w, const char* column) {
    return qobject_cast<QLineEdit*>(w.editPanel()->control(column));
  }
  void setRight(bool alairas) {
    dm_->ZConnection.exec("update kaq_user set u_alairas = $1 where felhasznalo = 'Teszt'", {alairas});
    dm_->ZQueryUser().close();
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    module_.start();
    dm_ = module_.dm.get();
    module_.runDeliveredScript("kaq_user.sql");
    module_.runDeliveredScript("alairas.sql");
    dm_->readCatalogue();
    dm_->ZConnection.exec(
        "insert into kaq_user (felhasznalo, jelszo, nev, superuser, u_alairas) values ('Teszt', 'x', 'Teszt "
        "Elek', "
        "false, true)");
    dm_->currentUser = "teszt";
    dm_->settings.limitNum = 50;
    dm_->settings.colorForm = core::DefaultColors::form;
    dm_->settings.colorPanel = core::DefaultColors::panel;
    dm_->settings.colorGrid = core::DefaultColors::grid;
    dm_->settings.colorGridTitle = core::DefaultColors::gridTitle;
    dm_->settings.colorDBNav = core::DefaultColors::dbNav;
  }
  void init() {
    dm_->ZConnection.exec("delete from alairas");
    dm_->settings.limit = false;
    setRight(true);
  }

  void insertAndSaveWithKeys();
  void deleteAsksFirst();
  void escapeReturnsUndoesThenCloses();
  void commandsDuringAnEditAreRefused();
  void rejectedSaveKeepsTheRow();
  void printNeedsRowsAndNoEdit();
  void searchAsYouType();
  void paging();
  void pagingSwitch();
  void openingCostsFixedRoundTrips();
  void pickingReturnsTheChosenRow();
  void pickingCancelledLeavesTheCaller();
  void rollDownNeedsTheRight();
  void signatoryAddedWhilePickingIsOffered();
  void screenshot();
};

void TestAlairas::insertAndSaveWithKeys() {
  RecordingMessages messages;
  auto w = open();
  QCOMPARE(w->windowTitle(), QString("Aláírások"));
  QVERIFY(!w->ButtonPost->isEnabled());
  QTest::keyClick(w->DBGrid, Qt::Key_Insert);
  QCOMPARE(w->query().state(), Dataset::State::Insert);
  QVERIFY(w->ButtonPost->isEnabled());
  QVERIFY(!w->ButtonNew->isEnabled());
  QCOMPARE(QApplication::focusWidget(), field(*w, "nev"));

  QTest::keyClick(field(*w, "nev"), Qt::Key_F2);  // empty name
  QCOMPARE(messages.texts(), QStringList{"A(z) Név nem maradhat üresen!"});
  QCOMPARE(messages.shown().last().title, QString("Figyelmeztetés a felhasználónak"));
  QCOMPARE(w->query().state(), Dataset::State::Insert);

  typeText(field(*w, "nev"), "Kovács Péter");
  QTest::keyClick(field(*w, "nev"), Qt::Key_Return);  // Enter moves to the next field
  QCOMPARE(QApplication::focusWidget(), field(*w, "beosztas"));
  typeText(field(*w, "beosztas"), "MV-123/2024");
  QTest::keyClick(field(*w, "beosztas"), Qt::Key_F2);
  QCOMPARE(w->query().state(), Dataset::State::Browse);
  QCOMPARE(QApplication::focusWidget(), w->DBGrid);
  QCOMPARE(count("select count(*) from alairas where nev = 'Kovács Péter' and beosztas = 'MV-123/2024' and "
                 "c_userid = 'teszt' and c_date is not null and m_userid is null"),
           1);
  QCOMPARE(w->Panel_SzuresSav->Label_maxlines->text(), QString("1"));

  // Enter in the list edits the row; the change stamps the m_ columns.
  QTest::keyClick(w->DBGrid, Qt::Key_Return);
  QCOMPARE(w->query().state(), Dataset::State::Edit);
  field(*w, "nev")->selectAll();
  typeText(field(*w, "nev"), "Kovács Péterné");
  QTest::keyClick(field(*w, "nev"), Qt::Key_F2);
  QCOMPARE(count("select count(*) from alairas where nev = 'Kovács Péterné' and m_userid = 'teszt'"), 1);
  QCOMPARE(messages.shown().size(), 1);
}

void TestAlairas::deleteAsksFirst() {
  addSignatories(2);
  RecordingMessages messages;
  auto w = open();
  messages.answer(false);
  QTest::keyClick(w->DBGrid, Qt::Key_Delete);
  QCOMPARE(messages.texts(), QStringList{"Végrehajtható a törlés?"});
  QVERIFY(messages.shown().last().question);
  QCOMPARE(count("select count(*) from alairas"), 2);
  messages.answer(true);
  QTest::keyClick(w->DBGrid, Qt::Key_Delete);
  QCOMPARE(count("select count(*) from alairas"), 1);
  QCOMPARE(w->query().recordCount(), 1);
  QCOMPARE(w->Panel_SzuresSav->Label_maxlines->text(), QString("1"));
}

void TestAlairas::escapeReturnsUndoesThenCloses() {
  addSignatories(1);
  auto w = open();
  QTest::keyClick(w->DBGrid, Qt::Key_Return);
  typeText(field(*w, "nev"), " módosítva");
  QTest::keyClick(field(*w, "nev"), Qt::Key_Escape);  // from an edit: back to the list, edit kept
  QCOMPARE(QApplication::focusWidget(), w->DBGrid);
  QCOMPARE(w->query().state(), Dataset::State::Edit);
  QVERIFY(w->isVisible());
  QTest::keyClick(w->DBGrid, Qt::Key_Escape);  // from the list: the edit is undone
  QCOMPARE(w->query().state(), Dataset::State::Browse);
  QCOMPARE(w->query().text("nev"), QString("Aláíró 000001"));
  QVERIFY(w->isVisible());
  QTest::keyClick(w->DBGrid, Qt::Key_Escape);  // then the window closes
  QVERIFY(!w->isVisible());
  QCOMPARE(count("select count(*) from alairas where nev like '%módosítva'"), 0);
}

void TestAlairas::commandsDuringAnEditAreRefused() {
  addSignatories(3);
  RecordingMessages messages;
  auto w = open();
  QTest::keyClick(w->DBGrid, Qt::Key_Return);
  field(*w, "nev")->end(false);
  typeText(field(*w, "nev"), "X");
  w->DBGrid->setFocus();
  for (auto command : {std::function<void()>([&] { QTest::keyClick(w->DBGrid, Qt::Key_Insert); }),
                       std::function<void()>([&] { QTest::keyClick(w->DBGrid, Qt::Key_Delete); }),
                       std::function<void()>([&] { QTest::keyClick(w->DBGrid, Qt::Key_Down); }),
                       std::function<void()>([&] { w->commandRefresh(); }),
                       std::function<void()>([&] { w->Panel_SzuresSav->goToPage(2); })}) {
    messages.clear();
    command();
    QCOMPARE(messages.texts(), QStringList{kPending});
    QCOMPARE(messages.shown().last().title, QString("Figyelmeztetés a felhasználónak!"));
    QCOMPARE(w->query().state(), Dataset::State::Edit);
    QCOMPARE(w->query().currentRow(), 0);
    QCOMPARE(w->query().text("nev"), QString("Aláíró 000001X"));
  }
}

void TestAlairas::rejectedSaveKeepsTheRow() {
  dm_->ZConnection.exec("alter table alairas add constraint alairas_tiltott check (nev <> 'Tiltott Név')");
  RecordingMessages messages;
  auto w = open();
  QTest::keyClick(w->DBGrid, Qt::Key_Insert);
  typeText(field(*w, "nev"), "Tiltott Név");
  QTest::keyClick(field(*w, "nev"), Qt::Key_F2);
  QCOMPARE(messages.shown().size(), 1);
  QVERIFY2(messages.texts().first().contains("alairas_tiltott"), qPrintable(messages.texts().first()));
  QCOMPARE(w->query().state(), Dataset::State::Insert);
  QCOMPARE(field(*w, "nev")->text(), QString("Tiltott Név"));
  dm_->ZConnection.exec("alter table alairas drop constraint alairas_tiltott");
  QTest::keyClick(field(*w, "nev"), Qt::Key_F2);
  QCOMPARE(count("select count(*) from alairas where nev = 'Tiltott Név'"), 1);

  // Text longer than its column cannot be typed.
  QCOMPARE(field(*w, "nev")->maxLength(), 100);
}

void TestAlairas::printNeedsRowsAndNoEdit() {
  RecordingMessages messages;
  auto w = open();
  int printed = 0;
  w->list().onPrint = [&] { ++printed; };
  QTest::keyClick(w->DBGrid, Qt::Key_F5);  // an empty list prints nothing
  QCOMPARE(printed, 0);
  addSignatories(1);
  w->commandRefresh();
  QTest::keyClick(w->DBGrid, Qt::Key_F5);
  QCOMPARE(printed, 1);
  QTest::keyClick(w->DBGrid, Qt::Key_Return);
  field(*w, "nev")->end(false);
  typeText(field(*w, "nev"), "x");
  w->DBGrid->setFocus();
  QTest::keyClick(w->DBGrid, Qt::Key_F5);  // nor over a pending edit
  QCOMPARE(printed, 1);
  QCOMPARE(messages.texts(), QStringList{kPending});
}

void TestAlairas::searchAsYouType() {
  dm_->ZConnection.exec("insert into alairas (nev) values ('Kiss Anna'), ('Kiss Péter'), ('Nagy Béla')");
  auto w = open();
  QVERIFY(w->PanelFind->isHidden());
  typeText(w->DBGrid, "k");  // a letter typed into the list opens the search field
  QVERIFY(w->PanelFind->isVisible());
  QCOMPARE(QApplication::focusWidget(), w->EditFind);
  QCOMPARE(w->EditFind->text(), QString("K"));
  typeText(w->EditFind, "iss p");
  QCOMPARE(w->EditFind->text(), QString("Kiss P"));
  QCOMPARE(w->query().text("nev"), QString("Kiss Péter"));
  w->EditFind->clear();
  typeText(w->EditFind, " nagy ");  // a surrounding blank: the trimmed name is searched
  QCOMPARE(w->query().text("nev"), QString("Nagy Béla"));
  QTest::keyClick(w->EditFind, Qt::Key_Escape);
  QVERIFY(w->PanelFind->isHidden());
}

void TestAlairas::paging() {
  addSignatories(120);
  auto w = open();
  auto* bar = w->Panel_SzuresSav;
  QCOMPARE(bar->Label_maxlines->text(), QString("120"));
  QCOMPARE(bar->Label_Of_Max->text(), QString("/ 3"));
  QCOMPARE(bar->Label_Of_No->text(), QString("1"));
  QCOMPARE(bar->Label_limit->text(), QString("50"));
  QCOMPARE(w->query().recordCount(), 50);
  QVERIFY(!bar->SpeedButton_Of_First->isEnabled());
  QVERIFY(!bar->SpeedButton_Of_Prior->isEnabled());
  QVERIFY(bar->SpeedButton_Of_Next->isEnabled());
  bar->SpeedButton_Of_Last->click();
  QCOMPARE(bar->Label_Of_No->text(), QString("3"));
  QCOMPARE(w->query().recordCount(), 20);
  QVERIFY(!bar->SpeedButton_Of_Next->isEnabled());
  QVERIFY(!bar->SpeedButton_Of_Last->isEnabled());
  QVERIFY(bar->SpeedButton_Of_Prior->isEnabled());
  // A name on another page is not found.
  typeText(w->DBGrid, "Aláíró 000010");
  QCOMPARE(w->query().text("nev"), QString("Aláíró 000101"));
  bar->SpeedButton_Of_Prior->click();
  QCOMPARE(w->query().text("nev"), QString("Aláíró 000051"));
}

void TestAlairas::pagingSwitch() {
  addSignatories(120);
  RecordingMessages messages;
  auto w = open();
  auto* bar = w->Panel_SzuresSav;
  messages.answer(false);
  bar->ButtonLimitOff->click();
  QCOMPARE(messages.shown().last().title, QString("Limit felügyelés"));
  QVERIFY(messages.texts().last().startsWith(
      "A sorlimit kikapcsolása a teljes tétellista megjelenítését eredményezi."));
  QCOMPARE(w->query().recordCount(), 50);
  messages.answer(true);
  bar->ButtonLimitOff->click();
  QCOMPARE(w->query().recordCount(), 120);
  QVERIFY(bar->ButtonLimitOff->isHidden());
  QVERIFY(bar->Panel_offset->isHidden());
  QVERIFY(!bar->ButtonLimitOn->isHidden());
  w->close();
  // The flag holds for the next window opened.
  auto next = open();
  QCOMPARE(next->query().recordCount(), 120);
  QVERIFY(next->Panel_SzuresSav->Panel_offset->isHidden());
  next->Panel_SzuresSav->ButtonLimitOn->click();
  QCOMPARE(next->query().recordCount(), 50);
  QVERIFY(!next->Panel_SzuresSav->Panel_offset->isHidden());
}

void TestAlairas::openingCostsFixedRoundTrips() {
  addSignatories(100000);
  dm_->ZQueryUser().close();
  dm_->ZConnection.resetRoundTrips();
  auto w = open();
  // The user row, the row count and one page.
  QCOMPARE(dm_->ZConnection.roundTrips(), 3);
  QCOMPARE(w->Panel_SzuresSav->Label_maxlines->text(), QString("100000"));
  QCOMPARE(w->query().recordCount(), 50);
}

void TestAlairas::pickingReturnsTheChosenRow() {
  dm_->ZConnection.exec(
      "insert into alairas (nev, beosztas) values ('Szabó Éva', 'Bizonyítvány 7'), ('Tóth Ádám', 'Vezető')");
  auto w = std::make_unique<TFormAlairas>(*dm_);
  w->setPickingMode(true);
  w->show();
  QVERIFY(w->PanelPick->isVisible());
  QVERIFY(w->editPanel()->isHidden());
  QVERIFY(w->DBNavPanel->isHidden());
  w->query().locate("nev", "Tóth Ádám");
  w->ButtonPick->click();
  QVERIFY(!w->cancelled());
  QCOMPARE(w->chosenName(), QString("Tóth Ádám"));
  QCOMPARE(w->chosenPosition(), QString("Vezető"));
  QCOMPARE(w->result(), int(QDialog::Accepted));
}

void TestAlairas::pickingCancelledLeavesTheCaller() {
  dm_->ZConnection.exec("insert into alairas (nev, beosztas) values ('Szabó Éva', 'Bizonyítvány 7')");
  QString callerName = "Előző vizsgáló";
  QTimer::singleShot(0, [] {
    auto* w = qobject_cast<TFormAlairas*>(QApplication::activeModalWidget());
    QVERIFY(w);
    w->ButtonExit->click();
  });
  const auto choice = maintenance::pickSignatory(*dm_);
  QVERIFY(choice.cancelled);
  if (!choice.cancelled) callerName = choice.name;
  QCOMPARE(callerName, QString("Előző vizsgáló"));

  QTimer::singleShot(0, [] {
    auto* w = qobject_cast<TFormAlairas*>(QApplication::activeModalWidget());
    QVERIFY(w);
    w->ButtonPick->click();
  });
  const auto picked = maintenance::pickSignatory(*dm_);
  QVERIFY(!picked.cancelled);
  QCOMPARE(picked.name, QString("Szabó Éva"));
  QCOMPARE(picked.position, QString("Bizonyítvány 7"));
}

void TestAlairas::rollDownNeedsTheRight() {
  setRight(false);
  auto w = std::make_unique<TFormAlairas>(*dm_);
  w->setPickingMode(true);
  w->show();
  w->ButtonRollDown->click();
  QVERIFY(w->editPanel()->isHidden());
  setRight(true);
  w->ButtonRollDown->click();
  QVERIFY(w->editPanel()->isVisible());
  QVERIFY(w->DBNavPanel->isVisible());
  w->ButtonRollUp->click();
  QVERIFY(w->editPanel()->isHidden());
}

void TestAlairas::signatoryAddedWhilePickingIsOffered() {
  auto w = std::make_unique<TFormAlairas>(*dm_);
  w->setPickingMode(true);
  w->show();
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w.get()));
  w->ButtonRollDown->click();
  w->ButtonNew->click();
  typeText(field(*w, "nev"), "Új Aláíró");
  typeText(field(*w, "beosztas"), "Munkavédelmi előadó");
  w->ButtonPost->click();
  QCOMPARE(w->query().recordCount(), 1);
  w->ButtonRollUp->click();
  w->ButtonPick->click();
  QCOMPARE(w->chosenName(), QString("Új Aláíró"));
  QCOMPARE(w->chosenPosition(), QString("Munkavédelmi előadó"));
}

// Writes the window's picture when VAREKO_SCREENS names a folder (for the documentation).
void TestAlairas::screenshot() {
  const QString folder = qEnvironmentVariable("VAREKO_SCREENS");
  if (folder.isEmpty()) QSKIP("VAREKO_SCREENS not set");
  dm_->ZConnection.exec(
      "insert into alairas (nev, beosztas) values ('Kovács Péter', 'MV-123/2024 munkavédelmi technikus'), "
      "('Szabó Éva', 'Munkavédelmi szakmérnök'), ('Tóth Ádám', 'Ügyvezető'), ('Nagy Béla', 'Üzemvezető'), "
      "('Kiss Anna', 'Foglalkozás-egészségügyi orvos'), ('Horváth Győző', 'Tűzvédelmi előadó')");
  auto w = open();
  w->resize(1100, 700);
  QTest::qWait(50);
  QVERIFY(w->grab().save(folder + "/TFormAlairas.png"));
}

QTEST_MAIN(TestAlairas)
#include "test_alairas.moc"
