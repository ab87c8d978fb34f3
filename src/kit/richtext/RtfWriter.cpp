#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
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

QByteArray writeRtf(const QTextDocument& document) {
  // Fonts and colours used, in order of their first use.
  std::map<QString, int> fonts;
  std::vector<QColor> colors;
  const auto colorIndex = [&](const QColor& color) {
    for (size_t i = 0; i < colors.size(); ++i)
      if (colors[i] == color) return int(i) + 1;
    colors.push_back(color);
    return int(colors.size());
  };
  QByteArray body;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextBlockFormat bf = block.blockFormat();
    body += "\\pard";
    const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
      body += "\\qc";
    else if (a & Qt::AlignRight)
      body += "\\qr";
    else if (a & Qt::AlignJustify)
      body += "\\qj";
    if (bf.leftMargin() != 0) body += "\\li" + QByteArray::number(qRound(bf.leftMargin() * 20));
    if (bf.rightMargin() != 0) body += "\\ri" + QByteArray::number(qRound(bf.rightMargin() * 20));
    if (bf.textIndent() != 0) body += "\\fi" + QByteArray::number(qRound(bf.textIndent() * 20));
    body += ' ';
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      const QTextCharFormat f = fragment.charFormat();
      const QStringList families = f.fontFamilies().toStringList();
      const QString family = families.isEmpty() ? QStringLiteral("Arial") : families.first();
      const auto font = fonts.emplace(family, int(fonts.size())).first->second;
      body += "{\\f" + QByteArray::number(font);
      if (f.fontWeight() >= QFont::Bold) body += "\\b";
      if (f.fontItalic()) body += "\\i";
      if (f.fontUnderline()) body += "\\ul";
      const double size = f.fontPointSize() > 0 ? f.fontPointSize() : 12;
      body += "\\fs" + QByteArray::number(qRound(size * 2));
      if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        body += "\\cf" + QByteArray::number(colorIndex(f.foreground().color()));
      body += ' ';
      appendText(body, fragment.text());
      body += '}';
    }
    // A paragraph that starts a new page ends the one before with a page break.
    const QTextBlock next = block.next();
    if (next.isValid())
      body += (next.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) ? "\\page\n"
                                                                                           : "\\par\n";
  }
  QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\n{\\fonttbl";
  if (fonts.empty()) fonts.emplace(QStringLiteral("Arial"), 0);
  std::vector<QString> byIndex(fonts.size());
  for (const auto& [name, index] : fonts) byIndex[index] = name;
  for (size_t i = 0; i < byIndex.size(); ++i) {
    out += "{\\f" + QByteArray::number(int(i)) + "\\fnil\\fcharset238 ";
    appendText(out, byIndex[i]);
    out += ";}";
  }
  out += "}\n{\\colortbl;";
  for (const QColor& c : colors)
    out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
           QByteArray::number(c.blue()) + ';';
  out += "}\n" + body + "}\n";
  return out;
}

}  // namespace kit::richtext
