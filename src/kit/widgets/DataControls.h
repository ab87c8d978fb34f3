#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "FieldBinding.h"

namespace kit::ui {

// The data-bound controls. Each shows one field of its dataset's current row and writes what
// the user enters into it (putting the row into edit state first).

// One-line text, with an optional edit mask written as the workstation masks are
// ("(99)999-99-99": 9 an optional digit, 0 a required one) and at most as many characters
// as the column holds.
class DBEdit : public QLineEdit {
  Q_OBJECT
 public:
  DBEdit(kit::data::Dataset& dataset, const QString& field, QWidget* parent = nullptr);
  void setEditMask(const QString& mask);
  FieldBinding& binding() { return *binding_; }
  // A mask of the workstation's form in Qt's input-mask notation.
  static QString toInputMask(const QString& mask);

 private:
  void show(const QVariant& value);
  FieldBinding* binding_;
};

// Several lines of text; Enter makes a new line.
class DBMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  DBMemo(kit::data::Dataset& dataset, const QString& field, QWidget* parent = nullptr);
  FieldBinding& binding() { return *binding_; }

 private:
  FieldBinding* binding_;
  bool showing_ = false;
};

// A boolean field.
class DBCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  DBCheckBox(const QString& caption, kit::data::Dataset& dataset, const QString& field,
             QWidget* parent = nullptr);
  FieldBinding& binding() { return *binding_; }

 private:
  FieldBinding* binding_;
  bool showing_ = false;
};

// A choice from a list. Stores either the whole item text, exactly as it stands (trailing
// blanks and tabs included), or the item's position as text ("0", "1", ...). A stored text
// that was cut to its column shows as the item it begins; a stored value that matches no item
// leaves the list without a selection.
class DBComboBox : public QComboBox {
  Q_OBJECT
 public:
  enum class Stores { ItemText, Position };
  DBComboBox(kit::data::Dataset& dataset, const QString& field, const QStringList& items, Stores stores,
             bool editable = false, QWidget* parent = nullptr);
  FieldBinding& binding() { return *binding_; }
  // The item a stored value selects, or -1.
  static int itemFor(const QStringList& items, const QString& stored, Stores stores);

 private:
  void show(const QVariant& value);
  FieldBinding* binding_;
  Stores stores_;
  bool showing_ = false;
};

// Shows one field, read-only, with an optional frame.
class TDBInfoLabel : public QLabel {
  Q_OBJECT
 public:
  TDBInfoLabel(kit::data::Dataset& dataset, const QString& field, QWidget* parent = nullptr);
  FieldBinding& binding() { return *binding_; }

 private:
  FieldBinding* binding_;
};

}  // namespace kit::ui
