#include "core/files/DataFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "core/files/SafeFile.h"
#include "core/model/Derivations.h"

namespace
{
constexpr int kHeaderSize = 16;
constexpr int kFirstBlockOffset = kBlockSize; // image block 1: block 0 is not kept in files

// A 4-character header field: the text padded with spaces or cut.
std::string HeaderField(const std::string& text)
{
    return (text + "     ").substr(0, 4);
}

std::vector<uint8_t> BuildFile(const TAppState& all)
{
    std::vector<uint8_t> bytes(kDataFileSize, 0xFF);
    const std::string header = "P" + HeaderField(all.ModelId) + HeaderField(all.BuiltInModelId) + "    ";
    std::copy(header.begin(), header.end(), bytes.begin());
    std::copy(all.Image.begin() + kFirstBlockOffset, all.Image.begin() + kDataFileSize, bytes.begin() + kHeaderSize);
    return bytes;
}

// Reads at most the size of a data file; a longer file's rest is never read. False with errno on a read error.
bool ReadDataFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bytes.assign(kDataFileSize, 0);
    size_t have = 0;
    while (have < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + have, bytes.size() - have);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            close(fd);
            errno = error;
            return false;
        }
        if (got == 0)
            break;
        have += static_cast<size_t>(got);
    }
    close(fd);
    bytes.resize(have);
    return true;
}
} // namespace

bool SaveDataFile(TAppState& all, const std::string& path, std::string& error)
{
    const std::vector<uint8_t> bytes = BuildFile(all);
    std::string reason;
    if (!WriteFileSafely(path, bytes.data(), bytes.size(), reason)) {
        error = "Cannot create file \"" + path + "\". " + reason;
        return false;
    }
    all.Modified = false;
    return true;
}

TOpenResult OpenDataFile(TAppState& all, const TModelCatalogue& list, const std::string& path, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!ReadDataFile(path, bytes)) {
        error = "Cannot open file \"" + path + "\". " + SystemErrorText(errno);
        return TOpenResult::CannotOpen;
    }
    // A file shorter than the header has no model identifier.
    if (bytes.size() < static_cast<size_t>(kHeaderSize))
        return TOpenResult::ModelUnknown;
    const std::string modelId(bytes.begin() + 1, bytes.begin() + 5);
    if (!list.FindById(modelId))
        return TOpenResult::ModelUnknown;
    // A file that ends inside the image blocks fills only what it holds; the rest of the image stays.
    std::copy(bytes.begin() + kHeaderSize, bytes.end(), all.Image.begin() + kFirstBlockOffset);
    ValidateSettings(all);
    SelectModel(all, list, modelId, false);
    DeriveBands(all, list);
    StoreBandLimits(all);
    all.Modified = false;
    return TOpenResult::Ok;
}
