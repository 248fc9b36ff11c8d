// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualLink.h"

#include <algorithm>
#include <ostream>

#include "core/files/StartUp.h"
#include "core/model/Derivations.h"

void PrepareLinkState(TAppState& all, TModelCatalogue& list)
{
    InitState(all, list, "/nonexistent/");
    PrepareFirstImage(all, list);
    all.ComPort = "COM3";
    all.Modified = false;
}

void FillRadioMemory(TRadioResponder& radio, const TAppState& all)
{
    radio.Memory = all.Image;
    // Channel records and the FM memories: every byte of blocks 0 to 280 changes.
    for (int i = 0; i < 0x1190; ++i)
        radio.Memory[i] = static_cast<uint8_t>(i * 31 + 7);
    // The serial number area, beyond what the write sends.
    for (int i = kSerialNumber; i < kSerialNumber + 16; ++i)
        radio.Memory[i] = static_cast<uint8_t>(0xA0 + i % 16);
}

void TVirtualLink::Schedule(double at, std::function<void()> action)
{
    Events.emplace(std::make_pair(at, Sequence++), std::move(action));
}

void TVirtualLink::RunUntil(const std::function<bool()>& done, double limitMs)
{
    const double end = Clock + limitMs;
    while (!done() && !Events.empty() && Events.begin()->first.first <= end) {
        auto node = Events.extract(Events.begin());
        Clock = node.key().first;
        node.mapped()();
    }
    if (!done())
        Clock = std::max(Clock, end);
}

void TVirtualLink::RunFor(double ms)
{
    RunUntil([] { return false; }, ms);
}

bool TVirtualLink::OpenPort(std::string& reason)
{
    ++OpenCount;
    if (FailOpen) {
        reason = FailReason;
        return false;
    }
    PortOpen = true;
    return true;
}

void TVirtualLink::ClosePort()
{
    PortOpen = false;
    ++PortEpoch;
    ++SendEpoch;
}

void TVirtualLink::DiscardBuffers()
{
    ++SendEpoch;
}

// 20 ms pacing, then the write; a pseudo-terminal or driver takes the bytes at once, so the output has
// drained right after the write while the bytes still spend their wire time on the line.
bool TVirtualLink::Send(const TFrame& frame, int, int)
{
    if (!PortOpen)
        return false;
    const unsigned sendEpoch = SendEpoch;
    const unsigned portEpoch = PortEpoch;
    Schedule(Clock + 20, [this, frame, sendEpoch, portEpoch] {
        if (sendEpoch != SendEpoch || portEpoch != PortEpoch)
            return;
        Sent.push_back({Clock, frame});
        Schedule(Clock + ByteMs * frame.size(), [this, frame, portEpoch] {
            if (portEpoch == PortEpoch && !(DropFrame && DropFrame(frame)))
                RadioReceives(frame);
        });
        Engine->OnSent();
    });
    return true;
}

void TVirtualLink::RadioReceives(const TFrame& frame)
{
    TSimOutput out = Radio.Receive(frame);
    for (TSimPiece& piece : out.Pieces) {
        const double start = std::max(Clock, RadioSendsUntil);
        RadioSendsUntil = start + ByteMs * piece.Bytes.size();
        const unsigned portEpoch = PortEpoch;
        Schedule(RadioSendsUntil, [this, bytes = std::move(piece.Bytes), portEpoch] {
            if (portEpoch == PortEpoch)
                Deliver(bytes);
        });
    }
    if (out.LineError)
        Schedule(Clock, [this] { Engine->OnLineError(); });
}

void TVirtualLink::Deliver(std::vector<uint8_t> bytes)
{
    if (PortOpen)
        Engine->OnBytes(bytes);
}

void TVirtualLink::StartTimer(TLinkTimer id, int intervalMs)
{
    TTimer& timer = Timers[static_cast<int>(id)];
    if (timer.Running)
        return;
    timer.Running = true;
    const unsigned generation = ++timer.Generation;
    Schedule(Clock + intervalMs, [this, id, generation] {
        TTimer& t = Timers[static_cast<int>(id)];
        if (!t.Running || t.Generation != generation)
            return;
        t.Running = false;
        Engine->OnTimer(id);
    });
}

void TVirtualLink::StopTimer(TLinkTimer id)
{
    TTimer& timer = Timers[static_cast<int>(id)];
    timer.Running = false;
    ++timer.Generation;
}

std::vector<TFrame> TVirtualLink::SentFrames() const
{
    std::vector<TFrame> frames;
    for (const TSent& sent : Sent)
        frames.push_back(sent.Bytes);
    return frames;
}

void TLinkRecorder::Progress(int position, int maximum)
{
    ProgressPosition = position;
    ProgressMaximum = maximum;
    ProgressPeak = std::max(ProgressPeak, position);
}

void TLinkRecorder::ShowMessage(const TLinkMessage& message)
{
    Messages.push_back(message);
    if (OnMessage)
        OnMessage(message);
}

bool TLinkRecorder::Ask(const TLinkMessage& message, TQuestion question)
{
    Questions.emplace_back(message, question);
    return Answer(message, question);
}

std::vector<TLinkMessageKey> TLinkRecorder::MessageKeys() const
{
    std::vector<TLinkMessageKey> keys;
    for (const TLinkMessage& message : Messages)
        keys.push_back(message.Key);
    return keys;
}

void PrintTo(TLinkMessageKey key, std::ostream* out)
{
    *out << '"' << TMessageTexts().LinkText(key) << '"';
}
