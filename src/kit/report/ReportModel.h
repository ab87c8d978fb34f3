#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTextDocument;

namespace kit::report {

// A document is described in millimetres: bands of fixed height (or growing with their
// stretching texts), holding elements placed relative to the band's top left corner.

// The rows a detail band runs over. A dataset, or rows of the report's own.
class RowSource {
 public:
  virtual ~RowSource() = default;
  virtual int rowCount() const = 0;
  virtual void moveTo(int row) = 0;                        // makes a row current
  virtual QVariant value(const QString& field) const = 0;  // of the current row
};

struct Font {
  QString family = QStringLiteral("DejaVu Sans");
  double pointSize = 9;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

struct Element {
  enum class Kind {
    Text,      // fixed text
    Field,     // a column of the band's rows (or a computed text)
    PageInfo,  // page number and count: "{page}" and "{pages}" in `text` are replaced
    RichText,  // a rich-text document
    Picture,
    Line,   // from the rectangle's top left to its bottom right (a horizontal or vertical rule)
    Frame,  // the rectangle's border
  };
  Kind kind = Kind::Text;
  QRectF rect;  // millimetres within the band
  QString text;
  QString field;
  // A computed text for Field elements (instead of `field`).
  std::function<QString(const RowSource&)> compute;
  // Turns a field's value into its printed text (dates as "2013. 05. 07." by default).
  std::function<QString(const QVariant&)> format;
  Font font;
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
  bool wordWrap = true;
  bool stretch = false;   // a text that grows its band to hold all its lines
  bool frame = false;     // a text drawn inside a ruled cell
  double penWidth = 0.2;  // millimetres, for lines, frames and cells
  QColor color = Qt::black;
  QImage picture;
  std::shared_ptr<QTextDocument> richText;
};

struct Band {
  double height = 0;  // millimetres
  std::vector<Element> elements;
  std::vector<Band> children;     // child bands printed right after this one
  std::function<bool()> printIf;  // printed only when it returns true
  bool keepTogether = true;       // moved to the next page whole when it does not fit
};

struct Group {
  // The group key of a row; a change of key closes the group and opens the next.
  std::function<QVariant(const RowSource&)> key;
  std::optional<Band> header;
  std::optional<Band> footer;
  bool reprintHeaderOnNewPage = true;
};

struct PageSetup {
  bool landscape = false;
  double width = 210, height = 297;  // A4 portrait, millimetres
  double marginLeft = 15, marginTop = 12, marginRight = 12, marginBottom = 12;
  QSizeF size() const { return landscape ? QSizeF(height, width) : QSizeF(width, height); }
};

struct Report {
  PageSetup page;
  std::optional<Band> pageHeader;
  std::optional<Band> title;         // on the report's first page, after the page header
  std::optional<Band> columnHeader;  // above the detail rows, again on every continuation page
  std::vector<Group> groups;         // outermost first
  RowSource* rows = nullptr;         // no rows: the detail band is printed once when present
  std::optional<Band> detail;
  std::optional<Band> summary;
  std::optional<Band> pageFooter;
};

// A composite document: its reports in order, each starting on a new page; the pages are
// numbered through the whole document.
struct Document {
  QString title;
  std::vector<Report> reports;
};

}  // namespace kit::report
