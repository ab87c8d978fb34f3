#include "RecordingMessages.h"

void RecordingMessages::warning(const QString& text, const QString& title) {
  shown_.append({title, text, false});
}

bool RecordingMessages::question(const QString& text, const QString& title) {
  shown_.append({title, text, true});
  return answers_.isEmpty() ? false : answers_.takeFirst();
}

QStringList RecordingMessages::texts() const {
  QStringList list;
  for (const Shown& s : shown_) list.append(s.text);
  return list;
}
