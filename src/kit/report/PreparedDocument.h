#pragma once

#include <QImage>
#include <QRectF>
#include <QStringList>
#include <memory>
#include <vector>

#include "ReportModel.h"

class QPainter;
class QTextDocument;

namespace kit::report {

// One thing drawn on a prepared page, in millimetres from the page's top left corner.
struct PreparedItem {
  enum class Kind { Text, RichText, Picture, Line, Frame };
  Kind kind = Kind::Text;
  QRectF rect;
  QString text;
  Font font;
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
  bool wordWrap = true;
  double penWidth = 0.2;
  QColor color = Qt::black;
  QImage picture;
  std::shared_ptr<QTextDocument> richText;
  double richTextOffset = 0;  // millimetres of the rich text above this part (split texts)
};

struct PreparedPage {
  QSizeF size;     // millimetres
  int report = 0;  // index of the report the page belongs to
  std::vector<PreparedItem> items;

  // The texts of the page in drawing order (tests read the pages through these).
  QStringList texts() const;
  // The first text item containing `text`, or nullptr.
  const PreparedItem* find(const QString& text) const;
};

// The pages of a document, prepared once; the preview, the printer and the PDF export all
// draw from them.
struct PreparedDocument {
  QString title;
  std::vector<PreparedPage> pages;
  int pageCount() const { return int(pages.size()); }
};

// Draws a page with `dotsPerMm` device dots per millimetre.
void paintPage(QPainter& painter, const PreparedPage& page, double dotsPerMm);

// Writes the pages into one PDF file; false when it cannot be written.
bool writePdf(const PreparedDocument& document, const QString& path);

}  // namespace kit::report
