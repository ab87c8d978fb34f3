#pragma once

#include <QString>
#include <functional>
#include <optional>

class QTextDocument;

namespace kit::richtext {

// The value of a marker: the text of column `column` of the query named `query` (both as
// written in the marker, blanks removed), or std::nullopt when there is no such query or column.
using MarkerLookup = std::function<std::optional<QString>(const QString& query, const QString& column)>;

// The text a marker naming no existing query or column is replaced by.
inline QString wrongFieldText() {
  return QStringLiteral("{HIBÁS MEZŐ}");
}

// Fills a rich-text template: every marker, the text between two "~" ("~Nyomtat_Beszallas.nev~"),
// is replaced, both "~" included, by the value it names, in the formatting the marker had. The
// inner text loses its blanks and is split at its first "."; a "~" without a closing partner
// stays as it is. Values are not scanned again, so a "~" in the data is printed as typed.
// Returns the number of markers replaced.
int mergeTemplate(QTextDocument& document, const MarkerLookup& lookup);

}  // namespace kit::richtext
