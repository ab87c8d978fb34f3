#include "EditPanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "kit/text/TextHelpers.h"
#include "kit/widgets/DBDateEdit.h"
#include "kit/widgets/DataControls.h"
#include "kit/widgets/Messages.h"

namespace kit::forms {

using kit::data::Dataset;
using namespace kit::ui;

QString FieldSpec::label() const {
  if (!displayLabel.isEmpty()) return displayLabel;
  QString text = caption.trimmed();
  while (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

namespace {

// Trims and capitalises a name when its field is left during an edit.
class NameFieldRule : public QObject {
 public:
  NameFieldRule(DBEdit* edit) : QObject(edit), edit_(edit) { edit->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      Dataset& d = edit_->binding().dataset();
      const QString text = edit_->text();
      if (d.isEditing() && !text.isEmpty()) {
        const QString name = kit::text::trimmedCapitalisedWords(text);
        if (name != text) {
          edit_->setText(name);
          edit_->binding().write(name);
        }
      }
    }
    return false;
  }

 private:
  DBEdit* edit_;
};

}  // namespace

EditPanel::EditPanel(Dataset& dataset, const std::vector<FieldSpec>& fields, QWidget* parent, int columns)
    : QWidget(parent), dataset_(dataset), fields_(fields) {
  setObjectName(QStringLiteral("PanelAlap"));
  setAutoFillBackground(true);
  // One grid of captions and controls per column, so that a tall control (a memo) in one
  // column does not stretch the lines of the others.
  auto* columnsLayout = new QHBoxLayout(this);
  columnsLayout->setContentsMargins(10, 8, 10, 8);
  columnsLayout->setSpacing(24);
  columns = std::max(1, columns);
  const int perColumn = std::max(1, (int(fields_.size()) + columns - 1) / columns);
  std::vector<QGridLayout*> grids;
  for (int c = 0; c < columns; ++c) {
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(5);
    g->setColumnStretch(1, 1);
    columnsLayout->addLayout(g, 1);
    grids.push_back(g);
  }
  for (size_t i = 0; i < fields_.size(); ++i) {
    const FieldSpec& field = fields_[i];
    QWidget* control = makeControl(field);
    control->setObjectName(field.column);
    control->setAccessibleName(field.label());
    if (field.readOnly) control->setEnabled(false);
    QWidget* placed = control;
    QPushButton* button = nullptr;
    if (!field.buttonCaption.isEmpty()) {
      // The control with its button on one line.
      placed = new QWidget(this);
      auto* line = new QHBoxLayout(placed);
      line->setContentsMargins(0, 0, 0, 0);
      line->setSpacing(4);
      control->setParent(placed);
      const bool narrow = field.width > 0 || control->maximumWidth() < QWIDGETSIZE_MAX;
      line->addWidget(control, narrow ? 0 : 1);
      button = new QPushButton(field.buttonCaption, placed);
      button->setObjectName(QStringLiteral("Button_") + field.column);
      button->setAutoDefault(false);
      button->setFocusPolicy(Qt::NoFocus);
      line->addWidget(button);
      if (narrow) line->addStretch(1);
    }
    buttons_.push_back(button);
    QGridLayout* grid = grids[std::min(columns - 1, int(i) / perColumn)];
    const int row = int(i) % perColumn;
    if (field.kind == FieldSpec::Kind::Check) {
      grid->addWidget(placed, row, 1);
    } else {
      auto* caption = new QLabel(field.caption, this);
      caption->setBuddy(control);
      grid->addWidget(caption, row, 0, field.kind == FieldSpec::Kind::Memo ? Qt::AlignTop : Qt::AlignVCenter);
      if (field.width > 0) control->setFixedWidth(field.width);
      if (field.width > 0 && placed == control)
        grid->addWidget(placed, row, 1, Qt::AlignLeft);
      else
        grid->addWidget(placed, row, 1);
    }
    controls_.push_back(control);
  }
  if (columns > 1)
    for (QGridLayout* g : grids) g->setRowStretch(g->rowCount(), 1);
}

QWidget* EditPanel::makeControl(const FieldSpec& field) {
  using Kind = FieldSpec::Kind;
  switch (field.kind) {
    case Kind::Memo: {
      auto* memo = new DBMemo(dataset_, field.column, this);
      memo->setMinimumHeight(60);
      return memo;
    }
    case Kind::Check: return new DBCheckBox(field.caption, dataset_, field.column, this);
    case Kind::ComboText:
      return new DBComboBox(dataset_, field.column, field.items, DBComboBox::Stores::ItemText, field.editable,
                            this);
    case Kind::ComboIndex:
      return new DBComboBox(dataset_, field.column, field.items, DBComboBox::Stores::Position, false, this);
    case Kind::Date: {
      auto* date = new DBDateEdit(dataset_, field.column, this);
      date->setFixedWidth(100);
      return date;
    }
    case Kind::Edit:
    case Kind::Name: {
      auto* edit = new DBEdit(dataset_, field.column, this);
      if (!field.mask.isEmpty()) edit->setEditMask(field.mask);
      if (field.kind == Kind::Name) new NameFieldRule(edit);
      return edit;
    }
  }
  return nullptr;
}

QWidget* EditPanel::control(const QString& column) const {
  for (size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i].column.compare(column, Qt::CaseInsensitive) == 0) return controls_[i];
  return nullptr;
}

QPushButton* EditPanel::button(const QString& column) const {
  for (size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i].column.compare(column, Qt::CaseInsensitive) == 0) return buttons_[i];
  return nullptr;
}

QWidget* EditPanel::firstControl() const {
  return controls_.empty() ? nullptr : controls_.front();
}

bool EditPanel::checkRequired() {
  // The columns in the dataset's order, as the row holds them.
  for (int column = 0; column < dataset_.fieldCount(); ++column) {
    const QString name = dataset_.field(column).name;
    for (size_t i = 0; i < fields_.size(); ++i) {
      const FieldSpec& field = fields_[i];
      if (!field.required || field.column.compare(name, Qt::CaseInsensitive) != 0) continue;
      const QVariant value = dataset_.value(name);
      if (value.isNull() || value.toString().trimmed().isEmpty()) {
        warnRequiredField(field.label());
        controls_[i]->setFocus();
        return false;
      }
    }
  }
  return true;
}

}  // namespace kit::forms
