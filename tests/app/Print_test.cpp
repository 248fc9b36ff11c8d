// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-cli print: the printed channel list of a data set, read back from the PDF with pdftotext.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <vector>

#include "core/files/DataFile.h"
#include "core/files/TempFolder.h"
#include "core/model/CoreState.h"
#include "core/model/Numbers.h"
#include "core/model/SettingTexts.h"

namespace
{
// Enough channels in use for three pages; channel 50 stays empty and must not be printed.
constexpr int kUnused = 50;

std::string FrequencyOf(int channel)
{
    return FormatFreq(400.0 + channel * 0.125);
}

int Run(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct TPrintRun {
    TTempFolder Folder;
    std::string DataFile = Folder.File("radio.dat");
    std::string Data;
    std::string Settings;

    TPrintRun()
    {
        TCoreState s;
        for (int channel = 1; channel <= s.All.ChannelCount; ++channel)
            if (channel != kUnused)
                ResetChannel(s.All, channel, FrequencyOf(channel));
        std::string error;
        EXPECT_TRUE(SaveDataFile(s.All, DataFile, error)) << error;
        Data = Folder.Read("radio.dat");
        Settings = SettingsListing(s.All);
    }
    // The status of qbh52-cli print; its error output lands in err.txt.
    int Print(const std::string& arguments) const
    {
        return Run(std::string("'") + QBH52_BIN_DIR + "/qbh52-cli' print " + arguments + " 2>'" +
                   Folder.File("err.txt") + "'");
    }
    // The PDF's text, one string per page.
    std::vector<std::string> Pages(const std::string& pdf) const
    {
        const std::string text = Folder.File("pdf.txt");
        EXPECT_EQ(Run(std::string("'") + PDFTOTEXT + "' -layout '" + pdf + "' '" + text + "'"), 0)
            << "pdftotext (poppler-utils, installed by scripts/setup.sh) could not read " << pdf;
        std::vector<std::string> pages;
        std::istringstream in(Folder.Read("pdf.txt"));
        for (std::string page; std::getline(in, page, '\f');)
            if (page.find_first_not_of(" \n") != std::string::npos)
                pages.push_back(page);
        return pages;
    }
};

// The line of the page that starts with the channel's number, or "".
std::string RowOn(const std::string& page, int channel)
{
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string first;
        if (words >> first && first == std::to_string(channel))
            return line;
    }
    return "";
}

std::string RowOf(const std::vector<std::string>& pages, int channel)
{
    for (const std::string& page : pages)
        if (std::string row = RowOn(page, channel); !row.empty())
            return row;
    return "";
}

bool HoldsRows(const std::string& page)
{
    for (int channel = 1; channel <= 128; ++channel)
        if (!RowOn(page, channel).empty())
            return true;
    return false;
}
} // namespace

TEST(Print, EveryChannelInUseOnPagesWithHeaderTitlesAndNumbers)
{
    TPrintRun run;
    const std::string pdf = run.Folder.File("channels.pdf");
    ASSERT_EQ(run.Print("'" + run.DataFile + "' '" + pdf + "'"), 0) << run.Folder.Read("err.txt");
    const std::vector<std::string> pages = run.Pages(pdf);
    ASSERT_GE(pages.size(), 3u);
    const std::string count = std::to_string(pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE("page " + std::to_string(i + 1));
        EXPECT_NE(pages[i].find("Model: QB-H52"), std::string::npos);
        EXPECT_NE(pages[i].find("File: radio.dat"), std::string::npos);
        EXPECT_NE(pages[i].find("Printed: 20"), std::string::npos);
        // The column titles head every page of the table; the pages of settings after it need none.
        EXPECT_EQ(pages[i].find("RX Frequency") != std::string::npos, HoldsRows(pages[i]));
        EXPECT_NE(pages[i].find("Page " + std::to_string(i + 1) + " of " + count), std::string::npos);
    }
    for (int channel = 1; channel <= 128; ++channel) {
        const std::string row = RowOf(pages, channel);
        if (channel == kUnused) {
            EXPECT_EQ(row, "") << "an empty channel is printed";
            continue;
        }
        EXPECT_NE(row.find(FrequencyOf(channel)), std::string::npos) << "channel " << channel << ": " << row;
    }
    // The radio-wide settings follow the table, one line each.
    std::string all;
    for (const std::string& page : pages)
        all += page;
    EXPECT_NE(all.find("Radio-wide settings"), std::string::npos);
    std::istringstream settings(run.Settings);
    for (std::string line; std::getline(settings, line);)
        EXPECT_NE(all.find(line.substr(0, line.find_last_not_of(' ') + 1)), std::string::npos) << line;
}

TEST(Print, FailuresSayWhyAndLeaveTheFilesAsTheyWere)
{
    TPrintRun run;
    run.Folder.Write("notes.txt", "not a data file: notes about the next hike, long enough for a header");
    std::filesystem::create_directories(run.Folder.File("folder.pdf"));
    const std::string data = "'" + run.DataFile + "' ";
    const std::string out = " '" + run.Folder.File("out.pdf") + "'";
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"one argument", data, "print needs a data file and a PDF file name"},
        {"missing data file", "'" + run.Folder.File("none.dat") + "'" + out, "Cannot open file"},
        {"not a data file", "'" + run.Folder.File("notes.txt") + "'" + out, "Wrong model type"},
        {"PDF in a missing folder", data + "'" + run.Folder.File("no/such/out.pdf") + "'", "Cannot write the PDF"},
        {"PDF path is a folder", data + "'" + run.Folder.File("folder.pdf") + "'", "Cannot write the PDF"},
    };
    for (const auto& [name, arguments, message] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(run.Print(arguments), 1);
        EXPECT_NE(run.Folder.Read("err.txt").find(message), std::string::npos) << run.Folder.Read("err.txt");
        EXPECT_EQ(run.Folder.Read("radio.dat"), run.Data);
    }
    EXPECT_FALSE(std::filesystem::exists(run.Folder.File("out.pdf")));
    EXPECT_FALSE(std::filesystem::exists(run.Folder.File("no")));
    EXPECT_TRUE(std::filesystem::is_directory(run.Folder.File("folder.pdf")));
}
