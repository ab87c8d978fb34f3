#include "TDBSelectData.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/data/DbError.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/DBGrid.h"
#include "kit/widgets/Messages.h"

namespace kit::forms {

using kit::data::Dataset;

QColor TDBSelectData::paintedRowColor() {
  return kit::ui::fromSettingsColor(4036593);
}

bool TDBSelectData::isPainted(int row) const {
  if (!ListSource || GridField.isEmpty() || row < 0 || row >= ListSource->recordCount()) return false;
  const int field = ListSource->fieldIndex(GridField);
  return field >= 0 && ListSource->valueAt(row, field).toString() == GridFieldValue;
}

bool TDBSelectData::find(const QString& text) {
  if (!ListSource || text.isEmpty()) return false;
  try {
    return FindOptions == FindMode::CaseInsensitive
               ? ListSource->locate(ListField, text, {.caseInsensitive = true})
               : ListSource->locate(ListField, text, {.partialKey = true});
  } catch (const kit::data::DbError&) {
    return false;
  }
}

bool TDBSelectData::chooseCurrent() {
  if (!ListSource || !DataSource || ListSource->isEmpty()) return false;
  if (GridFieldForce && isPainted(ListSource->currentRow())) return false;
  const QString chosen = ListSource->text(KeyField);
  const bool wasEditing = DataSource->isEditing();
  try {
    if (!wasEditing) DataSource->edit();
    const QString value =
        WriteField == WriteMode::wfAdd ? DataSource->text(DataField) + WriteFieldSeparator + chosen : chosen;
    DataSource->setValue(DataField, value);
    if (!wasEditing) DataSource->post();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);  // the target stays in editing with the value written
    return false;
  } catch (const kit::data::Abort&) {
    return false;
  }
  return true;
}

bool TDBSelectData::Execute(QWidget* parent) {
  TFormSelectData dialog(*this, parent);
  dialog.exec();
  return dialog.chosen();
}

// ---------------------------------------------------------------- the dialog

TFormSelectData::TFormSelectData(TDBSelectData& selector, QWidget* parent)
    : QDialog(parent), selector_(selector) {
  setObjectName(QStringLiteral("TFormSelectData"));
  setWindowTitle(selector.DialogCaption);
  resize(560, 460);
  auto* layout = new QVBoxLayout(this);
  auto* findRow = new QHBoxLayout;
  auto* findLabel = new QLabel(QStringLiteral("Keresés:"), this);
  EditFind = new QLineEdit(this);
  EditFind->setObjectName(QStringLiteral("EditFind"));
  EditFind->setAccessibleName(QStringLiteral("Keresés"));
  findLabel->setBuddy(EditFind);
  findRow->addWidget(findLabel);
  findRow->addWidget(EditFind, 1);
  layout->addLayout(findRow);

  QList<kit::data::DatasetModel::Column> columns = selector.GridColumns;
  if (columns.isEmpty()) columns.append({selector.ListField, {}});
  DBGrid = new kit::ui::DBGrid(*selector.ListSource, columns, this);
  DBGrid->setAccessibleName(selector.DialogCaption);
  DBGrid->setColors(selector.ColorGrid, selector.ColorGridFixed);
  DBGrid->datasetModel().setRowStyle([&selector](const Dataset&, int row, int role) -> QVariant {
    if (role == Qt::BackgroundRole && selector.isPainted(row)) return TDBSelectData::paintedRowColor();
    return {};
  });
  layout->addWidget(DBGrid, 1);

  auto* nav = new QWidget(this);
  nav->setObjectName(QStringLiteral("DBNavPanel"));
  if (selector.ColorPanelNav.isValid()) {
    nav->setAutoFillBackground(true);
    QPalette p = nav->palette();
    p.setColor(QPalette::Window, selector.ColorPanelNav);
    nav->setPalette(p);
  }
  auto* buttons = new QHBoxLayout(nav);
  buttons->addStretch(1);
  ButtonSelect = new QPushButton(QStringLiteral("Kiválasztás"), nav);
  ButtonCancel = new QPushButton(QStringLiteral("Mégsem"), nav);
  for (QPushButton* b : {ButtonSelect, ButtonCancel}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  layout->addWidget(nav);

  connect(ButtonSelect, &QPushButton::clicked, this, [this] { select(); });
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(DBGrid, &kit::ui::DBGrid::rowActivated, this, [this] { select(); });
  connect(DBGrid, &kit::ui::DBGrid::searchRequested, this, [this](const QString& c) {
    EditFind->setFocus();
    EditFind->setText(c);
    searchFor(c);
  });
  connect(EditFind, &QLineEdit::textEdited, this, [this](const QString& text) { searchFor(text); });
  connect(EditFind, &QLineEdit::returnPressed, this, [this] { select(); });
}

void TFormSelectData::searchFor(const QString& text) {
  if (completing_) return;
  const QString typed = text;
  if (!selector_.find(typed) || !selector_.AutoComplete) return;
  // The whole found value, with the part not typed selected.
  const QString whole = selector_.ListSource->text(selector_.ListField);
  completing_ = true;
  EditFind->setText(whole);
  EditFind->setSelection(int(typed.size()), int(whole.size() - typed.size()));
  completing_ = false;
}

void TFormSelectData::select() {
  if (!selector_.chooseCurrent()) return;
  chosen_ = true;
  accept();
}

void TFormSelectData::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    select();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kit::forms
