// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model/CoreState.h"
#include "core/model/SettingTexts.h"

namespace
{
// The value the listing shows for a field, or "(absent)".
std::string Listed(const TAppState& all, const std::string& field)
{
    for (const TSettingLine& line : SettingLines(all))
        if (line.Field == field)
            return line.Value;
    return "(absent)";
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}
} // namespace

TEST(SettingTexts, ListingShowsEachShownSettingOnceAndLeavesTheImageAlone)
{
    TCoreState s;
    const auto before = s.All.Image;
    const std::string listing = SettingsListing(s.All);
    EXPECT_EQ(s.All.Image, before);
    for (const TSettingRow& row : SettingsTable()) {
        const std::string caption = row.Caption.substr(0, row.Caption.find_last_not_of(' ') + 1);
        const bool shown = !row.Section.empty() && !row.Hidden && row.Form != TSettingForm::Words;
        const std::string line = SettingsWindowTitle(row.Section) + " / " + caption + " = ";
        EXPECT_EQ(Count(listing, line), shown ? 1u : 0u) << line;
    }
    EXPECT_NE(listing.find("Optional Function / Squelch level = 5\n"), std::string::npos);
    EXPECT_NE(listing.find("Scan Information / Priority Channel = OFF\n"), std::string::npos);
    EXPECT_NE(listing.find("FM Information / Frequency[MHz] Current = 88.00000\n"), std::string::npos);
    EXPECT_NE(listing.find("Radio Information / Model Type = QB-H52\n"), std::string::npos);
    EXPECT_EQ(listing.find("Freq. Range-4"), std::string::npos) << "a hidden setting";
}

// Every item of every list, set by its text, is what the listing then shows: the mapped lists (mode codes,
// switched ratios, the star/hash time, the FM step) go through the same mapping both ways.
TEST(SettingTexts, EveryListItemSetByItsTextIsListedBack)
{
    TCoreState s;
    for (const TSettingRow& row : SettingsTable()) {
        if (row.Section.empty() || row.Hidden || row.Items.empty())
            continue;
        for (const std::string& item : ShownItems(s.All, row)) {
            const std::string text = item.substr(item.find_first_not_of(' '));
            ASSERT_EQ(SetSettingByLabel(s.All, row.Caption, text), "") << row.Caption << " = " << text;
            EXPECT_EQ(Listed(s.All, row.Caption.substr(0, row.Caption.find_last_not_of(' ') + 1)), text);
        }
    }
}

TEST(SettingTexts, LabelsMatchWhateverTheirCaseAndWithTheirWindow)
{
    TCoreState s;
    EXPECT_EQ(SetSettingByLabel(s.All, "Squelch Level", "7"), "");
    EXPECT_EQ(GetSetting(s.All, TSetting::SquelchLevel), 7);
    EXPECT_EQ(SetSettingByLabel(s.All, " scan information / scan mode ", "se"), "");
    EXPECT_EQ(GetSetting(s.All, TSetting::ScanMode), 2);
}

TEST(SettingTexts, ChecksCodesNamesAndFmMemoriesStoreAsTheirWindowsDo)
{
    TCoreState s;
    ASSERT_EQ(SetSettingByLabel(s.All, "Inhibit Receiver When Radio Working", "On"), "");
    EXPECT_EQ(GetSetting(s.All, TSetting::FmReceiverOn), 0);
    ASSERT_EQ(SetSettingByLabel(s.All, "DTMF Side Tone", "off"), "");
    EXPECT_EQ(GetSetting(s.All, TSetting::DtmfSideTone), 0);

    ASSERT_EQ(SetSettingByLabel(s.All, "Begin of Tx", "12ab#"), "");
    EXPECT_EQ(GetSetting(s.All, TSetting::NoBeginCode), 0);
    EXPECT_EQ(GetSetting(s.All, TSetting::BeginCodeLength), 4);
    EXPECT_EQ(Listed(s.All, "Begin of Tx"), "12AB#");
    ASSERT_EQ(SetSettingByLabel(s.All, "Begin of Tx", ""), "");
    EXPECT_EQ(GetSetting(s.All, TSetting::NoBeginCode), 1);
    EXPECT_EQ(Listed(s.All, "Begin of Tx"), "");
    ASSERT_EQ(SetSettingByLabel(s.All, "ID Code", "7"), "");
    EXPECT_EQ(Listed(s.All, "ID Code"), "700");
    ASSERT_EQ(SetSettingByLabel(s.All, "Stun Code", "159"), "");
    EXPECT_EQ(GetSetting(s.All, TSetting::StunLength), 3);
    EXPECT_EQ(Listed(s.All, "Stun Code"), "159");

    ASSERT_EQ(SetSettingByLabel(s.All, "Radio Name", "HELLO"), "");
    EXPECT_EQ(Listed(s.All, "Radio Name"), "HELLO");
    ASSERT_EQ(SetSettingByLabel(s.All, "Frequency[MHz] 3", "100.1"), "");
    EXPECT_EQ(Listed(s.All, "Frequency[MHz] 3"), "100.10000");
    ASSERT_EQ(SetSettingByLabel(s.All, "Frequency[MHz] 3", ""), "");
    EXPECT_EQ(Listed(s.All, "Frequency[MHz] 3"), "");
}

// An unknown label or a value outside the list or range names what is allowed and leaves the image alone.
TEST(SettingTexts, RefusedValuesNameWhatIsAllowed)
{
    struct TCase {
        const char* Label;
        const char* Value;
        const char* Error;
    };
    const TCase cases[] = {
        {"Squelch", "5", "unknown setting \"Squelch\""},
        {"Squelch level", "10", "Squelch level: allowed values: 0, 1, 2, 3, 4, 5, 6, 7, 8, 9"},
        {"Lamp", "", "Lamp: allowed values: Off, On, Auto"},
        {"Priority Channel", "129", "allowed values: OFF, 1, 2,"},
        {"Beep", "yes", "Beep: allowed values: Off, On"},
        {"Manual setting", "1", "Manual setting: allowed values: On, Off"},
        {"ID Code", "12A", "ID Code: up to 6 of the characters 0123456789"},
        {"Stun Code", "12345678901", "Stun Code: up to 10 of the characters 0123456789ABCD#*"},
        {"Radio Name", "EIGHTCHR", "Radio Name: at most 7 characters"},
        {"Radio Name", "caf\xC3\xA9", "Radio Name: only the characters"},
        {"Frequency[MHz] 1", "abc", "a frequency in MHz"},
        {"Freq. Range-4", "Inhibit Tx", "unknown setting"},
        {"Model Type", "X", "Model Type: shown only, not set"},
    };
    for (const TCase& c : cases) {
        TCoreState s;
        const auto before = s.All.Image;
        EXPECT_NE(SetSettingByLabel(s.All, c.Label, c.Value).find(c.Error), std::string::npos)
            << c.Label << " = " << c.Value << ": " << SetSettingByLabel(s.All, c.Label, c.Value);
        EXPECT_EQ(s.All.Image, before) << c.Label;
    }
}
