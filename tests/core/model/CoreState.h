// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh program state for core tests: start-up values, the built-in model, and the New data set
// the program holds after its first show.
#pragma once

#include "core/files/StartUp.h"
#include "core/model/AppState.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Derivations.h"
#include "core/model/Encodings.h"
#include "core/model/FmCodec.h"
#include "core/model/ModelCatalogue.h"
#include "core/model/SettingsTable.h"

struct TCoreState {
    TAppState All;
    TModelCatalogue List;

    explicit TCoreState(const std::string& appDir = "/nonexistent/")
    {
        InitState(All, List, appDir);
        PrepareFirstImage(All, List);
        NewDataSet(All, List);
    }
    uint8_t& At(int offset) { return All.Image[static_cast<size_t>(offset)]; }
};
