// What the three link engines share: the event inputs, frame pacing through TLinkIo, the reply collector and
// the protocol pauses. See LinkIo.h for how an engine is driven.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "core/files/MessageTexts.h"
#include "core/link/LinkIo.h"
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
    TLinkEngine(TAppState& all, const TMessageTexts& language, TLinkIo& io, int receiveCapacity);

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

    void Show(const char* key, const std::string& text);
    void ShowPortError(const std::string& reason);
    bool Ask(const char* key, const std::string& text, TQuestion question);

    TAppState& All;
    const TMessageTexts& Language;
    TLinkIo& Io;
    std::vector<uint8_t> RxBuf;
    int RxLen = 0;
    int ExpectLen = 0;
    bool Closed = false;

  private:
    bool ReplyComplete() const;

    bool Sending = false;
    std::function<void()> AfterSent;
    std::function<void()> AfterPause;
    int BoxDepth = 0;
};
