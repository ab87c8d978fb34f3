#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "kit/data/Dataset.h"
#include "kit/report/ReportEngine.h"
#include "kit/report/Rows.h"
#include "kit/report/TfrmNetScapePreview.h"
#include "masterdata/PartnerDocuments.h"
#include "support/TestDataModule.h"

using namespace kit::report;
using kit::data::Dataset;
using namespace masterdata;

// "Partnerek listája" and "Partner adatai" over the partner table.
class TestPartnerDocuments : public QObject {
  Q_OBJECT

  TestDataModule module_;
  const session::OwnerData owner_{"Munkavédelmi Iroda Kft.", "6720", "Szeged", "Kárász u. 5.",
                                  "(62)123-45-67",           ""};

  std::unique_ptr<Dataset> list(bool contractedOnly) {
    auto d = std::make_unique<Dataset>(module_.dm->ZConnection);
    d->sqlLines() = masterdata::partnerListQuery(contractedOnly);
    d->open();
    return d;
  }
  static QStringList allTexts(const PreparedDocument& doc) {
    QStringList texts;
    for (const PreparedPage& p : doc.pages) texts += p.texts();
    return texts;
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    module_.start();
    module_.runDeliveredScript("partner.sql");
    module_.runDeliveredScript("telephely.sql");
    module_.dm->ZConnection.exec(
        "insert into partner (nev, isz, telepules, cim, szerzodeses, telefon, vezeto, feljegyzes) "
        "select 'Árvíztűrő ' || lpad(i::text, 3, '0') || ' Kft.', '6720', 'Szeged', 'Tisza Lajos krt. ' || "
        "i, "
        "i % 4 = 0, '(62)555-00-' || lpad(i::text, 2, '0'), 'Kovács Péter', "
        "case when i = 1 then repeat('Hosszú feljegyzés a partnerről. ', 400) end from generate_series(1, "
        "120) i");
  }

  void listOfAllPartners();
  void listOfContractedPartners();
  void dataSheetOfOneOrAll();
  void trainingDueSites();
  void gdprLetters();
  void pagesOfEachDocument();
  void pdfOfTheList();
  void previewScreenshot();
};

void TestPartnerDocuments::listOfAllPartners() {
  auto partners = list(false);
  PartnerRows rows(*partners, true);
  const PreparedDocument doc = prepare(partnerListDocument(rows, owner_));
  const QStringList texts = allTexts(doc);
  QVERIFY(doc.pageCount() >= 3);
  QCOMPARE(texts.count("Partner neve:"), 120);
  QVERIFY(texts.contains("1."));
  QVERIFY(texts.contains("120."));
  QVERIFY(texts.contains("Árvíztűrő 001 Kft."));
  QVERIFY(texts.contains("6720, Szeged, Tisza Lajos krt. 1"));
  QVERIFY(
      doc.pages[0].find("Munkavédelmi Iroda Kft.,  Cím: 6720, Szeged, Kárász u. 5.,  Tel.: (62)123-45-67"));
  QVERIFY(doc.pages.back().find(QString("%1 / %1").arg(doc.pageCount())));
  // Numbered in the order printed: 1. is the first partner by name.
  const int one = int(texts.indexOf("1.")), first = int(texts.indexOf("Árvíztűrő 001 Kft."));
  QVERIFY(one >= 0 && one < first);
}

void TestPartnerDocuments::listOfContractedPartners() {
  auto partners = list(true);
  PartnerRows rows(*partners, true);
  const QStringList texts = allTexts(prepare(partnerListDocument(rows, owner_)));
  QCOMPARE(texts.count("Partner neve:"), 30);
  QVERIFY(texts.contains("Árvíztűrő 004 Kft."));
  QVERIFY(!texts.contains("Árvíztűrő 001 Kft."));
  QVERIFY(texts.contains("30."));
}

void TestPartnerDocuments::dataSheetOfOneOrAll() {
  Dataset partners(module_.dm->ZConnection);
  partners.setSql("select *\nfrom partner\norder by nev");
  partners.open();
  {
    PartnerRows one(partners, false);  // the selected partner: the first, with the long notes
    const PreparedDocument doc = prepare(partnerDataDocument(one, owner_));
    const QStringList texts = allTexts(doc);
    QCOMPARE(texts.count("Partner neve:"), 1);
    QVERIFY(texts.contains("Árvíztűrő 001 Kft."));
    QVERIFY(texts.contains("Kovács Péter"));
    QVERIFY(texts.contains("(62)555-00-01"));
    QVERIFY(doc.pageCount() >= 2);  // the notes continue on the next page
    QVERIFY(texts.filter("Hosszú feljegyzés").size() > 20);
  }
  partners.moveTo(5);
  PartnerRows all(partners, true);
  QCOMPARE(allTexts(prepare(partnerDataDocument(all, owner_))).count("Partner neve:"), 120);
  QCOMPARE(partners.currentRow(), 119);  // the dataset followed the printing
}

void TestPartnerDocuments::trainingDueSites() {
  auto& conn = module_.dm->ZConnection;
  conn.exec("delete from telephely");
  conn.exec(
      "insert into telephely (telephely_pkod, nev, isz, telepules, cim, datum_moktdat) values "
      "(1, 'Üzem', '6720', 'Szeged', 'Fő u. 1.', date '2025-03-01'), "         // a year and more before
      "(1, 'Iroda', '6720', 'Szeged', 'Fő u. 2.', date '2025-03-05'), "        // exactly 365 days before
      "(2, 'Raktár', '6000', 'Kecskemét', 'Ipar u. 3.', date '2025-12-01'), "  // recent
      "(2, 'Műhely', '6000', 'Kecskemét', 'Ipar u. 4.', null)");               // never trained
  Dataset sites(conn);
  sites.sqlLines() = trainingDueQuery();
  sites.setParam("ma", QDate(2026, 3, 5));
  sites.open();
  QCOMPARE(sites.recordCount(), 2);
  DatasetRows rows(sites);
  const PreparedDocument doc = prepare(trainingDueDocument(rows, owner_));
  const QStringList texts = allTexts(doc);
  QVERIFY(texts.contains("Időszakos munkavédelmi oktatás"));
  QCOMPARE(texts.count("Telephely neve:"), 2);
  QVERIFY(texts.contains("Iroda"));  // by name: Iroda before Üzem
  QVERIFY(texts.indexOf("Iroda") < texts.indexOf("Üzem"));
  QVERIFY(texts.contains("6720, Szeged, Fő u. 1."));
  QVERIFY(texts.contains("2025. 03. 01."));
  QVERIFY(texts.contains("2."));
  // None due: the window shows its message instead of an empty document.
  sites.setParam("ma", QDate(2025, 6, 1));
  sites.open();
  QVERIFY(sites.isEmpty());
  QCOMPARE(noSiteDueMessage(), QString("Nincsen a lekérdezésnek megfelelő Telephely!"));
}

void TestPartnerDocuments::gdprLetters() {
  Dataset partners(module_.dm->ZConnection);
  partners.setSql(
      "select *\nfrom partner\nwhere nev in ('Árvíztűrő 001 Kft.', 'Árvíztűrő 002 Kft.')\norder by nev");
  partners.open();
  QCOMPARE(partners.recordCount(), 2);
  const QDate date(2026, 3, 4);
  {
    PartnerRows one(partners, false);
    const PreparedDocument doc = prepare(gdprLetterDocument(one, owner_, "ügyvezető", date));
    QCOMPARE(doc.pageCount(), 1);
    const QStringList texts = allTexts(doc);
    for (const char* line :
         {"Tárgy: Adatkezelési tájékoztató, hozzájárulás", "Tisztelt Szerződött Partner!",
          "1.\tMunkavállaló neve", "9.\tTelefonszáma", "10. Baleset során elszenvdett sérülések",
          "11. Balesethez kapcsolódó tényállások, tanuvallomások", "Telefon elérhetőség: (62)123-45-67",
          "Kelt:", "Szeged, 2026. 3. 4.", "P.H.", "Munkavédelmi Iroda Kft.", "6720, Szeged, Kárász u. 5.",
          "Árvíztűrő 001 Kft.", "6720, Szeged, Tisza Lajos krt. 1", "Kovács Péter", "Céges aláírás",
          "ügyvezető", "Az adatkezelési tájékoztatót átvettem, az adatkezeléshez hozzájárulok:"})
      QVERIFY2(texts.contains(QString::fromUtf8(line)), line);
    QVERIFY(texts.join(" ").contains("2018. május 25-től"));  // the paragraphs, broken into lines
  }
  // One letter per partner, each on its own page with the partner's own address.
  PartnerRows all(partners, true);
  const PreparedDocument doc = prepare(gdprLetterDocument(all, owner_, "ügyvezető", date));
  QCOMPARE(doc.pageCount(), 2);
  QVERIFY(doc.pages[0].find("6720, Szeged, Tisza Lajos krt. 1"));
  QVERIFY(doc.pages[1].find("Árvíztűrő 002 Kft."));
  QVERIFY(doc.pages[1].find("6720, Szeged, Tisza Lajos krt. 2"));
  QVERIFY(!doc.pages[1].find("6720, Szeged, Tisza Lajos krt. 1"));
}

// One page of each document as a picture, when VAREKO_SCREENS names a folder.
void TestPartnerDocuments::pagesOfEachDocument() {
  const QString folder = qEnvironmentVariable("VAREKO_SCREENS");
  if (folder.isEmpty()) QSKIP("VAREKO_SCREENS not set");
  Dataset partners(module_.dm->ZConnection);
  partners.setSql("select *\nfrom partner\norder by nev");
  partners.open();
  PartnerRows one(partners, false);
  Dataset sites(module_.dm->ZConnection);
  sites.sqlLines() = trainingDueQuery();
  sites.setParam("ma", QDate(2026, 3, 5));
  sites.open();
  DatasetRows siteRows(sites);
  auto list = this->list(false);
  PartnerRows listRows(*list, true);
  const std::pair<const char*, PreparedDocument> documents[] = {
      {"Partner_adatai", prepare(partnerDataDocument(one, owner_))},
      {"Partnerek_listaja", prepare(partnerListDocument(listRows, owner_))},
      {"Idoszakos_oktatas", prepare(trainingDueDocument(siteRows, owner_))},
      {"GDPR_partnereknek", prepare(gdprLetterDocument(one, owner_, "ügyvezető", QDate(2026, 3, 4)))},
  };
  // Through the PDF, as the consultant gets it.
  const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
  if (pdftoppm.isEmpty()) QSKIP("pdftoppm is not installed");
  for (const auto& [name, doc] : documents) {
    const QString pdf = QStringLiteral("%1/%2.pdf").arg(folder, name);
    QVERIFY(writePdf(doc, pdf));
    QProcess process;
    process.start(pdftoppm, {"-png", "-r", "100", "-f", "1", "-l", "1", pdf, folder + "/" + name});
    QVERIFY(process.waitForFinished(20000));
  }
}

void TestPartnerDocuments::pdfOfTheList() {
  auto partners = list(false);
  PartnerRows rows(*partners, true);
  const PreparedDocument doc = prepare(partnerListDocument(rows, owner_));
  QTemporaryDir dir;
  const QString folder = qEnvironmentVariable("VAREKO_SCREENS");
  const QString path = (folder.isEmpty() ? dir.path() : folder) + "/Partnerek_listaja.pdf";
  QVERIFY(writePdf(doc, path));
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
  QProcess process;
  process.start(pdftotext, {path, "-"});
  QVERIFY(process.waitForFinished(20000));
  const QString extracted = QString::fromUtf8(process.readAllStandardOutput());
  QVERIFY(extracted.contains("Partnerek listája"));
  QVERIFY(extracted.contains("Árvíztűrő 120 Kft."));
  QVERIFY(extracted.contains("Tisza Lajos krt. 77"));
}

// Writes a picture of the preview when VAREKO_SCREENS names a folder (for the documentation).
void TestPartnerDocuments::previewScreenshot() {
  const QString folder = qEnvironmentVariable("VAREKO_SCREENS");
  if (folder.isEmpty()) QSKIP("VAREKO_SCREENS not set");
  auto partners = list(false);
  PartnerRows rows(*partners, true);
  TfrmNetScapePreview preview;
  preview.setDocument(prepare(partnerListDocument(rows, owner_)), false);
  preview.resize(900, 700);
  preview.show();
  QTest::qWait(50);
  QVERIFY(preview.grab().save(folder + "/TfrmNetScapePreview.png"));
}

QTEST_MAIN(TestPartnerDocuments)
#include "test_partner_documents.moc"
