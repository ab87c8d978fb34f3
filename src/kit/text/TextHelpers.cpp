#include "TextHelpers.h"

#include <QStringList>

namespace kit::text {

QString dateAsText(const QDate& date) {
  if (!date.isValid()) return {};
  return date.toString(QStringLiteral("yyyy. MM. dd."));
}

QString valueAsText(const QVariant& value) {
  if (value.isNull()) return {};
  switch (value.typeId()) {
    case QMetaType::QDate: return dateAsText(value.toDate());
    case QMetaType::Double:
      return QString::number(value.toDouble()).replace(QLatin1Char('.'), QLatin1Char(','));
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("Igen") : QStringLiteral("Nem");
    default: return value.toString();
  }
}

QString pointNumberForSorting(const QString& number) {
  if (number.isEmpty()) return {};
  QString text = number;
  if (!text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
  QStringList parts = text.split(QLatin1Char('.'));
  parts.removeLast();  // the empty text after the final dot
  QString result;
  for (const QString& part : parts) {
    if (part.size() == 1) result += QLatin1Char('0');
    result += part;
    result += QLatin1Char('.');
  }
  return result;
}

int countDots(const QString& text) {
  return int(text.count(QLatin1Char('.')));
}

namespace {

QChar upperOne(QChar c) {
  const char16_t u = c.unicode();
  if (u >= 'a' && u <= 'z') return QChar(u - 'a' + 'A');
  switch (u) {
    case u'á': return QChar(u'Á');
    case u'é': return QChar(u'É');
    case u'í': return QChar(u'Í');
    case u'ó': return QChar(u'Ó');
    case u'ö': return QChar(u'Ö');
    case u'ő': return QChar(u'Ő');
    case u'ú': return QChar(u'Ú');
    case u'ü': return QChar(u'Ü');
    case u'ű': return QChar(u'Ű');
    default: return c;
  }
}

}  // namespace

QString hungarianUpper(const QString& text) {
  QString result = text;
  for (QChar& c : result) c = upperOne(c);
  return result;
}

QString capitalisedWords(const QString& text) {
  QString result = text;
  bool startOfWord = true;
  for (QChar& c : result) {
    if (startOfWord) c = upperOne(c);
    startOfWord = c == QLatin1Char(' ') || c == QLatin1Char('-');
  }
  return result;
}

QString trimmedCapitalisedWords(const QString& text) {
  return capitalisedWords(text.trimmed());
}

QString columnLetters(int column) {
  if (column < 0 || column >= 26 * 27) return {};
  const auto letter = [](int i) { return QChar(u'A' + i); };
  if (column < 26) return QString(letter(column));
  return QString(letter(column / 26 - 1)) + letter(column % 26);
}

}  // namespace kit::text
