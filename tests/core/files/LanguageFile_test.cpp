// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/files/LanguageFile.h"
#include "core/files/StartUp.h"
#include "core/files/TempFolder.h"
#include "core/model/AppState.h"

namespace
{
struct TLanguageState {
    TTempFolder Folder;
    TAppState All;
    TModelCatalogue List;
    // A portable program's folder: the language files beside the program.
    TLanguageState()
    {
        Folder.Write("English.Ini", "[Language]\n");
        InitState(All, List, Folder.Path);
    }
};
} // namespace

TEST(MessageTexts, ComeFromTheLanguageSection)
{
    TLanguageState s;
    s.Folder.Write("Test.Ini", "[fMainFrm]\nReadOk=not this\n[language]\nreadok=Done.\nModError=Falsches Modell.\n");
    TMessageTexts texts;
    texts.WriteOk = "stale";
    LoadMessageTexts(texts, s.All, "Test");
    EXPECT_EQ(texts.ReadOk, "Done.");
    EXPECT_EQ(texts.ModError, "Falsches Modell.");
    EXPECT_EQ(texts.WriteOk, "Writing Completed."); // missing keys keep the built-in text
    EXPECT_EQ(texts.Info, " Information");
}

TEST(MessageTexts, MissingOrOddFilesKeepTheBuiltInTexts)
{
    TLanguageState s;
    s.Folder.Write("Bin.Ini", std::string("\x00\xFF\xFE[Language\n\x81\x30", 10));
    for (const char* name : {"Missing", "Bin", "../Bin", ""}) {
        TMessageTexts texts;
        texts.ReadOk = "stale";
        LoadMessageTexts(texts, s.All, name);
        EXPECT_EQ(texts.ReadOk, "Reading Completed.") << name;
        EXPECT_EQ(texts.Confirmation, "Confirmation") << name;
    }
}

TEST(MessageTexts, TheShippedChineseFileIsReadable)
{
    TLanguageState s;
    s.All.AppDir = QBH52_SOURCE_DIR "/lang/";
    TMessageTexts texts;
    LoadMessageTexts(texts, s.All, "Chinese");
    EXPECT_NE(texts.ModError, TMessageTexts().ModError);
    EXPECT_NE(texts.ReadOk, TMessageTexts().ReadOk);
    EXPECT_EQ(texts.Info.substr(0, 1), " "); // the leading space of the value is kept
}

TEST(LanguageLists, FromTheSettingsFile)
{
    TLanguageState s;
    s.All.LanguageName = "English";
    std::vector<std::string> display{"kept"}, files;
    ReadLanguageLists(s.All, display, files);
    EXPECT_EQ(display, (std::vector<std::string>{"kept", "English", "Chinese"}));
    EXPECT_EQ(files, (std::vector<std::string>{"English", "Chinese"}));

    s.Folder.Write("SysInfo.Ini", "[SysInfo]\nLanguage=English|Chinese|German\n"
                                  "Chinese=\"Ying Wen\"|Zhong Wen\n");
    s.All.LanguageName = "Chinese";
    display.clear();
    files.clear();
    ReadLanguageLists(s.All, display, files);
    EXPECT_EQ(display, (std::vector<std::string>{"Ying Wen", "Zhong", "Wen"}));
    EXPECT_EQ(files, (std::vector<std::string>{"English", "Chinese", "German"}));
}

TEST(LanguageFiles, ANameThatReachesIntoAnotherFolderNamesNoFile)
{
    TLanguageState s;
    EXPECT_EQ(LanguageFilePath(s.All, "Chinese"), s.Folder.File("Chinese.Ini"));
    EXPECT_EQ(LanguageFilePath(s.All, "../etc/passwd"), "");
}

// The built-in texts are the English file's: a text corrected in one and not in the other would show one
// wording without a language file and another with it. The Chinese file translates every one of them.
TEST(MessageTexts, TheShippedFilesHoldEveryTextAndEnglishIsTheBuiltIn)
{
    TLanguageState s;
    s.All.AppDir = QBH52_SOURCE_DIR "/lang/";
    TMessageTexts builtIn;
    TMessageTexts english;
    TMessageTexts chinese;
    LoadMessageTexts(english, s.All, "English");
    LoadMessageTexts(chinese, s.All, "Chinese");
    const auto builtInFields = MessageTextFields(builtIn);
    const auto englishFields = MessageTextFields(english);
    const auto chineseFields = MessageTextFields(chinese);
    for (size_t i = 0; i < builtInFields.size(); ++i) {
        const char* key = builtInFields[i].first;
        EXPECT_EQ(*englishFields[i].second, *builtInFields[i].second) << key;
        EXPECT_NE(*chineseFields[i].second, *builtInFields[i].second) << key;
    }
}
