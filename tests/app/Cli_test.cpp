// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-cli run as a user runs it: on data files, reading what it prints and its exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>
#include <sys/wait.h>

#include "core/files/DataFile.h"
#include "core/files/TempFolder.h"
#include "core/model/CoreState.h"

namespace
{
struct TRun {
    int Status;
    std::string Out;
    std::string Err;
};

TRun RunCli(const TTempFolder& folder, const std::string& arguments)
{
    const std::string command = std::string("'") + QBH52_BIN_DIR + "/qbh52-cli' " + arguments + " >'" +
                                folder.File("out.txt") + "' 2>'" + folder.File("err.txt") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, folder.Read("out.txt"), folder.Read("err.txt")};
}

void PutRecord(TCoreState& s, int channel, std::initializer_list<uint8_t> bytes)
{
    int k = 0;
    for (uint8_t byte : bytes)
        s.At(ChannelByte(channel, k++)) = byte;
    SetMapBit(s.All, kChannelEmptyMap, channel, false);
}

// A data file written byte by byte, as a radio could have left it.
std::string MakeFile(const TTempFolder& folder)
{
    TCoreState s;
    ResetChannel(s.All, 1, "145.5");
    PutRecord(s, 2, {0x31, 0x8D, 0xA8, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0x85, 0x08, 0x23, 0xC0, 0x01,
                     0x10, 0xFF, 0x12, 0x34, 0x5F, 33,   2,    34,   12,   35,   0,    0});
    SetMapBit(s.All, kScanSkipMap, 2, false);
    PutRecord(s, 3, {0x00, 0x2D, 0x31, 0x01, 0x8A, 0x42, 0xDD, 0x00, 0x0A, 0x1F});
    PutRecord(s, 128, {0x00, 0x85, 0xCF, 0x00, 0xC0, 0x80, 0x09, 0x01});
    const std::pair<int, uint16_t> fm[] = {{1, 4068}, {2, 0xFFFF}, {3, 4300}, {5, 4000}, {32, 3800}};
    for (const auto& [n, value] : fm) {
        WriteLe16(&s.At(0x1050 + 2 * (n - 1)), value);
        if (n != 5 && n != 32)
            SetMapBit(s.All, kFmEmptyMap, n, false);
    }
    const uint8_t stamp[7] = {0xE8, 0x07, 0x03, 0x05, 0x0E, 0x07, 0x09};
    std::copy(stamp, stamp + 7, &s.At(kWriteTime));
    const char serial[] = "ab-12\0\0\0\0\0\0\0\0\0\0\0";
    std::copy(serial, serial + 16, &s.At(kSerialNumber));
    std::string error;
    EXPECT_TRUE(SaveDataFile(s.All, folder.File("radio.dat"), error)) << error;
    return folder.File("radio.dat");
}
} // namespace

TEST(Cli, ChannelsAsTheChannelTableShowsThem)
{
    TTempFolder folder;
    const TRun run = RunCli(folder, "channels '" + MakeFile(folder) + "'");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out,
              "No.,RX Frequency,TX Frequency,QT/DQT Dec,QT/DQT Enc,TX Power,W/N,Scan Add,Busy Lock,Vox,Voice Mode,"
              "Epilogue,PTT ID,DTMF,NAME,ID Code\n"
              "1,145.50000,145.50000,None,None,High,Wide,Del,Off,No,Off,On,Off,OFF,,000\n"
              "2,446.00625,,88.5,D023I,Low,Narrow,Add,On,Yes,Scramble,Off,EOT,ON,\"A\"\"B,C\",12345\n"
              "3,400.00000,145.00500,None,None,High,Wide,Del,Off,No,Off,On,Off,OFF,,000\n"
              "128,136.00000,174.00000,None,None,High,Wide,Del,Off,No,Off,On,Off,OFF,,000\n");
    EXPECT_EQ(run.Err, "");
}

TEST(Cli, FmMemoriesAndTheCurrentFrequency)
{
    TTempFolder folder;
    const TRun run = RunCli(folder, "fm '" + MakeFile(folder) + "'");
    EXPECT_EQ(run.Status, 0) << run.Err;
    std::string expected = "No.,Frequency\nCurrent,95.00000\n1,101.70000\n2,88.00000\n3,107.50000\n";
    for (int n = 4; n <= 25; ++n)
        expected += std::to_string(n) + ",\n";
    EXPECT_EQ(run.Out, expected);
}

TEST(Cli, InfoAsTheRadioInformationWindowShowsIt)
{
    TTempFolder folder;
    const TRun run = RunCli(folder, "info '" + MakeFile(folder) + "'");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "Model Type: QB-H52\n"
                       "Frequency[MHz]: 400.00000 - 480.00000/136.00000 - 174.00000MHz\n"
                       "Memory Channels: 4\n"
                       "FM Channels: 3\n"
                       "Write Time: 2024-03-05 14:07:09\n"
                       "Serial Number: AB 12           \n");
}

TEST(Cli, NewWritesTheNewDataSet)
{
    TTempFolder folder;
    const TRun run = RunCli(folder, "new '" + folder.File("new.dat") + "'");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    const std::string bytes = folder.Read("new.dat");
    ASSERT_EQ(bytes.size(), 4768u);
    EXPECT_EQ(bytes.substr(0, 16), std::string("PLP47LP47    \xFF\xFF\xFF"));
    EXPECT_EQ(bytes.substr(kModelIdent, 8), std::string("PLP47\xFF\x05\x00", 8));
    const TRun channels = RunCli(folder, "channels '" + folder.File("new.dat") + "'");
    EXPECT_EQ(channels.Out.find('\n'), channels.Out.size() - 1); // the header alone
}

// A new data set holds no channel: saved over a radio's file it would lose that radio's memory.
TEST(Cli, NewReplacesAnExistingFileOnlyWithForce)
{
    TTempFolder folder;
    const std::string file = MakeFile(folder);
    const std::string before = folder.Read("radio.dat");
    const TRun refused = RunCli(folder, "new '" + file + "'");
    EXPECT_EQ(refused.Status, 1);
    EXPECT_EQ(refused.Err, "qbh52-cli: \"" + file + "\" already exists; --force replaces it\n");
    EXPECT_EQ(folder.Read("radio.dat"), before);
    const TRun forced = RunCli(folder, "new --force '" + file + "'");
    EXPECT_EQ(forced.Status, 0) << forced.Err;
    EXPECT_NE(folder.Read("radio.dat"), before);
    const TRun channels = RunCli(folder, "channels '" + file + "'");
    EXPECT_EQ(channels.Out.find('\n'), channels.Out.size() - 1); // the header alone: the new data set
    EXPECT_EQ(RunCli(folder, "new --force").Status, 2);
}

TEST(Cli, FailuresPrintOneLineAndNothingElse)
{
    TTempFolder folder;
    folder.Write("short.dat", "PLP4");
    mkfifo(folder.File("fifo.dat").c_str(), 0600); // never opened for writing: reading it would wait for ever
    std::string wrong(4768, '\xFF');
    wrong.replace(0, 5, "PLP48");
    folder.Write("wrong.dat", wrong);
    const std::pair<std::string, std::string> cases[] = {
        {"channels '" + folder.File("missing.dat") + "'",
         "qbh52-cli: Cannot open file \"" + folder.File("missing.dat") + "\". No such file or directory\n"},
        {"info '" + folder.File("short.dat") + "'", "qbh52-cli: The file is too short to be a data file.\n"},
        {"info '" + folder.File("fifo.dat") + "'",
         "qbh52-cli: Cannot open file \"" + folder.File("fifo.dat") + "\". Not a regular file\n"},
        {"fm '" + folder.File("wrong.dat") + "'", "qbh52-cli: Wrong model type.\n"},
        {"new '" + folder.File("no/such/folder.dat") + "'", ""},
    };
    for (const auto& [arguments, message] : cases) {
        const TRun run = RunCli(folder, arguments);
        EXPECT_EQ(run.Status, 1) << arguments;
        EXPECT_EQ(run.Out, "") << arguments;
        if (!message.empty()) {
            EXPECT_EQ(run.Err, message) << arguments;
        }
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << arguments;
    }
    EXPECT_EQ(RunCli(folder, "unknown").Status, 2);
}

TEST(Cli, SettingsListsAndSetChangesByTheSameLabels)
{
    TTempFolder folder;
    const std::string file = MakeFile(folder);
    const TRun listed = RunCli(folder, "settings '" + file + "'");
    EXPECT_EQ(listed.Status, 0) << listed.Err;
    EXPECT_NE(listed.Out.find("\nOptional Function / Squelch level = 5\n"), std::string::npos) << listed.Out;
    EXPECT_NE(listed.Out.find("\nFM Information / Frequency[MHz] 1 = 101.70000\n"), std::string::npos);
    EXPECT_NE(listed.Out.find("\nRadio Information / Serial Number = AB 12\n"), std::string::npos);

    const std::string out = folder.File("set.dat");
    const TRun set =
        RunCli(folder, "set '" + file + "' 'Squelch Level=2' 'Scan Information / Scan Mode=SE' '" + out + "'");
    EXPECT_EQ(set.Status, 0) << set.Err;
    const TRun after = RunCli(folder, "settings '" + out + "'");
    EXPECT_NE(after.Out.find("\nOptional Function / Squelch level = 2\n"), std::string::npos);
    EXPECT_NE(after.Out.find("\nScan Information / Scan Mode = SE\n"), std::string::npos);
    // Only the two settings differ.
    EXPECT_EQ(std::count(after.Out.begin(), after.Out.end(), '\n'),
              std::count(listed.Out.begin(), listed.Out.end(), '\n'));

    const TRun refused =
        RunCli(folder, "set '" + file + "' 'Squelch Level=2' 'Lamp=Bright' '" + folder.File("no.dat") + "'");
    EXPECT_EQ(refused.Status, 1);
    EXPECT_EQ(refused.Err, "qbh52-cli: Lamp: allowed values: Off, On, Auto\n");
    EXPECT_EQ(folder.Read("no.dat"), "") << "nothing is written";
}

TEST(Cli, EveryCommandAnswersHelp)
{
    TTempFolder folder;
    const TRun overview = RunCli(folder, "--help");
    EXPECT_EQ(overview.Status, 0);
    for (const char* command :
         {"new", "info", "channels", "fm", "read", "write", "settings", "set", "export-csv", "import-csv"}) {
        EXPECT_NE(overview.Out.find(std::string("\n  qbh52-cli ") + command + " "), std::string::npos) << command;
        const TRun help = RunCli(folder, std::string(command) + " --help");
        EXPECT_EQ(help.Status, 0) << command;
        EXPECT_EQ(help.Out.rfind(std::string("usage: qbh52-cli ") + command + " ", 0), 0u) << help.Out;
        EXPECT_EQ(help.Err, "");
    }
}

// A usage error names what is wrong, then the command's usage, and exits 2 without touching a file.
TEST(Cli, UsageErrorsExitTwo)
{
    TTempFolder folder;
    const std::string file = MakeFile(folder);
    const std::pair<std::string, std::string> cases[] = {
        {"", "usage:\n"},
        {"unknown", "qbh52-cli: unknown command \"unknown\"\nusage:\n"},
        {"info", "qbh52-cli: info needs exactly one file name\nusage: qbh52-cli info FILE.dat\n"},
        {"settings a.dat b.dat", "usage: qbh52-cli settings FILE.dat\n"},
        {"set '" + file + "' out.dat", "usage: qbh52-cli set "},
        {"set '" + file + "' Squelch out.dat", "qbh52-cli: \"Squelch\" is not 'Field=value'\n"},
        {"read out.dat", "usage: qbh52-cli read "},
        {"export-csv '" + file + "'", "usage: qbh52-cli export-csv "},
        {"import-csv in.csv", "usage: qbh52-cli import-csv "},
        {"import-csv in.csv --into out.dat", "usage: qbh52-cli import-csv "},
        {"import-csv in.csv --bogus out.dat", "usage: qbh52-cli import-csv "},
    };
    for (const auto& [arguments, message] : cases) {
        const TRun run = RunCli(folder, arguments);
        EXPECT_EQ(run.Status, 2) << arguments;
        EXPECT_NE(run.Err.find(message), std::string::npos) << arguments << ": " << run.Err;
        EXPECT_EQ(run.Out, "") << arguments;
    }
    EXPECT_EQ(folder.Read("out.dat"), "");
}

TEST(Cli, ExportCsvThenImportCsvGivesTheSameChannels)
{
    TTempFolder folder;
    const std::string file = MakeFile(folder);
    const TRun exported = RunCli(folder, "export-csv '" + file + "' '" + folder.File("out.csv") + "'");
    EXPECT_EQ(exported.Status, 0) << exported.Err;
    const std::string csv = folder.Read("out.csv");
    EXPECT_EQ(csv.rfind("Location,Name,Frequency,Duplex,Offset,Tone,", 0), 0u) << csv;
    EXPECT_NE(
        csv.find("\r\n2,\"A\"\"B,C\",446.006250,off,0.000000,Cross,88.5,88.5,023,RN,023,DTCS->Tone,NFM,37.50,,1.0W,"),
        std::string::npos)
        << csv;

    const TRun imported =
        RunCli(folder, "import-csv '" + folder.File("out.csv") + "' '" + folder.File("back.dat") + "'");
    EXPECT_EQ(imported.Status, 0) << imported.Err;
    EXPECT_EQ(imported.Err, "4 of 4 rows imported into 4 channels, 0 skipped.\n");
    EXPECT_EQ(RunCli(folder, "export-csv '" + folder.File("back.dat") + "' '" + folder.File("back.csv") + "'").Status,
              0);
    EXPECT_EQ(folder.Read("back.csv"), csv);
}

TEST(Cli, ImportCsvMergesOrReplacesAndWritesOnlyWhenARowWasImported)
{
    TTempFolder folder;
    const std::string base = MakeFile(folder);
    folder.Write("one.csv", "Location,Frequency,Name\n3,146.52,SIMPLEX\n500,146.0,HIGH\n");
    const TRun merged = RunCli(folder, "import-csv '" + folder.File("one.csv") + "' --into '" + base + "' '" +
                                           folder.File("m.dat") + "'");
    EXPECT_EQ(merged.Status, 0) << merged.Err;
    EXPECT_EQ(merged.Err, "1 of 2 rows imported into 1 channels, 1 skipped.\n"
                          "line 3, Location 500: skipped: Location 500 is not a channel 1 to 128\n");
    const std::string mergedChannels = RunCli(folder, "channels '" + folder.File("m.dat") + "'").Out;
    EXPECT_NE(mergedChannels.find("\n3,146.52000,146.52000,"), std::string::npos) << mergedChannels;
    EXPECT_NE(mergedChannels.find("\n128,136.00000,"), std::string::npos) << "kept";

    const TRun replaced = RunCli(folder, "import-csv --replace '" + folder.File("one.csv") + "' --into '" + base +
                                             "' '" + folder.File("r.dat") + "'");
    EXPECT_EQ(replaced.Status, 0) << replaced.Err;
    const std::string replacedChannels = RunCli(folder, "channels '" + folder.File("r.dat") + "'").Out;
    EXPECT_EQ(std::count(replacedChannels.begin(), replacedChannels.end(), '\n'), 2) << replacedChannels;

    folder.Write("none.csv", "Location,Frequency\n0,146.0\n");
    folder.Write("bad.csv", "Location,Frequency\n1,\"146.0\n");
    const std::pair<std::string, std::string> failures[] = {
        {"none.csv", "qbh52-cli: " + folder.File("none.csv") + ": no row could be imported; "},
        {"bad.csv", "qbh52-cli: " + folder.File("bad.csv") + ": line 2: a quoted field is not closed\n"},
        {"missing.csv", "qbh52-cli: Cannot open file \"" + folder.File("missing.csv") + "\"."},
    };
    for (const auto& [csv, message] : failures) {
        const TRun run = RunCli(folder, "import-csv '" + folder.File(csv) + "' '" + folder.File("no.dat") + "'");
        EXPECT_EQ(run.Status, 1) << csv;
        EXPECT_NE(run.Err.find(message), std::string::npos) << run.Err;
        EXPECT_EQ(folder.Read("no.dat"), "") << csv;
    }
}

// diff exits as diff does: 0 same, 1 different, 2 for a usage or file error, and prints one line per change.
TEST(Cli, DiffListsTheChangesAndExitsAsDiffDoes)
{
    TTempFolder folder;
    const std::string radio = MakeFile(folder);
    TCoreState s;
    std::string error;
    ASSERT_EQ(OpenDataFile(s.All, s.List, radio, error), TOpenResult::Ok) << error;
    std::string text = "145.525";
    SetChannelField(s.All, 1, TChannelField::RxFrequency, text);
    SetChannelUsed(s.All, kChannelEmptyMap, 3, false);
    ResetChannel(s.All, 12, "438.5");
    SetSetting(s.All, TSetting::SquelchLevel, 3);
    ASSERT_TRUE(SaveDataFile(s.All, folder.File("edited.dat"), error)) << error;
    const std::string edited = folder.File("edited.dat");

    const TRun differ = RunCli(folder, "diff '" + radio + "' '" + edited + "'");
    EXPECT_EQ(differ.Status, 1) << differ.Err;
    EXPECT_EQ(differ.Out, "CH-001 RX Frequency: 145.50000 \u2192 145.52500\n"
                          "CH-003: cleared\n"
                          "CH-012: new channel 438.50000\n"
                          "Squelch level: 5 \u2192 3\n");
    EXPECT_EQ(differ.Err, "");

    const TRun same = RunCli(folder, "diff '" + radio + "' '" + radio + "'");
    EXPECT_EQ(same.Status, 0) << same.Err;
    EXPECT_EQ(same.Out, "");

    folder.Write("short.dat", "PLP4");
    for (const std::string& arguments :
         {"diff '" + radio + "'", "diff '" + radio + "' '" + folder.File("none.dat") + "'",
          "diff '" + folder.File("short.dat") + "' '" + radio + "'", "diff --force '" + radio + "' '" + radio + "'"}) {
        const TRun run = RunCli(folder, arguments);
        EXPECT_EQ(run.Status, 2) << arguments;
        EXPECT_EQ(run.Out, "") << arguments;
        // A usage error adds the command's usage to its line.
        const bool usage = run.Err.find("\nusage: qbh52-cli diff ") != std::string::npos;
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), usage ? 2 : 1) << arguments;
    }
}
