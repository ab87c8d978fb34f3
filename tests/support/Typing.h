#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

// Types text into a widget key by key, accented letters too (QTest::keyClicks takes ASCII only).
inline void typeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const int key = c.isLetterOrNumber() && c.unicode() < 128 ? c.toUpper().unicode()
                    : c == QLatin1Char(' ')                   ? int(Qt::Key_Space)
                                                              : int(Qt::Key_unknown);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}
