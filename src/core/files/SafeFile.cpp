// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SafeFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char* const kNotRegular = "Not a regular file";

// Opens a temporary file in the folder of path; the name is unique so an old leftover is never reused.
int CreateTemporary(const std::string& path, std::string& temporary)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The file a path finally names once every symbolic link on its last part is followed; a link that points
// nowhere yet names the file it would point to. False with errno ELOOP on a loop of links.
bool FollowLinks(const std::string& path, std::string& target)
{
    constexpr int kMaxLinks = 40; // the system's own limit for a path
    target = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat info = {};
        if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        std::string link(static_cast<size_t>(info.st_size) + 256, '\0');
        const ssize_t length = readlink(target.c_str(), link.data(), link.size());
        if (length < 0)
            return true;
        link.resize(static_cast<size_t>(length));
        // A relative link is relative to the folder the link lies in.
        const size_t slash = target.rfind('/');
        target = link.front() == '/' || slash == std::string::npos ? link : target.substr(0, slash + 1) + link;
    }
    errno = ELOOP;
    return false;
}

bool WriteAll(int fd, const void* data, size_t size)
{
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(fd, p, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}
} // namespace

bool IsRegularFile(const std::string& path)
{
    struct stat info = {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string SystemErrorText(int error)
{
    char buffer[256];
    // The GNU strerror_r returns the text, which may or may not be in the buffer.
    return strerror_r(error, buffer, sizeof buffer);
}

bool WriteFileSafely(const std::string& path, const void* data, size_t size, std::string& error)
{
    // The file is replaced where it really lies, so a symbolic link to it stays a link; anything but a regular
    // file (a device, a folder) is never replaced.
    std::string target;
    if (!FollowLinks(path, target)) {
        error = SystemErrorText(errno);
        return false;
    }
    struct stat old = {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        error = S_ISDIR(old.st_mode) ? SystemErrorText(EISDIR) : kNotRegular;
        return false;
    }
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) {
        error = SystemErrorText(errno);
        return false;
    }
    // A file that is replaced keeps its permissions.
    if (exists)
        fchmod(fd, old.st_mode & 07777);
    bool ok = WriteAll(fd, data, size) && fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        unlink(temporary.c_str());
        error = SystemErrorText(failure);
    }
    return ok;
}

bool ReadRegularFile(const std::string& path, size_t limit, std::string& bytes, uint64_t& fileSize, std::string& reason)
{
    bytes.clear();
    fileSize = 0;
    // Opening a FIFO without O_NONBLOCK waits for a writer; with it the open returns at once and fstat tells.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = SystemErrorText(errno);
        return false;
    }
    struct stat info = {};
    int failure = fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : !S_ISREG(info.st_mode) ? EINVAL : 0;
    if (failure == 0) {
        fileSize = static_cast<uint64_t>(info.st_size);
        bytes.resize(static_cast<size_t>(std::min<uint64_t>(fileSize, limit)));
        size_t have = 0;
        while (have < bytes.size()) {
            const ssize_t got = read(fd, bytes.data() + have, bytes.size() - have);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                failure = got < 0 ? errno : 0;
                break;
            }
            have += static_cast<size_t>(got);
        }
        bytes.resize(have);
    }
    close(fd);
    if (failure != 0) {
        bytes.clear();
        reason = failure == EINVAL ? kNotRegular : SystemErrorText(failure);
        errno = failure;
        return false;
    }
    return true;
}
