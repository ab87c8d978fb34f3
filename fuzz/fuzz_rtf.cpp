// Fuzz target of the rich-text reader and the template merge: any bytes are read as RTF, the
// markers of what was read are merged, and the result is written as RTF and read again. Nothing
// may crash, hang or trip a sanitizer.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

#include "kit/richtext/Rtf.h"
#include "kit/richtext/TemplateMerge.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QTextDocument doc;
  kit::richtext::readRtf(bytes, doc);
  kit::richtext::mergeTemplate(doc,
                               [](const QString& query, const QString& column) -> std::optional<QString> {
                                 if (query.isEmpty() || column.isEmpty()) return std::nullopt;
                                 return column.size() % 2 ? QStringLiteral("~") + query : QString();
                               });
  QTextDocument again;
  kit::richtext::readRtf(kit::richtext::writeRtf(doc), again);
  // Qt trims its font caches from timers; without an event loop they would only grow with the
  // fonts of every input and look like a leak.
  static int runs = 0;
  if (++runs % 1000 == 0) QCoreApplication::processEvents();
  return 0;
}
