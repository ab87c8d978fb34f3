#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace session {

// A window of plain information: a title line, a text and a close button.
class TFormInfo : public QDialog {
  Q_OBJECT
 public:
  TFormInfo(const QString& objectName, const QString& caption, const QString& title, const QString& html,
            QWidget* parent = nullptr);
  QTextBrowser* text() const { return text_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTextBrowser* text_;
};

// The read-me window a new installation opens with: what to record first.
TFormInfo* createReadMe(QWidget* parent = nullptr);
// The about window with the program version.
TFormInfo* createAbout(QWidget* parent = nullptr);

// The help window on one topic; an unknown topic shows the description of the program.
TFormInfo* createHelp(int topic, QWidget* parent = nullptr);
// A "Súgó" button that opens the help window on its topic.
QPushButton* createHelpButton(int topic, QWidget* parent);

// The help topics the windows open (the description of the program, the owner, the options,
// the login).
namespace HelpTopic {
constexpr int program = 1;
constexpr int owner = 31;
constexpr int options = 32;
constexpr int login = 35;
}  // namespace HelpTopic

}  // namespace session
