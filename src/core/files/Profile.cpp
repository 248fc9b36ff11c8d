#include "core/files/Profile.h"

#include <cerrno>
#include <fstream>
#include <iconv.h>
#include <iterator>

#include "core/files/SafeFile.h"

namespace
{
std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(const std::string& a, const std::string& b)
{
    return Lower(Trim(a)) == Lower(b);
}

// The section name of a "[name]" line; false for any other line.
bool SectionName(const std::string& line, std::string& name)
{
    const std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
        return false;
    name = trimmed.substr(1, trimmed.size() - 2);
    return true;
}

// Splits "key=value"; comment lines and lines without "=" are no entries.
bool SplitEntry(const std::string& line, std::string& key, std::string& value)
{
    const size_t equals = line.find('=');
    if (equals == std::string::npos || Trim(line).rfind(';', 0) == 0)
        return false;
    key = line.substr(0, equals);
    value = line.substr(equals + 1);
    return true;
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
    FileLines.clear();
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return false;
    LoadText(DecodeText(std::move(bytes)));
    return true;
}

void TProfile::LoadText(const std::string& text)
{
    FileLines.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        FileLines.push_back(std::move(line));
        start = end + 1;
    }
}

std::string TProfile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const
{
    if (key.empty())
        return defaultValue;
    const std::string wantedSection = Lower(section);
    const std::string wantedKey = Lower(key);
    bool inSection = false;
    std::string name, entryKey, value;
    for (const std::string& line : FileLines) {
        if (SectionName(line, name)) {
            inSection = SameName(name, wantedSection);
            continue;
        }
        if (inSection && SplitEntry(line, entryKey, value) && SameName(entryKey, wantedKey))
            return value;
    }
    return defaultValue;
}

void TProfile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    // A line break inside a value would start a new line of the file and break its structure.
    std::string cleanValue = value;
    for (char& c : cleanValue)
        if (c == '\r' || c == '\n')
            c = ' ';
    const std::string newLine = key + "=" + cleanValue;
    std::string name, entryKey, entryValue;
    size_t sectionEnd = std::string::npos;
    bool inSection = false;
    for (size_t i = 0; i < FileLines.size(); ++i) {
        if (SectionName(FileLines[i], name)) {
            if (inSection)
                break;
            inSection = SameName(name, Lower(section));
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (SplitEntry(FileLines[i], entryKey, entryValue) && SameName(entryKey, Lower(key))) {
            FileLines[i] = Trim(entryKey) + "=" + cleanValue;
            return;
        }
        if (!Trim(FileLines[i]).empty())
            sectionEnd = i + 1;
    }
    if (sectionEnd != std::string::npos) {
        FileLines.insert(FileLines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), newLine);
        return;
    }
    if (!FileLines.empty() && !Trim(FileLines.back()).empty())
        FileLines.push_back("");
    FileLines.push_back("[" + section + "]");
    FileLines.push_back(newLine);
}

bool TProfile::Save(const std::string& path, std::string& error) const
{
    std::string text;
    for (const std::string& line : FileLines)
        text += line + "\n";
    return WriteFileSafely(path, text.data(), text.size(), error);
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
