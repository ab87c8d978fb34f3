#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// Drives the modal windows a test cannot reach from its own code (windows that open each other
// in a row): each step waits for a modal window with the given object name and acts on it.
// The steps run in order; done() tells whether all of them ran.
class ModalSteps : public QObject {
 public:
  ModalSteps() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
  }

  ModalSteps& then(const QString& objectName, std::function<void(QWidget*)> act) {
    steps_.push_back({objectName, std::move(act)});
    return *this;
  }
  bool done() const { return steps_.empty(); }
  QStringList seen() const { return seen_; }

 private:
  struct Step {
    QString objectName;
    std::function<void(QWidget*)> act;
  };
  void poll() {
    if (steps_.empty() || running_) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal->objectName() != steps_.front().objectName || !modal->isVisible()) return;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    seen_.append(step.objectName);
    running_ = true;
    step.act(modal);
    running_ = false;
  }

  QTimer timer_;
  std::deque<Step> steps_;
  QStringList seen_;
  bool running_ = false;
};
