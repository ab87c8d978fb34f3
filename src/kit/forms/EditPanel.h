#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "kit/data/Dataset.h"

class QGridLayout;
class QPushButton;

namespace kit::forms {

// One field of a window: its caption, its column and how it is edited.
struct FieldSpec {
  enum class Kind {
    Edit,        // one line of text
    Name,        // a person's name: trimmed and capitalised when left
    Memo,        // several lines
    Check,       // a boolean
    ComboText,   // a choice stored as the whole item text
    ComboIndex,  // a choice stored as its position
    Date,        // a date
  };
  QString caption;  // "Név:"
  QString column;   // "nev"
  Kind kind = Kind::Edit;
  bool required = false;       // checked before saving
  QString mask = {};           // edit mask, e.g. "(99)999-99-99"
  QStringList items = {};      // choices of a drop-down
  int width = 0;               // control width in pixels; 0: the rest of the line
  QString displayLabel = {};   // the name used in messages; the caption without its colon when empty
  bool editable = false;       // a text drop-down that also takes free text
  bool readOnly = false;       // shown only; changed by a command of the window
  QString buttonCaption = {};  // a button beside the control (a picker), found by button()

  QString label() const;
};

// The edit fields of a window, laid out as caption and control per line. Every control is
// bound to its column and carries its caption as accessible name (the caption label is its
// buddy), so that screen readers and automation find it.
class EditPanel : public QWidget {
  Q_OBJECT
 public:
  // `columns` > 1 lays the fields out side by side, filling each column in turn.
  EditPanel(kit::data::Dataset& dataset, const std::vector<FieldSpec>& fields, QWidget* parent = nullptr,
            int columns = 1);

  // The control of a column, or nullptr.
  QWidget* control(const QString& column) const;
  // The button beside a column's control, or nullptr.
  QPushButton* button(const QString& column) const;
  QWidget* firstControl() const;
  const std::vector<FieldSpec>& fields() const { return fields_; }

  // The required-field check before saving: the first required field that is empty gets
  // "A(z) <label> nem maradhat üresen!" and the focus; false then.
  bool checkRequired();

 private:
  QWidget* makeControl(const FieldSpec& field);

  kit::data::Dataset& dataset_;
  std::vector<FieldSpec> fields_;
  std::vector<QWidget*> controls_;
  std::vector<QPushButton*> buttons_;
};

}  // namespace kit::forms
