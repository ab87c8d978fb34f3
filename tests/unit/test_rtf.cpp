#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>
#include <QtTest>

#include "kit/richtext/Rtf.h"
#include "kit/richtext/TemplateMerge.h"
#include "kit/text/Cp1250.h"

using namespace kit::richtext;

namespace {

const QString kHungarian = QStringLiteral("árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP");

// The formatting of the character at a position.
QTextCharFormat formatAt(QTextDocument& doc, int position) {
  QTextCursor c(&doc);
  c.setPosition(position + 1);
  return c.charFormat();
}

}  // namespace

// Reading and writing rich text.
class TestRtf : public QObject {
  Q_OBJECT

 private slots:
  void readsWhatWordProcessorsWrite();
  void readsAFileWrittenByLibreOffice();
  void roundTripKeepsTextAndFormatting();
  void tables();
  void charactersOutsideTheCodePage();
  void brokenInput_data();
  void brokenInput();
  void fileErrorsNameTheFile();
  void deliveredTemplates_data();
  void deliveredTemplates();
};

// A document in the form word processors write: font and colour tables, a style sheet and a
// picture to skip, \'xx letters in windows-1250, \u characters, fields, paragraphs.
void TestRtf::readsWhatWordProcessorsWrite() {
  const QByteArray rtf =
      "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\froman\\fcharset238 Times New Roman;}"
      "{\\f1\\fswiss\\fcharset238 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
      "{\\stylesheet{\\s0 Normal;}}{\\*\\generator Riched20;}{\\info{\\title Minta}}\n"
      "\\pard\\qc\\f1\\fs28\\b BESZ\\'c1LL\\'c1SI ENGED\\'c9LY\\b0\\par\n"
      "\\pard\\li720\\f0\\fs24 Helysz\\'edn: {\\i Szeged}, {\\cf1 piros} \\u337?t\\u369?r\\tab "
      "v\\'e9ge\\par\n"
      "{\\pict\\pngblip 89504e470d0a}{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}\\line m\\'e1sodik\\~sor}";
  QTextDocument doc;
  QString error;
  QVERIFY2(readRtf(rtf, doc, &error), qPrintable(error));
  QCOMPARE(doc.blockCount(), 3);
  QCOMPARE(doc.begin().text(), QString("BESZÁLLÁSI ENGEDÉLY"));
  QCOMPARE(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  QVERIFY(formatAt(doc, 0).font().bold());
  QCOMPARE(formatAt(doc, 0).fontPointSize(), 14.0);
  QCOMPARE(formatAt(doc, 0).fontFamilies().toStringList().value(0), QString("Arial"));
  const QTextBlock second = doc.begin().next();
  QCOMPARE(second.text(), QString("Helyszín: Szeged, piros őtűr\tvége"));
  QCOMPARE(second.blockFormat().leftMargin(), 36.0);
  const int szeged = second.position() + second.text().indexOf("Szeged");
  QVERIFY(formatAt(doc, szeged).fontItalic());
  QVERIFY(!formatAt(doc, szeged).font().bold());
  QCOMPARE(formatAt(doc, second.position() + second.text().indexOf("piros")).foreground().color(),
           QColor(255, 0, 0));
  QCOMPARE(second.next().text(), QString("1") + QChar::LineSeparator + "második" + QChar(0x00A0) + "sor");
}

void TestRtf::readsAFileWrittenByLibreOffice() {
  QTextDocument doc;
  QString error;
  QVERIFY2(loadRtfFile(QString(VAREKO_TEST_DATA) + "/rtf/libreoffice_minta.rtf", doc, &error),
           qPrintable(error));
  QCOMPARE(doc.toPlainText(), "BESZÁLLÁSI ENGEDÉLY\nBelépő: ~Nyomtat_Beszallas.nev~, " + kHungarian +
                                  "\nMásodik bekezdés: őű ŐŰ €\n");
  QVERIFY(formatAt(doc, 0).font().bold());
  QCOMPARE(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  const QTextBlock second = doc.begin().next();
  QVERIFY(formatAt(doc, second.position() + second.text().indexOf("árvíztűrő")).fontItalic());
  QVERIFY(!formatAt(doc, second.position()).fontItalic());
}

void TestRtf::roundTripKeepsTextAndFormatting() {
  QTextDocument doc;
  doc.setHtml("<p align=center><b>" + kHungarian +
              "</b></p><p><i>dőlt</i> <u>aláhúzott</u> "
              "<span style='font-size:16pt; color:#0000ff'>kék nagy</span> \\ { } jelek</p>"
              "<p style='margin-left:20px'>behúzott\tsor</p>");
  QTextCursor pageCursor(doc.lastBlock());
  QTextBlockFormat breakFormat = pageCursor.blockFormat();
  breakFormat.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  pageCursor.setBlockFormat(breakFormat);
  const QByteArray rtf = writeRtf(doc);
  QVERIFY(rtf.startsWith("{\\rtf1"));
  QVERIFY(!rtf.contains("ő"));  // written in windows-1250 escapes
  QTextDocument back;
  QString error;
  QVERIFY2(readRtf(rtf, back, &error), qPrintable(error));
  QCOMPARE(back.toPlainText(), doc.toPlainText());
  QCOMPARE(back.blockCount(), doc.blockCount());
  QVERIFY(formatAt(back, 0).font().bold());
  QCOMPARE(back.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  const QTextBlock second = back.begin().next();
  QVERIFY(formatAt(back, second.position()).fontItalic());
  QVERIFY(formatAt(back, second.position() + second.text().indexOf("aláhúzott")).fontUnderline());
  const QTextCharFormat blue = formatAt(back, second.position() + second.text().indexOf("kék"));
  QCOMPARE(blue.fontPointSize(), 16.0);
  QCOMPARE(blue.foreground().color(), QColor(0, 0, 255));
  QVERIFY(back.lastBlock().blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
  QVERIFY(back.lastBlock().blockFormat().leftMargin() > 0);
  // Writing what was read gives the same again.
  QCOMPARE(writeRtf(back), rtf);
}

void TestRtf::tables() {
  const auto tableOf = [](QTextDocument& doc) -> QTextTable* {
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it)
      if (auto* t = qobject_cast<QTextTable*>(it.currentFrame())) return t;
    return nullptr;
  };
  const auto cellText = [](QTextTable* t, int r, int c) {
    QTextCursor a = t->cellAt(r, c).firstCursorPosition();
    a.setPosition(t->cellAt(r, c).lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return a.selectedText();
  };
  QTextDocument doc;
  QVERIFY(loadRtfFile(QString(VAREKO_TEST_DATA) + "/rtf/tablazat.rtf", doc));
  QTextTable* table = tableOf(doc);
  QVERIFY(table);
  QCOMPARE(table->rows(), 1);
  QCOMPARE(table->columns(), 2);
  QCOMPARE(cellText(table, 0, 0), QString("Egy"));
  QCOMPARE(cellText(table, 0, 1), QString("Kettő"));
  QVERIFY(doc.toPlainText().contains(QString(QChar(0x2022)) + "\tPont"));

  // A table written and read again keeps its rows, columns and cells.
  QTextDocument source;
  QTextCursor c(&source);
  c.insertText("Előtte");
  QTextTable* written = c.insertTable(2, 3);
  for (int r = 0; r < 2; ++r)
    for (int col = 0; col < 3; ++col)
      written->cellAt(r, col).firstCursorPosition().insertText(QString("c%1%2 ő").arg(r).arg(col));
  c.movePosition(QTextCursor::End);
  c.insertText("Utána");
  QTextDocument back;
  QVERIFY(readRtf(writeRtf(source), back));
  QTextTable* read = tableOf(back);
  QVERIFY(read);
  QCOMPARE(read->rows(), 2);
  QCOMPARE(read->columns(), 3);
  QCOMPARE(cellText(read, 1, 2), QString("c12 ő"));
  QCOMPARE(back.begin().text(), QString("Előtte"));
  QCOMPARE(back.lastBlock().text(), QString("Utána"));
}

void TestRtf::charactersOutsideTheCodePage() {
  QTextDocument doc;
  doc.setPlainText("€ ő ✓ 日本");
  const QByteArray rtf = writeRtf(doc);
  QVERIFY(rtf.contains("\\u10003?"));
  QTextDocument back;
  QVERIFY(readRtf(rtf, back));
  QCOMPARE(back.toPlainText(), QString("€ ő ✓ 日本"));
}

void TestRtf::brokenInput_data() {
  QTest::addColumn<QByteArray>("rtf");
  QTest::addColumn<bool>("ok");
  QTest::addColumn<QString>("text");
  QTest::newRow("not rtf") << QByteArray("Sima szöveg") << false << "";
  QTest::newRow("empty") << QByteArray() << false << "";
  QTest::newRow("truncated") << QByteArray("{\\rtf1\\ansi{\\b f\\'e9lk\\'e9") << false << "félké";
  QTest::newRow("escape cut off") << QByteArray("{\\rtf1 a\\'") << false << "a";
  QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << false << "a";
  QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs99999999999999 nagy\\u99999999999 x}") << true
                                << "nagy";
  QTest::newRow("binary data skipped") << QByteArray("{\\rtf1 a{\\pict\\bin4 {{{{}b}") << true << "ab";
  QTest::newRow("deep nesting") << QByteArray("{\\rtf1 ") + QByteArray(5000, '{') + "x" +
                                       QByteArray(5000, '}') + "}"
                                << false << "";
  QTest::newRow("extra closing braces") << QByteArray("{\\rtf1\\ansicpg1250 v\\'e9ge}}}") << true << "vége";
}

void TestRtf::brokenInput() {
  QFETCH(QByteArray, rtf);
  QFETCH(bool, ok);
  QFETCH(QString, text);
  QTextDocument doc;
  QString error;
  QCOMPARE(readRtf(rtf, doc, &error), ok);
  QCOMPARE(error.isEmpty(), ok);
  QVERIFY2(doc.toPlainText().startsWith(text), qPrintable(doc.toPlainText()));
}

void TestRtf::fileErrorsNameTheFile() {
  QTemporaryDir dir;
  QTextDocument doc;
  QString error;
  QVERIFY(!loadRtfFile(dir.filePath("daru1.rtf"), doc, &error));
  QCOMPARE(error, QString("A(z) daru1.rtf állomány nem nyitható meg."));
  QFile broken(dir.filePath("hibas.rtf"));
  QVERIFY(broken.open(QIODevice::WriteOnly));
  broken.write("{\\rtf1 csonka {\\b");
  broken.close();
  QVERIFY(!loadRtfFile(broken.fileName(), doc, &error));
  QVERIFY2(error.startsWith("A(z) hibas.rtf állomány nem olvasható:"), qPrintable(error));
}

void TestRtf::deliveredTemplates_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<int>("markers");
  QTest::newRow("beszallas.rtf") << "beszallas.rtf" << 13;
  QTest::newRow("beszallas2.rtf") << "beszallas2.rtf" << 26;
}

// The delivered templates read as written, and every marker names a column of the permit.
void TestRtf::deliveredTemplates() {
  QFETCH(QString, file);
  QFETCH(int, markers);
  QFile columns(QString(VAREKO_TEST_DATA) + "/schema/D.txt");
  QVERIFY(columns.open(QIODevice::ReadOnly));
  QSet<QString> permit;
  for (const QByteArray& line : columns.readAll().split('\n'))
    if (line.startsWith("nyomtat_beszallas ")) permit.insert(QString::fromUtf8(line.mid(18)).trimmed());
  QTextDocument doc;
  QString error;
  QVERIFY2(loadRtfFile(QString(VAREKO_DIST_DIR) + "/minta/" + file, doc, &error), qPrintable(error));
  QStringList unknown;
  const int replaced =
      mergeTemplate(doc, [&](const QString& query, const QString& column) -> std::optional<QString> {
        if (query.compare("Nyomtat_Beszallas", Qt::CaseInsensitive) != 0 ||
            !permit.contains(column.toLower())) {
          unknown << query + "." + column;
          return std::nullopt;
        }
        return "<" + column + ">";
      });
  QCOMPARE(replaced, markers);
  QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(", ")));
  QVERIFY(!doc.toPlainText().contains('~'));
  QVERIFY(doc.toPlainText().contains("<nyilvszam>") || doc.toPlainText().contains("<kelthely>"));
}

QTEST_MAIN(TestRtf)
#include "test_rtf.moc"
