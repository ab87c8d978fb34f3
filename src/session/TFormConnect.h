#pragma once

#include <QDialog>

#include "Login.h"

class QLineEdit;
class QPushButton;

namespace session {

// The login window, at start-up (first login) and for a change of user. The login is tried by
// "Belépés" and whenever the password field is left (Enter moves there, so Enter in it logs in).
class TFormConnect : public QDialog {
  Q_OBJECT
 public:
  TFormConnect(core::TDM& dm, Login::Mode mode, QWidget* parent = nullptr);

  // True when the program must end: three failed attempts, or the first login left.
  bool programMustEnd() const { return mustEnd_; }
  Login& login() { return login_; }

  QLineEdit* EditUser = nullptr;
  QLineEdit* EditPassword = nullptr;
  QPushButton* ButtonLogin = nullptr;  // "Belépés"
  QPushButton* ButtonClose = nullptr;  // "Ablak bezárása"

  void tryLogin();
  void closeWindow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  core::TDM& dm_;
  Login login_;
  bool mustEnd_ = false;
  bool trying_ = false;
};

}  // namespace session
