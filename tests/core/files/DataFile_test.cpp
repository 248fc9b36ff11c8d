#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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
        int BytesLoaded; // file bytes that reach the image
    };
    const TCase cases[] = {
        {"empty", "", TOpenResult::ModelUnknown, 0},
        {"15 bytes", valid.substr(0, 15), TOpenResult::ModelUnknown, 0},
        {"header only", valid.substr(0, 16), TOpenResult::Ok, 0},
        {"cut inside a block", valid.substr(0, 1000), TOpenResult::Ok, 984},
        {"10 MB", valid + std::string(10 * 1024 * 1024, '\x5A'), TOpenResult::Ok, 4752},
        {"random bytes", random, TOpenResult::ModelUnknown, 0},
        {"random with a known model", valid.substr(0, 16) + random.substr(16), TOpenResult::Ok, 4752},
    };
    for (const TCase& c : cases) {
        folder.Write("case.dat", c.Bytes);
        TCoreState s;
        s.All.Modified = true;
        const auto before = s.All.Image;
        std::string error;
        ASSERT_EQ(OpenDataFile(s.All, s.List, folder.File("case.dat"), error), c.Expected) << c.Name;
        EXPECT_EQ(s.All.Modified, c.Expected != TOpenResult::Ok) << c.Name;
        // Channel 2's record lies at image offsets 48 to 79: loaded from the file or left as it was.
        if (c.Expected == TOpenResult::Ok && std::string(c.Name).find("random") == std::string::npos) {
            EXPECT_EQ(IsChannelUsed(s.All, 2), c.BytesLoaded > 0x1190 - 16) << c.Name;
        }
        if (c.Expected == TOpenResult::ModelUnknown) {
            EXPECT_EQ(s.All.Image, before) << c.Name;
        }
        if (std::string(c.Name) == "cut inside a block") {
            EXPECT_EQ(s.At(48), static_cast<uint8_t>(valid[48]));
            EXPECT_EQ(s.At(1000), before[1000]); // the file has no data there
            EXPECT_EQ(s.At(999), static_cast<uint8_t>(valid[999]));
        }
        for (int ch = 1; ch <= 128; ++ch) { // every channel decodes without throwing
            TChannel decoded;
            DecodeChannel(s.All, ch, decoded);
        }
        for (int n = 1; n <= 32; ++n)
            DecodeFmChannel(s.All, n);
    }
}

TEST(DataFile, OpenReportsAFileThatCannotBeRead)
{
    TCoreState s;
    TTempFolder folder;
    std::string error;
    EXPECT_EQ(OpenDataFile(s.All, s.List, folder.File("missing.dat"), error), TOpenResult::CannotOpen);
    EXPECT_EQ(error, "Cannot open file \"" + folder.File("missing.dat") + "\". No such file or directory");
    EXPECT_EQ(OpenDataFile(s.All, s.List, folder.Path, error), TOpenResult::CannotOpen); // a folder
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
