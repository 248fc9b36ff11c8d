// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "core/model/CoreState.h"
#include "core/model/SettingsTable.h"

namespace
{
// The validated image area: FM-empty map, FM limits and settings items 0 to 63.
constexpr int kAreaStart = kFmEmptyMap;
constexpr int kAreaLength = kModelIdent - kFmEmptyMap;

// The bits a row occupies in each of its bytes.
uint8_t RowBits(const TSettingRow& row)
{
    return row.Length == 1 ? row.Mask : 0xFF;
}

// The largest value the row's bits can hold.
int FieldMax(const TSettingRow& row)
{
    return row.Form == TSettingForm::Words ? 0xFFFF : FieldValue(row.Mask, row.Mask);
}

std::vector<uint8_t> Area(const TCoreState& s)
{
    return {s.All.Image.begin() + kAreaStart, s.All.Image.begin() + kAreaStart + kAreaLength};
}

void SetArea(TCoreState& s, const std::vector<uint8_t>& bytes)
{
    std::copy(bytes.begin(), bytes.end(), s.All.Image.begin() + kAreaStart);
}

std::vector<uint8_t> Pattern()
{
    std::vector<uint8_t> bytes;
    uint64_t x = 1;
    for (int i = 0; i < kAreaLength; ++i) {
        x = (x * 1103515245 + 12345) % (uint64_t(1) << 31);
        bytes.push_back(static_cast<uint8_t>(x >> 16));
    }
    return bytes;
}
} // namespace

TEST(SettingsTable, RowsStandInTheOrderOfTheirIds)
{
    const auto& table = SettingsTable();
    ASSERT_EQ(table.size(), static_cast<size_t>(TSetting::VfoStep) + 1);
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].Id, static_cast<TSetting>(i)) << "row " << i;
        EXPECT_EQ(&SettingRow(static_cast<TSetting>(i)), &table[i]);
    }
}

TEST(SettingsTable, RowsLieInsideTheImageAndShareNoBit)
{
    std::array<uint8_t, kImageSize> used{};
    for (const TSettingRow& row : SettingsTable()) {
        EXPECT_NE(row.Mask, 0) << "row " << int(row.Id);
        EXPECT_GE(row.Length, 1) << "row " << int(row.Id);
        if (row.Length > 1) {
            EXPECT_EQ(row.Mask, 0xFF) << "row " << int(row.Id);
        }
        ASSERT_GE(row.Offset, 0);
        ASSERT_LE(row.Offset + row.Length, kImageSize);
        for (int i = row.Offset; i < row.Offset + row.Length; ++i) {
            EXPECT_EQ(used[i] & RowBits(row), 0) << "row " << int(row.Id) << " at 0x" << std::hex << i;
            used[i] |= RowBits(row);
        }
    }
    // Bit 5 of item 6 is the relay setting's alone.
    EXPECT_EQ(SettingRow(TSetting::RelaySetting).Offset, kSettingsBase + 6);
    EXPECT_EQ(SettingRow(TSetting::RelaySetting).Mask, 0x20);
}

TEST(SettingsTable, ListsHaveAnItemForEveryValidValue)
{
    for (const TSettingRow& row : SettingsTable()) {
        const bool hasItems =
            row.Form == TSettingForm::List || row.Form == TSettingForm::Mapped || row.Form == TSettingForm::Channel;
        EXPECT_EQ(hasItems, !row.Items.empty()) << "row " << int(row.Id);
        if (row.Form != TSettingForm::List)
            continue;
        const int values = (row.Check == TSettingCheck::Range ? row.Max : FieldMax(row)) + 1;
        // Groups 5 and 6 pass the validation, but the radio offers only the five items.
        if (row.Id == TSetting::GroupCode)
            EXPECT_EQ(row.Items.size(), 5u);
        else
            EXPECT_EQ(row.Items.size(), static_cast<size_t>(values)) << "row " << int(row.Id);
    }
}

TEST(SettingsTable, RangesFitTheirFields)
{
    for (const TSettingRow& row : SettingsTable()) {
        if (row.Check == TSettingCheck::None)
            continue;
        EXPECT_LE(row.Min, row.Default) << "row " << int(row.Id);
        EXPECT_LE(row.Default, row.Max) << "row " << int(row.Id);
        EXPECT_LE(row.Max, FieldMax(row)) << "row " << int(row.Id);
    }
}

TEST(SettingsTable, ControlNamesAreUniqueInTheirWindow)
{
    std::set<std::pair<std::string, std::string>> names;
    for (const TSettingRow& row : SettingsTable()) {
        if (row.Section.empty()) {
            EXPECT_TRUE(row.ControlName.empty() && row.LabelName.empty()) << "row " << int(row.Id);
            continue;
        }
        EXPECT_FALSE(row.ControlName.empty()) << "row " << int(row.Id);
        EXPECT_TRUE(names.insert({row.Section, row.ControlName}).second) << row.ControlName;
        if (!row.LabelName.empty()) {
            EXPECT_TRUE(names.insert({row.Section, row.LabelName}).second) << row.LabelName;
        }
    }
}

TEST(SettingsTable, SetAndGetKeepTheNeighbouringBits)
{
    for (const TSettingRow& row : SettingsTable()) {
        for (const uint8_t background : {0x00, 0xFF, 0xA5}) {
            TCoreState s;
            std::fill(s.All.Image.begin(), s.All.Image.end(), background);
            const std::array<uint8_t, kImageSize> before = s.All.Image;
            for (const int value : {0, 1, FieldMax(row) / 2, FieldMax(row)}) {
                SetSetting(s.All, row.Id, value);
                EXPECT_EQ(GetSetting(s.All, row.Id), value) << "row " << int(row.Id);
            }
            const int width = row.Form == TSettingForm::Words ? 2 : 1;
            for (int i = 0; i < kImageSize; ++i) {
                const uint8_t kept = i >= row.Offset && i < row.Offset + width ? ~RowBits(row) : 0xFF;
                ASSERT_EQ(s.At(i) & kept, before[i] & kept) << "row " << int(row.Id) << " at 0x" << std::hex << i;
            }
        }
    }
}

TEST(SettingsTable, BytesSpanTheRow)
{
    TCoreState s;
    for (const TSettingRow& row : SettingsTable()) {
        const std::span<uint8_t> bytes = SettingBytes(s.All, row.Id);
        EXPECT_EQ(bytes.data(), &s.At(row.Offset));
        EXPECT_EQ(bytes.size(), static_cast<size_t>(row.Length));
    }
}

TEST(SettingsTable, ClampReplacesOutOfRangeValuesOnly)
{
    TCoreState s;
    s.At(kSettingsBase + 7) = 0xAF; // squelch 15 > 9, time-out 10 <= 12
    ClampSetting(s.All, SettingRow(TSetting::SquelchLevel));
    ClampSetting(s.All, SettingRow(TSetting::TimeOut));
    EXPECT_EQ(s.At(kSettingsBase + 7), 0xA5);
}

TEST(ValidateSettings, ResetsExactlyTheRowsOutOfRange)
{
    for (const TSettingRow& row : SettingsTable()) {
        if (row.Check != TSettingCheck::Range)
            continue;
        TCoreState s;
        SetSetting(s.All, row.Id, row.Max);
        const std::vector<uint8_t> valid = Area(s);
        ValidateSettings(s.All);
        EXPECT_EQ(Area(s), valid) << "row " << int(row.Id) << " at its highest valid value";
        SetSetting(s.All, row.Id, row.Default);
        const std::vector<uint8_t> reset = Area(s);
        for (const int invalid : {row.Max + 1, FieldMax(row)}) {
            if (invalid > FieldMax(row))
                continue;
            SetSetting(s.All, row.Id, invalid);
            ValidateSettings(s.All);
            EXPECT_EQ(Area(s), reset) << "row " << int(row.Id) << " at " << invalid;
        }
    }
}

TEST(ValidateSettings, ForcesTheFixedItems)
{
    TCoreState s;
    s.At(kSettingsBase + 46) = 0x00;
    s.At(kSettingsBase + 47) = 0x12;
    ValidateSettings(s.All);
    EXPECT_EQ(s.At(kSettingsBase + 46), 0xFF);
    EXPECT_EQ(s.At(kSettingsBase + 47), 0xFF);
}

// The bytes every validation has left from an erased radio and from a mixed pattern.
TEST(ValidateSettings, LeavesTheKnownBytes)
{
    const std::vector<uint8_t> erasedResult = {
        0xFF, 0xFF, 0xFF, 0xFF, 0xC0, 0x0D, 0xE0, 0x10, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xF7, 0xFA, 0x65, 0xF4, 0x15,
        0x10, 0x0C, 0x00, 0xF5, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
        0xFF, 0xF2, 0x00, 0xF0, 0xFF, 0x1F, 0xF5, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::vector<uint8_t> patternResult = {
        0xC6, 0x7E, 0x81, 0x6B, 0xC0, 0x0D, 0xE0, 0x10, 0x54, 0x00, 0x00, 0xDF, 0x7C, 0x14, 0xE1, 0x87, 0x01, 0x15,
        0x31, 0x0C, 0x56, 0x72, 0x0F, 0x47, 0x67, 0x66, 0x87, 0x59, 0xAA, 0x88, 0x3C, 0x59, 0xEA, 0x56, 0x13, 0x7B,
        0xD2, 0x85, 0x01, 0xD0, 0x3C, 0x14, 0x55, 0x2F, 0x37, 0xAE, 0x65, 0x5B, 0x00, 0x02, 0x79, 0x98, 0xCC, 0xE3,
        0xFF, 0xFF, 0x8E, 0x5F, 0xD9, 0x99, 0x8F, 0x1F, 0x3F, 0x36, 0xEE, 0x43, 0x78, 0x4D, 0x0D, 0xFA, 0xBE, 0xA6};
    TCoreState s;
    SetArea(s, std::vector<uint8_t>(kAreaLength, 0xFF));
    ValidateSettings(s.All);
    EXPECT_EQ(Area(s), erasedResult);
    SetArea(s, Pattern());
    ValidateSettings(s.All);
    EXPECT_EQ(Area(s), patternResult);
}

TEST(SettingDigits, PadShortCodesAndDropLongOnes)
{
    TCoreState s;
    WriteDigits(s.All, TSetting::IdCode, "12");
    EXPECT_EQ(s.At(kSettingsBase + 36), 0x12);
    EXPECT_EQ(s.At(kSettingsBase + 37), 0xFF);
    EXPECT_EQ(s.At(kSettingsBase + 38), 0xFF);
    EXPECT_EQ(ReadDigits(s.All, TSetting::IdCode, 6, 9), "12");
    EXPECT_EQ(ReadDigits(s.All, TSetting::IdCode, 6, 15), "12****");

    s.At(kSettingsBase + 46) = 0x77;
    WriteDigits(s.All, TSetting::StunCode, "0123456789ABC");
    EXPECT_EQ(s.At(kSettingsBase + 45), 0x89);
    EXPECT_EQ(s.At(kSettingsBase + 46), 0x77); // the next item stays
    // Reading never runs past the row, however many digits are asked for.
    EXPECT_EQ(ReadDigits(s.All, TSetting::StunCode, 16, 15), "0123456789");
}

TEST(SettingValueText, NamesTheCurrentValue)
{
    struct TCase {
        TSetting Id;
        int Value;
        const char* Text;
    };
    const TCase cases[] = {
        {TSetting::TimeOut, 0, "Off"},         {TSetting::TimeOut, 2, "60"},          {TSetting::VfoStep, 2, "  6.25"},
        {TSetting::GroupCode, 6, "6"}, // no item: the number
        {TSetting::PriorityChannel, 0, "OFF"}, {TSetting::PriorityChannel, 17, "17"}, {TSetting::Mode, 12, "12"},
        {TSetting::ManualSetting, 1, "1"},     {TSetting::FmLowLimit, 3520, "3520"},
    };
    for (const TCase& c : cases) {
        TCoreState s;
        SetSetting(s.All, c.Id, c.Value);
        EXPECT_EQ(SettingValueText(s.All, SettingRow(c.Id)), c.Text) << "row " << int(c.Id);
    }
}

TEST(SettingValueText, ReadsMultiByteValues)
{
    TCoreState s;
    const uint8_t name[7] = {'Q' - 32, 'B' - 32, 0, 0, 0, 0, 0};
    std::copy(name, name + 7, SettingBytes(s.All, TSetting::RadioName).begin());
    EXPECT_EQ(SettingValueText(s.All, SettingRow(TSetting::RadioName)), "QB");
    WriteDigits(s.All, TSetting::BeginCode, "12AB#");
    EXPECT_EQ(SettingValueText(s.All, SettingRow(TSetting::BeginCode)), "12AB#***********");
    std::fill_n(SettingBytes(s.All, TSetting::FmFrequencies).begin(), 64, 0);
    WriteLe16(&SettingBytes(s.All, TSetting::FmFrequencies)[62], 3600);
    std::string slots;
    for (int i = 0; i < 31; ++i)
        slots += "0 ";
    EXPECT_EQ(SettingValueText(s.All, SettingRow(TSetting::FmFrequencies)), slots + "3600");
}

TEST(SettingValueText, GivesEveryListValueItsItem)
{
    TCoreState s;
    for (const TSettingRow& row : SettingsTable()) {
        if (row.Form != TSettingForm::List)
            continue;
        for (size_t v = 0; v < row.Items.size(); ++v) {
            SetSetting(s.All, row.Id, static_cast<int>(v));
            EXPECT_EQ(SettingValueText(s.All, row), row.Items[v]) << "row " << int(row.Id);
        }
    }
}
