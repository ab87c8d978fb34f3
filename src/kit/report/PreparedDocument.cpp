#include "PreparedDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "ReportEngine.h"

namespace kit::report {

QStringList PreparedPage::texts() const {
  QStringList list;
  for (const PreparedItem& item : items)
    if (item.kind == PreparedItem::Kind::Text) list.append(item.text);
  return list;
}

const PreparedItem* PreparedPage::find(const QString& text) const {
  for (const PreparedItem& item : items)
    if (item.kind == PreparedItem::Kind::Text && item.text.contains(text)) return &item;
  return nullptr;
}

namespace {

QFont deviceFont(const Font& f, const QPainter& painter, double dotsPerMm) {
  QFont font(f.family);
  // A point size that gives the font its printed size on this device and scale.
  const double dpi = painter.device()->logicalDpiY();
  font.setPointSizeF(std::max(0.5, f.pointSize * 25.4 * dotsPerMm / dpi));
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  return font;
}

QRectF toDots(const QRectF& mm, double dotsPerMm) {
  return QRectF(mm.left() * dotsPerMm, mm.top() * dotsPerMm, mm.width() * dotsPerMm, mm.height() * dotsPerMm);
}

}  // namespace

void paintPage(QPainter& painter, const PreparedPage& page, double dotsPerMm) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  for (const PreparedItem& item : page.items) {
    const QRectF rect = toDots(item.rect, dotsPerMm);
    QPen pen(item.color);
    pen.setWidthF(std::max(1.0, item.penWidth * dotsPerMm));
    switch (item.kind) {
      case PreparedItem::Kind::Text:
        painter.setPen(item.color);
        painter.setFont(deviceFont(item.font, painter, dotsPerMm));
        painter.drawText(rect, int(item.alignment) | Qt::TextSingleLine, item.text);
        break;
      case PreparedItem::Kind::Line:
        painter.setPen(pen);
        painter.drawLine(rect.topLeft(), rect.bottomRight());
        break;
      case PreparedItem::Kind::Frame:
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
        break;
      case PreparedItem::Kind::Picture: {
        const QSizeF fitted = QSizeF(item.picture.size()).scaled(rect.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(rect.topLeft(), fitted), item.picture);
        break;
      }
      case PreparedItem::Kind::RichText: {
        painter.save();
        painter.setClipRect(rect);
        painter.translate(rect.topLeft());
        // The document is laid out in points: scale points to dots.
        const double scale = dotsPerMm * kMmPerPoint;
        painter.scale(scale, scale);
        const double offset = item.richTextOffset / kMmPerPoint;
        painter.translate(0, -offset);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, offset, item.rect.width() / kMmPerPoint, item.rect.height() / kMmPerPoint);
        item.richText->documentLayout()->draw(&painter, context);
        painter.restore();
        break;
      }
    }
  }
  painter.restore();
}

bool writePdf(const PreparedDocument& document, const QString& path) {
  if (document.pages.empty()) return false;
  QPdfWriter writer(path);
  writer.setResolution(300);
  writer.setTitle(document.title);
  writer.setCreator(QStringLiteral("Vareko"));
  const auto layoutFor = [](const PreparedPage& page) {
    return QPageLayout(QPageSize(page.size, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF());
  };
  writer.setPageLayout(layoutFor(document.pages.front()));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  const double dotsPerMm = 300 / 25.4;
  for (size_t i = 0; i < document.pages.size(); ++i) {
    if (i > 0) {
      writer.setPageLayout(layoutFor(document.pages[i]));
      writer.newPage();
    }
    paintPage(painter, document.pages[i], dotsPerMm);
  }
  return painter.end();
}

}  // namespace kit::report
