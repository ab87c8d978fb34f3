#include "TemplateMerge.h"

#include <QTextCursor>
#include <QTextDocument>

namespace kit::richtext {

int mergeTemplate(QTextDocument& document, const MarkerLookup& lookup) {
  int replaced = 0;
  int from = 0;
  for (;;) {
    const QTextCursor open = document.find(QStringLiteral("~"), from);
    if (open.isNull()) break;
    const QTextCursor close = document.find(QStringLiteral("~"), open.position());
    if (close.isNull()) break;  // no closing partner: the rest stays as it is

    QTextCursor marker(&document);
    marker.setPosition(open.selectionStart());
    marker.setPosition(close.selectionEnd(), QTextCursor::KeepAnchor);
    QString inner = marker.selectedText();
    inner = inner.mid(1, inner.size() - 2);
    inner.remove(QLatin1Char(' '));
    inner.remove(QChar(0x00A0));
    const qsizetype dot = inner.indexOf(QLatin1Char('.'));
    const QString query = dot < 0 ? inner : inner.left(dot);
    const QString column = dot < 0 ? QString() : inner.mid(dot + 1);
    const QString value = lookup(query, column).value_or(wrongFieldText());

    // The replacement takes the formatting of the marker's first character.
    QTextCursor formatAt(&document);
    formatAt.setPosition(open.selectionStart() + 1);
    const QTextCharFormat format = formatAt.charFormat();
    const int start = marker.selectionStart();
    marker.insertText(value, format);
    ++replaced;
    from = start + int(value.size());
  }
  return replaced;
}

}  // namespace kit::richtext
