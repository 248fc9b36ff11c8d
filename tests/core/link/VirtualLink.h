// SPDX-License-Identifier: GPL-3.0-or-later
// An in-process serial line with a virtual clock between a link engine and the radio simulator: frames are
// paced and timed as on a 4800-baud 8N2 line, timers run on the virtual clock, and every frame is recorded.
// Beside it, a recorder of every message, question and progress step the engine reports.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/link/LinkEngine.h"
#include "core/link/LinkObserver.h"
#include "core/link/LinkTransport.h"
#include "core/model/ModelCatalogue.h"
#include "sim/RadioResponder.h"

// The state after start-up with a new image of the built-in model, the link on COM3.
void PrepareLinkState(TAppState& all, TModelCatalogue& list);
// Radio memory that differs from a new image in every block yet holds valid settings.
void FillRadioMemory(TRadioResponder& radio, const TAppState& all);

class TVirtualLink : public TLinkTransport
{
  public:
    explicit TVirtualLink(TRadioResponder& radio) : Radio(radio) {}
    void Attach(TLinkEngine& engine) { Engine = &engine; }

    double Now() const { return Clock; }
    // Runs events in time order until done() holds, no event is left, or the clock would pass Now + limitMs.
    void RunUntil(const std::function<bool()>& done, double limitMs);
    void RunFor(double ms);
    // A line error reported by the port, at the current time.
    void RaiseLineError() { Engine->OnLineError(); }

    bool OpenPort(std::string& reason) override;
    void ClosePort() override;
    bool IsPortOpen() const override { return PortOpen; }
    void DiscardBuffers() override;
    bool Send(const TFrame& frame, int replyLength, int drainLimitMs) override;
    void StartTimer(TLinkTimer id, int intervalMs) override;
    void StopTimer(TLinkTimer id) override;

    bool TimerRunning(TLinkTimer id) const { return Timers[static_cast<int>(id)].Running; }
    // Frames the program put on the line (after their pacing pause), with the time they were written.
    std::vector<TFrame> SentFrames() const;

    struct TSent {
        double At;
        TFrame Bytes;
    };
    std::vector<TSent> Sent;
    bool FailOpen = false;
    std::string FailReason;
    int OpenCount = 0;
    double ByteMs = kByteWireMs;
    // Frames for which this holds never reach the radio (an unplugged cable, a radio deaf to a command).
    std::function<bool(const TFrame&)> DropFrame;

  private:
    struct TTimer {
        bool Running = false;
        unsigned Generation = 0;
    };
    void Schedule(double at, std::function<void()> action);
    void RadioReceives(const TFrame& frame);
    void Deliver(std::vector<uint8_t> bytes);

    TRadioResponder& Radio;
    TLinkEngine* Engine = nullptr;
    double Clock = 0;
    unsigned long Sequence = 0;
    std::map<std::pair<double, unsigned long>, std::function<void()>> Events;
    std::array<TTimer, kLinkTimerCount> Timers{};
    bool PortOpen = false;
    // Closing the port or discarding its buffers forgets what was under way.
    unsigned PortEpoch = 0;
    unsigned SendEpoch = 0;
    double RadioSendsUntil = 0;
};

// Stands where a window would, on the line's clock: records what the engine shows and answers its questions.
class TLinkRecorder : public TLinkObserver
{
  public:
    explicit TLinkRecorder(const TVirtualLink& clock) : Clock(clock) {}

    void Progress(int position, int maximum) override;
    void ShowMessage(const TLinkMessage& message) override;
    bool Ask(const TLinkMessage& message, TQuestion question) override;
    void Changed() override { ++ChangedCount; }
    void Finish() override
    {
        ++FinishCount;
        FinishedAt = Clock.Now();
    }

    std::vector<TLinkMessageKey> MessageKeys() const;

    std::vector<TLinkMessage> Messages;
    std::vector<std::pair<TLinkMessage, TQuestion>> Questions;
    std::function<bool(const TLinkMessage&, TQuestion)> Answer = [](const TLinkMessage&, TQuestion) { return false; };
    std::function<void(const TLinkMessage&)> OnMessage;
    int ChangedCount = 0;
    int FinishCount = 0;
    double FinishedAt = -1;
    int ProgressPosition = -1;
    int ProgressMaximum = -1;
    int ProgressPeak = -1;

  private:
    const TVirtualLink& Clock;
};

// Failure output names a key by its built-in English text.
void PrintTo(TLinkMessageKey key, std::ostream* out);
