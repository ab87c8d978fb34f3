#include "SqlParams.h"

namespace kit::data {
namespace {

bool isNameStart(QChar c) {
  return c.isLetter() || c == QLatin1Char('_');
}
bool isNameChar(QChar c) {
  return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Index just past a quoted run that starts at i with the quote character q ('' or "" inside
// it stand for the quote itself).
qsizetype skipQuoted(const QString& s, qsizetype i, QChar q) {
  for (++i; i < s.size(); ++i) {
    if (s[i] == q) {
      if (i + 1 < s.size() && s[i + 1] == q) {
        ++i;
        continue;
      }
      return i + 1;
    }
  }
  return s.size();
}

// Index just past a dollar-quoted string ($tag$ ... $tag$) starting at i, or i when the
// dollar sign at i does not open one.
qsizetype skipDollarQuoted(const QString& s, qsizetype i) {
  qsizetype j = i + 1;
  while (j < s.size() && isNameChar(s[j]) && !s[j].isDigit()) ++j;
  if (j >= s.size() || s[j] != QLatin1Char('$')) return i;
  const QString tag = s.mid(i, j - i + 1);
  const qsizetype end = s.indexOf(tag, j + 1);
  return end < 0 ? s.size() : end + tag.size();
}

}  // namespace

PositionalSql toPositional(const QString& sql) {
  PositionalSql out;
  out.text.reserve(sql.size());
  qsizetype i = 0;
  while (i < sql.size()) {
    const QChar c = sql[i];
    qsizetype next = i + 1;
    if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
      next = skipQuoted(sql, i, c);
    } else if (c == QLatin1Char('-') && sql.mid(i, 2) == QLatin1String("--")) {
      next = sql.indexOf(QLatin1Char('\n'), i);
      if (next < 0) next = sql.size();
    } else if (c == QLatin1Char('/') && sql.mid(i, 2) == QLatin1String("/*")) {
      next = sql.indexOf(QLatin1String("*/"), i + 2);
      next = next < 0 ? sql.size() : next + 2;
    } else if (c == QLatin1Char('$')) {
      next = std::max(skipDollarQuoted(sql, i), i + 1);
    } else if (c == QLatin1Char(':')) {
      if (i + 1 < sql.size() && sql[i + 1] == QLatin1Char(':')) {
        next = i + 2;  // a cast
      } else if (i + 1 < sql.size() && isNameStart(sql[i + 1])) {
        qsizetype end = i + 1;
        while (end < sql.size() && isNameChar(sql[end])) ++end;
        const QString name = sql.mid(i + 1, end - i - 1).toLower();
        qsizetype pos = out.names.indexOf(name);
        if (pos < 0) {
          out.names.append(name);
          pos = out.names.size() - 1;
        }
        out.text += QLatin1Char('$') + QString::number(pos + 1);
        i = end;
        continue;
      }
    }
    out.text += sql.mid(i, next - i);
    i = next;
  }
  return out;
}

}  // namespace kit::data
