// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/files/DataFile.h"
#include "core/files/TempFolder.h"
#include "core/model/CoreState.h"

namespace
{
std::string ValidFile(TCoreState& s, const TTempFolder& folder)
{
    std::string error;
    EXPECT_TRUE(SaveDataFile(s.All, folder.File("base.dat"), error)) << error;
    return folder.Read("base.dat");
}
} // namespace

TEST(DataFile, SaveWritesTheHeaderAndBlocks1To297)
{
    TCoreState s;
    TTempFolder folder;
    s.At(0) = 0x77; // block 0 is not kept in files
    s.At(16) = 0x12;
    s.At(4767) = 0x34;
    s.All.Modified = true;
    const std::string bytes = ValidFile(s, folder);
    ASSERT_EQ(bytes.size(), 4768u);
    EXPECT_EQ(bytes.substr(0, 16), std::string("PLP47LP47    \xFF\xFF\xFF"));
    EXPECT_EQ(bytes[16], 0x12);
    EXPECT_EQ(static_cast<uint8_t>(bytes[4767]), 0x34);
    EXPECT_FALSE(s.All.Modified);
}

TEST(DataFile, OpenRestoresTheImageAndKeepsBlockZero)
{
    TCoreState s;
    TTempFolder folder;
    ResetChannel(s.All, 1, "145.5");
    s.At(0x1290) = 0x5A;
    const auto saved = s.All.Image;
    ValidFile(s, folder);

    TCoreState t;
    t.At(0) = 0x99;
    t.At(0x12A0) = 0x42;
    t.All.Modified = true;
    std::string error;
    ASSERT_EQ(OpenDataFile(t.All, t.List, folder.File("base.dat"), error), TOpenResult::Ok);
    EXPECT_FALSE(t.All.Modified);
    EXPECT_EQ(t.At(0), 0x99);
    EXPECT_EQ(t.At(0x12A0), 0x42);
    EXPECT_TRUE(std::equal(saved.begin() + 16, saved.begin() + 4768, t.All.Image.begin() + 16));
    EXPECT_TRUE(IsChannelUsed(t.All, 1));
}

TEST(DataFile, OnlyTheModelIdentifierOfTheHeaderIsChecked)
{
    TCoreState s;
    TTempFolder folder;
    std::string bytes = ValidFile(s, folder);
    bytes.replace(5, 11, "garbage-hdr");
    bytes[0] = 'X';
    folder.Write("odd.dat", bytes);
    std::string error;
    EXPECT_EQ(OpenDataFile(s.All, s.List, folder.File("odd.dat"), error), TOpenResult::Ok);

    for (const char* id : {"lp47", "LP4 ", "XXXX"}) {
        bytes.replace(1, 4, id);
        folder.Write("wrong.dat", bytes);
        TCoreState t;
        ResetChannel(t.All, 3, "145.0");
        t.All.Modified = true;
        const auto before = t.All.Image;
        EXPECT_EQ(OpenDataFile(t.All, t.List, folder.File("wrong.dat"), error), TOpenResult::ModelUnknown) << id;
        EXPECT_EQ(t.All.Image, before);
        EXPECT_TRUE(t.All.Modified);
    }
}

// Every hostile data file: a clear result and message, and the previous data set either replaced as a whole
// (nothing of it left in blocks the file does not hold) or kept exactly as it was.
TEST(DataFile, FilesOfAnyLengthAndContent)
{
    TCoreState base;
    TTempFolder folder;
    ResetChannel(base.All, 2, "440.0");
    const std::string valid = ValidFile(base, folder);
    std::string random(4768, '\0');
    uint32_t seed = 12345;
    for (char& c : random)
        c = static_cast<char>((seed = seed * 1103515245 + 12345) >> 16);

    struct TCase {
        const char* Name;
        std::string Bytes;
        TOpenResult Expected;
        std::string Message;
    };
    const std::string tooShort = "The file is too short to be a data file.";
    const auto shortBy = [](int held) {
        return "The data file is incomplete: it holds only " + std::to_string(held) +
               " of the 4768 bytes of a data file. The part it does not hold is that of a new data set.";
    };
    const TCase cases[] = {
        {"empty", "", TOpenResult::TooShort, tooShort},
        {"15 bytes", valid.substr(0, 15), TOpenResult::TooShort, tooShort},
        {"header only", valid.substr(0, 16), TOpenResult::Incomplete, shortBy(16)},
        {"cut inside a block", valid.substr(0, 1000), TOpenResult::Incomplete, shortBy(1000)},
        {"one byte short", valid.substr(0, 4767), TOpenResult::Incomplete, shortBy(4767)},
        {"complete", valid, TOpenResult::Ok, ""},
        {"10 MB", valid + std::string(10 * 1024 * 1024, '\x5A'), TOpenResult::Oversized,
         "The file is longer than a data file: its first 4768 bytes were loaded, the rest of its 10490528 bytes "
         "was ignored."},
        {"random bytes", random, TOpenResult::ModelUnknown, "Wrong model type."},
        {"random with a known model", valid.substr(0, 16) + random.substr(16), TOpenResult::Ok, ""},
    };
    for (const TCase& c : cases) {
        folder.Write("case.dat", c.Bytes);
        // The previous data set: channel 7 in use, an odd byte in block 100.
        TCoreState s;
        ResetChannel(s.All, 7, "145.0");
        s.At(1600) = 0x42;
        s.All.Modified = true;
        const auto before = s.All.Image;
        std::string error;
        const TOpenResult result = OpenDataFile(s.All, s.List, folder.File("case.dat"), error);
        ASSERT_EQ(result, c.Expected) << c.Name;
        EXPECT_EQ(error, c.Message) << c.Name;
        EXPECT_EQ(folder.Read("case.dat"), c.Bytes) << c.Name;
        EXPECT_EQ(s.All.Modified, !IsLoaded(result)) << c.Name;
        if (!IsLoaded(result)) {
            EXPECT_EQ(s.All.Image, before) << c.Name;
            continue;
        }
        if (result == TOpenResult::Incomplete) {
            // Nothing of the previous data set survives where the file holds nothing.
            const size_t held = c.Bytes.size();
            TCoreState fresh;
            EXPECT_FALSE(IsChannelUsed(s.All, 7)) << c.Name;
            if (held <= 1600) {
                EXPECT_EQ(s.At(1600), fresh.At(1600)) << c.Name;
            }
            EXPECT_EQ(IsChannelUsed(s.All, 2), held > 0x1190) << c.Name;
            EXPECT_EQ(s.At(static_cast<int>(held) - 1), static_cast<uint8_t>(valid[held - 1])) << c.Name;
        }
        for (int ch = 1; ch <= 128; ++ch) { // every channel decodes without throwing
            TChannel decoded;
            DecodeChannel(s.All, ch, decoded);
        }
        for (int n = 1; n <= 32; ++n)
            DecodeFmChannel(s.All, n);
    }
}

// Only regular files are read: a FIFO or a device never blocks the program, and nothing changes.
TEST(DataFile, OpenRefusesWhatIsNoRegularFile)
{
    TTempFolder folder;
    ASSERT_EQ(mkfifo(folder.File("fifo.dat").c_str(), 0600), 0);
    ASSERT_EQ(symlink(folder.File("loop2.dat").c_str(), folder.File("loop1.dat").c_str()), 0);
    ASSERT_EQ(symlink(folder.File("loop1.dat").c_str(), folder.File("loop2.dat").c_str()), 0);
    folder.Write("locked.dat", "PLP47");
    chmod(folder.File("locked.dat").c_str(), 0);
    const bool privileged = access(folder.File("locked.dat").c_str(), R_OK) == 0; // root reads it anyway
    const std::pair<std::string, std::string> cases[] = {
        {folder.File("missing.dat"), "No such file or directory"},
        {folder.Path, "Is a directory"},
        {folder.File("fifo.dat"), "Not a regular file"},
        {"/dev/zero", "Not a regular file"},
        {folder.File("loop1.dat"), "Too many levels of symbolic links"},
        {folder.File("locked.dat"), privileged ? "" : "Permission denied"},
    };
    for (const auto& [path, reason] : cases) {
        if (reason.empty())
            continue;
        TCoreState s;
        ResetChannel(s.All, 3, "145.0");
        const auto before = s.All.Image;
        std::string error;
        EXPECT_EQ(OpenDataFile(s.All, s.List, path, error), TOpenResult::CannotOpen) << path;
        EXPECT_EQ(error, "Cannot open file \"" + path + "\". " + reason);
        EXPECT_EQ(s.All.Image, before) << path;
    }
}

TEST(DataFile, MessagesComeInTheLanguageOfTheTexts)
{
    TCoreState s;
    TTempFolder folder;
    const std::string valid = ValidFile(s, folder);
    TMessageTexts texts;
    texts.FileShort = "kurz: %1/%2";
    texts.FileTooShort = "zu kurz";
    texts.ModError = "falsches Modell";
    const std::pair<std::string, std::string> cases[] = {
        {valid.substr(0, 100), "kurz: 100/4768"}, {"P", "zu kurz"}, {"PXXXX" + valid.substr(5), "falsches Modell"}};
    for (const auto& [bytes, message] : cases) {
        folder.Write("case.dat", bytes);
        std::string error;
        OpenDataFile(s.All, s.List, folder.File("case.dat"), error, texts);
        EXPECT_EQ(error, message);
    }
}

TEST(DataFile, AFailedSaveKeepsTheOldFileAndModified)
{
    TCoreState s;
    TTempFolder folder;
    folder.Write("keep.dat", "old contents");
    s.All.Modified = true;
    std::string error;
    // A path whose folder does not exist cannot be created.
    EXPECT_FALSE(SaveDataFile(s.All, folder.File("no/such.dat"), error));
    EXPECT_EQ(error.rfind("Cannot create file \"" + folder.File("no/such.dat") + "\". ", 0), 0u) << error;
    EXPECT_TRUE(s.All.Modified);
    // A disk that fills up in the middle of the write.
    folder.Write("full.dat", "old contents");
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{}, small{1000, 1000};
    getrlimit(RLIMIT_FSIZE, &limit);
    small.rlim_max = limit.rlim_max;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = SaveDataFile(s.All, folder.File("full.dat"), error);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(s.All.Modified);
    EXPECT_EQ(folder.Read("full.dat"), "old contents");
    // A folder standing where the file should go: nothing is replaced.
    mkdir(folder.File("dir.dat").c_str(), 0755);
    EXPECT_FALSE(SaveDataFile(s.All, folder.File("dir.dat"), error));
    EXPECT_TRUE(s.All.Modified);
    EXPECT_EQ(folder.Read("keep.dat"), "old contents");
    // Nothing is left behind by the failed attempts.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path))
        ++entries;
    EXPECT_EQ(entries, 3);
}

TEST(DataFile, SaveReplacesAnExistingFileAndKeepsItsPermissions)
{
    TCoreState s;
    TTempFolder folder;
    folder.Write("old.dat", "old");
    chmod(folder.File("old.dat").c_str(), 0640);
    std::string error;
    ASSERT_TRUE(SaveDataFile(s.All, folder.File("old.dat"), error)) << error;
    EXPECT_EQ(folder.Read("old.dat").size(), 4768u);
    struct stat info = {};
    stat(folder.File("old.dat").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(DataFile, SaveThroughALinkReplacesTheFileItPointsTo)
{
    TCoreState s;
    TTempFolder folder;
    folder.Write("real.dat", "old");
    ASSERT_EQ(symlink(folder.File("real.dat").c_str(), folder.File("link.dat").c_str()), 0);
    std::string error;
    ASSERT_TRUE(SaveDataFile(s.All, folder.File("link.dat"), error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.dat")));
    EXPECT_EQ(folder.Read("real.dat").size(), 4768u);
}

// A link that points nowhere yet is written through: the file appears where it points and the link stays.
TEST(DataFile, SaveThroughADanglingLinkCreatesItsTarget)
{
    TCoreState s;
    TTempFolder folder;
    ASSERT_EQ(symlink("real.dat", folder.File("relative.dat").c_str()), 0);
    ASSERT_EQ(symlink(folder.File("absolute-target.dat").c_str(), folder.File("absolute.dat").c_str()), 0);
    ASSERT_EQ(symlink("relative.dat", folder.File("chain.dat").c_str()), 0);
    std::string error;
    for (const char* link : {"relative.dat", "absolute.dat", "chain.dat"}) {
        ASSERT_TRUE(SaveDataFile(s.All, folder.File(link), error)) << link << ": " << error;
        EXPECT_TRUE(std::filesystem::is_symlink(folder.File(link))) << link;
    }
    EXPECT_EQ(folder.Read("real.dat").size(), 4768u);
    EXPECT_EQ(folder.Read("absolute-target.dat").size(), 4768u);

    ASSERT_EQ(symlink("loop-b.dat", folder.File("loop-a.dat").c_str()), 0);
    ASSERT_EQ(symlink("loop-a.dat", folder.File("loop-b.dat").c_str()), 0);
    EXPECT_FALSE(SaveDataFile(s.All, folder.File("loop-a.dat"), error));
    EXPECT_EQ(error, "Cannot create file \"" + folder.File("loop-a.dat") + "\". Too many levels of symbolic links");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("loop-a.dat")));
}
