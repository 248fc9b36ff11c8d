// The one interface through which a radio-link engine (read, write, power test) acts on the world.
//
// How to drive an engine (TReadEngine, TWriteEngine, TPowerTestEngine):
//   1. Implement TLinkIo over the real port and timers (or over a virtual clock in tests) and construct the
//      engine with it. Events are then fed to the engine, one at a time, on one thread:
//        engine.Open()          the read and write windows are shown: the engine opens the port itself
//        engine.Start()         the Ok button (read, write) or the Online button (power test)
//        engine.OnBytes(bytes)  every data-available notification, with all bytes fetched from the port
//        engine.OnSent()        once per successful Send(), when the frame has left the program (see Send)
//        engine.OnTimer(id)     a timer started with StartTimer expired (timers are single-shot)
//        engine.OnLineError()   the port reported a line error or lost the device
//        engine.Cancel()        the window closes (Cancel, close box): timers stop, the port closes, and the
//                               engine calls nothing back any more
//   2. After every Changed() the window re-reads the engine's getters (Ok enabled, running, port open, ...).
//   3. Finish() asks the window to close (the engines' close timers); the read's result is its Completed().
//
// ShowMessage and Ask may run a nested event loop (a modal box); events delivered meanwhile are fine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using TFrame = std::vector<uint8_t>;

// The timers of the three link windows. The engine passes each interval with StartTimer.
enum class TLinkTimer {
    XTimer,     // read, write: 200 ms between the wake-up frame and the handshake frame
    HeadTime,   // read, write: handshake and identification time-out, 1500 ms
    TryTime,    // read, write: start and block phase time-out, 1500 ms
    ReTime,     // read: automatic restart after the first line error, 500 ms
    CloseTime,  // read, write: close the window, 300 ms
    Pause,      // every engine: the pauses of the protocol (450 + 50 ms on Ok, 50 ms before opening, ...)
    TryTimer,   // power test: step time-out, 1500 ms
    YesTimer,   // power test: command finished, 500 ms
    ErrsTimer,  // power test: close the port after a refused retry, 300 ms
    CloseTimer, // power test: close the window, 500 ms
};
inline constexpr int kLinkTimerCount = 10;

enum class TQuestion { YesNo, RetryCancel };

// A message box the engine wants shown: caption and text in the current language.
struct TLinkMessage {
    // The language key of the message: "PortError", "ComError", "ModError", "ReadOk", "WriteOk", or
    // "Modforce" for the force-write question (whose text is the ModError text followed by the Modforce text).
    std::string Key;
    std::string Caption;
    // The text as shown; a port that cannot be opened adds the system's reason on a second line.
    std::string Text;
};

class TLinkIo
{
  public:
    virtual ~TLinkIo() = default;

    // Opens the port named by the state's ComPort (a COMn name or a device path) at BaudRate, 8 data bits,
    // no parity, 2 stop bits, DTR and RTS raised, no flow control. On failure returns false and puts the
    // system's reason (may be empty) into reason.
    virtual bool OpenPort(std::string& reason) = 0;
    // Closing a closed port is harmless. A frame waiting to be sent is dropped (no OnSent for it).
    virtual void ClosePort() = 0;
    virtual bool IsPortOpen() const = 0;
    // Drops received bytes not yet delivered, bytes queued for sending, and a frame still waiting for its
    // pacing pause (no OnSent for it).
    virtual void DiscardBuffers() = 0;

    // Paces and sends one frame: pause 20 ms, write the frame, wait until the port's output has drained
    // (giving up after drainLimitMs), then call engine.OnSent(). replyLength is the length of the reply the
    // engine awaits (0: none). Returns false when the frame cannot be queued (port not open); then no OnSent.
    // The engine listens for the reply from OnSent on and sends the next frame only after OnSent.
    virtual bool Send(const TFrame& frame, int replyLength, int drainLimitMs) = 0;

    // Single-shot timers. Starting a timer that is already running leaves it running as it was.
    virtual void StartTimer(TLinkTimer id, int intervalMs) = 0;
    virtual void StopTimer(TLinkTimer id) = 0;

    virtual void Progress(int position, int maximum) = 0;
    // An information box with an OK button.
    virtual void ShowMessage(const TLinkMessage& message) = 0;
    // A question box (question icon); true for Yes or Retry.
    virtual bool Ask(const TLinkMessage& message, TQuestion question) = 0;
    // Something the window shows changed; re-read the engine's getters.
    virtual void Changed() = 0;
    // Close the window.
    virtual void Finish() = 0;
};
