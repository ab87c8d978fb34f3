#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

namespace kit::text {

// "2013. 05. 07."; empty text for a null date.
QString dateAsText(const QDate& date);

// A value as the program shows and prints it: dates as dateAsText(), decimals with a comma,
// booleans as "Igen"/"Nem", NULL as empty text.
QString valueAsText(const QVariant& value);

// Sort key of a point number: every one-character part gets a leading zero and every part
// is followed by a dot ("1.2.10" -> "01.02.10.", "3" -> "03."). Fills the sort columns of
// template and protocol points, so that point 1.10 sorts after point 1.9.
QString pointNumberForSorting(const QString& number);

// Number of "." characters: the depth of a point number.
int countDots(const QString& text);

// Upper case with the Hungarian mapping of the program: ASCII letters and the Hungarian
// accented vowels are raised, every other character is left as it is.
QString hungarianUpper(const QString& text);

// The first character and every character after a blank or a "-" raised by the Hungarian
// mapping; the rest left as it is ("kiss-nagy éva" -> "Kiss-Nagy Éva").
QString capitalisedWords(const QString& text);

// capitalisedWords() of the text with its leading and trailing blanks removed.
QString trimmedCapitalisedWords(const QString& text);

// Spreadsheet column letters of a zero-based column number: 0 -> "A", 27 -> "AB",
// 130 -> "EA". Empty text past "ZZ" or for a negative number.
QString columnLetters(int column);

}  // namespace kit::text
