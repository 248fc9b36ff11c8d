// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/Backups.h"
#include "core/files/DataFile.h"
#include "core/files/TempFolder.h"
#include "core/model/CoreState.h"

namespace
{
constexpr const char* kNow = "2026-12-10 14:15:30";

void PutSerial(TAppState& all, const std::string& serial)
{
    std::fill_n(all.Image.begin() + kSerialNumber, 16, 0xFF);
    std::copy(serial.begin(), serial.end(), all.Image.begin() + kSerialNumber);
}

struct TBackupsFixture : ::testing::Test {
    TTempFolder Folder;
    TCoreState S;
    void SetUp() override { S.All.BackupFolder = Folder.Path + "backups"; }
    std::string Save(const TAppState& all, const std::string& now = kNow)
    {
        std::string path;
        std::string error;
        EXPECT_TRUE(SaveBackup(all, now, path, error)) << error;
        return path;
    }
    std::string Backups() const { return Folder.Path + "backups/"; }
};

TEST_F(TBackupsFixture, NamedForTheTimeAndTheRadioAndEqualToTheDataFile)
{
    PutSerial(S.All, "ab-12");
    const std::string path = Save(S.All);
    EXPECT_EQ(path, Backups() + "2026-12-10_141530_AB-12.dat");
    std::string error;
    ASSERT_TRUE(SaveDataFile(S.All, Folder.File("saved.dat"), error)) << error;
    EXPECT_EQ(Folder.Read("backups/2026-12-10_141530_AB-12.dat"), Folder.Read("saved.dat"));
    // The same second again, then a radio without a serial number.
    EXPECT_EQ(Save(S.All), Backups() + "2026-12-10_141530_AB-12_2.dat");
    EXPECT_EQ(Save(S.All), Backups() + "2026-12-10_141530_AB-12_3.dat");
    PutSerial(S.All, "");
    EXPECT_EQ(Save(S.All), Backups() + "2026-12-10_141530_QB-H52.dat");
}

TEST_F(TBackupsFixture, TheFolderFollowsTheSettingsFileOrTheDataHome)
{
    EXPECT_EQ(BackupFolder(S.All), Backups());
    S.All.BackupFolder.clear();
    setenv("XDG_DATA_HOME", Folder.Path.c_str(), 1);
    EXPECT_EQ(BackupFolder(S.All), Folder.Path + "/qbh52/backups/");
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", Folder.Path.c_str(), 1);
    EXPECT_EQ(BackupFolder(S.All), Folder.Path + "/.local/share/qbh52/backups/");
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
}

TEST_F(TBackupsFixture, AFolderThatCannotBeMadeFailsWithTheReasonAndChangesNothing)
{
    Folder.Write("file", "x");
    S.All.BackupFolder = Folder.File("file/backups");
    S.All.Modified = true;
    const TAppState before = S.All;
    std::string path;
    std::string error;
    EXPECT_FALSE(SaveBackup(S.All, kNow, path, error));
    EXPECT_NE(error.find("Cannot create folder \"" + Folder.File("file/backups/") + "\"."), std::string::npos) << error;
    EXPECT_EQ(S.All.Image, before.Image);
    EXPECT_TRUE(S.All.Modified);
}

TEST_F(TBackupsFixture, OnlyTheNewest200AreKeptAndOtherFilesStay)
{
    std::filesystem::create_directories(Backups());
    for (int n = 0; n < 205; ++n) {
        const int d = n % 28 + 1;
        const std::string day =
            (n < 100 ? "2025-01-" : "2025-02-") + std::string(d < 10 ? "0" : "") + std::to_string(d);
        Folder.Write("backups/" + day + "_" + std::to_string(100000 + n) + "_OLD.dat", "old");
    }
    Folder.Write("backups/notes.txt", "mine");
    Folder.Write("backups/mine.dat", "mine");
    Save(S.All);
    int backups = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Backups()))
        backups += entry.path().filename().string().starts_with("202") ? 1 : 0;
    EXPECT_EQ(backups, 200);
    EXPECT_TRUE(std::filesystem::exists(Backups() + "2026-12-10_141530_QB-H52.dat"));
    EXPECT_TRUE(std::filesystem::exists(Backups() + "notes.txt"));
    EXPECT_TRUE(std::filesystem::exists(Backups() + "mine.dat"));
}

TEST_F(TBackupsFixture, TheNewestBackupOfTheSameRadioIsFound)
{
    EXPECT_FALSE(FindNewestBackup(S.All, S.List));
    TAppState a = S.All;
    PutSerial(a, "A1");
    ResetChannel(a, 1, "145.5");
    TAppState b = S.All;
    PutSerial(b, "B2");
    const std::string olderA = Save(a, "2026-01-01 10:00:00");
    ResetChannel(a, 2, "146.0");
    const std::string newerA = Save(a, "2026-01-02 10:00:00");
    Save(b, "2026-01-03 10:00:00");
    // Hostile neighbours: a file with a backup's name that is no data file, one of an unknown model.
    Folder.Write("backups/2026-01-04_100000_A1.dat", "garbage");
    std::string other(4768, '\xFF');
    other.replace(0, 5, "PZZ99");
    Folder.Write("backups/2026-01-05_100000_A1.dat", other);

    const auto found = FindNewestBackup(a, S.List);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Path, newerA);
    EXPECT_TRUE(IsChannelUsed(found->State, 2));
    // A radio without a serial number matches by model only, and finds none here.
    EXPECT_FALSE(FindNewestBackup(S.All, S.List));
    Save(S.All, "2026-01-06 10:00:00");
    ASSERT_TRUE(FindNewestBackup(S.All, S.List));
    EXPECT_EQ(FindNewestBackup(S.All, S.List)->Path, Backups() + "2026-01-06_100000_QB-H52.dat");
}
} // namespace
