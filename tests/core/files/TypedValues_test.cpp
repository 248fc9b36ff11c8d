// SPDX-License-Identifier: GPL-3.0-or-later
// Typed frequencies checked against the bands, TX following RX, and the notes on values stored otherwise than
// typed.
#include "core/files/TypedValues.h"

#include <gtest/gtest.h>

#include "../model/CoreState.h"
#include "core/model/Numbers.h"

namespace
{

class TypedValuesTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        // Two bands with a gap between them, as a dual-band radio has.
        state.All.Bands = {TBand{136.0, 174.0}, TBand{400.0, 480.0}, TBand{}, TBand{}};
    }
    TCoreState state;
    TMessageTexts texts;
};

TEST_F(TypedValuesTest, TypedFrequenciesOutsideTheBandsOrNotNumbersAreRefused)
{
    const struct {
        const char* Typed;
        TFreqVerdict Verdict;
    } cases[] = {
        {"145.5", TFreqVerdict::Accepted},     {" 145.5 ", TFreqVerdict::Accepted},
        {"145.5MHz", TFreqVerdict::Accepted},  {"136", TFreqVerdict::Accepted},
        {"480.00000", TFreqVerdict::Accepted}, {"135.99999", TFreqVerdict::OutOfBands},
        {"300", TFreqVerdict::OutOfBands},     {"480.00001", TFreqVerdict::OutOfBands},
        {"145.5.5", TFreqVerdict::NotANumber}, {"", TFreqVerdict::NotANumber},
        {"abc", TFreqVerdict::NotANumber},     {"0", TFreqVerdict::NotANumber},
        {"145,5", TFreqVerdict::NotANumber},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        EXPECT_EQ(CheckTypedFrequency(state.All, c.Typed).Verdict, c.Verdict);
    }
}

TEST_F(TypedValuesTest, RefusalsNameTheBands)
{
    EXPECT_EQ(EnabledBandsText(state.All), "136.00000-174.00000, 400.00000-480.00000");
    EXPECT_EQ(FrequencyRefusal(texts, state.All, "300", CheckTypedFrequency(state.All, "300")),
              "300.00000 MHz is outside the radio's bands (136.00000-174.00000, 400.00000-480.00000 MHz). "
              "Nothing was stored.");
    const std::string notNumber = FrequencyRefusal(texts, state.All, " 14a ", CheckTypedFrequency(state.All, "14a"));
    EXPECT_EQ(notNumber.find("\"14a\" is not a frequency"), 0u);
    EXPECT_NE(notNumber.find("136.00000-174.00000, 400.00000-480.00000"), std::string::npos);
}

TEST_F(TypedValuesTest, TxFollowsRxOrKeepsItsOffsetInsideTheBands)
{
    const struct {
        const char* Case;
        double OldRx, OldTx, NewRx, Tx;
        bool Stays;
    } cases[] = {
        {"simplex moves along", 145.5, 145.5, 146.0, 146.0, false},
        {"minus offset kept", 145.6, 145.0, 145.7, 145.1, false},
        {"plus offset kept", 438.0, 445.6, 439.0, 446.6, false},
        {"offset would leave the band", 145.0, 145.6, 173.9, 145.6, true},
        {"TX already outside the bands stays", 400.5, 395.5, 401.0, 395.5, true},
        {"no TX stays none", 145.5, -1.0, 146.0, -1.0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        const TTxFollow tx = FollowRxChange(texts, state.All, c.OldRx, c.OldTx, c.NewRx);
        EXPECT_EQ(FormatFreq(tx.Tx), FormatFreq(c.Tx));
        EXPECT_EQ(!tx.Note.empty(), c.Stays);
    }
    EXPECT_EQ(FollowRxChange(texts, state.All, 145.0, 145.6, 173.9).Note,
              "TX stays at 145.60000: keeping the offset would put it at 174.50000, outside the bands "
              "(136.00000-174.00000, 400.00000-480.00000 MHz)");
}

TEST_F(TypedValuesTest, ASnappedFrequencyNamesTheStep)
{
    EXPECT_EQ(FrequencyNote(texts, state.All, 145.5039), "145.50390 stored as 145.50375 (step 1.25 kHz)");
    EXPECT_EQ(FrequencyNote(texts, state.All, 145.5012), "145.50120 stored as 145.50100 (step 0.5 kHz)");
    EXPECT_EQ(FrequencyNote(texts, state.All, 145.5), "");
    EXPECT_EQ(FrequencyNote(texts, state.All, 145.50625), "");
}

TEST_F(TypedValuesTest, TonesStoredOtherwiseThanTypedSaySo)
{
    const struct {
        const char* Typed;
        const char* Stored;
        const char* Note;
    } cases[] = {
        {"88.5", "88.5", ""},
        {"88.50", "88.5", ""},
        {"d023i", "D023I", ""},
        {"", "", ""},
        {"D189N", "D177N", "D189N stored as D177N (DCS codes D000N to D777I, digits 0 to 7)"},
        {"300", "290.0", "300 stored as 290.0 (CTCSS tones 30.0 to 290.0 Hz)"},
        {"88.6", "88.6", "88.6 is not in the radio's tone list; stored as typed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        EXPECT_EQ(ToneNote(texts, c.Typed, c.Stored), c.Note);
    }
}

TEST_F(TypedValuesTest, ANameCutOrChangedSaysSo)
{
    EXPECT_EQ(NameNote(texts, "REPEATER", "REPEATE"),
              "Name \"REPEATER\" stored as \"REPEATE\" (7 characters, space to z)");
    EXPECT_EQ(NameNote(texts, "HOME  ", "HOME"), "");
    EXPECT_EQ(JoinNotes("a", ""), "a");
    EXPECT_EQ(JoinNotes("a", "b"), "a; b");
}

} // namespace
