#pragma once

#include "PreparedDocument.h"
#include "ReportModel.h"

namespace kit::report {

// Lays a document out into pages, once: page headers and footers on every page, the title on
// a report's first page, column headers again on every page of the detail rows, group headers
// and footers at every change of a group key (the headers again on continuation pages),
// stretching texts that grow their band and continue on the next page when they are longer
// than one, bands kept whole where they fit on a page, and page numbers with the page count of
// the whole document.
PreparedDocument prepare(const Document& document);

// Length conversions of the layout.
constexpr double kMmPerPoint = 25.4 / 72.0;

// The lines a text takes in a box of the given width (millimetres) with a font, as the engine
// breaks them, and the height of one line (millimetres).
QStringList breakLines(const QString& text, const Font& font, double widthMm, bool wordWrap);
double lineHeight(const Font& font);

}  // namespace kit::report
