#pragma once

#include <QStringList>
#include <QVariant>
#include <vector>

#include "ReportModel.h"
#include "kit/data/Dataset.h"

namespace kit::report {

// Rows the report holds itself: a document assembled from computed data.
class TableRows : public RowSource {
 public:
  explicit TableRows(QStringList fields) : fields_(std::move(fields)) {}
  void append(std::vector<QVariant> row) { rows_.push_back(std::move(row)); }
  int rowCount() const override { return int(rows_.size()); }
  void moveTo(int row) override { current_ = row; }
  QVariant value(const QString& field) const override {
    const qsizetype column = fields_.indexOf(field.toLower());
    if (column < 0 || current_ < 0 || current_ >= rowCount()) return {};
    return rows_[current_][column];
  }

 private:
  QStringList fields_;
  std::vector<std::vector<QVariant>> rows_;
  int current_ = -1;
};

// The rows of an open dataset; the dataset's current row follows the report and is put back
// afterwards by the caller if it matters.
class DatasetRows : public RowSource {
 public:
  explicit DatasetRows(kit::data::Dataset& dataset) : dataset_(dataset) {}
  int rowCount() const override { return dataset_.recordCount(); }
  void moveTo(int row) override { dataset_.moveTo(row); }
  QVariant value(const QString& field) const override {
    return dataset_.hasField(field) ? dataset_.value(field) : QVariant();
  }

 private:
  kit::data::Dataset& dataset_;
};

}  // namespace kit::report
