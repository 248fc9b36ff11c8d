// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model/CoreState.h"
#include "core/model/Numbers.h"

namespace
{
void SetBandBlock(TCoreState& s, int band, double low, double high)
{
    WriteLe32(&s.At(kBandBlock + 8 * band), static_cast<uint32_t>(FreqToUnits(low)));
    WriteLe32(&s.At(kBandBlock + 8 * band + 4), static_cast<uint32_t>(FreqToUnits(high)));
}
} // namespace

TEST(FirstShow, ImageHoldsTheNewDataSet)
{
    TCoreState s;
    EXPECT_EQ(s.All.ModelId, "LP47");
    EXPECT_EQ(s.All.ModelName, "QB-H52");
    EXPECT_EQ(s.All.ChannelCount, 128);
    EXPECT_FALSE(s.All.Modified);
    const uint8_t ident[8] = {'P', 'L', 'P', '4', '7', 0xFF, 0x05, 0x00};
    EXPECT_TRUE(std::equal(ident, ident + 8, &s.At(kModelIdent)));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(s.At(kChannelEmptyMap + i), 0xFF);
        EXPECT_EQ(s.At(kScanSkipMap + i), 0xFF);
    }
    const uint8_t fmLimits[4] = {0xC0, 0x0D, 0xE0, 0x10};
    EXPECT_TRUE(std::equal(fmLimits, fmLimits + 4, &s.At(kFmLowLimit)));
    const std::pair<int, uint8_t> settings[] = {{5, 0xF6},  {6, 0xF8},  {13, 0xF5}, {33, 0x1A},
                                                {40, 0x00}, {46, 0xFF}, {47, 0xFF}};
    for (const auto& [item, value] : settings)
        EXPECT_EQ(s.At(kSettingsBase + item), value) << "item " << item;
    EXPECT_EQ(ReadLe32(s.At(0x1200), s.At(0x1201), s.At(0x1202), s.At(0x1203)), 40000000u);
    EXPECT_EQ(ReadLe32(s.At(0x1204), s.At(0x1205), s.At(0x1206), s.At(0x1207)), 48000000u);
    EXPECT_EQ(ReadLe32(s.At(0x1208), s.At(0x1209), s.At(0x120A), s.At(0x120B)), 13600000u);
    EXPECT_EQ(ReadLe32(s.At(0x120C), s.At(0x120D), s.At(0x120E), s.At(0x120F)), 17400000u);
    for (int i = 0x1210; i < 0x1220; ++i)
        EXPECT_EQ(s.At(i), 0);
    EXPECT_EQ(s.All.BandMask, 0x05);
    EXPECT_EQ(s.All.BandText, "400.00000 - 480.00000/136.00000 - 174.00000MHz");
    EXPECT_EQ(s.At(0), 0xFF);
    EXPECT_EQ(s.At(0x128F), 0xFF);
    EXPECT_NE(ReadLe16(&s.At(kWriteTime)), 0xFFFF); // stamped
}

TEST(NewImage, LeavesBlocksAfter296)
{
    TCoreState s;
    s.At(0x1290) = 0x12;
    s.At(0x16C1) = 0x34;
    NewImage(s.All);
    EXPECT_EQ(s.At(0x1290), 0x12);
    EXPECT_EQ(s.At(0x16C1), 0x34);
}

TEST(ValidateSettings, FmLimits)
{
    const std::tuple<int, int, bool> cases[] = {
        {2800, 2800, false}, {2800, 2801, true},  {2799, 3000, false},
        {3000, 4561, false}, {4000, 3000, false}, {2800, 4560, true},
    };
    for (const auto& [lo, hi, kept] : cases) {
        TCoreState s;
        WriteLe16(&s.At(kFmLowLimit), static_cast<uint16_t>(lo));
        WriteLe16(&s.At(kFmHighLimit), static_cast<uint16_t>(hi));
        ValidateSettings(s.All);
        EXPECT_EQ(ReadLe16(&s.At(kFmLowLimit)), kept ? lo : 3520) << lo << " " << hi;
        EXPECT_EQ(ReadLe16(&s.At(kFmHighLimit)), kept ? hi : 4320) << lo << " " << hi;
    }
}

TEST(ValidateSettings, ComparesUnsignedFieldValues)
{
    TCoreState s;
    s.At(kSettingsBase + 12) = 0x81; // 129 is the highest valid priority channel
    s.At(kSettingsBase + 11) = 0xFF;
    ValidateSettings(s.All);
    EXPECT_EQ(s.At(kSettingsBase + 12), 0x81);
    EXPECT_EQ(s.At(kSettingsBase + 11), 12);
}

TEST(DeriveBands, TakesImageLimitsOnlyInsideTheModelLimits)
{
    TCoreState s;
    s.At(kModelIdent + 6) = 0x45;
    SetBandBlock(s, 0, 390.0, 480.0);
    SetBandBlock(s, 1, 136.0, 174.0);
    DeriveBands(s.All, s.List);
    EXPECT_EQ(s.All.BandMask, 0x07);
    EXPECT_EQ(s.All.Bands[0].Low, 400.0);
    EXPECT_EQ(s.All.Bands[0].High, 520.0);
    EXPECT_EQ(s.All.Bands[1].Low, 136.0);
    EXPECT_EQ(s.All.Bands[3].Low, 0.0);
    EXPECT_EQ(s.All.BandText, "400.00000 - 520.00000/136.00000 - 174.00000MHz");
}

TEST(DeriveBands, RoundsImageLimitsToTwoAndAHalfKilohertz)
{
    TCoreState s;
    SetBandBlock(s, 1, 136.00125, 173.9988);
    DeriveBands(s.All, s.List);
    EXPECT_EQ(FormatFreq(s.All.Bands[1].Low), "136.00250");
    EXPECT_EQ(FormatFreq(s.All.Bands[1].High), "174.00000");
}

TEST(DeriveBands, ReversedImageLimitsFallBackToTheModel)
{
    TCoreState s;
    SetBandBlock(s, 1, 170.0, 140.0);
    DeriveBands(s.All, s.List);
    EXPECT_EQ(s.All.Bands[1].Low, 134.0);
    EXPECT_EQ(s.All.BandMask, 0x0D);
}

TEST(DeriveBands, NoSupportedBandInTheImageMaskMeansAllSupported)
{
    TCoreState s;
    s.At(kModelIdent + 6) = 0x80;
    DeriveBands(s.All, s.List);
    EXPECT_EQ(s.All.BandMask, 0x3F);
    EXPECT_EQ(s.All.BandText, "400.00000 - 520.00000/134.00000 - 176.00000/200.00000 - 260.00000MHz");
    s.All.Bands = {};
    s.All.SupportedBands = 0;
    s.At(kModelIdent + 6) = 0;
    DeriveBands(s.All, s.List);
    EXPECT_EQ(s.All.BandText, "MHz");
}

TEST(CompleteRead, RadioImageBecomesCurrent)
{
    TCoreState s;
    std::vector<uint8_t> staging(297 * 16, 0xFF);
    staging[0] = 0x11;
    staging[kModelIdent + 5] = 0xAA;
    staging[kModelIdent + 6] = 0x05;
    const std::pair<int, double> edges[] = {{0, 410.0}, {1, 470.0}, {2, 140.0}, {3, 170.0}};
    for (const auto& [k, f] : edges)
        WriteLe32(&staging[static_cast<size_t>(kBandBlock + 4 * k)], static_cast<uint32_t>(FreqToUnits(f)));
    s.At(0x1290) = 0x42;
    CompleteRead(s.All, s.List, staging, "LP47", 0xFF);
    EXPECT_EQ(s.At(0), 0x11);
    EXPECT_EQ(s.At(0x1290), 0x42); // block 297 is not read
    EXPECT_EQ(s.All.ManualFreq, 0xAA);
    EXPECT_TRUE(s.All.Modified);
    EXPECT_EQ(s.All.BandMask, 0x05);
    EXPECT_EQ(s.All.Bands[0].Low, 410.0);
    EXPECT_EQ(s.All.Bands[1].High, 170.0);
    EXPECT_EQ(s.At(kModelIdent + 6), 0x05);
    EXPECT_EQ(s.At(kModelIdent + 5), 0xAA);
    EXPECT_EQ(s.At(kFmLowLimit), 0xC0); // validated
}

TEST(CompleteRead, BandByteOfTheReplyReplacesTheImageMask)
{
    TCoreState s;
    std::vector<uint8_t> staging(297 * 16, 0xFF);
    staging[kModelIdent + 6] = 0x3F;
    CompleteRead(s.All, s.List, staging, "LP47", 0x13); // 0x13 AND 0x55 = 0x11: bands 0 and 2 from the image
    // The image's band block is all 0xFF, out of the model's limits: both bands take the model's limits.
    EXPECT_EQ(s.All.BandMask, 0x11);
    EXPECT_EQ(s.All.Bands[2].Low, 200.0);
    EXPECT_EQ(s.All.Bands[1].Low, 0.0);
}

// After a read the band block must hold the limits the program took, not the radio's raw words: a write sends
// the block back. StoreBandLimits is called from inside Derivations.cpp here, so this also catches a compiler
// that wrongly takes it for a function without effects and deletes the call.
TEST(CompleteRead, BandBlockHoldsTheLimitsInUse)
{
    TCoreState s;
    std::vector<uint8_t> staging(297 * 16, 0xFF);
    staging[kModelIdent + 6] = 0x15; // bands 0, 1 and 2 from the image
    const std::pair<int, double> edges[] = {{0, 410.00125}, {1, 470.0}, {2, 170.0}, {3, 140.0}};
    for (const auto& [k, f] : edges)
        WriteLe32(&staging[static_cast<size_t>(kBandBlock + 4 * k)], static_cast<uint32_t>(FreqToUnits(f)));
    CompleteRead(s.All, s.List, staging, "LP47", 0xFF);
    const struct {
        const char* What;
        uint32_t Word;
    } expected[] = {{"band 0 low, rounded up to 2.5 kHz", 41000250u},
                    {"band 0 high", 47000000u},
                    {"band 1 low, reversed: model limit", 13400000u},
                    {"band 1 high, model limit", 17600000u},
                    {"band 2 low, erased: model limit", 20000000u},
                    {"band 2 high, model limit", 26000000u},
                    {"band 3 low, unused", 0u},
                    {"band 3 high, unused", 0u}};
    for (int k = 0; k < 8; ++k) {
        const int at = kBandBlock + 4 * k;
        EXPECT_EQ(ReadLe32(s.At(at), s.At(at + 1), s.At(at + 2), s.At(at + 3)), expected[k].Word) << expected[k].What;
    }
}
