#include "SettingsFile.h"

#include <functional>
#include <stdexcept>

#include "kit/sys/IniFile.h"
#include "kit/sys/Printers.h"
#include "kit/sys/ProgramFolder.h"
#include "kit/widgets/MessageService.h"

namespace core {

using kit::sys::IniFile;

bool Settings::printsPageByPage() const {
  return printPerPage.compare(QLatin1String("NEM"), Qt::CaseInsensitive) != 0;
}

namespace {

struct NotANumber : std::runtime_error {
  NotANumber() : std::runtime_error("not a number") {}
};

// An integer in the settings' form: "$" then hexadecimal digits, or a decimal number.
int toInteger(const QString& text) {
  bool ok = false;
  int result = 0;
  if (text.startsWith(QLatin1Char('$')) || text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    const QString digits = text.mid(text.startsWith(QLatin1Char('$')) ? 1 : 2);
    result = int(digits.toUInt(&ok, 16));
  } else {
    result = text.toInt(&ok, 10);
  }
  if (!ok) throw NotANumber();
  return result;
}

QString boolText(bool value) {
  return value ? QStringLiteral("-1") : QStringLiteral("0");
}

// The reading, key by key in the file's order; throws NotANumber at the first bad number.
void readAll(const IniFile& ini, Settings& s) {
  const auto text = [&](const char* section, const char* key, const char* fallback) {
    return ini.value(QLatin1String(section), QLatin1String(key), QLatin1String(fallback));
  };
  const auto integer = [&](const char* section, const char* key, const char* fallback) {
    return toInteger(text(section, key, fallback));
  };
  const auto boolean = [&](const char* section, const char* key) {
    return text(section, key, "0") != QLatin1String("0");
  };
  const auto network = [&](const char* key, int maxLength) {
    return text("Network", key, "").left(maxLength);
  };

  s.colorForm = integer("Colors", "Form", "$0077D0FB");
  s.colorPanel = integer("Colors", "Panel", "$008FD9FC");
  s.colorGrid = integer("Colors", "Grid", "$00E0F3F3");
  s.colorGridTitle = integer("Colors", "GridTitle", "$00B5E4F2");
  s.colorDBNav = integer("Colors", "DBNav", "$0005A2F5");
  s.picture = text("Option", "Picture", "0");
  s.limitNum = integer("Option", "LimitNum", "50");
  s.limit = boolean("Option", "Limit");
  s.adoszam = boolean("Switch", "Adoszam");
  s.mh = boolean("Switch", "MH");
  s.felmerolap = boolean("Switch", "Felmerolap");
  s.orvos = boolean("Switch", "Orvos");
  s.logo = boolean("Switch", "Logo");
  s.geporvos = boolean("Switch", "Geporvos");
  s.printer = text("Print", "Printer", "");
  s.printPerPage = text("Print", "PrintPerPage", "Nem");
  s.lastUser = text("Login", "LastUser", "");
  s.host = network("Host", 30);
  s.port = network("Port", 4);
  s.protocol = network("Protocol", 30);
  s.database = network("DataBase", 50);
  s.user = network("User", 30);
  s.password = network("Password", 30);
}

}  // namespace

QString SettingsFile::path() {
  return kit::sys::programFile(QStringLiteral("vareko.ini"));
}

bool SettingsFile::read(Settings& settings, const QString& filePath) {
  const std::optional<IniFile> ini = IniFile::load(filePath);
  if (!ini) return false;
  bool complete = true;
  try {
    readAll(*ini, settings);
  } catch (const NotANumber&) {
    complete = false;
    kit::ui::warn(QStringLiteral("Hiányzó VAREKO.INI fájl, a betöltés megszakadt!"));
  }
  selectPrinter(settings);
  return complete;
}

bool SettingsFile::write(const Settings& s, const QString& loggedInUser, const QString& filePath) {
  IniFile ini = IniFile::load(filePath).value_or(IniFile());
  for (const char* section : {"Colors", "Print", "Option", "Switch", "Network", "Login"})
    ini.removeSection(QLatin1String(section));

  const auto put = [&](const char* section, const char* key, const QString& value) {
    ini.setValue(QLatin1String(section), QLatin1String(key), value);
  };
  put("Colors", "Form", QString::number(s.colorForm));
  put("Colors", "Panel", QString::number(s.colorPanel));
  put("Colors", "Grid", QString::number(s.colorGrid));
  put("Colors", "GridTitle", QString::number(s.colorGridTitle));
  put("Colors", "DBNav", QString::number(s.colorDBNav));
  put("Network", "Host", s.host);
  put("Network", "Port", s.port);
  put("Network", "Protocol", s.protocol);
  put("Network", "DataBase", s.database);
  put("Network", "User", s.user);
  put("Network", "Password", s.password);
  put("Login", "LastUser", loggedInUser.isEmpty() ? s.lastUser : loggedInUser);
  put("Option", "Picture", s.picture);
  put("Option", "Limit", boolText(s.limit));
  put("Option", "LimitNum", QString::number(s.limitNum));
  put("Switch", "Adoszam", boolText(s.adoszam));
  put("Switch", "MH", boolText(s.mh));
  put("Switch", "Felmerolap", boolText(s.felmerolap));
  put("Switch", "Orvos", boolText(s.orvos));
  put("Switch", "Logo", boolText(s.logo));
  put("Switch", "Geporvos", boolText(s.geporvos));
  put("Print", "Printer", s.printer);
  put("Print", "PrintPerPage", s.printPerPage);

  const bool written = ini.save(filePath);
  selectPrinter(s);
  return written;
}

void SettingsFile::selectPrinter(const Settings& settings) {
  using kit::sys::Printers;
  const QStringList installed = Printers::installed();
  if (!settings.printer.isEmpty() && installed.contains(settings.printer)) {
    Printers::setCurrent(settings.printer);
    return;
  }
  const QString fallback = Printers::systemDefault();
  if (fallback.isEmpty()) {
    kit::ui::warn(QStringLiteral("Nem lehet a nyomtatót beállítani!"));
    return;
  }
  Printers::setCurrent(fallback);
}

}  // namespace core
