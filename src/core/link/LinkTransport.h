// SPDX-License-Identifier: GPL-3.0-or-later
// The port and the timers a radio-link engine works through: the serial port in the program and the command
// line (TSerialLink), a virtual clock in the engine tests. See LinkEngine.h for how an engine is driven.
#pragma once

#include <string>

#include "core/link/Frames.h"

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

class TLinkTransport
{
  public:
    virtual ~TLinkTransport() = default;

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
};
