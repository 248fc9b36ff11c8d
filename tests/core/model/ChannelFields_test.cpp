// SPDX-License-Identifier: GPL-3.0-or-later
// The channel field table against the codec: the rows line up with the field numbers the language files use,
// the list fields fit their bits, and every field decodes and stores back to the same record bytes.
#include <gtest/gtest.h>

#include <random>

#include "core/model/ChannelFields.h"
#include "core/model/CoreState.h"
#include "core/model/Numbers.h"

namespace
{
using F = TChannelField;

uint8_t& Byte(TCoreState& s, int index, int k)
{
    return s.At(ChannelByte(index, k));
}

int MaskShift(uint8_t mask)
{
    int shift = 0;
    while (!(mask & (1 << shift)))
        ++shift;
    return shift;
}

int MaskValues(uint8_t mask)
{
    return (mask >> MaskShift(mask)) + 1;
}

std::vector<const TChannelFieldRow*> BitRows()
{
    std::vector<const TChannelFieldRow*> rows;
    for (const TChannelFieldRow& row : ChannelFieldTable())
        if (row.Bits)
            rows.push_back(&row);
    return rows;
}

// A VFO keeps its duplex direction in the record; a memory channel has none to store.
int ChannelFor(const TChannelFieldRow& row)
{
    return row.Field == F::Duplex ? kVfoA : 3;
}

// The text an editor stores back for a field of a decoded channel.
std::string DecodedText(const TChannelFieldRow& row, const TChannel& channel)
{
    switch (row.Kind) {
    case TFieldKind::Frequency:
        return FormatFreq(channel.*row.Frequency);
    case TFieldKind::Tone:
    case TFieldKind::NameText:
    case TFieldKind::DtmfCode:
        return channel.*row.Text;
    case TFieldKind::List:
        return std::to_string(ChannelListValue(channel, row.Field));
    default:
        return std::string();
    }
}

// Fields a decode derives from others rather than reads: a memory channel's offset and direction come from
// its two frequencies, a VFO's transmit frequency from its offset.
bool IsDerived(TChannelField field, bool vfo)
{
    if (vfo)
        return field == F::TxFrequency;
    return field == F::Offset || field == F::Duplex;
}

// Random record bytes in the shapes a radio writes: a memory channel with a transmit frequency, a VFO with a
// valid direction, radio name characters, an ID code of 3 to 6 digits.
void FillRandomRecord(TCoreState& s, int index, std::mt19937& random)
{
    for (int k = 0; k < 32; ++k)
        Byte(s, index, k) = static_cast<uint8_t>(random());
    const bool vfo = index == kVfoA || index == kVfoB;
    uint8_t& byte7 = Byte(s, index, 7);
    byte7 = vfo ? static_cast<uint8_t>((byte7 & 0xFC) | random() % 3) : static_cast<uint8_t>(byte7 & 0x7F);
    for (int k = 18; k < 25; ++k)
        Byte(s, index, k) = static_cast<uint8_t>(random() % 91);
    const size_t digits = 3 + random() % 4;
    const std::string code = std::to_string(random() % 1000000 + 1000000).substr(1, digits) + "******";
    std::string text = code.substr(0, digits);
    SetChannelField(s.All, index, F::IdCode, text);
    if (!vfo) {
        SetMapBit(s.All, kChannelEmptyMap, index, false);
        SetMapBit(s.All, kScanSkipMap, index, random() % 2 == 1);
    }
}
} // namespace

TEST(ChannelFieldTable, RowsFollowTheFieldNumbers)
{
    ASSERT_EQ(ChannelFieldTable().size(), static_cast<size_t>(kChannelFieldCount));
    for (int number = 1; number <= kChannelFieldCount; ++number) {
        const auto field = FieldFromNumber(number);
        ASSERT_TRUE(field) << number;
        EXPECT_EQ(FieldNumber(*field), number);
        EXPECT_EQ(FieldNumber(FieldRow(*field).Field), number);
    }
    for (int number : {0, -1, kChannelFieldCount + 1, 99})
        EXPECT_FALSE(FieldFromNumber(number)) << number;
}

TEST(ChannelFieldTable, ItemsByField)
{
    EXPECT_EQ(BuiltInListItems(F::Power), (std::vector<std::string>{"Low", "High"}));
    EXPECT_EQ(BuiltInListItems(F::Ani), (std::vector<std::string>{"ON", "OFF"}));
    EXPECT_EQ(BuiltInListItems(F::PttId).size(), 4u);
    EXPECT_TRUE(BuiltInListItems(F::RxFrequency).empty());
    EXPECT_TRUE(BuiltInListItems(F::RxTone).empty());
}

TEST(ChannelFieldTable, EveryKindHasWhatItNeeds)
{
    for (const TChannelFieldRow& row : ChannelFieldTable()) {
        const int number = FieldNumber(row.Field);
        switch (row.Kind) {
        case TFieldKind::Frequency:
            EXPECT_TRUE(row.Frequency) << number;
            break;
        case TFieldKind::Tone:
            EXPECT_TRUE(row.Text && row.ListName && row.ToneWord >= 0) << number;
            break;
        case TFieldKind::NameText:
        case TFieldKind::DtmfCode:
            EXPECT_TRUE(row.Text && row.TypedLength > 0) << number;
            break;
        case TFieldKind::List:
            EXPECT_TRUE(row.Index && row.ListName && row.Items.size() >= 2) << number;
            break;
        default:
            EXPECT_FALSE(row.Frequency || row.Text || row.Index || row.ListName) << number;
            break;
        }
        if (row.OnItem >= 0) {
            EXPECT_EQ(row.Items.size(), 2u) << number;
        }
    }
}

TEST(ChannelFieldTable, ListItemsFitTheirBits)
{
    for (const TChannelFieldRow* row : BitRows()) {
        const TOptionBits& bits = *row->Bits;
        const int number = FieldNumber(row->Field);
        ASSERT_NE(bits.Mask, 0) << number;
        EXPECT_LE(static_cast<int>(row->Items.size()), MaskValues(bits.Mask)) << number;
        EXPECT_LT(bits.Inversion, MaskValues(bits.Mask)) << number;
        // Whatever the bits hold, the decoded value is an item of the list.
        for (int raw = 0; raw < MaskValues(bits.Mask); ++raw) {
            TCoreState s;
            const int channel = ChannelFor(*row);
            ResetChannel(s.All, channel, "145.0");
            SetField(Byte(s, channel, bits.Byte), bits.Mask, raw);
            TChannel decoded;
            ASSERT_TRUE(DecodeChannel(s.All, channel, decoded));
            EXPECT_LT(ChannelListValue(decoded, row->Field), static_cast<int>(row->Items.size()))
                << number << " raw " << raw;
        }
    }
}

TEST(ChannelFieldTable, OptionBitsDoNotOverlap)
{
    const auto rows = BitRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[i]->Bits->Byte == rows[j]->Bits->Byte) {
                EXPECT_EQ(rows[i]->Bits->Mask & rows[j]->Bits->Mask, 0)
                    << FieldNumber(rows[i]->Field) << " and " << FieldNumber(rows[j]->Field);
            }
        }
    }
}

TEST(ChannelFieldTable, EachItemStoresOnlyItsOwnBitsAndReadsBack)
{
    for (const TChannelFieldRow* row : BitRows()) {
        const int channel = ChannelFor(*row);
        for (int item = 0; item < static_cast<int>(row->Items.size()); ++item) {
            TCoreState s;
            ResetChannel(s.All, channel, "145.0");
            auto expected = s.All.Image;
            uint8_t& byte = expected[static_cast<size_t>(ChannelByte(channel, row->Bits->Byte))];
            const int stored = item ^ row->Bits->Inversion;
            byte = static_cast<uint8_t>((byte & ~row->Bits->Mask) | (stored << MaskShift(row->Bits->Mask)));
            std::string text = std::to_string(item);
            SetChannelField(s.All, channel, row->Field, text);
            EXPECT_EQ(s.All.Image, expected) << FieldNumber(row->Field) << " item " << item;
            TChannel decoded;
            ASSERT_TRUE(DecodeChannel(s.All, channel, decoded));
            EXPECT_EQ(ChannelListValue(decoded, row->Field), item) << FieldNumber(row->Field);
        }
    }
}

TEST(ChannelFieldTable, DecodeThenStoreKeepsARandomRecord)
{
    std::mt19937 random(52);
    for (int round = 0; round < 40; ++round) {
        for (int index : {1, 77, kVfoA, kVfoB}) {
            TCoreState s;
            FillRandomRecord(s, index, random);
            TChannel channel;
            ASSERT_TRUE(DecodeChannel(s.All, index, channel));
            // Decoding itself writes back what it normalises (frequencies onto the grid, tone words).
            const auto decoded = s.All.Image;
            const bool vfo = index == kVfoA || index == kVfoB;
            for (const TChannelFieldRow& row : ChannelFieldTable()) {
                if (IsDerived(row.Field, vfo))
                    continue;
                std::string text = DecodedText(row, channel);
                SetChannelField(s.All, index, row.Field, text);
                ASSERT_EQ(s.All.Image, decoded)
                    << "channel " << index << " field " << FieldNumber(row.Field) << " round " << round;
            }
        }
    }
}
