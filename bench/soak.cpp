// SPDX-License-Identifier: GPL-3.0-or-later
// Read/write cycles through the program's own windows and serial adapter against the virtual radio, each
// radio with a fault drawn at random (fixed seed), one program all along. Prints the program's open file
// descriptors and resident memory at the start and at the end: neither may grow.
// Usage: bench_soak [CYCLES] (default 200).
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <random>
#include <unistd.h>

#include "core/model/Derivations.h"
#include "core/model/Numbers.h"
#include "e2e/VirtualRadio.h"
#include "gui/kit/MessageBox.h"
#include "gui/link/ReadWindow.h"
#include "gui/link/WriteWindow.h"

namespace
{
// The faults a cycle's radio may show; "none" as often as any.
const QStringList kFaults[] = {
    {},
    {"--silent-after", "40"},
    {"--garbage-from", "20"},
    {"--split"},
    {"--stray"},
    {"--wrong-ack", "30"},
    {"--line-error", "50"},
    {"--wrong-handshake"},
    {"--model", "ZZ99"},
};

int OpenDescriptors()
{
    return static_cast<int>(
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

long ResidentKb()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs one transfer in its window to its first message (answering every box) and closes the window.
template <class TWindow> QString RunTransfer()
{
    QString first;
    QEventLoop loop;
    SetMessageResponder([&](const QString&, const QString& text, TMessageKind) {
        if (first.isEmpty())
            first = text;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        return TAnswer::No;
    });
    TWindow window;
    window.show();
    QTimer::singleShot(100, &window, [&] { window.btnOk->click(); });
    loop.exec();
    window.close();
    SetMessageResponder(nullptr);
    return first.section('\n', 0, 0);
}

void Print(const char* when, int cycle)
{
    std::printf("%s (after %d cycles): %d open file descriptors, %s MB resident\n", when, cycle, OpenDescriptors(),
                FormatFixed(static_cast<double>(ResidentKb()) / 1024.0, 1).c_str());
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int cycles = argc > 1 ? static_cast<int>(TryParseInt(argv[1]).value_or(200)) : 200;
    QTemporaryDir folder;
    // The settings, backups and state of the run stay in its own folder, away from the user's.
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(variable, folder.path().toUtf8());
    InitState(gAll, gMacList, folder.path().toStdString() + "/");
    PrepareFirstImage(gAll, gMacList);
    NewDataSet(gAll, gMacList);
    std::mt19937 random(52);
    std::map<QString, int> outcomes;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        const QStringList& faults = kFaults[random() % std::size(kFaults)];
        TVirtualRadio radio(ScrambledMemory(gAll, static_cast<unsigned>(cycle)), faults);
        if (!radio.Serving() || !MapCom5(radio.Path)) {
            std::fprintf(stderr, "bench_soak: the virtual radio did not start\n");
            return 1;
        }
        ++outcomes[RunTransfer<TReadWindow>()];
        ++outcomes[RunTransfer<TWriteWindow>()];
        if (cycle == 0)
            Print("start", 1);
    }
    Print("end", cycles);
    for (const auto& [message, count] : outcomes)
        std::printf("  %4d x %s\n", count, message.toStdString().c_str());
    return 0;
}
