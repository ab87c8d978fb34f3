#pragma once

#include <QString>

#include "Settings.h"

namespace core {

// Reading and writing vareko.ini in the program folder.
class SettingsFile {
 public:
  // The settings file's full path (program folder + "vareko.ini").
  static QString path();

  // Fills `settings` from the file. A missing file reads nothing and says nothing (the
  // connection then fails). A value that is not a number stops the reading there with the
  // message "Hiányzó VAREKO.INI fájl, a betöltés megszakadt!": the keys read before it keep
  // their values, the rest their initial state. Selects the printer afterwards.
  // Returns false when the reading stopped on an error or the file was missing.
  static bool read(Settings& settings, const QString& filePath = path());

  // Writes the whole record: removes the six sections of the program (keys it does not know
  // go with them; other sections stay) and writes them again in their order. LastUser is the
  // user now logged in, or the previous last user when nobody is. Selects the printer
  // afterwards. Returns false when the file could not be written.
  static bool write(const Settings& settings, const QString& loggedInUser, const QString& filePath = path());

  // Makes the settings' printer current: the named printer when it is installed, otherwise
  // the system's default. Shows "Nem lehet a nyomtatót beállítani!" when neither exists.
  static void selectPrinter(const Settings& settings);
};

}  // namespace core
