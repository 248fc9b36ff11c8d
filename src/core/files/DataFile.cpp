// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/DataFile.h"

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
} // namespace

std::vector<uint8_t> DataFileBytes(const TAppState& all)
{
    std::vector<uint8_t> bytes(kDataFileSize, 0xFF);
    const std::string header = "P" + HeaderField(all.ModelId) + HeaderField(all.BuiltInModelId) + "    ";
    std::copy(header.begin(), header.end(), bytes.begin());
    std::copy(all.Image.begin() + kFirstBlockOffset, all.Image.begin() + kDataFileSize, bytes.begin() + kHeaderSize);
    return bytes;
}

bool SaveDataFile(TAppState& all, const std::string& path, std::string& error)
{
    const std::vector<uint8_t> bytes = DataFileBytes(all);
    std::string reason;
    if (!WriteFileSafely(path, bytes.data(), bytes.size(), reason)) {
        error = "Cannot create file \"" + path + "\". " + reason;
        return false;
    }
    all.Modified = false;
    return true;
}

TOpenResult OpenDataFile(TAppState& all, const TModelCatalogue& list, const std::string& path, std::string& error,
                         const TMessageTexts& texts)
{
    std::string bytes, reason;
    uint64_t fileSize = 0;
    if (!ReadRegularFile(path, kDataFileSize, bytes, fileSize, reason)) {
        error = "Cannot open file \"" + path + "\". " + reason;
        return TOpenResult::CannotOpen;
    }
    // A file shorter than the header has no model identifier.
    if (bytes.size() < static_cast<size_t>(kHeaderSize)) {
        error = texts.FileTooShort;
        return TOpenResult::TooShort;
    }
    const std::string modelId = bytes.substr(1, 4);
    if (!list.FindById(modelId)) {
        error = texts.ModError;
        return TOpenResult::ModelUnknown;
    }
    const bool incomplete = bytes.size() < static_cast<size_t>(kDataFileSize);
    if (incomplete) {
        all.ModelId = modelId;
        NewImage(all);
        SelectModel(all, list, modelId, true);
    }
    std::copy(bytes.begin() + kHeaderSize, bytes.end(), all.Image.begin() + kFirstBlockOffset);
    ValidateSettings(all);
    SelectModel(all, list, modelId, false);
    DeriveBands(all, list);
    StoreBandLimits(all);
    all.Modified = false;
    if (incomplete) {
        error = FormatText(texts.FileShort, {std::to_string(bytes.size()), std::to_string(kDataFileSize)});
        return TOpenResult::Incomplete;
    }
    if (fileSize > static_cast<uint64_t>(kDataFileSize)) {
        error = FormatText(texts.FileLong, {std::to_string(kDataFileSize), std::to_string(fileSize)});
        return TOpenResult::Oversized;
    }
    return TOpenResult::Ok;
}
