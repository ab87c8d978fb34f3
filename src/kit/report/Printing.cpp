#include "Printing.h"

#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "kit/sys/Clock.h"
#include "kit/sys/Printers.h"
#include "kit/sys/ProgramFolder.h"

namespace kit::report {
namespace {

QString safeFileName(QString text) {
  for (QChar& c : text)
    if (QStringLiteral("\\/:*?\"<>|").contains(c)) c = QLatin1Char('_');
  return text.trimmed().isEmpty() ? QStringLiteral("nyomtatas") : text.trimmed();
}

class SystemPrintJobs : public PrintJobs {
 public:
  bool print(const PreparedDocument& document, int from, int to, const QString& printer) override {
    if (from < 0 || to >= document.pageCount() || from > to) return false;
    PreparedDocument part{document.title, {document.pages.begin() + from, document.pages.begin() + to + 1}};
    if (printer == kit::sys::Printers::pdfPrinterName()) {
      QDir().mkpath(pdfPrinterFolder());
      const QString name = safeFileName(document.title) +
                           kit::sys::Clock::now().toString(QStringLiteral("_yyyyMMdd_HHmmss_zzz")) +
                           QStringLiteral(".pdf");
      return writePdf(part, pdfPrinterFolder() + name);
    }
    QPrinter device(QPrinterInfo::printerInfo(printer), QPrinter::HighResolution);
    device.setDocName(document.title);
    device.setFullPage(true);
    QPainter painter;
    for (size_t i = 0; i < part.pages.size(); ++i) {
      const PreparedPage& page = part.pages[i];
      device.setPageLayout(
          QPageLayout(QPageSize(page.size, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF()));
      if (i == 0) {
        if (!painter.begin(&device)) return false;
      } else if (!device.newPage()) {
        return false;
      }
      paintPage(painter, page, device.resolution() / 25.4);
    }
    return painter.end();
  }
};

PrintJobs*& installed() {
  static PrintJobs* jobs = nullptr;
  return jobs;
}

}  // namespace

QString pdfPrinterFolder() {
  return kit::sys::programFile(QStringLiteral("Nyomtatás")) + QLatin1Char('/');
}

PrintJobs& printJobs() {
  static SystemPrintJobs system;
  return installed() ? *installed() : system;
}

void setPrintJobs(PrintJobs* jobs) {
  installed() = jobs;
}

bool printDocument(const PreparedDocument& document, bool composite, bool pageByPage,
                   const std::function<std::optional<PageRange>(const PreparedDocument&)>& askRange) {
  if (document.pages.empty()) return false;
  PageRange range{0, document.pageCount() - 1};
  if (composite && askRange) {
    const std::optional<PageRange> chosen = askRange(document);
    if (!chosen) return true;  // cancelled in the printer settings: nothing to print
    range = *chosen;
    range.from = std::clamp(range.from, 0, document.pageCount() - 1);
    range.to = std::clamp(range.to, range.from, document.pageCount() - 1);
  }
  const QString printer = kit::sys::Printers::current();
  if (composite && pageByPage) {
    for (int page = range.from; page <= range.to; ++page)
      if (!printJobs().print(document, page, page, printer)) return false;
    return true;
  }
  return printJobs().print(document, range.from, range.to, printer);
}

}  // namespace kit::report
