// SPDX-License-Identifier: GPL-3.0-or-later
// Every radio fault that matters, as one table, through the real serial adapter and a pseudo-terminal served
// by the virtual radio qbh52-radio-sim. For each: the program says what went wrong within 10 seconds of the
// fault, uses under 5% of a core while it waits, leaves the image as it was, and the next transfer in the same
// program works.
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
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
        QTest::addColumn<QString>("message");
        const QString comError = Said(&TMessageTexts::ComError);
        const QString modError = Said(&TMessageTexts::ModError);
        const QString portError = Said(&TMessageTexts::PortError);
        const QString readOk = Said(&TMessageTexts::ReadOk);
        const QString writeOk = Said(&TMessageTexts::WriteOk);
        for (const bool write : {false, true}) {
            const char* side = write ? "write, " : "read, ";
            const auto row = [side](const char* name) -> QTestData& {
                return QTest::newRow(qPrintable(side + QString(name)));
            };
            row("no answer") << write << QStringList{"--mute"} << -1 << comError;
            row("silence from block 30") << write << QStringList{"--silent-after", "30"} << -1 << comError;
            row("garbage from block 10") << write << QStringList{"--garbage-from", "10"} << -1 << comError;
            row("split replies") << write << QStringList{"--split"} << -1 << (write ? writeOk : readOk);
            row("padded replies") << write << QStringList{"--stray"} << -1 << (write ? writeOk : readOk);
            row("refused handshake") << write << QStringList{"--wrong-handshake"} << -1 << comError;
            row("wrong model") << write << QStringList{"--model", "ZZ99"} << -1 << modError;
            row("hang-up at block 40") << write << QStringList{"--line-error", "40", "--line-errors", "1000"} << -1
                                       << comError;
            // A read starts once more after its first line error, and then finds the device gone.
            row("radio killed at block 100") << write << QStringList{} << 100 << (write ? comError : portError);
        }
        QTest::newRow("write, refused acknowledgement at block 20")
            << true << QStringList{"--wrong-ack", "20"} << -1 << comError;
        // A reply that looks sound but carries the block after the one asked for.
        QTest::newRow("read, the next block's reply at block 50")
            << false << QStringList{"--next-block", "50"} << -1 << comError;
    }

    void everyFaultIsToldQuicklyAndLeavesNoTrace()
    {
        QFETCH(bool, write);
        QFETCH(QStringList, faults);
        QFETCH(int, killAtBlock);
        QFETCH(QString, message);
        const QString done = Said(write ? &TMessageTexts::WriteOk : &TMessageTexts::ReadOk);
        const bool succeeds = message == done;
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
            QVERIFY2(shown.startsWith(message), qPrintable(shown)); // a write to another model asks to force it
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
