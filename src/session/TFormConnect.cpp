#include "TFormConnect.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "InfoWindows.h"
#include "core/DM.h"
#include "core/Program.h"
#include "kit/forms/FormEnvironment.h"
#include "kit/widgets/Colors.h"

namespace session {

TFormConnect::TFormConnect(core::TDM& dm, Login::Mode mode, QWidget* parent)
    : QDialog(parent, Qt::WindowStaysOnTopHint | Qt::Dialog), dm_(dm), login_(dm, mode) {
  setObjectName(QStringLiteral("TFormConnect"));
  setWindowTitle(QStringLiteral("Bejelentkezés"));
  setModal(true);
  setMinimumWidth(380);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 16);
  layout->setSpacing(12);
  auto* title = new QLabel(QStringLiteral("Bejelentkezés a programba"), this);
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  title->setFont(big);
  title->setAlignment(Qt::AlignCenter);
  layout->addWidget(title);
  auto* form = new QFormLayout;
  EditUser = new QLineEdit(this);
  EditUser->setObjectName(QStringLiteral("EditUser"));
  EditUser->setMaxLength(20);
  EditPassword = new QLineEdit(this);
  EditPassword->setObjectName(QStringLiteral("EditPassword"));
  EditPassword->setEchoMode(QLineEdit::Password);
  EditPassword->setMaxLength(20);
  form->addRow(QStringLiteral("Felhasználói név:"), EditUser);
  form->addRow(QStringLiteral("Jelszó:"), EditPassword);
  EditUser->setAccessibleName(QStringLiteral("Felhasználói név"));
  EditPassword->setAccessibleName(QStringLiteral("Jelszó"));
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  ButtonLogin = new QPushButton(QStringLiteral("Belépés"), this);
  ButtonClose = new QPushButton(QStringLiteral("Ablak bezárása"), this);
  for (QPushButton* b : {ButtonLogin, ButtonClose, createHelpButton(HelpTopic::login, this)}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);
  connect(ButtonLogin, &QPushButton::clicked, this, [this] { tryLogin(); });
  connect(ButtonClose, &QPushButton::clicked, this, [this] { closeWindow(); });
  EditPassword->installEventFilter(this);
}

void TFormConnect::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (auto* env = kit::forms::installedFormEnvironment()) kit::ui::paintBackground(this, env->colors().form);
  if (login_.mode() == Login::Mode::FirstLogin && EditUser->text().isEmpty())
    EditUser->setText(dm_.settings.lastUser);
  EditPassword->clear();
  (EditUser->text().isEmpty() ? EditUser : EditPassword)->setFocus();
}

void TFormConnect::tryLogin() {
  if (trying_) return;
  trying_ = true;
  const Login::Outcome outcome = login_.attempt(EditUser->text(), EditPassword->text());
  trying_ = false;
  switch (outcome) {
    case Login::Outcome::Nothing: return;
    case Login::Outcome::LoggedIn: accept(); return;
    case Login::Outcome::AlreadyLoggedIn:
      EditUser->clear();
      EditPassword->clear();
      EditUser->setFocus();
      return;
    case Login::Outcome::Failed:
      EditPassword->clear();
      EditUser->setFocus();
      return;
    case Login::Outcome::Exhausted:
      mustEnd_ = true;
      reject();
      return;
  }
}

void TFormConnect::closeWindow() {
  // The close button releases the row of the user recorded as current.
  if (dm_.ZConnection.isOpen()) core::clearLoginFlag(dm_, dm_.currentUser);
  if (login_.mode() == Login::Mode::FirstLogin) mustEnd_ = true;
  reject();
}

bool TFormConnect::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EditPassword && event->type() == QEvent::FocusOut && isVisible()) tryLogin();
  return QDialog::eventFilter(watched, event);
}

void TFormConnect::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      if (login_.mode() == Login::Mode::FirstLogin) mustEnd_ = true;
      reject();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (focusWidget() == EditPassword)
        tryLogin();
      else
        focusNextChild();
      return;
    default: QDialog::keyPressEvent(event);
  }
}

}  // namespace session
