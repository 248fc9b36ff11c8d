// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/PtyHost.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

#include "core/files/SafeFile.h"

namespace
{

using namespace std::chrono;

const auto kByteTime = duration_cast<steady_clock::duration>(duration<double, std::milli>(kByteWireMs));
// Without wire time the halves of a split reply still reach the program as two notifications.
constexpr auto kPieceGap = milliseconds(5);

bool MakeRaw(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    cfsetispeed(&tio, B4800);
    cfsetospeed(&tio, B4800);
    tio.c_cflag |= CSTOPB | CLOCAL | CREAD;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

std::string HexBytes(const std::vector<uint8_t>& bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 15];
        text += ' ';
    }
    return text;
}

// Points path at target by renaming a fresh link over it, so a program never sees the path missing.
bool ReplaceLink(const std::string& path, const std::string& target, std::string& error)
{
    const std::string temporary = path + ".new";
    unlink(temporary.c_str());
    if (symlink(target.c_str(), temporary.c_str()) != 0 || rename(temporary.c_str(), path.c_str()) != 0) {
        error = "Cannot create link " + path + ": " + SystemErrorText(errno);
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

TPtyHost::TPtyHost(TRadioResponder& radio, bool wireTime, std::string linkPath, bool log)
    : Radio(radio), WireTime(wireTime), LinkPath(std::move(linkPath)), Log(log)
{
}

TPtyHost::~TPtyHost()
{
    CloseDevice();
    if (!LinkPath.empty())
        unlink(LinkPath.c_str());
}

void TPtyHost::CloseDevice()
{
    if (Slave >= 0)
        close(Slave);
    if (Master >= 0)
        close(Master);
    Slave = Master = -1;
}

bool TPtyHost::OpenDevice(std::string& error)
{
    Master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    char name[128] = {};
    if (Master < 0 || grantpt(Master) != 0 || unlockpt(Master) != 0 || ptsname_r(Master, name, sizeof name) != 0) {
        error = "Cannot create a pseudo-terminal: " + SystemErrorText(errno);
        CloseDevice();
        return false;
    }
    PtyPath = name;
    Slave = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (Slave < 0 || !MakeRaw(Slave)) {
        error = "Cannot set up " + PtyPath + ": " + SystemErrorText(errno);
        CloseDevice();
        return false;
    }
    return LinkPath.empty() || ReplaceLink(LinkPath, PtyPath, error);
}

std::string TPtyHost::DevicePath() const
{
    return LinkPath.empty() ? PtyPath : LinkPath;
}

bool TPtyHost::Run(const volatile std::sig_atomic_t& stop, bool once, std::string& error)
{
    sigset_t unblocked;
    sigemptyset(&unblocked);
    const int endsBefore = Radio.EndCount;
    while (!stop && !(once && Radio.EndCount > endsBefore && Outputs.empty())) {
        timespec wait{1, 0};
        if (!Outputs.empty()) {
            const auto left = std::max(Outputs.begin()->first - TClock::now(), TClock::duration::zero());
            const auto ns = duration_cast<nanoseconds>(left).count();
            wait = {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
        }
        pollfd fd{Master, POLLIN, 0};
        const int ready = ppoll(&fd, 1, &wait, &unblocked);
        if (ready < 0 && errno != EINTR) {
            error = "poll: " + SystemErrorText(errno);
            return false;
        }
        if (ready > 0 && (fd.revents & POLLIN) && !ReadInput(error))
            return false;
        if (!WriteDue(error))
            return false;
    }
    return true;
}

bool TPtyHost::ReadInput(std::string& error)
{
    uint8_t buffer[512];
    const ssize_t got = read(Master, buffer, sizeof buffer);
    if (got < 0) {
        if (errno == EAGAIN || errno == EINTR || errno == EIO)
            return true;
        error = "read: " + SystemErrorText(errno);
        return false;
    }
    const auto now = TClock::now();
    // With wire time each byte arrives one byte time after the previous one has.
    std::vector<TClock::time_point> arrivals;
    InClock = std::max(InClock, now);
    for (ssize_t i = 0; i < got; ++i) {
        if (WireTime)
            InClock += kByteTime;
        arrivals.push_back(WireTime ? InClock : now);
    }
    const size_t logged = Radio.Frames.size();
    const TSimOutput out = Radio.Receive(std::span<const uint8_t>(buffer, static_cast<size_t>(got)));
    if (Log)
        LogFrames(logged);
    Schedule(out, arrivals, now);
    return true;
}

void TPtyHost::Schedule(const TSimOutput& out, const std::vector<TClock::time_point>& arrivals, TClock::time_point now)
{
    bool first = true;
    for (const TSimPiece& piece : out.Pieces) {
        auto start = std::max(arrivals[piece.After - 1], OutClock);
        if (!WireTime && !first)
            start += kPieceGap;
        OutClock = start + (WireTime ? kByteTime * static_cast<long>(piece.Bytes.size()) : TClock::duration::zero());
        Outputs.emplace(OutClock, TOutput{piece.Bytes, false});
        first = false;
    }
    if (out.LineError)
        Outputs.emplace(std::max(arrivals[out.LineErrorAfter - 1], now), TOutput{{}, true});
}

bool TPtyHost::WriteDue(std::string& error)
{
    while (!Outputs.empty() && Outputs.begin()->first <= TClock::now()) {
        TOutput output = std::move(Outputs.begin()->second);
        Outputs.erase(Outputs.begin());
        if (output.HangUp)
            return HangUp(error);
        // A radio cannot wait for a program that does not read: what the device does not take is lost.
        if (write(Master, output.Bytes.data(), output.Bytes.size()) < 0 && Log)
            std::fputs(("write: " + SystemErrorText(errno) + "\n").c_str(), stderr);
    }
    return true;
}

// A line error: the device hangs up under the program. Its successor is ready (and the link points at it)
// before the hang-up, so a program that reopens the link at once finds the new device.
bool TPtyHost::HangUp(std::string& error)
{
    Outputs.clear();
    const int oldMaster = std::exchange(Master, -1);
    const int oldSlave = std::exchange(Slave, -1);
    const bool opened = OpenDevice(error);
    close(oldSlave);
    close(oldMaster);
    if (opened)
        std::fputs(("line error: the device is now " + PtyPath + "\n").c_str(), stderr);
    return opened;
}

void TPtyHost::LogFrames(size_t from) const
{
    for (size_t i = from; i < Radio.Frames.size(); ++i)
        std::fputs(("< " + HexBytes(Radio.Frames[i]) + "\n").c_str(), stderr);
}
