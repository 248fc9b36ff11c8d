// SPDX-License-Identifier: GPL-3.0-or-later
// Comma- (or tab-) separated text as RFC 4180 has it.
#include "core/model/CsvText.h"

namespace
{
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Walks the text once, record by record, counting lines as it goes.
class TCsvReader
{
  public:
    TCsvReader(std::string_view text, char separator) : Text(text), Separator(separator) {}

    TCsvParse Parse()
    {
        TCsvParse parse;
        if (Text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            At = kByteOrderMark.size();
        if (Text.find('\0') != std::string_view::npos) {
            parse.Error = "line " + std::to_string(LineOf(Text.find('\0'))) + ": a NUL byte; this is not a text file";
            return parse;
        }
        while (At < Text.size()) {
            const int line = Line;
            if (SkipsLine()) {
                SkipLine();
                continue;
            }
            TCsvRecord record{line, {}};
            if (!ReadRecord(record.Fields)) {
                parse.Error = "line " + std::to_string(line) + ": a quoted field is not closed";
                parse.Records.clear();
                return parse;
            }
            parse.Records.push_back(std::move(record));
        }
        return parse;
    }

  private:
    bool AtLineEnd() const
    {
        return Text[At] == '\n' || (Text[At] == '\r' && At + 1 < Text.size() && Text[At + 1] == '\n');
    }

    // A line with nothing on it (spaces aside) or a comment.
    bool SkipsLine() const
    {
        size_t i = At;
        while (i < Text.size() && (Text[i] == ' ' || Text[i] == '\t'))
            ++i;
        return i >= Text.size() || Text[i] == '\n' || Text[i] == '\r' || Text[At] == '#';
    }

    void SkipLine()
    {
        while (At < Text.size() && Text[At] != '\n')
            ++At;
        EndLine();
    }

    void EndLine()
    {
        if (At < Text.size()) {
            ++At;
            ++Line;
        }
    }

    bool ReadRecord(std::vector<std::string>& fields)
    {
        std::string field;
        while (true) {
            if (At < Text.size() && Text[At] == '"') {
                if (!ReadQuoted(field))
                    return false;
            }
            while (At < Text.size() && Text[At] != Separator && !AtLineEnd())
                field += Text[At++];
            fields.push_back(std::move(field));
            field.clear();
            if (At >= Text.size())
                return true;
            if (Text[At] == Separator) {
                ++At;
                continue;
            }
            At += Text[At] == '\r' ? 2 : 1;
            ++Line;
            return true;
        }
    }

    // After the closing quote, anything up to the separator joins the field as it stands.
    bool ReadQuoted(std::string& field)
    {
        ++At;
        while (At < Text.size()) {
            const char c = Text[At++];
            if (c == '"') {
                if (At < Text.size() && Text[At] == '"') {
                    field += '"';
                    ++At;
                    continue;
                }
                return true;
            }
            if (c == '\n')
                ++Line;
            field += c;
        }
        return false;
    }

    int LineOf(size_t position) const
    {
        int line = 1;
        for (size_t i = 0; i < position; ++i)
            line += Text[i] == '\n' ? 1 : 0;
        return line;
    }

    std::string_view Text;
    char Separator;
    size_t At = 0;
    int Line = 1;
};

bool NeedsQuotes(const std::string& field, char separator)
{
    return field.find_first_of(std::string("\"\r\n") + separator) != std::string::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}
} // namespace

TCsvParse ParseCsv(std::string_view text, char separator)
{
    return TCsvReader(text, separator).Parse();
}

char GuessSeparator(std::string_view text)
{
    const std::string_view firstLine = text.substr(0, text.find('\n'));
    return firstLine.find('\t') != std::string_view::npos ? '\t' : ',';
}

std::string CsvLine(const std::vector<std::string>& fields, char separator)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            line += separator;
        if (!NeedsQuotes(fields[i], separator)) {
            line += fields[i];
            continue;
        }
        line += '"';
        for (const char c : fields[i]) {
            line += c;
            if (c == '"')
                line += '"';
        }
        line += '"';
    }
    return line + "\r\n";
}
