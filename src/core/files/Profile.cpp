// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Profile.h"

#include <cerrno>
#include <iconv.h>
#include <string_view>

#include "core/files/SafeFile.h"

namespace
{
using std::string_view;

char LowerChar(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

string_view Trim(string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Names match without regard to letter case; the spaces around the file's name do not count.
bool SameName(string_view fileName, string_view wanted)
{
    const string_view name = Trim(fileName);
    if (name.size() != wanted.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (LowerChar(name[i]) != LowerChar(wanted[i]))
            return false;
    return true;
}

// The section name of a "[name]" line; false for any other line.
bool SectionName(string_view line, string_view& name)
{
    const string_view trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
        return false;
    name = trimmed.substr(1, trimmed.size() - 2);
    return true;
}

// Splits "key=value"; comment lines and lines without "=" are no entries.
bool SplitEntry(string_view line, string_view& key, string_view& value)
{
    const size_t equals = line.find('=');
    if (equals == string_view::npos || Trim(line).substr(0, 1) == ";")
        return false;
    key = line.substr(0, equals);
    value = line.substr(equals + 1);
    return true;
}

// Calls visit(start, line) for every line of a text whose lines all end with "\n", until visit returns false.
template <class TVisit> void ForEachLine(const std::string& text, TVisit visit)
{
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        if (!visit(start, string_view(text).substr(start, end - start)))
            return;
        start = end + 1;
    }
}

bool IsValidUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size() || (length == 2 && c < 0xC2))
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// Legacy Chinese language files; a byte sequence GB18030 cannot decode becomes U+FFFD.
std::string Gb18030ToUtf8(const std::string& text)
{
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return text;
    std::string result;
    char buffer[4096];
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        result.append(buffer, static_cast<size_t>(out - buffer));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            result += "\xEF\xBF\xBD";
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return result;
}

std::string DecodeText(std::string bytes)
{
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0)
        bytes.erase(0, 3);
    return IsValidUtf8(bytes) ? bytes : Gb18030ToUtf8(bytes);
}
} // namespace

bool TProfile::Load(const std::string& path)
{
    std::string problem;
    return Load(path, problem);
}

bool TProfile::Load(const std::string& path, std::string& problem)
{
    Text.clear();
    problem.clear();
    std::string bytes, reason;
    uint64_t fileSize = 0;
    if (!ReadRegularFile(path, kMaxFileSize, bytes, fileSize, reason)) {
        // A file that is not there is no problem: its keys read their defaults.
        if (errno != ENOENT && errno != ENOTDIR)
            problem = reason;
        return false;
    }
    if (fileSize > kMaxFileSize) {
        problem = "larger than " + std::to_string(kMaxFileSize / 1024) + " KB";
        return false;
    }
    LoadText(DecodeText(std::move(bytes)));
    return true;
}

void TProfile::LoadText(const std::string& text)
{
    Text.clear();
    Text.reserve(text.size() + 1);
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        // Every carriage return before the line break goes ("\r\r\n" from an editor that doubled them): a save
        // writes the line without them, and the line must mean the same before and after.
        size_t length = end - start;
        while (length > 0 && text[start + length - 1] == '\r')
            --length;
        Text.append(text, start, length);
        Text += '\n';
        start = end + 1;
    }
}

std::vector<std::string> TProfile::Lines() const
{
    std::vector<std::string> lines;
    ForEachLine(Text, [&lines](size_t, string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

std::string TProfile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const
{
    if (key.empty())
        return defaultValue;
    bool inSection = false;
    std::string result = defaultValue;
    ForEachLine(Text, [&](size_t, string_view line) {
        string_view name, entryKey, value;
        if (SectionName(line, name)) {
            inSection = SameName(name, section);
        } else if (inSection && SplitEntry(line, entryKey, value) && SameName(entryKey, key)) {
            result = std::string(value);
            return false;
        }
        return true;
    });
    return result;
}

void TProfile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    // A line break inside a value would start a new line of the file and break its structure.
    std::string cleanValue = value;
    for (char& c : cleanValue)
        if (c == '\r' || c == '\n')
            c = ' ';
    // Where the entry goes: in place of the key's line, else after the section's last line that is not blank.
    size_t replaceAt = std::string::npos, replaceLength = 0, insertAt = std::string::npos;
    std::string replacement;
    bool inSection = false;
    string_view lastLine;
    ForEachLine(Text, [&](size_t start, string_view line) {
        lastLine = line;
        string_view name, entryKey, entryValue;
        if (SectionName(line, name)) {
            if (inSection)
                return false;
            inSection = SameName(name, section);
            if (inSection)
                insertAt = start + line.size() + 1;
            return true;
        }
        if (!inSection)
            return true;
        if (SplitEntry(line, entryKey, entryValue) && SameName(entryKey, key)) {
            replaceAt = start;
            replaceLength = line.size();
            replacement = std::string(Trim(entryKey)) + "=" + cleanValue;
            return false;
        }
        if (!Trim(line).empty())
            insertAt = start + line.size() + 1;
        return true;
    });
    const std::string newLine = key + "=" + cleanValue + "\n";
    if (replaceAt != std::string::npos) {
        Text.replace(replaceAt, replaceLength, replacement);
    } else if (insertAt != std::string::npos) {
        Text.insert(insertAt, newLine);
    } else {
        if (!Trim(lastLine).empty())
            Text += '\n';
        Text += "[" + section + "]\n" + newLine;
    }
}

bool TProfile::Save(const std::string& path, std::string& error) const
{
    return WriteFileSafely(path, Text.data(), Text.size(), error);
}

std::vector<std::string> SplitList(const std::string& value)
{
    // A NUL character ends the value, as it ends the text a profile reader hands back.
    const std::string text = value.substr(0, value.find('\0'));
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::vector<std::string> items;
    size_t p = 0;
    const auto skipBlanks = [&] {
        while (p < text.size() && isBlank(text[p]))
            ++p;
    };
    skipBlanks();
    while (p < text.size()) {
        std::string item;
        if (text[p] == '"') {
            for (++p; p < text.size(); ++p) {
                if (text[p] == '"') {
                    if (p + 1 < text.size() && text[p + 1] == '"') {
                        item += '"';
                        ++p;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p];
            }
        } else {
            const size_t start = p;
            while (p < text.size() && !isBlank(text[p]) && text[p] != '|')
                ++p;
            item = text.substr(start, p - start);
        }
        items.push_back(item);
        skipBlanks();
        if (p < text.size() && text[p] == '|') {
            if (p + 1 == text.size())
                items.emplace_back();
            ++p;
            skipBlanks();
        }
    }
    return items;
}
