#include "FieldBinding.h"

#include "Messages.h"
#include "kit/data/DbError.h"

namespace kit::ui {

using kit::data::Dataset;

FieldBinding::FieldBinding(QObject* control, Dataset& dataset, const QString& field,
                           std::function<void(const QVariant&)> show)
    : QObject(control), dataset_(dataset), field_(field), show_(std::move(show)) {
  const auto refreshAll = [this] { refresh(); };
  connect(&dataset_, &Dataset::reset, this, refreshAll);
  connect(&dataset_, &Dataset::currentRowChanged, this, refreshAll);
  connect(&dataset_, &Dataset::stateChanged, this, refreshAll);
  connect(&dataset_, &Dataset::rowChanged, this, refreshAll);
  connect(&dataset_, &Dataset::valueChanged, this, [this](const QString& changed) {
    if (!writing_ && changed.compare(field_, Qt::CaseInsensitive) == 0) refresh();
  });
}

QVariant FieldBinding::value() const {
  if (!fieldExists()) return {};
  return dataset_.value(field_);
}

int FieldBinding::maxLength() const {
  if (!fieldExists()) return -1;
  return dataset_.field(dataset_.fieldIndex(field_)).maxLength;
}

bool FieldBinding::write(const QVariant& value) {
  if (!fieldExists()) return false;
  writing_ = true;
  try {
    if (!dataset_.isEditing()) dataset_.edit();
    dataset_.setValue(field_, value);
  } catch (const kit::data::DbError& e) {
    writing_ = false;
    showError(e);
    refresh();
    return false;
  } catch (const kit::data::Abort&) {
    writing_ = false;  // refused by the window, which told the user why
    refresh();
    return false;
  }
  writing_ = false;
  return true;
}

void FieldBinding::refresh() {
  if (!writing_) show_(value());
}

}  // namespace kit::ui
