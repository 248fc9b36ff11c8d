// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a fresh program state, and a file that holds the input for the readers that
// take a path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/model/AppState.h"
#include "core/model/ModelCatalogue.h"

// The state the program holds after its first show: start-up values, the built-in model, a new data set.
void FreshState(TAppState& all, TModelCatalogue& list);

// A folder of this process's own (created once, with a trailing "/"), for the files a target writes.
const std::string& FuzzFolder();

// Writes the input to name in FuzzFolder() and returns its path.
std::string WriteInput(const std::string& name, const uint8_t* data, size_t size);

// Ends the run as a finding when a property that must hold does not.
void Require(bool holds);
