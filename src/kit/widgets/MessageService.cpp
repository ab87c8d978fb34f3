#include "MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace kit::ui {
namespace {

class MessageBoxService : public MessageService {
 public:
  void warning(const QString& text, const QString& title) override {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
  }
  bool question(const QString& text, const QString& title) override {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Igen"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nem"));
    return box.exec() == QMessageBox::Yes;
  }
};

// With VAREKO_MESSAGES=stderr the program writes its messages to the standard error stream
// and answers every question with no, so that it can run unattended (scripts, tests of the
// whole executable).
class StandardErrorService : public MessageService {
 public:
  void warning(const QString& text, const QString& title) override {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
  }
  bool question(const QString& text, const QString& title) override {
    std::fprintf(stderr, "%s: %s [Nem]\n", qPrintable(title), qPrintable(text));
    return false;
  }
};

MessageService*& installed() {
  static MessageService* service = nullptr;
  return service;
}

}  // namespace

MessageService& messages() {
  if (installed()) return *installed();
  static MessageBoxService boxes;
  static StandardErrorService standardError;
  static const bool toStandardError = qEnvironmentVariable("VAREKO_MESSAGES") == QLatin1String("stderr");
  if (toStandardError) return standardError;
  return boxes;
}

void setMessageService(MessageService* service) {
  installed() = service;
}

}  // namespace kit::ui
