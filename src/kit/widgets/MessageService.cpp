#include "MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

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

MessageService*& installed() {
  static MessageService* service = nullptr;
  return service;
}

}  // namespace

MessageService& messages() {
  static MessageBoxService standard;
  return installed() ? *installed() : standard;
}

void setMessageService(MessageService* service) {
  installed() = service;
}

}  // namespace kit::ui
