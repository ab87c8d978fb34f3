#include <QtTest>

#include "core/DM.h"
#include "core/SharedQueries.h"
#include "kit/data/SqlParams.h"

using core::TDM;

// The rewriting of query texts: named parameters, the row-count text, the page clause and
// the shared queries' names and texts.
class TestQueryText : public QObject {
  Q_OBJECT

 private slots:
  void namedParameters_data();
  void namedParameters();
  void rowCountLines_data();
  void rowCountLines();
  void pageClause_data();
  void pageClause();
  void pageClauseTwiceLeavesOneLine();
  void pagingOffDoesNotGrowTheText();
  void sharedQueryNamesAndTexts();
};

void TestQueryText::namedParameters_data() {
  QTest::addColumn<QString>("sql");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("names");
  QTest::newRow("two names") << "select * from t where a=:pkod and b=:TKOD"
                             << "select * from t where a=$1 and b=$2" << QStringList{"pkod", "tkod"};
  QTest::newRow("name used twice") << "where a=:x or b=:X"
                                   << "where a=$1 or b=$1" << QStringList{"x"};
  QTest::newRow("cast left alone") << "select a::text from t where b=:b"
                                   << "select a::text from t where b=$1" << QStringList{"b"};
  QTest::newRow("inside quotes") << "select ':no', \":neither\" from t where c = :yes"
                                 << "select ':no', \":neither\" from t where c = $1" << QStringList{"yes"};
  QTest::newRow("quote doubled") << "select 'it''s :no' where x=:y"
                                 << "select 'it''s :no' where x=$1" << QStringList{"y"};
  QTest::newRow("comments") << "select 1 -- :no\n/* :neither */ where z=:z"
                            << "select 1 -- :no\n/* :neither */ where z=$1" << QStringList{"z"};
  QTest::newRow("dollar quoted") << "do $$ begin perform :no; end $$; select :a"
                                 << "do $$ begin perform :no; end $$; select $1" << QStringList{"a"};
  QTest::newRow("accented name") << "where nev=:név"
                                 << "where nev=$1" << QStringList{"név"};
  QTest::newRow("time literal") << "select '10:30'"
                                << "select '10:30'" << QStringList{};
}

void TestQueryText::namedParameters() {
  QFETCH(QString, sql);
  QFETCH(QString, text);
  QFETCH(QStringList, names);
  const auto positional = kit::data::toPositional(sql);
  QCOMPARE(positional.text, text);
  QCOMPARE(positional.names, names);
}

void TestQueryText::rowCountLines_data() {
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<QStringList>("counted");
  QTest::newRow("four-line paged query")
      << QStringList{"select *", "from partner", "order by nev", "  LIMIT 50 OFFSET 100"}
      << QStringList{"select COUNT(*)", "from partner", "", ""};
  QTest::newRow("select list over several lines")
      << QStringList{"select nev,",         "  isz,",      "  varos", "from partner",
                     "where szerzodes = 1", "order by nev"}
      << QStringList{"select COUNT(*)", "", "", "from partner", "where szerzodes = 1", ""};
  QTest::newRow("indented lower-case lines")
      << QStringList{"select *", "   From dolgozo", "  where (dolgozo_pkod=:pkod)", "   order by nev",
                     "limit 10"}
      << QStringList{"select COUNT(*)", "   From dolgozo", "  where (dolgozo_pkod=:pkod)", "", ""};
  QTest::newRow("one line counts as a bare count")
      << QStringList{"select * from partner order by nev"} << QStringList{"select COUNT(*)"};
}

void TestQueryText::rowCountLines() {
  QFETCH(QStringList, lines);
  QFETCH(QStringList, counted);
  QCOMPARE(TDM::rowCountLines(lines), counted);
}

void TestQueryText::pageClause_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<bool>("off");
  QTest::addColumn<QString>("clause");
  QTest::newRow("first page") << 0 << false << "  LIMIT 50";
  QTest::newRow("page index 2") << 2 << false << "  LIMIT 50 OFFSET 100";
  QTest::newRow("paging off") << 2 << true << "";
}

void TestQueryText::pageClause() {
  QFETCH(int, page);
  QFETCH(bool, off);
  QFETCH(QString, clause);
  QStringList lines{"select *", "from partner", "order by nev"};
  TDM::applyPageClause(lines, page, off, 50);
  QCOMPARE(lines, (QStringList{"select *", "from partner", "order by nev", clause}));
}

void TestQueryText::pageClauseTwiceLeavesOneLine() {
  QStringList lines{"select *", "from partner", "order by nev"};
  TDM::applyPageClause(lines, 2, false, 50);
  TDM::applyPageClause(lines, 2, false, 50);
  QCOMPARE(lines.filter("LIMIT").size(), 1);
  TDM::applyPageClause(lines, 0, false, 50);
  QCOMPARE(lines.last(), QString("  LIMIT 50"));
  QCOMPARE(lines.size(), 4);
  // A LIMIT on the first line is not the page line: the clause is appended.
  QStringList oneLine{"  LIMIT 5"};
  TDM::applyPageClause(oneLine, 1, false, 50);
  QCOMPARE(oneLine, (QStringList{"  LIMIT 5", "  LIMIT 50 OFFSET 50"}));
}

void TestQueryText::pagingOffDoesNotGrowTheText() {
  QStringList lines{"select *", "from partner", "order by nev", "  LIMIT 50"};
  for (int i = 0; i < 5; ++i) TDM::applyPageClause(lines, 0, true, 50);
  QCOMPARE(lines, (QStringList{"select *", "from partner", "order by nev", ""}));
  TDM::applyPageClause(lines, 1, false, 50);
  QCOMPARE(lines, (QStringList{"select *", "from partner", "order by nev", "", "  LIMIT 50 OFFSET 50"}));
}

void TestQueryText::sharedQueryNamesAndTexts() {
  QCOMPARE(core::queryNameOf("gep_jegyzokonyv"), QString("ZQueryGep_Jegyzokonyv"));
  QCOMPARE(core::queryNameOf("nyomtat_beszallas"), QString("ZQueryNyomtat_Beszallas"));
  TDM dm;
  for (const char* name :
       {"ZQueryUser", "ZQueryTulajdonos", "ZQueryVerzio", "ZQueryServer_Down", "ZQueryPartner",
        "zquerynyomtat_beszallas", "ZQueryFixdata_Helyseg", "ZQueryKockazat_Ertekelesexpozicio"})
    QVERIFY2(dm.query(name), name);
  QVERIFY(!dm.query("ZQueryNincsIlyen"));
  QCOMPARE(dm.ZQueryPartner().sqlLines(), (QStringList{"select *", "from partner", "order by nev"}));
  QCOMPARE(dm.query("ZQueryDolgozo")->sqlLines(),
           (QStringList{"select *", "from dolgozo", "where (dolgozo_pkod=:pkod) and (dolgozo_tkod=:tkod)",
                        "order by nev"}));
  QCOMPARE(dm.ZQueryTelephely().sqlLines()[2], QString("where telephely_pkod=:parampkod"));
  QCOMPARE(dm.ZQueryUser().updateTable(), QString("kaq_user"));
  QCOMPARE(dm.ZQueryUser().keyField(), QString("kaq_user_kod"));
  QCOMPARE(dm.queryNames().size(), qsizetype(core::sharedQueries().size()));
}

QTEST_GUILESS_MAIN(TestQueryText)
#include "test_query_text.moc"
