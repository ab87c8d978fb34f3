#include <QTemporaryDir>
#include <QtTest>

#include "core/DM.h"
#include "core/SettingsFile.h"
#include "kit/sys/IniFile.h"
#include "kit/sys/Printers.h"
#include "kit/sys/ProgramFolder.h"
#include "kit/text/Cp1250.h"
#include "support/RecordingMessages.h"

using core::Settings;
using core::SettingsFile;

namespace {

const QString kBadFileMessage = QStringLiteral("Hiányzó VAREKO.INI fájl, a betöltés megszakadt!");

// A program folder of its own with a settings file of the given text (windows-1250).
struct Folder {
  QTemporaryDir dir;
  QString ini() const { return dir.filePath("vareko.ini"); }
  void write(const QString& text, bool utf8 = false) const {
    QFile f(ini());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(utf8 ? text.toUtf8() : kit::text::toCp1250(text));
  }
  QString read() const {
    QFile f(ini());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return kit::text::fromCp1250(f.readAll());
  }
};

}  // namespace

class TestSettings : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    kit::sys::Printers::replaceInstalled(QStringList{"Irodai lézer", "Raktár"});
    kit::sys::Printers::setCurrent({});
  }
  void cleanup() { kit::sys::Printers::replaceInstalled(std::nullopt); }

  void onlyNetworkGivesDefaults();
  void missingFileReadsNothing();
  void emptySwitchCountsAsOn();
  void networkValuesAreCut();
  void badNumberStopsReading_data();
  void badNumberStopsReading();
  void colourForms_data();
  void colourForms();
  void writeOrderAndDecimalColours();
  void unknownSectionKeptUnknownKeyDropped();
  void lastUserKeptWhenNobodyLoggedIn();
  void hungarianTextRoundTrips();
  void utf8FileIsRead();
  void printerSelection_data();
  void printerSelection();
  void portTextToConnection_data();
  void portTextToConnection();
  void programFileIgnoresLetterCase();
};

void TestSettings::onlyNetworkGivesDefaults() {
  Folder folder;
  folder.write("[Network]\r\nHost=db.local\r\nPort=5432\r\nDataBase=vareko\r\n");
  RecordingMessages messages;
  Settings s;
  QVERIFY(SettingsFile::read(s, folder.ini()));
  QCOMPARE(s.colorForm, 7852283);
  QCOMPARE(s.colorPanel, 9427452);
  QCOMPARE(s.colorGrid, 14742515);
  QCOMPARE(s.colorGridTitle, 11920626);
  QCOMPARE(s.colorDBNav, 369397);
  QCOMPARE(s.limitNum, 50);
  QCOMPARE(s.limit, false);
  QCOMPARE(s.picture, QString("0"));
  for (bool sw : {s.adoszam, s.mh, s.felmerolap, s.orvos, s.logo, s.geporvos}) QVERIFY(!sw);
  QCOMPARE(s.printPerPage, QString("Nem"));
  QVERIFY(!s.printsPageByPage());
  QCOMPARE(s.printer, QString());
  QCOMPARE(kit::sys::Printers::current(), QString("Irodai lézer"));  // the default printer
  QCOMPARE(s.host, QString("db.local"));
  QVERIFY(messages.shown().isEmpty());
}

void TestSettings::missingFileReadsNothing() {
  Folder folder;
  RecordingMessages messages;
  Settings s;
  QVERIFY(!SettingsFile::read(s, folder.ini()));
  QCOMPARE(s.colorForm, 0);
  QCOMPARE(s.limitNum, 0);
  QCOMPARE(s.port, QString());
  QVERIFY(messages.shown().isEmpty());
  QCOMPARE(s.rowsPerPage(), 50);  // lists still show rows
}

void TestSettings::emptySwitchCountsAsOn() {
  Folder folder;
  folder.write("[Switch]\nLogo=\nMH=0\nOrvos=1\n");
  Settings s;
  SettingsFile::read(s, folder.ini());
  QVERIFY(s.logo);
  QVERIFY(!s.mh);
  QVERIFY(s.orvos);
  QVERIFY(SettingsFile::write(s, "admin", folder.ini()));
  QVERIFY(folder.read().contains("Logo=-1\r\n"));
  QVERIFY(folder.read().contains("MH=0\r\n"));
}

void TestSettings::networkValuesAreCut() {
  Folder folder;
  const QString longHost = QString(40, 'h');
  folder.write(QString("[Network]\nHost=%1\nPort=15432\nProtocol=%2\nDataBase=%3\nUser=%4\nPassword=%5\n")
                   .arg(longHost, QString(35, 'p'), QString(60, 'd'), QString(31, 'u'), QString(33, 'w')));
  Settings s;
  SettingsFile::read(s, folder.ini());
  QCOMPARE(s.host, QString(30, 'h'));
  QCOMPARE(s.port, QString("1543"));
  QCOMPARE(s.protocol.size(), 30);
  QCOMPARE(s.database.size(), 50);
  QCOMPARE(s.user.size(), 30);
  QCOMPARE(s.password.size(), 30);
}

void TestSettings::badNumberStopsReading_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("form");
  QTest::addColumn<int>("limitNum");
  QTest::newRow("colour not a number") << "[Colors]\nForm=zöld\n[Option]\nLimitNum=30\n" << 0 << 0;
  QTest::newRow("empty colour") << "[Colors]\nForm=\n" << 0 << 0;
  QTest::newRow("LimitNum not a number") << "[Colors]\nForm=255\n[Option]\nLimitNum=sok\n" << 255 << 0;
}

void TestSettings::badNumberStopsReading() {
  QFETCH(QString, text);
  QFETCH(int, form);
  QFETCH(int, limitNum);
  Folder folder;
  folder.write(text + "[Network]\nHost=db\n");
  RecordingMessages messages;
  Settings s;
  QVERIFY(!SettingsFile::read(s, folder.ini()));
  QCOMPARE(messages.texts(), QStringList{kBadFileMessage});
  QCOMPARE(s.colorForm, form);
  QCOMPARE(s.limitNum, limitNum);
  QCOMPARE(s.host, QString());                        // keys after the failing one keep their initial state
  QVERIFY(!kit::sys::Printers::current().isEmpty());  // the printer is still selected
}

void TestSettings::colourForms_data() {
  QTest::addColumn<QString>("value");
  QTest::addColumn<int>("colour");
  QTest::newRow("hex with $") << "$0077D0FB" << 7852283;
  QTest::newRow("decimal") << "7852283" << 7852283;
  QTest::newRow("negative system colour") << "-16777201" << -16777201;
  QTest::newRow("high bit hex") << "$FF000000" << int(0xFF000000u);
}

void TestSettings::colourForms() {
  QFETCH(QString, value);
  QFETCH(int, colour);
  Folder folder;
  folder.write("[Colors]\nForm=" + value + "\n");
  Settings s;
  SettingsFile::read(s, folder.ini());
  QCOMPARE(s.colorForm, colour);
}

void TestSettings::writeOrderAndDecimalColours() {
  Folder folder;
  folder.write("[Network]\nHost=db\nPort=5432\n");
  Settings s;
  SettingsFile::read(s, folder.ini());
  QVERIFY(SettingsFile::write(s, "kovacs", folder.ini()));
  const QString text = folder.read();
  QStringList sections;
  for (const QString& line : text.split("\r\n"))
    if (line.startsWith('[')) sections << line;
  QCOMPARE(sections, (QStringList{"[Colors]", "[Network]", "[Login]", "[Option]", "[Switch]", "[Print]"}));
  QVERIFY(
      text.contains("[Colors]\r\nForm=7852283\r\nPanel=9427452\r\nGrid=14742515\r\nGridTitle="
                    "11920626\r\nDBNav=369397\r\n"));
  QVERIFY(text.contains("[Option]\r\nPicture=0\r\nLimit=0\r\nLimitNum=50\r\n"));
  QVERIFY(text.contains("[Login]\r\nLastUser=kovacs\r\n"));
  QVERIFY(text.contains("[Print]\r\nPrinter=\r\nPrintPerPage=Nem\r\n"));

  Settings again;
  SettingsFile::read(again, folder.ini());
  QCOMPARE(again.colorForm, 7852283);
  QCOMPARE(again.colorDBNav, 369397);
  QCOMPARE(again.lastUser, QString("kovacs"));
}

void TestSettings::unknownSectionKeptUnknownKeyDropped() {
  Folder folder;
  folder.write(
      "; a comment\n[Saját]\nKulcs=érték\n[Option]\nLimitNum=30\nIsmeretlen=1\n[Network]\nHost=db\n");
  Settings s;
  SettingsFile::read(s, folder.ini());
  QVERIFY(SettingsFile::write(s, "admin", folder.ini()));
  const auto ini = kit::sys::IniFile::load(folder.ini());
  QVERIFY(ini);
  QCOMPARE(ini->value("Saját", "Kulcs"), std::optional<QString>("érték"));
  QVERIFY(!ini->value("Option", "Ismeretlen"));
  QCOMPARE(ini->value("Option", "LimitNum"), std::optional<QString>("30"));
  QVERIFY(folder.read().startsWith("; a comment\r\n[Saját]"));
}

void TestSettings::lastUserKeptWhenNobodyLoggedIn() {
  Folder folder;
  folder.write("[Login]\nLastUser=szabo\n");
  Settings s;
  SettingsFile::read(s, folder.ini());
  SettingsFile::write(s, QString(), folder.ini());
  Settings again;
  SettingsFile::read(again, folder.ini());
  QCOMPARE(again.lastUser, QString("szabo"));
}

void TestSettings::hungarianTextRoundTrips() {
  const QString hu = QStringLiteral("árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP");
  Folder folder;
  Settings s;
  s.printer = hu;
  s.printPerPage = "Igen";
  QVERIFY(SettingsFile::write(s, hu, folder.ini()));
  QFile raw(folder.ini());
  QVERIFY(raw.open(QIODevice::ReadOnly));
  QVERIFY(raw.readAll().contains(kit::text::toCp1250(hu)));  // stored in windows-1250
  Settings again;
  SettingsFile::read(again, folder.ini());
  QCOMPARE(again.printer, hu);
  QCOMPARE(again.lastUser, hu);
  QVERIFY(again.printsPageByPage());
}

void TestSettings::utf8FileIsRead() {
  Folder folder;
  folder.write("[Login]\nLastUser=Győző\n", /*utf8=*/true);
  Settings s;
  SettingsFile::read(s, folder.ini());
  QCOMPARE(s.lastUser, QString("Győző"));
}

void TestSettings::printerSelection_data() {
  QTest::addColumn<QStringList>("installed");
  QTest::addColumn<QString>("wanted");
  QTest::addColumn<QString>("current");
  QTest::addColumn<bool>("message");
  QTest::newRow("installed printer") << QStringList{"A", "B"} << "B"
                                     << "B" << false;
  QTest::newRow("unknown printer -> default") << QStringList{"A", "B"} << "C"
                                              << "A" << false;
  QTest::newRow("empty name -> default") << QStringList{"A", "B"} << ""
                                         << "A" << false;
  QTest::newRow("no printer at all") << QStringList{} << "A"
                                     << "előző" << true;
}

void TestSettings::printerSelection() {
  QFETCH(QStringList, installed);
  QFETCH(QString, wanted);
  QFETCH(QString, current);
  QFETCH(bool, message);
  kit::sys::Printers::replaceInstalled(installed);
  kit::sys::Printers::setCurrent("előző");
  RecordingMessages messages;
  Settings s;
  s.printer = wanted;
  SettingsFile::selectPrinter(s);
  QCOMPARE(kit::sys::Printers::current(), current);
  QCOMPARE(messages.texts(), message ? QStringList{"Nem lehet a nyomtatót beállítani!"} : QStringList{});
}

void TestSettings::portTextToConnection_data() {
  QTest::addColumn<QString>("port");
  QTest::addColumn<bool>("ok");
  QTest::addColumn<int>("number");
  QTest::newRow("number") << "5432" << true << 5432;
  QTest::newRow("empty") << "" << false << 0;
  QTest::newRow("not a number") << "db" << false << 0;
}

void TestSettings::portTextToConnection() {
  QFETCH(QString, port);
  QFETCH(bool, ok);
  QFETCH(int, number);
  Settings s;
  s.host = "h";
  s.port = port;
  kit::data::ConnectionParams params;
  QCOMPARE(core::TDM::connectionParams(s, &params), ok);
  if (ok) QCOMPARE(params.port, number);
}

void TestSettings::programFileIgnoresLetterCase() {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("SQLUpdate");
  QFile f(dir.filePath("SQLUpdate/Update.ini"));
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.close();
  kit::sys::setProgramFolder(dir.path());
  QCOMPARE(kit::sys::programFile("sqlupdate\\update.INI"), dir.filePath("SQLUpdate/Update.ini"));
  QCOMPARE(kit::sys::programFile("Nincs/ilyen.txt"), dir.path() + "/Nincs/ilyen.txt");
  kit::sys::setProgramFolder({});
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
