// SPDX-License-Identifier: GPL-3.0-or-later
// The serial adapter: a radio-link engine's port and timers over QSerialPort and QTimer, on the thread that
// runs the event loop (the user-interface thread in the program, the main thread in the command line).
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <array>

#include "core/link/LinkTransport.h"
#include "core/model/AppState.h"

class TLinkEngine;

class TSerialLink : public QObject, public TLinkTransport
{
    Q_OBJECT
  public:
    explicit TSerialLink(const TAppState& all);
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
    TLinkEngine* Engine = nullptr;
    QSerialPort Port;
    std::array<QTimer, kLinkTimerCount> Timers;
    QTimer PacingTimer;
    // Gives up waiting for the output to drain, as the radio's programmer did after its last poll.
    QTimer DrainLimitTimer;
    QByteArray PendingFrame;
    bool Draining = false;
};
