// SPDX-License-Identifier: GPL-3.0-or-later
// Profile (INI) files: the settings file and the language files.
// Sections and keys match without regard to letter case; values are taken verbatim;
// writing a key keeps every other line of the file as it was.
#pragma once

#include <string>
#include <vector>

class TProfile
{
  public:
    // A settings or language file larger than this is refused: no real one comes near it.
    static constexpr size_t kMaxFileSize = 1024 * 1024;

    // Reads a file; a missing or unreadable file gives an empty profile (every key reads its default).
    // Language files are decoded from UTF-8 (a byte-order mark is skipped) or, when not valid UTF-8, GB18030.
    bool Load(const std::string& path);
    // The same; when the file exists but cannot be used (a folder, a FIFO, unreadable, larger than
    // kMaxFileSize) problem says why. Only regular files are opened, so nothing ever waits on a FIFO or device.
    bool Load(const std::string& path, std::string& problem);
    // Parses text that is already UTF-8.
    void LoadText(const std::string& text);
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    // Writes the lines to path through a temporary file; false with the system's reason in error on failure.
    bool Save(const std::string& path, std::string& error) const;
    std::vector<std::string> Lines() const;

  private:
    // The file's lines, each ended by "\n" (a "\r" before it dropped): kept as one text, so that reading costs
    // little more than the file's size however many lines it has.
    std::string Text;
};

// Splits a list value into items: "|" separates; a space or control character also ends an item;
// leading spaces and control characters are skipped; double quotes enclose an item with spaces.
std::vector<std::string> SplitList(const std::string& value);
