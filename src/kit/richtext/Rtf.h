#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace kit::richtext {

// Rich text (RTF) as word processors write it, read into and written from a QTextDocument:
// fonts with their character sets (windows-1250 for Hungarian text), "\'xx" and "\u"
// characters, bold, italic, underline, sizes, colours, alignment, indents, tabs, line and page
// breaks, list item texts and table cells (as tab-separated lines). Pictures, objects, headers
// and other destinations are skipped.

// Reads RTF into the document (its old content is replaced). False, with the reason in
// `error`, when the data is not RTF or is broken beyond reading; the document then holds what
// could be read.
bool readRtf(const QByteArray& rtf, QTextDocument& document, QString* error = nullptr);

// Writes the document as RTF in windows-1250, with "\u" for characters outside it.
QByteArray writeRtf(const QTextDocument& document);

// Reads an RTF file; the error names the file.
bool loadRtfFile(const QString& path, QTextDocument& document, QString* error = nullptr);

}  // namespace kit::richtext
