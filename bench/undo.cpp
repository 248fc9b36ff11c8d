// SPDX-License-Identifier: GPL-3.0-or-later
// What one undo step costs a user with the channel table open and all 128 channels in use: a typed cell
// stored and recorded, then Undo and Redo with the table shown again (goal: under 2 ms for the three), and the
// history's memory once it holds its full depth.
// Run as: QT_QPA_PLATFORM=offscreen build/bench_undo
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
#include "gui/channels/ChannelTableWindow.h"
#include "gui/kit/Grid.h"
#include "gui/kit/MessageBox.h"
#include "gui/main/MainWindow.h"

namespace
{

constexpr int kRuns = 300;
constexpr double kGoalMs = 2.0;

double Milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void FillAllChannels()
{
    for (int channel = 1; channel <= 128; ++channel) {
        std::string text = FormatFreq(channel % 2 ? 136.0 + 0.025 * channel : 400.0 + 0.0125 * channel);
        SetChannelField(gAll, channel, TChannelField::RxFrequency, text);
    }
}

int RxColumn(TChannelTableWindow* table)
{
    for (int c = 1; c < table->gvChs->ColCount(); ++c)
        if (table->ColumnField(c).first == TChannelField::RxFrequency)
            return c;
    return -1;
}

struct TFigures {
    std::vector<double> Edit, Undo, Redo, All;
};

// Figures are formatted by Numbers, with "." whatever the locale.
std::string Ms(double value)
{
    return FormatFixed(value, 3) + " ms";
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-28s median %10s   p90 %10s   max %10s   (%s runs)\n", what, Ms(Median(times)).c_str(),
                Ms(times[times.size() * 9 / 10]).c_str(), Ms(times.back()).c_str(),
                std::to_string(times.size()).c_str());
}

// Runs one measurement: the image, the history and the windows' contents brought up to date, and with paint
// also the repainting the event loop does afterwards, as a user waits for it.
template <class TAction> double Timed(TAction action, bool paint)
{
    QElapsedTimer timer;
    timer.start();
    action();
    if (paint)
        QApplication::processEvents();
    return Milliseconds(timer);
}

// One edit, its undo and its redo, kRuns times over the rows.
void Measure(TMainWindow& frm, TChannelTableWindow* table, int col, bool paint)
{
    TFigures figures;
    for (int run = 0; run < kRuns; ++run) {
        // Each run types another frequency into another row, as the grid hands a finished cell over.
        const int channel = 1 + run % 128;
        const QString text = QString::fromStdString(FormatFreq(146.0 + 0.025 * (run % 40)));
        const double edit = Timed([&] { emit table->gvChs->EditEnded(col, channel + 1, text); }, paint);
        const double undo = Timed([&] { frm.UndoCommand(); }, paint);
        const double redo = Timed([&] { frm.RedoCommand(); }, paint);
        figures.Edit.push_back(edit);
        figures.Undo.push_back(undo);
        figures.Redo.push_back(redo);
        figures.All.push_back(edit + undo + redo);
    }
    Report("edit (typed cell, one step)", figures.Edit);
    Report("undo", figures.Undo);
    Report("redo", figures.Redo);
    Report("edit + undo + redo", figures.All);
    std::printf("goal: edit + undo + redo under %s (median): %s\n", Ms(kGoalMs).c_str(),
                Median(figures.All) < kGoalMs ? "met" : "NOT met");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    SetMessageResponder([](const QString&, const QString&, TMessageKind) { return TAnswer::No; });
    StartUp(std::string(QBH52_BIN_DIR) + "/");

    TMainWindow frm;
    frm.show();
    QApplication::processEvents();
    auto* table = qobject_cast<TChannelTableWindow*>(frm.Editor(QStringLiteral("fChsInfo")));
    if (!table) {
        std::printf("the channel table did not open\n");
        return 1;
    }
    FillAllChannels();
    frm.RefreshViews(TRefresh::TableAndEditor);
    frm.ResetHistory();
    const int col = RxColumn(table);
    for (const bool paint : {false, true}) {
        std::printf("%s\n", paint ? "with the repaint:" : "without the repaint:");
        Measure(frm, table, col, paint);
    }

    // More steps than the history keeps: it stops at its depth, the oldest steps dropped.
    for (int run = 0; run < 1200; ++run)
        emit table->gvChs->EditEnded(col, 2 + run % 127, QString::fromStdString(FormatFreq(146.0 + 0.0125 * run)));
    std::printf("history: %s steps in %s MB\n", std::to_string(frm.History().UndoCount()).c_str(),
                FormatFixed(static_cast<double>(frm.History().MemoryUsage()) / (1024.0 * 1024.0), 2).c_str());
    return 0;
}
