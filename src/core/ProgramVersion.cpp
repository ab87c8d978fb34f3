#include "ProgramVersion.h"

namespace core {

QString versionOfFileVersion(const QString& fileVersion) {
  const qsizetype first = fileVersion.indexOf(QLatin1Char('.'));
  if (first < 0) return {};
  const qsizetype second = fileVersion.indexOf(QLatin1Char('.'), first + 1);
  if (second < 0) return {};
  return fileVersion.mid(second + 1);
}

QString programVersion() {
#ifdef VAREKO_FILE_VERSION
  return versionOfFileVersion(QStringLiteral(VAREKO_FILE_VERSION));
#else
  return {};
#endif
}

QString programVersionText() {
  const QString version = programVersion();
  return version.isEmpty() ? QString() : QStringLiteral(" - v") + version;
}

}  // namespace core
