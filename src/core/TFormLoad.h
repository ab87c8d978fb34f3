#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace core {

// The start-up window: the program's picture and one line per start-up step (database host,
// connection, printer, version check, windows, report layouts, schema, upgrade scripts).
// Nothing else runs while the program starts, so the window repaints itself explicitly.
class TFormLoad : public QWidget {
  Q_OBJECT

 public:
  explicit TFormLoad(QWidget* parent = nullptr);

  void showAndPaint();
  void setHost(const QString& host);
  void setConnected(bool connected);
  void setPrinterFound(bool found);
  void setVersionCheckRunning();
  // One window created; repaints on every tenth step.
  void windowStep();
  // A window's report layouts prepared; repaints when the position is a multiple of ten.
  void printStep(int count);
  void setSchemaRange(int maximum);
  void setSchemaPosition(int position);
  void setUpgradeRange(int maximum);
  void setUpgradePosition(int position);
  void setUpgradeScript(const QString& script);

  QString statusText(const QString& caption) const;  // the status shown beside a caption
  QProgressBar* ProgressBarWindow = nullptr;
  QProgressBar* ProgressBarPrint = nullptr;
  QProgressBar* ProgressBarDB = nullptr;
  QProgressBar* ProgressBarUpdate = nullptr;

 private:
  QLabel* addLine(const QString& caption, QWidget* status = nullptr);
  void stepAndMaybeRepaint(QProgressBar* bar, int count);

  QLabel* host_ = nullptr;
  QLabel* connection_ = nullptr;
  QLabel* printer_ = nullptr;
  QLabel* version_ = nullptr;
  QLabel* script_ = nullptr;
};

}  // namespace core
