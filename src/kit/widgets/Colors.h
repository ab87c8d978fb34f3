#pragma once

#include <QColor>
#include <QWidget>

namespace kit::ui {

// A colour of the settings file (0x00BBGGRR, blue in the high byte) as a Qt colour. Negative
// values (system colours of older installations) give an invalid colour: the default look.
inline QColor fromSettingsColor(int value) {
  if (value < 0) return {};
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// The colour of a filled date field (0x00BFC197).
inline QColor filledDateColor() {
  return fromSettingsColor(12566935);
}

// Paints a widget's background in a colour of the settings (nothing for an invalid colour).
inline void paintBackground(QWidget* widget, const QColor& color) {
  if (!widget || !color.isValid()) return;
  widget->setAutoFillBackground(true);
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, color);
  widget->setPalette(p);
}

}  // namespace kit::ui
