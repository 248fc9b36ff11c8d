// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model/CoreState.h"
#include "core/model/Numbers.h"

namespace
{
uint16_t Stored(TCoreState& s, int n)
{
    return ReadLe16(&s.At(0x1050 + 2 * (n - 1)));
}
} // namespace

TEST(FmCodec, SetFmChannelLimitsAndRounds)
{
    TCoreState s; // limits 3520-4320, FmMaxLimit 107.0
    const std::tuple<const char*, int, const char*> cases[] = {
        {"88", 3520, "88.00000"},        {"87.99", 3520, "88.00000"},  {"120", 4280, "107.00000"},
        {"70", 3520, "88.00000"},        {"101.7", 4068, "101.70000"}, {"101.712", 4068, "101.70000"},
        {"101.7125", 4069, "101.72500"},
    };
    for (const auto& [text, stored, shown] : cases) {
        EXPECT_EQ(SetFmChannel(s.All, 3, text), shown) << text;
        EXPECT_EQ(Stored(s, 3), stored) << text;
        EXPECT_FALSE(GetMapBit(s.All, kFmEmptyMap, 3));
    }
}

TEST(FmCodec, EmptyText)
{
    TCoreState s;
    WriteLe16(&s.At(0x1050 + 62), 4000);
    EXPECT_EQ(SetFmChannel(s.All, 32, ""), "88.00000");
    EXPECT_EQ(Stored(s, 32), 4000);
    SetFmChannel(s.All, 3, "95");
    EXPECT_EQ(SetFmChannel(s.All, 3, ""), "");
    EXPECT_TRUE(GetMapBit(s.All, kFmEmptyMap, 3));
    EXPECT_EQ(DecodeFmChannel(s.All, 3), -1.0);
}

TEST(FmCodec, ABadNumberLeavesTheChannelEmpty)
{
    TCoreState s;
    EXPECT_THROW(SetFmChannel(s.All, 4, "abc"), ConversionError);
    EXPECT_TRUE(GetMapBit(s.All, kFmEmptyMap, 4));
}

TEST(FmCodec, DecodeRepairsValuesOutsideTheLimits)
{
    TCoreState s;
    SetMapBit(s.All, kFmEmptyMap, 1, false);
    WriteLe16(&s.At(0x1050), 0xFFFF);
    EXPECT_EQ(DecodeFmChannel(s.All, 1), 88.0);
    EXPECT_EQ(Stored(s, 1), 3520);
    EXPECT_EQ(DecodeFmChannel(s.All, 32), 88.0); // always present
}

TEST(FmCodec, DecodeKeepsAFrequencyAboveTheTypingCeiling)
{
    TCoreState s;
    SetMapBit(s.All, kFmEmptyMap, 2, false);
    WriteLe16(&s.At(0x1052), 4300); // 107.5 MHz: inside the band limits, above FmMaxLimit
    EXPECT_EQ(DecodeFmChannel(s.All, 2), 107.5);
    EXPECT_EQ(Stored(s, 2), 4300);
}
