#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include "kit/richtext/TemplateMerge.h"

using kit::richtext::mergeTemplate;

namespace {

// Queries and columns of a small data module: Beszallas.nev, Beszallas.hely, Ures.adat (empty).
std::optional<QString> lookup(const QString& query, const QString& column) {
  const QString q = query.toLower(), c = column.toLower();
  if (q == "nyomtat_beszallas" && c == "nev") return QString("Kovács Péter");
  if (q == "nyomtat_beszallas" && c == "hely") return QString("Szeged, Tisza Lajos krt. 2.");
  if (q == "nyomtat_beszallas" && c == "tilde") return QString("a~b~c");
  if (q == "ures" && c == "adat") return QString();
  return std::nullopt;
}

QString merged(const QString& html, int* count = nullptr) {
  QTextDocument doc;
  doc.setHtml(html);
  const int n = mergeTemplate(doc, lookup);
  if (count) *count = n;
  return doc.toPlainText();
}

}  // namespace

// Filling rich-text templates: markers between two "~" replaced by the values they name.
class TestTemplateMerge : public QObject {
  Q_OBJECT

 private slots:
  void markers_data();
  void markers();
  void markerInBoldStaysBold();
  void valuesAreNotScannedAgain();
};

void TestTemplateMerge::markers_data() {
  QTest::addColumn<QString>("html");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("count");
  QTest::newRow("plain") << "Belépő: ~Nyomtat_Beszallas.nev~."
                         << "Belépő: Kovács Péter." << 1;
  QTest::newRow("blanks around the dot") << "~ Nyomtat_Beszallas . nev ~"
                                         << "Kovács Péter" << 1;
  QTest::newRow("names in any case") << "~NYOMTAT_beszallas.NEV~"
                                     << "Kovács Péter" << 1;
  QTest::newRow("unknown column") << "[~Nyomtat_Beszallas.nincs~]"
                                  << "[{HIBÁS MEZŐ}]" << 1;
  QTest::newRow("unknown query") << "[~Nincs.nev~]"
                                 << "[{HIBÁS MEZŐ}]" << 1;
  QTest::newRow("no dot") << "[~Nyomtat_Beszallas~]"
                          << "[{HIBÁS MEZŐ}]" << 1;
  QTest::newRow("empty value") << "[~Ures.adat~]"
                               << "[]" << 1;
  QTest::newRow("two in one paragraph") << "~Nyomtat_Beszallas.nev~, ~Nyomtat_Beszallas.hely~"
                                        << "Kovács Péter, Szeged, Tisza Lajos krt. 2." << 2;
  QTest::newRow("no closing partner") << "~Nyomtat_Beszallas.nev~ és ~ marad"
                                      << "Kovács Péter és ~ marad" << 1;
  QTest::newRow("no markers") << "Semmi jelölő"
                              << "Semmi jelölő" << 0;
  QTest::newRow("in separate paragraphs") << "<p>~Nyomtat_Beszallas.nev~</p><p>~Nyomtat_Beszallas.hely~</p>"
                                          << "Kovács Péter\nSzeged, Tisza Lajos krt. 2." << 2;
}

void TestTemplateMerge::markers() {
  QFETCH(QString, html);
  QFETCH(QString, text);
  QFETCH(int, count);
  int replaced = -1;
  QCOMPARE(merged(html, &replaced), text);
  QCOMPARE(replaced, count);
}

void TestTemplateMerge::markerInBoldStaysBold() {
  QTextDocument doc;
  doc.setHtml("Név: <b>~Nyomtat_Beszallas.nev~</b> vége");
  mergeTemplate(doc, lookup);
  QCOMPARE(doc.toPlainText(), QString("Név: Kovács Péter vége"));
  QTextCursor c(&doc);
  c.setPosition(QString("Név: K").size());
  QVERIFY(c.charFormat().font().bold());
  c.setPosition(QString("Név: Kovács Péter v").size());
  QVERIFY(!c.charFormat().font().bold());
}

void TestTemplateMerge::valuesAreNotScannedAgain() {
  QCOMPARE(merged("~Nyomtat_Beszallas.tilde~ és ~Nyomtat_Beszallas.nev~"), QString("a~b~c és Kovács Péter"));
}

QTEST_MAIN(TestTemplateMerge)
#include "test_template_merge.moc"
