#include "DBDateEdit.h"

#include <QKeyEvent>

#include "Colors.h"
#include "Messages.h"
#include "kit/data/DbError.h"
#include "kit/data/Transaction.h"

namespace kit::ui {

using kit::data::Dataset;

DBDateEdit::DBDateEdit(Dataset& dataset, const QString& field, QWidget* parent) : QLineEdit(parent) {
  setInputMask(QStringLiteral("9999.99.99.;_"));
  binding_ = new FieldBinding(this, dataset, field, [this](const QVariant& v) { show(v); });
  binding_->refresh();
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy.MM.dd."));
    if (date.isValid()) binding_->write(date);
  });
}

void DBDateEdit::show(const QVariant& value) {
  const QDate date = value.toDate();
  setText(date.isValid() ? date.toString(QStringLiteral("yyyy.MM.dd.")) : QString());
  setCursorPosition(0);  // typing starts at the year
  QPalette p = palette();
  p.setColor(QPalette::Base, date.isValid() ? filledDateColor() : QPalette().color(QPalette::Base));
  setPalette(p);
}

void DBDateEdit::clearAndSave() {
  Dataset& dataset = binding_->dataset();
  if (!binding_->fieldExists()) return;
  const bool newRow = dataset.state() == Dataset::State::Insert || dataset.isEmpty();
  if (!binding_->write(QVariant())) return;
  if (newRow) return;
  try {
    kit::data::Transaction transaction(dataset.connection());
    if (beforeImmediatePost) beforeImmediatePost(dataset);
    dataset.post();
    transaction.commit();
  } catch (const kit::data::DbError& e) {
    showError(e);  // the row stays in editing with the date emptied
  } catch (const kit::data::Abort&) {
  }
  binding_->refresh();
}

void DBDateEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && !isReadOnly()) {
    clearAndSave();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace kit::ui
