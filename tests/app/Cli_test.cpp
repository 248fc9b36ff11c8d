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
        {"fm '" + folder.File("wrong.dat") + "'", "qbh52-cli: Model Type Wrong.\n"},
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
