// SPDX-License-Identifier: GPL-3.0-or-later
// CSV files of memory channels (core/model/ChirpCsv) on disk: read whole, with a ceiling on their size, and
// written through SafeFile so that an export is the old file or the complete new one.
#pragma once

#include <string>

// The most bytes a CSV file may hold: far beyond any channel list, small enough to read whole.
inline constexpr size_t kMaxCsvFileSize = 16 * 1024 * 1024;

// False with the reason in error when the file cannot be read, is not a regular file or is larger than
// kMaxCsvFileSize.
bool ReadCsvFile(const std::string& path, std::string& text, std::string& error);
bool WriteCsvFile(const std::string& path, const std::string& text, std::string& error);
