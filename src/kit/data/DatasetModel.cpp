#include "DatasetModel.h"

#include "kit/text/TextHelpers.h"

namespace kit::data {

DatasetModel::DatasetModel(Dataset& dataset, QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), dataset_(dataset), requested_(std::move(columns)) {
  resolveColumns();
  connect(&dataset_, &Dataset::aboutToReset, this, [this] { beginResetModel(); });
  connect(&dataset_, &Dataset::reset, this, [this] {
    resolveColumns();
    endResetModel();
  });
  connect(&dataset_, &Dataset::rowAboutToBeInserted, this,
          [this](int row) { beginInsertRows({}, row, row); });
  connect(&dataset_, &Dataset::rowInserted, this, [this] { endInsertRows(); });
  connect(&dataset_, &Dataset::rowAboutToBeRemoved, this, [this](int row) { beginRemoveRows({}, row, row); });
  connect(&dataset_, &Dataset::rowRemoved, this, [this] { endRemoveRows(); });
  const auto rowChanged = [this](int row) {
    if (row >= 0 && row < rowCount()) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
  };
  connect(&dataset_, &Dataset::rowChanged, this, rowChanged);
  connect(&dataset_, &Dataset::valueChanged, this, [this, rowChanged] { rowChanged(dataset_.currentRow()); });
}

void DatasetModel::resolveColumns() {
  columns_.clear();
  fieldIndexes_.clear();
  if (requested_.isEmpty()) {
    for (int i = 0; i < dataset_.fieldCount(); ++i) {
      columns_.append({dataset_.field(i).name, dataset_.field(i).name});
      fieldIndexes_.append(i);
    }
    return;
  }
  for (const Column& c : requested_) {
    columns_.append({c.field, c.title.isEmpty() ? c.field : c.title});
    fieldIndexes_.append(dataset_.fieldIndex(c.field));
  }
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : dataset_.recordCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(columns_.size());
}

QVariant DatasetModel::rawValue(int row, int column) const {
  const int field = fieldIndexes_.value(column, -1);
  if (field < 0) return {};
  // The row being edited shows what is typed, not what is stored.
  if (row == dataset_.currentRow() && dataset_.isEditing()) return dataset_.value(columns_[column].field);
  return dataset_.valueAt(row, field);
}

QString DatasetModel::displayText(const QVariant& value) {
  return kit::text::valueAsText(value);
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (rowStyle_ && role != Qt::DisplayRole && role != Qt::EditRole) {
    const QVariant styled = rowStyle_(dataset_, index.row(), role);
    if (styled.isValid()) return styled;
  }
  if (role == Qt::DisplayRole) return displayText(rawValue(index.row(), index.column()));
  if (role == Qt::EditRole) return rawValue(index.row(), index.column());
  return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= columns_.size()) return {};
  return columns_[section].title;
}

}  // namespace kit::data
