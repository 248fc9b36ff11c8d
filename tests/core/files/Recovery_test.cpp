// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/files/DataFile.h"
#include "core/files/Recovery.h"
#include "core/files/TempFolder.h"
#include "core/model/CoreState.h"

namespace
{
namespace fs = std::filesystem;

// A portable program in a folder of its own, which keeps its recovery copy beside itself.
struct TPortable {
    TTempFolder Folder;
    TCoreState State;
    TPortable() : State(PrepareFolder(Folder)) {}
    static std::string PrepareFolder(const TTempFolder& folder)
    {
        folder.Write("English.Ini", "[Language]\n");
        return folder.Path;
    }
    std::string CopyPath() const { return Folder.File("recovery.dat"); }
    // The files of the folder apart from the language file.
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder.Path))
            if (entry.path().filename() != "English.Ini")
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

std::string ValidCopy(TCoreState& s)
{
    ResetChannel(s.All, 7, "146.52");
    const std::vector<uint8_t> bytes = DataFileBytes(s.All);
    return std::string(bytes.begin(), bytes.end());
}

struct THostileCopy {
    const char* Name;
    // Puts the hostile thing where the copy belongs.
    void (*Make)(const TPortable& p, const std::string& valid);
    // A part of the reason the reading gives.
    const char* Reason;
};

void WriteBytes(const TPortable& p, const std::string& bytes)
{
    p.Folder.Write("recovery.dat", bytes);
}

const THostileCopy kHostileCopies[] = {
    {"empty", [](const TPortable& p, const std::string&) { WriteBytes(p, ""); }, "it holds 0 of the 4768 bytes"},
    {"header only", [](const TPortable& p, const std::string& v) { WriteBytes(p, v.substr(0, 16)); },
     "it holds 16 of the 4768 bytes"},
    {"cut short by a crash of the disk",
     [](const TPortable& p, const std::string& v) { WriteBytes(p, v.substr(0, 3000)); },
     "it holds 3000 of the 4768 bytes"},
    {"a byte too long", [](const TPortable& p, const std::string& v) { WriteBytes(p, v + "x"); },
     "it holds 4769 of the 4768 bytes"},
    {"another model", [](const TPortable& p, const std::string& v) { WriteBytes(p, "PXX99" + v.substr(5)); },
     "Wrong model type."},
    {"garbage of the right size",
     [](const TPortable& p, const std::string&) {
         std::string bytes(kDataFileSize, '\0');
         for (size_t i = 0; i < bytes.size(); ++i)
             bytes[i] = static_cast<char>((i * 7919 + 13) % 251);
         WriteBytes(p, bytes);
     },
     "Wrong model type."},
    {"a folder", [](const TPortable& p, const std::string&) { fs::create_directory(p.CopyPath()); }, "Is a directory"},
    {"a FIFO nobody writes to",
     [](const TPortable& p, const std::string&) { ASSERT_EQ(mkfifo(p.CopyPath().c_str(), 0600), 0); },
     "Not a regular file"},
};
} // namespace

TEST(Recovery, ACopyComesBackWholeAndIsRemovedWithoutTrace)
{
    TPortable p;
    const std::string valid = ValidCopy(p.State);
    std::string error;
    ASSERT_TRUE(WriteRecoveryCopy(p.State.All, error)) << error;
    EXPECT_EQ(p.Folder.Read("recovery.dat"), valid);
    EXPECT_TRUE(RecoveryCopyExists(p.State.All));

    TPortable q;
    q.State.All.AppDir = p.State.All.AppDir;
    TAppState restored;
    std::string reason;
    ASSERT_TRUE(ReadRecoveryCopy(q.State.All, q.State.List, restored, reason)) << reason;
    EXPECT_TRUE(IsChannelUsed(restored, 7));
    EXPECT_FALSE(IsChannelUsed(q.State.All, 7));
    EXPECT_EQ(restored.ModelId, p.State.All.ModelId);

    ASSERT_TRUE(RemoveRecoveryCopy(p.State.All, error)) << error;
    EXPECT_FALSE(RecoveryCopyExists(p.State.All));
    EXPECT_TRUE(RemoveRecoveryCopy(p.State.All, error)) << "a copy that is gone already is no failure";
    EXPECT_EQ(p.Files(), std::vector<std::string>{});
}

TEST(Recovery, AHostileCopyIsNeverLoadedAndIsSetAsideWithItsBytes)
{
    for (const THostileCopy& c : kHostileCopies) {
        SCOPED_TRACE(c.Name);
        TPortable p;
        TCoreState source;
        c.Make(p, ValidCopy(source));
        const bool isFile = fs::is_regular_file(p.CopyPath());
        const std::string before = isFile ? p.Folder.Read("recovery.dat") : "";
        TAppState restored;
        restored.ModelId = "kept";
        std::string reason;
        EXPECT_FALSE(ReadRecoveryCopy(p.State.All, p.State.List, restored, reason));
        EXPECT_NE(reason.find(c.Reason), std::string::npos) << reason;
        EXPECT_EQ(restored.ModelId, "kept") << "nothing is loaded half-way";

        std::string aside, error;
        ASSERT_TRUE(SetAsideRecoveryCopy(p.State.All, "20261211-101500", aside, error)) << error;
        EXPECT_EQ(aside, p.CopyPath() + ".bad-20261211-101500");
        EXPECT_FALSE(RecoveryCopyExists(p.State.All));
        if (isFile) {
            EXPECT_EQ(p.Folder.Read("recovery.dat.bad-20261211-101500"), before);
        }
    }
}

TEST(Recovery, ASecondCopySetAsideInTheSameSecondKeepsTheFirst)
{
    TPortable p;
    std::string aside, error;
    for (const char* bytes : {"first", "second", "third"}) {
        p.Folder.Write("recovery.dat", bytes);
        ASSERT_TRUE(SetAsideRecoveryCopy(p.State.All, "20261211-101500", aside, error)) << error;
    }
    EXPECT_EQ(aside, p.CopyPath() + ".bad-20261211-101500-3");
    EXPECT_EQ(p.Folder.Read("recovery.dat.bad-20261211-101500"), "first");
    EXPECT_EQ(p.Folder.Read("recovery.dat.bad-20261211-101500-2"), "second");
}

TEST(Recovery, AnInstalledProgramKeepsItsCopyInTheStateFolder)
{
    TTempFolder home, state;
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    setenv("HOME", home.Path.substr(0, home.Path.size() - 1).c_str(), 1);
    TCoreState s(home.File("bin/"));
    const struct {
        const char* Xdg; // nullptr: unset
        std::string Folder;
    } cases[] = {
        {state.Path.c_str(), state.File("qbh52/")},
        {nullptr, home.File(".local/state/qbh52/")},
        {"relative/state", home.File(".local/state/qbh52/")}, // the XDG rules ignore a relative value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Xdg ? c.Xdg : "unset");
        if (c.Xdg)
            setenv("XDG_STATE_HOME", c.Xdg, 1);
        else
            unsetenv("XDG_STATE_HOME");
        EXPECT_EQ(RecoveryFolder(s.All), c.Folder);
        std::string error;
        ASSERT_TRUE(WriteRecoveryCopy(s.All, error)) << error;
        EXPECT_TRUE(fs::is_regular_file(c.Folder + "recovery.dat"));
        EXPECT_FALSE(fs::exists(home.File("bin/recovery.dat")));
    }
    unsetenv("XDG_STATE_HOME");
    setenv("HOME", savedHome.c_str(), 1);
}

// What the store says when the copy cannot be kept; the copy written before stays whole every time.
TEST(Recovery, AStateFolderThatCannotBeMadeOrIsFullIsReportedAndTheOldCopyStays)
{
    TPortable p;
    const std::string valid = ValidCopy(p.State);
    std::string error;
    ASSERT_TRUE(WriteRecoveryCopy(p.State.All, error)) << error;
    ResetChannel(p.State.All, 8, "147.0");

    // The disk fills up in the middle of the write.
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{}, small{1000, 1000};
    getrlimit(RLIMIT_FSIZE, &limit);
    small.rlim_max = limit.rlim_max;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WriteRecoveryCopy(p.State.All, error);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(written);
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    EXPECT_EQ(p.Folder.Read("recovery.dat"), valid);
    EXPECT_EQ(p.Files(), std::vector<std::string>{"recovery.dat"}) << "no temporary file is left behind";

    // A file stands where the state folder should be made.
    TTempFolder home;
    home.Write("state", "a file, not a folder");
    setenv("XDG_STATE_HOME", home.File("state").c_str(), 1);
    TCoreState installed(home.File("bin/"));
    EXPECT_FALSE(WriteRecoveryCopy(installed.All, error));
    EXPECT_NE(error.find("Cannot create folder \"" + home.File("state/qbh52/") + "\""), std::string::npos) << error;
    TRecoveryLock lock;
    EXPECT_FALSE(lock.Acquire(installed.All, error));
    EXPECT_FALSE(lock.Busy());
    unsetenv("XDG_STATE_HOME");
}

TEST(Recovery, TheLockIsOneProgramsAtATimeAndFreedWhenItsHolderIsKilled)
{
    TPortable p;
    std::string error;
    TRecoveryLock first, second;
    ASSERT_TRUE(first.Acquire(p.State.All, error)) << error;
    EXPECT_FALSE(second.Acquire(p.State.All, error));
    EXPECT_TRUE(second.Busy());
    first.Release();
    EXPECT_TRUE(second.Acquire(p.State.All, error)) << error;
    second.Release();

    // Another process takes it and is killed without a chance to let go.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        TRecoveryLock held;
        std::string ignored;
        const char answer = held.Acquire(p.State.All, ignored) ? '1' : '0';
        [[maybe_unused]] const ssize_t sent = write(ready[1], &answer, 1);
        pause();
        _exit(0);
    }
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    EXPECT_EQ(answer, '1');
    EXPECT_FALSE(first.Acquire(p.State.All, error));
    EXPECT_TRUE(first.Busy());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(first.Acquire(p.State.All, error)) << error;
    close(ready[0]);
    close(ready[1]);
}
