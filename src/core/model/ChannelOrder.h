// SPDX-License-Identifier: GPL-3.0-or-later
// Memory channels moved as whole channels: a channel's record together with its in-use and scan marks. Insert
// Row, Delete Row, Move Up/Down and Sort in the channel table, and the CSV import, rearrange the image with
// these, so that a moved channel is byte for byte the channel it was.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/model/AppState.h"

struct TChannelSlot {
    std::array<uint8_t, 32> Record{};
    bool Used = false;
    bool Scanned = false;
};

TChannelSlot TakeChannel(const TAppState& all, int channel);
// An unused slot erases the channel as deleting its RX frequency in the table does.
void PutChannel(TAppState& all, int channel, const TChannelSlot& slot);

// A rearrangement of channels 1 to n: entry i - 1 names the channel whose contents channel i receives, 0 for
// an erased channel.
using TChannelOrder = std::vector<int>;
void ReorderChannels(TAppState& all, const TChannelOrder& order);

// The channels from at move down by one; the last one drops out.
TChannelOrder InsertRowOrder(int count, int at);
// Channel at is dropped; the ones after it move up by one and the last becomes empty.
TChannelOrder DeleteRowOrder(int count, int at);
// The block first to last moves by step (-1 up, +1 down), the channel it passes taking its other side. Empty
// when the block would leave 1 to count.
TChannelOrder MoveBlockOrder(int count, int first, int last, int step);

enum class TSortKey { RxFrequency, Name, Tone };
// The channels at the given places (ascending) sorted by key among those places, channels in use first; the
// order of equal channels stays.
TChannelOrder SortOrder(TAppState& all, const std::vector<int>& places, TSortKey key);
