// SPDX-License-Identifier: GPL-3.0-or-later
// What a radio-link engine reports to whoever shows the transfer: a link window, the command line, or the
// recorder of the engine tests. See LinkEngine.h for how an engine is driven.
#pragma once

#include <string>

#include "core/files/MessageTexts.h"

enum class TQuestion { YesNo, RetryCancel };

// A message box the engine wants shown: caption and text in the current language.
struct TLinkMessage {
    TLinkMessageKey Key;
    std::string Caption;
    // The text as shown; a port that cannot be opened adds the system's reason on a second line.
    std::string Text;
};

class TLinkObserver
{
  public:
    virtual ~TLinkObserver() = default;

    virtual void Progress(int position, int maximum) = 0;
    // A box with an OK button: a success (IsLinkSuccess) or a failure, captioned as such.
    virtual void ShowMessage(const TLinkMessage& message) = 0;
    // A question box (question icon); true for Yes or Retry.
    virtual bool Ask(const TLinkMessage& message, TQuestion question) = 0;
    // Something the window shows changed; re-read the engine's getters.
    virtual void Changed() = 0;
    // Close the window.
    virtual void Finish() = 0;
};
