#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace kit::text {

// The workstation files (settings, remark files, templates, scripts) are written in the
// Central European code page windows-1250. Inside the program all text is QString; these
// convert at the file boundary.

// Every byte maps to one character; the five bytes that windows-1250 leaves undefined map
// to the C1 control characters of the same value, so any file round-trips unchanged.
QString fromCp1250(QByteArrayView bytes);

// Characters that windows-1250 cannot hold become '?'.
QByteArray toCp1250(QStringView text);

// True when every character of the text can be written in windows-1250.
bool fitsCp1250(QStringView text);

// Reads a text file's bytes as the workstation writes them. A file that starts with a UTF-8
// byte-order mark, or that is valid UTF-8 holding multi-byte sequences, was saved by a
// modern editor and is read as UTF-8; anything else is windows-1250.
QString decodeWorkstationText(QByteArrayView bytes);

}  // namespace kit::text
