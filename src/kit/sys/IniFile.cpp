#include "IniFile.h"

#include <QFile>
#include <QSaveFile>

#include "kit/text/Cp1250.h"

namespace kit::sys {

IniFile IniFile::parse(const QString& text) {
  IniFile ini;
  ini.sections_.push_back(Section{});
  QString normalised = text;
  normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  const QStringList lines = normalised.split(QLatin1Char('\n'));
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i];
    const QString trimmed = line.trimmed();
    if (i == lines.size() - 1 && trimmed.isEmpty()) break;  // the final line end
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']'))) {
      ini.sections_.push_back(Section{trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1).trimmed(), {}});
      continue;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq > 0 && !trimmed.startsWith(QLatin1Char(';'))) {
      const QString key = line.left(eq).trimmed();
      if (!key.isEmpty()) {
        ini.sections_.back().lines.push_back(Line{key, line.mid(eq + 1).trimmed(), {}});
        continue;
      }
    }
    ini.sections_.back().lines.push_back(Line{{}, {}, line});
  }
  return ini;
}

std::optional<IniFile> IniFile::load(const QString& path) {
  QFile file(path);
  if (!file.exists() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  return parse(kit::text::decodeWorkstationText(file.readAll()));
}

IniFile::Section* IniFile::find(const QString& name) {
  for (Section& s : sections_)
    if (!s.name.isEmpty() && s.name.compare(name, Qt::CaseInsensitive) == 0) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::find(const QString& name) const {
  return const_cast<IniFile*>(this)->find(name);
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
  const Section* s = find(section);
  if (!s) return std::nullopt;
  for (const Line& line : s->lines)
    if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0) return line.value;
  return std::nullopt;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
  return value(section, key).value_or(fallback);
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
  Section* s = find(section);
  if (!s) {
    if (sections_.empty()) sections_.push_back(Section{});
    sections_.push_back(Section{section, {}});
    s = &sections_.back();
  }
  for (Line& line : s->lines)
    if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0) {
      line.value = value;
      return;
    }
  // A new key goes after the section's last key, before any trailing blank lines.
  auto at = s->lines.end();
  while (at != s->lines.begin() && std::prev(at)->key.isEmpty() && std::prev(at)->raw.trimmed().isEmpty())
    --at;
  s->lines.insert(at, Line{key, value, {}});
}

void IniFile::removeSection(const QString& section) {
  std::erase_if(sections_, [&](const Section& s) {
    return !s.name.isEmpty() && s.name.compare(section, Qt::CaseInsensitive) == 0;
  });
}

QStringList IniFile::sectionNames() const {
  QStringList names;
  for (const Section& s : sections_)
    if (!s.name.isEmpty()) names.append(s.name);
  return names;
}

QStringList IniFile::keys(const QString& section) const {
  QStringList names;
  if (const Section* s = find(section))
    for (const Line& line : s->lines)
      if (!line.key.isEmpty()) names.append(line.key);
  return names;
}

QString IniFile::text() const {
  QString out;
  const QLatin1String eol("\r\n");
  for (const Section& s : sections_) {
    if (!s.name.isEmpty()) out += QLatin1Char('[') + s.name + QLatin1Char(']') + eol;
    for (const Line& line : s.lines)
      out += (line.key.isEmpty() ? line.raw : line.key + QLatin1Char('=') + line.value) + eol;
  }
  return out;
}

bool IniFile::save(const QString& path) const {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(kit::text::toCp1250(text()));
  return file.commit();
}

}  // namespace kit::sys
