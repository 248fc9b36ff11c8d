// Profile (INI) files: the settings file and the language files.
// Sections and keys match without regard to letter case; values are taken verbatim;
// writing a key keeps every other line of the file as it was.
#pragma once

#include <string>
#include <vector>

class TProfile
{
  public:
    // Reads a file; a missing or unreadable file gives an empty profile (every key reads its default).
    // Language files are decoded from UTF-8 (a byte-order mark is skipped) or, when not valid UTF-8, GB18030.
    bool Load(const std::string& path);
    // Parses text that is already UTF-8.
    void LoadText(const std::string& text);
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    // Writes the lines to path through a temporary file; false with the system's reason in error on failure.
    bool Save(const std::string& path, std::string& error) const;
    const std::vector<std::string>& Lines() const { return FileLines; }

  private:
    std::vector<std::string> FileLines;
};

// Splits a list value into items: "|" separates; a space or control character also ends an item;
// leading spaces and control characters are skipped; double quotes enclose an item with spaces.
std::vector<std::string> SplitList(const std::string& value);
