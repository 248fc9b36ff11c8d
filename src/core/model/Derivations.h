// SPDX-License-Identifier: GPL-3.0-or-later
// The operations that keep the image and the program's state in step on New, Open and after a read.
// Every function takes the state it works on; none reaches for the global instances.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/AppState.h"
#include "core/model/ModelCatalogue.h"

// ---- Image-wide derivations ----
void NewImage(TAppState& all);
void ValidateSettings(TAppState& all);
void ApplyModelBands(TAppState& all, const TModelCatalogue& list);
void SelectModel(TAppState& all, const TModelCatalogue& list, const std::string& identifier, bool writeIdentification);
void WriteModelIdent(TAppState& all);
void StoreBandLimits(TAppState& all);
void DeriveBands(TAppState& all, const TModelCatalogue& list);

// The sequences that run on the image when the main window first shows, on New and after a read.
void PrepareFirstImage(TAppState& all, const TModelCatalogue& list);
void NewDataSet(TAppState& all, const TModelCatalogue& list);
// Radio blocks 0 to 296 (staging holds at least 297 * 16 bytes); the model must be in the catalogue.
void CompleteRead(TAppState& all, const TModelCatalogue& list, const std::vector<uint8_t>& staging,
                  const std::string& modelId, uint8_t bandByte);
