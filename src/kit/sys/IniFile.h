#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kit::sys {

// A Windows-style settings file ("[Section]" lines followed by "Key=Value" lines) held in
// memory. Section and key names are compared case-insensitively; values are trimmed.
// Comment lines and sections the program does not know are kept as they were. Keys written
// into a section that does not exist yet start a new section at the end of the file, as
// the workstation's older program versions did, so files written by either look alike.
class IniFile {
 public:
  // Parses the text of a file.
  static IniFile parse(const QString& text);
  // Reads a file in the workstation's code page (see decodeWorkstationText); a missing
  // file gives std::nullopt.
  static std::optional<IniFile> load(const QString& path);

  // The value of a key, or std::nullopt when the section or key is missing.
  std::optional<QString> value(const QString& section, const QString& key) const;
  QString value(const QString& section, const QString& key, const QString& fallback) const;
  void setValue(const QString& section, const QString& key, const QString& value);
  void removeSection(const QString& section);
  QStringList sectionNames() const;
  QStringList keys(const QString& section) const;

  // The file's text with CR LF line ends.
  QString text() const;
  // Writes the file in windows-1250 through a temporary file, so that a failed write never
  // leaves half a settings file behind. False when it could not be written.
  bool save(const QString& path) const;

 private:
  struct Line {
    QString key;  // empty for a comment or blank line, kept as `raw`
    QString value;
    QString raw;
  };
  struct Section {
    QString name;  // empty for the lines before the first section
    std::vector<Line> lines;
  };
  Section* find(const QString& name);
  const Section* find(const QString& name) const;

  std::vector<Section> sections_;
};

}  // namespace kit::sys
