// SPDX-License-Identifier: GPL-3.0-or-later
// Data files (.dat): a 16-byte header naming the model, then image blocks 1 to 297.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/files/MessageTexts.h"
#include "core/model/AppState.h"
#include "core/model/ModelCatalogue.h"

inline constexpr int kDataFileSize = 4768;

enum class TOpenResult {
    Ok,
    Incomplete,   // loaded onto a new data set; error holds FileShort (how many bytes the file held)
    Oversized,    // loaded; error holds FileLong (the rest of the file was ignored)
    ModelUnknown, // error holds ModError ("Wrong model type."): nothing changed
    TooShort,     // shorter than the header: error holds FileTooShort, nothing changed
    CannotOpen,   // error holds "Cannot open file "%s". %s": nothing changed
};

// True when the file's data set is now in the image (perhaps with a warning in error).
inline bool IsLoaded(TOpenResult result)
{
    return result == TOpenResult::Ok || result == TOpenResult::Incomplete || result == TOpenResult::Oversized;
}

// The bytes of the data file of the data set: the header and image blocks 1 to 297.
std::vector<uint8_t> DataFileBytes(const TAppState& all);

// Writes the header and blocks 1 to 297 to a temporary file beside path and renames it over path once every
// byte is written and flushed. On success Modified := false; on failure the old file and Modified stay and
// error holds "Cannot create file "%s". %s".
bool SaveDataFile(TAppState& all, const std::string& path, std::string& error);
// Loads path into the image and runs ValidateSettings, SelectModel (file's model), DeriveBands, StoreBandLimits,
// then Modified := false. A file that ends early is loaded onto a new data set of its model, so that nothing of
// the previous one stays in the blocks it does not hold. A file of an unknown model, one too short for a header
// or one that cannot be opened (only regular files are) leaves everything unchanged. Every result but Ok leaves
// its message, in the language of texts, in error.
TOpenResult OpenDataFile(TAppState& all, const TModelCatalogue& list, const std::string& path, std::string& error,
                         const TMessageTexts& texts = TMessageTexts());
