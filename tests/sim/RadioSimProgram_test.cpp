// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual radio program on a real pseudo-terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "core/link/Frames.h"
#include "core/model/CoreState.h"
#include "sim/ExampleChannels.h"

extern char** environ;

namespace
{

using Bytes = std::vector<uint8_t>;

class TSimProcess
{
  public:
    explicit TSimProcess(std::vector<std::string> args)
    {
        args.insert(args.begin(), std::string(QBH52_BIN_DIR) + "/qbh52-radio-sim");
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        EXPECT_EQ(pipe(out), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        EXPECT_EQ(posix_spawn(&Pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        Output = out[0];
        char c = 0;
        while (WaitReadable(Output, 5000) && read(Output, &c, 1) == 1 && c != '\n')
            Path += c;
    }

    ~TSimProcess()
    {
        if (Pid > 0)
            Stop();
        close(Output);
    }

    int Stop()
    {
        kill(Pid, SIGTERM);
        int status = 0;
        waitpid(Pid, &status, 0);
        Pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static bool WaitReadable(int fd, int ms)
    {
        pollfd p{fd, POLLIN, 0};
        return poll(&p, 1, ms) > 0;
    }

    std::string Path;

  private:
    pid_t Pid = -1;
    int Output = -1;
};

int OpenDevice(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd, TCSANOW, &tio);
    return fd;
}

// Sends a frame and collects the answer until length bytes arrived or the line stays quiet for 300 ms.
Bytes Exchange(int fd, const TFrame& frame, size_t length)
{
    EXPECT_EQ(write(fd, frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
    Bytes got;
    uint8_t buffer[64];
    while (got.size() < length && TSimProcess::WaitReadable(fd, 300)) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

TEST(RadioSimProgramTest, ServesThePseudoTerminalAndSavesWhatWasWritten)
{
    const std::string saved = testing::TempDir() + "radio-sim-saved.bin";
    unlink(saved.c_str());
    TSimProcess sim({"--model", "LP47", "--band-byte", "243", "--save", saved});
    ASSERT_EQ(sim.Path.rfind("/dev/pts/", 0), 0u) << sim.Path;
    const int fd = OpenDevice(sim.Path);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(Exchange(fd, BuildHandshake(1, 0), 1), Bytes{0x06});
    EXPECT_EQ(Exchange(fd, BuildHandshake(3, 0), 1), Bytes{0x06});
    EXPECT_EQ(Exchange(fd, {0x02}, 8), (Bytes{'P', 'L', 'P', '4', '7', 0, 243, 0}));
    EXPECT_EQ(Exchange(fd, {0x06}, 1), Bytes{0x06});
    uint8_t image[kImageSize] = {};
    for (int i = 0; i < 16; ++i)
        image[5 * 16 + i] = static_cast<uint8_t>(i + 1);
    EXPECT_EQ(Exchange(fd, BuildWriteFrame(image, 5), 1), Bytes{0x06});
    const Bytes block = Exchange(fd, BuildReadRequest(5), 20);
    ASSERT_EQ(block.size(), 20u);
    EXPECT_EQ(Bytes(block.begin() + 4, block.end()), Bytes(image + 80, image + 96));
    Exchange(fd, {0x45}, 0);
    close(fd);
    EXPECT_EQ(sim.Stop(), 0);

    std::ifstream file(saved, std::ios::binary);
    const Bytes memory((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_EQ(memory.size(), static_cast<size_t>(kImageSize));
    EXPECT_EQ(Bytes(memory.begin() + 80, memory.begin() + 96), Bytes(image + 80, image + 96));
}

TEST(RadioSimProgramTest, WireTimeMakesAnswersAsSlowAs4800Baud)
{
    TSimProcess sim({"--wire-time"});
    const int fd = OpenDevice(sim.Path);
    Exchange(fd, BuildHandshake(1, 0), 1);
    Exchange(fd, {0x02}, 8);
    Exchange(fd, {0x06}, 1);
    const auto start = std::chrono::steady_clock::now();
    for (int b = 0; b < 10; ++b)
        ASSERT_EQ(Exchange(fd, BuildReadRequest(b), 20).size(), 20u);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // 24 bytes on the wire per block, 11 bits each at 4800 baud: the answers never come sooner.
    EXPECT_GE(ms, 10 * 24 * kByteWireMs);
    close(fd);
}

TEST(RadioSimProgramTest, LineErrorHangsUpAndTheLinkLeadsToTheNewDevice)
{
    const std::string link = testing::TempDir() + "radio-sim-link";
    TSimProcess sim({"--line-error", "0", "--link", link});
    EXPECT_EQ(sim.Path, link);
    int fd = OpenDevice(link);
    Exchange(fd, BuildHandshake(1, 0), 1);
    Exchange(fd, {0x02}, 8);
    Exchange(fd, {0x06}, 1);
    uint8_t buffer[8];
    ASSERT_GE(write(fd, BuildReadRequest(0).data(), 4), 0);
    ASSERT_TRUE(TSimProcess::WaitReadable(fd, 2000));
    EXPECT_LE(read(fd, buffer, sizeof buffer), 0);
    close(fd);

    fd = OpenDevice(link);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(Exchange(fd, BuildHandshake(1, 0), 1), Bytes{0x06});
    EXPECT_EQ(Exchange(fd, BuildReadRequest(0), 20).size(), 20u);
    close(fd);
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_NE(access(link.c_str(), F_OK), 0);
}

// The image the simulator builds before it loads anything: the built-in model's first image.
std::vector<uint8_t> FirstImage(bool withExamples)
{
    TAppState all;
    TModelCatalogue list;
    InitState(all, list, "/nonexistent/");
    PrepareFirstImage(all, list);
    if (withExamples)
        PutExampleChannels(all);
    return std::vector<uint8_t>(all.Image.begin(), all.Image.end());
}

// The memory the virtual radio starts with: the example channels, unless --new asks for none.
TEST(RadioSimProgramTest, StartsWithTheExampleChannelsUnlessNew)
{
    const std::pair<std::vector<std::string>, bool> cases[] = {{{}, true}, {{"--new"}, false}};
    for (const auto& [options, withExamples] : cases) {
        const std::string saved = testing::TempDir() + "radio-sim-start.bin";
        unlink(saved.c_str());
        std::vector<std::string> args = options;
        args.insert(args.end(), {"--save", saved});
        TSimProcess sim(args);
        EXPECT_EQ(sim.Stop(), 0);
        std::ifstream file(saved, std::ios::binary);
        const Bytes memory((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(memory, FirstImage(withExamples)) << withExamples;
    }
}

// Every example is stored as written: on the radio's step grid, its name in the radio's characters.
TEST(RadioSimProgramTest, ExampleChannelsAreStoredAsListed)
{
    TCoreState state;
    PutExampleChannels(state.All);
    for (const TExampleChannel& example : ExampleChannels()) {
        TChannel channel;
        ASSERT_TRUE(DecodeChannel(state.All, example.Number, channel)) << example.Number;
        EXPECT_EQ(ChannelCellText(channel, example.Number, TChannelField::RxFrequency), example.RxFrequency);
        EXPECT_EQ(ChannelCellText(channel, example.Number, TChannelField::TxFrequency), example.TxFrequency);
        EXPECT_EQ(channel.TxTone, example.TxTone) << example.Number;
        EXPECT_EQ(channel.Wide, example.Bandwidth == "1" ? 1 : 0) << example.Number;
        EXPECT_EQ(channel.Name, example.Name);
        EXPECT_EQ(ChannelCellText(channel, example.Number, TChannelField::ScanAdd), "Add");
    }
    EXPECT_FALSE(IsChannelUsed(state.All, static_cast<int>(ExampleChannels().size()) + 1));
}

} // namespace
