// SPDX-License-Identifier: GPL-3.0-or-later
// A full read, a full write and a write with its read-back through the program's own windows and serial
// adapter against the virtual radio with 4800-baud wire time. Prints each transfer's time, the protocol floor
// (wire time of every byte both ways plus the pauses the protocol mandates), their ratio, and the longest
// stall of the event loop.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <functional>

#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "core/link/Frames.h"
#include "core/model/Derivations.h"
#include "core/model/Numbers.h"
#include "gui/kit/MessageBox.h"
#include "gui/link/ReadWindow.h"
#include "gui/link/WriteWindow.h"
#include "qt/SerialLink.h"

namespace
{

constexpr double kWakeupGapMs = 200.0;
constexpr double kOkPausesMs = 450.0 + 50.0;

// What a transfer puts on the line: bytes each way and frames (each preceded by the pacing pause).
struct TTraffic {
    int Sent = 0;
    int Received = 0;
    int Frames = 0;
    // Each session begins with the Ok pauses and the wake-up gap.
    int Sessions = 1;

    void Add(int sent, int received)
    {
        Sent += sent;
        Received += received;
        ++Frames;
    }
    double FloorMs() const
    {
        return (Sent + Received) * kByteWireMs + Frames * TSerialLink::kPacingMs +
               Sessions * (kWakeupGapMs + kOkPausesMs);
    }
};

// Wake-up, handshake, identification and start acknowledgement.
TTraffic Opening()
{
    TTraffic traffic;
    traffic.Add(kHandshakeLength, 1);
    traffic.Add(kHandshakeLength, 1);
    traffic.Add(1, kIdentLength);
    traffic.Add(1, 1);
    return traffic;
}

TTraffic ReadTraffic()
{
    TTraffic traffic = Opening();
    for (int block = 0; block < kReadBlockCount; ++block) {
        traffic.Add(kBlockRequestLength, kDataReplyLength);
        traffic.Add(1, 1);
    }
    traffic.Add(1, 0);
    return traffic;
}

TTraffic WriteTraffic()
{
    TTraffic traffic = Opening();
    for (int block = 0; block < kWriteBlockCount; ++block)
        traffic.Add(kWriteFrameLength, 1);
    traffic.Add(1, 0);
    return traffic;
}

// The write, then the read-back of its blocks in a second session with the same opening and pauses.
TTraffic VerifiedWriteTraffic()
{
    TTraffic traffic = WriteTraffic();
    const TTraffic opening = Opening();
    traffic.Sent += opening.Sent;
    traffic.Received += opening.Received;
    traffic.Frames += opening.Frames;
    traffic.Sessions += 1;
    for (int block = 0; block < kWriteBlockCount; ++block) {
        traffic.Add(kBlockRequestLength, kDataReplyLength);
        traffic.Add(1, 1);
    }
    traffic.Add(1, 0);
    return traffic;
}

// The longest time the event loop left a 1 ms timer waiting.
class TStallMeter
{
  public:
    TStallMeter()
    {
        Tick.setTimerType(Qt::PreciseTimer);
        Tick.setInterval(1);
        QObject::connect(&Tick, &QTimer::timeout, [this] {
            const qint64 now = Clock.nsecsElapsed();
            if (Last >= 0 && now - Last > Longest)
                Longest = now - Last;
            Last = now;
        });
    }
    void Start()
    {
        Longest = 0;
        Last = -1;
        Clock.start();
        Tick.start();
    }
    double StopMs()
    {
        Tick.stop();
        return static_cast<double>(Longest) / 1e6;
    }

  private:
    QTimer Tick;
    QElapsedTimer Clock;
    qint64 Last = -1;
    qint64 Longest = 0;
};

struct TResult {
    double Ms = -1.0;
    double StallMs = 0.0;
    QString Message;
};

// Shows the window, presses Ok once its port is open and times Ok to the completion message.
template <class TWindow> TResult RunTransfer()
{
    TResult result;
    TStallMeter stalls;
    QElapsedTimer clock;
    QEventLoop loop;
    SetMessageResponder([&](const QString&, const QString& text, TMessageKind) {
        result.Ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        result.StallMs = stalls.StopMs();
        result.Message = text;
        loop.quit();
        return TAnswer::Ok;
    });
    TWindow window;
    window.show();
    QTimer::singleShot(300, &window, [&] {
        stalls.Start();
        clock.start();
        window.btnOk->click();
    });
    loop.exec();
    SetMessageResponder(nullptr);
    return result;
}

void Report(const char* name, const TResult& result, const TTraffic& traffic)
{
    const double floor = traffic.FloorMs();
    std::printf("%-12s time %s ms  floor %s ms  ratio %s  longest stall %s ms  (%d frames, %d+%d bytes) %s\n", name,
                FormatFixed(result.Ms, 1).c_str(), FormatFixed(floor, 1).c_str(),
                FormatFixed(result.Ms / floor, 4).c_str(), FormatFixed(result.StallMs, 2).c_str(), traffic.Frames,
                traffic.Sent, traffic.Received, result.Message.toStdString().c_str());
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir folder;
    // The write window looks for backups to preview against: none of the user's.
    qputenv("XDG_DATA_HOME", folder.path().toUtf8());
    InitState(gAll, gMacList, folder.path().toStdString() + "/");
    PrepareFirstImage(gAll, gMacList);
    NewDataSet(gAll, gMacList);

    QProcess radio;
    radio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    radio.start(QStringLiteral(QBH52_BIN_DIR "/qbh52-radio-sim"),
                {"--wire-time", "--link", folder.filePath(QStringLiteral("radio"))});
    if (!radio.waitForReadyRead(10000)) {
        std::fprintf(stderr, "bench_transfer: qbh52-radio-sim did not start\n");
        return 1;
    }
    gAll.ComPort = radio.readLine().trimmed().toStdString();

    const TResult read = RunTransfer<TReadWindow>();
    gAll.VerifyAfterWrite = false;
    const TResult write = RunTransfer<TWriteWindow>();
    gAll.VerifyAfterWrite = true;
    const TResult verified = RunTransfer<TWriteWindow>();
    radio.terminate();
    radio.waitForFinished(5000);
    Report("read", read, ReadTraffic());
    Report("write", write, WriteTraffic());
    Report("write+verify", verified, VerifiedWriteTraffic());
    return read.Ms > 0 && write.Ms > 0 && verified.Ms > 0 ? 0 : 1;
}
