#pragma once

#include <QString>

namespace kit::sys {

// The program folder: the folder named by the environment variable VAREKO_HOME when it is
// set, otherwise the executable's folder. Always ends in "/". Every relative file name of
// the program (settings file, SQL/, minta/, picture folders) is taken from it.
QString programFolder();

// Tests and tools point the program at another folder; an empty path returns to the rule above.
void setProgramFolder(const QString& folder);

// The full path of a file given relative to the program folder ("minta\\daru1.rtf" or
// "SQL/Create.ini"). Backslashes count as folder separators, and when no file of exactly
// that spelling exists, a file or folder whose name differs only in letter case is taken,
// so names written in scripts and settings on case-insensitive systems still resolve.
QString programFile(const QString& relativeName);

// The same lookup below any base folder.
QString resolveCaseInsensitive(const QString& baseFolder, const QString& relativeName);

}  // namespace kit::sys
