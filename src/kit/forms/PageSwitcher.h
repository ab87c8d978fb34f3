#pragma once

#include <QWidget>

class QButtonGroup;
class QHBoxLayout;
class QStackedWidget;

namespace kit::forms {

// Pages of a window switched by flat buttons above them (and by F9, which the window passes
// on): the button of the page in front is drawn pressed.
class PageSwitcher : public QWidget {
  Q_OBJECT
 public:
  explicit PageSwitcher(QWidget* parent = nullptr);
  int addPage(const QString& caption, QWidget* page);
  int currentPage() const;
  void setCurrentPage(int index);
  // The next page, after the last the first again.
  void nextPage();
  int pageCount() const;
  QWidget* page(int index) const;

 signals:
  void pageChanged(int index);

 private:
  QHBoxLayout* buttons_;
  QButtonGroup* group_;
  QStackedWidget* stack_;
};

}  // namespace kit::forms
