// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model/CoreState.h"
#include "core/model/Numbers.h"

namespace
{
using F = TChannelField;

std::string Set(TCoreState& s, int index, TChannelField field, const std::string& text)
{
    std::string value = text;
    SetChannelField(s.All, index, field, value);
    return value;
}

uint8_t& Byte(TCoreState& s, int index, int k)
{
    return s.At(ChannelByte(index, k));
}
} // namespace

TEST(ChannelSlot, AddressesRecordsAfterBlockZero)
{
    EXPECT_EQ(ChannelByte(1, 0), 0x0010);
    EXPECT_EQ(ChannelByte(128, 0), 0x0FF0);
    EXPECT_EQ(ChannelByte(kVfoA, 0), 0x1010);
    EXPECT_EQ(ChannelByte(kVfoB, 0), 0x1030);
    const TSlot slot = ChannelSlot(2, 20);
    EXPECT_EQ(slot.Block, 4);
    EXPECT_EQ(slot.Offset, 4);
}

TEST(DecodeChannel, ErasedRadio)
{
    TCoreState s;
    std::fill(s.All.Image.begin(), s.All.Image.begin() + 297 * 16, 0xFF);
    TChannel ch;
    ch.Name = "untouched";
    EXPECT_FALSE(DecodeChannel(s.All, 1, ch));
    EXPECT_EQ(ch.Name, "untouched");
    ASSERT_TRUE(DecodeChannel(s.All, kVfoA, ch));
    EXPECT_EQ(ch.RxFreq, 400.0);
    EXPECT_EQ(ch.Offset, 0.0);
    EXPECT_EQ(ch.Duplex, 0);
    EXPECT_EQ(ch.TxFreq, 400.0);
    EXPECT_EQ(ch.RxTone, "");
    EXPECT_EQ(ch.TxTone, "");
    for (uint8_t value : {ch.Power, ch.Vox, ch.Wide, ch.Tail, ch.BusyLock, ch.Ani})
        EXPECT_EQ(value, 1);
    EXPECT_EQ(ch.VoiceMode, 0);
    EXPECT_EQ(ch.PttId, 0);
    EXPECT_EQ(ch.Name, "");
    EXPECT_EQ(ch.IdCode, "000");
    // Decoding wrote the normalised values back.
    EXPECT_EQ(ReadChannelFreq(s.All, kVfoA, TFreqWord::Rx), 400.0);
    EXPECT_EQ(ReadChannelFreq(s.All, kVfoA, TFreqWord::Offset), 0.0);
}

TEST(DecodeChannel, NoTransmitAndDuplexFromTheDifference)
{
    TCoreState s;
    ResetChannel(s.All, 3, "145.0");
    Set(s, 3, F::TxFrequency, "");
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(s.All, 3, ch));
    EXPECT_EQ(ch.TxFreq, -1.0);
    EXPECT_EQ(ch.Duplex, 0);
    EXPECT_EQ(ch.Offset, 0.0);
    Set(s, 3, F::TxFrequency, "144.4");
    ASSERT_TRUE(DecodeChannel(s.All, 3, ch));
    EXPECT_EQ(ch.Duplex, 2);
    EXPECT_EQ(FormatFreq(ch.Offset), "0.60000");
    Set(s, 3, F::TxFrequency, "145.6");
    ASSERT_TRUE(DecodeChannel(s.All, 3, ch));
    EXPECT_EQ(ch.Duplex, 1);
}

TEST(DecodeChannel, OutOfBandReceiveBecomesTheFirstLowEdge)
{
    TCoreState s;
    ResetChannel(s.All, 7, "145.0");
    WriteChannelFreq(s.All, 7, 20000000, TFreqWord::Rx); // 200 MHz: no enabled band
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(s.All, 7, ch));
    EXPECT_EQ(ch.RxFreq, 400.0);
    EXPECT_EQ(ReadChannelFreq(s.All, 7, TFreqWord::Rx), 400.0);
}

TEST(DecodeChannel, DamagedToneWordsDecodeAsNoTone)
{
    TCoreState s;
    ResetChannel(s.All, 2, "145.0");
    Byte(s, 2, 8) = 0xAB;
    Byte(s, 2, 9) = 0x0C;
    Byte(s, 2, 10) = 0x23;
    Byte(s, 2, 11) = 0xB8; // DCS with unused bits set
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(s.All, 2, ch));
    EXPECT_EQ(ch.RxTone, "");
    EXPECT_EQ(ch.TxTone, "D023N");
    EXPECT_EQ(Byte(s, 2, 9), 0xFF);
    EXPECT_EQ(Byte(s, 2, 11), 0x80);
}

TEST(ResetChannel, DefaultsOfANewChannel)
{
    TCoreState s;
    for (int k = 0; k < 32; ++k)
        Byte(s, 4, k) = 0;
    ResetChannel(s.All, 4, "145.5");
    EXPECT_TRUE(IsChannelUsed(s.All, 4));
    EXPECT_EQ(Byte(s, 4, 12), 0xDF); // wide, VOX off, busy lock off, tail, high power, voice mode none
    EXPECT_EQ(Byte(s, 4, 13), 0xB0); // ANI off, PTT ID off
    EXPECT_EQ(Byte(s, 4, 9), 0xFF);
    EXPECT_EQ(Byte(s, 4, 15), 0x00);
    EXPECT_EQ(Byte(s, 4, 16), 0x0F);
    EXPECT_EQ(Byte(s, 4, 17), 0xFF);
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(s.All, 4, ch));
    EXPECT_EQ(ch.RxFreq, 145.5);
    EXPECT_EQ(ch.TxFreq, 145.5);
    EXPECT_EQ(ch.Power, 1);
    EXPECT_EQ(ch.Wide, 1);
    EXPECT_EQ(ch.ScanSkip, 1);
    EXPECT_EQ(ch.BusyLock, 1);
    EXPECT_EQ(ch.Vox, 1);
    EXPECT_EQ(ch.VoiceMode, 0);
    EXPECT_EQ(ch.Tail, 1);
    EXPECT_EQ(ch.PttId, 0);
    EXPECT_EQ(ch.Ani, 1);
    EXPECT_EQ(ch.Name, "");
    EXPECT_EQ(ch.IdCode, "000");
}

TEST(SetChannelField, ListFieldsRoundTrip)
{
    TCoreState s;
    ResetChannel(s.All, 9, "440.0");
    const std::tuple<TChannelField, int, uint8_t TChannel::*> fields[] = {
        {F::Power, 0, &TChannel::Power},         {F::Bandwidth, 0, &TChannel::Wide},
        {F::BusyLock, 0, &TChannel::BusyLock},   {F::Vox, 0, &TChannel::Vox},
        {F::VoiceMode, 2, &TChannel::VoiceMode}, {F::Tail, 0, &TChannel::Tail},
        {F::PttId, 3, &TChannel::PttId},         {F::Ani, 0, &TChannel::Ani},
        {F::ScanAdd, 0, &TChannel::ScanSkip},
    };
    for (const auto& [field, value, member] : fields) {
        Set(s, 9, field, std::to_string(value));
        TChannel ch;
        ASSERT_TRUE(DecodeChannel(s.All, 9, ch));
        EXPECT_EQ(ch.*member, value) << "field " << FieldNumber(field);
    }
    EXPECT_EQ(Byte(s, 9, 12) & 0x03, 2 ^ 3);
}

TEST(SetChannelField, ScanAddOnlyForExactZero)
{
    TCoreState s;
    ResetChannel(s.All, 1, "145.0");
    Set(s, 1, F::ScanAdd, "0");
    EXPECT_FALSE(GetMapBit(s.All, kScanSkipMap, 1));
    Set(s, 1, F::ScanAdd, "00");
    EXPECT_TRUE(GetMapBit(s.All, kScanSkipMap, 1));
}

TEST(SetChannelField, NameAndIdCode)
{
    TCoreState s;
    ResetChannel(s.All, 6, "145.0");
    EXPECT_EQ(Set(s, 6, F::Name, "ABCDEFGHIJ"), "ABCDEFG");
    EXPECT_EQ(Set(s, 6, F::Name, "AB  "), "AB");
    EXPECT_EQ(Byte(s, 6, 18), 33);
    EXPECT_EQ(Byte(s, 6, 20), 0);
    // Not a radio character: stored as "@", and the text handed back says so rather than showing what was typed.
    EXPECT_EQ(Set(s, 6, F::Name, "\xC3\xA9t\xC3\xA9"), "@t@");
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(s.All, 6, ch));
    EXPECT_EQ(ch.Name, "@t@");

    EXPECT_EQ(Set(s, 6, F::IdCode, "12"), "120");
    EXPECT_EQ(Byte(s, 6, 15), 0x12);
    EXPECT_EQ(Byte(s, 6, 16), 0x0F);
    EXPECT_EQ(Byte(s, 6, 17), 0xFF);
    ASSERT_TRUE(DecodeChannel(s.All, 6, ch));
    EXPECT_EQ(ch.IdCode, "120");
    EXPECT_EQ(Set(s, 6, F::IdCode, ""), "000");
    EXPECT_EQ(Set(s, 6, F::IdCode, "7"), "700");
    Set(s, 6, F::IdCode, "123456");
    ASSERT_TRUE(DecodeChannel(s.All, 6, ch));
    EXPECT_EQ(ch.IdCode, "123456");
}

TEST(SetChannelField, ClearingTheReceiveFrequencyEmptiesTheChannel)
{
    TCoreState s;
    ResetChannel(s.All, 5, "145.0");
    Set(s, 5, F::ScanAdd, "0");
    EXPECT_EQ(Set(s, 5, F::RxFrequency, ""), "");
    EXPECT_TRUE(GetBit(s.At(0x1190), 4));
    EXPECT_TRUE(GetBit(s.At(0x11A0), 4));
    for (int offset = 0x0090; offset <= 0x00AF; ++offset)
        EXPECT_EQ(s.At(offset), 0xFF);
    TChannel ch;
    EXPECT_FALSE(DecodeChannel(s.All, 5, ch));
}

TEST(SetChannelField, FrequenciesAreRoundedToTheGrid)
{
    TCoreState s;
    EXPECT_EQ(Set(s, 8, F::RxFrequency, "145.0049"), "145.00500");
    EXPECT_TRUE(IsChannelUsed(s.All, 8));
    EXPECT_EQ(Set(s, 8, F::TxFrequency, "145.0001MHz"), "145.00000");
    EXPECT_EQ(Set(s, 8, F::TxFrequency, ""), "");
    EXPECT_EQ(Byte(s, 8, 7), 0xFF);
}

TEST(SetChannelField, BadNumbersWriteNothing)
{
    TCoreState s;
    ResetChannel(s.All, 10, "145.0");
    const auto before = s.All.Image;
    for (TChannelField field : {F::RxFrequency, F::TxFrequency, F::Power, F::VoiceMode, F::PttId}) {
        std::string text = "x1";
        EXPECT_THROW(SetChannelField(s.All, 10, field, text), ConversionError) << FieldNumber(field);
    }
    EXPECT_EQ(s.All.Image, before);
}

TEST(SetChannelField, VfoFrequencyAndOffset)
{
    TCoreState s;
    SetSetting(s.All, TSetting::VfoStep, 0); // 500 Hz class
    EXPECT_EQ(Set(s, kVfoA, F::Offset, "0.6"), "0.60000");
    EXPECT_EQ(Set(s, kVfoA, F::RxFrequency, "145.0007"), "145.00050");
    EXPECT_EQ(Set(s, kVfoA, F::RxFrequency, ""), "136.00000"); // no frequency: the lowest enabled low edge
    EXPECT_EQ(Set(s, kVfoA, F::Offset, "150"), "0.00000");
    EXPECT_EQ(Set(s, kVfoA, F::Offset, "-2"), "0.00000");
    Set(s, kVfoA, F::Duplex, "1");
    Set(s, kVfoA, F::Offset, "5");
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(s.All, kVfoA, ch));
    EXPECT_EQ(ch.Duplex, 1);
    EXPECT_EQ(ch.TxFreq, 141.0);
    EXPECT_EQ(ch.Offset, 5.0);
    // The offset lives in bytes 4-6; byte 7 keeps the duplex direction.
    EXPECT_EQ(Byte(s, kVfoA, 7) & 0x03, 1);
}
