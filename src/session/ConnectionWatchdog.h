#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QPushButton;

namespace core {
class TDM;
}

namespace session {

// The window that says the database server cannot be reached. "Munka folytatása" is enabled
// once the connection is back and closes the window; "Ablak bezárása" ends the program.
class TFormServerDown : public QDialog {
  Q_OBJECT
 public:
  explicit TFormServerDown(QWidget* parent = nullptr);

  QPushButton* ButtonContinue = nullptr;  // "Munka folytatása"
  QPushButton* ButtonClose = nullptr;     // "Ablak bezárása"

  // Shows the window with "Munka folytatása" disabled.
  void showDown();

 signals:
  void endProgramRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// Keeps the database connection alive: every 10 seconds it reconnects when the connection is
// closed, then runs the probe query. A failure shows the server-failure window and closes the
// connection, so that the next tick connects again.
class ConnectionWatchdog : public QObject {
  Q_OBJECT
 public:
  static constexpr int intervalMs = 10000;

  // `afterReconnect` reopens what the session keeps open and selects the working context again;
  // it may throw a database error, which counts as a failure of the tick.
  ConnectionWatchdog(core::TDM& dm, std::function<void()> afterReconnect, QWidget* windowParent);

  void start() { timer_.start(); }
  void stop() { timer_.stop(); }
  bool isRunning() const { return timer_.isActive(); }
  // One check, as the timer runs it.
  void tick();

  TFormServerDown& window() { return *window_; }

 signals:
  void endProgramRequested();

 private:
  core::TDM& dm_;
  std::function<void()> afterReconnect_;
  QTimer timer_;
  TFormServerDown* window_;
  bool ticking_ = false;
};

}  // namespace session
