#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <functional>

#include "kit/data/Dataset.h"

namespace kit::ui {

// Ties one control to one field of a dataset: the control shows the field of the current row
// and follows every change of the dataset; what the user types goes into the row, putting it
// into edit state first (a new row when the list is empty), as data-aware controls do.
// The control calls refresh() once it is ready to show a value.
class FieldBinding : public QObject {
  Q_OBJECT

 public:
  FieldBinding(QObject* control, kit::data::Dataset& dataset, const QString& field,
               std::function<void(const QVariant&)> show);

  kit::data::Dataset& dataset() const { return dataset_; }
  const QString& field() const { return field_; }
  // The field's value in the current row; null when there is no row or no such field.
  QVariant value() const;
  // The declared length of a text field, or -1.
  int maxLength() const;
  bool fieldExists() const { return dataset_.isOpen() && dataset_.hasField(field_); }

  // Writes what the user entered; returns false (and shows why) when it could not be taken.
  bool write(const QVariant& value);
  // Shows the dataset's value again.
  void refresh();

 private:
  kit::data::Dataset& dataset_;
  QString field_;
  std::function<void(const QVariant&)> show_;
  bool writing_ = false;
};

}  // namespace kit::ui
