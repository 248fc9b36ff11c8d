#include "core/link/ReadEngine.h"

#include <algorithm>

#include "core/link/Frames.h"
#include "core/model/Derivations.h"

namespace
{

constexpr int kReadDrainLimitMs = 1000;
constexpr int kTryTimeMs = 1500;
constexpr int kReTimeMs = 500;

} // namespace

TReadEngine::TReadEngine(TAppState& all, const TModelCatalogue& list, const TMessageTexts& language, TLinkIo& io)
    : TTransferEngine(all, list, language, io, kReadBlockCount - 1, kReadDrainLimitMs),
      Staging(kReadBlockCount * kBlockSize)
{
}

void TReadEngine::Open()
{
    Done = false;
    FirstTry = true;
    SetProgress(0);
    Io.ClosePort();
    OpenAfterPause(true);
}

void TReadEngine::ResetAttempt()
{
    Done = false;
}

void TReadEngine::HandleIdent()
{
    const std::string id = ReplyIdentifier();
    if (!List.FindById(id)) {
        // The transfer ends here; Ok stays disabled and the window stays open until the user cancels it.
        SendEnd([this] { Show("ModError", Language.ModError); });
        return;
    }
    ModelId = id;
    Band = RxBuf[6];
    StateNow = TTransferState::Blocks;
    Block = -1;
    SendAckThenTry();
}

void TReadEngine::HandleBlockReply()
{
    if (AckSent) {
        if (RxByte(0) != kAckByte)
            return;
        Io.StopTimer(TLinkTimer::TryTime);
        if (++Block == kReadBlockCount) {
            FinishRead();
            return;
        }
        Send(BuildReadRequest(Block), kDataReplyLength, false,
             [this] { Io.StartTimer(TLinkTimer::TryTime, kTryTimeMs); });
        return;
    }
    Io.StopTimer(TLinkTimer::TryTime);
    std::copy_n(RxBuf.begin() + 4, kBlockSize, Staging.begin() + Block * kBlockSize);
    SetProgress(Position + 1);
    SendAckThenTry();
}

// The image changes only here, after the radio acknowledged the last block and the user saw the message.
void TReadEngine::FinishRead()
{
    StateNow = TTransferState::Idle;
    SendEnd([this] {
        SetProgress(ProgressMax);
        Show("ReadOk", Language.ReadOk);
        if (Closed)
            return;
        CompleteRead(All, List, Staging, ModelId, Band);
        Done = true;
        Io.Changed();
        StartClose();
    });
}

// The first line error of the window restarts the read once; later ones end in the block time-out.
void TReadEngine::OnLineError()
{
    if (Closed)
        return;
    Io.DiscardBuffers();
    DropPending();
    StopTimers({TLinkTimer::XTimer, TLinkTimer::HeadTime, TLinkTimer::TryTime});
    StateNow = TTransferState::Idle;
    if (FirstTry) {
        MsgShown = true;
        FirstTry = false;
        Io.StartTimer(TLinkTimer::ReTime, kReTimeMs);
        return;
    }
    Io.StartTimer(TLinkTimer::TryTime, kTryTimeMs);
}

void TReadEngine::HandleTimer(TLinkTimer id)
{
    if (id != TLinkTimer::ReTime) {
        TTransferEngine::HandleTimer(id);
        return;
    }
    Io.StopTimer(TLinkTimer::ReTime);
    SetOkEnabled(true);
    Start();
}
