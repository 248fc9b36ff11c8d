// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model/CoreState.h"
#include "core/model/Numbers.h"

TEST(Fields, GetFieldShiftsAndChecksItsRange)
{
    EXPECT_EQ(GetField(0xF6, 0x18, 2, 9), 2);
    EXPECT_EQ(GetField(0xFE, 0x18, 2, 9), 9); // 3 is above max
    EXPECT_EQ(GetField(0x30, 0xF0, 3, 1), 3);
}

TEST(Fields, SetFieldChangesOnlyTheBitsOfItsMask)
{
    uint8_t value = 0xFF;
    SetField(value, 0x18, 2);
    EXPECT_EQ(value, 0xF7);
    // A value too large for the field does not reach the neighbouring bits.
    uint8_t options = 0x00;
    SetField(options, 0x04, 5);
    EXPECT_EQ(options, 0x04);
}

TEST(Fields, MapBitsAddressEntriesFromOne)
{
    TCoreState s;
    std::fill(s.All.Image.begin() + kChannelEmptyMap, s.All.Image.begin() + kChannelEmptyMap + 16, 0);
    SetMapBit(s.All, kChannelEmptyMap, 5, true);
    SetMapBit(s.All, kChannelEmptyMap, 9, true);
    EXPECT_EQ(s.At(kChannelEmptyMap), 0x10);
    EXPECT_EQ(s.At(kChannelEmptyMap + 1), 0x01);
    EXPECT_TRUE(GetMapBit(s.All, kChannelEmptyMap, 9));
    EXPECT_FALSE(GetMapBit(s.All, kChannelEmptyMap, 10));
}

TEST(Frequencies, ReadLe32IgnoresBit31)
{
    EXPECT_EQ(ReadLe32(0x40, 0x42, 0x0F, 0x80), 1000000u);
    uint8_t bytes[4];
    WriteLe32(bytes, 14500625);
    EXPECT_EQ(ReadLe32(bytes[0], bytes[1], bytes[2], bytes[3]), 14500625u);
}

struct TRoundCase {
    double Frequency;
    int Code;
    double Expected;
    int ExpectedCode;
};

TEST(Frequencies, RoundToStepFollowsTheGridOfItsCode)
{
    TCoreState s;
    const TRoundCase cases[] = {
        {145.00625, 2, 145.00625, 1}, // a 1.25 kHz multiple stays
        {145.0049, 2, 145.005, 0},    // r50 = 40 < r125 = 115: 500 Hz grid
        {145.0001, 2, 145.0, 1},      // equal remainders: 1.25 kHz grid
        {145.0005, 2, 145.0005, 0},   // a 500 Hz multiple stays
        {400.00125, 4, 400.0025, 4},  // exactly half a step rounds up
        {145.00024, 0, 145.0, 0},     {145.00025, 0, 145.0005, 0}, {145.0006, 1, 145.0, 1}, {145.0007, 1, 145.00125, 1},
        {145.0049, 5, 145.005, 5},    {145.0049, 7, 145.0049, 7}, // unknown code: unchanged
    };
    for (const TRoundCase& c : cases) {
        double f = c.Frequency;
        int code = c.Code;
        const int64_t n = RoundToStep(s.All, f, code);
        EXPECT_EQ(FormatFreq(f), FormatFreq(c.Expected)) << c.Frequency << " code " << c.Code;
        EXPECT_EQ(code, c.ExpectedCode) << c.Frequency << " code " << c.Code;
        EXPECT_EQ(n, c.Code == 7 ? 0 : FreqToUnits(c.Expected));
    }
}

TEST(Frequencies, CodeThreeUsesTheStepSetting)
{
    TCoreState s;
    SetSetting(s.All, TSetting::VfoStep, 2); // 2 -> class 1 (1.25 kHz)
    double f = 145.0007;
    int code = 3;
    RoundToStep(s.All, f, code);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(FormatFreq(f), "145.00125");
    const std::pair<int, int> classes[] = {{0, 0}, {1, 0}, {3, 0}, {4, 2}, {8, 2}, {15, 2}};
    for (const auto& [step, stepClass] : classes) {
        SetSetting(s.All, TSetting::VfoStep, step);
        EXPECT_EQ(SettingStepClass(s.All), stepClass) << step;
    }
}

TEST(Frequencies, FreqStepClass)
{
    EXPECT_EQ(FreqStepClass(145.0), 2);     // both
    EXPECT_EQ(FreqStepClass(145.00625), 1); // 1.25 kHz only
    EXPECT_EQ(FreqStepClass(145.0005), 0);  // 500 Hz only
    EXPECT_EQ(FreqStepClass(145.00001), 2); // neither
}

TEST(Frequencies, ParseFreqTextCutsAtMhz)
{
    EXPECT_DOUBLE_EQ(ParseFreqText("145.5MHz and more"), 145.5);
    EXPECT_DOUBLE_EQ(ParseFreqText(""), -1.0);
    EXPECT_THROW(ParseFreqText("abc"), ConversionError);
}

TEST(Frequencies, CheckFreqRangeReplacesWithTheFirstLowEdge)
{
    TCoreState s; // bands 400-480 and 136-174
    double f = 0;
    EXPECT_FALSE(CheckFreqRange(s.All, "145.5", f));
    EXPECT_DOUBLE_EQ(f, 145.5);
    EXPECT_FALSE(CheckFreqRange(s.All, "480", f)); // both ends inclusive
    for (const char* text : {"1", "0", "-5", "abc", "200"}) {
        EXPECT_TRUE(CheckFreqRange(s.All, text, f)) << text;
        EXPECT_DOUBLE_EQ(f, 400.0) << text;
    }
    f = 150.0;
    EXPECT_FALSE(CheckFreqRange(s.All, "", f));
    s.All.Bands = {};
    f = 150.0;
    EXPECT_TRUE(CheckFreqRange(s.All, "", f)); // every band off: out of range, left unchanged
    EXPECT_DOUBLE_EQ(f, 150.0);
}

TEST(Frequencies, NearestBandEdge)
{
    TCoreState s;
    EXPECT_DOUBLE_EQ(NearestBandEdge(s.All, false, 150.0), 136.0);
    EXPECT_DOUBLE_EQ(NearestBandEdge(s.All, true, 450.0), 480.0);
    EXPECT_DOUBLE_EQ(NearestBandEdge(s.All, false, -1.0), 136.0);
}

TEST(Tones, ToneTextDecodesEveryKindOfWord)
{
    const std::tuple<uint8_t, uint8_t, const char*> cases[] = {
        {0x54, 0xC7, "D754I"}, {0x23, 0x80, "D023N"}, {0x00, 0x10, "100.0"}, {0x85, 0x08, "88.5"}, {0x00, 0xFF, ""},
        {0x12, 0xFF, ""},      {0x8A, 0x08, ""},      {0x00, 0x1F, ""},      {0xFF, 0x7F, ""}, // not decimal nibbles:
                                                                                               // no tone
    };
    for (const auto& [b0, b1, text] : cases)
        EXPECT_EQ(ToneText(b0, b1), text) << int(b0) << " " << int(b1);
}

TEST(Tones, EveryListItemRoundTripsThroughItsBytes)
{
    const auto& list = ToneList();
    ASSERT_EQ(list.size(), 263u);
    EXPECT_EQ(list[0], "None");
    EXPECT_EQ(list[1], "67.0");
    EXPECT_EQ(list[50], "254.1");
    EXPECT_EQ(list[51], "D023N");
    EXPECT_EQ(list[157], "D023I");
    EXPECT_EQ(list[262], "D754I");
    for (size_t i = 1; i < list.size(); ++i) {
        const auto [b0, b1] = ToneBytes(list[i]);
        EXPECT_EQ(ToneText(b0, b1), list[i]);
    }
    EXPECT_EQ(ToneBytes(""), std::make_pair(uint8_t(0xFF), uint8_t(0xFF)));
    EXPECT_EQ(ToneBytes("D023I"), std::make_pair(uint8_t(0x23), uint8_t(0xC0)));
    EXPECT_THROW(ToneBytes("abc"), ConversionError);
    EXPECT_THROW(ToneBytes("D1"), ConversionError);
}

TEST(Tones, NormalizeToneText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},         {"25", "30.0"},     {"300", "290.0"},   {"X", "67.0"},         {"D9", "D700N"},
        {"D1", "D100N"},  {"d023i", "D023I"}, {"D1294", "D127N"}, {"88.54", "88.5"},     {"88.55", "88.6"},
        {"9abc", "67.0"}, {"D023", "D023N"},  {"D", "D000N"},     {"D023Nxyz", "D023N"}, {"d8x9q", "D777N"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(NormalizeToneText(text), expected) << text;
}

TEST(Characters, DtmfAndNameCodes)
{
    const std::string dtmf = "0123456789ABCD#*";
    for (int code = 0; code < 16; ++code) {
        EXPECT_EQ(DtmfChar(code), dtmf[static_cast<size_t>(code)]);
        EXPECT_EQ(DtmfCode(dtmf[static_cast<size_t>(code)]), code);
    }
    EXPECT_EQ(DtmfCode('a'), 0);
    EXPECT_EQ(DtmfChar(16), ' ');
    EXPECT_EQ(NameCode(' '), 0);
    EXPECT_EQ(NameCode('z'), 90);
    EXPECT_EQ(NameCode('~'), 32);
    EXPECT_EQ(NameChar(NameCode('~')), '@');
    EXPECT_EQ(NameChar(123), ' ');
}

TEST(Characters, NameTextStaysValidUtf8)
{
    const uint8_t codes[] = {33, 34, 0, 94, 100, 0, 0}; // "AB", space, "~", character 132, two spaces
    EXPECT_EQ(NameText(codes, 7), "AB ~\xC2\x84");
}

TEST(Time, StampTimeWritesBinaryFields)
{
    uint8_t t[7] = {};
    StampTime(t, "2024-03-05 14:07:09");
    const uint8_t expected[7] = {0xE8, 0x07, 3, 5, 14, 7, 9};
    EXPECT_TRUE(std::equal(t, t + 7, expected));
    EXPECT_THROW(StampTime(t, "2024-03"), ConversionError);
    const std::string now = NowText();
    ASSERT_EQ(now.size(), 19u);
    EXPECT_EQ(now[4], '-');
    EXPECT_EQ(now[13], ':');
}
