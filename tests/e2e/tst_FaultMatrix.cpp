// SPDX-License-Identifier: GPL-3.0-or-later
// Every radio fault that matters, as one table, through the real serial adapter and a pseudo-terminal served
// by the virtual radio qbh52-radio-sim. For each: the program says what went wrong within 10 seconds of the
// fault, uses under 5% of a core while it waits, leaves the image as it was, and the next transfer in the same
// program works. The rows run in shards (TEST_SHARD=k/n takes every n-th row from the k-th), so that
// the test runner can spread the matrix's waiting over its parallel slots.
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <ctime>

#include "e2e/VirtualRadio.h"
#include "gui/link/ReadWindow.h"
#include "gui/link/WriteWindow.h"
#include "helpers/TestSupport.h"

namespace
{
constexpr int kTransferTimeoutMs = 90000;
constexpr qint64 kTellWithinMs = 10000;
constexpr double kMostCpuWhileWaiting = 0.05;
// The program's own texts, so that the table follows the language file's wording.
QString Said(const std::string TMessageTexts::*text)
{
    return QString::fromStdString(gLanguage.*text);
}

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The moment the fault showed: the last step of progress (or the start, or the cable pulled), with the
// program's CPU time then.
struct TFaultClock {
    QElapsedTimer Wall;
    qint64 At = 0;
    double CpuAt = 0;
    void Mark()
    {
        At = Wall.elapsed();
        CpuAt = CpuSeconds();
    }
};

// The image bytes a transfer may change whatever happens: the write time a write stamps before its blocks.
bool StampedByWrite(size_t offset)
{
    return offset >= size_t(kWriteTime) && offset < size_t(kWriteTime + 7);
}

struct TFaultRow {
    QString Name;
    bool Write = false;
    QStringList Faults;
    int KillAtBlock = -1;
    // What the first message may begin with: one text, or any of several where the moment of the fault decides.
    QStringList Messages;
};

std::vector<TFaultRow> FaultRows()
{
    const QString comError = Said(&TMessageTexts::ComError);
    const QString modError = Said(&TMessageTexts::ModError);
    const QString portError = Said(&TMessageTexts::PortError);
    const QString readOk = Said(&TMessageTexts::ReadOk);
    const QString writeOk = Said(&TMessageTexts::WriteOk);
    std::vector<TFaultRow> rows;
    for (const bool write : {false, true}) {
        const QString side = write ? "write, " : "read, ";
        const auto row = [&](const char* name, const QStringList& faults, int killAtBlock,
                             const QStringList& messages) {
            rows.push_back({side + name, write, faults, killAtBlock, messages});
        };
        const QString done = write ? writeOk : readOk;
        row("no answer", {"--mute"}, -1, {comError});
        row("silence from block 30", {"--silent-after", "30"}, -1, {comError});
        row("garbage from block 10", {"--garbage-from", "10"}, -1, {comError});
        row("split replies", {"--split"}, -1, {done});
        row("padded replies", {"--stray"}, -1, {done});
        row("refused handshake", {"--wrong-handshake"}, -1, {comError});
        row("wrong model", {"--model", "ZZ99"}, -1, {modError});
        row("hang-up at block 40", {"--line-error", "40", "--line-errors", "1000"}, -1, {comError});
        // A read starts once more after its first line error and then finds the device gone, unless the link's
        // time-out strikes first on a busy machine.
        row("radio killed at block 100", {}, 100, write ? QStringList{comError} : QStringList{portError, comError});
    }
    rows.push_back({"write, refused acknowledgement at block 20", true, {"--wrong-ack", "20"}, -1, {comError}});
    // A reply that looks sound but carries the block after the one asked for.
    rows.push_back({"read, the next block's reply at block 50", false, {"--next-block", "50"}, -1, {comError}});
    return rows;
}

// The shard of the rows this run takes: TEST_SHARD "k/n" (1 <= k <= n), or every row.
struct TShard {
    int Index = 0;
    int Count = 1;
    static TShard FromEnvironment()
    {
        const QStringList parts = qEnvironmentVariable("TEST_SHARD").split('/');
        TShard shard;
        bool indexOk = false;
        bool countOk = false;
        if (parts.size() == 2) {
            shard.Index = parts[0].toInt(&indexOk) - 1;
            shard.Count = parts[1].toInt(&countOk);
        }
        if (!indexOk || !countOk || shard.Count < 1 || shard.Index < 0 || shard.Index >= shard.Count)
            return TShard{};
        return shard;
    }
};

// Runs one transfer in its window until the first message; returns its text ("" when none came).
template <class TWindow>
QString RunUntilMessage(TMessageRecorder& recorder, TFaultClock& fault, TVirtualRadio& radio, int killAtBlock)
{
    TWindow window;
    QObject::connect(window.pBar, &QProgressBar::valueChanged, window.pBar, [&fault] { fault.Mark(); });
    window.show();
    fault.Wall.start();
    fault.Mark();
    window.btnOk->click();
    if (killAtBlock >= 0) {
        (void)QTest::qWaitFor([&] { return window.pBar->value() >= killAtBlock || !recorder.Shown.isEmpty(); },
                              kTransferTimeoutMs);
        radio.Kill();
        fault.Mark();
    }
    (void)QTest::qWaitFor([&] { return !recorder.Shown.isEmpty(); }, kTransferTimeoutMs);
    const QString text = recorder.Shown.isEmpty() ? QString() : recorder.Shown.first().Text.split('\n').first();
    window.btnCancel->click();
    (void)QTest::qWaitFor([&] { return !window.isVisible(); }, 5000);
    return text;
}
} // namespace

class TestFaultMatrix : public QObject
{
    Q_OBJECT

  private slots:
    void init() { InitTestState(); }

    void everyFaultIsToldQuicklyAndLeavesNoTrace_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<int>("killAtBlock");
        QTest::addColumn<QStringList>("messages");
        const TShard shard = TShard::FromEnvironment();
        const std::vector<TFaultRow> rows = FaultRows();
        for (size_t i = size_t(shard.Index); i < rows.size(); i += size_t(shard.Count)) {
            const TFaultRow& row = rows[i];
            QTest::newRow(qPrintable(row.Name)) << row.Write << row.Faults << row.KillAtBlock << row.Messages;
        }
    }

    void everyFaultIsToldQuicklyAndLeavesNoTrace()
    {
        QFETCH(bool, write);
        QFETCH(QStringList, faults);
        QFETCH(int, killAtBlock);
        QFETCH(QStringList, messages);
        const QString done = Said(write ? &TMessageTexts::WriteOk : &TMessageTexts::ReadOk);
        const bool succeeds = messages == QStringList{done};
        const std::vector<uint8_t> memory = ScrambledMemory(gAll, 21);
        const auto before = gAll.Image;
        TFaultClock fault;
        {
            TVirtualRadio radio(memory, faults);
            QVERIFY(radio.Serving());
            QVERIFY(MapCom5(radio.Path));
            TMessageRecorder recorder;
            recorder.QueueAnswer(TAnswer::No); // a write to another model is not forced
            const QString shown = write ? RunUntilMessage<TWriteWindow>(recorder, fault, radio, killAtBlock)
                                        : RunUntilMessage<TReadWindow>(recorder, fault, radio, killAtBlock);
            const qint64 waited = fault.Wall.elapsed() - fault.At;
            const double cpu = CpuSeconds() - fault.CpuAt;
            const bool expected = std::any_of(messages.begin(), messages.end(),
                                              [&shown](const QString& message) { return shown.startsWith(message); });
            QVERIFY2(expected, qPrintable(shown)); // a write to another model asks to force it
            QVERIFY2(waited <= kTellWithinMs, qPrintable(QStringLiteral("told after %1 ms").arg(waited)));
            // The share of a core means something over a wait of a second or more.
            if (!succeeds && waited >= 1000) {
                QVERIFY2(cpu / (waited / 1000.0) < kMostCpuWhileWaiting,
                         qPrintable(QStringLiteral("%1 s of CPU in %2 ms of waiting").arg(cpu).arg(waited)));
            }
        }
        if (!succeeds) {
            for (size_t i = 0; i < before.size(); ++i) {
                if (before[i] != gAll.Image[i] && !(write && StampedByWrite(i)))
                    QFAIL(qPrintable(QStringLiteral("image byte %1 changed").arg(i)));
            }
        }
        // The next transfer works in the same program.
        TVirtualRadio sound(memory);
        QVERIFY(sound.Serving());
        QVERIFY(MapCom5(sound.Path));
        TMessageRecorder recorder;
        TFaultClock again;
        const QString next = write ? RunUntilMessage<TWriteWindow>(recorder, again, sound, -1)
                                   : RunUntilMessage<TReadWindow>(recorder, again, sound, -1);
        QVERIFY2(next.startsWith(done),
                 qPrintable(next)); // a verified write says so too
    }
};

QTEST_MAIN(TestFaultMatrix)
#include "tst_FaultMatrix.moc"
