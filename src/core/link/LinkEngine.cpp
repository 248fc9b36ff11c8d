// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/LinkEngine.h"

#include <random>
#include <utility>

#include "core/link/Frames.h"

namespace
{

int DrawLetter()
{
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_int_distribution<int>(0, 4)(generator);
}

} // namespace

TLinkEngine::TLinkEngine(TAppState& all, const TMessageTexts& language, TLinkTransport& transport,
                         TLinkObserver& observer, int receiveCapacity)
    : RandomLetter(DrawLetter), All(all), Language(language), Transport(transport), Observer(observer),
      RxBuf(receiveCapacity)
{
}

// Collects like the radio's own programmer did: the buffer keeps at most its capacity, and a reply is
// handled once per notification while its length lies between the expected length and one below capacity.
void TLinkEngine::OnBytes(std::span<const uint8_t> bytes)
{
    // Listening starts when the frame has left: the radio cannot answer a frame it has not received, so
    // bytes before that are stale (a stray byte trailing the previous reply) and would shift this reply.
    if (Closed || Sending)
        return;
    for (uint8_t b : bytes) {
        if (RxLen < static_cast<int>(RxBuf.size()))
            RxBuf[RxLen++] = b;
    }
    // While a box is open the reply waits for the next notification.
    if (BoxDepth == 0 && ReplyComplete())
        HandleReply();
}

void TLinkEngine::OnSent()
{
    if (Closed || !Sending)
        return;
    Sending = false;
    RxLen = 0;
    auto then = std::exchange(AfterSent, nullptr);
    if (then)
        then();
}

void TLinkEngine::OnTimer(TLinkTimer id)
{
    if (Closed)
        return;
    if (id != TLinkTimer::Pause) {
        HandleTimer(id);
        return;
    }
    Transport.StopTimer(TLinkTimer::Pause);
    auto then = std::exchange(AfterPause, nullptr);
    if (then)
        then();
}

void TLinkEngine::Cancel()
{
    if (Closed)
        return;
    Closed = true;
    DropPending();
    for (int id = 0; id < kLinkTimerCount; ++id)
        Transport.StopTimer(static_cast<TLinkTimer>(id));
    Transport.ClosePort();
}

bool TLinkEngine::ReplyComplete() const
{
    // A frame that awaits nothing (the end byte) has no reply to handle.
    return ExpectLen > 0 && RxLen >= ExpectLen && RxLen < static_cast<int>(RxBuf.size());
}

bool TLinkEngine::SendFrame(TFrame frame, int replyLength, int drainLimitMs, std::function<void()> then)
{
    ExpectLen = replyLength;
    RxLen = 0;
    Sending = true;
    AfterSent = std::move(then);
    if (Transport.Send(frame, replyLength, drainLimitMs))
        return true;
    Sending = false;
    AfterSent = nullptr;
    return false;
}

void TLinkEngine::PauseThen(int ms, std::function<void()> then)
{
    AfterPause = std::move(then);
    Transport.StopTimer(TLinkTimer::Pause);
    Transport.StartTimer(TLinkTimer::Pause, ms);
}

void TLinkEngine::DropPending()
{
    Sending = false;
    AfterSent = nullptr;
    AfterPause = nullptr;
    Transport.StopTimer(TLinkTimer::Pause);
}

void TLinkEngine::StopTimers(std::initializer_list<TLinkTimer> ids)
{
    for (TLinkTimer id : ids)
        Transport.StopTimer(id);
}

int TLinkEngine::RxByte(int i) const
{
    return i < RxLen ? RxBuf[i] : -1;
}

bool TLinkEngine::AckAtByte0Or1() const
{
    return RxByte(0) == kAckByte || RxByte(1) == kAckByte;
}

void TLinkEngine::Show(TLinkMessageKey key, const std::string& detail)
{
    const std::string text = Language.LinkText(key);
    ShowText(key, detail.empty() ? text : text + "\n" + detail);
}

void TLinkEngine::ShowFormatted(TLinkMessageKey key, std::initializer_list<std::string> args)
{
    ShowText(key, FormatText(Language.LinkText(key), args));
}

void TLinkEngine::ShowText(TLinkMessageKey key, const std::string& text)
{
    ++BoxDepth;
    Observer.ShowMessage({key, IsLinkSuccess(key) ? Language.Completed : Language.Error, text});
    --BoxDepth;
}

bool TLinkEngine::Ask(TLinkMessageKey key, TQuestion question)
{
    ++BoxDepth;
    const bool yes = Observer.Ask({key, Language.Confirmation, Language.LinkText(key)}, question);
    --BoxDepth;
    return yes;
}
