#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "kit/report/Elements.h"
#include "kit/report/ReportEngine.h"
#include "kit/report/Rows.h"

using namespace kit::report;

namespace {

Element text(const QString& t, QRectF rect, bool bold = false) {
  return make::text(t, rect, 9, bold);
}
using make::field;

Band band(double height, std::vector<Element> elements) {
  Band b;
  b.height = height;
  b.elements = std::move(elements);
  return b;
}

// A list report: page header, column header "Név", detail of `nev`, footer "Oldal n / m".
Report listReport(RowSource* rows) {
  Report r;
  r.pageHeader = band(10, {text("Partnerek listája", {0, 0, 180, 8}, true)});
  r.columnHeader = band(8, {text("Név", {0, 1, 100, 6}, true)});
  r.rows = rows;
  r.detail = band(6, {field("nev", {0, 0, 120, 5.5})});
  r.pageFooter = band(10, {make::pageInfo("Oldal {page} / {pages}", {140, 2, 40, 6})});
  return r;
}

TableRows names(int n, const QString& prefix = "Partner ") {
  TableRows rows({"nev", "csoport"});
  for (int i = 1; i <= n; ++i)
    rows.append({prefix + QString::number(i).rightJustified(3, '0'), QString(QChar('A' + (i - 1) / 3))});
  return rows;
}

// The bottom of the page body: everything but the page footer stays above it.
double bodyBottom(const Report& r) {
  return r.page.size().height() - r.page.marginBottom - r.pageFooter->height;
}

}  // namespace

// The band engine on prepared pages: page breaks, headers and footers, stretching texts,
// groups, page numbers and composite documents.
class TestReportEngine : public QObject {
  Q_OBJECT

 private slots:
  void detailListOverThreePages();
  void stretchingTextContinuesOnTheNextPages();
  void groupHeadersAndFooters();
  void groupHeaderAgainOnContinuationPages();
  void compositeDocumentNumbersThroughAllReports();
  void emptyRowsStillPrintTitleAndSummary();
  void stretchingRichTextSplitsBetweenLines();
  void pdfOfThePages();
  void brokenLinesFitWhenPrinted();
};

void TestReportEngine::detailListOverThreePages() {
  TableRows rows = names(120);
  Document doc{"Partnerek", {listReport(&rows)}};
  const PreparedDocument prepared = prepare(doc);
  QCOMPARE(prepared.pageCount(), 3);
  int details = 0;
  for (int p = 0; p < prepared.pageCount(); ++p) {
    const PreparedPage& page = prepared.pages[p];
    QCOMPARE(page.texts().count("Név"), 1);  // the column header on every page
    QCOMPARE(page.texts().count("Partnerek listája"), 1);
    QVERIFY(page.find(QString("Oldal %1 / 3").arg(p + 1)));
    for (const PreparedItem& item : page.items)
      if (item.text.startsWith("Partner ")) {
        ++details;
        QVERIFY2(item.rect.bottom() <= bodyBottom(doc.reports[0]) + 0.01, qPrintable(item.text));
      }
    // The column header stands below the page header, above the first row.
    QVERIFY(page.find("Név")->rect.top() >= page.find("Partnerek listája")->rect.bottom());
  }
  QCOMPARE(details, 120);
  QVERIFY(prepared.pages[1].find("Partner 0")->rect.top() > prepared.pages[1].find("Név")->rect.top());
}

void TestReportEngine::stretchingTextContinuesOnTheNextPages() {
  QStringList paragraphs;
  for (int i = 1; i <= 150; ++i)
    paragraphs << QString(
                      "%1. sor: árvíztűrő tükörfúrógép, a munkaeszköz időszakos biztonsági felülvizsgálata")
                      .arg(i);
  Report r;
  r.pageHeader = band(10, {text("Fejléc", {0, 0, 100, 8})});
  Element memo = text(paragraphs.join("\n"), {0, 2, 180, 6});
  memo.stretch = true;
  r.title = band(10, {text("Megjegyzés:", {0, 0, 60, 5}, true), memo});
  r.pageFooter = band(10, {make::pageInfo("{page}. oldal", {0, 2, 40, 6})});
  r.summary = band(8, {text("Vége", {0, 0, 40, 6})});
  const PreparedDocument prepared = prepare(Document{"Emlékeztető", {r}});
  QVERIFY2(prepared.pageCount() >= 3, qPrintable(QString::number(prepared.pageCount())));
  QStringList lines;
  for (const PreparedPage& page : prepared.pages) {
    QCOMPARE(page.texts().count("Fejléc"), 1);
    for (const PreparedItem& item : page.items)
      if (item.text.contains(". sor:")) {
        lines << item.text;
        QVERIFY(item.rect.bottom() <= bodyBottom(r) + 0.01);
      }
  }
  // Every line once, in order, and nothing lost at the page breaks.
  QCOMPARE(lines.size(), 150);
  for (int i = 0; i < lines.size(); ++i) QVERIFY(lines[i].startsWith(QString("%1. sor:").arg(i + 1)));
  QCOMPARE(prepared.pages.front().texts().count("Megjegyzés:"), 1);
  QCOMPARE(prepared.pages.back().texts().count("Vége"), 1);
}

void TestReportEngine::groupHeadersAndFooters() {
  TableRows rows = names(7);  // groups A (3), B (3), C (1)
  Report r;
  r.rows = &rows;
  Group group;
  group.key = [](const RowSource& s) { return s.value("csoport"); };
  Element head;
  head.kind = Element::Kind::Field;
  head.compute = [](const RowSource& s) { return "Csoport: " + s.value("csoport").toString(); };
  head.rect = {0, 0, 100, 6};
  group.header = band(7, {head});
  Element foot = head;
  foot.compute = [](const RowSource& s) { return "Vége: " + s.value("csoport").toString(); };
  group.footer = band(7, {foot});
  r.groups.push_back(group);
  r.detail = band(6, {field("nev", {5, 0, 100, 5.5})});
  const QStringList texts = prepare(Document{"", {r}}).pages.front().texts();
  QCOMPARE(texts, (QStringList{"Csoport: A", "Partner 001", "Partner 002", "Partner 003", "Vége: A",
                               "Csoport: B", "Partner 004", "Partner 005", "Partner 006", "Vége: B",
                               "Csoport: C", "Partner 007", "Vége: C"}));
}

void TestReportEngine::groupHeaderAgainOnContinuationPages() {
  TableRows rows({"nev", "csoport"});
  for (int i = 1; i <= 90; ++i) rows.append({QString("Gép %1").arg(i), i <= 80 ? "Daruk" : "Targoncák"});
  Report r = listReport(&rows);
  Group group;
  group.key = [](const RowSource& s) { return s.value("csoport"); };
  Element head;
  head.kind = Element::Kind::Field;
  head.field = "csoport";
  head.rect = {0, 0, 100, 6};
  group.header = band(7, {head});
  r.groups.push_back(group);
  const PreparedDocument prepared = prepare(Document{"", {r}});
  QVERIFY(prepared.pageCount() >= 3);
  // The group of the rows continued on a page is named at its top, under the column header.
  QVERIFY(prepared.pages[1].find("Daruk"));
  QVERIFY(prepared.pages[1].find("Daruk")->rect.top() > prepared.pages[1].find("Név")->rect.top());
  QVERIFY(prepared.pages[1].find("Daruk")->rect.top() < prepared.pages[1].find("Gép ")->rect.top());
  QStringList all;
  for (const PreparedPage& p : prepared.pages) all += p.texts();
  QCOMPARE(all.count("Targoncák"), 1);
}

void TestReportEngine::compositeDocumentNumbersThroughAllReports() {
  TableRows first = names(10, "Első "), second = names(40, "Második "), third = names(5, "Harmadik ");
  Document doc{"Összesítő", {listReport(&first), listReport(&second), listReport(&third)}};
  doc.reports[1].page.landscape = true;
  const PreparedDocument prepared = prepare(doc);
  // Each report starts on a page of its own; the landscape one takes two pages.
  QCOMPARE(prepared.pageCount(), 4);
  QCOMPARE(prepared.pages[0].report, 0);
  QCOMPARE(prepared.pages[1].report, 1);
  QCOMPARE(prepared.pages[2].report, 1);
  QCOMPARE(prepared.pages[3].report, 2);
  QCOMPARE(prepared.pages[1].size, QSizeF(297, 210));
  QVERIFY(prepared.pages[3].find("Harmadik 001"));
  QVERIFY(!prepared.pages[3].find("Második"));
  for (int p = 0; p < 4; ++p) QVERIFY(prepared.pages[p].find(QString("Oldal %1 / 4").arg(p + 1)));
}

void TestReportEngine::emptyRowsStillPrintTitleAndSummary() {
  TableRows none({"nev"});
  Report r = listReport(&none);
  r.title = band(8, {text("Cím", {0, 0, 50, 6})});
  r.summary = band(8, {text("Összesen: 0", {0, 0, 50, 6})});
  const PreparedDocument prepared = prepare(Document{"", {r}});
  QCOMPARE(prepared.pageCount(), 1);
  QVERIFY(prepared.pages[0].find("Cím"));
  QVERIFY(prepared.pages[0].find("Összesen: 0"));
  QVERIFY(!prepared.pages[0].find("Név"));  // no rows: no column header
}

void TestReportEngine::stretchingRichTextSplitsBetweenLines() {
  auto doc = std::make_shared<QTextDocument>();
  QString html;
  for (int i = 1; i <= 200; ++i)
    html += QString("<p><b>%1.</b> Vizsgálati pont szövege, árvíztűrő.</p>").arg(i);
  doc->setHtml(html);
  Report r;
  Element rich;
  rich.kind = Element::Kind::RichText;
  rich.richText = doc;
  rich.rect = {0, 0, 180, 10};
  rich.stretch = true;
  r.title = band(10, {rich});
  r.pageFooter = band(10, {});
  const PreparedDocument prepared = prepare(Document{"", {r}});
  QVERIFY(prepared.pageCount() >= 2);
  double covered = 0;
  for (const PreparedPage& page : prepared.pages)
    for (const PreparedItem& item : page.items) {
      QCOMPARE(item.kind, PreparedItem::Kind::RichText);
      QCOMPARE(item.richTextOffset, covered);  // the parts follow each other without a gap
      covered += item.rect.height();
      QVERIFY(item.rect.bottom() <= bodyBottom(r) + 0.01);
    }
  QVERIFY(std::abs(covered - doc->size().height() * kMmPerPoint) < 0.01);
}

void TestReportEngine::pdfOfThePages() {
  TableRows rows = names(120, "Árvíztűrő Kft. ");
  const PreparedDocument prepared = prepare(Document{"Partnerek listája", {listReport(&rows)}});
  QTemporaryDir dir;
  const QString folder = qEnvironmentVariable("VAREKO_SCREENS");  // keeps the file to look at
  const QString path = (folder.isEmpty() ? dir.path() : folder) + "/partnerek.pdf";
  QVERIFY(writePdf(prepared, path));
  QFile pdf(path);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  QVERIFY(bytes.startsWith("%PDF"));
  QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 3);
  QVERIFY(!writePdf(PreparedDocument{}, path));

  // The text of the PDF reads back with every accent (poppler's pdftotext, installed by
  // scripts/test).
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
  QProcess process;
  process.start(pdftotext, {"-layout", path, "-"});
  QVERIFY(process.waitForFinished(20000));
  const QString extracted = QString::fromUtf8(process.readAllStandardOutput());
  QVERIFY(extracted.contains("Partnerek listája"));
  QVERIFY(extracted.contains("Árvíztűrő Kft. 001"));
  QVERIFY(extracted.contains("Árvíztűrő Kft. 120"));
  QVERIFY(extracted.contains("Oldal 3 / 3"));
}

// A line broken for a width must not run past it when drawn at the resolution of the PDF files
// (glyph widths fitted to a coarse measuring device are narrower than printed ones).
void TestReportEngine::brokenLinesFitWhenPrinted() {
  const QString paragraph = QStringLiteral(
      "Cégünk a megbízási szerződés alapján munkavédelmi szolgáltatást nyújt Önöknek: kockázatértékelést, "
      "munkavédelmi oktatást, munkaeszközök időszakos biztonsági felülvizsgálatát, valamint a munkabalesetek "
      "kivizsgálását és nyilvántartását végzi. Ehhez a munkavállalók egyes személyes adatait kezelnünk kell, "
      "kizárólag a munkavédelemről szóló törvényben előírt feladatok ellátása céljából.");
  QImage printer(4, 4, QImage::Format_ARGB32);
  printer.setDotsPerMeterX(11811);  // 300 dpi
  printer.setDotsPerMeterY(11811);
  for (double width : {60.0, 120.0, 183.0}) {
    kit::report::Font font;
    font.pointSize = 9;
    QFont qfont(font.family);
    qfont.setPointSizeF(font.pointSize);
    const QFontMetricsF metrics(qfont, &printer);
    for (const QString& line : kit::report::breakLines(paragraph, font, width, true))
      QVERIFY2(metrics.horizontalAdvance(line) / (300 / 25.4) <= width, qPrintable(line));
  }
}

QTEST_MAIN(TestReportEngine)
#include "test_report_engine.moc"
