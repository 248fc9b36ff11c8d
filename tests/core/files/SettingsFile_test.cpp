// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "core/files/Profile.h"
#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "core/files/TempFolder.h"
#include "core/model/AppState.h"

namespace
{
struct TSettingsState {
    TTempFolder Folder;
    TAppState All;
    TModelCatalogue List;
    // A portable program's folder: the language files beside the program, so the settings file goes there too.
    TSettingsState()
    {
        Folder.Write("English.Ini", "[Language]\n");
        InitState(All, List, Folder.Path);
    }
    void Load(const std::string& text)
    {
        Folder.Write("SysInfo.Ini", text);
        LoadSettings(All);
    }
};
} // namespace

TEST(Settings, AnEmptyFolderGivesTheDefaultsAndSaveCreatesTheFile)
{
    TSettingsState s;
    LoadSettings(s.All);
    EXPECT_EQ(s.All.ComPort, "Com1");
    EXPECT_EQ(s.All.LanguageIndex, 0);
    EXPECT_EQ(s.All.LanguageName, "English");
    EXPECT_EQ(s.All.SnCount, 1);
    EXPECT_EQ(s.All.SnIndex, 0);
    EXPECT_EQ(SettingsFilePath(s.All), s.Folder.File("SysInfo.Ini"));
    std::string error;
    ASSERT_TRUE(SaveSettings(s.All, error)) << error;
    EXPECT_EQ(
        s.Folder.Read("SysInfo.Ini"),
        "[SysInfo]\nCom=Com1\nLanguage_ID=0\nSN_Start=\nSN_Index=0\nSN_NumS=1\n\n[Program]\nVerifyAfterWrite=1\n");
}

TEST(Settings, NumbersAreNormalised)
{
    const std::tuple<const char*, int, int> cases[] = {
        {"SN_NumS=0\nSN_Index=abc", 1, 0},
        {"SN_NumS=abc\nSN_Index=7", 1, 7},
        {"SN_NumS=4294967297\nSN_Index=-3", 1, -3}, // 64-bit number kept in 32 bits
        {"SN_NumS=12", 12, 0},
    };
    for (const auto& [lines, count, index] : cases) {
        TSettingsState s;
        s.Load(std::string("[SysInfo]\n") + lines + "\n");
        EXPECT_EQ(s.All.SnCount, count) << lines;
        EXPECT_EQ(s.All.SnIndex, index) << lines;
    }
}

TEST(Settings, LanguageFromTheLanguageList)
{
    const std::tuple<const char*, int, const char*> cases[] = {
        {"Language_ID=1", 1, "Chinese"},
        {"Language_ID=1\nLanguage_SW=English", 0, "English"},
        {"Language_ID=2", 0, "English"},
        {"Language_ID=-1", 0, "English"},
        {"Language_ID=99999999999", 0, "English"},
        {"Language_ID=1000000000", 0, "English"},
        {"language_id=1\nLANGUAGE_ID=0", 1, "Chinese"}, // the first of duplicate keys in any letter case
        {"Language_ID=x\nLanguage_SW=German|French", 0, "German"},
        {"Language_ID=1\nLanguage_SW=German|French", 1, "French"},
    };
    for (const auto& [lines, index, name] : cases) {
        TSettingsState s;
        s.Load(std::string("[SysInfo]\n") + lines + "\n");
        EXPECT_EQ(s.All.LanguageIndex, index) << lines;
        EXPECT_EQ(s.All.LanguageName, name) << lines;
    }
}

TEST(Settings, SaveKeepsOtherKeysAndWritesTheState)
{
    TSettingsState s;
    s.Load("[SysInfo]\nLanguage_SW=English|Chinese\ncom=COM1\nSN_Start=X9\n[Ports]\nCOM3=/dev/pts/4\n");
    s.All.ComPort = "COM2";
    s.All.LanguageIndex = 1;
    std::string error;
    ASSERT_TRUE(SaveSettings(s.All, error)) << error;
    TProfile p;
    ASSERT_TRUE(p.Load(s.Folder.File("SysInfo.Ini")));
    EXPECT_EQ(p.ReadString("SysInfo", "Com", ""), "COM2");
    EXPECT_EQ(p.ReadString("SysInfo", "Language_ID", ""), "1");
    EXPECT_EQ(p.ReadString("SysInfo", "SN_Start", ""), "X9");
    EXPECT_EQ(p.ReadString("SysInfo", "Language_SW", ""), "English|Chinese");
    EXPECT_EQ(p.ReadString("Ports", "COM3", ""), "/dev/pts/4");
}

// Verify after write is on unless the settings file says 0, and a save keeps the choice.
TEST(Settings, VerifyAfterWriteIsOnUnlessSwitchedOff)
{
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"[Program]\nVerifyAfterWrite=0\n", false},
        {"[Program]\nVerifyAfterWrite=1\n", true},
        {"[program]\nverifyafterwrite=no\n", true},
    };
    for (const auto& [lines, on] : cases) {
        TSettingsState s;
        s.Load(lines);
        EXPECT_EQ(s.All.VerifyAfterWrite, on) << lines;
        s.All.VerifyAfterWrite = !on;
        std::string error;
        ASSERT_TRUE(SaveSettings(s.All, error)) << error;
        LoadSettings(s.All);
        EXPECT_EQ(s.All.VerifyAfterWrite, !on) << lines;
    }
}

TEST(Settings, AProgramFolderThatCannotBeWrittenUsesTheConfigFolder)
{
    TSettingsState s;
    TTempFolder config;
    s.All.AppDir = s.Folder.File("not-a-folder/");
    setenv("XDG_CONFIG_HOME", config.Path.c_str(), 1);
    EXPECT_EQ(SettingsFilePath(s.All), config.File("qbh52/SysInfo.Ini"));
    s.All.ComPort = "COM8";
    std::string error;
    EXPECT_TRUE(SaveSettings(s.All, error)) << error;
    s.All.ComPort.clear();
    LoadSettings(s.All);
    EXPECT_EQ(s.All.ComPort, "COM8");
    unsetenv("XDG_CONFIG_HOME");
}

TEST(Settings, OddFilesGiveTheDefaults)
{
    std::string binary;
    for (int i = 0; i < 2048; ++i)
        binary += static_cast<char>((i * 131) & 0xFF);
    const std::string files[] = {
        "",
        binary,
        "Com=COM9\nLanguage_ID=1\n", // no section
        "[SysInfo]\nLanguage_SW=" + std::string(100000, 'x') + "\n",
        "[SYSINFO]\nLANGUAGE_ID=\n",
    };
    for (const std::string& text : files) {
        TSettingsState s;
        s.Load(text);
        EXPECT_EQ(s.All.ComPort, "Com1");
        EXPECT_EQ(s.All.LanguageIndex, 0);
        EXPECT_EQ(s.All.LanguageName, "English");
        EXPECT_EQ(s.All.SnCount, 1);
    }
}

// A settings file that is a folder or a FIFO neither stops nor blocks the program: the defaults stand, the
// problem is told, and saving leaves the odd file as it is.
TEST(Settings, AFolderOrFifoInPlaceOfTheFileGivesTheDefaultsAndAMessage)
{
    for (const char* kind : {"folder", "fifo"}) {
        TSettingsState s;
        const std::string path = s.Folder.File("SysInfo.Ini");
        ASSERT_EQ(std::string(kind) == "folder" ? mkdir(path.c_str(), 0700) : mkfifo(path.c_str(), 0600), 0);
        s.All.ComPort = "stale";
        const std::string problem = LoadSettings(s.All);
        EXPECT_EQ(problem, std::string(kind) == "folder" ? "Is a directory" : "Not a regular file") << kind;
        EXPECT_EQ(s.All.ComPort, "Com1") << kind;
        std::string error;
        EXPECT_FALSE(SaveSettings(s.All, error)) << kind;
        EXPECT_EQ(error.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << error;
        EXPECT_EQ(std::filesystem::status(path).type(), std::string(kind) == "folder"
                                                            ? std::filesystem::file_type::directory
                                                            : std::filesystem::file_type::fifo);
    }
}

TEST(Settings, StartUpTellsWhatIsWrongWithTheSettingsAndLanguageFiles)
{
    TTempFolder folder;
    // A portable program's folder holds its language files: without them the data folder is missing.
    folder.Write("English.Ini", "[Language]\n");
    EXPECT_TRUE(StartUp(folder.Path).empty());
    folder.Write("SysInfo.Ini", "[SysInfo]\nCom=" + std::string(2 * 1024 * 1024, 'x') + "\n");
    folder.Write("English.Ini", "[Language]\nReadOk=" + std::string(2 * 1024 * 1024, 'y') + "\n");
    const std::vector<std::string> problems = StartUp(folder.Path);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], "The settings file \"" + folder.File("SysInfo.Ini") +
                               "\" cannot be used (larger than 1024 KB). The program goes on with the default "
                               "settings and leaves the file as it is.");
    EXPECT_EQ(problems[1], "The language file \"" + folder.File("English.Ini") +
                               "\" cannot be used (larger than 1024 KB). The program goes on with the built-in "
                               "English texts.");
    EXPECT_EQ(gAll.ComPort, "Com1");
    EXPECT_EQ(gLanguage.ReadOk, "Reading Completed.");
}

TEST(Settings, RecentFilesKeepTheNewestEightOnceEach)
{
    TSettingsState s;
    for (int i = 1; i <= 9; ++i)
        RememberRecentFile(s.All, "/d/" + std::to_string(i) + ".dat");
    RememberRecentFile(s.All, "/d/5.dat");
    const std::vector<std::string> expected = {"/d/5.dat", "/d/9.dat", "/d/8.dat", "/d/7.dat",
                                               "/d/6.dat", "/d/4.dat", "/d/3.dat", "/d/2.dat"};
    EXPECT_EQ(s.All.RecentFiles, expected);
    ForgetRecentFile(s.All, "/d/9.dat");
    ForgetRecentFile(s.All, "/d/unknown.dat");
    EXPECT_EQ(s.All.RecentFiles.size(), 7u);
    EXPECT_EQ(s.All.RecentFiles[1], "/d/8.dat");
}

// The list and the last folder go into the file and come back; a list that shrank leaves no stale entry.
TEST(Settings, RecentFilesAndLastFolderSurviveARestart)
{
    TSettingsState s;
    s.All.RecentFiles = {"/d/a.dat", "/d/b b.dat", "/d/c.dat"};
    s.All.LastFolder = "/d";
    std::string error;
    ASSERT_TRUE(SaveSettings(s.All, error)) << error;
    ForgetRecentFile(s.All, "/d/a.dat");
    ASSERT_TRUE(SaveSettings(s.All, error)) << error;
    TAppState next;
    TModelCatalogue list;
    InitState(next, list, s.Folder.Path);
    LoadSettings(next);
    EXPECT_EQ(next.RecentFiles, (std::vector<std::string>{"/d/b b.dat", "/d/c.dat"}));
    EXPECT_EQ(next.LastFolder, "/d");
    EXPECT_EQ(s.Folder.Read("SysInfo.Ini").find("File3=/"), std::string::npos);
}

TEST(Settings, TheFirstStartWritesTheDefaultsAndLaterStartsLeaveTheFile)
{
    TSettingsState s;
    LoadSettings(s.All);
    std::string error;
    ASSERT_TRUE(EnsureSettingsFile(s.All, error)) << error;
    EXPECT_NE(s.Folder.Read("SysInfo.Ini").find("Com=Com1\n"), std::string::npos);
    s.Folder.Write("SysInfo.Ini", "[SysInfo]\nCom=COM4\n; mine\n");
    s.All.ComPort = "COM9";
    ASSERT_TRUE(EnsureSettingsFile(s.All, error)) << error;
    EXPECT_EQ(s.Folder.Read("SysInfo.Ini"), "[SysInfo]\nCom=COM4\n; mine\n");
}

TEST(Settings, ValuesOfOneSectionAreWrittenBesideTheOthers)
{
    TSettingsState s;
    s.Load("[SysInfo]\nCom=COM2\n[Ports]\nCOM3=/dev/ttyUSB0\n");
    std::string error;
    ASSERT_TRUE(SaveSettingsValues(s.All, "Ports", {{"COM4", "/dev/pts/3"}, {"COM3", "/dev/ttyACM0"}}, error));
    EXPECT_EQ(s.Folder.Read("SysInfo.Ini"), "[SysInfo]\nCom=COM2\n[Ports]\nCOM3=/dev/ttyACM0\nCOM4=/dev/pts/3\n");
    EXPECT_EQ(ReadSettingsValue(s.All, "ports", "com4"), "/dev/pts/3");
    EXPECT_EQ(ReadSettingsValue(s.All, "Ports", "COM5", "none"), "none");
}
