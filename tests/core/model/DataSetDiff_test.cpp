// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "core/model/CoreState.h"
#include "core/model/DataSetDiff.h"

namespace
{
void Type(TAppState& all, int channel, TChannelField field, std::string text)
{
    SetChannelField(all, channel, field, text);
}

// Channels 5 and 20 in use, squelch level 3: the data set every case changes.
TCoreState Before()
{
    TCoreState s;
    ResetChannel(s.All, 5, "145.5");
    ResetChannel(s.All, 20, "433.0");
    SetSetting(s.All, TSetting::SquelchLevel, 3);
    // A new data set holds the time it was made: two made a second apart must not differ.
    StampTime(s.All.Image.data() + kWriteTime, "2026-01-01 08:00:00");
    return s;
}

TEST(DataSetDiff, EachChangeIsOneLineInTheTextsTheWindowsShow)
{
    struct TCase {
        const char* Name;
        std::function<void(TAppState&)> Change;
        std::vector<std::string> Lines;
    };
    const std::vector<TCase> cases{
        {"nothing changed", [](TAppState&) {}, {}},
        {"RX frequency",
         [](TAppState& a) { Type(a, 5, TChannelField::RxFrequency, "145.525"); },
         {"CH-005 RX Frequency: 145.50000 \u2192 145.52500"}},
        {"new channel", [](TAppState& a) { ResetChannel(a, 12, "438.5"); }, {"CH-012: new channel 438.50000"}},
        {"cleared channel", [](TAppState& a) { SetChannelUsed(a, kChannelEmptyMap, 20, false); }, {"CH-020: cleared"}},
        {"squelch level",
         [](TAppState& a) { SetSetting(a, TSetting::SquelchLevel, 5); },
         {"Squelch level: 3 \u2192 5"}},
        {"a name typed into an empty one",
         [](TAppState& a) { Type(a, 5, TChannelField::Name, "HOME"); },
         {"CH-005 NAME: (blank) \u2192 HOME"}},
        {"a list field and a setting, in channel then table order",
         [](TAppState& a) {
             SetSetting(a, TSetting::SquelchLevel, 9);
             Type(a, 20, TChannelField::Bandwidth, "0");
         },
         {"CH-020 W/N: Wide \u2192 Narrow", "Squelch level: 3 \u2192 9"}},
        {"a VFO channel",
         [](TAppState& a) { Type(a, kVfoB, TChannelField::RxFrequency, "440.0"); },
         {"VFO B RX Frequency: 400.00000 \u2192 440.00000"}},
        {"a byte no window shows", [](TAppState& a) { a.Image[0x1100] ^= 0xFF; }, {"Other data differs: block 272"}},
        {"the write time of the radio information",
         [](TAppState& a) { StampTime(a.Image.data() + kWriteTime, "2026-12-10 14:15:30"); },
         {"Write Time: 2026-01-01 08:00:00 \u2192 2026-12-10 14:15:30"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TCoreState before = Before();
        TCoreState after = Before();
        c.Change(after.All);
        EXPECT_EQ(DiffDataSets(before.All, after.All), c.Lines);
    }
}

TEST(DataSetDiff, EverySettingOfTheTableIsCompared)
{
    const TCoreState before = Before();
    for (const TSettingRow& row : SettingsTable()) {
        SCOPED_TRACE(static_cast<int>(row.Id));
        TCoreState after = Before();
        // Every bit of a one-byte value; another valid code in the first byte of a longer one.
        uint8_t& first = SettingBytes(after.All, row.Id)[0];
        first = row.Length == 1 ? first ^ row.Mask : (first == 0x12 ? 0x21 : 0x12);
        const std::vector<std::string> lines = DiffDataSets(before.All, after.All);
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines.front().rfind("Other data", 0), 0u) << lines.front();
    }
}

TEST(DataSetDiff, BlocksAreNamedByWhatTheyHold)
{
    EXPECT_EQ(BlockContents(1), "CH-001");
    EXPECT_EQ(BlockContents(34), "CH-017");
    EXPECT_EQ(BlockContents(35), "CH-018");
    EXPECT_EQ(BlockContents(256), "CH-128");
    EXPECT_EQ(BlockContents(257), "VFO A");
    EXPECT_EQ(BlockContents(260), "VFO B");
    EXPECT_EQ(BlockContents(261), "FM channels");
    EXPECT_EQ(BlockContents(281), "channel list");
    EXPECT_EQ(BlockContents(285), "settings");
    EXPECT_EQ(BlockContents(0), "block 0");
    EXPECT_EQ(BlocksContents({33, 34, 35, 36, 281}), "CH-017, CH-018, channel list");
}
} // namespace
