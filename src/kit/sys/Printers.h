#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kit::sys {

// The printers the program may print on: the system's printers, and a built-in printer that
// writes PDF files, so that a workstation without a physical printer can still work.
class Printers {
 public:
  // Name of the built-in PDF printer.
  static QString pdfPrinterName();

  // Installed printers, the system's first, the built-in PDF printer last.
  static QStringList installed();

  // The system's default printer, or the built-in PDF printer when the system has none;
  // empty only when the list of installed printers is empty.
  static QString systemDefault();

  // The printer that reports go to.
  static QString current();
  static void setCurrent(const QString& name);

  // Tests replace the list of installed printers (first entry = system default);
  // std::nullopt returns to the real list.
  static void replaceInstalled(std::optional<QStringList> printers);
};

}  // namespace kit::sys
