#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "kit/sys/ProgramFolder.h"
#include "session/ReportHeaders.h"

using namespace session;

// The header blocks of the printed documents.
class TestReportHeaders : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;

  void writeFile(const QString& name, const QByteArray& bytes) {
    QDir(folder_.path()).mkpath(QFileInfo(name).path());
    QFile f(folder_.filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }

 private slots:
  void initTestCase() { kit::sys::setProgramFolder(folder_.path()); }
  void cleanupTestCase() { kit::sys::setProgramFolder({}); }

  void headerTexts();
  void taxNumberRule_data();
  void taxNumberRule();
  void certificationPicture();
  void signaturePicture();
  void defenceForces_data();
  void defenceForces();
};

void TestReportHeaders::headerTexts() {
  const OwnerData owner{"Munkavédelmi Iroda Kft.", "6720",         "Szeged", "Kárász u. 5.",
                        "(62)123-45-67",           "12345678-2-06"};
  QCOMPARE(ownerLine(owner),
           QString("Munkavédelmi Iroda Kft.,  Cím: 6720, Szeged, Kárász u. 5.,  Tel.: (62)123-45-67"));
  const AddressData site{"8000", "Székesfehérvár", "Ipari park 3.", "(22)555-66-77", "2562"};
  QCOMPARE(addressLine(site), QString("8000, Székesfehérvár, Ipari park 3."));
  QCOMPARE(telephoneLine(site), QString("Telefon: (22)555-66-77"));
  QCOMPARE(activityLine(site), QString("TEAOR szám: 2562"));
  QCOMPARE(yearLine(QDate(2013, 5, 7)), QString("2013. évi"));
  QCOMPARE(placeAndDateLine("Szeged", QDate(2013, 5, 7)), QString("Szeged, 2013. 05. 07."));
}

void TestReportHeaders::taxNumberRule_data() {
  QTest::addColumn<bool>("switchOn");
  QTest::addColumn<int>("rule");
  QTest::addColumn<QString>("line");
  const int off = int(TaxNumberRule::PrintWhenSwitchOff), on = int(TaxNumberRule::PrintWhenSwitchOn);
  QTest::newRow("evaluation, switch off") << false << off << "Adószám: 12345678-2-06";
  QTest::newRow("evaluation, switch on") << true << off << "";
  QTest::newRow("protocol, switch off") << false << on << "";
  QTest::newRow("protocol, switch on") << true << on << "Adószám: 12345678-2-06";
}

void TestReportHeaders::taxNumberRule() {
  QFETCH(bool, switchOn);
  QFETCH(int, rule);
  QFETCH(QString, line);
  QCOMPARE(taxNumberLine({.adoszam = "12345678-2-06"}, switchOn, TaxNumberRule(rule)), line);
}

void TestReportHeaders::certificationPicture() {
  QVERIFY(session::certificationPicture(true, "11111111-1-11").isNull());  // no file: nothing, no message
  QImage logo(40, 20, QImage::Format_RGB32);
  logo.fill(Qt::blue);
  QDir(folder_.path()).mkpath("ISOPic");
  QVERIFY(logo.save(folder_.filePath("ISOPic/12345678-2-06.bmp")));
  QCOMPARE(session::certificationPicture(true, "12345678-2-06").size(), QSize(40, 20));
  QVERIFY(session::certificationPicture(false, "12345678-2-06").isNull());  // the switch is off
  writeFile("ISOPic/99999999-9-99.bmp", "ez nem kép");
  QVERIFY(session::certificationPicture(true, "99999999-9-99").isNull());  // not a picture
}

void TestReportHeaders::signaturePicture() {
  QDir(folder_.path()).mkpath("Stempli");
  QImage sign(30, 10, QImage::Format_RGB32);
  sign.fill(Qt::black);
  QVERIFY(sign.save(folder_.filePath("Stempli/kovacs.png")));
  QCOMPARE(session::signaturePicture(true, "kovacs.png").size(), QSize(30, 10));
  QVERIFY(session::signaturePicture(false, "kovacs.png").isNull());
  QVERIFY(session::signaturePicture(true, "nincs.png").isNull());
  QVERIFY(session::signaturePicture(true, "").isNull());
}

void TestReportHeaders::defenceForces_data() {
  QTest::addColumn<bool>("mh");
  QTest::addColumn<QString>("partner");
  QTest::addColumn<bool>("shown");
  QTest::addColumn<bool>("caption");
  QTest::addColumn<QString>("printed");
  QTest::newRow("switch off") << false << "Magyar Honvédség 5. Bocskai István Lövészdandár" << false << false
                              << "Magyar Honvédség 5. Bocskai István Lövészdandár";
  QTest::newRow("unit of the forces") << true << "Magyar Honvédség 5. Bocskai István Lövészdandár" << true
                                      << true << "5. Bocskai István Lövészdandár";
  QTest::newRow("written in capitals")
      << true << "MAGYAR HONVÉDSÉG Logisztikai Központ" << true << true << "Logisztikai Központ";
  QTest::newRow("other partner") << true << "Alfa Kft." << true << false << "Alfa Kft.";
}

void TestReportHeaders::defenceForces() {
  QFETCH(bool, mh);
  QFETCH(QString, partner);
  QFETCH(bool, shown);
  QFETCH(bool, caption);
  QFETCH(QString, printed);
  const DefenceHeader h = defenceHeader(mh, partner, "MH-123", " 2 ");
  QCOMPARE(h.shown, shown);
  QCOMPARE(h.caption, caption);
  QCOMPARE(h.partnerName, printed);
  if (shown) {
    QCOMPARE(h.recordNumberLine, QString("Nyt. szám: MH-123"));
    QCOMPARE(h.copyLine, QString("2. számú példány"));
  }
}

QTEST_MAIN(TestReportHeaders)
#include "test_report_headers.moc"
