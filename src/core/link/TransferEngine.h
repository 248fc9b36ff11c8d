// SPDX-License-Identifier: GPL-3.0-or-later
// The programming protocol that read and write share: opening the port, the wake-up and handshake frames,
// the identification exchange and the time-outs. TReadEngine and TWriteEngine add the model check and the
// block phase.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/link/LinkEngine.h"
#include "core/model/ModelCatalogue.h"

enum class TTransferState { Idle, WaitAck, WaitIdent, Blocks };

class TTransferEngine : public TLinkEngine
{
  public:
    // The window is shown: opens the port (a failure shows PortError and closes the window 300 ms later).
    virtual void Open() = 0;
    // The Ok button: one transfer attempt. Ignored while the Ok button is disabled.
    void Start() override;

    bool OkEnabled() const { return OkOn; }
    TTransferState State() const { return StateNow; }
    int BlockNo() const { return Block; }

  protected:
    TTransferEngine(TAppState& all, const TModelCatalogue& list, const TMessageTexts& language,
                    TLinkTransport& transport, TLinkObserver& observer, int progressMax, int drainLimitMs);

    // The start and block phase time-out (TryTime).
    static constexpr int kTryTimeMs = 1500;

    // Opens the port after the pause of its window; runs a Start that came meanwhile once it is open.
    void OpenAfterPause(bool discard);
    bool EnsureOpen();
    void SetOkEnabled(bool on);
    void SetProgress(int position);
    void Send(TFrame frame, int replyLength, bool ack, std::function<void()> then);
    void SendEnd(std::function<void()> then);
    void SendAckThenTry();
    void StartClose();
    // The four characters of the identification reply's bytes 1 to 4.
    std::string ReplyIdentifier() const;
    // A session after the Ok pauses: the port's buffers discarded, then the wake-up frame, the handshake and
    // the identification. An attempt's first session, and the write's read-back after its last block.
    void BeginSession();
    // The block phase of a read session, which the read and the write's read-back share: each acknowledgement
    // asks for the next block, each data reply must answer its request and puts its 16 bytes into blocks, then
    // is acknowledged. finished() runs once block count - 1 is acknowledged.
    void HandleReadBlock(std::vector<uint8_t>& blocks, int count, const std::function<void()>& finished);
    // A reply that answers another frame ends the attempt as a silent radio does.
    void ReplyMismatch();
    // The message a silent or confused radio ends an attempt with.
    virtual TLinkMessageKey SilenceKey() const { return TLinkMessageKey::ComError; }

    void HandleReply() override;
    void HandleTimer(TLinkTimer id) override;
    virtual void HandleIdent() = 0;
    virtual void HandleBlockReply() = 0;
    // A new attempt begins (Ok pressed).
    virtual void ResetAttempt() = 0;
    // The block phase timed out and a message may be shown (the write enables Ok first).
    virtual void BeforeTryMessage() {}

    const TModelCatalogue& List;
    TTransferState StateNow = TTransferState::Idle;
    int Block = -1;
    bool AckSent = false;
    bool MsgShown = false;
    bool OkOn = true;
    int Position = 0;
    const int ProgressMax;

  private:
    void SendWakeup();
    void SendHandshake();
    void HeadTimeout();
    void TryTimeout();

    const int DrainLimitMs;
    int PortNo = 0;
    bool Opening = false;
    bool StartWhenOpen = false;
};
