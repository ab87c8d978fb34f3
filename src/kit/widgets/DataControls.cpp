#include "DataControls.h"

#include "kit/data/DatasetModel.h"

namespace kit::ui {

using kit::data::Dataset;

// ---------------------------------------------------------------- DBEdit

DBEdit::DBEdit(Dataset& dataset, const QString& field, QWidget* parent) : QLineEdit(parent) {
  binding_ = new FieldBinding(this, dataset, field, [this](const QVariant& v) { show(v); });
  binding_->refresh();
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    // A masked field with nothing but its literals in it is empty.
    const bool empty = !inputMask().isEmpty() &&
                       std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    binding_->write(empty ? QString() : text);
  });
}

QString DBEdit::toInputMask(const QString& mask) {
  const QString pattern = mask.section(QLatin1Char(';'), 0, 0);
  QString out;
  for (int i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    switch (c.unicode()) {
      case '0': out += QLatin1Char('9'); break;
      case '9': out += QLatin1Char('0'); break;
      case 'L': out += QLatin1Char('A'); break;
      case 'l': out += QLatin1Char('a'); break;
      case 'A': out += QLatin1Char('N'); break;
      case 'a': out += QLatin1Char('n'); break;
      case 'C': out += QLatin1Char('X'); break;
      case 'c': out += QLatin1Char('x'); break;
      case '#': out += QLatin1Char('#'); break;
      case '>':
      case '<':
      case '!': out += c; break;
      case '\\':
        if (i + 1 < pattern.size()) out += QLatin1Char('\\') + pattern[++i];
        break;
      default:
        // Characters that mean something to Qt's masks stand for themselves here.
        if (QStringLiteral("AaNnXx90Dd#HhBb><!\\{}[]").contains(c)) out += QLatin1Char('\\');
        out += c;
    }
  }
  return out + QStringLiteral(";_");
}

void DBEdit::setEditMask(const QString& mask) {
  setInputMask(mask.isEmpty() ? QString() : toInputMask(mask));
}

void DBEdit::show(const QVariant& value) {
  if (inputMask().isEmpty()) {
    const int length = binding_->maxLength();
    setMaxLength(length > 0 ? length : 32767);
  }
  setText(kit::data::DatasetModel::displayText(value));
  setCursorPosition(0);
}

// ---------------------------------------------------------------- DBMemo

DBMemo::DBMemo(Dataset& dataset, const QString& field, QWidget* parent) : QPlainTextEdit(parent) {
  binding_ = new FieldBinding(this, dataset, field, [this](const QVariant& v) {
    showing_ = true;
    setPlainText(v.toString());
    showing_ = false;
  });
  binding_->refresh();
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!showing_) binding_->write(toPlainText());
  });
}

// ---------------------------------------------------------------- DBCheckBox

DBCheckBox::DBCheckBox(const QString& caption, Dataset& dataset, const QString& field, QWidget* parent)
    : QCheckBox(caption, parent) {
  binding_ = new FieldBinding(this, dataset, field, [this](const QVariant& v) {
    showing_ = true;
    setChecked(v.toBool());
    showing_ = false;
  });
  binding_->refresh();
  connect(this, &QCheckBox::toggled, this, [this](bool on) {
    if (!showing_) binding_->write(on);
  });
}

// ---------------------------------------------------------------- DBComboBox

DBComboBox::DBComboBox(Dataset& dataset, const QString& field, const QStringList& items, Stores stores,
                       bool editable, QWidget* parent)
    : QComboBox(parent), stores_(stores) {
  setEditable(editable);
  addItems(items);
  binding_ = new FieldBinding(this, dataset, field, [this](const QVariant& v) { show(v); });
  binding_->refresh();
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (showing_ || index < 0) return;
    binding_->write(stores_ == Stores::Position ? QString::number(index) : itemText(index));
  });
  if (editable)
    connect(this, &QComboBox::editTextChanged, this, [this](const QString& text) {
      if (!showing_ && stores_ == Stores::ItemText) binding_->write(text);
    });
}

int DBComboBox::itemFor(const QStringList& items, const QString& stored, Stores stores) {
  if (stored.isEmpty()) return -1;
  if (stores == Stores::Position) {
    bool ok = false;
    const int position = stored.toInt(&ok);
    return ok && position >= 0 && position < items.size() ? position : -1;
  }
  const qsizetype exact = items.indexOf(stored);
  if (exact >= 0) return int(exact);
  for (int i = 0; i < items.size(); ++i)
    if (items[i].startsWith(stored)) return i;  // a text cut to its column
  return -1;
}

void DBComboBox::show(const QVariant& value) {
  showing_ = true;
  QStringList items;
  for (int i = 0; i < count(); ++i) items.append(itemText(i));
  const int index = itemFor(items, value.toString(), stores_);
  setCurrentIndex(index);
  if (isEditable() && index < 0) setEditText(value.toString());
  showing_ = false;
}

// ---------------------------------------------------------------- TDBInfoLabel

TDBInfoLabel::TDBInfoLabel(Dataset& dataset, const QString& field, QWidget* parent) : QLabel(parent) {
  binding_ = new FieldBinding(
      this, dataset, field, [this](const QVariant& v) { setText(kit::data::DatasetModel::displayText(v)); });
  binding_->refresh();
}

}  // namespace kit::ui
