// Replacing a file so that it is either the old file or the complete new one, never a half-written mix.
#pragma once

#include <cstddef>
#include <string>

// Writes the bytes to a new file beside path and renames it over path once every byte is written and flushed
// to the disk. On failure path is left as it was, the temporary file is removed and error holds the system's
// reason.
bool WriteFileSafely(const std::string& path, const void* data, size_t size, std::string& error);

// True when path names an existing regular file (after following links).
bool IsRegularFile(const std::string& path);

// The system's text for an error number.
std::string SystemErrorText(int error);
