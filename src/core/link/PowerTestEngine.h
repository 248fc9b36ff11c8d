// SPDX-License-Identifier: GPL-3.0-or-later
// The power test: reads the radio's 65-row transmit-power table and writes single settings back, each user
// action running a short command (handshake, one working frame, end byte) one step at a time.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/link/Frames.h"
#include "core/link/LinkEngine.h"

// A 10-MHz piece of a frequency band, one item of the segment tree.
struct TSegment {
    std::string Text; // "136.000 -- 140.000MHz"
    double Start = 0.0;
    double End = 0.0;
    // Power-table row: the number in the first two characters of Text; -1 when they are not a number.
    int Row = -1;
    // Only segments with a row inside the table can be selected; nothing is read or sent for the others.
    bool Enabled = false;
};

// Bands 1, 2, 3, 0 cut at each multiple of 10 MHz; a band whose Low is 0 gives none.
std::vector<TSegment> BuildSegments(const std::array<TBand, 4>& bands);

// Track bar tags: the byte of a power-table row each bar sets.
inline constexpr int kLowPowerTag = 10;
inline constexpr int kHighPowerTag = 12;

enum class TTestCommand { None, Online, SetPower, Close };
enum class TStepCheck { Ack, BlockRead, ByteCompare, None };

struct TCommandEntry {
    TFrame Frame;
    int ReplyLen = 0;
    int Expected = 0; // ByteCompare: the reply byte awaited
    int NextRow = 0;  // BlockRead: the row the frame asks for
    int LastRow = 0;  // BlockRead: the last row to read
    TStepCheck Check = TStepCheck::None;
};

class TPowerTestEngine : public TLinkEngine
{
  public:
    TPowerTestEngine(TAppState& all, const TMessageTexts& language, TLinkTransport& transport, TLinkObserver& observer);

    // Online: opens the port (PortError when it cannot), pauses 200 ms and reads the whole power table.
    void Start() override;
    // A bar of the selected segment's row changed (tag kLowPowerTag or kHighPowerTag): stores the value and,
    // while the port is open, writes it to the radio. Rows outside the table are refused.
    void SetPower(int row, int tag, uint8_t value);
    // The Close button: ends the session if the port is open and closes the window 500 ms later.
    void CloseCommand();
    // Line errors end in the step time-out and its Retry/Cancel question.
    void OnLineError() override {}

    const std::array<uint8_t, kPowerTableSize>& PowerTable() const { return Table; }
    uint8_t PowerValue(int row, int tag) const;
    // A command is running: the window's panel is disabled and the progress bar shown.
    bool Running() const { return IsRunning; }
    // The tree, the test-frequency box, the bars and their edits are usable.
    bool ControlsEnabled() const { return ControlsOn; }
    // The panel cxAll is enabled.
    bool PanelEnabled() const { return PanelOn; }
    // The power table was read once (the lamp fSTx turns red).
    bool TableRead() const { return TableWasRead; }
    // True once after each completed Online: the window loads the bars of the selected segment.
    bool TakeTableLoaded();
    bool PortOpen() const { return Transport.IsPortOpen(); }
    TTestCommand CurrentCommand() const { return Command; }

  private:
    void HandleReply() override;
    void HandleTimer(TLinkTimer id) override;
    void BeginOnline();
    void BuildCommand(TTestCommand command, std::optional<TCommandEntry> working);
    void RunCommand();
    void SendEntry();
    bool JudgeReply(bool& done);
    void StepTimeout();
    void CommandFinished();
    void RefuseRetry();
    void ClosePortAfterRefusal();
    void SetProgress(int position);

    std::array<uint8_t, kPowerTableSize> Table{};
    std::vector<TCommandEntry> Entries;
    TTestCommand Command = TTestCommand::None;
    size_t Current = 0;
    int Position = 0;
    int ProgressMax = 0;
    bool IsRunning = false;
    bool ControlsOn = false;
    bool PanelOn = true;
    bool TableWasRead = false;
    bool TableLoaded = false;
    bool Opening = false;
};
