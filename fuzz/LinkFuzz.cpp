// SPDX-License-Identifier: GPL-3.0-or-later
// Each link engine fed any reply bytes on a virtual clock. The input is a script: its first byte picks the
// engine, then each byte is a step (a reply of the following bytes, a timer running out, a line error, an
// answer to a question). The engine must never crash, never send while a frame is unsent, and must stop
// within a bounded number of steps once the radio falls silent.
#include <array>
#include <optional>

#include "FuzzSupport.h"
#include "core/link/PowerTestEngine.h"
#include "core/link/ReadEngine.h"
#include "core/link/WriteEngine.h"

namespace
{
class TScript
{
  public:
    TScript(const uint8_t* data, size_t size) : Data(data), Size(size) {}
    bool AtEnd() const { return Position >= Size; }
    uint8_t Next() { return AtEnd() ? 0 : Data[Position++]; }

  private:
    const uint8_t* Data;
    size_t Size;
    size_t Position = 0;
};

// The port and timers on a virtual clock: a frame counts as sent on the next step, timers fire in time order.
class TScriptedLink : public TLinkTransport
{
  public:
    TLinkEngine* Engine = nullptr;
    bool Unsent = false;

    bool OpenPort(std::string&) override { return Open = true; }
    void ClosePort() override { Open = Unsent = false; }
    bool IsPortOpen() const override { return Open; }
    void DiscardBuffers() override { Unsent = false; }
    bool Send(const TFrame&, int, int) override
    {
        Require(!Unsent); // the engine sends the next frame only after OnSent
        if (!Open)
            return false;
        Unsent = true;
        return true;
    }
    void StartTimer(TLinkTimer id, int intervalMs) override
    {
        auto& due = Due[static_cast<size_t>(id)];
        if (!due)
            due = Clock + intervalMs;
    }
    void StopTimer(TLinkTimer id) override { Due[static_cast<size_t>(id)].reset(); }

    // Delivers the frame's OnSent or fires the earliest timer; false when nothing is left to happen.
    bool Step()
    {
        if (Unsent) {
            Unsent = false;
            Engine->OnSent();
            return true;
        }
        size_t first = Due.size();
        for (size_t i = 0; i < Due.size(); ++i)
            if (Due[i] && (first == Due.size() || *Due[i] < *Due[first]))
                first = i;
        if (first == Due.size())
            return false;
        Clock = *Due[first];
        Due[first].reset();
        Engine->OnTimer(static_cast<TLinkTimer>(first));
        return true;
    }

  private:
    bool Open = false;
    double Clock = 0;
    std::array<std::optional<double>, kLinkTimerCount> Due{};
};

class TScriptedObserver : public TLinkObserver
{
  public:
    explicit TScriptedObserver(TScript& script) : Script(script) {}
    bool Finished = false;

    void Progress(int position, int maximum) override { Require(position >= 0 && position <= maximum); }
    void ShowMessage(const TLinkMessage& message) override { Require(!message.Text.empty()); }
    bool Ask(const TLinkMessage&, TQuestion) override { return (Script.Next() & 1) != 0; }
    void Changed() override {}
    void Finish() override { Finished = true; }

  private:
    TScript& Script;
};

// Runs the script's steps, then lets the engine's timers run out with the radio silent.
void Drive(TLinkEngine& engine, TScriptedLink& link, TScript& script, TScriptedObserver& observer)
{
    constexpr int kQuietSteps = 2000;
    while (!script.AtEnd() && !observer.Finished) {
        const uint8_t op = script.Next();
        if (op < 0xC0) {
            std::vector<uint8_t> reply(op % 48);
            for (uint8_t& byte : reply)
                byte = script.Next();
            engine.OnBytes(reply);
        } else if (op < 0xF8) {
            link.Step();
        } else {
            engine.OnLineError();
        }
    }
    int quiet = 0;
    while (!observer.Finished && link.Step())
        Require(++quiet < kQuietSteps);
    engine.Cancel();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TScript script(data, size);
    TAppState all;
    TModelCatalogue list;
    FreshState(all, list);
    all.ComPort = "COM3";
    const TMessageTexts texts;
    TScriptedLink link;
    TScriptedObserver observer(script);
    const uint8_t choice = script.Next() % 3;
    if (choice == 0) {
        TReadEngine engine(all, list, texts, link, observer);
        engine.RandomLetter = [] { return 0; };
        link.Engine = &engine;
        engine.Open();
        engine.Start();
        Drive(engine, link, script, observer);
    } else if (choice == 1) {
        TWriteEngine engine(all, list, texts, link, observer);
        engine.RandomLetter = [] { return 0; };
        engine.Clock = [] { return std::string("2026-01-01 00:00:00"); };
        link.Engine = &engine;
        engine.Open();
        engine.Start();
        Drive(engine, link, script, observer);
    } else {
        TPowerTestEngine engine(all, texts, link, observer);
        engine.RandomLetter = [] { return 0; };
        link.Engine = &engine;
        engine.Start();
        Drive(engine, link, script, observer);
    }
    return 0;
}
