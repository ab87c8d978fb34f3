#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "Dataset.h"

namespace kit::data {

// The rows of a Dataset as a Qt item model, so that grids show them and follow every change
// of the dataset (open, post, append, cancel, delete). Read-only: editing happens in the
// window's fields, through the dataset.
class DatasetModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  struct Column {
    QString field;  // column of the dataset
    QString title;  // header text; the field name when empty
  };

  // Shows the given columns, or every field of the dataset when the list is empty.
  explicit DatasetModel(Dataset& dataset, QList<Column> columns = {}, QObject* parent = nullptr);

  Dataset& dataset() const { return dataset_; }

  // A rule for the look of whole rows (for example Qt::BackgroundRole for contracted
  // partners): called with the row and the role; an invalid QVariant means the default.
  using RowStyle = std::function<QVariant(const Dataset& dataset, int row, int role)>;
  void setRowStyle(RowStyle style) { rowStyle_ = std::move(style); }

  // The shown value of any field of a row, as data() gives it for a column.
  static QString displayText(const QVariant& value);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  void resolveColumns();
  QVariant rawValue(int row, int column) const;

  Dataset& dataset_;
  QList<Column> requested_;
  QList<Column> columns_;
  QList<int> fieldIndexes_;
  RowStyle rowStyle_;
};

}  // namespace kit::data
