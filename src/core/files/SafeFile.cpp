#include "core/files/SafeFile.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
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
    // An existing file is replaced where it really lies, so a symbolic link to it stays a link; anything but a
    // regular file (a device, a folder) is never replaced.
    std::string target = path;
    struct stat old = {};
    const bool exists = stat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        error = SystemErrorText(S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
        return false;
    }
    if (exists) {
        char* resolved = realpath(path.c_str(), nullptr);
        if (resolved) {
            target = resolved;
            free(resolved);
        }
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
