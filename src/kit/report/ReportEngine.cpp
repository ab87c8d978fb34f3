#include "ReportEngine.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "kit/text/TextHelpers.h"

namespace kit::report {

namespace {

// A small image standing in for a device of the given resolution, for measuring text.
QImage measuringImage(int dotsPerInch) {
  QImage image(4, 4, QImage::Format_ARGB32);
  const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  return image;
}

// Rich text is measured on a device of 72 dots per inch, so that one dot is one point.
QPaintDevice* measuringDevice() {
  static QImage image = measuringImage(72);
  return &image;
}

// Lines of plain text are broken at the resolution of the PDF files (300 dots per inch), with
// the glyph widths fitted to it: those are the widest the text is drawn with (at 72 dots per
// inch fitted glyphs are narrower, and a line broken there runs past its right edge in print).
constexpr double kLineDotsPerMm = 300 / 25.4;
QPaintDevice* lineMeasuringDevice() {
  static QImage image = measuringImage(300);
  return &image;
}

QFont qfont(const Font& f) {
  QFont font(f.family);
  font.setPointSizeF(f.pointSize);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  return font;
}

// Lines of a rich text with their bottoms (millimetres from its top), to split it between lines.
std::vector<double> richTextLineBottoms(QTextDocument& doc) {
  std::vector<double> bottoms;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    if (!layout) continue;
    const double top = doc.documentLayout()->blockBoundingRect(block).top();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      bottoms.push_back((top + line.y() + line.height()) * kMmPerPoint);
    }
  }
  return bottoms;
}

double richTextHeight(QTextDocument& doc, double widthMm) {
  doc.documentLayout()->setPaintDevice(measuringDevice());
  doc.setTextWidth(widthMm / kMmPerPoint);
  return doc.size().height() * kMmPerPoint;
}

class Builder {
 public:
  explicit Builder(const Document& document) : document_(document) { out_.title = document.title; }

  PreparedDocument run() {
    for (size_t i = 0; i < document_.reports.size(); ++i) {
      reportIndex_ = int(i);
      report_ = &document_.reports[i];
      runReport();
    }
    numberPages();
    return std::move(out_);
  }

 private:
  // ------------------------------------------------------------ pages

  void newPage() {
    if (page_) finishPage();
    const PageSetup& setup = report_->page;
    out_.pages.push_back(PreparedPage{setup.size(), reportIndex_, {}});
    page_ = &out_.pages.back();
    y_ = setup.marginTop;
    bottom_ =
        setup.size().height() - setup.marginBottom - (report_->pageFooter ? report_->pageFooter->height : 0);
    if (report_->pageHeader) placeBand(*report_->pageHeader, nullptr);
    if (inDetail_) {
      if (report_->columnHeader) placeBand(*report_->columnHeader, nullptr);
      for (size_t g = 0; g < report_->groups.size() && groupsOpen_; ++g) {
        const Group& group = report_->groups[g];
        if (group.header && group.reprintHeaderOnNewPage) placeBand(*group.header, report_->rows);
      }
    }
  }

  void finishPage() {
    if (report_->pageFooter) {
      const double saved = y_, savedBottom = bottom_;
      y_ = page_->size.height() - report_->page.marginBottom - report_->pageFooter->height;
      bottom_ = page_->size.height();
      placeBand(*report_->pageFooter, nullptr, /*mayBreak=*/false);
      y_ = saved;
      bottom_ = savedBottom;
    }
  }

  void runReport() {
    page_ = nullptr;
    inDetail_ = false;
    groupsOpen_ = false;
    newPage();
    if (report_->title) placeBand(*report_->title, report_->rows);
    RowSource* rows = report_->rows;
    if (report_->detail && !rows) {
      placeBand(*report_->detail, nullptr);
    } else if (rows && rows->rowCount() > 0) {
      inDetail_ = true;
      if (report_->columnHeader) placeBand(*report_->columnHeader, nullptr);
      std::vector<QVariant> keys(report_->groups.size());
      for (int row = 0; row < rows->rowCount(); ++row) {
        rows->moveTo(row);
        std::vector<QVariant> now(report_->groups.size());
        for (size_t g = 0; g < now.size(); ++g)
          now[g] = report_->groups[g].key ? report_->groups[g].key(*rows) : QVariant();
        size_t changed = now.size();
        if (!groupsOpen_) {
          changed = 0;
        } else {
          for (size_t g = 0; g < now.size(); ++g)
            if (now[g] != keys[g]) {
              changed = g;
              break;
            }
        }
        if (groupsOpen_ && changed < now.size()) {
          rows->moveTo(row - 1);  // the footers show the rows they close
          closeGroups(changed);
          rows->moveTo(row);
        }
        groupsOpen_ = true;
        for (size_t g = changed; g < now.size(); ++g)
          if (report_->groups[g].header) placeBand(*report_->groups[g].header, rows);
        keys = now;
        if (report_->detail) placeBand(*report_->detail, rows);
      }
      closeGroups(0);
      groupsOpen_ = false;
      inDetail_ = false;
    }
    if (report_->summary) placeBand(*report_->summary, rows);
    finishPage();
    page_ = nullptr;
  }

  void closeGroups(size_t downTo) {
    for (size_t g = report_->groups.size(); g-- > downTo;)
      if (report_->groups[g].footer) placeBand(*report_->groups[g].footer, report_->rows);
  }

  // ------------------------------------------------------------ bands

  QString textOf(const Element& e, const RowSource* rows) const {
    switch (e.kind) {
      case Element::Kind::Field: {
        if (e.compute) return rows ? e.compute(*rows) : QString();
        const QVariant value = rows ? rows->value(e.field) : QVariant();
        return e.format ? e.format(value) : kit::text::valueAsText(value);
      }
      default: return e.text;
    }
  }

  // The height an element needs (millimetres), at least its own.
  double neededHeight(const Element& e, const QString& text) const {
    if (!e.stretch) return e.rect.height();
    if (e.kind == Element::Kind::RichText && e.richText)
      return std::max(e.rect.height(), richTextHeight(*e.richText, e.rect.width()));
    if (e.kind == Element::Kind::Text || e.kind == Element::Kind::Field) {
      const int lines = int(breakLines(text, e.font, e.rect.width(), e.wordWrap).size());
      return std::max(e.rect.height(), lines * lineHeight(e.font) + 0.4);
    }
    return e.rect.height();
  }

  void placeBand(const Band& band, RowSource* rows, bool mayBreak = true) {
    if (band.printIf && !band.printIf()) return;
    std::vector<QString> texts;
    double height = band.height;
    for (const Element& e : band.elements) {
      texts.push_back(textOf(e, rows));
      height = std::max(height, e.rect.top() + neededHeight(e, texts.back()));
    }
    const double pageSpace = bottom_ - (mayBreak ? topOfBody() : y_);
    if (mayBreak && y_ + height > bottom_ + 0.001) {
      if (height <= pageSpace || !hasSplittable(band)) {
        newPage();
      }
    }
    if (mayBreak && y_ + height > bottom_ + 0.001 && hasSplittable(band)) {
      placeSplitting(band, texts);
    } else {
      for (size_t i = 0; i < band.elements.size(); ++i) place(band.elements[i], texts[i], y_, height);
      y_ += height;
    }
    for (const Band& child : band.children) placeBand(child, rows, mayBreak);
  }

  // Where the body of a fresh page starts (below the page header); a band taller than the
  // space from there down must be split.
  double topOfBody() const {
    double top = report_->page.marginTop + (report_->pageHeader ? report_->pageHeader->height : 0);
    if (inDetail_ && report_->columnHeader) top += report_->columnHeader->height;
    return top;
  }

  static bool hasSplittable(const Band& band) {
    return std::any_of(band.elements.begin(), band.elements.end(), [](const Element& e) {
      return e.stretch && (e.kind == Element::Kind::Text || e.kind == Element::Kind::Field ||
                           (e.kind == Element::Kind::RichText && e.richText));
    });
  }

  // A band longer than the page: its stretching element continues on the following pages;
  // the band's other elements print with its first part.
  void placeSplitting(const Band& band, const std::vector<QString>& texts) {
    size_t s = 0;
    while (!(band.elements[s].stretch)) ++s;
    const Element& e = band.elements[s];
    for (size_t i = 0; i < band.elements.size(); ++i)
      if (i != s) place(band.elements[i], texts[i], y_, band.height);

    if (e.kind == Element::Kind::RichText) {
      const double total = richTextHeight(*e.richText, e.rect.width());
      const std::vector<double> bottoms = richTextLineBottoms(*e.richText);
      double done = 0;
      while (done < total - 0.001) {
        const double room = bottom_ - (y_ + e.rect.top());
        double upTo = done;
        for (double b : bottoms)
          if (b - done <= room + 0.001) upTo = std::max(upTo, b);
        if (upTo <= done) upTo = std::min(total, done + std::max(room, 1.0));  // a line taller than the page
        if (bottoms.empty() || upTo >= bottoms.back() - 0.001) upTo = std::max(upTo, total);
        PreparedItem item;
        item.kind = PreparedItem::Kind::RichText;
        item.rect =
            QRectF(report_->page.marginLeft + e.rect.left(), y_ + e.rect.top(), e.rect.width(), upTo - done);
        item.richText = e.richText;
        item.richTextOffset = done;
        page_->items.push_back(item);
        y_ += e.rect.top() + (upTo - done);
        done = upTo;
        if (done < total - 0.001) newPage();
      }
      y_ += std::max(0.0, band.height - e.rect.bottom());
      return;
    }

    const QStringList lines = breakLines(texts[s], e.font, e.rect.width(), e.wordWrap);
    const double lh = lineHeight(e.font);
    int next = 0;
    while (next < lines.size()) {
      const double room = bottom_ - (y_ + e.rect.top());
      const int fit = std::max(1, int((room + 0.001) / lh));
      const int take = std::min(fit, int(lines.size()) - next);
      for (int i = 0; i < take; ++i) addLine(e, lines[next + i], y_ + e.rect.top() + i * lh);
      y_ += e.rect.top() + take * lh;
      next += take;
      if (next < lines.size()) newPage();
    }
    y_ += std::max(0.0, band.height - e.rect.bottom());
  }

  // ------------------------------------------------------------ elements

  void addLine(const Element& e, const QString& line, double top) {
    PreparedItem item;
    item.kind = PreparedItem::Kind::Text;
    item.rect = QRectF(report_->page.marginLeft + e.rect.left(), top, e.rect.width(), lineHeight(e.font));
    item.text = line;
    item.font = e.font;
    item.alignment = (e.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    item.wordWrap = false;
    item.color = e.color;
    page_->items.push_back(item);
  }

  void place(const Element& e, const QString& text, double bandTop, double bandHeight) {
    const double left = report_->page.marginLeft + e.rect.left();
    const double top = bandTop + e.rect.top();
    // Stretching elements and ruled cells grow with their band.
    const double height =
        (e.stretch || e.frame) ? std::max(e.rect.height(), bandHeight - e.rect.top()) : e.rect.height();
    const QRectF rect(left, top, e.rect.width(), height);
    PreparedItem item;
    item.rect = rect;
    item.color = e.color;
    item.penWidth = e.penWidth;
    switch (e.kind) {
      case Element::Kind::Line:
        item.kind = PreparedItem::Kind::Line;
        page_->items.push_back(item);
        return;
      case Element::Kind::Frame:
        item.kind = PreparedItem::Kind::Frame;
        page_->items.push_back(item);
        return;
      case Element::Kind::Picture:
        if (e.picture.isNull()) return;  // a missing picture prints nothing
        item.kind = PreparedItem::Kind::Picture;
        item.picture = e.picture;
        page_->items.push_back(item);
        return;
      case Element::Kind::RichText:
        if (!e.richText) return;
        item.kind = PreparedItem::Kind::RichText;
        item.richText = e.richText;
        richTextHeight(*e.richText, e.rect.width());
        page_->items.push_back(item);
        return;
      case Element::Kind::PageInfo:
        pageInfos_.push_back({int(out_.pages.size()) - 1, int(page_->items.size()), e.text});
        [[fallthrough]];
      case Element::Kind::Text:
      case Element::Kind::Field: {
        if (e.frame) {
          PreparedItem cell = item;
          cell.kind = PreparedItem::Kind::Frame;
          page_->items.push_back(cell);
        }
        const QStringList lines = breakLines(text, e.font, e.rect.width(), e.wordWrap);
        const double lh = lineHeight(e.font);
        const int shown = e.stretch
                              ? int(lines.size())
                              : std::max(1, std::min(int(lines.size()), int((e.rect.height() + 0.001) / lh)));
        if (lines.size() <= 1 || !e.wordWrap) {
          item.kind = PreparedItem::Kind::Text;
          item.text = lines.value(0);
          item.font = e.font;
          item.alignment = e.alignment;
          item.wordWrap = false;
          if (e.kind == Element::Kind::PageInfo) pageInfos_.back().item = int(page_->items.size());
          page_->items.push_back(item);
          return;
        }
        for (int i = 0; i < shown; ++i) addLine(e, lines[i], top + i * lh);
        return;
      }
    }
  }

  void numberPages() {
    const QString total = QString::number(out_.pages.size());
    for (const PageInfo& info : pageInfos_) {
      PreparedItem& item = out_.pages[info.page].items[info.item];
      item.text = QString(info.text)
                      .replace(QLatin1String("{page}"), QString::number(info.page + 1))
                      .replace(QLatin1String("{pages}"), total);
    }
  }

  struct PageInfo {
    int page;
    int item;
    QString text;
  };

  const Document& document_;
  PreparedDocument out_;
  const Report* report_ = nullptr;
  int reportIndex_ = 0;
  PreparedPage* page_ = nullptr;
  double y_ = 0, bottom_ = 0;
  bool inDetail_ = false;
  bool groupsOpen_ = false;
  std::vector<PageInfo> pageInfos_;
};

}  // namespace

double lineHeight(const Font& font) {
  return QFontMetricsF(qfont(font), lineMeasuringDevice()).lineSpacing() / kLineDotsPerMm;
}

QStringList breakLines(const QString& text, const Font& font, double widthMm, bool wordWrap) {
  QStringList lines;
  const QFont f = qfont(font);
  for (const QString& paragraph :
       QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'))) {
    if (!wordWrap || paragraph.isEmpty()) {
      lines.append(paragraph);
      continue;
    }
    QTextLayout layout(paragraph, f, lineMeasuringDevice());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(widthMm * kLineDotsPerMm);
      QString piece = paragraph.mid(line.textStart(), line.textLength());
      while (piece.endsWith(QLatin1Char(' '))) piece.chop(1);  // the blank the line broke at
      lines.append(piece);
    }
    layout.endLayout();
  }
  return lines;
}

PreparedDocument prepare(const Document& document) {
  return Builder(document).run();
}

}  // namespace kit::report
