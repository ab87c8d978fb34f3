#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QVariant>

namespace kit::data {

// PostgreSQL type OIDs the program maps to Qt types.
namespace pgtype {
constexpr unsigned Bool = 16, Bytea = 17, Char = 18, Name = 19, Int8 = 20, Int2 = 21, Int4 = 23, Text = 25,
                   Oid = 26, Float4 = 700, Float8 = 701, Bpchar = 1042, Varchar = 1043, Date = 1082,
                   Time = 1083, Timestamp = 1114, Timestamptz = 1184, Numeric = 1700;
}

// The Qt type a column of the given PostgreSQL type is read as.
QMetaType::Type metaTypeOf(unsigned oid);

// A value in the server's text format converted to the column's Qt type.
QVariant fromPgText(const char* text, int length, unsigned oid);

// A value in the text format the server accepts for a parameter; a null QVariant is SQL NULL
// (signalled by *isNull).
QByteArray toPgText(const QVariant& value, bool* isNull);

}  // namespace kit::data
