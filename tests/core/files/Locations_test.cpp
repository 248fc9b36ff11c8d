// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/files/LanguageFile.h"
#include "core/files/Locations.h"
#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "core/files/TempFolder.h"

namespace
{
// An installed program under a temporary prefix: PREFIX/bin/ holds only the program, PREFIX/share/qbh52/ the
// shipped data, and the settings go to a temporary $XDG_CONFIG_HOME.
struct TInstalled {
    TTempFolder Prefix;
    TTempFolder Config;
    TAppState All;
    TModelCatalogue List;
    TInstalled()
    {
        std::filesystem::create_directories(Prefix.File("bin"));
        std::filesystem::create_directories(Prefix.File("share/qbh52"));
        Prefix.Write("share/qbh52/English.Ini", "[Language]\nReadOk=Installed texts.\n");
        Prefix.Write("share/qbh52/SysInfo.Ini", "[SysInfo]\nCom=COM4\nLanguage_SW=English|Chinese\n");
        setenv("XDG_CONFIG_HOME", Config.Path.c_str(), 1);
        InitState(All, List, Prefix.File("bin/"));
    }
    ~TInstalled() { unsetenv("XDG_CONFIG_HOME"); }
    bool PrefixHolds(const std::string& name) const { return std::filesystem::exists(Prefix.File(name)); }
};
} // namespace

TEST(Locations, APortableProgramKeepsEverythingBesideItself)
{
    TTempFolder folder;
    folder.Write("English.Ini", "[Language]\n");
    TAppState all;
    TModelCatalogue list;
    InitState(all, list, folder.Path);
    EXPECT_TRUE(IsPortable(all));
    EXPECT_EQ(DataFolder(all), folder.Path);
    EXPECT_EQ(LanguageFilePath(all, "English"), folder.File("English.Ini"));
    EXPECT_EQ(SettingsFilePath(all), folder.File("SysInfo.Ini"));
    EXPECT_EQ(DataFolderProblem(all), "");
}

TEST(Locations, AnInstalledProgramReadsItsShareFolderAndWritesOnlyToTheConfigFolder)
{
    TInstalled p;
    EXPECT_FALSE(IsPortable(p.All));
    EXPECT_EQ(DataFolder(p.All), p.Prefix.File("bin/../share/qbh52/"));
    EXPECT_EQ(DataFolderProblem(p.All), "");
    TMessageTexts texts;
    LoadMessageTexts(texts, p.All, "English");
    EXPECT_EQ(texts.ReadOk, "Installed texts.");

    // Before the user has a settings file the shipped one is read; saving never touches the prefix, although
    // this prefix is writable.
    LoadSettings(p.All);
    EXPECT_EQ(p.All.ComPort, "COM4");
    p.All.ComPort = "COM7";
    std::string error;
    ASSERT_TRUE(SaveSettings(p.All, error)) << error;
    EXPECT_EQ(SettingsFilePath(p.All), p.Config.File("qbh52/SysInfo.Ini"));
    EXPECT_FALSE(p.PrefixHolds("bin/SysInfo.Ini"));
    EXPECT_EQ(p.Prefix.Read("share/qbh52/SysInfo.Ini"), "[SysInfo]\nCom=COM4\nLanguage_SW=English|Chinese\n");
    p.All.ComPort.clear();
    LoadSettings(p.All);
    EXPECT_EQ(p.All.ComPort, "COM7");
}

TEST(Locations, AMissingDataFolderIsNamedAndTheBuiltInTextsStay)
{
    TInstalled p;
    std::filesystem::remove_all(p.Prefix.File("share"));
    const std::string problem = DataFolderProblem(p.All);
    EXPECT_NE(problem.find(p.Prefix.File("bin/../share/qbh52/")), std::string::npos) << problem;
    TMessageTexts texts;
    LoadMessageTexts(texts, p.All, "English");
    EXPECT_EQ(texts.ReadOk, TMessageTexts().ReadOk);
    LoadSettings(p.All);
    EXPECT_EQ(p.All.ComPort, "Com1");
}

TEST(Locations, ASettingsFolderThatCannotBeCreatedIsReported)
{
    TInstalled p;
    p.Config.Write("file", "not a folder");
    setenv("XDG_CONFIG_HOME", p.Config.File("file").c_str(), 1);
    std::string error;
    EXPECT_FALSE(SaveSettings(p.All, error));
    EXPECT_NE(error.find(p.Config.File("file/qbh52/")), std::string::npos) << error;
}
