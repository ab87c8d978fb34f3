#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/DM.h"
#include "kit/forms/PageSwitcher.h"
#include "kit/forms/TFormSablon05.h"
#include "kit/widgets/DBGrid.h"
#include "support/RecordingMessages.h"
#include "support/TestDataModule.h"

using kit::data::Dataset;

// The list-with-pages template (05) and the spreadsheet exchange template (06).
class TestPageTemplates : public QObject {
  Q_OBJECT

  TestDataModule module_;
  core::TDM* dm_ = nullptr;

  std::unique_ptr<Dataset> query() {
    auto q = std::make_unique<Dataset>(dm_->ZConnection);
    q->setSql("select *\nfrom felmero\norder by nev");
    return q;
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    module_.start();
    dm_ = module_.dm.get();
    dm_->settings.limitNum = 2;
    dm_->ZConnection.execScript(
        "create table felmero (felmero_kod serial primary key, nev varchar(60));"
        "insert into felmero (nev) values ('A'), ('B'), ('C');");
  }

  void listWithFurtherPages();
  void exchangeListIsNotPaged();
};

void TestPageTemplates::listWithFurtherPages() {
  RecordingMessages messages;
  kit::forms::TFormSablon05 w;
  w.setup(query(), {{"nev", "Név", 0}}, {{.caption = "Név:", .column = "nev"}}, "nev");
  auto* extra = new QLabel("Értékelés");
  QCOMPARE(w.addPage("Értékelés <F9>", extra), 1);
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QCOMPARE(w.query().recordCount(), 2);  // paged like every list
  QCOMPARE(w.list().Panel_SzuresSav != nullptr, true);
  QTest::keyClick(w.list().DBGrid, Qt::Key_F9);
  QCOMPARE(w.PageControl->currentPage(), 1);
  QVERIFY(w.DBNavPanel->isHidden());
  QTest::keyClick(&w, Qt::Key_F9);
  QCOMPARE(w.PageControl->currentPage(), 0);
  w.query().edit();
  w.query().setValue("nev", "AA");
  QTest::keyClick(w.list().DBGrid, Qt::Key_F9);
  QCOMPARE(w.PageControl->currentPage(), 0);  // refused while the row is edited
  QCOMPARE(messages.texts().size(), 1);
}

void TestPageTemplates::exchangeListIsNotPaged() {
  kit::forms::TFormSablon06 w;
  w.setup(query(), {{"nev", "Név", 0}});
  int exports = 0;
  w.startExport = [&] { ++exports; };
  w.show();
  QCOMPARE(w.query().recordCount(), 3);
  QVERIFY(w.list().Panel_SzuresSav == nullptr);
  QCOMPARE(w.ButtonExport->text(), QString("Exportálás indítása"));
  QVERIFY(w.ButtonImport->isHidden());
  w.ButtonExport->click();
  QCOMPARE(exports, 1);
}

QTEST_MAIN(TestPageTemplates)
#include "test_page_templates.moc"
