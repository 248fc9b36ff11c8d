// SPDX-License-Identifier: GPL-3.0-or-later
// Comma- (or tab-) separated text as RFC 4180 has it: fields in double quotes may hold the separator, line
// breaks and doubled quotes; lines end in CRLF or LF; a UTF-8 byte-order mark at the start is dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TCsvRecord {
    // The line the record starts on, counted from 1.
    int Line;
    std::vector<std::string> Fields;
};

struct TCsvParse {
    std::vector<TCsvRecord> Records;
    // Empty, or why the text cannot be read (a quoted field left open, a NUL byte), with its line.
    std::string Error;
};

// The records of text. Blank lines and lines that start with "#" are skipped.
TCsvParse ParseCsv(std::string_view text, char separator);
// The separator a clipboard text uses: a tab when its first line holds one, else a comma.
char GuessSeparator(std::string_view text);

// One record as a line ended by CRLF; a field is quoted when it holds the separator, a quote, a line break or
// leading or trailing spaces.
std::string CsvLine(const std::vector<std::string>& fields, char separator);
