// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the image to the radio: the model check (with the force-write question), the write-time stamp and
// blocks 0 to 294.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/link/TransferEngine.h"

enum class TModelCheck { ModelWrong, ModelSame, ModelForce };

// How a radio reporting identifier relates to the loaded model.
TModelCheck CheckModel(const TAppState& all, const TModelCatalogue& list, const std::string& identifier);

class TWriteEngine : public TTransferEngine
{
  public:
    TWriteEngine(TAppState& all, const TModelCatalogue& list, const TMessageTexts& language, TLinkTransport& transport,
                 TLinkObserver& observer);

    // Pauses 50 ms and opens the port.
    void Open() override;
    void OnLineError() override;

    // The last write attempt reached "Writing Completed." (and, with verify, read back as written).
    bool Succeeded() const { return Success; }
    // The last attempt wrote every block and read it back (verify after write was on).
    bool Verified() const { return Success && Verify; }
    // The blocks the read-back found otherwise than written; empty unless the last verify failed.
    const std::vector<int>& DifferingBlocks() const { return Differing; }
    // Some blocks reached the radio but not all of them: it holds a mix of old and new data until a write
    // goes through to the end.
    bool PartlyWritten() const { return Partial; }

    // The local time as "yyyy-MM-dd HH:mm:ss" for the write-time stamp; tests fix it.
    std::function<std::string()> Clock;

  private:
    void ResetAttempt() override;
    void HandleIdent() override;
    void HandleBlockReply() override;
    void BeforeTryMessage() override;
    void BeginBlocks();
    void FinishWrite();
    void StartVerify();
    void FinishVerify();
    TLinkMessageKey SilenceKey() const override;

    bool Success = false;
    // Taken from the state's VerifyAfterWrite when the attempt starts.
    bool Verify = false;
    // The read-back session runs.
    bool Verifying = false;
    bool Partial = false;
    std::vector<uint8_t> ReadBack;
    std::vector<int> Differing;
};
