// SPDX-License-Identifier: GPL-3.0-or-later
// CSV files of memory channels on disk.
#include "core/files/CsvFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/files/SafeFile.h"

namespace
{
std::string CannotOpen(const std::string& path, const std::string& reason)
{
    return "Cannot open file \"" + path + "\". " + reason;
}

// Reads at most limit + 1 bytes, so that a longer file is known to be too long without reading it all.
bool ReadAtMost(int fd, size_t limit, std::string& text)
{
    text.assign(limit + 1, '\0');
    size_t have = 0;
    while (have < text.size()) {
        const ssize_t got = read(fd, text.data() + have, text.size() - have);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        have += static_cast<size_t>(got);
    }
    text.resize(have);
    return true;
}
} // namespace

bool ReadCsvFile(const std::string& path, std::string& text, std::string& error)
{
    if (!IsRegularFile(path)) {
        struct stat info {
        };
        error = CannotOpen(path, stat(path.c_str(), &info) == 0 ? "It is not a regular file." : SystemErrorText(errno));
        return false;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = CannotOpen(path, SystemErrorText(errno));
        return false;
    }
    const bool read = ReadAtMost(fd, kMaxCsvFileSize, text);
    const int readError = errno;
    close(fd);
    if (!read) {
        error = CannotOpen(path, SystemErrorText(readError));
        return false;
    }
    if (text.size() > kMaxCsvFileSize) {
        text.clear();
        error = CannotOpen(path, "It is larger than " + std::to_string(kMaxCsvFileSize / (1024 * 1024)) +
                                     " MB, far more than a channel list.");
        return false;
    }
    return true;
}

bool WriteCsvFile(const std::string& path, const std::string& text, std::string& error)
{
    std::string reason;
    if (WriteFileSafely(path, text.data(), text.size(), reason))
        return true;
    error = "Cannot create file \"" + path + "\". " + reason;
    return false;
}
