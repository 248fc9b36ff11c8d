// SPDX-License-Identifier: GPL-3.0-or-later
// How long a user waits: from the program's start to the first painted main window (with the channel table),
// and for the channel table to fill its rows from an image with all 128 channels in use.
// Run as: QT_QPA_PLATFORM=offscreen build/bench_startup   (or under xvfb-run for a real X server)
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Numbers.h"
#include "gui/kit/EditorWindow.h"
#include "gui/kit/MessageBox.h"
#include "gui/main/MainWindow.h"

namespace
{

constexpr int kFillRuns = 20;

// Notes the first paint of any widget of the main window.
class TPaintWatch : public QObject
{
  public:
    bool Painted = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QWidget*>(watched))
            Painted = true;
        return false;
    }
};

double Milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Channels 1 to 128 in use, spread over both bands of the built-in model.
void FillAllChannels()
{
    for (int channel = 1; channel <= 128; ++channel) {
        const double mhz = channel % 2 ? 136.0 + 0.025 * channel : 400.0 + 0.0125 * channel;
        std::string text = FormatFreq(mhz);
        SetChannelField(gAll, channel, TChannelField::RxFrequency, text);
    }
}

// The first run pays for everything being cold; the median is what a repeated refresh costs.
void Report(const char* what, std::vector<double> times)
{
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("%-44s first %8.2f ms   median %8.2f ms   max %8.2f ms   (%zu runs)\n", what, first,
                times[times.size() / 2], times.back(), times.size());
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // Nothing may wait for a person: every question is answered No.
    SetMessageResponder([](const QString&, const QString&, TMessageKind kind) {
        return kind == TMessageKind::YesNo ? TAnswer::No : TAnswer::Ok;
    });
    StartUp(std::string(QBH52_BIN_DIR) + "/");

    TPaintWatch watch;
    app.installEventFilter(&watch);
    TMainWindow mainFrm;
    mainFrm.showMaximized();
    while (!watch.Painted)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    const double startUp = Milliseconds(sinceStart);
    app.removeEventFilter(&watch);
    std::printf("%-44s %8.2f ms\n", "start-up to first painted main window", startUp);

    auto* table = mainFrm.Editor(QStringLiteral("fChsInfo"));
    if (!table) {
        std::printf("the channel table did not open\n");
        return 1;
    }
    FillAllChannels();
    int inUse = 0;
    for (int channel = 1; channel <= 128; ++channel)
        inUse += IsChannelUsed(gAll, channel) ? 1 : 0;
    std::printf("channels in use: %d\n", inUse);
    std::vector<double> fills;
    for (int run = 0; run < kFillRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        table->Reload();
        fills.push_back(Milliseconds(timer));
    }
    Report("LoadAllRows, 128 channels in use", fills);

    std::vector<double> rebuilds;
    for (int run = 0; run < kFillRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        mainFrm.RefreshViews(TRefresh::ReopenTable);
        QApplication::processEvents();
        rebuilds.push_back(Milliseconds(timer));
    }
    Report("RefreshViews(TRefresh::ReopenTable): table rebuilt and painted", rebuilds);
    return 0;
}
