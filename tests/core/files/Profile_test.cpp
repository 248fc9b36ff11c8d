// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/files/Profile.h"
#include "core/files/TempFolder.h"

TEST(Profile, SectionsAndKeysIgnoreLetterCase)
{
    TProfile p;
    p.LoadText("; comment\n[SysInfo]\r\nCom=COM3\r\n  language_id =1\n[Other]\nCom=X\n");
    EXPECT_EQ(p.ReadString("sysinfo", "COM", "d"), "COM3");
    EXPECT_EQ(p.ReadString("SYSINFO", "Language_ID", "d"), "1");
    EXPECT_EQ(p.ReadString("Other", "Com", "d"), "X");
    EXPECT_EQ(p.ReadString("Missing", "Com", "d"), "d");
    EXPECT_EQ(p.ReadString("SysInfo", "Missing", "d"), "d");
}

TEST(Profile, ValuesAreVerbatimAndTheFirstDuplicateWins)
{
    TProfile p;
    p.LoadText("[Language]\nInfo= Information\nText=a,b;c=d\nText=second\nEmpty=\n");
    EXPECT_EQ(p.ReadString("Language", "Info", ""), " Information");
    EXPECT_EQ(p.ReadString("Language", "Text", ""), "a,b;c=d");
    EXPECT_EQ(p.ReadString("Language", "Empty", "d"), "");
}

TEST(Profile, WriteStringKeepsEveryOtherLine)
{
    TProfile p;
    p.LoadText("; my settings\n[SysInfo]\nCOM=COM1\nLanguage_SW=English|Chinese\n\n[Ports]\nCOM3=/dev/ttyUSB0\n");
    p.WriteString("SysInfo", "Com", "COM2");
    p.WriteString("SysInfo", "SN_Start", "A1");
    p.WriteString("Ports", "COM4", "/dev/pts/3");
    p.WriteString("New", "Key", "line\nbreak");
    const std::vector<std::string> expected = {
        "; my settings",   "[SysInfo]", "COM=COM2", "Language_SW=English|Chinese",
        "SN_Start=A1",     "",          "[Ports]",  "COM3=/dev/ttyUSB0",
        "COM4=/dev/pts/3", "",          "[New]",    "Key=line break"};
    EXPECT_EQ(p.Lines(), expected);
}

TEST(Profile, SaveAndLoadRoundTrip)
{
    TTempFolder folder;
    TProfile p;
    p.WriteString("SysInfo", "Com", "COM5");
    std::string error;
    ASSERT_TRUE(p.Save(folder.File("a.ini"), error)) << error;
    TProfile q;
    ASSERT_TRUE(q.Load(folder.File("a.ini")));
    EXPECT_EQ(q.ReadString("SysInfo", "Com", ""), "COM5");
    EXPECT_FALSE(q.Load(folder.File("missing.ini")));
    EXPECT_TRUE(q.Lines().empty());
    EXPECT_FALSE(p.Save(folder.File("no/such/folder/a.ini"), error));
    EXPECT_FALSE(error.empty());
}

// Found by the profile fuzz target: a section line ending in a doubled carriage return was no section before
// a save and one after it, which moved every key below it into another section.
TEST(Profile, ALineMeansTheSameBeforeAndAfterASave)
{
    TTempFolder folder;
    folder.Write("crcr.ini", "[Language]\r\nReadOk=done\r\n[Other]\r\r\nExit=x\r\n");
    TProfile p;
    ASSERT_TRUE(p.Load(folder.File("crcr.ini")));
    p.WriteString("Language", "Added", "yes");
    std::string error;
    ASSERT_TRUE(p.Save(folder.File("saved.ini"), error)) << error;
    TProfile q;
    ASSERT_TRUE(q.Load(folder.File("saved.ini")));
    for (const TProfile* profile : {&p, &q}) {
        EXPECT_EQ(profile->ReadString("Language", "Added", ""), "yes");
        EXPECT_EQ(profile->ReadString("Other", "Exit", ""), "x");
        EXPECT_EQ(profile->ReadString("Language", "Exit", "none"), "none");
    }
}

TEST(Profile, DecodesUtf8WithBomAndGb18030)
{
    TTempFolder folder;
    folder.Write("bom.Ini", "\xEF\xBB\xBF[Language]\nReadOk=\xE8\xAF\xBB\xE5\x8F\x96\xE5\xAE\x8C\xE6\x88\x90\n");
    // The same text in the legacy Chinese code page.
    folder.Write("gb.Ini", "[Language]\r\nReadOk=\xB6\xC1\xC8\xA1\xCD\xEA\xB3\xC9\r\n");
    for (const char* name : {"bom.Ini", "gb.Ini"}) {
        TProfile p;
        ASSERT_TRUE(p.Load(folder.File(name)));
        EXPECT_EQ(p.ReadString("Language", "ReadOk", ""), "\xE8\xAF\xBB\xE5\x8F\x96\xE5\xAE\x8C\xE6\x88\x90") << name;
    }
}

TEST(Profile, OddFilesNeverFail)
{
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    const std::pair<const char*, std::string> files[] = {
        {"empty", ""},
        {"no sections", "Com=COM9\nLanguage_ID=1\n"},
        {"binary", binary},
        {"long line", "[SysInfo]\nCom=" + std::string(100000, 'x') + "\n"},
        {"nul bytes", std::string("[SysInfo]\nCom=A\0B\n", 17)},
        {"unclosed section", "[SysInfo\nCom=COM9\n"},
        {"only brackets", "[]\n=\n[\n]\n"},
    };
    TTempFolder folder;
    for (const auto& [name, bytes] : files) {
        folder.Write("odd.ini", bytes);
        TProfile p;
        EXPECT_TRUE(p.Load(folder.File("odd.ini"))) << name;
        const std::string com = p.ReadString("SysInfo", "Com", "Com1");
        if (std::string(name) == "long line") {
            EXPECT_EQ(com.size(), 100000u);
        } else if (std::string(name) == "nul bytes") {
            EXPECT_EQ(com, std::string("A\0B", 3));
        } else if (std::string(name) != "binary") {
            EXPECT_EQ(com, "Com1") << name;
        }
        p.WriteString("SysInfo", "Com", "COM2");
        EXPECT_EQ(p.ReadString("SysInfo", "Com", ""), "COM2") << name;
    }
}

TEST(SplitList, ItemsEndAtBarsSpacesAndControlCharacters)
{
    using L = std::vector<std::string>;
    const std::pair<const char*, L> cases[] = {
        {"English|Chinese", {"English", "Chinese"}},
        {"  English | Chinese ", {"English", "Chinese"}},
        {"English Chinese", {"English", "Chinese"}},
        {"English", {"English"}},
        {"", {}},
        {"a||b", {"a", "", "b"}},
        {"a|", {"a", ""}},
        {"\"Simplified Chinese\"|English", {"Simplified Chinese", "English"}},
        {"\"a|b\"", {"a|b"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"open", {"open"}},
        {"a\tb\x01"
         "c",
         {"a", "b", "c"}},
    };
    for (const auto& [text, items] : cases)
        EXPECT_EQ(SplitList(text), items) << text;
}

// What is no regular file is refused at once (a FIFO never makes the program wait), and so is a file beyond
// any real settings or language file; each gives an empty profile and says why, a missing file says nothing.
TEST(Profile, HostileFilesAreRefusedWithAReason)
{
    TTempFolder folder;
    ASSERT_EQ(mkfifo(folder.File("fifo.ini").c_str(), 0600), 0);
    ASSERT_EQ(mkdir(folder.File("dir.ini").c_str(), 0700), 0);
    folder.Write("huge.ini", "[SysInfo]\nCom=COM9\n" + std::string(TProfile::kMaxFileSize, 'x'));
    ASSERT_EQ(symlink("loop.ini", folder.File("loop.ini").c_str()), 0);
    const std::pair<std::string, std::string> cases[] = {
        {"fifo.ini", "Not a regular file"},
        {"dir.ini", "Is a directory"},
        {"huge.ini", "larger than 1024 KB"},
        {"loop.ini", "Too many levels of symbolic links"},
        {"missing.ini", ""},
    };
    for (const auto& [name, reason] : cases) {
        TProfile p;
        p.LoadText("[SysInfo]\nCom=stale\n");
        std::string problem = "stale";
        EXPECT_FALSE(p.Load(folder.File(name), problem)) << name;
        EXPECT_EQ(problem, reason) << name;
        EXPECT_EQ(p.ReadString("SysInfo", "Com", "Com1"), "Com1") << name;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("dir.ini")));
}

// Large but acceptable files read in one pass whatever their shape: many keys, many empty lines, one long line.
TEST(Profile, LargeFilesReadWhateverTheirShape)
{
    std::string keys = "[SysInfo]\n";
    for (int i = 0; i < 100000; ++i)
        keys += "k" + std::to_string(i) + "=1\n";
    keys += "Com=COM4\n[sysinfo]\nCOM=second\n";
    const std::pair<std::string, std::string> cases[] = {
        {keys, "COM4"},
        {std::string(TProfile::kMaxFileSize - 40, '\n') + "[SysInfo]\nCom=COM5\n", "COM5"},
        {"[SysInfo]\nCom=" + std::string(TProfile::kMaxFileSize - 40, 'y') + "\n",
         std::string(TProfile::kMaxFileSize - 40, 'y')},
        {std::string(TProfile::kMaxFileSize - 40, '\r') + "\n[SysInfo]\nCom=COM6\r\n", "COM6"},
    };
    TTempFolder folder;
    for (const auto& [text, com] : cases) {
        folder.Write("big.ini", text);
        TProfile p;
        std::string problem;
        ASSERT_TRUE(p.Load(folder.File("big.ini"), problem)) << problem;
        EXPECT_EQ(p.ReadString("SYSINFO", "com", ""), com);
        EXPECT_EQ(p.ReadString("SysInfo", "k99999", ""), text == keys ? "1" : "");
        p.WriteString("SysInfo", "Com", "COM1");
        EXPECT_EQ(p.ReadString("SysInfo", "Com", ""), "COM1");
    }
}
