// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/TransferEngine.h"

#include <algorithm>
#include <utility>

#include "core/link/Frames.h"

namespace
{

constexpr int kOkPauseMs = 450;
constexpr int kDiscardPauseMs = 50;
constexpr int kOpenPauseMs = 50;
constexpr int kWakeupGapMs = 200;
constexpr int kHeadTimeMs = 1500;
constexpr int kCloseTimeMs = 300;
constexpr int kSilentRadioPauseMs = 2500;
// The reply collector of the read and write, as large as the radio's own programmer had it.
constexpr int kReceiveCapacity = 49;

} // namespace

TTransferEngine::TTransferEngine(TAppState& all, const TModelCatalogue& list, const TMessageTexts& language,
                                 TLinkTransport& transport, TLinkObserver& observer, int progressMax, int drainLimitMs)
    : TLinkEngine(all, language, transport, observer, kReceiveCapacity), List(list), ProgressMax(progressMax),
      DrainLimitMs(drainLimitMs)
{
}

void TTransferEngine::Start()
{
    if (Closed || !OkOn)
        return;
    if (Opening) {
        StartWhenOpen = true;
        return;
    }
    ResetAttempt();
    StateNow = TTransferState::Idle;
    MsgShown = false;
    SetProgress(0);
    SetOkEnabled(false);
    BeginSession();
}

void TTransferEngine::BeginSession()
{
    PauseThen(kOkPauseMs, [this] {
        RxLen = 0;
        if (!EnsureOpen())
            return;
        Transport.DiscardBuffers();
        PauseThen(kDiscardPauseMs, [this] { SendWakeup(); });
    });
}

void TTransferEngine::OpenAfterPause(bool discard)
{
    Opening = true;
    PauseThen(kOpenPauseMs, [this, discard] {
        Opening = false;
        StateNow = TTransferState::Idle;
        if (!EnsureOpen()) {
            StartClose();
            return;
        }
        if (discard)
            Transport.DiscardBuffers();
        if (std::exchange(StartWhenOpen, false))
            Start();
    });
}

bool TTransferEngine::EnsureOpen()
{
    std::string reason;
    if (const auto n = PortNumber(All.ComPort)) {
        PortNo = *n;
        if (Transport.IsPortOpen() || Transport.OpenPort(reason))
            return true;
    }
    if (!MsgShown) {
        MsgShown = true;
        Show(TLinkMessageKey::PortError, reason);
    }
    return false;
}

void TTransferEngine::SetOkEnabled(bool on)
{
    OkOn = on;
    Observer.Changed();
}

void TTransferEngine::SetProgress(int position)
{
    Position = std::clamp(position, 0, ProgressMax);
    Observer.Progress(Position, ProgressMax);
}

// Every frame of a transfer: a port that refuses it ends the attempt with PortError.
void TTransferEngine::Send(TFrame frame, int replyLength, bool ack, std::function<void()> then)
{
    AckSent = ack;
    if (SendFrame(std::move(frame), replyLength, DrainLimitMs, std::move(then)))
        return;
    StateNow = TTransferState::Idle;
    if (!MsgShown) {
        MsgShown = true;
        Show(TLinkMessageKey::PortError);
    }
}

void TTransferEngine::SendEnd(std::function<void()> then)
{
    Send({kEndByte}, 0, false, std::move(then));
}

void TTransferEngine::SendAckThenTry()
{
    Send({kAckByte}, 1, true, [this] { Transport.StartTimer(TLinkTimer::TryTime, kTryTimeMs); });
}

void TTransferEngine::StartClose()
{
    Transport.StartTimer(TLinkTimer::CloseTime, kCloseTimeMs);
}

std::string TTransferEngine::ReplyIdentifier() const
{
    const auto first = RxBuf.begin() + kIdentModelOffset;
    return std::string(first, first + kIdentModelLength);
}

void TTransferEngine::SendWakeup()
{
    Send(BuildHandshake(1, 0), 1, false, [this] { Transport.StartTimer(TLinkTimer::XTimer, kWakeupGapMs); });
}

void TTransferEngine::SendHandshake()
{
    StateNow = TTransferState::WaitAck;
    Send(BuildHandshake(PortNo, RandomLetter()), 1, false,
         [this] { Transport.StartTimer(TLinkTimer::HeadTime, kHeadTimeMs); });
}

void TTransferEngine::HandleReply()
{
    switch (StateNow) {
    case TTransferState::Idle:
        break;
    case TTransferState::WaitAck:
        if (!AckAtByte0Or1())
            break;
        Transport.StopTimer(TLinkTimer::HeadTime);
        StateNow = TTransferState::WaitIdent;
        Send({kIdentifyByte}, kIdentLength, false, [this] { Transport.StartTimer(TLinkTimer::HeadTime, kHeadTimeMs); });
        break;
    case TTransferState::WaitIdent:
        Transport.StopTimer(TLinkTimer::HeadTime);
        if (RxByte(0) == 'P')
            HandleIdent();
        else
            ReplyMismatch();
        break;
    case TTransferState::Blocks:
        HandleBlockReply();
        break;
    }
}

void TTransferEngine::HandleTimer(TLinkTimer id)
{
    Transport.StopTimer(id);
    switch (id) {
    case TLinkTimer::XTimer:
        SendHandshake();
        break;
    case TLinkTimer::HeadTime:
        HeadTimeout();
        break;
    case TLinkTimer::TryTime:
        TryTimeout();
        break;
    case TLinkTimer::CloseTime:
        Observer.Finish();
        break;
    default:
        break;
    }
}

// A radio that never answered the handshake or the identification: the message comes after a further pause.
void TTransferEngine::HeadTimeout()
{
    StateNow = TTransferState::Idle;
    if (MsgShown)
        return;
    PauseThen(kSilentRadioPauseMs, [this] {
        if (MsgShown)
            return;
        MsgShown = true;
        Show(SilenceKey());
        StartClose();
    });
}

void TTransferEngine::TryTimeout()
{
    StateNow = TTransferState::Idle;
    if (MsgShown)
        return;
    BeforeTryMessage();
    MsgShown = true;
    Show(SilenceKey());
    StartClose();
}

void TTransferEngine::ReplyMismatch()
{
    StopTimers({TLinkTimer::HeadTime, TLinkTimer::TryTime});
    TryTimeout();
}

void TTransferEngine::HandleReadBlock(std::vector<uint8_t>& blocks, int count, const std::function<void()>& finished)
{
    if (AckSent) {
        if (RxByte(0) != kAckByte)
            return;
        Transport.StopTimer(TLinkTimer::TryTime);
        if (++Block == count) {
            finished();
            return;
        }
        Send(BuildReadRequest(Block), kDataReplyLength, false,
             [this] { Transport.StartTimer(TLinkTimer::TryTime, kTryTimeMs); });
        return;
    }
    if (!ReplyAnswers(BuildReadRequest(Block), std::span(RxBuf).first(static_cast<size_t>(RxLen)))) {
        ReplyMismatch();
        return;
    }
    Transport.StopTimer(TLinkTimer::TryTime);
    std::copy_n(RxBuf.begin() + kReplyDataOffset, kBlockSize, blocks.begin() + Block * kBlockSize);
    SetProgress(Position + 1);
    SendAckThenTry();
}
