#pragma once

#include <QString>

namespace kit::ui {

// Titles of the program's message boxes.
inline QString warningTitle() {
  return QStringLiteral("Figyelmeztetés a felhasználónak");
}
inline QString warningTitleExclaimed() {
  return QStringLiteral("Figyelmeztetés a felhasználónak!");
}

// Every message box of the program goes through the installed service, so that tests can
// read the texts and answer the questions instead of a person.
class MessageService {
 public:
  virtual ~MessageService() = default;
  // A warning or notice with an OK button.
  virtual void warning(const QString& text, const QString& title) = 0;
  // A yes/no question; true for yes.
  virtual bool question(const QString& text, const QString& title) = 0;
};

// The installed service (by default real message boxes).
MessageService& messages();
// Installs another service; nullptr returns to the default. The caller keeps ownership.
void setMessageService(MessageService* service);

// Shorthands with the usual warning title.
inline void warn(const QString& text, const QString& title = warningTitle()) {
  messages().warning(text, title);
}
inline bool ask(const QString& text, const QString& title = warningTitle()) {
  return messages().question(text, title);
}

}  // namespace kit::ui
