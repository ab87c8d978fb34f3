#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/DM.h"
#include "kit/forms/PageSwitcher.h"
#include "kit/forms/TFormSablon03.h"
#include "kit/widgets/DBGrid.h"
#include "kit/widgets/DataControls.h"
#include "support/RecordingMessages.h"
#include "support/TestDataModule.h"
#include "support/Typing.h"

using kit::data::Dataset;
using kit::forms::MasterPointsForm;

// The master-and-points templates on a small template table and its points.
class TestMasterPoints : public QObject {
  Q_OBJECT

  TestDataModule module_;
  core::TDM* dm_ = nullptr;

  int count(const QString& sql) { return dm_->ZConnection.exec(sql).value(0, 0).toInt(); }

  std::unique_ptr<MasterPointsForm> make(MasterPointsForm::Variant variant) {
    auto w = std::make_unique<MasterPointsForm>(variant);
    w->setWindowTitle("Minták");
    auto master = std::make_unique<Dataset>(dm_->ZConnection, "ZQueryMinta");
    master->setSql("select *\nfrom minta\norder by nev");
    auto points = std::make_unique<Dataset>(dm_->ZConnection, "ZQueryMintapont");
    points->setSql("select *\nfrom mintapont\nwhere mintapont_tkod = :tkod\norder by sorszam");
    w->setup({std::move(master),
              {{"nev", "Név", 300}},
              {{.caption = "Név:", .column = "nev", .required = true}},
              "nev",
              "nev",
              {}},
             {std::move(points),
              {{"sorszam", "Sorszám", 80}, {"cimkenev", "Pont", 0}},
              {{.caption = "Sorszám:", .column = "sorszam"}, {.caption = "Pont:", .column = "cimkenev"}},
              "cimkenev",
              "tkod",
              "mintapont_tkod",
              {}});
    w->show();
    w->activateWindow();
    QTest::qWaitForWindowActive(w.get());
    return w;
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    module_.start();
    dm_ = module_.dm.get();
    dm_->settings.limitNum = 50;
  }
  void init() {
    dm_->ZConnection.execScript(R"(
      drop table if exists mintapont; drop table if exists minta;
      create table minta (minta_kod serial primary key, nev varchar(80));
      create table mintapont (mintapont_kod serial primary key,
        mintapont_tkod integer references minta (minta_kod), sorszam varchar(10), cimkenev text);
      insert into minta (nev) values ('Daru'), ('Targonca');
      insert into mintapont (mintapont_tkod, sorszam, cimkenev) values
        (1, '1.', 'Szerkezet'), (1, '2.', 'Fékek'), (2, '1.', 'Villák');
    )");
  }

  void pointsFollowTheMaster();
  void pagesSwitchWithF9();
  void newPointBelongsToTheMaster();
  void deletingAMasterTakesItsPoints();
  void commandBarsOfTheVariants_data();
  void commandBarsOfTheVariants();
  void duplicatePanel();
};

void TestMasterPoints::pointsFollowTheMaster() {
  auto w = make(MasterPointsForm::Variant::Sablon03);
  QCOMPARE(w->PanelTorzsNev->text(), QString("Daru"));
  QCOMPARE(w->points().query().recordCount(), 2);
  QTest::keyClick(w->DBGridTorzs, Qt::Key_Down);
  QCOMPARE(w->PanelTorzsNev->text(), QString("Targonca"));
  QCOMPARE(w->points().query().recordCount(), 1);
  QCOMPARE(w->points().query().text("cimkenev"), QString("Villák"));
}

void TestMasterPoints::pagesSwitchWithF9() {
  RecordingMessages messages;
  auto w = make(MasterPointsForm::Variant::Sablon03);
  QCOMPARE(w->PageControl->currentPage(), 0);
  QTest::keyClick(w->DBGridTorzs, Qt::Key_F9);
  QCOMPARE(w->PageControl->currentPage(), 1);
  QTest::keyClick(w->DBGridPont, Qt::Key_Escape);  // Esc from the points returns to the masters
  QCOMPARE(w->PageControl->currentPage(), 0);
  QVERIFY(w->isVisible());
  QTest::keyClick(w->DBGridTorzs, Qt::Key_Return);  // edit the master
  w->master().query().edit();
  w->master().query().setValue("nev", "Daru 2");
  QTest::keyClick(w->DBGridTorzs, Qt::Key_F9);
  QCOMPARE(w->PageControl->currentPage(), 0);  // refused during the edit
  QCOMPARE(messages.texts(), QStringList{"Az adatok még szerkesztés alatt vannak. Először rögzítsük!"});
}

void TestMasterPoints::newPointBelongsToTheMaster() {
  auto w = make(MasterPointsForm::Variant::Sablon03);
  QTest::keyClick(w->DBGridTorzs, Qt::Key_Down);  // Targonca
  QTest::keyClick(w->DBGridTorzs, Qt::Key_F9);
  QTest::keyClick(w->DBGridPont, Qt::Key_Insert);
  QCOMPARE(w->points().query().state(), Dataset::State::Insert);
  typeText(QApplication::focusWidget(), "2.");
  w->points().query().setValue("cimkenev", "Emelőlánc");
  QTest::keyClick(w->DBGridPont, Qt::Key_F2);
  QCOMPARE(count("select count(*) from mintapont where mintapont_tkod = 2 and cimkenev = 'Emelőlánc' and "
                 "sorszam = '2.'"),
           1);
}

void TestMasterPoints::deletingAMasterTakesItsPoints() {
  RecordingMessages messages;
  auto w = make(MasterPointsForm::Variant::Sablon03);
  messages.answer(true);
  QTest::keyClick(w->DBGridTorzs, Qt::Key_Delete);
  QCOMPARE(count("select count(*) from minta"), 1);
  QCOMPARE(count("select count(*) from mintapont where mintapont_tkod = 1"), 0);
  QCOMPARE(count("select count(*) from mintapont"), 1);
  QCOMPARE(w->PanelTorzsNev->text(), QString("Targonca"));
  QCOMPARE(w->points().query().recordCount(), 1);
  QVERIFY(w->PanelProgress->isHidden());

  // A failure rolls the whole delete back: points and master stay.
  dm_->ZConnection.execScript(
      "create table hivatkozo (h integer references minta (minta_kod)); insert into hivatkozo values (2);");
  messages.answer(true);
  QTest::keyClick(w->DBGridTorzs, Qt::Key_Delete);
  QCOMPARE(count("select count(*) from minta"), 1);
  QCOMPARE(count("select count(*) from mintapont"), 1);
  QVERIFY(messages.texts().last().contains("hivatkozo"));
  dm_->ZConnection.exec("drop table hivatkozo");
}

void TestMasterPoints::commandBarsOfTheVariants_data() {
  QTest::addColumn<int>("variant");
  QTest::addColumn<QStringList>("master");
  QTest::addColumn<QStringList>("points");
  QTest::newRow("03") << int(MasterPointsForm::Variant::Sablon03)
                      << QStringList{"Új tétel <Insert>", "Rögzítés <F2>", "Törlés <Delete>", "Mégsem <Esc>",
                                     "Duplikálás <F4>",   "Súgó",          "Tábla frissítése"}
                      << QStringList{"Új tétel <Insert>", "Rögzítés <F2>", "Törlés <Delete>", "Mégsem <Esc>",
                                     "Nyomtatás <F5>",    "Súgó",          "Tábla frissítése"};
  QTest::newRow("04") << int(MasterPointsForm::Variant::Sablon04)
                      << QStringList{"Új tétel <Insert>",
                                     "Rögzítés <F2>",
                                     "Törlés <Delete>",
                                     "Mégsem <Esc>",
                                     "Felvétel mintának",
                                     "Szűrés",
                                     "Súgó",
                                     "Tábla frissítése"}
                      << QStringList{"Rögzítés <F2>", "Mégsem <Esc>", "Nyomtatás <F5>", "Súgó",
                                     "Tábla frissítése"};
  QTest::newRow("07")
      << int(MasterPointsForm::Variant::Sablon7)
      << QStringList{"Új tétel <Insert>", "Rögzítés <F2>", "Törlés <Delete>", "Mégsem <Esc>", "Súgó",
                     "Tábla frissítése",  "Szűrés",        "Nyomtatás <F5>"}
      << QStringList{"Új tétel <Insert>", "Rögzítés <F2>", "Törlés <Delete>", "Mégsem <Esc>",
                     "Nyomtatás <F6>"};
}

void TestMasterPoints::commandBarsOfTheVariants() {
  QFETCH(int, variant);
  QFETCH(QStringList, master);
  QFETCH(QStringList, points);
  auto w = make(MasterPointsForm::Variant(variant));
  const auto captions = [](QWidget* bar) {
    QStringList list;
    for (auto* b : bar->findChildren<QPushButton*>()) list << b->text();
    return list;
  };
  QCOMPARE(captions(w->master().DBNavPanel), master);
  QCOMPARE(captions(w->points().DBNavPanel), points);
}

void TestMasterPoints::duplicatePanel() {
  auto w = make(MasterPointsForm::Variant::Sablon03);
  bool duplicated = false;
  w->duplicate = [&] { duplicated = true; };
  QTest::keyClick(w->DBGridTorzs, Qt::Key_F4);
  QVERIFY(w->PanelDuplicate->isVisible());
  QCOMPARE(w->LabelDuplicateName->text(), QString("Daru"));
  w->ButtonDuplicateCancel->click();
  QVERIFY(w->PanelDuplicate->isHidden());
  QVERIFY(!duplicated);
  QTest::keyClick(w->DBGridTorzs, Qt::Key_F4);
  w->ButtonDuplicateStart->click();
  QVERIFY(duplicated);
  QVERIFY(w->PanelDuplicate->isHidden());
}

QTEST_MAIN(TestMasterPoints)
#include "test_master_points.moc"
