#include "core/link/WriteEngine.h"

#include "core/link/Frames.h"
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
}

void TWriteEngine::HandleIdent()
{
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
    if (RxByte(0) != kAckByte)
        return;
    Transport.StopTimer(TLinkTimer::TryTime);
    if (++Block == kWriteBlockCount) {
        FinishWrite();
        return;
    }
    Send(BuildWriteFrame(All.Image.data(), Block), 1, false,
         [this] { Transport.StartTimer(TLinkTimer::TryTime, kTryTimeMs); });
    SetProgress(Position + 1);
}

void TWriteEngine::FinishWrite()
{
    StateNow = TTransferState::Idle;
    SendEnd([this] {
        SetProgress(ProgressMax);
        Success = true;
        Show(TLinkMessageKey::WriteOk);
        SetProgress(0);
        SetOkEnabled(true);
    });
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
    Show(TLinkMessageKey::ComError);
}
