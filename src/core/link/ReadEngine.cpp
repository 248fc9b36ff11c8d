// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/ReadEngine.h"

#include "core/link/Frames.h"
#include "core/model/Derivations.h"

namespace
{

constexpr int kReadDrainLimitMs = 1000;
constexpr int kReTimeMs = 500;

} // namespace

TReadEngine::TReadEngine(TAppState& all, const TModelCatalogue& list, const TMessageTexts& language,
                         TLinkTransport& transport, TLinkObserver& observer)
    : TTransferEngine(all, list, language, transport, observer, kReadBlockCount - 1, kReadDrainLimitMs),
      Staging(kReadBlockCount * kBlockSize)
{
}

void TReadEngine::Open()
{
    Done = false;
    FirstTry = true;
    SetProgress(0);
    Transport.ClosePort();
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
        SendEnd([this] { Show(TLinkMessageKey::ModError); });
        return;
    }
    ModelId = id;
    Band = RxBuf[kIdentBandOffset];
    StateNow = TTransferState::Blocks;
    Block = -1;
    SendAckThenTry();
}

void TReadEngine::HandleBlockReply()
{
    HandleReadBlock(Staging, kReadBlockCount, [this] { FinishRead(); });
}

// The image changes only here, after the radio acknowledged the last block and the user saw the message.
void TReadEngine::FinishRead()
{
    StateNow = TTransferState::Idle;
    SendEnd([this] {
        SetProgress(ProgressMax);
        Show(TLinkMessageKey::ReadOk);
        if (Closed)
            return;
        CompleteRead(All, List, Staging, ModelId, Band);
        Done = true;
        Observer.Changed();
        StartClose();
    });
}

// The first line error of the window restarts the read once; later ones end in the block time-out.
void TReadEngine::OnLineError()
{
    if (Closed)
        return;
    Transport.DiscardBuffers();
    DropPending();
    StopTimers({TLinkTimer::XTimer, TLinkTimer::HeadTime, TLinkTimer::TryTime});
    StateNow = TTransferState::Idle;
    if (FirstTry) {
        MsgShown = true;
        FirstTry = false;
        Transport.StartTimer(TLinkTimer::ReTime, kReTimeMs);
        return;
    }
    Transport.StartTimer(TLinkTimer::TryTime, kTryTimeMs);
}

void TReadEngine::HandleTimer(TLinkTimer id)
{
    if (id != TLinkTimer::ReTime) {
        TTransferEngine::HandleTimer(id);
        return;
    }
    Transport.StopTimer(TLinkTimer::ReTime);
    SetOkEnabled(true);
    Start();
}
