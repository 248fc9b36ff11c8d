// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/SerialLink.h"

#include <QFileInfo>
#include <span>
#include <utility>

#include "core/files/StartUp.h"
#include "core/link/LinkEngine.h"
#include "qt/PortList.h"

namespace
{
// Why a port cannot be opened, for the second line under "Cannot open the communication port.".
std::string OpenFailureReason(const QSerialPort& port)
{
    std::string reason = port.portName().toStdString() + ": " + port.errorString().toStdString();
    if (port.error() == QSerialPort::PermissionError)
        reason += "\n" + gLanguage.PortPermission;
    return reason;
}
} // namespace

TSerialLink::TSerialLink(const TAppState& all) : All(all)
{
    for (int i = 0; i < kLinkTimerCount; ++i) {
        ConfigureTimer(Timers[i]);
        const auto id = static_cast<TLinkTimer>(i);
        connect(&Timers[i], &QTimer::timeout, this, [this, id] {
            if (Engine)
                Engine->OnTimer(id);
        });
    }
    ConfigureTimer(PacingTimer);
    ConfigureTimer(DrainLimitTimer);
    connect(&PacingTimer, &QTimer::timeout, this, &TSerialLink::WritePending);
    connect(&DrainLimitTimer, &QTimer::timeout, this, &TSerialLink::FrameSent);
    connect(&Port, &QSerialPort::readyRead, this, &TSerialLink::PortReadyRead);
    connect(&Port, &QSerialPort::errorOccurred, this, &TSerialLink::PortError);
    connect(&Port, &QSerialPort::bytesWritten, this, &TSerialLink::CheckDrained);
}

TSerialLink::~TSerialLink()
{
    Engine = nullptr;
    ClosePort();
}

// The protocol's pauses are short and their minimum matters: a coarse timer could fire early.
void TSerialLink::ConfigureTimer(QTimer& timer)
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
}

bool TSerialLink::OpenPort(std::string& reason)
{
    ClosePort();
    // A device path is taken relative to the working folder, as every path on a command line is.
    QString name = QString::fromStdString(All.ComPort);
    if (name.contains(QLatin1Char('/')))
        name = QFileInfo(name).absoluteFilePath();
    const QString device = PortDevice(All, name);
    if (device.isEmpty()) {
        reason = "No serial device is known as " + All.ComPort + ".";
        return false;
    }
    Port.setPortName(device);
    Port.setBaudRate(All.BaudRate);
    Port.setDataBits(QSerialPort::Data8);
    Port.setParity(QSerialPort::NoParity);
    Port.setStopBits(QSerialPort::TwoStop);
    Port.setFlowControl(QSerialPort::NoFlowControl);
    if (!Port.open(QIODevice::ReadWrite)) {
        reason = OpenFailureReason(Port);
        return false;
    }
    // A pseudo-terminal has no modem lines; the cable draws its power from them, so try, but go on without.
    Port.setDataTerminalReady(true);
    Port.setRequestToSend(true);
    return true;
}

void TSerialLink::ClosePort()
{
    DropPendingFrame();
    if (Port.isOpen())
        Port.close();
}

bool TSerialLink::IsPortOpen() const
{
    return Port.isOpen();
}

void TSerialLink::DiscardBuffers()
{
    DropPendingFrame();
    if (Port.isOpen())
        Port.clear(QSerialPort::AllDirections);
}

bool TSerialLink::Send(const TFrame& frame, int /*replyLength*/, int drainLimitMs)
{
    if (!Port.isOpen())
        return false;
    DropPendingFrame();
    PendingFrame = QByteArray(reinterpret_cast<const char*>(frame.data()), static_cast<qsizetype>(frame.size()));
    DrainLimitTimer.setInterval(drainLimitMs);
    PacingTimer.start(kPacingMs);
    return true;
}

void TSerialLink::WritePending()
{
    if (!Port.isOpen())
        return;
    const QByteArray frame = std::exchange(PendingFrame, QByteArray());
    Draining = true;
    DrainLimitTimer.start();
    Port.write(frame);
    CheckDrained();
}

void TSerialLink::CheckDrained()
{
    if (Draining && Port.bytesToWrite() == 0)
        FrameSent();
}

void TSerialLink::FrameSent()
{
    if (!Draining)
        return;
    Draining = false;
    DrainLimitTimer.stop();
    if (Engine)
        Engine->OnSent();
}

void TSerialLink::DropPendingFrame()
{
    PacingTimer.stop();
    DrainLimitTimer.stop();
    PendingFrame.clear();
    Draining = false;
}

void TSerialLink::StartTimer(TLinkTimer id, int intervalMs)
{
    QTimer& timer = Timers[static_cast<size_t>(id)];
    if (!timer.isActive())
        timer.start(intervalMs);
}

void TSerialLink::StopTimer(TLinkTimer id)
{
    Timers[static_cast<size_t>(id)].stop();
}

void TSerialLink::PortReadyRead()
{
    // QSerialPort may report the answer before it reports that the frame went out (it signals bytesWritten
    // one notification later); the frame has left once nothing waits in the output, and the engine must
    // hear that first, as it listens only from then on.
    CheckDrained();
    const QByteArray bytes = Port.readAll();
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    if (Engine && !bytes.isEmpty())
        Engine->OnBytes(std::span(data, static_cast<size_t>(bytes.size())));
}

// A vanished device (the cable pulled, the virtual radio ended) reports read errors for as long as the port
// stays open: close it and treat it as a line error. Modem-line requests a pseudo-terminal refuses are harmless.
void TSerialLink::PortError(QSerialPort::SerialPortError error)
{
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError && error != QSerialPort::WriteError)
        return;
    if (!Port.isOpen())
        return;
    ClosePort();
    if (Engine)
        Engine->OnLineError();
}
