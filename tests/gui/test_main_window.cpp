#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "app/BuiltWindows.h"
#include "core/SettingsFile.h"
#include "kit/data/DbError.h"
#include "kit/widgets/DBGrid.h"
#include "session/ConnectionWatchdog.h"
#include "session/Login.h"
#include "session/Rights.h"
#include "session/TFormConnect.h"
#include "session/TFormCsere.h"
#include "session/TFormFomenu.h"
#include "support/ModalSteps.h"
#include "support/RecordingMessages.h"
#include "support/StoppableServer.h"
#include "support/TestDataModule.h"

using session::TFormFomenu;

namespace {

const QStringList sessionScripts = {"kaq_user.sql",   "tulajdonos.sql", "partner.sql",        "telephely.sql",
                                    "downserver.sql", "alairas.sql",    "gep_munkaeszkoz.sql"};

void logIn(QWidget* window, const QString& user, const QString& password) {
  auto* login = qobject_cast<session::TFormConnect*>(window);
  QVERIFY(login);
  login->EditUser->setText(user);
  login->EditPassword->setText(password);
  login->ButtonLogin->click();
}

void closeDialog(QWidget* window) {
  qobject_cast<QDialog*>(window)->reject();
}

// The menu entries (at any depth) with the given caption.
QList<QAction*> menuEntries(QMenuBar* bar, const QString& caption) {
  QList<QAction*> found;
  std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
    for (QAction* a : actions) {
      if (a->text() == caption) found << a;
      if (a->menu()) walk(a->menu()->actions());
    }
  };
  walk(bar->actions());
  return found;
}

}  // namespace

// The main window against a real database: the first showing with its login and owner check,
// rights on the actions, the guards, the working-context switcher, the watchdog and the end.
class TestMainWindow : public QObject {
  Q_OBJECT

  TestDataModule module_;
  core::TDM* dm_ = nullptr;
  QTemporaryDir home_;
  QStringList opened_;  // windows the stand-in openers were asked for
  std::optional<int> quitCode_;

  int count(const QString& sql) { return dm_->ZConnection.exec(sql).value(0, 0).toInt(); }
  bool loggedIn(const QString& user) {
    return dm_->ZConnection.exec("select login from kaq_user where felhasznalo = $1", {user})
        .value(0, 0)
        .toBool();
  }

  // A main window with the program's windows, or with stand-ins for every action's window.
  std::unique_ptr<TFormFomenu> makeWindow(bool standInsForAll = false) {
    TFormFomenu::Hooks hooks{.windows = app::builtWindows(), .quit = [this](int code) { quitCode_ = code; }};
    if (standInsForAll)
      for (const auto& a : session::mainActions())
        hooks.windows[a.name] = [this, name = a.name](TFormFomenu&) { opened_ << name; };
    return std::make_unique<TFormFomenu>(*dm_, std::move(hooks));
  }

  void addUser(const QString& login, const QString& password, bool superuser,
               const QString& extraColumns = {}, const QString& extraValues = {}) {
    dm_->ZConnection.exec(
        QStringLiteral("insert into kaq_user (felhasznalo, jelszo, nev, superuser, login%1) "
                       "values ($1, $2, $1, $3, false%2)")
            .arg(extraColumns.isEmpty() ? QString() : ", " + extraColumns,
                 extraValues.isEmpty() ? QString() : ", " + extraValues),
        {login, password, superuser});
  }
  void addOwner() {
    dm_->ZConnection.exec("insert into tulajdonos (nev, adoszam) values ('Biztonság Kft.', '12345678-2-13')");
  }
  // Two partners ("Alfa Kft." with two sites, the contracted "Béta Zrt." with one) and the
  // keys of Alfa, its second site and Béta.
  struct Partners {
    int alfa, alfaSecondSite, beta, betaSite;
  };
  Partners addPartners() {
    auto key = [this](const QString& sql) { return dm_->ZConnection.exec(sql).value(0, 0).toInt(); };
    Partners p{};
    p.alfa = key("insert into partner (nev, szerzodeses) values ('Alfa Kft.', false) returning partner_kod");
    p.beta = key("insert into partner (nev, szerzodeses) values ('Béta Zrt.', true) returning partner_kod");
    key(QStringLiteral("insert into telephely (telephely_pkod, nev) values (%1, 'Alfa központ') "
                       "returning telephely_kod")
            .arg(p.alfa));
    p.alfaSecondSite =
        key(QStringLiteral("insert into telephely (telephely_pkod, nev) values (%1, 'Alfa raktár') "
                           "returning telephely_kod")
                .arg(p.alfa));
    p.betaSite = key(QStringLiteral("insert into telephely (telephely_pkod, nev) values (%1, 'Béta üzem') "
                                    "returning telephely_kod")
                         .arg(p.beta));
    return p;
  }
  void setContext(const QString& user, int partner, int site) {
    dm_->ZConnection.exec("update kaq_user set partner_kod = $1, telephely_kod = $2 where felhasznalo = $3",
                          {partner, site, user});
    if (dm_->ZQueryUser().isOpen()) dm_->ZQueryUser().refresh();
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    qputenv("VAREKO_HOME", home_.path().toLocal8Bit());
    module_.start();
    dm_ = module_.dm.get();
    for (const QString& script : sessionScripts) module_.runDeliveredScript(script);
    dm_->readCatalogue();
  }
  void init() {
    if (!dm_->ZConnection.isOpen()) dm_->ZConnection.reopen();  // a closed main window disconnects
    dm_->ZConnection.execScript(
        "delete from kaq_user; delete from tulajdonos; delete from telephely; delete from partner; "
        "delete from gep_munkaeszkoz");
    for (const QString& name : dm_->queryNames()) dm_->query(name)->close();
    dm_->currentUser.clear();
    dm_->connectionFailed = false;
    dm_->settings = core::Settings{};
    dm_->settings.host = "127.0.0.1";
    opened_.clear();
    quitCode_.reset();
    QFile::remove(home_.filePath("vareko.ini"));
  }

  void freshDatabase();
  void threeWrongPasswordsEndTheProgram();
  void loggedInUserIsRefusedWithoutUsingAnAttempt();
  void prefixLoginAndChangeOfUser();
  void rightsOnTheActions_data();
  void rightsOnTheActions();
  void guards();
  void switcher();
  void closingEndsTheSession();
  void watchdog();
  void screens();
};

void TestMainWindow::freshDatabase() {
  RecordingMessages messages;
  auto w = makeWindow();
  ModalSteps steps;
  steps.then("TFormConnect", [](QWidget* d) { logIn(d, "admin", "pelvo"); })
      .then("TFormTulajdonos", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); })
      .then("TFormReadMe", closeDialog);  // no partner yet
  w->show();
  QTRY_VERIFY_WITH_TIMEOUT(steps.done(), 15000);
  QCOMPARE(steps.seen(), (QStringList{"TFormConnect", "TFormTulajdonos", "TFormReadMe"}));
  QCOMPARE(w->windowTitle(), QString("Vareko  - v2.30"));  // "Vareko " and " - v2.30"
  QCOMPARE(dm_->currentUser, QString("admin"));
  QVERIFY(loggedIn("admin"));
  QCOMPARE(w->PanelUser->text(), QString("admin"));
  QCOMPARE(w->PanelMsg->text(), QString("127.0.0.1"));
  QCOMPARE(count("select count(*) from tulajdonos where nev = '-'"), 1);  // created for the owner window
  QCOMPARE(w->PageControl->currentIndex(), 0);
  // A second later: the about window, and the working context (none set yet).
  QTRY_VERIFY(w->findChild<QWidget*>("TFormAbout") && w->findChild<QWidget*>("TFormAbout")->isVisible());
  QTRY_VERIFY(messages.texts().contains(
      "Nincsen beállítva a bejelentkezett felhasználóhoz Partner/Telephely páros!"));
  QVERIFY(w->watchdog().isRunning());
  for (const auto& a : session::mainActions())
    QCOMPARE(w->action(a.name)->isEnabled(), w->isBuilt(a.name));  // a superuser may do everything built
  w->close();
}

void TestMainWindow::threeWrongPasswordsEndTheProgram() {
  RecordingMessages messages;
  addUser("admin", "pelvo", true);
  auto w = makeWindow();
  ModalSteps steps;
  steps.then("TFormConnect", [](QWidget* d) {
    logIn(d, "admin", "rossz");
    logIn(d, "admin", "Pelvo");
    logIn(d, "admin", "PELVO");
  });
  w->show();
  QTRY_VERIFY(quitCode_.has_value());
  QCOMPARE(*quitCode_, 0);
  QVERIFY(w->programEnded());
  QVERIFY(!w->isVisible());
  QVERIFY(!w->watchdog().isRunning());
  QCOMPARE(messages.texts().size(), 2);  // the third failure ends without a message
  QVERIFY(!loggedIn("admin"));
}

void TestMainWindow::loggedInUserIsRefusedWithoutUsingAnAttempt() {
  RecordingMessages messages;
  addUser("admin", "pelvo", true);
  dm_->ZConnection.exec("update kaq_user set login = true");
  auto w = makeWindow();
  int remaining = 0;
  ModalSteps steps;
  steps.then("TFormConnect", [&](QWidget* d) {
    logIn(d, "admin", "pelvo");
    remaining = qobject_cast<session::TFormConnect*>(d)->login().remainingAttempts();
    QTest::keyClick(d, Qt::Key_Escape);  // Esc at the first login ends the program
  });
  w->show();
  QTRY_VERIFY(quitCode_.has_value());
  QCOMPARE(messages.texts(), QStringList{"Ezzel a felhasználóval már be vannak jelentkezve!"});
  QCOMPARE(remaining, 3);
  QVERIFY(loggedIn("admin"));  // still the other workstation's
}

void TestMainWindow::prefixLoginAndChangeOfUser() {
  RecordingMessages messages;
  addUser("admin", "pelvo", true);
  addUser("szabo.eva", "jelszo1", false, "u_partner", "true");
  addOwner();
  const Partners p = addPartners();
  setContext("szabo.eva", p.beta, p.betaSite);
  auto w = makeWindow();
  ModalSteps steps;
  steps.then("TFormConnect", [](QWidget* d) { logIn(d, "adm", "pelvo"); });  // the beginning of the name
  w->show();
  QTRY_VERIFY(steps.done());
  QTRY_VERIFY(w->findChild<QWidget*>("TFormAbout"));
  QCOMPARE(dm_->currentUser, QString("admin"));
  QVERIFY(loggedIn("admin"));
  QVERIFY(w->action("ActionUser")->isEnabled());

  steps.then("TFormConnect", [](QWidget* d) { logIn(d, "szabo", "jelszo1"); });
  QVERIFY(w->trigger("ActionConnect"));
  QCOMPARE(dm_->currentUser, QString("szabo.eva"));
  QVERIFY(!loggedIn("admin"));
  QVERIFY(loggedIn("szabo.eva"));
  QCOMPARE(w->PanelUser->text(), QString("szabo.eva"));
  QVERIFY(!w->action("ActionUser")->isEnabled());  // rights of the new user
  QCOMPARE(w->PanelPartner->text(), QString("Béta Zrt."));
  QCOMPARE(w->PanelTelephely->text(), QString("Béta üzem"));

  // Leaving the login window keeps the user and selects the context again.
  w->PanelPartner->clear();
  steps.then("TFormConnect", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
  w->trigger("ActionConnect");
  QCOMPARE(dm_->currentUser, QString("szabo.eva"));
  QVERIFY(!w->programEnded());
  QCOMPARE(w->PanelPartner->text(), QString("Béta Zrt."));
  w->close();
}

void TestMainWindow::rightsOnTheActions_data() {
  QTest::addColumn<bool>("superuser");
  QTest::addColumn<QStringList>("forbidden");
  QTest::newRow("without machines and partners")
      << false
      << QStringList{"ActionPartner", "ActionGepek", "ActionGep_Export", "ActionGep_Import", "ActionUser"};
  QTest::newRow("superuser") << true << QStringList{};
}

void TestMainWindow::rightsOnTheActions() {
  QFETCH(bool, superuser);
  QFETCH(QStringList, forbidden);
  // Every right on except the two, so exactly the actions of those rights (and the user
  // administration) are refused.
  QStringList columns, values;
  for (const auto& r : session::rights())
    if (r.column != "u_munkaeszkoz" && r.column != "u_partner") {
      columns << r.column;
      values << "true";
    }
  addUser("kovacs", "titok", superuser, columns.join(", "), values.join(", "));
  dm_->currentUser = "kovacs";
  auto w = makeWindow(true);
  w->applyRights();
  for (const auto& a : session::mainActions()) {
    QCOMPARE(w->allowedByRights(a.name), !forbidden.contains(a.name));
    QCOMPARE(w->action(a.name)->isEnabled(), !forbidden.contains(a.name));
  }
  // The menu entries and tool buttons with captions of their own follow their actions.
  const auto machines = menuEntries(w->menuBar(), "Gépek/eszközök adatai");
  QCOMPARE(machines.size(), 2);  // the submenu and its entry
  QCOMPARE(machines.last()->isEnabled(), superuser);
  const auto buttons = w->PageControl->widget(0)->findChildren<QToolButton*>();
  const auto machineButton = std::find_if(buttons.begin(), buttons.end(),
                                          [](QToolButton* b) { return b->text() == QString("Gépek"); });
  QVERIFY(machineButton != buttons.end());
  QCOMPARE((*machineButton)->isEnabled(), superuser);
  QCOMPARE(menuEntries(w->menuBar(), "Partner felvétele").value(0)->isEnabled(), superuser);
  // The student-accident menu entry never opens; its tool button does.
  QVERIFY(!menuEntries(w->menuBar(), "Diákbaleset").value(0)->isEnabled());
  QVERIFY(w->action("ActionDiakbaleset")->isEnabled());
  // An action whose window is not built stays disabled whatever the rights.
  auto real = makeWindow(false);
  real->applyRights();
  QVERIFY(!real->isBuilt("ActionGep_Jegyzokonyv"));
  QVERIFY(!real->action("ActionGep_Jegyzokonyv")->isEnabled());
  QVERIFY(!real->trigger("ActionGep_Jegyzokonyv"));
}

void TestMainWindow::guards() {
  RecordingMessages messages;
  addUser("admin", "pelvo", true);
  dm_->currentUser = "admin";
  auto w = makeWindow(true);
  w->applyRights();
  // No partner: a partner-bound action does nothing, one with the read-me opens it instead.
  QVERIFY(!w->trigger("ActionDolgozo"));
  ModalSteps steps;
  steps.then("TFormReadMe", closeDialog);
  QVERIFY(!w->trigger("ActionGepek"));
  QVERIFY(steps.done());
  steps.then("TFormReadMe", closeDialog);
  QVERIFY(!w->trigger("ActionCsere"));  // the switcher too
  QVERIFY(steps.done());
  QVERIFY(opened_.isEmpty());
  // A partner recorded since the list was read counts.
  const Partners p = addPartners();
  setContext("admin", p.alfa, p.alfaSecondSite);
  QVERIFY(w->trigger("ActionDolgozo"));
  QCOMPARE(opened_, QStringList{"ActionDolgozo"});
  // No machine at the working site.
  QVERIFY(!w->trigger("ActionGep_Jegyzokonyv"));
  QCOMPARE(messages.texts(), QStringList{"Nincsen felvéve gép/eszköz!"});
  dm_->ZConnection.exec(QStringLiteral("insert into gep_munkaeszkoz (gep_munkaeszkoz_pkod, "
                                       "gep_munkaeszkoz_tkod, nev) values (%1, %2, 'Daru')")
                            .arg(p.alfa)
                            .arg(p.betaSite));  // another site's machine does not count
  QVERIFY(!w->trigger("ActionGep_Utemterv"));
  dm_->ZConnection.exec(QStringLiteral("insert into gep_munkaeszkoz (gep_munkaeszkoz_pkod, "
                                       "gep_munkaeszkoz_tkod, nev) values (%1, %2, 'Targonca')")
                            .arg(p.alfa)
                            .arg(p.alfaSecondSite));
  QVERIFY(w->trigger("ActionGep_Jegyzokonyv"));
  QCOMPARE(opened_.last(), QString("ActionGep_Jegyzokonyv"));
}

void TestMainWindow::switcher() {
  RecordingMessages messages;
  addUser("csere.nelkul", "a", false);
  addUser("cserelo", "b", false, "u_csere", "true");
  const Partners p = addPartners();
  setContext("csere.nelkul", p.beta, p.betaSite);
  setContext("cserelo", p.beta, p.betaSite);

  // Without the right: the partner list cannot be used, another site of the partner can be
  // chosen, and the partner stays.
  dm_->currentUser = "csere.nelkul";
  {
    session::TFormCsere w(*dm_);
    w.show();
    QVERIFY(!w.partnerChangeAllowed());
    QVERIFY(!w.GridPartner->isEnabled());
    QCOMPARE(w.partners().text("nev"), QString("Béta Zrt."));  // the user's own partner
    QCOMPARE(w.sites().text("nev"), QString("Béta üzem"));
    w.search("alfa");
    QCOMPARE(w.partners().text("nev"), QString("Béta Zrt."));
    QVERIFY(w.save());
  }
  QCOMPARE(count(QStringLiteral("select count(*) from kaq_user where felhasznalo = 'csere.nelkul' and "
                                "partner_kod = %1")
                     .arg(p.beta)),
           1);

  // With the right: the search finds a partner by the beginning of its name, its sites come.
  dm_->currentUser = "cserelo";
  {
    session::TFormCsere w(*dm_);
    w.show();
    QVERIFY(w.GridPartner->isEnabled());
    // The contracted partner is painted orange, the other not.
    auto& model = w.GridPartner->datasetModel();
    QCOMPARE(model.data(model.index(1, 0), Qt::BackgroundRole).value<QColor>(), QColor(0xF1, 0x97, 0x3D));
    QVERIFY(!model.data(model.index(0, 0), Qt::BackgroundRole).isValid());
    QTest::keyClicks(w.GridPartner, "al");
    QVERIFY(w.EditSearch->isVisible());
    QCOMPARE(w.partners().text("nev"), QString("Alfa Kft."));
    QCOMPARE(w.sites().recordCount(), 2);
    w.sites().locate("telephely_kod", p.alfaSecondSite);
    w.ButtonPost->click();
    QCOMPARE(w.result(), int(QDialog::Accepted));
  }
  QCOMPARE(
      count(QStringLiteral("select count(*) from kaq_user where felhasznalo = 'cserelo' and partner_kod = "
                           "%1 and telephely_kod = %2")
                .arg(p.alfa)
                .arg(p.alfaSecondSite)),
      1);

  // From the main window: the status bar shows the new context after saving.
  setContext("cserelo", p.beta, p.betaSite);
  auto main = makeWindow(true);
  main->applyRights();
  ModalSteps steps;
  steps.then("TFormCsere", [&](QWidget* d) {
    auto* w = qobject_cast<session::TFormCsere*>(d);
    w->partners().locate("partner_kod", p.alfa);
    w->ButtonPost->click();
  });
  QVERIFY(main->trigger("ActionCsere"));
  QVERIFY(steps.done());
  QCOMPARE(main->PanelPartner->text(), QString("Alfa Kft."));
  QCOMPARE(main->PanelTelephely->text(), QString("Alfa központ"));  // the first site of the partner
  QCOMPARE(dm_->ZQueryPartner().text("nev"), QString("Alfa Kft."));
}

void TestMainWindow::closingEndsTheSession() {
  addUser("admin", "pelvo", true);
  addOwner();
  addPartners();
  session::Login login(*dm_, session::Login::Mode::FirstLogin);
  QCOMPARE(login.attempt("admin", "pelvo"), session::Login::Outcome::LoggedIn);
  dm_->settings.colorForm = core::DefaultColors::form;
  auto w = makeWindow();
  QVERIFY(w->trigger("ActionExit"));  // "Kilépés" closes the window, as the close box does
  QVERIFY(w->programEnded());
  QVERIFY(!dm_->ZConnection.isOpen());
  dm_->ZConnection.reopen();
  QVERIFY(!loggedIn("admin"));  // the same user can log in next time
  core::Settings written;
  QVERIFY(core::SettingsFile::read(written, home_.filePath("vareko.ini")));
  QCOMPARE(written.lastUser, QString("admin"));
  QCOMPARE(written.colorForm, core::DefaultColors::form);
}

void TestMainWindow::watchdog() {
  StoppableServer server;
  if (!server.start()) QSKIP(qPrintable("no server of the test's own: " + server.error()));
  core::TDM dm;
  dm.ZConnection.open(
      {.host = "127.0.0.1", .port = server.port(), .database = "postgres", .user = "vareko", .password = {}});
  for (const QString& script : sessionScripts) TestDataModule::runDeliveredScript(dm.ZConnection, script);
  dm.readCatalogue();
  dm.ZConnection.exec("insert into partner (nev) values ('Gamma Bt.')");
  dm.ZConnection.exec(
      "insert into telephely (telephely_pkod, nev) select partner_kod, 'Gamma telep' from partner");
  dm.ZConnection.exec(
      "insert into kaq_user (felhasznalo, jelszo, nev, superuser, login, partner_kod, telephely_kod) "
      "select 'admin', 'pelvo', 'Admin', true, true, telephely_pkod, telephely_kod from telephely");
  dm.currentUser = "admin";
  RecordingMessages messages;
  TFormFomenu w(dm, {.quit = [](int) {}});
  w.applyRights();
  session::ConnectionWatchdog& watchdog = w.watchdog();
  QCOMPARE(session::ConnectionWatchdog::intervalMs, 10000);

  watchdog.tick();  // the server answers: nothing to show
  QVERIFY(!watchdog.window().isVisible());

  // Something typed in a window when the server goes away.
  kit::data::Dataset partner(dm.ZConnection);
  partner.setSql("select * from partner");
  partner.open();
  partner.edit();
  partner.setValue("nev", "Gamma és Társa Bt.");
  QVERIFY(server.stop());

  watchdog.tick();
  QVERIFY(watchdog.window().isVisible());
  QCOMPARE(watchdog.window().windowTitle(), QString("Szerver csatlakozási hiba!"));
  QVERIFY(!watchdog.window().ButtonContinue->isEnabled());
  QVERIFY(!dm.ZConnection.isOpen());
  // Saving while the server is away fails and keeps what was typed.
  QVERIFY_THROWS_EXCEPTION(kit::data::DbError, partner.post());
  QVERIFY(partner.isEditing());
  QCOMPARE(partner.text("nev"), QString("Gamma és Társa Bt."));
  watchdog.tick();  // still away
  QVERIFY(watchdog.window().isVisible());
  QVERIFY(!watchdog.window().ButtonContinue->isEnabled());

  QVERIFY(server.start());
  w.PanelPartner->clear();
  watchdog.tick();
  QVERIFY(dm.ZConnection.isOpen());
  QVERIFY(watchdog.window().ButtonContinue->isEnabled());
  QCOMPARE(w.PanelPartner->text(), QString("Gamma Bt."));  // the working context selected again
  QCOMPARE(w.PanelTelephely->text(), QString("Gamma telep"));
  watchdog.window().ButtonContinue->click();
  QVERIFY(!watchdog.window().isVisible());
  partner.post();  // saved again once the connection is back
  QCOMPARE(dm.ZConnection.exec("select nev from partner").value(0, 0).toString(),
           QString("Gamma és Társa Bt."));

  // The window's close button ends the program in order, also from inside an open window.
  QVERIFY(server.stop());
  watchdog.tick();
  QVERIFY(watchdog.window().isVisible());
  QVERIFY(server.start());
  QDialog open(&w);
  open.show();
  watchdog.window().ButtonClose->click();
  QVERIFY(!open.isVisible());
  QVERIFY(w.programEnded());
  QVERIFY(!watchdog.isRunning());
}

void TestMainWindow::screens() {
  const QString folder = qEnvironmentVariable("VAREKO_SCREENS");
  if (folder.isEmpty()) QSKIP("VAREKO_SCREENS is not set");
  RecordingMessages messages;
  addUser("admin", "pelvo", true);
  addOwner();
  const Partners p = addPartners();
  setContext("admin", p.alfa, p.alfaSecondSite);
  dm_->settings.colorForm = core::DefaultColors::form;
  dm_->settings.colorPanel = core::DefaultColors::panel;
  dm_->settings.colorGrid = core::DefaultColors::grid;
  dm_->settings.colorGridTitle = core::DefaultColors::gridTitle;
  dm_->settings.colorDBNav = core::DefaultColors::dbNav;
  auto w = makeWindow(true);
  ModalSteps steps;
  steps.then("TFormConnect", [](QWidget* d) { logIn(d, "admin", "pelvo"); });
  w->resize(1320, 760);
  w->show();
  QTRY_VERIFY(steps.done());
  QTRY_VERIFY(!w->PanelPartner->text().isEmpty());
  if (auto* about = w->findChild<QWidget*>("TFormAbout")) about->close();
  w->showNews({"Elérhető a 2.31 verzió.", "Új: munkabaleseti jegyzőkönyv 2026."}, "Új verzió: 2.31");
  for (int page = 0; page < w->PageControl->count(); ++page) {
    w->PageControl->setCurrentIndex(page);
    QTest::qWait(30);
    QVERIFY(w->grab().save(QStringLiteral("%1/TFormFomenu-%2.png").arg(folder).arg(page + 1)));
  }
  w->watchdog().window().showDown();
  QTest::qWait(30);
  QVERIFY(w->watchdog().window().grab().save(folder + "/TFormServerDown.png"));
  w->watchdog().window().hide();
  session::TFormCsere switcher(*dm_, w.get());
  switcher.show();
  QTest::qWait(30);
  QVERIFY(switcher.grab().save(folder + "/TFormCsere.png"));
  switcher.close();
  w->close();
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
