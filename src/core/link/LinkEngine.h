// SPDX-License-Identifier: GPL-3.0-or-later
// What the three link engines share: the event inputs, frame pacing through the transport, the reply
// collector and the protocol pauses.
//
// How to drive an engine (TReadEngine, TWriteEngine, TPowerTestEngine):
//   1. Implement TLinkTransport over the real port and timers (or over a virtual clock in tests) and
//      TLinkObserver where the transfer is shown (a window, the command line, a test's recorder), and
//      construct the engine with both. Events are then fed to the engine, one at a time, on one thread:
//        engine.Open()          the read and write windows are shown: the engine opens the port itself
//        engine.Start()         the Ok button (read, write) or the Online button (power test)
//        engine.OnBytes(bytes)  every data-available notification, with all bytes fetched from the port
//        engine.OnSent()        once per successful Send(), when the frame has left the program (see
//                               TLinkTransport::Send)
//        engine.OnTimer(id)     a timer started with StartTimer expired (timers are single-shot)
//        engine.OnLineError()   the port reported a line error or lost the device
//        engine.Cancel()        the window closes (Cancel, close box): timers stop, the port closes, and the
//                               engine calls nothing back any more
//   2. After every Changed() the observer re-reads the engine's getters (Ok enabled, running, port open, ...).
//   3. Finish() asks the window to close (the engines' close timers); the read's result is its Completed().
//
// ShowMessage and Ask may run a nested event loop (a modal box); events delivered meanwhile are fine.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "core/files/MessageTexts.h"
#include "core/link/LinkObserver.h"
#include "core/link/LinkTransport.h"
#include "core/model/AppState.h"

class TLinkEngine
{
  public:
    virtual ~TLinkEngine() = default;
    TLinkEngine(const TLinkEngine&) = delete;
    TLinkEngine& operator=(const TLinkEngine&) = delete;

    virtual void Start() = 0;
    void OnBytes(std::span<const uint8_t> bytes);
    void OnSent();
    void OnTimer(TLinkTimer id);
    virtual void OnLineError() = 0;
    // The window closes: every timer stops, the port closes, nothing more is sent or called back.
    void Cancel();

    // Draws the random part of a handshake letter (0 to 4); tests replace it to get fixed frames.
    std::function<int()> RandomLetter;

  protected:
    TLinkEngine(TAppState& all, const TMessageTexts& language, TLinkTransport& transport, TLinkObserver& observer,
                int receiveCapacity);

    // Sends a frame awaiting replyLength bytes (0: none) and runs then() when it has left the program.
    // false when the port refused it; then() does not run.
    bool SendFrame(TFrame frame, int replyLength, int drainLimitMs, std::function<void()> then);
    // A protocol pause as a timer: then() runs when it is over.
    void PauseThen(int ms, std::function<void()> then);
    // Forgets a frame awaiting OnSent and a running pause, so their follow-ups never run.
    void DropPending();
    void StopTimers(std::initializer_list<TLinkTimer> ids);

    // A reply of the expected length is in RxBuf (bytes beyond it are kept but ignored).
    virtual void HandleReply() = 0;
    virtual void HandleTimer(TLinkTimer id) = 0;

    // Byte i of the reply, or -1 when fewer bytes arrived: a short reply never matches a stale byte.
    int RxByte(int i) const;
    bool AckAtByte0Or1() const;

    // The message's text in the current language; detail, when given, follows on a second line.
    void Show(TLinkMessageKey key, const std::string& detail = {});
    // The message's text with its %1, %2, ... filled in.
    void ShowFormatted(TLinkMessageKey key, std::initializer_list<std::string> args);
    bool Ask(TLinkMessageKey key, TQuestion question);

    TAppState& All;
    const TMessageTexts& Language;
    TLinkTransport& Transport;
    TLinkObserver& Observer;
    std::vector<uint8_t> RxBuf;
    int RxLen = 0;
    int ExpectLen = 0;
    bool Closed = false;

  private:
    bool ReplyComplete() const;
    void ShowText(TLinkMessageKey key, const std::string& text);

    bool Sending = false;
    std::function<void()> AfterSent;
    std::function<void()> AfterPause;
    int BoxDepth = 0;
};
