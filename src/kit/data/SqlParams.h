#pragma once

#include <QString>
#include <QStringList>

namespace kit::data {

// An SQL text with its named parameters (":pkod") replaced by the server's positional ones
// ("$1"). A name used twice gets the same position. Names are compared case-insensitively
// and returned in lower case, in the order of their positions. Quoted strings, quoted
// identifiers, comments and "::" casts are left alone.
struct PositionalSql {
  QString text;
  QStringList names;
};

PositionalSql toPositional(const QString& sql);

}  // namespace kit::data
