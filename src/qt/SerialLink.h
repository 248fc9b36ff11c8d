// The serial adapter: a radio-link engine's port and timers over QSerialPort and QTimer, on the thread that
// runs the event loop (the user-interface thread in the program, the main thread in the command line).
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <array>

#include "core/link/LinkIo.h"
#include "core/model/AppState.h"

class TLinkEngine;

// What a link window (or the command line) shows of a transfer: the parts of TLinkIo that are not the port.
class TLinkView
{
  public:
    virtual ~TLinkView() = default;
    virtual void Progress(int position, int maximum) = 0;
    virtual void ShowMessage(const TLinkMessage& message) = 0;
    virtual bool Ask(const TLinkMessage& message, TQuestion question) = 0;
    virtual void Changed() = 0;
    virtual void Finish() = 0;
};

class TSerialLink : public QObject, public TLinkIo
{
    Q_OBJECT
  public:
    TSerialLink(const TAppState& all, TLinkView& view);
    ~TSerialLink() override;

    // The engine that receives the port's notifications and the timers; nullptr stops all deliveries.
    void SetEngine(TLinkEngine* engine) { Engine = engine; }

    bool OpenPort(std::string& reason) override;
    void ClosePort() override;
    bool IsPortOpen() const override;
    void DiscardBuffers() override;
    bool Send(const TFrame& frame, int replyLength, int drainLimitMs) override;
    void StartTimer(TLinkTimer id, int intervalMs) override;
    void StopTimer(TLinkTimer id) override;
    void Progress(int position, int maximum) override { View.Progress(position, maximum); }
    void ShowMessage(const TLinkMessage& message) override { View.ShowMessage(message); }
    bool Ask(const TLinkMessage& message, TQuestion question) override { return View.Ask(message, question); }
    void Changed() override { View.Changed(); }
    void Finish() override { View.Finish(); }

    // The pause before every frame, so that the radio has finished with the previous one.
    static constexpr int kPacingMs = 20;

  private:
    void ConfigureTimer(QTimer& timer);
    void PortReadyRead();
    void PortError(QSerialPort::SerialPortError error);
    void WritePending();
    void CheckDrained();
    void FrameSent();
    void DropPendingFrame();

    const TAppState& All;
    TLinkView& View;
    TLinkEngine* Engine = nullptr;
    QSerialPort Port;
    std::array<QTimer, kLinkTimerCount> Timers;
    QTimer PacingTimer;
    // Gives up waiting for the output to drain, as the radio's programmer did after its last poll.
    QTimer DrainLimitTimer;
    QByteArray PendingFrame;
    bool Draining = false;
};
