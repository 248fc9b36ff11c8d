// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/WriteEngine.h"

#include <algorithm>

#include "core/link/Frames.h"
#include "core/model/DataSetDiff.h"
#include "core/model/Encodings.h"

namespace
{

constexpr int kWriteDrainLimitMs = 5000;

} // namespace

TModelCheck CheckModel(const TAppState& all, const TModelCatalogue& list, const std::string& identifier)
{
    const TRadioModel* model = list.FindById(identifier);
    if (!model)
        return TModelCheck::ModelWrong;
    if (model->Identifier == all.ModelId)
        return TModelCheck::ModelSame;
    if (model->ChannelCount == all.ChannelCount)
        return TModelCheck::ModelForce;
    return TModelCheck::ModelWrong;
}

TWriteEngine::TWriteEngine(TAppState& all, const TModelCatalogue& list, const TMessageTexts& language,
                           TLinkTransport& transport, TLinkObserver& observer)
    : TTransferEngine(all, list, language, transport, observer, kWriteBlockCount - 1, kWriteDrainLimitMs),
      Clock(NowText)
{
}

void TWriteEngine::Open()
{
    SetProgress(0);
    OpenAfterPause(false);
}

void TWriteEngine::ResetAttempt()
{
    Success = false;
    Verify = All.VerifyAfterWrite;
    Verifying = false;
    Differing.clear();
}

void TWriteEngine::HandleIdent()
{
    // The read-back talks to the radio that was just written: its model was checked then.
    if (Verifying) {
        StateNow = TTransferState::Blocks;
        Block = -1;
        SendAckThenTry();
        return;
    }
    switch (CheckModel(All, List, ReplyIdentifier())) {
    case TModelCheck::ModelWrong:
        SendEnd([this] {
            Show(TLinkMessageKey::ModError);
            StartClose();
        });
        break;
    case TModelCheck::ModelForce:
        if (!Ask(TLinkMessageKey::Modforce, TQuestion::YesNo)) {
            StartClose();
            break;
        }
        if (!Closed)
            BeginBlocks();
        break;
    case TModelCheck::ModelSame:
        BeginBlocks();
        break;
    }
}

// The stamp stays in the image even if the write fails later.
void TWriteEngine::BeginBlocks()
{
    StampTime(All.Image.data() + kWriteTime, Clock());
    StateNow = TTransferState::Blocks;
    Block = -1;
    SendAckThenTry();
}

// Each acknowledgement confirms the block just sent (the first one the start acknowledgement).
void TWriteEngine::HandleBlockReply()
{
    if (Verifying) {
        HandleReadBlock(ReadBack, kWriteBlockCount, [this] { FinishVerify(); });
        return;
    }
    if (RxByte(0) != kAckByte)
        return;
    Transport.StopTimer(TLinkTimer::TryTime);
    if (++Block == kWriteBlockCount) {
        FinishWrite();
        return;
    }
    Partial = true;
    Send(BuildWriteFrame(All.Image.data(), Block), 1, false,
         [this] { Transport.StartTimer(TLinkTimer::TryTime, kTryTimeMs); });
    SetProgress(Position + 1);
}

void TWriteEngine::FinishWrite()
{
    StateNow = TTransferState::Idle;
    Partial = false;
    SendEnd([this] {
        SetProgress(ProgressMax);
        if (Verify) {
            StartVerify();
            return;
        }
        Success = true;
        Show(TLinkMessageKey::WriteOk);
        SetProgress(0);
        SetOkEnabled(true);
    });
}

// A second session on the same port reads back the blocks just written; the image is not touched.
void TWriteEngine::StartVerify()
{
    Verifying = true;
    ReadBack.assign(static_cast<size_t>(kWriteBlockCount * kBlockSize), 0);
    SetProgress(0);
    BeginSession();
}

void TWriteEngine::FinishVerify()
{
    StateNow = TTransferState::Idle;
    SendEnd([this] {
        Verifying = false;
        for (int block = 0; block < kWriteBlockCount; ++block) {
            const auto first = All.Image.begin() + block * kBlockSize;
            if (!std::equal(first, first + kBlockSize, ReadBack.begin() + block * kBlockSize))
                Differing.push_back(block);
        }
        SetProgress(ProgressMax);
        Success = Differing.empty();
        if (Success)
            Show(TLinkMessageKey::VerifyOk);
        else
            ShowFormatted(TLinkMessageKey::VerifyFailed, {std::to_string(Differing.size()), BlocksContents(Differing)});
        SetProgress(0);
        SetOkEnabled(true);
    });
}

TLinkMessageKey TWriteEngine::SilenceKey() const
{
    return Verifying ? TLinkMessageKey::VerifyNoAnswer : TLinkMessageKey::ComError;
}

void TWriteEngine::BeforeTryMessage()
{
    SetOkEnabled(true);
}

// The transfer is abandoned; the window stays open and later time-outs stay silent.
void TWriteEngine::OnLineError()
{
    if (Closed)
        return;
    StateNow = TTransferState::Idle;
    DropPending();
    Transport.StopTimer(TLinkTimer::XTimer);
    if (MsgShown)
        return;
    MsgShown = true;
    Show(SilenceKey());
}
