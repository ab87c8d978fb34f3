#pragma once

#include <QString>
#include <QVariant>
#include <memory>

struct pg_result;

namespace kit::data {

// Description of one column of a result.
struct Column {
  QString name;           // as the server names it (unquoted names are lower case)
  unsigned typeOid = 0;   // PostgreSQL type
  int maxLength = -1;     // declared length of a varchar(n) / char(n) column, else -1
  unsigned tableOid = 0;  // table the column was read from, 0 for an expression
  int tableColumn = 0;    // its position in that table
};

// The rows of one statement, owned jointly by whoever keeps a copy. Values are converted
// from the server's text form when read, so a large result costs its text and no more.
class Result {
 public:
  Result() = default;
  explicit Result(pg_result* result);  // takes ownership

  bool isNull() const { return !res_; }
  int rowCount() const;
  int columnCount() const;
  const Column& column(int index) const { return columns_[index]; }
  // Index of a column by name compared case-insensitively, or -1.
  int columnIndex(const QString& name) const;

  bool isNull(int row, int column) const;
  QVariant value(int row, int column) const;
  QVariant value(int row, const QString& column) const;
  // Number of rows an INSERT, UPDATE or DELETE touched.
  qint64 affectedRows() const;

 private:
  std::shared_ptr<pg_result> res_;
  QList<Column> columns_;
};

}  // namespace kit::data
