// SPDX-License-Identifier: GPL-3.0-or-later
// The differences between two data sets as a user reads them: one line per change, channel by channel in the
// texts the channel table shows, then setting by setting in the texts of the settings windows. The write
// preview, the command line's diff and the read-back check all name changes this way.
#pragma once

#include <string>
#include <vector>

#include "core/model/AppState.h"

// "CH-005 RX Frequency: 145.50000 → 145.52500", "CH-012: new channel 438.50000", "CH-020: cleared",
// "Squelch level: 3 → 5", in channel order, then in the order of the settings table, then the write time and
// serial number of the radio information window. Empty when the two
// hold the same. Bytes that no channel or setting shows still count: they give one line naming their blocks.
std::vector<std::string> DiffDataSets(const TAppState& before, const TAppState& after);

// A channel as the diff names it: "CH-005" for memory channels, "VFO A" and "VFO B".
std::string ChannelLabel(int index);
// What an image block holds, in the same names: "CH-017", "VFO B", "FM channels", "settings", "block 292".
std::string BlockContents(int block);
// The names of the blocks' contents, each once, in block order, separated by ", ".
std::string BlocksContents(const std::vector<int>& blocks);
