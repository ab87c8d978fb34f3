#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QToolButton;

namespace kit::data {
class Dataset;
}

namespace kit::forms {

// The paging bar of a list window (Panel_SzuresSav): the paging switch, the total row count,
// the page buttons, the page number and count, and the page size. It puts the page clause
// into its list's query before every opening and counts the rows after it.
class PagingBar : public QWidget {
  Q_OBJECT
 public:
  explicit PagingBar(kit::data::Dataset& list, QWidget* parent = nullptr);

  // Page 1 and the page size; the buttons from the process-wide paging-off flag.
  void resetForShowing();
  int pageNumber() const { return page_; }
  int pageCount() const;
  int total() const { return total_; }
  // Runs before a page change or reopening; false refuses it (a pending edit).
  std::function<bool()> mayReopen;

  QPushButton* ButtonLimitOff;  // "Limit felügyelés kikapcsolása"
  QPushButton* ButtonLimitOn;   // "Limit felügyelés bekapcsolása"
  QLabel* Label_maxlines;
  QWidget* Panel_offset;
  QToolButton* SpeedButton_Of_First;
  QToolButton* SpeedButton_Of_Prior;
  QToolButton* SpeedButton_Of_Next;
  QToolButton* SpeedButton_Of_Last;
  QLabel* Label_Of_No;
  QLabel* Label_Of_Max;
  QLabel* Label_limit;

  // Counts the rows again (after a save or a delete) and updates the labels and buttons.
  void recount();
  void goToPage(int page);
  void switchPagingOff();
  void switchPagingOn();

 signals:
  void reopened();

 private:
  void showPagingState(bool off);
  void reopenKeepingRow();

  kit::data::Dataset& list_;
  int page_ = 1;
  int total_ = 0;
};

}  // namespace kit::forms
