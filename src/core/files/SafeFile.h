// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file so that it is either the old file or the complete new one, never a half-written mix; and
// reading a file without ever waiting on something that is not one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the bytes to a new file beside path and renames it over path once every byte is written and flushed
// to the disk. A symbolic link stays a link: the file it points to is written, whether that exists yet or not.
// On failure path is left as it was, the temporary file is removed and error holds the system's reason.
bool WriteFileSafely(const std::string& path, const void* data, size_t size, std::string& error);

// Reads the first limit bytes of path into bytes and its full size into fileSize. Only a regular file is read
// (a FIFO, a device or a folder is refused without waiting on it). False on failure with the reason in reason
// and the error number in errno (EISDIR for a folder, EINVAL for anything else that is not a regular file).
bool ReadRegularFile(const std::string& path, size_t limit, std::string& bytes, uint64_t& fileSize,
                     std::string& reason);

// True when path names an existing regular file (after following links).
bool IsRegularFile(const std::string& path);

// The system's text for an error number.
std::string SystemErrorText(int error);
