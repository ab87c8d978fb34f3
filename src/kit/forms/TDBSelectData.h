#pragma once

#include <QColor>
#include <QDialog>
#include <QObject>

#include "kit/data/Dataset.h"
#include "kit/data/DatasetModel.h"

class QLineEdit;
class QPushButton;

namespace kit::ui {
class DBGrid;
}

namespace kit::forms {

// Pick-from-list: shows a list (ListSource) in a dialog with a search field; the chosen row's
// KeyField value is written into a target row's column (DataSource, DataField), replacing it
// (wfClear) or appended after a separator (wfAdd; the separator is written even into an empty
// column). A target row that was not being edited is saved at once.
class TDBSelectData : public QObject {
  Q_OBJECT
 public:
  enum class WriteMode { wfClear, wfAdd };
  enum class FindMode { CaseInsensitive, PartialKey };

  explicit TDBSelectData(QObject* parent = nullptr) : QObject(parent) {}

  QString DialogCaption;
  kit::data::Dataset* ListSource = nullptr;
  QString ListField;  // searched by the search field
  QString KeyField;   // written into the target
  kit::data::Dataset* DataSource = nullptr;
  QString DataField;
  WriteMode WriteField = WriteMode::wfClear;
  QChar WriteFieldSeparator = QLatin1Char(',');
  FindMode FindOptions = FindMode::PartialKey;
  bool AutoComplete = false;
  QString GridField;  // rows whose GridField equals GridFieldValue are painted
  QString GridFieldValue;
  bool GridFieldForce = false;  // painted rows cannot be chosen
  QColor ColorPanelNav, ColorGrid, ColorGridFixed;
  QList<kit::data::DatasetModel::Column> GridColumns;  // the ListField alone when empty

  // Shows the dialog; true once "Kiválasztás" was used.
  bool Execute(QWidget* parent = nullptr);

  // Writes the list's current row into the target as "Kiválasztás" does; false when the row
  // cannot be chosen (a painted row with GridFieldForce) or the save failed.
  bool chooseCurrent();
  // Searches the list as the search field does; true on a hit (the list moves there).
  bool find(const QString& text);
  // Whether a list row is painted (GridField equals GridFieldValue).
  bool isPainted(int row) const;
  // The colour of painted rows (4036593, 0x003D97F1).
  static QColor paintedRowColor();
};

// The dialog of TDBSelectData.
class TFormSelectData : public QDialog {
  Q_OBJECT
 public:
  TFormSelectData(TDBSelectData& selector, QWidget* parent = nullptr);
  QLineEdit* EditFind = nullptr;
  kit::ui::DBGrid* DBGrid = nullptr;
  QPushButton* ButtonSelect = nullptr;  // "Kiválasztás"
  QPushButton* ButtonCancel = nullptr;  // "Mégsem"
  bool chosen() const { return chosen_; }
  void select();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void searchFor(const QString& text);
  TDBSelectData& selector_;
  bool chosen_ = false;
  bool completing_ = false;
};

}  // namespace kit::forms
