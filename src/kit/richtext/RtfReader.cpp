#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <vector>

#include "Rtf.h"
#include "kit/text/Cp1250.h"

namespace kit::richtext {
namespace {

constexpr int kMaxDepth = 512;  // deeper nesting is not a document

enum class Destination { Text, Skip, FontTable, ColorTable };

struct State {
  Destination destination = Destination::Text;
  bool bold = false, italic = false, underline = false;
  int halfPoints = 24;
  int font = -1;
  int color = 0;
  int ucSkip = 1;
  Qt::Alignment alignment = Qt::AlignLeft;
  double leftIndent = 0, rightIndent = 0, firstIndent = 0;  // points
};

struct FontEntry {
  QString name;
  int charset = 0;
};

class Reader {
 public:
  Reader(const QByteArray& data, QTextDocument& doc) : data_(data), doc_(doc), cursor_(&doc) {}

  bool run(QString* error) {
    doc_.clear();
    cursor_ = QTextCursor(&doc_);
    if (!data_.trimmed().startsWith("{\\rtf")) return fail(error, QStringLiteral("nem RTF formátumú"));
    while (pos_ < data_.size()) {
      const char c = data_[pos_];
      if (c == '{') {
        ++pos_;
        if (stack_.size() >= kMaxDepth)
          return fail(error, QStringLiteral("túl mélyen egymásba ágyazott csoportok"));
        flush();
        stack_.push_back(state_);
        groupStart_ = true;
        continue;
      }
      if (c == '}') {
        ++pos_;
        flush();
        endDestination();
        if (stack_.empty()) break;  // the document's closing brace
        state_ = stack_.back();
        stack_.pop_back();
        groupStart_ = false;
        continue;
      }
      if (c == '\\') {
        controlSequence();
        groupStart_ = false;
        continue;
      }
      ++pos_;
      groupStart_ = false;
      if (c == '\r' || c == '\n') continue;
      if (pendingSkip_ > 0) {
        --pendingSkip_;
        continue;
      }
      addByte(c);
    }
    flush();
    if (!stack_.empty()) return fail(error, QStringLiteral("csonka (hiányzó záró kapcsos zárójel)"));
    return true;
  }

 private:
  bool fail(QString* error, const QString& why) {
    flush();
    if (error) *error = why;
    return false;
  }

  // ------------------------------------------------------------ tokens

  void controlSequence() {
    ++pos_;  // the backslash
    if (pos_ >= data_.size()) return;
    const char c = data_[pos_];
    if (!isalpha(static_cast<unsigned char>(c))) {
      ++pos_;
      switch (c) {
        case '\'': {
          const QByteArray hex = data_.mid(pos_, 2);
          pos_ += 2;
          bool ok = false;
          const int byte = hex.toInt(&ok, 16);
          if (!ok) return;
          if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
          }
          addByte(char(byte));
          return;
        }
        case '\\':
        case '{':
        case '}': addByte(c); return;
        case '~': addChar(QChar(0x00A0)); return;
        case '_': addChar(QChar(0x2011)); return;
        case '-': return;  // optional hyphen
        case '*': ignorableNext_ = true; return;
        case '\r':
        case '\n': paragraph(); return;
        case '\t': addChar(QLatin1Char('\t')); return;
        default: return;
      }
    }
    const qsizetype start = pos_;
    while (pos_ < data_.size() && isalpha(static_cast<unsigned char>(data_[pos_])) && pos_ - start < 32)
      ++pos_;
    const QByteArray word = data_.mid(start, pos_ - start);
    bool hasParam = false;
    long long param = 0;
    bool negative = false;
    if (pos_ < data_.size() && data_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    int digits = 0;
    while (pos_ < data_.size() && isdigit(static_cast<unsigned char>(data_[pos_]))) {
      if (digits < 10) param = param * 10 + (data_[pos_] - '0');
      ++digits;
      ++pos_;
      hasParam = true;
    }
    if (negative) param = -param;
    if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;  // the delimiter
    const int p = int(std::clamp<long long>(param, -1000000, 1000000));
    controlWord(word, hasParam, p);
  }

  void controlWord(const QByteArray& w, bool hasParam, int p) {
    const bool ignorable = ignorableNext_;
    ignorableNext_ = false;
    const bool on = !hasParam || p != 0;
    // Destinations.
    if (w == "fonttbl") return setDestination(Destination::FontTable);
    if (w == "colortbl") return setDestination(Destination::ColorTable);
    static const QByteArrayList skipped{
        "stylesheet",   "info",      "pict",     "object",    "header",
        "footer",       "headerl",   "headerr",  "headerf",   "footerl",
        "footerr",      "footerf",   "fldinst",  "themedata", "colorschememapping",
        "latentstyles", "datastore", "xmlnstbl", "listtable", "listoverridetable",
        "rsidtbl",      "generator", "pgdsctbl", "footnote",  "annotation",
        "bkmkstart",    "bkmkend"};
    if (skipped.contains(w)) return setDestination(Destination::Skip);
    if (w == "bin") {
      flush();
      pos_ = std::min<qsizetype>(data_.size(), pos_ + std::max(0, p));  // binary data skipped
      return;
    }
    if (state_.destination == Destination::FontTable) {
      if (w == "f") {
        currentFont_ = p;
        fonts_[p] = FontEntry{};
      } else if (w == "fcharset" && currentFont_ >= 0) {
        fonts_[currentFont_].charset = p;
      }
      return;
    }
    if (state_.destination == Destination::ColorTable) {
      if (w == "red") color_.setRed(std::clamp(p, 0, 255));
      if (w == "green") color_.setGreen(std::clamp(p, 0, 255));
      if (w == "blue") color_.setBlue(std::clamp(p, 0, 255));
      return;
    }
    if (ignorable && state_.destination == Destination::Text && !knownInText(w))
      return setDestination(Destination::Skip);
    if (state_.destination == Destination::Skip) return;

    if (w == "par") return paragraph();
    if (w == "line") return addChar(QChar::LineSeparator);
    if (w == "tab") return addChar(QLatin1Char('\t'));
    if (w == "trowd") {
      cellBoundaries_ = 0;
      return;
    }
    if (w == "cellx") {
      ++cellBoundaries_;
      return;
    }
    if (w == "intbl") {
      inTable_ = true;
      return;
    }
    if (w == "cell") return endCell();
    if (w == "row") return endRow();
    if (w == "page") return pageBreak();
    if (w == "u") {
      addChar(QChar(char16_t(p < 0 ? p + 65536 : p)));
      pendingSkip_ = state_.ucSkip;
      return;
    }
    if (w == "uc") {
      state_.ucSkip = std::clamp(p, 0, 10);
      return;
    }
    if (w == "ansicpg") {
      codePage_ = p;
      return;
    }
    if (w == "emdash") return addChar(QChar(0x2014));
    if (w == "endash") return addChar(QChar(0x2013));
    if (w == "bullet") return addChar(QChar(0x2022));
    if (w == "lquote") return addChar(QChar(0x2018));
    if (w == "rquote") return addChar(QChar(0x2019));
    if (w == "ldblquote") return addChar(QChar(0x201C));
    if (w == "rdblquote") return addChar(QChar(0x201D));

    flush();  // formatting changes from here on
    if (w == "b")
      state_.bold = on;
    else if (w == "i")
      state_.italic = on;
    else if (w == "ul")
      state_.underline = on;
    else if (w == "ulnone")
      state_.underline = false;
    else if (w == "fs")
      state_.halfPoints = std::clamp(hasParam ? p : 24, 2, 3276);
    else if (w == "f")
      state_.font = p;
    else if (w == "cf")
      state_.color = p;
    else if (w == "plain") {
      state_.bold = state_.italic = state_.underline = false;
      state_.halfPoints = 24;
      state_.color = 0;
    } else if (w == "pard") {
      inTable_ = false;
      state_.alignment = Qt::AlignLeft;
      state_.leftIndent = state_.rightIndent = state_.firstIndent = 0;
      applyBlockFormat();
    } else if (w == "ql")
      state_.alignment = Qt::AlignLeft;
    else if (w == "qc")
      state_.alignment = Qt::AlignHCenter;
    else if (w == "qr")
      state_.alignment = Qt::AlignRight;
    else if (w == "qj")
      state_.alignment = Qt::AlignJustify;
    else if (w == "li")
      state_.leftIndent = p / 20.0;
    else if (w == "ri")
      state_.rightIndent = p / 20.0;
    else if (w == "fi")
      state_.firstIndent = p / 20.0;
    if (w == "ql" || w == "qc" || w == "qr" || w == "qj" || w == "li" || w == "ri" || w == "fi")
      applyBlockFormat();
  }

  static bool knownInText(const QByteArray& w) { return w == "ud" || w == "upr"; }

  void setDestination(Destination d) {
    flush();
    state_.destination = d;
    if (d == Destination::ColorTable) color_ = QColor(0, 0, 0);
    if (d == Destination::FontTable) currentFont_ = -1;
  }

  // A group that ends a destination entry (a font of the font table).
  void endDestination() {}

  // ------------------------------------------------------------ text

  int charsetOfFont() const {
    const auto it = fonts_.find(state_.font);
    return it == fonts_.end() ? 0 : it->second.charset;
  }

  bool easternEuropean() const { return codePage_ == 1250 || charsetOfFont() == 238; }

  void addByte(char c) {
    switch (state_.destination) {
      case Destination::Skip: return;
      case Destination::FontTable:
        if (currentFont_ >= 0) {
          if (c == ';') return;
          fonts_[currentFont_].name += QLatin1Char(c);
        }
        return;
      case Destination::ColorTable:
        if (c == ';') {
          colors_.push_back(color_);
          color_ = QColor(0, 0, 0);
        }
        return;
      case Destination::Text: {
        const QByteArray one(1, c);
        addChar(easternEuropean() ? kit::text::fromCp1250(one).front() : QChar(uchar(c)));
      }
    }
  }

  void addChar(QChar c) {
    if (state_.destination != Destination::Text) return;
    enterOrLeaveTable();
    buffer_ += c;
  }

  // ------------------------------------------------------------ tables

  // Text in a table paragraph goes into the current cell (the table and its next row are made
  // when the first text of a row arrives); text after the table continues below it.
  void enterOrLeaveTable() {
    if (inTable_) {
      if (!table_) {
        flush();
        table_ = cursor_.insertTable(1, std::max(1, cellBoundaries_));
        row_ = 0;
        cell_ = 0;
        rowPending_ = cellPending_ = false;
        cursor_ = table_->cellAt(0, 0).firstCursorPosition();
      } else if (rowPending_) {
        flush();
        table_->appendRows(1);
        ++row_;
        cell_ = 0;
        rowPending_ = cellPending_ = false;
        cursor_ = table_->cellAt(row_, 0).firstCursorPosition();
      } else if (cellPending_) {
        flush();
        while (cell_ >= table_->columns()) table_->appendColumns(1);  // a row with more cells
        cellPending_ = false;
        cursor_ = table_->cellAt(row_, cell_).firstCursorPosition();
      }
    } else if (table_) {
      flush();
      cursor_ = table_->lastCursorPosition();
      cursor_.movePosition(QTextCursor::NextBlock);
      table_ = nullptr;
    }
  }

  void endCell() {
    if (state_.destination != Destination::Text) return;
    inTable_ = true;
    enterOrLeaveTable();
    flush();
    ++cell_;
    cellPending_ = true;  // the next cell is entered when its text arrives
  }

  void endRow() {
    if (state_.destination != Destination::Text || !table_) return;
    flush();
    rowPending_ = true;  // the next row is made when its text arrives
    cellPending_ = false;
  }

  QTextCharFormat charFormat() const {
    QTextCharFormat f;
    f.setFontWeight(state_.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(state_.italic);
    f.setFontUnderline(state_.underline);
    f.setFontPointSize(state_.halfPoints / 2.0);
    const auto font = fonts_.find(state_.font);
    if (font != fonts_.end() && !font->second.name.trimmed().isEmpty())
      f.setFontFamilies({font->second.name.trimmed()});
    if (state_.color > 0 && state_.color < int(colors_.size())) f.setForeground(colors_[state_.color]);
    return f;
  }

  void flush() {
    if (buffer_.isEmpty()) return;
    cursor_.insertText(buffer_, charFormat());
    buffer_.clear();
  }

  void applyBlockFormat() {
    QTextBlockFormat f = cursor_.blockFormat();
    f.setAlignment(state_.alignment);
    f.setLeftMargin(state_.leftIndent);
    f.setRightMargin(state_.rightIndent);
    f.setTextIndent(state_.firstIndent);
    cursor_.setBlockFormat(f);
  }

  void paragraph() {
    if (state_.destination != Destination::Text) return;
    enterOrLeaveTable();
    flush();
    applyBlockFormat();
    cursor_.insertBlock();
    applyBlockFormat();
  }

  void pageBreak() {
    if (state_.destination != Destination::Text) return;
    paragraph();
    QTextBlockFormat f = cursor_.blockFormat();
    f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor_.setBlockFormat(f);
  }

  const QByteArray& data_;
  QTextDocument& doc_;
  QTextCursor cursor_;
  QTextTable* table_ = nullptr;
  bool inTable_ = false;
  bool rowPending_ = false;
  bool cellPending_ = false;
  int cellBoundaries_ = 0;
  int row_ = 0, cell_ = 0;
  qsizetype pos_ = 0;
  State state_;
  std::vector<State> stack_;
  std::map<int, FontEntry> fonts_;
  int currentFont_ = -1;
  std::vector<QColor> colors_;
  QColor color_;
  int codePage_ = 1252;
  int pendingSkip_ = 0;
  bool groupStart_ = false;
  bool ignorableNext_ = false;
  QString buffer_;
};

}  // namespace

bool readRtf(const QByteArray& rtf, QTextDocument& document, QString* error) {
  return Reader(rtf, document).run(error);
}

bool loadRtfFile(const QString& path, QTextDocument& document, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    document.clear();
    if (error) *error = QStringLiteral("A(z) %1 állomány nem nyitható meg.").arg(QFileInfo(path).fileName());
    return false;
  }
  QString why;
  if (!readRtf(file.readAll(), document, &why)) {
    if (error)
      *error = QStringLiteral("A(z) %1 állomány nem olvasható: %2.").arg(QFileInfo(path).fileName(), why);
    return false;
  }
  return true;
}

}  // namespace kit::richtext
