#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/Program.h"
#include "core/ProgramVersion.h"
#include "core/SettingsFile.h"
#include "kit/sys/Printers.h"
#include "kit/sys/ProgramFolder.h"
#include "kit/sys/SingleInstance.h"
#include "support/RecordingMessages.h"
#include "support/TestDatabase.h"

using core::Program;

namespace {
const QString kConnectFailed =
    QStringLiteral("Mivel nem sikerült az adatbázishoz csatlakozni a program leáll!");
}

// The start-up sequence and the orderly end, in process and as the real executable.
class TestStartup : public QObject {
  Q_OBJECT

  std::unique_ptr<TestDatabase> db_;
  QTemporaryDir runtime_;  // where the single-instance lock lives
  std::unique_ptr<QTemporaryDir> folder_;

  void write(const QString& name, const QString& text) {
    const QString path = folder_->filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
  }
  void writeSettings(bool withNetwork) {
    const auto& p = db_->params();
    write("vareko.ini", withNetwork ? QString("[Network]\r\nHost=%1\r\nPort=%2\r\nDataBase=%3\r\nUser=%4\r\n")
                                          .arg(p.host)
                                          .arg(p.port)
                                          .arg(p.database, p.user)
                                    : QString("[Option]\r\nLimitNum=50\r\n"));
  }

 private slots:
  void initTestCase() {
    qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
    if (TestDatabase::serverGiven()) db_ = std::make_unique<TestDatabase>();
  }
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    kit::sys::setProgramFolder(folder_->path());
    kit::sys::Printers::replaceInstalled(QStringList{"Irodai lézer"});
    write("SQL/Create.ini", "verzio:verzio.sql\ntulajdonos:tulajdonos.sql\nkaq_user:kaq_user.sql\n");
    write("SQL/verzio.sql", "CREATE TABLE verzio (verzio_kod serial PRIMARY KEY, \"update\" varchar(30));");
    write(
        "SQL/tulajdonos.sql",
        "CREATE TABLE tulajdonos (tulajdonos_kod serial PRIMARY KEY, nev varchar(80), verzio varchar(10));");
    write("SQL/kaq_user.sql",
          "CREATE TABLE kaq_user (user_kod serial PRIMARY KEY, felhasznalo varchar(20), login boolean);");
    write("SQLUpdate/Update.ini", "");
  }
  void cleanup() {
    kit::sys::setProgramFolder({});
    kit::sys::Printers::replaceInstalled(std::nullopt);
  }

  void versionText();
  void noPrinterEndsTheProgram();
  void secondInstanceIsRefused();
  void noDatabaseEndsTheProgram();
  void startsAndEndsInOrder();
  void secondProcessIsRefusedAndTheFirstRunsOn();
};

void TestStartup::versionText() {
  QCOMPARE(core::versionOfFileVersion("0.0.2.30"), QString("2.30"));
  QCOMPARE(core::versionOfFileVersion("1.2.3.4"), QString("3.4"));
  QCOMPARE(core::versionOfFileVersion(""), QString());
  QCOMPARE(core::programVersionText(), QString(" - v2.30"));  // the build's 0.0.2.30
  QCOMPARE(QString("Vareko ") + core::programVersionText(), QString("Vareko  - v2.30"));
}

void TestStartup::noPrinterEndsTheProgram() {
  kit::sys::Printers::replaceInstalled(QStringList{});
  RecordingMessages messages;
  Program program;
  QCOMPARE(program.start(), 1);
  QCOMPARE(messages.texts(), QStringList{Program::noPrinterMessage()});
  QCOMPARE(program.splash().statusText("Nyomtató ellenőrzése:"), QString("Nincsen nyomtató telepítve!"));
}

void TestStartup::secondInstanceIsRefused() {
  kit::sys::SingleInstance first("Vareko");
  QVERIFY(first.acquired());
  RecordingMessages messages;
  Program program;
  QCOMPARE(program.start(), 1);
  QCOMPARE(messages.texts(), QStringList{"Az Vareko program már fut egy példányban!"});
}

void TestStartup::noDatabaseEndsTheProgram() {
  REQUIRE_TEST_SERVER();
  writeSettings(false);  // no Network section
  RecordingMessages messages;
  Program program;
  QCOMPARE(program.start(), 1);
  QCOMPARE(messages.texts(), QStringList{kConnectFailed});
  QCOMPARE(program.splash().statusText("Csatlakozás az adatbázishoz:"), QString("Nem sikerült!"));
}

void TestStartup::startsAndEndsInOrder() {
  REQUIRE_TEST_SERVER();
  writeSettings(true);
  RecordingMessages messages;
  int windowsCreated = 0;
  bool versionChecked = false;
  Program program({.createWindows =
                       [&](Program& p) {
                         ++windowsCreated;
                         p.windowStep();
                         p.printStep(4);
                       },
                   .versionCheck =
                       [&](Program& p) {
                         versionChecked = true;
                         QCOMPARE(p.splash().statusText("Új verzió ellenőrzése:"),
                                  QString("...folyamatban!"));
                       }});
  QCOMPARE(program.start(), 0);
  QVERIFY(messages.shown().isEmpty());
  QCOMPARE(windowsCreated, 1);
  QVERIFY(versionChecked);
  QVERIFY(!program.splash().isVisible());
  QCOMPARE(program.splash().statusText("Adatbázis:"), db_->params().host);
  QCOMPARE(program.splash().statusText("Csatlakozás az adatbázishoz:"), QString("Sikerült!"));
  QCOMPARE(program.splash().statusText("Nyomtató ellenőrzése:"), QString("Rendben"));
  QCOMPARE(program.splash().ProgressBarDB->maximum(), 3);
  QCOMPARE(program.splash().ProgressBarDB->value(), 3);
  QCOMPARE(program.splash().ProgressBarPrint->value(), 4);
  QCOMPARE(kit::sys::Printers::current(), QString("Irodai lézer"));
  QCOMPARE(core::DM, &program.dm());

  auto& conn = program.dm().ZConnection;
  QCOMPARE(conn.exec("select verzio from tulajdonos").value(0, 0).toString(), QString("2.30"));
  QCOMPARE(conn.keyColumnOf("kaq_user"), QString("user_kod"));  // the catalogue is read after the schema
  conn.exec("insert into kaq_user (felhasznalo, login) values ('Kovacs', true), ('Szabo', true)");

  program.dm().currentUser = "kovacs";  // as typed at login
  program.shutdown();
  QVERIFY(!conn.isOpen());
  kit::data::Connection check;
  db_->connect(check);
  QCOMPARE(check.exec("select login from kaq_user where felhasznalo = 'Kovacs'").value(0, 0).toBool(), false);
  QCOMPARE(check.exec("select login from kaq_user where felhasznalo = 'Szabo'").value(0, 0).toBool(), true);
  core::Settings written;
  core::SettingsFile::read(written);
  QCOMPARE(written.lastUser, QString("kovacs"));
  QCOMPARE(written.database, db_->params().database);
}

void TestStartup::secondProcessIsRefusedAndTheFirstRunsOn() {
  REQUIRE_TEST_SERVER();
  writeSettings(true);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("VAREKO_HOME", folder_->path());
  env.insert("VAREKO_MESSAGES", "stderr");
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_RUNTIME_DIR", runtime_.path());
  QProcess first, second;
  for (QProcess* p : {&first, &second}) p->setProcessEnvironment(env);

  first.start(VAREKO_EXECUTABLE, {});
  QVERIFY(first.waitForStarted());
  // The first copy is past its single-instance check once it is connected to the database.
  kit::data::Connection check;
  db_->connect(check);
  QTRY_VERIFY_WITH_TIMEOUT(
      check.exec("select count(*) from pg_stat_activity where datname = $1 and pid <> pg_backend_pid()",
                 {db_->params().database})
              .value(0, 0)
              .toInt() > 0,
      20000);

  second.start(VAREKO_EXECUTABLE, {});
  QVERIFY(second.waitForFinished(20000));
  QCOMPARE(second.exitCode(), 1);
  QVERIFY2(second.readAllStandardError().contains("Az Vareko program már fut egy példányban!"),
           "the single-instance message was not shown");
  QCOMPARE(first.state(), QProcess::Running);
  first.kill();
  first.waitForFinished();
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
