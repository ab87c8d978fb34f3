#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/DM.h"
#include "kit/data/DbError.h"
#include "kit/forms/EditPanel.h"
#include "kit/forms/TDBSelectData.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/DBDateEdit.h"
#include "kit/widgets/DBGrid.h"
#include "kit/widgets/DataControls.h"
#include "support/RecordingMessages.h"
#include "support/TestDataModule.h"
#include "support/Typing.h"

using kit::data::Dataset;
using kit::forms::TDBSelectData;
using namespace kit::ui;

// The data-bound controls and the pick-from-list dialog against a real database.
class TestControls : public QObject {
  Q_OBJECT

  TestDataModule module_;
  core::TDM* dm_ = nullptr;
  std::unique_ptr<Dataset> target_, list_;

  // A pick-from-list of the names of `lista` into proba.vizsgalo.
  std::unique_ptr<TDBSelectData> selector() {
    auto select = std::make_unique<TDBSelectData>();
    select->ListSource = list_.get();
    select->ListField = select->KeyField = "nev";
    select->DataSource = target_.get();
    select->DataField = "vizsgalo";
    return select;
  }

  QVariant stored(const char* column) {
    return dm_->ZConnection.exec(QString("select %1 from proba").arg(column)).value(0, 0);
  }

 private slots:
  void initTestCase() {
    REQUIRE_TEST_SERVER();
    module_.start();
    dm_ = module_.dm.get();
  }
  void init() {
    dm_->ZConnection.execScript(R"(
      drop table if exists proba; drop table if exists lista;
      create table proba (proba_kod serial primary key, vizsgalo varchar(60), datum date, kategoria varchar(1),
                          besorolas varchar(12));
      create table lista (lista_kod serial primary key, nev varchar(60), adat varchar(1));
      insert into proba (vizsgalo, datum) values (null, '2024-05-07');
      insert into lista (nev, adat) values ('Kovács Péter', '0'), ('Kiss Anna', '1'), ('Nagy Béla', '0');
    )");
    target_ = std::make_unique<Dataset>(dm_->ZConnection);
    target_->setSql("select *\nfrom proba");
    target_->open();
    list_ = std::make_unique<Dataset>(dm_->ZConnection);
    list_->setSql("select *\nfrom lista\norder by nev");
    list_->open();
  }

  void maskConversion_data();
  void maskConversion();
  void dateDeleteEmptiesTheSavedRowAtOnce();
  void dateDeleteOnANewRowWaits();
  void comboStoresTextOrPosition();
  void editTakesTheColumnLengthAndCaptionName();
  void nameFieldIsTidiedWhenLeft();
  void wheelMovesOneRow();
  void pickWritesAndSaves_data();
  void pickWritesAndSaves();
  void pickIntoARowBeingEditedDoesNotSave();
  void paintedRowsCannotBeForced();
  void findModes();
  void dialogAutoCompletesAndCancels();
};

void TestControls::maskConversion_data() {
  QTest::addColumn<QString>("mask");
  QTest::addColumn<QString>("inputMask");
  QTest::newRow("telephone") << "(99)999-99-99"
                             << "(00)000-00-00;_";
  QTest::newRow("tax number") << "99999999-9-99"
                              << "00000000-0-00;_";
  QTest::newRow("statistical number") << "99999999-9999-999-99"
                                      << "00000000-0000-000-00;_";
  QTest::newRow("required digits and letters") << "00 LL"
                                               << "99 AA;_";
  QTest::newRow("with save flag") << "(99)999-99-99;1;_"
                                  << "(00)000-00-00;_";
}

void TestControls::maskConversion() {
  QFETCH(QString, mask);
  QFETCH(QString, inputMask);
  QCOMPARE(DBEdit::toInputMask(mask), inputMask);
}

void TestControls::dateDeleteEmptiesTheSavedRowAtOnce() {
  DBDateEdit date(*target_, "datum");
  QCOMPARE(date.text(), QString("2024.05.07."));
  QCOMPARE(date.palette().color(QPalette::Base), filledDateColor());
  QTest::keyClick(&date, Qt::Key_Delete);
  QVERIFY(stored("datum").isNull());  // in the database at once
  QCOMPARE(target_->state(), Dataset::State::Browse);
  QVERIFY(!date.isFilled());
  QCOMPARE(date.text().remove('.'), QString());
  QVERIFY(date.palette().color(QPalette::Base) != filledDateColor());
  // Typing a whole date writes it into the row.
  typeText(&date, "20250102");
  QCOMPARE(target_->value("datum").toDate(), QDate(2025, 1, 2));
}

void TestControls::dateDeleteOnANewRowWaits() {
  DBDateEdit date(*target_, "datum");
  target_->append();
  target_->setValue("datum", QDate(2024, 1, 1));
  QTest::keyClick(&date, Qt::Key_Delete);
  QCOMPARE(target_->state(), Dataset::State::Insert);  // a new row is saved by its window
  QVERIFY(target_->value("datum").isNull());
  QCOMPARE(dm_->ZConnection.exec("select count(*) from proba").value(0, 0).toInt(), 1);
}

void TestControls::comboStoresTextOrPosition() {
  const QStringList categories{"0 - Nincs munkavállaló",
                               "1 - 1-9 fő munkavállaló",
                               "2 - 10-49 fő munkavállaló",
                               "3 - 50-249 fő munkavállaló",
                               "4 - 250-499 fő munkavállaló",
                               "5 - 500 vagy több munkavállaló",
                               "9 - A munkavállalók száma ismeretlen"};
  DBComboBox byPosition(*target_, "kategoria", categories, DBComboBox::Stores::Position);
  QCOMPARE(byPosition.currentIndex(), -1);
  byPosition.setCurrentIndex(6);
  emit byPosition.activated(6);
  QCOMPARE(target_->text("kategoria"), QString("6"));  // the position, not the code
  target_->post();
  QCOMPARE(stored("kategoria").toString(), QString("6"));
  QCOMPARE(DBComboBox::itemFor(categories, "x", DBComboBox::Stores::Position), -1);

  // Whole item texts are stored exactly, and a text cut to its column shows as its item.
  const QStringList forms{"Kft.\t", "Egyéni vállalkozó ", "Nonprofit Kft"};
  DBComboBox byText(*target_, "besorolas", forms, DBComboBox::Stores::ItemText);
  emit byText.activated(0);
  QCOMPARE(target_->text("besorolas"), QString("Kft.\t"));
  target_->post();
  QCOMPARE(stored("besorolas").toString(), QString("Kft.\t"));
  target_->edit();
  emit byText.activated(1);
  QCOMPARE(target_->text("besorolas"), QString("Egyéni válla"));  // cut to varchar(12)
  target_->post();
  byText.setCurrentIndex(-1);
  target_->refresh();
  QCOMPARE(byText.currentIndex(), 1);
}

void TestControls::editTakesTheColumnLengthAndCaptionName() {
  kit::forms::EditPanel panel(
      *target_, {{.caption = "Vizsgáló neve:", .column = "vizsgalo", .required = true},
                 {.caption = "Dátum:", .column = "datum", .kind = kit::forms::FieldSpec::Kind::Date}});
  auto* edit = qobject_cast<DBEdit*>(panel.control("vizsgalo"));
  QVERIFY(edit);
  QCOMPARE(edit->maxLength(), 60);
  QCOMPARE(edit->accessibleName(), QString("Vizsgáló neve"));
  const auto labels = panel.findChildren<QLabel*>();
  QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [&](QLabel* l) { return l->buddy() == edit; }));
  QCOMPARE(panel.control("datum")->accessibleName(), QString("Dátum"));
  RecordingMessages messages;
  target_->edit();
  QVERIFY(!panel.checkRequired());
  QCOMPARE(messages.texts(), QStringList{"A(z) Vizsgáló neve nem maradhat üresen!"});
}

void TestControls::nameFieldIsTidiedWhenLeft() {
  QWidget window;
  auto* panel = new kit::forms::EditPanel(
      *target_,
      {{.caption = "Vizsgáló:", .column = "vizsgalo", .kind = kit::forms::FieldSpec::Kind::Name},
       {.caption = "Besorolás:", .column = "besorolas"}},
      &window);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  auto* name = qobject_cast<QLineEdit*>(panel->control("vizsgalo"));
  name->setFocus();
  typeText(name, "  kovács-nagy péter ");
  panel->control("besorolas")->setFocus();  // leaving the field
  QCOMPARE(name->text(), QString("Kovács-Nagy Péter"));
  QCOMPARE(target_->text("vizsgalo"), QString("Kovács-Nagy Péter"));
}

void TestControls::wheelMovesOneRow() {
  DBGrid grid(*list_, {{"nev", "Név"}});
  grid.show();
  QCOMPARE(list_->currentRow(), 0);
  const auto wheel = [&](int delta) {
    QWheelEvent event(QPointF(5, 5), grid.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &event);
  };
  wheel(-120);
  QCOMPARE(list_->currentRow(), 1);
  QCOMPARE(grid.currentIndex().row(), 1);
  wheel(-120);
  wheel(-120);  // past the last row it stays
  QCOMPARE(list_->currentRow(), 2);
  wheel(120);
  QCOMPARE(list_->currentRow(), 1);
}

void TestControls::pickWritesAndSaves_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("after");
  QTest::newRow("wfAdd into an empty column") << int(TDBSelectData::WriteMode::wfAdd) << ""
                                              << ",Kovács Péter";
  QTest::newRow("wfAdd after a value") << int(TDBSelectData::WriteMode::wfAdd) << "Nagy Béla"
                                       << "Nagy Béla,Kovács Péter";
  QTest::newRow("wfClear") << int(TDBSelectData::WriteMode::wfClear) << "Nagy Béla"
                           << "Kovács Péter";
}

void TestControls::pickWritesAndSaves() {
  QFETCH(int, mode);
  QFETCH(QString, before);
  QFETCH(QString, after);
  dm_->ZConnection.exec("update proba set vizsgalo = nullif($1, '')", {before});
  target_->refresh();
  auto selectData = selector();
  TDBSelectData& select = *selectData;
  select.WriteField = TDBSelectData::WriteMode(mode);
  QVERIFY(list_->locate("nev", "Kovács Péter"));
  QVERIFY(select.chooseCurrent());
  QCOMPARE(target_->state(), Dataset::State::Browse);  // saved at once
  QCOMPARE(stored("vizsgalo").toString(), after);
}

void TestControls::pickIntoARowBeingEditedDoesNotSave() {
  auto selectData = selector();
  TDBSelectData& select = *selectData;
  target_->edit();
  QVERIFY(select.chooseCurrent());
  QCOMPARE(target_->state(), Dataset::State::Edit);
  QCOMPARE(target_->text("vizsgalo"), QString("Kiss Anna"));
  QVERIFY(stored("vizsgalo").isNull());
}

void TestControls::paintedRowsCannotBeForced() {
  auto selectData = selector();
  TDBSelectData& select = *selectData;
  select.GridField = "ADAT";
  select.GridFieldValue = "1";
  QVERIFY(list_->locate("nev", "Kiss Anna"));
  QVERIFY(select.isPainted(list_->currentRow()));
  QCOMPARE(TDBSelectData::paintedRowColor(), QColor(0xF1, 0x97, 0x3D));
  select.GridFieldForce = true;
  QVERIFY(!select.chooseCurrent());
  QVERIFY(stored("vizsgalo").isNull());
  select.GridFieldForce = false;
  QVERIFY(select.chooseCurrent());
  QCOMPARE(stored("vizsgalo").toString(), QString("Kiss Anna"));
}

void TestControls::findModes() {
  auto selectData = selector();
  TDBSelectData& select = *selectData;
  select.FindOptions = TDBSelectData::FindMode::PartialKey;
  QVERIFY(select.find("Na"));
  QCOMPARE(list_->text("nev"), QString("Nagy Béla"));
  QVERIFY(!select.find("na"));  // prefix search is case-sensitive
  select.FindOptions = TDBSelectData::FindMode::CaseInsensitive;
  QVERIFY(!select.find("kiss"));  // the whole value
  QVERIFY(select.find("kiss anna"));
  QCOMPARE(list_->text("nev"), QString("Kiss Anna"));
}

void TestControls::dialogAutoCompletesAndCancels() {
  auto selectData = selector();
  TDBSelectData& select = *selectData;
  select.DialogCaption = "Vizsgáló kiválasztása";
  select.AutoComplete = true;
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<kit::forms::TFormSelectData*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("Vizsgáló kiválasztása"));
    typeText(dialog->EditFind, "Kov");
    QCOMPARE(dialog->EditFind->text(), QString("Kovács Péter"));
    QCOMPARE(dialog->EditFind->selectedText(), QString("ács Péter"));
    dialog->ButtonCancel->click();
  });
  QVERIFY(!select.Execute());
  QVERIFY(stored("vizsgalo").isNull());
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<kit::forms::TFormSelectData*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    typeText(dialog->EditFind, "Nagy");
    QTest::keyClick(dialog->EditFind, Qt::Key_Return);
  });
  QVERIFY(select.Execute());
  QCOMPARE(stored("vizsgalo").toString(), QString("Nagy Béla"));
}

QTEST_MAIN(TestControls)
#include "test_controls.moc"
