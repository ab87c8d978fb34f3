#include "Result.h"

#include <libpq-fe.h>

#include "PgValue.h"

namespace kit::data {

Result::Result(pg_result* result) : res_(result, PQclear) {
  const int n = PQnfields(result);
  columns_.reserve(n);
  for (int i = 0; i < n; ++i) {
    Column c;
    c.name = QString::fromUtf8(PQfname(result, i));
    c.typeOid = PQftype(result, i);
    const int mod = PQfmod(result, i);
    if ((c.typeOid == pgtype::Varchar || c.typeOid == pgtype::Bpchar) && mod >= 4) c.maxLength = mod - 4;
    c.tableOid = PQftable(result, i);
    c.tableColumn = PQftablecol(result, i);
    columns_.append(c);
  }
}

int Result::rowCount() const {
  return res_ ? PQntuples(res_.get()) : 0;
}

int Result::columnCount() const {
  return int(columns_.size());
}

int Result::columnIndex(const QString& name) const {
  for (int i = 0; i < columns_.size(); ++i)
    if (columns_[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

bool Result::isNull(int row, int column) const {
  return PQgetisnull(res_.get(), row, column) != 0;
}

QVariant Result::value(int row, int column) const {
  const Column& c = columns_[column];
  if (isNull(row, column)) return QVariant(QMetaType(metaTypeOf(c.typeOid)));
  return fromPgText(PQgetvalue(res_.get(), row, column), PQgetlength(res_.get(), row, column), c.typeOid);
}

QVariant Result::value(int row, const QString& column) const {
  const int index = columnIndex(column);
  return index < 0 ? QVariant() : value(row, index);
}

qint64 Result::affectedRows() const {
  return res_ ? QByteArray(PQcmdTuples(res_.get())).toLongLong() : 0;
}

}  // namespace kit::data
