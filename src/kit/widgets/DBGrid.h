#pragma once

#include <QTableView>

#include "kit/data/DatasetModel.h"

namespace kit::ui {

// A read-only list of a dataset's rows: whole-row selection, the selected row is the
// dataset's current row, the mouse wheel moves by exactly one row per notch, and a letter or
// digit typed into it asks for the search field. Editing happens in the window's fields.
class DBGrid : public QTableView {
  Q_OBJECT
 public:
  DBGrid(kit::data::Dataset& dataset, QList<kit::data::DatasetModel::Column> columns,
         QWidget* parent = nullptr);

  kit::data::Dataset& dataset() const { return dataset_; }
  kit::data::DatasetModel& datasetModel() const { return *model_; }
  void setColumnWidths(const QList<int>& widths);
  void setColors(const QColor& background, const QColor& title);

 signals:
  // A letter or digit was typed into the list.
  void searchRequested(const QString& firstCharacter);
  // Enter or a double click on a row.
  void rowActivated();

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void followDataset();
  kit::data::Dataset& dataset_;
  kit::data::DatasetModel* model_;
  bool following_ = false;
};

}  // namespace kit::ui
