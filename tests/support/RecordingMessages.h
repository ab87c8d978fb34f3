#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "kit/widgets/MessageService.h"

// Stands in for the message boxes during a test: keeps every text shown and answers the
// questions from a list of prepared answers (no when the list runs out). Installs itself
// while it lives.
class RecordingMessages : public kit::ui::MessageService {
 public:
  struct Shown {
    QString title;
    QString text;
    bool question;
  };

  RecordingMessages() { kit::ui::setMessageService(this); }
  ~RecordingMessages() override { kit::ui::setMessageService(nullptr); }

  void warning(const QString& text, const QString& title) override;
  bool question(const QString& text, const QString& title) override;

  void answer(bool yes) { answers_.append(yes); }
  const QList<Shown>& shown() const { return shown_; }
  QStringList texts() const;
  void clear() { shown_.clear(); }

 private:
  QList<Shown> shown_;
  QList<bool> answers_;
};
