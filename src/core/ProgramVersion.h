#pragma once

#include <QString>

namespace core {

// The program version taken from the four-part file version of the build ("0.0.2.30"):
// everything after the second dot ("2.30"). Empty when the build gave no file version.
QString programVersion();
// " - v" followed by the program version (" - v2.30"); empty without a version.
QString programVersionText();
// The rule itself, for any file version.
QString versionOfFileVersion(const QString& fileVersion);

}  // namespace core
