// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Recovery.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "core/files/DataFile.h"
#include "core/files/Locations.h"
#include "core/files/SafeFile.h"

namespace
{
const char* const kCopyName = "recovery.dat";
const char* const kLockName = "recovery.lock";

bool MakeFolder(const std::string& folder, std::string& error)
{
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (!made)
        return true;
    error = "Cannot create folder \"" + folder + "\". " + made.message();
    return false;
}

bool Exists(const std::string& path)
{
    struct stat info = {};
    return lstat(path.c_str(), &info) == 0;
}

// Every byte of the copy, or the reason it is not a whole data file.
bool ReadWholeFile(const std::string& path, std::string& reason, const TMessageTexts& texts)
{
    std::string bytes;
    uint64_t size = 0;
    if (!ReadRegularFile(path, kDataFileSize + 1, bytes, size, reason))
        return false;
    if (size == static_cast<uint64_t>(kDataFileSize))
        return true;
    reason = FormatText(texts.RecoverySize, {std::to_string(size), std::to_string(kDataFileSize)});
    return false;
}
} // namespace

std::string RecoveryFolder(const TAppState& all)
{
    return OwnFilesFolder(all, StateFolder());
}

std::string RecoveryFilePath(const TAppState& all)
{
    return RecoveryFolder(all) + kCopyName;
}

bool RecoveryCopyExists(const TAppState& all)
{
    return Exists(RecoveryFilePath(all));
}

bool WriteRecoveryCopy(const TAppState& all, std::string& error)
{
    if (!MakeFolder(RecoveryFolder(all), error))
        return false;
    const std::vector<uint8_t> bytes = DataFileBytes(all);
    const std::string path = RecoveryFilePath(all);
    std::string reason;
    if (WriteFileSafely(path, bytes.data(), bytes.size(), reason))
        return true;
    error = "Cannot create file \"" + path + "\". " + reason;
    return false;
}

bool ReadRecoveryCopy(const TAppState& all, const TModelCatalogue& list, TAppState& restored, std::string& reason,
                      const TMessageTexts& texts)
{
    const std::string path = RecoveryFilePath(all);
    if (!ReadWholeFile(path, reason, texts))
        return false;
    // Loaded into a copy first: a copy of an unknown model or one that changes under the reading must not
    // leave a mix of two data sets behind.
    TAppState loaded = all;
    std::string error;
    if (OpenDataFile(loaded, list, path, error, texts) != TOpenResult::Ok) {
        reason = error;
        return false;
    }
    restored = std::move(loaded);
    return true;
}

bool SetAsideRecoveryCopy(const TAppState& all, const std::string& stamp, std::string& asidePath, std::string& error)
{
    const std::string path = RecoveryFilePath(all);
    const std::string base = path + ".bad-" + stamp;
    asidePath = base;
    for (int n = 2; Exists(asidePath); ++n)
        asidePath = base + "-" + std::to_string(n);
    if (rename(path.c_str(), asidePath.c_str()) == 0)
        return true;
    error = SystemErrorText(errno);
    return false;
}

bool RemoveRecoveryCopy(const TAppState& all, std::string& error)
{
    const std::string path = RecoveryFilePath(all);
    if (unlink(path.c_str()) == 0 || errno == ENOENT)
        return true;
    error = "Cannot remove file \"" + path + "\". " + SystemErrorText(errno);
    return false;
}

TRecoveryLock::~TRecoveryLock()
{
    Release();
}

bool TRecoveryLock::Acquire(const TAppState& all, std::string& error)
{
    HeldElsewhere = false;
    if (Held())
        return true;
    const std::string folder = RecoveryFolder(all);
    if (!MakeFolder(folder, error))
        return false;
    const std::string path = folder + kLockName;
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = "Cannot create file \"" + path + "\". " + SystemErrorText(errno);
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        Fd = fd;
        return true;
    }
    const int failure = errno;
    close(fd);
    HeldElsewhere = failure == EWOULDBLOCK;
    error = SystemErrorText(failure);
    return false;
}

void TRecoveryLock::Release()
{
    if (Fd < 0)
        return;
    // Closing the only descriptor of the open file lets go of its lock.
    close(Fd);
    Fd = -1;
}
