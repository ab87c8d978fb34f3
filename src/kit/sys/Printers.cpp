#include "Printers.h"

#include <QPrinterInfo>

namespace kit::sys {
namespace {

std::optional<QStringList>& replacedList() {
  static std::optional<QStringList> list;
  return list;
}

QString& currentName() {
  static QString name;
  return name;
}

}  // namespace

QString Printers::pdfPrinterName() {
  return QStringLiteral("Vareko PDF nyomtató");
}

QStringList Printers::installed() {
  if (replacedList()) return *replacedList();
  QStringList names = QPrinterInfo::availablePrinterNames();
  names.append(pdfPrinterName());
  return names;
}

QString Printers::systemDefault() {
  if (replacedList()) return replacedList()->value(0);
  const QString name = QPrinterInfo::defaultPrinterName();
  return name.isEmpty() ? pdfPrinterName() : name;
}

QString Printers::current() {
  return currentName();
}

void Printers::setCurrent(const QString& name) {
  currentName() = name;
}

void Printers::replaceInstalled(std::optional<QStringList> printers) {
  replacedList() = std::move(printers);
}

}  // namespace kit::sys
