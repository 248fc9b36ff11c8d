// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the radio's memory: blocks 0 to 296 into a private staging buffer, handed to the image only when
// every block has arrived. A failed, refused or cancelled read leaves the image and the state untouched.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/link/TransferEngine.h"

class TReadEngine : public TTransferEngine
{
  public:
    TReadEngine(TAppState& all, const TModelCatalogue& list, const TMessageTexts& language, TLinkTransport& transport,
                TLinkObserver& observer);

    // Closes the port, pauses 50 ms, opens it and discards its buffers.
    void Open() override;
    void OnLineError() override;

    // The read finished and the image was replaced.
    bool Completed() const { return Done; }
    const std::string& RadioModelId() const { return ModelId; }
    uint8_t BandByte() const { return Band; }

  private:
    void ResetAttempt() override;
    void HandleIdent() override;
    void HandleBlockReply() override;
    void HandleTimer(TLinkTimer id) override;
    void FinishRead();

    std::vector<uint8_t> Staging;
    std::string ModelId;
    uint8_t Band = 0;
    bool FirstTry = true;
    bool Done = false;
};
