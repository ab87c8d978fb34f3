#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextTable>
#include <map>

#include "Rtf.h"
#include "kit/text/Cp1250.h"

namespace kit::richtext {
namespace {

// The text of a fragment in RTF: ASCII as it is, windows-1250 letters as \'xx, anything else
// as \uN followed by a "?" for readers that do not know \u.
void appendText(QByteArray& out, const QString& text) {
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      out += '\\';
      out += char(u);
    } else if (u == '\t') {
      out += "\\tab ";
    } else if (u == QChar::LineSeparator) {
      out += "\\line ";
    } else if (u == 0x00A0) {
      out += "\\~";
    } else if (u >= 0x20 && u < 0x80) {
      out += char(u);
    } else if (u < 0x20) {
      continue;  // control characters have no place in the text
    } else if (kit::text::fitsCp1250(QStringView(&c, 1))) {
      out += "\\'" + kit::text::toCp1250(QStringView(&c, 1)).toHex();
    } else {
      out += "\\u" + QByteArray::number(qint16(u)) + '?';
    }
  }
}

}  // namespace

namespace {

class Writer {
 public:
  QByteArray run(const QTextDocument& document) {
    writeFrame(document.rootFrame());
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\n{\\fonttbl";
    if (fonts_.empty()) fonts_.emplace(QStringLiteral("Arial"), 0);
    std::vector<QString> byIndex(fonts_.size());
    for (const auto& [name, index] : fonts_) byIndex[index] = name;
    for (size_t i = 0; i < byIndex.size(); ++i) {
      out += "{\\f" + QByteArray::number(int(i)) + "\\fnil\\fcharset238 ";
      appendText(out, byIndex[i]);
      out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (const QColor& c : colors_)
      out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
             QByteArray::number(c.blue()) + ';';
    out += "}\n" + body_ + "}\n";
    return out;
  }

 private:
  int colorIndex(const QColor& color) {
    for (size_t i = 0; i < colors_.size(); ++i)
      if (colors_[i] == color) return int(i) + 1;
    colors_.push_back(color);
    return int(colors_.size());
  }

  // The blocks and tables of a frame in order; paragraphs of the same frame are separated by
  // \par (\page where the next one starts a new page).
  void writeFrame(const QTextFrame* frame, bool inTable = false) {
    bool afterBlock = false;
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
      if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
        if (afterBlock) body_ += "\\par\n";
        writeTable(table);
        afterBlock = false;
      } else if (it.currentBlock().isValid()) {
        const QTextBlock block = it.currentBlock();
        if (afterBlock)
          body_ += (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) ? "\\page\n"
                                                                                                 : "\\par\n";
        writeBlock(block, inTable);
        afterBlock = true;
      }
    }
  }

  void writeTable(const QTextTable* table) {
    const int width = 9600 / std::max(1, table->columns());
    for (int row = 0; row < table->rows(); ++row) {
      body_ += "\\trowd";
      for (int column = 0; column < table->columns(); ++column)
        body_ += "\\cellx" + QByteArray::number((column + 1) * width);
      body_ += '\n';
      for (int column = 0; column < table->columns(); ++column) {
        const QTextTableCell cell = table->cellAt(row, column);
        bool first = true;
        for (auto it = cell.begin(); !it.atEnd(); ++it) {
          if (!it.currentBlock().isValid()) continue;
          if (!first) body_ += "\\par ";
          writeBlock(it.currentBlock(), true);
          first = false;
        }
        if (first) body_ += "\\pard\\intbl ";
        body_ += "\\cell\n";
      }
      body_ += "\\row\n";
    }
  }

  void writeBlock(const QTextBlock& block, bool inTable) {
    const QTextBlockFormat bf = block.blockFormat();
    body_ += "\\pard";
    if (inTable) body_ += "\\intbl";
    const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
      body_ += "\\qc";
    else if (a & Qt::AlignRight)
      body_ += "\\qr";
    else if (a & Qt::AlignJustify)
      body_ += "\\qj";
    if (bf.leftMargin() != 0) body_ += "\\li" + QByteArray::number(qRound(bf.leftMargin() * 20));
    if (bf.rightMargin() != 0) body_ += "\\ri" + QByteArray::number(qRound(bf.rightMargin() * 20));
    if (bf.textIndent() != 0) body_ += "\\fi" + QByteArray::number(qRound(bf.textIndent() * 20));
    body_ += ' ';
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      const QTextCharFormat f = fragment.charFormat();
      const QStringList families = f.fontFamilies().toStringList();
      const QString family = families.isEmpty() ? QStringLiteral("Arial") : families.first();
      const int font = fonts_.emplace(family, int(fonts_.size())).first->second;
      body_ += "{\\f" + QByteArray::number(font);
      if (f.fontWeight() >= QFont::Bold) body_ += "\\b";
      if (f.fontItalic()) body_ += "\\i";
      if (f.fontUnderline()) body_ += "\\ul";
      const double size = f.fontPointSize() > 0 ? f.fontPointSize() : 12;
      body_ += "\\fs" + QByteArray::number(qRound(size * 2));
      if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        body_ += "\\cf" + QByteArray::number(colorIndex(f.foreground().color()));
      body_ += ' ';
      appendText(body_, fragment.text());
      body_ += '}';
    }
  }

  std::map<QString, int> fonts_;
  std::vector<QColor> colors_;
  QByteArray body_;
};

}  // namespace

QByteArray writeRtf(const QTextDocument& document) {
  return Writer().run(document);
}

}  // namespace kit::richtext
