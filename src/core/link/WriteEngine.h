// Writing the image to the radio: the model check (with the force-write question), the write-time stamp and
// blocks 0 to 294.
#pragma once

#include <functional>
#include <string>

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

    // The last write attempt reached "Writing Completed.".
    bool Succeeded() const { return Success; }

    // The local time as "yyyy-MM-dd HH:mm:ss" for the write-time stamp; tests fix it.
    std::function<std::string()> Clock;

  private:
    void ResetAttempt() override;
    void HandleIdent() override;
    void HandleBlockReply() override;
    void BeforeTryMessage() override;
    void BeginBlocks();
    void FinishWrite();

    bool Success = false;
};
