#include "Dataset.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

#include "DbError.h"
#include "PgValue.h"

namespace kit::data {
namespace {

QString quoted(const QString& identifier) {
  QString s = identifier;
  s.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + s + QLatin1Char('"');
}

bool isText(const QVariant& v) {
  return v.typeId() == QMetaType::QString;
}

// Whether assigning `b` over `a` changes nothing. NULL and empty text are the same value.
bool sameValue(const QVariant& a, const QVariant& b) {
  const bool aEmpty = a.isNull() || (isText(a) && a.toString().isEmpty());
  const bool bEmpty = b.isNull() || (isText(b) && b.toString().isEmpty());
  if (aEmpty || bEmpty) return aEmpty && bEmpty;
  return a == b;
}

QDate parseDate(const QString& text) {
  for (const char* format : {"yyyy-MM-dd", "yyyy.MM.dd.", "yyyy. MM. dd.", "yyyy.MM.dd"}) {
    const QDate d = QDate::fromString(text, QLatin1String(format));
    if (d.isValid()) return d;
  }
  return {};
}

DbError invalidValue(const QString& text, const QString& what) {
  return DbError(QStringLiteral("„%1” nem érvényes %2.").arg(text, what));
}

}  // namespace

Dataset::Dataset(Connection& connection, const QString& name, QObject* parent)
    : QObject(parent), connection_(connection), name_(name) {
  setObjectName(name);
}

Dataset::~Dataset() = default;

void Dataset::setSql(const QString& text) {
  QString normalised = text;
  normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  lines_ = normalised.split(QLatin1Char('\n'));
}

void Dataset::setParam(const QString& name, const QVariant& value) {
  params_.insert(name.toLower(), value);
}

QVariant Dataset::param(const QString& name) const {
  return params_.value(name.toLower());
}

QString Dataset::updateTable() const {
  if (!updateTable_.isEmpty()) return updateTable_;
  static const QRegularExpression from(QStringLiteral("\\bfrom\\s+(?:public\\.)?\"?([A-Za-z_][A-Za-z0-9_]*)"),
                                       QRegularExpression::CaseInsensitiveOption);
  const auto match = from.match(sql());
  return match.hasMatch() ? match.captured(1).toLower() : QString();
}

QString Dataset::keyField() const {
  if (!keyField_.isEmpty()) return keyField_;
  const QString table = updateTable();
  const QString known = connection_.keyColumnOf(table);
  return known.isEmpty() ? table + QStringLiteral("_kod") : known;
}

// ---------------------------------------------------------------- opening

void Dataset::open() {
  requireBrowse();
  beforeOpen.run(*this);
  const Result result = connection_.execNamed(sql(), params_);
  emit aboutToReset();
  load(result);
  setState(State::Browse);
  emit reset();
  emit currentRowChanged(current_);
  afterOpen.run(*this);
  afterScroll.run(*this);
}

void Dataset::load(const Result& result) {
  result_ = result;
  fields_.clear();
  for (int i = 0; i < result.columnCount(); ++i) fields_.append(result.column(i));
  rows_.assign(result.rowCount(), Row{});
  for (int i = 0; i < int(rows_.size()); ++i) rows_[i].resultRow = i;
  current_ = rows_.empty() ? -1 : 0;
  buffer_.clear();
  changed_.clear();
}

void Dataset::close() {
  if (state_ == State::Inactive) return;
  emit aboutToReset();
  result_ = Result();
  rows_.clear();
  current_ = -1;
  buffer_.clear();
  changed_.clear();
  setState(State::Inactive);
  emit reset();
  emit currentRowChanged(current_);
}

void Dataset::refresh() {
  requireBrowse();
  const int oldRow = current_;
  QVariant key;
  if (isOpen() && current_ >= 0 && hasField(keyField())) key = value(keyField());
  open();
  if (!key.isNull() && locate(keyField(), key)) return;
  if (oldRow >= 0) moveTo(std::min(oldRow, recordCount() - 1));
}

void Dataset::setState(State state) {
  if (state_ == state) return;
  state_ = state;
  emit stateChanged(state);
}

void Dataset::requireBrowse() const {
  if (isEditing()) throw DbError(pendingEditMessage());
}

// ---------------------------------------------------------------- rows

void Dataset::moveTo(int row) {
  requireBrowse();
  if (rows_.empty()) return;
  row = std::clamp(row, 0, recordCount() - 1);
  if (row == current_) return;
  beforeScroll.run(*this);
  current_ = row;
  emit currentRowChanged(current_);
  afterScroll.run(*this);
}

bool Dataset::locate(const QString& field, const QVariant& value, LocateOptions options) {
  requireBrowse();
  const int index = requireField(field);
  const Qt::CaseSensitivity cs = options.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
  const bool asText = options.caseInsensitive || options.partialKey;
  const QString wantedText = value.toString();
  QVariant wanted;
  if (!asText) {
    try {
      wanted = converted(index, value);
    } catch (const DbError&) {
      return false;  // a value the column cannot hold is in no row
    }
  }
  for (int row = 0; row < recordCount(); ++row) {
    const QVariant v = valueAt(row, index);
    const bool hit = !asText              ? sameValue(v, wanted)
                     : options.partialKey ? v.toString().startsWith(wantedText, cs)
                                          : v.toString().compare(wantedText, cs) == 0;
    if (hit) {
      moveTo(row);
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------- fields

int Dataset::fieldIndex(const QString& name) const {
  for (int i = 0; i < fields_.size(); ++i)
    if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int Dataset::requireField(const QString& name) const {
  const int index = fieldIndex(name);
  if (index < 0)
    throw DbError(
        QStringLiteral("A(z) %1 mező nem található a(z) %2 lekérdezésben.").arg(name, displayName()));
  return index;
}

QVariant Dataset::valueAt(int row, int field) const {
  const Row& r = rows_[row];
  if (!r.values.isEmpty()) return r.values[field];
  return result_.value(r.resultRow, field);
}

QVariant Dataset::value(const QString& field) const {
  const int index = requireField(field);
  if (isEditing()) return buffer_[index];
  if (current_ < 0) return QVariant(QMetaType(metaTypeOf(fields_[index].typeOid)));
  return valueAt(current_, index);
}

QVariant Dataset::converted(int field, const QVariant& value) const {
  const Column& column = fields_[field];
  const QMetaType::Type type = metaTypeOf(column.typeOid);
  const QVariant null{QMetaType(type)};
  if (value.isNull()) return null;
  const bool fromText = value.typeId() == QMetaType::QString;
  const QString text = fromText ? value.toString().trimmed() : QString();
  switch (type) {
    case QMetaType::QString: {
      QString s =
          value.typeId() == QMetaType::QDate ? value.toDate().toString(Qt::ISODate) : value.toString();
      if (column.maxLength >= 0 && s.size() > column.maxLength) s.truncate(column.maxLength);
      return s;
    }
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt: {
      if (fromText && text.isEmpty()) return null;
      bool ok = false;
      const qlonglong n = fromText ? text.toLongLong(&ok) : value.toLongLong(&ok);
      if (!ok) throw invalidValue(value.toString(), QStringLiteral("egész szám"));
      QVariant result(n);
      result.convert(QMetaType(type));
      return result;
    }
    case QMetaType::Double: {
      if (fromText && text.isEmpty()) return null;
      bool ok = false;
      const double d = fromText ? QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok)
                                : value.toDouble(&ok);
      if (!ok) throw invalidValue(value.toString(), QStringLiteral("szám"));
      return d;
    }
    case QMetaType::Bool:
      if (fromText)
        return !(text.isEmpty() || text == QLatin1String("0") ||
                 text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 ||
                 text.compare(QLatin1String("f"), Qt::CaseInsensitive) == 0);
      return value.toBool();
    case QMetaType::QDate: {
      if (value.typeId() == QMetaType::QDate) return value;
      if (value.typeId() == QMetaType::QDateTime) return value.toDateTime().date();
      if (fromText && text.isEmpty()) return null;
      const QDate d = parseDate(text);
      if (!d.isValid()) throw invalidValue(value.toString(), QStringLiteral("dátum"));
      return d;
    }
    case QMetaType::QTime: {
      if (value.typeId() == QMetaType::QTime) return value;
      if (fromText && text.isEmpty()) return null;
      const QTime t = QTime::fromString(text, Qt::ISODateWithMs);
      if (!t.isValid()) throw invalidValue(value.toString(), QStringLiteral("időpont"));
      return t;
    }
    case QMetaType::QDateTime: {
      if (value.typeId() == QMetaType::QDateTime) return value;
      if (value.typeId() == QMetaType::QDate) return value.toDate().startOfDay();
      if (fromText && text.isEmpty()) return null;
      QDateTime dt =
          QDateTime::fromString(QString(text).replace(QLatin1Char(' '), QLatin1Char('T')), Qt::ISODateWithMs);
      if (!dt.isValid()) throw invalidValue(value.toString(), QStringLiteral("időpont"));
      return dt;
    }
    default: return value;
  }
}

void Dataset::setValue(const QString& field, const QVariant& value) {
  const int index = requireField(field);
  if (!isEditing())
    throw DbError(QStringLiteral("A(z) %1 mező csak szerkesztés közben módosítható.").arg(field));
  const QVariant v = converted(index, value);
  if (sameValue(buffer_[index], v)) return;
  buffer_[index] = v;
  changed_[index] = true;
  emit valueChanged(fields_[index].name);
  fieldChanged.run(*this, fields_[index].name);
}

bool Dataset::isModified() const {
  return changed_.contains(true);
}

QStringList Dataset::modifiedFields() const {
  QStringList names;
  for (int i = 0; i < changed_.size(); ++i)
    if (changed_[i]) names.append(fields_[i].name);
  return names;
}

// ---------------------------------------------------------------- editing

void Dataset::edit() {
  if (!isOpen()) throw DbError(QStringLiteral("A(z) %1 lekérdezés nincs megnyitva.").arg(displayName()));
  if (isEditing()) return;
  if (rows_.empty()) {
    append();
    return;
  }
  beforeEdit.run(*this);
  buffer_.resize(fields_.size());
  for (int i = 0; i < fields_.size(); ++i) buffer_[i] = valueAt(current_, i);
  changed_.fill(false, fields_.size());
  setState(State::Edit);
}

void Dataset::append() {
  if (!isOpen()) throw DbError(QStringLiteral("A(z) %1 lekérdezés nincs megnyitva.").arg(displayName()));
  requireBrowse();
  buffer_.resize(fields_.size());
  for (int i = 0; i < fields_.size(); ++i) buffer_[i] = QVariant(QMetaType(metaTypeOf(fields_[i].typeOid)));
  changed_.fill(false, fields_.size());
  const int row = recordCount();
  emit rowAboutToBeInserted(row);
  rows_.push_back(Row{-1, buffer_});
  current_ = row;
  setState(State::Insert);
  emit rowInserted(row);
  emit currentRowChanged(current_);
  onNewRecord.run(*this);
}

QStringList Dataset::updatableFields() const {
  const int key = fieldIndex(keyField());
  if (key < 0)
    throw DbError(QStringLiteral("A(z) %1 lekérdezés nem tartalmazza a(z) %2 kulcsoszlopot, "
                                 "a sor nem rögzíthető.")
                      .arg(displayName(), keyField()));
  QStringList names;
  for (int i = 0; i < fields_.size(); ++i)
    if (fields_[i].tableOid == fields_[key].tableOid && changed_.value(i)) names.append(fields_[i].name);
  return names;
}

void Dataset::storeReturnedRow(const Result& result) {
  QVector<QVariant> values = buffer_;
  if (result.rowCount() > 0)
    for (int i = 0; i < fields_.size(); ++i) {
      const int column = result.columnIndex(fields_[i].name);
      if (column >= 0) values[i] = result.value(0, column);
    }
  rows_[current_].values = values;
}

void Dataset::postInsert() {
  const QStringList columns = updatableFields();
  QString sql = QStringLiteral("INSERT INTO ") + quoted(updateTable());
  QVariantList values;
  if (columns.isEmpty()) {
    sql += QStringLiteral(" DEFAULT VALUES");
  } else {
    QStringList names, places;
    for (const QString& column : columns) {
      names.append(quoted(column));
      values.append(buffer_[fieldIndex(column)]);
      places.append(QLatin1Char('$') + QString::number(values.size()));
    }
    sql +=
        QStringLiteral(" (%1) VALUES (%2)").arg(names.join(QLatin1Char(',')), places.join(QLatin1Char(',')));
  }
  sql += QStringLiteral(" RETURNING *");
  storeReturnedRow(connection_.exec(sql, values));
}

void Dataset::postUpdate() {
  const QStringList columns = updatableFields();
  if (columns.isEmpty()) return;  // nothing changed: nothing to send
  const QVariant key = valueAt(current_, fieldIndex(keyField()));
  QStringList sets;
  QVariantList values;
  for (const QString& column : columns) {
    values.append(buffer_[fieldIndex(column)]);
    sets.append(quoted(column) + QStringLiteral("=$") + QString::number(values.size()));
  }
  values.append(key);
  const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3=$%4 RETURNING *")
                          .arg(quoted(updateTable()), sets.join(QLatin1Char(',')), quoted(keyField()))
                          .arg(values.size());
  const Result result = connection_.exec(sql, values);
  if (result.rowCount() == 0)
    throw DbError(
        QStringLiteral("A sort időközben törölték az adatbázisból, a módosítás nem "
                       "rögzíthető. Frissítse a listát!"));
  storeReturnedRow(result);
}

void Dataset::post() {
  if (!isEditing()) return;
  beforePost.run(*this);
  if (state_ == State::Insert)
    postInsert();
  else
    postUpdate();
  buffer_.clear();
  changed_.clear();
  setState(State::Browse);
  emit rowChanged(current_);
  afterPost.run(*this);
}

void Dataset::cancel() {
  if (!isEditing()) return;
  const bool inserting = state_ == State::Insert;
  buffer_.clear();
  changed_.clear();
  setState(State::Browse);
  if (inserting) {
    const int row = current_;
    emit rowAboutToBeRemoved(row);
    rows_.erase(rows_.begin() + row);
    current_ = std::min(row, recordCount() - 1);
    emit rowRemoved(row);
  } else {
    emit rowChanged(current_);
  }
  emit currentRowChanged(current_);
  afterCancel.run(*this);
}

void Dataset::remove() {
  if (state_ == State::Insert) {
    cancel();
    return;
  }
  cancel();
  if (current_ < 0) return;
  beforeDelete.run(*this);
  const QVariant key = value(keyField());
  connection_.exec(
      QStringLiteral("DELETE FROM %1 WHERE %2=$1").arg(quoted(updateTable()), quoted(keyField())), {key});
  const int row = current_;
  emit rowAboutToBeRemoved(row);
  rows_.erase(rows_.begin() + row);
  current_ = std::min(row, recordCount() - 1);
  emit rowRemoved(row);
  emit currentRowChanged(current_);
  afterDelete.run(*this);
  afterScroll.run(*this);
}

}  // namespace kit::data
