#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kit::sys {
namespace {

QString& overriddenFolder() {
  static QString folder;
  return folder;
}

QString withSlash(QString folder) {
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

}  // namespace

QString programFolder() {
  if (!overriddenFolder().isEmpty()) return overriddenFolder();
  const QString home = qEnvironmentVariable("VAREKO_HOME");
  if (!home.isEmpty()) return withSlash(QDir(home).absolutePath());
  if (QCoreApplication::instance()) return withSlash(QCoreApplication::applicationDirPath());
  return withSlash(QDir::currentPath());
}

void setProgramFolder(const QString& folder) {
  overriddenFolder() = folder.isEmpty() ? QString() : withSlash(QDir(folder).absolutePath());
}

QString resolveCaseInsensitive(const QString& baseFolder, const QString& relativeName) {
  QString relative = relativeName;
  relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
  const QString exact = withSlash(baseFolder) + relative;
  if (QFileInfo::exists(exact)) return exact;

  QString current = withSlash(baseFolder);
  const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  for (int i = 0; i < parts.size(); ++i) {
    const QString& part = parts[i];
    QString found;
    if (QFileInfo::exists(current + part)) {
      found = part;
    } else {
      const QStringList entries =
          QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
      for (const QString& entry : entries)
        if (entry.compare(part, Qt::CaseInsensitive) == 0) {
          found = entry;
          break;
        }
    }
    if (found.isEmpty()) return exact;  // nothing matches: the name as written
    current += found;
    if (i + 1 < parts.size()) current += QLatin1Char('/');
  }
  return current;
}

QString programFile(const QString& relativeName) {
  return resolveCaseInsensitive(programFolder(), relativeName);
}

}  // namespace kit::sys
