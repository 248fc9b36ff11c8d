// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-radio-sim: a virtual QB-H52 radio on a pseudo-terminal, for trying the program and for tests.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/files/DataFile.h"
#include "core/files/SafeFile.h"
#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "core/model/Numbers.h"
#include "core/model/Version.h"
#include "sim/ExampleChannels.h"
#include "sim/PtyHost.h"
#include "sim/RadioResponder.h"

namespace
{

constexpr char kUsage[] = R"(Usage: qbh52-radio-sim [OPTION]...
A virtual QB-H52 radio on a pseudo-terminal. Prints the device path on the first line of its output, then
answers the programming protocol (read, write, power test) until it is stopped with SIGTERM or SIGINT.

Memory and identity:
  --image FILE        the radio's memory from a data file (*.dat) or a raw memory dump (any other name)
  --new               a new image of the built-in model, with no channel in use
                      (default: a new image with a few example channels, so that a first read shows some)
  --power FILE        the 65-row power table from a raw file of 1040 bytes (default: a fixed pattern)
  --model ID          model identifier of the identification reply (default LP47)
  --band-byte N       band byte of the identification reply, 0 to 255 (default 255)
Line:
  --wire-time         take as long as a 4800-baud 8N2 line (11 bits per byte) to receive and answer
  --link PATH         keep a symbolic link PATH to the device and print PATH instead of the device
Faults (block frames are read, write and power-table frames, counted from 0 in each session):
  --silent-after N    answer N block frames of a session, then nothing
  --silence-ends-at-handshake   the next handshake ends that silence (once)
  --wrong-handshake   answer handshakes with 0x15 instead of 0x06
  --wrong-ack N       answer 0x15 to the acknowledgement that follows block frame N
  --split             send every reply in two pieces
  --stray             follow every reply with one stray byte
  --stray-first       put one stray byte before the handshake answer
  --line-error N      hang up the device instead of answering block frame N (a new device takes its place;
                      use --link to keep one path)
  --line-errors K     how many times --line-error strikes (default 1)
  --next-block N      answer read block frame N with the address and bytes of the block after it
  --unstored N        acknowledge write block frame N without storing its bytes
  --mute              answer nothing at all (a radio switched off)
  --garbage-from N    answer block frame N and every later one with noise of the reply's length
On exit:
  --save FILE         save the memory, with everything written to it, as a data file (*.dat) or a raw dump
  --save-power FILE   save the power table as a raw file
  --once              exit after the first session has ended (the program sent its end byte)
  --log               print every frame received on the error output
  --help              show this help
  --version           show the version and the licence
)";

volatile std::sig_atomic_t gStop = 0;

void OnSignal(int)
{
    gStop = 1;
}

struct TOptions {
    std::string Image;
    std::string Power;
    std::string LinkPath;
    std::string Save;
    std::string SavePower;
    bool Blank = false; // --new: no example channels
    bool WireTime = false;
    bool Once = false;
    bool Log = false;
};

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool ReadRaw(const std::string& path, uint8_t* destination, size_t size, std::string& error)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "Cannot open " + path + ": " + SystemErrorText(errno);
        return false;
    }
    size_t have = 0;
    ssize_t got = 0;
    while (have < size && (got = read(fd, destination + have, size - have)) > 0)
        have += static_cast<size_t>(got);
    close(fd);
    if (got < 0)
        error = "Cannot read " + path + ": " + SystemErrorText(errno);
    return got >= 0;
}

bool ParseNumber(const std::string& text, int min, int max, int& value)
{
    const auto n = TryParseInt(text);
    if (!n || *n < min || *n > max)
        return false;
    value = static_cast<int>(*n);
    return true;
}

// Parses the command line into the options and the radio's settings; false with a message for the user.
bool ParseArguments(int argc, char** argv, TOptions& options, TRadioResponder& radio, std::string& error)
{
    int bandByte = radio.BandByte;
    const auto count = [](int& target) {
        return [&target](const std::string& v) { return ParseNumber(v, 0, 1000000, target); };
    };
    const std::map<std::string, std::function<bool(const std::string&)>> withValue{
        {"--image",
         [&](const std::string& v) {
             options.Image = v;
             return true;
         }},
        {"--power",
         [&](const std::string& v) {
             options.Power = v;
             return true;
         }},
        {"--model",
         [&](const std::string& v) {
             radio.ModelId = v;
             return !v.empty();
         }},
        {"--band-byte", [&](const std::string& v) { return ParseNumber(v, 0, 255, bandByte); }},
        {"--link",
         [&](const std::string& v) {
             options.LinkPath = v;
             return !v.empty();
         }},
        {"--silent-after", count(radio.Faults.SilentAfterBlock)},
        {"--wrong-ack", count(radio.Faults.WrongAckAtBlock)},
        {"--line-error", count(radio.Faults.LineErrorAtBlock)},
        {"--line-errors", count(radio.Faults.LineErrorCount)},
        {"--next-block", count(radio.Faults.NextBlockAtBlock)},
        {"--unstored", count(radio.Faults.UnstoredAtBlock)},
        {"--garbage-from", count(radio.Faults.GarbageFromBlock)},
        {"--save",
         [&](const std::string& v) {
             options.Save = v;
             return !v.empty();
         }},
        {"--save-power",
         [&](const std::string& v) {
             options.SavePower = v;
             return !v.empty();
         }},
    };
    const std::map<std::string, std::function<void()>> flags{
        {"--new",
         [&] {
             options.Image.clear();
             options.Blank = true;
         }},
        {"--wire-time", [&] { options.WireTime = true; }},
        {"--silence-ends-at-handshake", [&] { radio.Faults.SilenceEndsAtHandshake = true; }},
        {"--wrong-handshake", [&] { radio.Faults.WrongHandshakeAnswer = true; }},
        {"--split", [&] { radio.Faults.SplitReplies = true; }},
        {"--stray", [&] { radio.Faults.StrayByte = true; }},
        {"--stray-first", [&] { radio.Faults.StrayBeforeHandshakeAnswer = true; }},
        {"--mute", [&] { radio.Faults.Mute = true; }},
        {"--once", [&] { options.Once = true; }},
        {"--log", [&] { options.Log = true; }},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (const auto flag = flags.find(arg); flag != flags.end()) {
            flag->second();
            continue;
        }
        const auto option = withValue.find(arg);
        if (option == withValue.end()) {
            error = "unknown option " + arg;
            return false;
        }
        if (i + 1 >= argc || !option->second(argv[++i])) {
            error = "option " + arg + " needs a valid value";
            return false;
        }
    }
    radio.BandByte = static_cast<uint8_t>(bandByte);
    return true;
}

// The radio's memory: a new image (with the example channels unless --new), or a data file loaded as the
// program loads it, or a raw dump.
bool LoadMemory(const TOptions& options, TAppState& all, TModelCatalogue& list, TRadioResponder& radio,
                std::string& error)
{
    InitState(all, list, "/nonexistent/");
    PrepareFirstImage(all, list);
    if (options.Image.empty() && !options.Blank)
        PutExampleChannels(all);
    if (!options.Image.empty()) {
        if (!EndsWith(options.Image, ".dat")) {
            if (!ReadRaw(options.Image, all.Image.data(), all.Image.size(), error))
                return false;
        } else if (const TOpenResult result = OpenDataFile(all, list, options.Image, error); !IsLoaded(result)) {
            error = result == TOpenResult::CannotOpen ? error : options.Image + ": " + error;
            return false;
        }
    }
    radio.Memory = all.Image;
    return options.Power.empty() || ReadRaw(options.Power, radio.PowerTable.data(), radio.PowerTable.size(), error);
}

bool SaveMemory(const TOptions& options, TAppState& all, const TRadioResponder& radio, std::string& error)
{
    all.Image = radio.Memory;
    if (!options.Save.empty()) {
        const bool saved = EndsWith(options.Save, ".dat")
                               ? SaveDataFile(all, options.Save, error)
                               : WriteFileSafely(options.Save, radio.Memory.data(), radio.Memory.size(), error);
        if (!saved)
            return false;
    }
    return options.SavePower.empty() ||
           WriteFileSafely(options.SavePower, radio.PowerTable.data(), radio.PowerTable.size(), error);
}

void InstallSignals()
{
    struct sigaction action {
    };
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    // The signals wait while the simulator works and arrive only inside its wait for the device.
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGINT);
    sigprocmask(SIG_BLOCK, &blocked, nullptr);
}

int Fail(const std::string& error)
{
    std::fputs(("qbh52-radio-sim: " + error + "\n").c_str(), stderr);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(VersionText("qbh52-radio-sim").c_str(), stdout);
            return 0;
        }
    }
    TOptions options;
    TRadioResponder radio;
    TAppState all;
    TModelCatalogue list;
    std::string error;
    if (!ParseArguments(argc, argv, options, radio, error))
        return Fail(error + " (see --help)");
    if (!LoadMemory(options, all, list, radio, error))
        return Fail(error);
    radio.LogFrames = options.Log;

    InstallSignals();
    TPtyHost device(radio, options.WireTime, options.LinkPath, options.Log);
    if (!device.OpenDevice(error))
        return Fail(error);
    std::fputs((device.DevicePath() + "\n").c_str(), stdout);
    std::fflush(stdout);

    const bool served = device.Run(gStop, options.Once, error);
    std::string saveError;
    const bool saved = SaveMemory(options, all, radio, saveError);
    if (!served)
        return Fail(error);
    return saved ? 0 : Fail(saveError);
}
