#include "PgValue.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace kit::data {

QMetaType::Type metaTypeOf(unsigned oid) {
  switch (oid) {
    case pgtype::Bool: return QMetaType::Bool;
    case pgtype::Int2:
    case pgtype::Int4: return QMetaType::Int;
    case pgtype::Int8: return QMetaType::LongLong;
    case pgtype::Oid: return QMetaType::UInt;
    case pgtype::Float4:
    case pgtype::Float8:
    case pgtype::Numeric: return QMetaType::Double;
    case pgtype::Date: return QMetaType::QDate;
    case pgtype::Time: return QMetaType::QTime;
    case pgtype::Timestamp:
    case pgtype::Timestamptz: return QMetaType::QDateTime;
    case pgtype::Bytea: return QMetaType::QByteArray;
    default: return QMetaType::QString;
  }
}

namespace {

QDateTime parseTimestamp(QString text) {
  text.replace(QLatin1Char(' '), QLatin1Char('T'));
  // "+01" offsets as the server writes them need minutes for Qt's ISO parser.
  const qsizetype sign = std::max(text.lastIndexOf(QLatin1Char('+')), text.lastIndexOf(QLatin1Char('-')));
  if (sign > 10 && text.size() - sign == 3) text += QLatin1String(":00");
  return QDateTime::fromString(text, Qt::ISODateWithMs);
}

QByteArray decodeHexBytea(const char* text, int length) {
  if (length >= 2 && text[0] == '\\' && text[1] == 'x')
    return QByteArray::fromHex(QByteArray(text + 2, length - 2));
  return QByteArray(text, length);
}

}  // namespace

QVariant fromPgText(const char* text, int length, unsigned oid) {
  const auto str = [&] { return QString::fromUtf8(text, length); };
  switch (oid) {
    case pgtype::Bool: return QVariant(length > 0 && text[0] == 't');
    case pgtype::Int2:
    case pgtype::Int4: return QVariant(str().toInt());
    case pgtype::Int8: return QVariant(str().toLongLong());
    case pgtype::Oid: return QVariant(str().toUInt());
    case pgtype::Float4:
    case pgtype::Float8:
    case pgtype::Numeric: return QVariant(str().toDouble());
    case pgtype::Date: {
      const QDate d = QDate::fromString(str(), Qt::ISODate);
      return d.isValid() ? QVariant(d) : QVariant(QMetaType(QMetaType::QDate));
    }
    case pgtype::Time: return QVariant(QTime::fromString(str(), Qt::ISODateWithMs));
    case pgtype::Timestamp:
    case pgtype::Timestamptz: return QVariant(parseTimestamp(str()));
    case pgtype::Bytea: return QVariant(decodeHexBytea(text, length));
    default: return QVariant(str());
  }
}

QByteArray toPgText(const QVariant& value, bool* isNull) {
  *isNull = value.isNull();
  if (*isNull) return {};
  switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? "true" : "false";
    case QMetaType::QDate: return value.toDate().toString(Qt::ISODate).toUtf8();
    case QMetaType::QTime: return value.toTime().toString(Qt::ISODateWithMs).toUtf8();
    case QMetaType::QDateTime:
      return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toUtf8();
    case QMetaType::Double:
    case QMetaType::Float: return QByteArray::number(value.toDouble(), 'g', 17);
    case QMetaType::QByteArray: return "\\x" + value.toByteArray().toHex();
    default: return value.toString().toUtf8();
  }
}

}  // namespace kit::data
