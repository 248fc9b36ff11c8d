// SPDX-License-Identifier: GPL-3.0-or-later
// A verified write from the command line to 1, 2 and 4 virtual radios at once, each with 4800-baud wire time
// on its own pseudo-terminal. Prints the time for each fleet and its ratio to the time for one radio: the
// radios share one event loop, so the ratio shows what the loop costs (goal: within 1.1).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/model/Numbers.h"

namespace
{
constexpr int kRunLimitMs = 600000;

QString Program(const char* name)
{
    return QStringLiteral(QBH52_BIN_DIR "/") + QString::fromLatin1(name);
}

struct TFleetRun {
    double Ms = -1.0;
    int ExitCode = -1;
    QString Results;
};

// Starts n radios, writes the data file to all of them with --verify and times the command.
TFleetRun WriteFleet(const QTemporaryDir& folder, const QString& data, int n)
{
    std::vector<std::unique_ptr<QProcess>> radios;
    QStringList arguments{"write", "--verify"};
    for (int i = 0; i < n; ++i) {
        auto radio = std::make_unique<QProcess>();
        const QString link = folder.filePath(QStringLiteral("radio%1-%2").arg(n).arg(i));
        radio->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        radio->start(Program("qbh52-radio-sim"), {"--wire-time", "--link", link});
        if (!radio->waitForReadyRead(10000))
            return {};
        arguments << "--port" << link;
        radios.push_back(std::move(radio));
    }
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(Program("qbh52-cli"), arguments << data);
    TFleetRun run;
    if (cli.waitForFinished(kRunLimitMs)) {
        run.Ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        run.ExitCode = cli.exitCode();
        run.Results = QString::fromUtf8(cli.readAllStandardOutput()).trimmed().replace('\n', QStringLiteral(" | "));
    }
    for (auto& radio : radios) {
        radio->terminate();
        radio->waitForFinished(5000);
    }
    return run;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir folder;
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toUtf8());
    const QString data = folder.filePath(QStringLiteral("fleet.dat"));
    if (QProcess::execute(Program("qbh52-cli"), {"new", data}) != 0) {
        std::fprintf(stderr, "bench_fleet: qbh52-cli new failed\n");
        return 1;
    }
    double one = -1.0;
    bool sound = true;
    for (int n : {1, 2, 4}) {
        const TFleetRun run = WriteFleet(folder, data, n);
        if (n == 1)
            one = run.Ms;
        sound = sound && run.ExitCode == 0;
        std::printf("radios %d  time %s ms  ratio to one %s  exit %d  %s\n", n, FormatFixed(run.Ms, 1).c_str(),
                    FormatFixed(one > 0 ? run.Ms / one : 0.0, 4).c_str(), run.ExitCode,
                    run.Results.toStdString().c_str());
    }
    return sound ? 0 : 1;
}
