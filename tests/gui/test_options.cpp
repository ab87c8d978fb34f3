#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "core/DM.h"
#include "core/SettingsFile.h"
#include "core/TFormOptions.h"
#include "kit/data/DbError.h"
#include "kit/forms/FormEnvironment.h"
#include "kit/sys/Printers.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/DataControls.h"
#include "support/RecordingMessages.h"
#include "support/TestDataModule.h"
#include "support/Typing.h"

using core::Settings;
using core::TFormOptions;
using kit::data::Dataset;

namespace {

// Colours of the workstation before the dialog opens: none of them a default.
constexpr int kForm = 0x00102030;
constexpr int kPanel = 0x00405060;
constexpr int kGrid = 0x00708090;
constexpr int kGridTitle = 0x00A0B0C0;
constexpr int kDBNav = 0x00D0E0F0;

Settings workstation() {
  Settings s;
  s.colorForm = kForm;
  s.colorPanel = kPanel;
  s.colorGrid = kGrid;
  s.colorGridTitle = kGridTitle;
  s.colorDBNav = kDBNav;
  s.picture = "0";
  s.limitNum = 40;
  s.limit = false;
  s.printer = "Irodai lézer";
  s.printPerPage = "Nem";
  s.lastUser = "teszt";
  s.host = "db.ceg.local";
  s.port = "5432";
  s.protocol = "postgresql-8";
  s.database = "vareko";
  s.user = "vareko";
  s.password = "titok";
  return s;
}

}  // namespace

// The options dialog against a real database (the users and the signatories) and a program
// folder of its own, where the settings file is written and read back.
class TestOptions : public QObject {
  Q_OBJECT

  TestDataModule module_;
  core::TDM* dm_ = nullptr;
  std::unique_ptr<QTemporaryDir> folder_;

  std::unique_ptr<TFormOptions> open() {
    auto w = std::make_unique<TFormOptions>(*dm_);
    w->show();
    return w;
  }
  QString iniPath() const { return folder_->filePath("vareko.ini"); }
  Settings written() {
    Settings s;
    if (!core::SettingsFile::read(s, iniPath())) qWarning("settings file missing or incomplete");
    return s;
  }
  QVariant userValue(const QString& column, const QString& user = "Teszt") {
    return dm_->ZConnection.exec("select " + column + " from kaq_user where felhasznalo = $1", {user})
        .value(0, 0);
  }
  static QColor windowColor(QWidget* w) { return w->palette().color(QPalette::Window); }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    module_.start();
    dm_ = module_.dm.get();
    module_.runDeliveredScript("kaq_user.sql");
    module_.runDeliveredScript("alairas.sql");
    dm_->readCatalogue();
    dm_->ZConnection.exec(
        "insert into alairas (nev, beosztas) values ('Szabó Éva', 'Munkavédelmi szakmérnök'), "
        "('Kovács Péter', 'MV-123/2024'), ('Ábrahám Anna', 'Ügyvezető'), ('Tiltott Tamás', '-')");
  }
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    qputenv("VAREKO_HOME", folder_->path().toUtf8());
    kit::sys::Printers::replaceInstalled(
        QStringList{"Irodai lézer", "Raktári mátrix", "Vareko PDF nyomtató"});
    // Another user's row comes first, with every print option set the other way.
    dm_->ZConnection.exec("delete from kaq_user");
    dm_->ZConnection.exec(
        "insert into kaq_user (felhasznalo, jelszo, nev, superuser, alairas_nev, o_alairas, o_ommfkod) "
        "values "
        "('Masik', 'x', 'Másik Mária', false, 'Szabó Éva', true, true), "
        "('Teszt', 'x', 'Teszt Elek', false, 'Kovács Péter', false, null)");
    dm_->ZQueryUser().close();
    dm_->currentUser = "teszt";
    dm_->settings = workstation();
  }
  void cleanup() {
    qunsetenv("VAREKO_HOME");
    kit::sys::Printers::replaceInstalled(std::nullopt);
  }

  void opensOnTheFirstPageFilledFromTheSettings();
  void treeBringsEachPageToTheFront();
  void printPerPageBox_data();
  void printPerPageBox();
  void localhostBox_data();
  void localhostBox();
  void saveIsEnabledByAnyChange_data();
  void saveIsEnabledByAnyChange();
  void savingWritesTheOptions();
  void networkAndLimitAreNotTakenOver();
  void defaultColorsStayInMemoryUnlessSaved_data();
  void defaultColorsStayInMemoryUnlessSaved();
  void userRowIsSavedWithStamps();
  void refusedUserRowKeepsTheDialogOpen();
  void f2WritesWithoutPostingTheUserRow();
  void leavingCancelsThePendingUserRow_data();
  void leavingCancelsThePendingUserRow();
  void pictureAndPagingApplyAtOnce();
  void helpButtonAsksForItsTopic();
  void withoutAUserRowItsControlsAreOff();
  void unwritableSettingsFileKeepsTheDialogOpen();
  void screenshot();
};

void TestOptions::opensOnTheFirstPageFilledFromTheSettings() {
  RecordingMessages messages;
  dm_->settings.picture = "1";
  dm_->settings.limit = true;
  dm_->settings.geporvos = true;
  dm_->settings.orvos = true;
  auto w = open();
  QCOMPARE(w->windowTitle(), QString("Beállítások"));
  QCOMPARE(w->currentPage(), 0);
  QVERIFY(!w->ButtonSave->isEnabled());
  QCOMPARE(w->ButtonSave->text(), QString("Beállítások mentése <F2>"));
  QCOMPARE(w->ButtonExit->text(), QString("Kilépés <Esc>"));

  QVERIFY(w->CheckBoxPicture->isChecked());
  QVERIFY(!w->CheckBoxLimit->isChecked());  // paging is off
  QCOMPARE(w->EditLimitNum->text(), QString("40"));
  QVERIFY(w->EditLimitNum->isReadOnly());
  QCOMPARE(w->ComboBoxPrinter->count(), 3);
  QCOMPARE(w->ComboBoxPrinter->currentText(), QString("Irodai lézer"));
  QVERIFY(w->CheckBoxGeporvos->isChecked());
  QVERIFY(w->CheckBoxOrvos->isChecked());
  QVERIFY(!w->CheckBoxLogo->isChecked());
  QVERIFY(!w->CheckBoxMH->isChecked());
  const std::pair<core::ColorSwatch*, int> swatches[] = {{w->ShapeForm, kForm},
                                                         {w->ShapePanel, kPanel},
                                                         {w->ShapeGrid, kGrid},
                                                         {w->ShapeGridTitle, kGridTitle},
                                                         {w->ShapeDBNav, kDBNav}};
  for (const auto& [swatch, value] : swatches) {
    QCOMPARE(swatch->value(), value);
    QCOMPARE(windowColor(swatch), kit::ui::fromSettingsColor(value));
    QCOMPARE(swatch->caption()->text(), QString("dupla kattintás"));
  }
  // The window, the pages and the command bar in the settings' colours.
  QCOMPARE(windowColor(w.get()), kit::ui::fromSettingsColor(kForm));
  QCOMPARE(windowColor(w->Pages->currentWidget()), kit::ui::fromSettingsColor(kPanel));
  QCOMPARE(windowColor(w->PanelCommand), kit::ui::fromSettingsColor(kDBNav));

  // The current user's row (the login name in another case), not the first row.
  QVERIFY(w->hasUserRow());
  QCOMPARE(w->userQuery().text("felhasznalo"), QString("Teszt"));
  QCOMPARE(w->userQuery().fieldCount(),
           dm_->ZConnection.exec("select * from kaq_user limit 0").columnCount());
  QCOMPARE(w->ComboBoxAlairas->currentText(), QString("Kovács Péter"));
  QCOMPARE(w->ComboBoxAlairas->count(), 4);
  QCOMPARE(w->ComboBoxAlairas->itemText(0), QString("Ábrahám Anna"));
  QVERIFY(!w->CheckBoxOAlairas->isChecked());
  QVERIFY(!w->CheckBoxOmmfkod->isChecked());
  QVERIFY(w->CheckBoxOAlairas->isEnabled());
  QCOMPARE(w->userQuery().state(), Dataset::State::Browse);
  QVERIFY(messages.shown().isEmpty());
}

void TestOptions::treeBringsEachPageToTheFront() {
  auto w = open();
  const QStringList nodes{"Általános",      "Hálózat",         "Nyomtató",    "Színek",
                          "Egyedi igények", "Kockázatelemzés", "Munkabaleset"};
  QCOMPARE(w->TreeView->topLevelItemCount(), nodes.size());
  // Each node shows the page holding its own controls.
  QWidget* const owners[] = {w->CheckBoxPicture, w->EditHost,           w->ComboBoxPrinter, w->ShapeForm,
                             w->CheckBoxLogo,    w->CheckBoxFelmerolap, w->CheckBoxOmmfkod};
  for (int i = nodes.size() - 1; i >= 0; --i) {
    QTreeWidgetItem* item = w->TreeView->topLevelItem(i);
    QCOMPARE(item->text(0), nodes[i]);
    const QRect rect = w->TreeView->visualItemRect(item);
    QTest::mouseClick(w->TreeView->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(w->currentPage(), i);
    QVERIFY(w->Pages->currentWidget()->isAncestorOf(owners[i]));
    QVERIFY(owners[i]->isVisible());
  }
  // Reopened, the dialog starts on the first page again.
  w->reject();
  w->show();
  QCOMPARE(w->currentPage(), 0);
}

void TestOptions::printPerPageBox_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<bool>("checked");
  QTest::addColumn<QString>("expected");
  QTest::newRow("Nem") << "Nem" << false << "Nem";
  QTest::newRow("NEM") << "NEM" << false << "Nem";
  QTest::newRow("nem") << "nem" << false << "Nem";
  QTest::newRow("Igen") << "Igen" << true << "Igen";
  QTest::newRow("anything else") << "x" << true << "Igen";
  QTest::newRow("empty") << "" << true << "Igen";
}

void TestOptions::printPerPageBox() {
  QFETCH(QString, stored);
  QFETCH(bool, checked);
  QFETCH(QString, expected);
  dm_->settings.printPerPage = stored;
  auto w = open();
  QCOMPARE(w->CheckBoxPrintPerPage->isChecked(), checked);
  QCOMPARE(w->CheckBoxPrintPerPage->text(), QString("HP Laser Jet 1000 series nyomtató Windows 98 "
                                                    "operációs\nesetén (laponkénti nyomtatás beállítása)"));
  QVERIFY(w->takeOverAndWrite());
  QCOMPARE(dm_->settings.printPerPage, expected);
  QCOMPARE(written().printPerPage, expected);
}

void TestOptions::localhostBox_data() {
  QTest::addColumn<QString>("host");
  QTest::addColumn<bool>("checked");
  QTest::newRow("localhost") << "localhost" << true;
  QTest::newRow("upper case") << "LocalHost" << true;
  QTest::newRow("loopback address") << "127.0.0.1" << true;
  QTest::newRow("server name") << "db.ceg.local" << false;
  QTest::newRow("other address") << "192.168.1.10" << false;
  QTest::newRow("empty") << "" << false;
}

void TestOptions::localhostBox() {
  QFETCH(QString, host);
  QFETCH(bool, checked);
  dm_->settings.host = host;
  auto w = open();
  QCOMPARE(w->EditHost->text(), host);
  QCOMPARE(w->CheckBoxLocalhost->isChecked(), checked);
}

void TestOptions::saveIsEnabledByAnyChange_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("page");
  for (const char* box : {"CheckBoxPicture", "CheckBoxLimit"}) QTest::newRow(box) << box << 0;
  QTest::newRow("ComboBoxAlairas") << "ComboBoxAlairas" << 0;
  QTest::newRow("ComboBoxPrinter") << "ComboBoxPrinter" << 2;
  QTest::newRow("CheckBoxPrintPerPage") << "CheckBoxPrintPerPage" << 2;
  QTest::newRow("ShapeDBNav") << "ShapeDBNav" << 3;
  QTest::newRow("ButtonDefaultColors") << "ButtonDefaultColors" << 3;
  for (const char* box : {"CheckBoxGeporvos", "CheckBoxLogo", "CheckBoxAdoszam", "CheckBoxMH"})
    QTest::newRow(box) << box << 4;
  for (const char* box : {"CheckBoxFelmerolap", "CheckBoxOrvos", "CheckBoxOAlairas"})
    QTest::newRow(box) << box << 5;
  QTest::newRow("CheckBoxOmmfkod") << "CheckBoxOmmfkod" << 6;
}

void TestOptions::saveIsEnabledByAnyChange() {
  QFETCH(QString, control);
  QFETCH(int, page);
  auto w = open();
  w->pickColor = [](const QColor&) { return QColor(Qt::red); };
  w->showPage(page);
  QWidget* target = w->findChild<QWidget*>(control);
  QVERIFY(target);
  QVERIFY(target->isVisible());
  QVERIFY(!w->ButtonSave->isEnabled());
  if (auto* combo = qobject_cast<QComboBox*>(target))
    QTest::keyClick(combo, Qt::Key_Down);
  else if (auto* swatch = qobject_cast<core::ColorSwatch*>(target))
    QTest::mouseDClick(swatch, Qt::LeftButton);
  else
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
  QVERIFY(w->ButtonSave->isEnabled());
}

void TestOptions::savingWritesTheOptions() {
  auto w = open();
  QColor asked;
  w->pickColor = [&](const QColor& current) {
    asked = current;
    return QColor(0x12, 0x34, 0x56);
  };
  w->CheckBoxPicture->click();
  w->showPage(2);
  QTest::keyClick(w->ComboBoxPrinter, Qt::Key_Down);
  QCOMPARE(w->ComboBoxPrinter->currentText(), QString("Raktári mátrix"));
  w->CheckBoxPrintPerPage->click();
  w->showPage(3);
  QTest::mouseDClick(w->ShapeGrid, Qt::LeftButton);
  QCOMPARE(asked, kit::ui::fromSettingsColor(kGrid));
  QCOMPARE(w->ShapeGrid->value(), 0x00563412);
  QCOMPARE(windowColor(w->ShapeGrid), QColor(0x12, 0x34, 0x56));
  // A cancelled colour dialog changes nothing.
  w->pickColor = [](const QColor&) { return QColor(); };
  QTest::mouseDClick(w->ShapeForm, Qt::LeftButton);
  QCOMPARE(w->ShapeForm->value(), kForm);
  for (QCheckBox* box : {w->CheckBoxGeporvos, w->CheckBoxMH, w->CheckBoxOrvos}) box->click();
  w->ButtonSave->click();
  QVERIFY(!w->isVisible());

  const Settings s = written();
  QCOMPARE(s.colorForm, kForm);
  QCOMPARE(s.colorPanel, kPanel);
  QCOMPARE(s.colorGrid, 0x00563412);
  QCOMPARE(s.colorGridTitle, kGridTitle);
  QCOMPARE(s.colorDBNav, kDBNav);
  QCOMPARE(s.picture, QString("1"));
  QCOMPARE(s.printer, QString("Raktári mátrix"));
  QCOMPARE(s.printPerPage, QString("Igen"));
  QVERIFY(s.geporvos && s.mh && s.orvos);
  QVERIFY(!s.logo && !s.adoszam && !s.felmerolap);
  QCOMPARE(s.lastUser, QString("teszt"));
  // The settings in memory are the ones written.
  QCOMPARE(dm_->settings.colorGrid, 0x00563412);
  QCOMPARE(dm_->settings.printer, QString("Raktári mátrix"));
  QVERIFY(dm_->settings.mh);
  QCOMPARE(kit::sys::Printers::current(), QString("Raktári mátrix"));
}

void TestOptions::networkAndLimitAreNotTakenOver() {
  auto w = open();
  w->showPage(1);
  QCOMPARE(w->EditHost->text(), QString("db.ceg.local"));
  QCOMPARE(w->EditPort->text(), QString("5432"));
  QCOMPARE(w->EditUser->text(), QString("vareko"));
  QCOMPARE(w->EditPassword->text(), QString("titok"));
  QCOMPARE(w->EditPassword->echoMode(), QLineEdit::Password);
  QCOMPARE(w->EditProtocol->text(), QString("postgresql-8"));
  for (QLineEdit* edit :
       {w->EditHost, w->EditPort, w->EditUser, w->EditPassword, w->EditProtocol, w->EditLimitNum}) {
    QVERIFY(edit->isReadOnly());
    typeText(edit, "9");
    QVERIFY(!edit->text().endsWith('9'));
    edit->setText("99");  // even a text put there is not taken over
  }
  QVERIFY(!w->ButtonSave->isEnabled());
  w->CheckBoxMH->click();
  w->ButtonSave->click();
  const Settings s = written();
  QCOMPARE(s.host, QString("db.ceg.local"));
  QCOMPARE(s.port, QString("5432"));
  QCOMPARE(s.user, QString("vareko"));
  QCOMPARE(s.password, QString("titok"));
  QCOMPARE(s.protocol, QString("postgresql-8"));
  QCOMPARE(s.database, QString("vareko"));
  QCOMPARE(s.limitNum, 40);
  QCOMPARE(dm_->settings.limitNum, 40);
  QCOMPARE(dm_->settings.host, QString("db.ceg.local"));
}

void TestOptions::defaultColorsStayInMemoryUnlessSaved_data() {
  QTest::addColumn<int>("leave");  // 0: Kilépés button, 1: Esc key, 2: save button, 3: F2
  QTest::addColumn<bool>("defaultsKept");
  QTest::newRow("Kilépés button") << 0 << true;
  QTest::newRow("Esc key") << 1 << true;
  QTest::newRow("save button") << 2 << false;
  QTest::newRow("F2 key") << 3 << false;
}

void TestOptions::defaultColorsStayInMemoryUnlessSaved() {
  QFETCH(int, leave);
  QFETCH(bool, defaultsKept);
  auto w = open();
  w->showPage(3);
  w->ButtonDefaultColors->click();
  const Settings& s = dm_->settings;
  QCOMPARE(s.colorForm, 7852283);
  QCOMPARE(s.colorPanel, 9427452);
  QCOMPARE(s.colorGrid, 14742515);
  QCOMPARE(s.colorGridTitle, 11920626);
  QCOMPARE(s.colorDBNav, 369397);
  // The swatches keep showing the colours they had.
  QCOMPARE(w->ShapeForm->value(), kForm);
  QCOMPARE(windowColor(w->ShapeDBNav), kit::ui::fromSettingsColor(kDBNav));
  QVERIFY(w->ButtonSave->isEnabled());

  switch (leave) {
    case 0: w->ButtonExit->click(); break;
    case 1: QTest::keyClick(w->TreeView, Qt::Key_Escape); break;
    case 2: w->ButtonSave->click(); break;
    case 3: QTest::keyClick(w->TreeView, Qt::Key_F2); break;
  }
  QVERIFY(!w->isVisible());
  const int expected[] = {7852283, 9427452, 14742515, 11920626, 369397};
  const int swatches[] = {kForm, kPanel, kGrid, kGridTitle, kDBNav};
  const int* want = defaultsKept ? expected : swatches;
  QCOMPARE(s.colorForm, want[0]);
  QCOMPARE(s.colorPanel, want[1]);
  QCOMPARE(s.colorGrid, want[2]);
  QCOMPARE(s.colorGridTitle, want[3]);
  QCOMPARE(s.colorDBNav, want[4]);
  QCOMPARE(QFile::exists(iniPath()), !defaultsKept);
  if (!defaultsKept) {
    const Settings file = written();
    QCOMPARE(file.colorForm, kForm);
    QCOMPARE(file.colorDBNav, kDBNav);
  }
}

void TestOptions::userRowIsSavedWithStamps() {
  RecordingMessages messages;
  dm_->positionCurrentUser();
  auto w = open();
  typeText(w->ComboBoxAlairas, "Sz");
  QCOMPARE(w->ComboBoxAlairas->currentText(), QString("Szabó Éva"));
  QCOMPARE(w->userQuery().state(), Dataset::State::Edit);
  w->showPage(5);
  w->CheckBoxOAlairas->click();
  w->showPage(6);
  w->CheckBoxOmmfkod->click();
  w->ButtonSave->click();
  QVERIFY(!w->isVisible());
  QVERIFY(messages.shown().isEmpty());
  QCOMPARE(userValue("alairas_nev").toString(), QString("Szabó Éva"));
  QCOMPARE(userValue("o_alairas").toBool(), true);
  QCOMPARE(userValue("o_ommfkod").toBool(), true);
  QCOMPARE(userValue("m_userid").toString(), QString("teszt"));
  QVERIFY(!userValue("m_date").isNull());
  QVERIFY(!userValue("m_time").toString().isEmpty());
  // The other user's row is left alone.
  QVERIFY(userValue("m_userid", "Masik").isNull());
  QCOMPARE(userValue("alairas_nev", "Masik").toString(), QString("Szabó Éva"));
  // The shared user row, which the documents read, shows the new choice.
  QCOMPARE(dm_->ZQueryUser().text("felhasznalo"), QString("Teszt"));
  QCOMPARE(dm_->ZQueryUser().text("alairas_nev"), QString("Szabó Éva"));
  QVERIFY(dm_->ZQueryUser().value("o_ommfkod").toBool());
  QVERIFY(!w->userQuery().isOpen());
  QVERIFY(QFile::exists(iniPath()));
}

void TestOptions::refusedUserRowKeepsTheDialogOpen() {
  dm_->ZConnection.exec(
      "alter table kaq_user add constraint kaq_user_tiltott check (alairas_nev is distinct from 'Tiltott "
      "Tamás')");
  RecordingMessages messages;
  auto w = open();
  w->CheckBoxPicture->click();
  w->CheckBoxAdoszam->click();
  typeText(w->ComboBoxAlairas, "T");
  QCOMPARE(w->ComboBoxAlairas->currentText(), QString("Tiltott Tamás"));
  w->ButtonSave->click();
  dm_->ZConnection.exec("alter table kaq_user drop constraint kaq_user_tiltott");
  QCOMPARE(messages.shown().size(), 1);
  QVERIFY2(messages.texts().first().contains("kaq_user_tiltott"), qPrintable(messages.texts().first()));
  QVERIFY(w->isVisible());
  QCOMPARE(w->userQuery().state(), Dataset::State::Edit);
  QCOMPARE(w->ComboBoxAlairas->currentText(), QString("Tiltott Tamás"));
  QVERIFY(w->CheckBoxPicture->isChecked());
  // Nothing was taken over or written.
  QCOMPARE(dm_->settings.picture, QString("0"));
  QVERIFY(!dm_->settings.adoszam);
  QVERIFY(!QFile::exists(iniPath()));
  QCOMPARE(userValue("alairas_nev").toString(), QString("Kovács Péter"));

  // Saved again once the server accepts it.
  w->ButtonSave->click();
  QVERIFY(!w->isVisible());
  QCOMPARE(userValue("alairas_nev").toString(), QString("Tiltott Tamás"));
  QCOMPARE(written().picture, QString("1"));
  QVERIFY(written().adoszam);
}

void TestOptions::f2WritesWithoutPostingTheUserRow() {
  auto w = open();
  w->showPage(6);
  w->CheckBoxOmmfkod->click();
  w->CheckBoxLogo->click();
  QTest::keyClick(w->TreeView, Qt::Key_F2);
  QVERIFY(!w->isVisible());
  QVERIFY(written().logo);
  QVERIFY(dm_->settings.logo);
  // The user-row choice was not posted, and was given up at closing.
  QVERIFY(userValue("o_ommfkod").isNull());
  QVERIFY(userValue("m_userid").isNull());
  QVERIFY(!w->userQuery().isOpen());
}

void TestOptions::leavingCancelsThePendingUserRow_data() {
  QTest::addColumn<bool>("byButton");
  QTest::newRow("Kilépés <Esc> button") << true;
  QTest::newRow("Esc key") << false;
}

void TestOptions::leavingCancelsThePendingUserRow() {
  QFETCH(bool, byButton);
  RecordingMessages messages;
  dm_->positionCurrentUser();
  auto w = open();
  typeText(w->ComboBoxAlairas, "Á");
  QCOMPARE(w->ComboBoxAlairas->currentText(), QString("Ábrahám Anna"));
  w->CheckBoxMH->click();
  w->showPage(5);
  w->CheckBoxOAlairas->click();
  QCOMPARE(w->userQuery().state(), Dataset::State::Edit);
  // Changed meanwhile on another workstation: the shared user row is read again at closing.
  dm_->ZConnection.exec("update kaq_user set nev = 'Teszt Elekné' where felhasznalo = 'Teszt'");
  if (byButton)
    w->ButtonExit->click();
  else
    QTest::keyClick(w->CheckBoxOAlairas, Qt::Key_Escape);
  QVERIFY(!w->isVisible());
  QVERIFY(messages.shown().isEmpty());
  QCOMPARE(w->userQuery().state(), Dataset::State::Inactive);
  QCOMPARE(userValue("alairas_nev").toString(), QString("Kovács Péter"));
  QCOMPARE(userValue("o_alairas").toBool(), false);
  QVERIFY(!dm_->settings.mh);
  QVERIFY(!QFile::exists(iniPath()));
  QCOMPARE(dm_->ZQueryUser().text("nev"), QString("Teszt Elekné"));
}

void TestOptions::pictureAndPagingApplyAtOnce() {
  auto w = open();
  QSignalSpy picture(w.get(), &TFormOptions::pictureSwitched);
  QVERIFY(w->CheckBoxLimit->isChecked());
  w->CheckBoxPicture->click();
  w->CheckBoxPicture->click();
  QCOMPARE(picture.size(), 2);
  QCOMPARE(picture.at(0).at(0).toBool(), true);
  QCOMPARE(picture.at(1).at(0).toBool(), false);
  w->CheckBoxLimit->click();  // paging off
  QVERIFY(dm_->settings.limit);
  QCOMPARE(kit::forms::formEnvironment().pagingOff(), true);
  w->CheckBoxPicture->click();
  w->ButtonExit->click();
  // Paging stays as switched; the picture setting waits for a save.
  QVERIFY(dm_->settings.limit);
  QCOMPARE(dm_->settings.picture, QString("0"));

  // Filling the dialog is not a click: nothing is sent on opening.
  dm_->settings.picture = "1";
  auto again = open();
  QSignalSpy silent(again.get(), &TFormOptions::pictureSwitched);
  again->reject();
  again->show();
  QCOMPARE(silent.size(), 0);
  again->CheckBoxLimit->click();
  QVERIFY(!dm_->settings.limit);
}

void TestOptions::helpButtonAsksForItsTopic() {
  auto w = open();
  QSignalSpy help(w.get(), &TFormOptions::helpRequested);
  w->ButtonHelp->click();
  QCOMPARE(help.size(), 1);
  QCOMPARE(help.first().first().toInt(), 32);
  QVERIFY(w->isVisible());
}

void TestOptions::withoutAUserRowItsControlsAreOff() {
  RecordingMessages messages;
  dm_->currentUser = "nincsilyen";
  auto w = open();
  QVERIFY(!w->hasUserRow());
  // The first row (another user's, every option set) is neither shown nor reachable.
  for (QWidget* control :
       std::initializer_list<QWidget*>{w->ComboBoxAlairas, w->CheckBoxOAlairas, w->CheckBoxOmmfkod})
    QVERIFY(!control->isEnabled());
  QCOMPARE(w->ComboBoxAlairas->currentIndex(), -1);
  QVERIFY(!w->CheckBoxOAlairas->isChecked());
  QVERIFY(!w->CheckBoxOmmfkod->isChecked());
  QCOMPARE(w->userQuery().state(), Dataset::State::Browse);
  w->CheckBoxFelmerolap->click();
  w->ButtonSave->click();
  QVERIFY(!w->isVisible());
  QVERIFY(messages.shown().isEmpty());
  QVERIFY(written().felmerolap);
  QCOMPARE(
      dm_->ZConnection.exec("select count(*) from kaq_user where m_userid is not null").value(0, 0).toInt(),
      0);
  QCOMPARE(dm_->ZConnection.exec("select count(*) from kaq_user").value(0, 0).toInt(), 2);
  QCOMPARE(userValue("o_alairas", "Masik").toBool(), true);
}

void TestOptions::unwritableSettingsFileKeepsTheDialogOpen() {
  RecordingMessages messages;
  const QString missing = folder_->filePath("nincs/ilyen");
  qputenv("VAREKO_HOME", missing.toUtf8());
  auto w = open();
  w->CheckBoxAdoszam->click();
  w->ButtonSave->click();
  QCOMPARE(messages.texts(),
           QStringList{"A beállításokat nem sikerült a(z) " + missing + "/vareko.ini fájlba menteni!"});
  QVERIFY(w->isVisible());
  QVERIFY(w->CheckBoxAdoszam->isChecked());
  // Once the folder is there, the same choices are written.
  QVERIFY(QDir().mkpath(missing));
  w->ButtonSave->click();
  QVERIFY(!w->isVisible());
  Settings s;
  QVERIFY(core::SettingsFile::read(s, missing + "/vareko.ini"));
  QVERIFY(s.adoszam);
}

// Writes the dialog's picture when VAREKO_SCREENS names a folder (for the documentation): the
// first page beside the colours page.
void TestOptions::screenshot() {
  const QString folder = qEnvironmentVariable("VAREKO_SCREENS");
  if (folder.isEmpty()) QSKIP("VAREKO_SCREENS not set");
  dm_->settings.colorForm = core::DefaultColors::form;
  dm_->settings.colorPanel = core::DefaultColors::panel;
  dm_->settings.colorGrid = core::DefaultColors::grid;
  dm_->settings.colorGridTitle = core::DefaultColors::gridTitle;
  dm_->settings.colorDBNav = core::DefaultColors::dbNav;
  dm_->settings.limitNum = 50;
  auto w = open();
  QTest::qWait(50);
  const QImage first = w->grab().toImage();
  w->showPage(3);
  QTest::qWait(50);
  const QImage colours = w->grab().toImage();
  QImage both(first.width() * 2 + 12, first.height(), QImage::Format_RGB32);
  both.fill(Qt::white);
  QPainter painter(&both);
  painter.drawImage(0, 0, first);
  painter.drawImage(first.width() + 12, 0, colours);
  painter.end();
  QVERIFY(both.save(folder + "/TFormOptions.png"));
}

QTEST_MAIN(TestOptions)
#include "test_options.moc"
