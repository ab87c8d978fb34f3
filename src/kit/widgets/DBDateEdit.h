#pragma once

#include <QLineEdit>

#include "FieldBinding.h"

namespace kit::ui {

// A date field ("2013.05.07."). Empty it shows the system's window colour, filled the date
// colour. The Delete key empties it: the row goes into edit state when needed and, unless it
// is a new row, is saved at once in a transaction of its own.
class DBDateEdit : public QLineEdit {
  Q_OBJECT
 public:
  DBDateEdit(kit::data::Dataset& dataset, const QString& field, QWidget* parent = nullptr);
  FieldBinding& binding() { return *binding_; }
  bool isFilled() const { return !binding_->value().isNull(); }

  // Runs before the immediate save of an emptied date (audit stamps and the like).
  std::function<void(kit::data::Dataset&)> beforeImmediatePost;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void show(const QVariant& value);
  void clearAndSave();
  FieldBinding* binding_;
};

}  // namespace kit::ui
