// Data files (.dat): a 16-byte header naming the model, then image blocks 1 to 297.
#pragma once

#include <string>

#include "core/model/AppState.h"
#include "core/model/ModelCatalogue.h"

inline constexpr int kDataFileSize = 4768;

enum class TOpenResult {
    Ok,
    ModelUnknown, // "Model Type Wrong.": nothing changed
    CannotOpen,   // error holds "Cannot open file "%s". %s"
};

// Writes the header and blocks 1 to 297 to a temporary file beside path and renames it over path once every
// byte is written and flushed. On success Modified := false; on failure the old file and Modified stay and
// error holds "Cannot create file "%s". %s".
bool SaveDataFile(TAppState& all, const std::string& path, std::string& error);
// Loads path into the image and runs ValidateSettings, SelectModel (file's model), DeriveBands, StoreBandLimits,
// then Modified := false. A file of an unknown model or one that cannot be opened leaves everything unchanged.
TOpenResult OpenDataFile(TAppState& all, const TModelCatalogue& list, const std::string& path, std::string& error);
