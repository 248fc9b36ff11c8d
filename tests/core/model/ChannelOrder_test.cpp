// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model/ChannelOrder.h"
#include "core/model/CoreState.h"

namespace
{
// Channels 1 to 5 at 145.1 to 145.5 MHz, named E to A, with channel 2 scanned and channel 4 unused.
TCoreState FiveChannels()
{
    TCoreState s;
    const char* names[] = {"E", "D", "C", "B", "A"};
    const char* tones[] = {"D023N", "", "100.0", "", "67.0"};
    for (int channel = 1; channel <= 5; ++channel) {
        ResetChannel(s.All, channel, "145." + std::to_string(channel));
        std::string text = names[channel - 1];
        SetChannelField(s.All, channel, TChannelField::Name, text);
        text = tones[channel - 1];
        SetChannelField(s.All, channel, TChannelField::TxTone, text);
    }
    std::string scanned = "0";
    SetChannelField(s.All, 2, TChannelField::ScanAdd, scanned);
    std::string none;
    SetChannelField(s.All, 4, TChannelField::RxFrequency, none);
    return s;
}
} // namespace

TEST(ChannelOrder, OrdersOfTheRowCommands)
{
    EXPECT_EQ(InsertRowOrder(5, 2), (TChannelOrder{1, 0, 2, 3, 4}));
    EXPECT_EQ(InsertRowOrder(5, 5), (TChannelOrder{1, 2, 3, 4, 0}));
    EXPECT_EQ(DeleteRowOrder(5, 2), (TChannelOrder{1, 3, 4, 5, 0}));
    EXPECT_EQ(DeleteRowOrder(5, 5), (TChannelOrder{1, 2, 3, 4, 0}));
    EXPECT_EQ(MoveBlockOrder(5, 2, 3, -1), (TChannelOrder{2, 3, 1, 4, 5}));
    EXPECT_EQ(MoveBlockOrder(5, 2, 3, 1), (TChannelOrder{1, 4, 2, 3, 5}));
    EXPECT_EQ(MoveBlockOrder(5, 1, 2, -1), TChannelOrder{});
    EXPECT_EQ(MoveBlockOrder(5, 5, 5, 1), TChannelOrder{});
}

// Each channel arrives whole: record, in-use mark and scan mark; an emptied place is erased.
TEST(ChannelOrder, ReorderingMovesWholeChannels)
{
    TCoreState s = FiveChannels();
    std::vector<TChannelSlot> before;
    for (int channel = 1; channel <= 5; ++channel)
        before.push_back(TakeChannel(s.All, channel));
    ReorderChannels(s.All, {2, 0, 1, 5, 4});
    const int from[] = {2, 0, 1, 5, 4};
    for (int channel = 1; channel <= 5; ++channel) {
        const TChannelSlot slot = TakeChannel(s.All, channel);
        const int source = from[channel - 1];
        EXPECT_EQ(slot.Used, source > 0 && before[static_cast<size_t>(source - 1)].Used) << channel;
        if (slot.Used) {
            EXPECT_EQ(slot.Record, before[static_cast<size_t>(source - 1)].Record) << channel;
            EXPECT_EQ(slot.Scanned, before[static_cast<size_t>(source - 1)].Scanned) << channel;
        } else {
            std::array<uint8_t, 32> erased;
            erased.fill(0xFF);
            EXPECT_EQ(slot.Record, erased) << channel;
        }
    }
}

TEST(ChannelOrder, SortsTheChannelsInUseFirstByEachKey)
{
    TCoreState s = FiveChannels();
    const std::vector<int> places = {1, 2, 3, 4, 5};
    TChannelOrder all = SortOrder(s.All, places, TSortKey::Name);
    all.resize(5);
    EXPECT_EQ(all, (TChannelOrder{5, 3, 2, 1, 4}));
    all = SortOrder(s.All, places, TSortKey::Tone);
    all.resize(5);
    EXPECT_EQ(all, (TChannelOrder{2, 5, 3, 1, 4})) << "none, 67.0, 100.0, D023N, then the unused channel";
    all = SortOrder(s.All, {2, 4, 5}, TSortKey::RxFrequency);
    all.resize(5);
    EXPECT_EQ(all, (TChannelOrder{1, 2, 3, 5, 4})) << "only the given places change";
}
