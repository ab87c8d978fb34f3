#include <iconv.h>

#include <QtTest>

#include "kit/text/Cp1250.h"
#include "kit/text/TextHelpers.h"

using namespace kit::text;

class TestText : public QObject {
  Q_OBJECT

 private slots:
  void helpers_data();
  void helpers();
  void cp1250MatchesTheSystemConverter();
  void cp1250RoundTripsHungarian();
  void workstationTextDetection_data();
  void workstationTextDetection();
};

// One row per example: which helper, its input and the expected result.
void TestText::helpers_data() {
  QTest::addColumn<QString>("helper");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("expected");

  struct Example {
    const char *tag, *helper, *input, *expected;
  };
  const Example examples[] = {
      {"date", "date", "2013-05-07", "2013. 05. 07."},
      {"date, null", "date", "", ""},
      {"point 1.2.10", "point", "1.2.10", "01.02.10."},
      {"point 3", "point", "3", "03."},
      {"point 12.1", "point", "12.1", "12.01."},
      {"point three digits kept", "point", "1.100", "01.100."},
      {"point with final dot", "point", "2.3.", "02.03."},
      {"point empty", "point", "", ""},
      {"dots none", "dots", "12", "0"},
      {"dots three", "dots", "1.2.3.", "3"},
      {"upper ascii", "upper", "abc xyz 123", "ABC XYZ 123"},
      {"upper Hungarian", "upper", "árvíztűrő tükörfúrógép", "ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"},
      {"upper keeps capitals", "upper", "ÁRVÍZTŰRŐ", "ÁRVÍZTŰRŐ"},
      {"upper leaves foreign letters", "upper", "äčł", "äčł"},
      {"upper Defence Forces", "upper", "Magyar Honvédség 1. ezred", "MAGYAR HONVÉDSÉG 1. EZRED"},
      {"capitalised", "cap", "kiss-nagy éva", "Kiss-Nagy Éva"},
      {"capitalised rest kept", "cap", "mcDonald ödön", "McDonald Ödön"},
      {"capitalised keeps blanks", "cap", " ügyes úr", " Ügyes Úr"},
      {"trimmed capitalised", "trimcap", "  szabó ákos  ", "Szabó Ákos"},
      {"trimmed capitalised empty", "trimcap", "", ""},
      {"trimmed capitalised blanks only", "trimcap", "   ", ""},
      {"column 0", "column", "0", "A"},
      {"column 25", "column", "25", "Z"},
      {"column 26", "column", "26", "AA"},
      {"column 27", "column", "27", "AB"},
      {"column 51", "column", "51", "AZ"},
      {"column 52", "column", "52", "BA"},
      {"column 77", "column", "77", "BZ"},
      {"column 78", "column", "78", "CA"},
      {"column 103", "column", "103", "CZ"},
      {"column 104", "column", "104", "DA"},
      {"column 129", "column", "129", "DZ"},
      {"column 130", "column", "130", "EA"},
      {"column 155", "column", "155", "EZ"},
      {"column negative", "column", "-1", ""},
  };
  for (const Example& e : examples)
    QTest::newRow(e.tag) << QString(e.helper) << QString(e.input) << QString(e.expected);
}

void TestText::helpers() {
  QFETCH(QString, helper);
  QFETCH(QString, input);
  QFETCH(QString, expected);
  QString actual;
  if (helper == "date") actual = dateAsText(QDate::fromString(input, Qt::ISODate));
  if (helper == "point") actual = pointNumberForSorting(input);
  if (helper == "dots") actual = QString::number(countDots(input));
  if (helper == "upper") actual = hungarianUpper(input);
  if (helper == "cap") actual = capitalisedWords(input);
  if (helper == "trimcap") actual = trimmedCapitalisedWords(input);
  if (helper == "column") actual = columnLetters(input.toInt());
  QCOMPARE(actual, expected);
}

// Every defined byte decodes as the C library's converter decodes it, and encodes back.
void TestText::cp1250MatchesTheSystemConverter() {
  iconv_t cd = iconv_open("UTF-8", "CP1250");
  QVERIFY(cd != iconv_t(-1));
  int compared = 0;
  for (int b = 0; b < 256; ++b) {
    char in[1] = {char(b)};
    char out[8] = {};
    char* inp = in;
    char* outp = out;
    size_t inLeft = 1, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == size_t(-1)) continue;  // undefined byte
    const QString expected = QString::fromUtf8(out, int(sizeof out - outLeft));
    QCOMPARE(fromCp1250(QByteArray(1, char(b))), expected);
    QCOMPARE(toCp1250(expected), QByteArray(1, char(b)));
    ++compared;
  }
  iconv_close(cd);
  QVERIFY2(compared >= 251, "the system converter knew too few bytes");
}

void TestText::cp1250RoundTripsHungarian() {
  const QString text = QStringLiteral("árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP");
  const QByteArray bytes = toCp1250(text);
  QCOMPARE(bytes.size(), text.size());
  QCOMPARE(quint8(bytes[toCp1250(u"árvízt").size()]), quint8(0xFB));  // ű
  QCOMPARE(fromCp1250(bytes), text);
  QVERIFY(fitsCp1250(text));
  QVERIFY(!fitsCp1250(u"日本"));
  QCOMPARE(toCp1250(u"a日b"), QByteArray("a?b"));
  // Undefined bytes survive a round trip.
  const QByteArray odd("\x81\x83\x88\x90\x98", 5);
  QCOMPARE(toCp1250(fromCp1250(odd)), odd);
}

void TestText::workstationTextDetection_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("text");
  const QString hu = QStringLiteral("Szőlő utca");
  QTest::newRow("windows-1250") << toCp1250(hu) << hu;
  QTest::newRow("utf-8") << hu.toUtf8() << hu;
  QTest::newRow("utf-8 with BOM") << QByteArray("\xEF\xBB\xBF") + hu.toUtf8() << hu;
  QTest::newRow("ascii") << QByteArray("Host=db") << QStringLiteral("Host=db");
}

void TestText::workstationTextDetection() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, text);
  QCOMPARE(decodeWorkstationText(bytes), text);
}

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
