#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "kit/data/Dataset.h"
#include "kit/forms/EditPanel.h"
#include "session/Login.h"
#include "session/TFormConnect.h"
#include "session/TFormTulajdonos.h"
#include "session/TFormUser.h"
#include "session/WorkingContext.h"
#include "support/RecordingMessages.h"
#include "support/TestDataModule.h"

using session::Login;
using Outcome = session::Login::Outcome;

// The built-in administrator and the login rules on the delivered user table.
class TestLogin : public QObject {
  Q_OBJECT

  TestDataModule module_;
  core::TDM* dm_ = nullptr;

  bool loggedIn(const QString& user) {
    return dm_->ZConnection.exec("select login from kaq_user where felhasznalo = $1", {user})
        .value(0, 0)
        .toBool();
  }
  int count(const QString& sql) { return dm_->ZConnection.exec(sql).value(0, 0).toInt(); }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    module_.start();
    dm_ = module_.dm.get();
    module_.runDeliveredScript("kaq_user.sql");
    dm_->readCatalogue();
  }
  void init() {
    dm_->ZConnection.exec("delete from kaq_user");
    dm_->ZQueryUser().close();
    dm_->currentUser.clear();
  }

  void builtInAdministrator();
  void administratorLogsIn();
  void threeWrongPasswordsEndTheProgram();
  void loggedInUserIsRefusedWithoutUsingAnAttempt();
  void prefixOfTheLoginName();
  void changeOfUserClearsThePreviousFlag();
  void rowsWithoutNameOrPassword();
  void loginWindow();
  void workingContext();
  void ownerAfterFirstLogin();
  void userAdministration();
};

void TestLogin::builtInAdministrator() {
  QVERIFY(session::ensureBuiltInAdministrator(*dm_));
  QCOMPARE(
      count(
          "select count(*) from kaq_user where felhasznalo = 'admin' and jelszo = 'pelvo' and nev = 'Admin' "
          "and superuser and u_partner and u_alairas and u_hulladek and not login and datum is not null"),
      1);
  QVERIFY(!session::ensureBuiltInAdministrator(*dm_));  // only once
  dm_->ZConnection.exec("update kaq_user set felhasznalo = 'ADMIN'");
  QVERIFY(!session::ensureBuiltInAdministrator(*dm_));  // found whatever its letter case
  QCOMPARE(count("select count(*) from kaq_user"), 1);
}

void TestLogin::administratorLogsIn() {
  session::ensureBuiltInAdministrator(*dm_);
  RecordingMessages messages;
  Login login(*dm_, Login::Mode::FirstLogin);
  QCOMPARE(login.attempt("admin", ""), Outcome::Nothing);
  QCOMPARE(login.attempt("", "pelvo"), Outcome::Nothing);
  QCOMPARE(login.attempt("admin", "pelvo"), Outcome::LoggedIn);
  QCOMPARE(dm_->currentUser, QString("admin"));
  QVERIFY(loggedIn("admin"));
  QVERIFY(messages.shown().isEmpty());
}

void TestLogin::threeWrongPasswordsEndTheProgram() {
  session::ensureBuiltInAdministrator(*dm_);
  RecordingMessages messages;
  Login login(*dm_, Login::Mode::FirstLogin);
  QCOMPARE(login.attempt("admin", "rossz"), Outcome::Failed);
  QCOMPARE(login.attempt("nincsilyen", "pelvo"), Outcome::Failed);
  QCOMPARE(messages.texts(), (QStringList{"Hibás felhasználói név vagy jelszó! Még 2 próbálkozás lehet!",
                                          "Hibás felhasználói név vagy jelszó! Még 1 próbálkozás lehet!"}));
  QCOMPARE(login.attempt("admin", "PELVO"), Outcome::Exhausted);  // the password is case-sensitive
  QVERIFY(!loggedIn("admin"));
  QVERIFY(dm_->currentUser.isEmpty());
}

void TestLogin::loggedInUserIsRefusedWithoutUsingAnAttempt() {
  session::ensureBuiltInAdministrator(*dm_);
  dm_->ZConnection.exec("update kaq_user set login = true");
  RecordingMessages messages;
  Login login(*dm_, Login::Mode::FirstLogin);
  QCOMPARE(login.attempt("admin", "pelvo"), Outcome::AlreadyLoggedIn);
  QCOMPARE(messages.texts(), QStringList{"Ezzel a felhasználóval már be vannak jelentkezve!"});
  QCOMPARE(login.remainingAttempts(), 3);
}

void TestLogin::prefixOfTheLoginName() {
  dm_->ZConnection.exec(
      "insert into kaq_user (felhasznalo, jelszo, nev, superuser, login) values ('kovacs.peter', 'titok', "
      "'Kovács Péter', "
      "false, false), ('kovacs.anna', 'masik', 'Kovács Anna', false, false)");
  RecordingMessages messages;
  Login login(*dm_, Login::Mode::FirstLogin);
  // The first user whose login name begins with the typed text (in the table's order).
  QCOMPARE(login.attempt("kovacs", "titok"), Outcome::LoggedIn);
  QCOMPARE(dm_->currentUser, QString("kovacs.peter"));
  QVERIFY(loggedIn("kovacs.peter"));
  QVERIFY(dm_->positionCurrentUser());  // the current user's row is found by its name
  QCOMPARE(dm_->ZQueryUser().text("nev"), QString("Kovács Péter"));
  Login again(*dm_, Login::Mode::FirstLogin);
  QCOMPARE(again.attempt("Kovacs", "masik"), Outcome::Failed);  // the prefix is case-sensitive
}

void TestLogin::changeOfUserClearsThePreviousFlag() {
  session::ensureBuiltInAdministrator(*dm_);
  dm_->ZConnection.exec(
      "insert into kaq_user (felhasznalo, jelszo, nev, superuser, login) values ('szabo', 'jelszo1', 'Szabó "
      "Éva', false, false)");
  Login first(*dm_, Login::Mode::FirstLogin);
  QCOMPARE(first.attempt("admin", "pelvo"), Outcome::LoggedIn);
  Login change(*dm_, Login::Mode::ChangeOfUser);
  QCOMPARE(change.attempt("szabo", "jelszo1"), Outcome::LoggedIn);
  QCOMPARE(dm_->currentUser, QString("szabo"));
  QVERIFY(!loggedIn("admin"));
  QVERIFY(loggedIn("szabo"));
}

void TestLogin::rowsWithoutNameOrPassword() {
  dm_->ZConnection.exec("insert into kaq_user (felhasznalo, jelszo) values (null, null), ('ures', null)");
  RecordingMessages messages;
  Login login(*dm_, Login::Mode::FirstLogin);
  QCOMPARE(login.attempt("ures", "x"), Outcome::Failed);  // a row without a password never opens
  QCOMPARE(login.attempt("u", "x"), Outcome::Failed);
  QCOMPARE(login.remainingAttempts(), 1);
}

void TestLogin::loginWindow() {
  session::ensureBuiltInAdministrator(*dm_);
  dm_->settings.lastUser = "admin";
  RecordingMessages messages;
  {
    session::TFormConnect w(*dm_, Login::Mode::FirstLogin);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.windowTitle(), QString("Bejelentkezés"));
    QCOMPARE(w.EditUser->text(), QString("admin"));  // the last user is offered
    QCOMPARE(QApplication::focusWidget(), w.EditPassword);
    QTest::keyClicks(w.EditPassword, "rossz");
    QTest::keyClick(w.EditPassword, Qt::Key_Return);  // Enter in the password field logs in
    QCOMPARE(w.login().remainingAttempts(), 2);
    QCOMPARE(w.EditPassword->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w.EditUser);
    w.EditPassword->setFocus();
    QTest::keyClicks(w.EditPassword, "pelvo");
    w.ButtonLogin->click();
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(!w.programMustEnd());
    QCOMPARE(w.login().remainingAttempts(), 2);
  }
  QVERIFY(loggedIn("admin"));
  if (const QString folder = qEnvironmentVariable("VAREKO_SCREENS"); !folder.isEmpty()) {
    dm_->settings.colorForm = core::DefaultColors::form;
    session::TFormConnect shown(*dm_, Login::Mode::ChangeOfUser);
    shown.EditUser->setText("admin");
    shown.show();
    QTest::qWait(50);
    QVERIFY(shown.grab().save(folder + "/TFormConnect.png"));
  }
  // Esc at the first login ends the program; at a change of user it only closes.
  session::TFormConnect first(*dm_, Login::Mode::FirstLogin);
  first.show();
  QTest::keyClick(&first, Qt::Key_Escape);
  QVERIFY(first.programMustEnd());
  session::TFormConnect change(*dm_, Login::Mode::ChangeOfUser);
  change.show();
  QTest::keyClick(&change, Qt::Key_Escape);
  QVERIFY(!change.programMustEnd());
  // The close button releases the current user's row.
  change.show();
  change.ButtonClose->click();
  QVERIFY(!loggedIn("admin"));
}

void TestLogin::workingContext() {
  module_.runDeliveredScript("partner.sql");
  module_.runDeliveredScript("telephely.sql");
  dm_->readCatalogue();
  dm_->ZConnection.execScript(
      "insert into partner (partner_kod, nev) values (7, 'Alfa Kft.');"
      "insert into telephely (telephely_kod, telephely_pkod, nev) values (11, 7, 'Székhely'), (12, 7, "
      "'Raktár');"
      "insert into kaq_user (felhasznalo, jelszo, nev, partner_kod, telephely_kod) values "
      "('kiss', 'x', 'Kiss Anna', 7, 12), ('nagy', 'x', 'Nagy Béla', 0, null), ('toth', 'x', 'Tóth Ádám', "
      "99, 1);");
  RecordingMessages messages;
  dm_->currentUser = "KISS";
  const auto context = session::selectWorkingContext(*dm_);
  QCOMPARE(context.partnerName, QString("Alfa Kft."));
  QCOMPARE(context.siteName, QString("Raktár"));
  QCOMPARE(dm_->ZQueryTelephely().recordCount(), 2);
  QVERIFY(messages.shown().isEmpty());
  for (const char* user : {"nagy", "toth"}) {  // no partner; a partner deleted meanwhile
    messages.clear();
    dm_->currentUser = user;
    QVERIFY(session::selectWorkingContext(*dm_).partnerName.isEmpty());
    QCOMPARE(messages.texts(),
             QStringList{"Nincsen beállítva a bejelentkezett felhasználóhoz Partner/Telephely páros!"});
  }
  dm_->ZConnection.execScript("drop table telephely; drop table partner;");
  dm_->ZQueryPartner().close();
}

void TestLogin::ownerAfterFirstLogin() {
  module_.runDeliveredScript("tulajdonos.sql");
  module_.runDeliveredScript("fixdata_helyseg.sql");
  dm_->readCatalogue();
  session::ensureBuiltInAdministrator(*dm_);
  dm_->currentUser = "admin";
  RecordingMessages messages;
  int shown = 0;
  const auto fill = [&](session::TFormTulajdonos& w) {
    ++shown;
    w.show();
    QCOMPARE(w.windowTitle(), QString("Tulajdonos"));
    auto& owner = w.owner();
    QCOMPARE(owner.text("nev"), QString("-"));
    owner.edit();
    owner.setValue("nev", "");
    QVERIFY(!w.save());  // the name and the tax number are required
    QCOMPARE(messages.texts().last(), QString("A(z) tulajdonos neve nem maradhat üresen!"));
    owner.setValue("nev", "Munkavédelmi Iroda Kft.");
    QVERIFY(!w.save());
    QCOMPARE(messages.texts().last(), QString("A(z) adószám nem maradhat üresen!"));
    owner.setValue("adoszam", "12345678-2-06");
    owner.setValue("isz", "6720");
    QCOMPARE(owner.text("telepules"), QString("Szeged"));  // postal code and town paired
    QVERIFY(w.save());
  };
  QVERIFY(session::checkOwnerAfterFirstLogin(*dm_, fill));  // an empty owner table
  QCOMPARE(shown, 1);
  QCOMPARE(dm_->ZConnection
               .exec("select nev || '|' || adoszam || '|' || telepules || '|' || m_userid from tulajdonos")
               .value(0, 0)
               .toString(),
           QString("Munkavédelmi Iroda Kft.|12345678-2-06|Szeged|admin"));
  QVERIFY(!session::checkOwnerAfterFirstLogin(*dm_, fill));  // filled in: not shown again
  QCOMPARE(shown, 1);
}

void TestLogin::userAdministration() {
  RecordingMessages messages;
  session::TFormUser w(*dm_);
  w.show();
  QCOMPARE(w.windowTitle(), QString("Adminisztrátor - Felhasználók karbantartása"));
  // The first user of an empty table gets every right.
  w.commandNew();
  auto& q = w.query();
  q.setValue("nev", "Első Felhasználó");
  q.setValue("felhasznalo", "elso");
  QVERIFY(!w.commandPost());
  QCOMPARE(messages.texts().last(), QString("A(z) Jelszó nem maradhat üresen!"));
  q.setValue("jelszo", "x");
  QVERIFY(w.commandPost());
  QCOMPARE(count("select count(*) from kaq_user where felhasznalo = 'elso' and superuser and u_partner and "
                 "u_hulladek "
                 "and not login and datum is not null"),
           1);
  // Another user gets only what is ticked.
  w.commandNew();
  q.setValue("nev", "Második");
  q.setValue("felhasznalo", "masodik");
  q.setValue("jelszo", "y");
  q.setValue("u_partner", true);
  QVERIFY(w.commandPost());
  QCOMPARE(count("select count(*) from kaq_user where felhasznalo = 'masodik' and not superuser and "
                 "u_partner and not "
                 "u_dolgozo"),
           1);
  // Saving another superuser's row turns every right on; its logged-in flag stays as it was.
  dm_->ZConnection.exec("update kaq_user set u_alairas = false, login = false where felhasznalo = 'elso'");
  w.commandRefresh();
  QVERIFY(q.locate("felhasznalo", "elso"));
  const auto boxes = w.editPanel()->findChildren<QCheckBox*>();
  QVERIFY(!boxes.isEmpty());
  QVERIFY(std::none_of(boxes.begin(), boxes.end(), [](QCheckBox* b) { return b->isEnabled(); }));
  q.edit();
  q.setValue("nev", "Első Felhasználó Módosítva");
  QVERIFY(w.commandPost());
  QCOMPARE(count("select count(*) from kaq_user where felhasznalo = 'elso' and u_alairas and not login"), 1);
  // ... except on the row of the administrator saving it, who is logged in: every flag is on.
  dm_->currentUser = "elso";
  QVERIFY(q.locate("felhasznalo", "elso"));
  q.edit();
  q.setValue("nev", "Első Felhasználó");
  QVERIFY(w.commandPost());
  QCOMPARE(count("select count(*) from kaq_user where felhasznalo = 'elso' and u_alairas and login"), 1);
  dm_->currentUser.clear();
  // A superuser cannot be deleted.
  QVERIFY(q.locate("felhasznalo", "elso"));
  messages.answer(true);
  w.commandDelete();
  QCOMPARE(messages.texts().last(), QString("Az admint nem lehet törölni!"));
  QCOMPARE(count("select count(*) from kaq_user where felhasznalo = 'elso'"), 1);
  QVERIFY(q.locate("felhasznalo", "masodik"));
  QVERIFY(std::all_of(boxes.begin(), boxes.end(), [](QCheckBox* b) { return b->isEnabled(); }));
  messages.answer(true);
  w.commandDelete();
  QCOMPARE(count("select count(*) from kaq_user where felhasznalo = 'masodik'"), 0);
}

QTEST_MAIN(TestLogin)
#include "test_login.moc"
