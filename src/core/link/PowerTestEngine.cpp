// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/PowerTestEngine.h"

#include <algorithm>
#include <utility>

#include "core/model/Numbers.h"

namespace
{

constexpr int kOpenPauseMs = 200;
constexpr int kTestDrainLimitMs = 1000;
constexpr int kTryTimerMs = 1500;
constexpr int kYesTimerMs = 500;
constexpr int kErrsTimerMs = 300;
constexpr int kCloseTimerMs = 500;
constexpr int kReceiveCapacity = 79;
// The handshake of the power test always draws its letter: any number outside 1 to 9 does.
constexpr int kRandomLetterPort = 0;

// The next multiple of 10 MHz above start, computed on whole units of 10 Hz as the radio's tables are cut.
double NextTenMhz(double start)
{
    return static_cast<double>(RoundHalfAway(start * 100000.0) / 1000000 * 10 + 10);
}

void AddBandSegments(const TBand& band, std::vector<TSegment>& segments)
{
    for (double start = band.Low; start < band.High;) {
        TSegment segment;
        segment.Start = start;
        segment.End = std::min(NextTenMhz(start), band.High);
        segment.Text = FormatFixed(segment.Start, 3) + " -- " + FormatFixed(segment.End, 3) + "MHz";
        const auto row = TryParseInt(std::string_view(segment.Text).substr(0, 2));
        segment.Row = row && *row >= 0 ? static_cast<int>(*row) : -1;
        segment.Enabled = segment.Row >= 0 && segment.Row < kPowerRows;
        segments.push_back(segment);
        start = segment.End;
    }
}

} // namespace

std::vector<TSegment> BuildSegments(const std::array<TBand, 4>& bands)
{
    std::vector<TSegment> segments;
    for (int band : {1, 2, 3, 0}) {
        if (bands[band].Low != 0.0)
            AddBandSegments(bands[band], segments);
    }
    return segments;
}

TPowerTestEngine::TPowerTestEngine(TAppState& all, const TMessageTexts& language, TLinkTransport& transport,
                                   TLinkObserver& observer)
    : TLinkEngine(all, language, transport, observer, kReceiveCapacity)
{
}

uint8_t TPowerTestEngine::PowerValue(int row, int tag) const
{
    if (row < 0 || row >= kPowerRows || tag < 0 || tag >= kBlockSize)
        return 0;
    return Table[row * kBlockSize + tag];
}

bool TPowerTestEngine::TakeTableLoaded()
{
    return std::exchange(TableLoaded, false);
}

// Online: the port opens on this button, not when the window shows.
void TPowerTestEngine::Start()
{
    if (Closed || IsRunning || Opening)
        return;
    if (Transport.IsPortOpen()) {
        BeginOnline();
        return;
    }
    std::string reason;
    if (!PortNumber(All.ComPort) || !Transport.OpenPort(reason)) {
        Show(TLinkMessageKey::PortError, reason);
        return;
    }
    RxLen = 0;
    Opening = true;
    Observer.Changed();
    PauseThen(kOpenPauseMs, [this] {
        Opening = false;
        BeginOnline();
    });
}

void TPowerTestEngine::BeginOnline()
{
    ControlsOn = false;
    TCommandEntry read;
    read.Frame = BuildPowerRead(0);
    read.ReplyLen = kDataReplyLength;
    read.NextRow = 0;
    read.LastRow = kPowerRows - 1;
    read.Check = TStepCheck::BlockRead;
    BuildCommand(TTestCommand::Online, read);
    RunCommand();
}

void TPowerTestEngine::SetPower(int row, int tag, uint8_t value)
{
    if (Closed || row < 0 || row >= kPowerRows || (tag != kLowPowerTag && tag != kHighPowerTag))
        return;
    const int address = row * kBlockSize + tag;
    Table[address] = value;
    // One command at a time: the window's panel is disabled while one runs.
    if (IsRunning || Opening)
        return;
    TCommandEntry write;
    write.Frame = BuildPowerWrite(address, value);
    write.ReplyLen = 1;
    write.Expected = kAckByte;
    write.Check = TStepCheck::ByteCompare;
    BuildCommand(TTestCommand::SetPower, write);
    RunCommand();
}

void TPowerTestEngine::CloseCommand()
{
    if (Closed)
        return;
    if (std::exchange(Opening, false))
        DropPending();
    PanelOn = false;
    Observer.Changed();
    if (!IsRunning) {
        BuildCommand(TTestCommand::Close, std::nullopt);
        RunCommand();
    }
    Transport.StartTimer(TLinkTimer::CloseTimer, kCloseTimerMs);
}

void TPowerTestEngine::BuildCommand(TTestCommand command, std::optional<TCommandEntry> working)
{
    TCommandEntry handshake;
    handshake.Frame = BuildHandshake(kRandomLetterPort, RandomLetter());
    handshake.ReplyLen = 1;
    handshake.Check = TStepCheck::Ack;
    TCommandEntry end;
    end.Frame = {kEndByte};
    Entries = {handshake};
    if (working)
        Entries.push_back(*working);
    Entries.push_back(end);
    Command = command;
    Current = 0;
}

// Runs the built command from its first entry; a block read goes on from the row it had reached.
void TPowerTestEngine::RunCommand()
{
    if (!Transport.IsPortOpen())
        return;
    ProgressMax = static_cast<int>(Entries.size()) + (Command == TTestCommand::Online ? kPowerRows - 1 : 0);
    SetProgress(0);
    IsRunning = true;
    PanelOn = false;
    Observer.Changed();
    Current = 0;
    SendEntry();
}

void TPowerTestEngine::SendEntry()
{
    const TCommandEntry& entry = Entries[Current];
    const bool end = entry.Check == TStepCheck::None;
    auto then = [this, end] {
        if (end)
            Transport.StartTimer(TLinkTimer::YesTimer, kYesTimerMs);
        else
            Transport.StartTimer(TLinkTimer::TryTimer, kTryTimerMs);
    };
    // A port that refuses the frame leaves the step to its time-out and the Retry/Cancel question.
    if (!SendFrame(entry.Frame, entry.ReplyLen, kTestDrainLimitMs, then))
        then();
}

void TPowerTestEngine::HandleReply()
{
    if (!IsRunning || Current >= Entries.size())
        return;
    bool done = false;
    if (!JudgeReply(done))
        return;
    Transport.StopTimer(TLinkTimer::TryTimer);
    if (done)
        ++Current;
    const bool end = Entries[Current].Check == TStepCheck::None;
    SendEntry();
    SetProgress(end ? ProgressMax : Position + 1);
}

bool TPowerTestEngine::JudgeReply(bool& done)
{
    TCommandEntry& entry = Entries[Current];
    done = true;
    switch (entry.Check) {
    case TStepCheck::Ack:
        return AckAtByte0Or1();
    case TStepCheck::ByteCompare:
        return entry.ReplyLen == 1 && (RxByte(0) == entry.Expected || RxByte(1) == entry.Expected);
    case TStepCheck::BlockRead:
        // A row reply must repeat the row's address and length too: another row's bytes are never stored.
        if (!ReplyAnswers(entry.Frame, std::span(RxBuf).first(static_cast<size_t>(RxLen))))
            return false;
        std::copy_n(RxBuf.begin() + kReplyDataOffset, kBlockSize, Table.begin() + entry.NextRow * kBlockSize);
        ++entry.NextRow;
        done = entry.NextRow > entry.LastRow;
        if (!done)
            entry.Frame = BuildPowerRead(entry.NextRow);
        return true;
    case TStepCheck::None:
        break;
    }
    return false;
}

void TPowerTestEngine::HandleTimer(TLinkTimer id)
{
    Transport.StopTimer(id);
    switch (id) {
    case TLinkTimer::TryTimer:
        StepTimeout();
        break;
    case TLinkTimer::YesTimer:
        CommandFinished();
        break;
    case TLinkTimer::ErrsTimer:
        ClosePortAfterRefusal();
        break;
    case TLinkTimer::CloseTimer:
        Observer.Finish();
        break;
    default:
        break;
    }
}

void TPowerTestEngine::StepTimeout()
{
    const bool retry = Ask(TLinkMessageKey::ComError, TQuestion::RetryCancel);
    if (Closed)
        return;
    // A port lost meanwhile cannot retry: that ends like a refusal instead of leaving the window disabled.
    if (retry && Transport.IsPortOpen())
        RunCommand();
    else
        RefuseRetry();
}

void TPowerTestEngine::CommandFinished()
{
    if (Command == TTestCommand::Online) {
        TableWasRead = true;
        TableLoaded = true;
    }
    IsRunning = false;
    PanelOn = true;
    ControlsOn = true;
    Observer.Changed();
}

void TPowerTestEngine::RefuseRetry()
{
    SetProgress(0);
    IsRunning = false;
    Observer.Changed();
    Transport.StartTimer(TLinkTimer::ErrsTimer, kErrsTimerMs);
}

void TPowerTestEngine::ClosePortAfterRefusal()
{
    Transport.ClosePort();
    IsRunning = false;
    PanelOn = true;
    Observer.Changed();
}

void TPowerTestEngine::SetProgress(int position)
{
    Position = std::clamp(position, 0, ProgressMax);
    Observer.Progress(Position, ProgressMax);
}
