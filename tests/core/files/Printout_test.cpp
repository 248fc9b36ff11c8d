// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/files/Printout.h"
#include "core/files/TempFolder.h"
#include "core/model/CoreState.h"
#include "core/model/SettingTexts.h"

namespace
{
// The shipped language files, beside a portable program.
struct TPrintState : TCoreState {
    TPrintState(const std::string& language = "English") : TCoreState(QBH52_SOURCE_DIR "/lang/")
    {
        All.LanguageName = language;
        ResetChannel(All, 2, "145.5");
        ResetChannel(All, 7, "438.125");
    }
};

std::vector<std::string> Titles(const TPrintout& printout)
{
    std::vector<std::string> titles;
    for (const TPrintColumn& column : printout.Columns)
        titles.push_back(column.Title);
    return titles;
}
} // namespace

TEST(Printout, TheChannelTablesShownColumnsAndTheChannelsInUse)
{
    TPrintState s;
    const auto image = s.All.Image;
    const TPrintout printout = BuildPrintout(s.All, "trip.dat", "2026-12-10 09:30");
    EXPECT_EQ(printout.Header, "QB-H52    Model: QB-H52    File: trip.dat    Printed: 2026-12-10 09:30");
    EXPECT_EQ(Titles(printout), (std::vector<std::string>{"No.", "RX Frequency", "TX Frequency", "QT/DQT Dec",
                                                          "QT/DQT Enc", "TX Power", "W/N", "Scan Add", "Busy Lock",
                                                          "Vox", "Epilogue", "PTT ID", "DTMF", "NAME", "ID Code"}));
    ASSERT_EQ(printout.Rows.size(), 2u);
    EXPECT_EQ(printout.Rows[0][0], "2");
    EXPECT_EQ(printout.Rows[0][1], "145.50000");
    EXPECT_EQ(printout.Rows[1][0], "7");
    EXPECT_EQ(printout.Rows[1][2], "438.12500");
    EXPECT_EQ(printout.Rows[1][5], "High");
    EXPECT_EQ(PageNumberText(printout, 2, 3), "Page 2 of 3");
    EXPECT_EQ(printout.SettingsTitle, "Radio-wide settings");
    std::string listing;
    for (const std::string& line : printout.SettingsLines)
        listing += line + "\n";
    EXPECT_EQ(listing, SettingsListing(s.All));
    EXPECT_NE(listing.find("Model Type = QB-H52\n"), std::string::npos);
    EXPECT_TRUE(s.All.Image == image);
}

TEST(Printout, InTheCurrentLanguage)
{
    TPrintState s("Chinese");
    const TPrintout printout = BuildPrintout(s.All, "", "2026-12-10 09:30");
    EXPECT_EQ(printout.Header, "QB-H52    型号: QB-H52    文件: (未保存)    打印时间: 2026-12-10 09:30");
    EXPECT_EQ(printout.Columns[1].Title, "接收频率");
    EXPECT_EQ(printout.Columns[1].Width, 80);
    EXPECT_EQ(printout.Rows[0][3], "无"); // no tone
    EXPECT_EQ(printout.Rows[0][5], "高"); // high power
    EXPECT_EQ(PageNumberText(printout, 1, 4), "第 1 页，共 4 页");
    EXPECT_EQ(PrintMessageText(s.All, TPrintMessage::PdfNotWritten, "/x.pdf", "原因"),
              "无法写入 PDF 文件“/x.pdf”。原因");
}

TEST(Printout, OddColumnDefinitionsKeepTheBuiltInTitles)
{
    TTempFolder folder;
    folder.Write("English.Ini", "[fChsInfo]\nColShow.1=abc@Number\nColShow.2=RX only\nColShow.3=090@Sending\n");
    TCoreState s(folder.Path);
    s.All.LanguageName = "English";
    const TPrintout printout = BuildPrintout(s.All, "", "");
    EXPECT_EQ(printout.Columns[0].Title, "No.");
    EXPECT_EQ(printout.Columns[1].Title, "RX Frequency");
    EXPECT_EQ(printout.Columns[2].Title, "Sending");
    EXPECT_EQ(printout.Columns[2].Width, 90);
    EXPECT_TRUE(printout.Rows.empty());
    EXPECT_EQ(PrintMessageText(s.All, TPrintMessage::PdfNotWritten, "/x.pdf", "No room."),
              "Cannot write the PDF file \"/x.pdf\". No room.");
}
