#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "PreparedDocument.h"

namespace kit::report {

// Sends prepared pages to a printer as one print job. The real one drives the system's printers
// and the built-in PDF printer (which writes a PDF file); tests install one that records the
// jobs.
class PrintJobs {
 public:
  virtual ~PrintJobs() = default;
  // Pages `from` to `to` (zero-based, inclusive) as one job on the named printer.
  virtual bool print(const PreparedDocument& document, int from, int to, const QString& printer) = 0;
};

PrintJobs& printJobs();
void setPrintJobs(PrintJobs* jobs);  // nullptr: the real printers

// The pages a print covers (zero-based, inclusive).
struct PageRange {
  int from = 0;
  int to = 0;
};

// Prints a document on the current printer: one job, or, when `pageByPage`, one job per page
// of the range. For a composite document `askRange` (the printer settings dialog) chooses the
// range first; std::nullopt there cancels. False when a job failed.
bool printDocument(const PreparedDocument& document, bool composite, bool pageByPage,
                   const std::function<std::optional<PageRange>(const PreparedDocument&)>& askRange);

// Where the built-in PDF printer writes its files: program folder + "Nyomtatás/".
QString pdfPrinterFolder();

}  // namespace kit::report
