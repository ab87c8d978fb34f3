#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "kit/data/Connection.h"
#include "masterdata/TFormTeaor.h"
#include "support/TestDatabase.h"
#include "support/Typing.h"

using masterdata::TFormTeaor;

// The activity-code picker on the delivered TEÁOR list: the tree, the search, and which nodes
// can be chosen.
class TestTeaor : public QObject {
  Q_OBJECT

  std::unique_ptr<TestDatabase> db_;
  kit::data::Connection conn_;

  QTreeWidgetItem* find(TFormTeaor& w, const QString& prefix) {
    for (QTreeWidgetItemIterator it(w.TreeView); *it; ++it)
      if ((*it)->text(0).startsWith(prefix)) return *it;
    return nullptr;
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    db_ = std::make_unique<TestDatabase>();
    db_->connect(conn_);
    QFile script(QString(VAREKO_DIST_DIR) + "/SQL/fixdata_teaor.sql");
    QVERIFY(script.open(QIODevice::ReadOnly));
    conn_.execScript(QString::fromUtf8(script.readAll()));
  }

  void treeOfDivisionsGroupsAndClasses();
  void searchSelectsTheFirstMatch();
  void onlyClassesCanBeChosen();
  void lastChoiceIsKept();
};

void TestTeaor::treeOfDivisionsGroupsAndClasses() {
  TFormTeaor w(conn_);
  QCOMPARE(w.windowTitle(), QString("TEÁOR adatai"));
  QCOMPARE(w.TreeView->topLevelItemCount(), 88);
  QTreeWidgetItem* division = w.TreeView->topLevelItem(0);
  QCOMPARE(division->text(0),
           QString("01 Növénytermesztés, állattenyésztés, vadgazdálkodás és kapcsolódó szolgáltatások"));
  QTreeWidgetItem* group = division->child(0);
  QVERIFY(group->text(0).startsWith("011 "));
  QVERIFY(group->child(0)->text(0).startsWith("0111 Gabonaféle"));
  int nodes = 0;
  for (QTreeWidgetItemIterator it(w.TreeView); *it; ++it) ++nodes;
  QCOMPARE(nodes, 975);
}

void TestTeaor::searchSelectsTheFirstMatch() {
  TFormTeaor w(conn_);
  w.show();
  QVERIFY(w.search("rizs"));
  QVERIFY(w.TreeView->currentItem()->text(0).startsWith("0111 "));
  QVERIFY(!w.search("RIZS"));  // case-sensitive
  w.EditSearch->setText("Szőlőtermesztés");
  w.ButtonSearch->click();
  QVERIFY(w.TreeView->currentItem()->text(0).startsWith("0121 "));
  w.ButtonExpand->click();
  QVERIFY(w.TreeView->topLevelItem(5)->isExpanded());
  w.ButtonCollapse->click();
  QVERIFY(!w.TreeView->topLevelItem(5)->isExpanded());
}

void TestTeaor::onlyClassesCanBeChosen() {
  TFormTeaor w(conn_);
  w.show();
  w.TreeView->setCurrentItem(find(w, "011 "));
  w.ButtonSelect->click();
  QVERIFY(w.isVisible());  // a group cannot be chosen
  QVERIFY(w.cancelled());
  w.TreeView->setCurrentItem(find(w, "0111 "));
  QTest::keyClick(w.TreeView, Qt::Key_Return);
  QVERIFY(!w.isVisible());
  QVERIFY(!w.cancelled());
  QVERIFY(w.chosenValue().startsWith("0111 Gabonaféle"));
  QCOMPARE(TFormTeaor::codeOf(w.chosenValue()), QString("0111"));
}

void TestTeaor::lastChoiceIsKept() {
  TFormTeaor w(conn_);
  QCOMPARE(w.lastChoice(), QString());
  w.show();
  w.TreeView->setCurrentItem(find(w, "4120 "));
  w.ButtonSelect->click();
  QVERIFY(w.lastChoice().startsWith("4120 "));
  w.show();
  QVERIFY(w.cancelled());
  QTest::keyClick(w.TreeView, Qt::Key_Escape);
  QVERIFY(w.cancelled());
  QVERIFY(w.lastChoice().startsWith("4120 "));  // leaving without a choice keeps the last one
}

QTEST_MAIN(TestTeaor)
#include "test_teaor.moc"
