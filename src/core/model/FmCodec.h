// SPDX-License-Identifier: GPL-3.0-or-later
// FM broadcast memories 1 to 25 and the current FM frequency (channel 32).
// Every function takes the state it works on; none reaches for the global instances.
#pragma once

#include <string>

#include "core/model/AppState.h"

// The slot that holds the current FM frequency (the memories are slots 1 to 25).
inline constexpr int kFmCurrent = 32;

// ---- FM broadcast channels ----
double DecodeFmChannel(TAppState& all, int n);
std::string SetFmChannel(TAppState& all, int n, const std::string& text);
