// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-cli write --verify reads each radio back, and a write to several ports runs them all at once, as a
// script runs them against virtual radios on pseudo-terminals.
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/files/DataFile.h"
#include "e2e/CliRun.h"
#include "e2e/VirtualRadio.h"

namespace
{
constexpr int kWriteBytes = kWriteBlockCount * kBlockSize;

// The radio holds what the data file holds, but for the write-time stamp.
bool HoldsTheDataFile(const std::vector<uint8_t>& memory, const TAppState& loaded)
{
    if (memory.size() < size_t(kWriteBytes))
        return false;
    for (int i = kBlockSize; i < kWriteBytes; ++i) {
        const bool stamp = i >= kWriteTime && i < kWriteTime + 7;
        if (!stamp && memory[size_t(i)] != loaded.Image[size_t(i)])
            return false;
    }
    return true;
}
} // namespace

class TestCliVerify : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir Folder;
    TAppState Loaded;
    TModelCatalogue List;
    QString In;

  private slots:
    // A data file that differs from every radio's memory in every channel block.
    void initTestCase()
    {
        FreshCliState(Loaded, List);
        const std::vector<uint8_t> image = ScrambledMemory(Loaded, 31);
        std::copy(image.begin(), image.end(), Loaded.Image.begin());
        In = Folder.filePath("write.dat");
        std::string error;
        QVERIFY(SaveDataFile(Loaded, In.toStdString(), error));
        QVERIFY(OpenDataFile(Loaded, List, In.toStdString(), error) == TOpenResult::Ok);
    }

    void verifyReadsTheRadioBack_data()
    {
        QTest::addColumn<QStringList>("radioOptions");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("result");
        QTest::newRow("a sound radio") << QStringList() << 0 << "written, verified";
        QTest::newRow("a radio that drops block 34")
            << QStringList{"--unstored", "34"} << 3 << "Verify failed: 1 blocks differ (CH-017).";
    }

    void verifyReadsTheRadioBack()
    {
        QFETCH(QStringList, radioOptions);
        QFETCH(int, exitCode);
        QFETCH(QString, result);
        TAppState fresh;
        FreshCliState(fresh, List);
        TVirtualRadio radio(ScrambledMemory(fresh, 32), radioOptions);
        QVERIFY(radio.Serving());
        const QString home = Folder.filePath(QTest::currentDataTag());
        const TCliResult run = RunCliIn(home, {"write", "--port", radio.Path, "--verify", In});
        QCOMPARE(run.ExitCode, exitCode);
        QVERIFY2(run.Out.endsWith(radio.Path + ": " + result + "\n"), qPrintable(run.Out));
        // A verified write is a read of the radio: it is backed up, and the next preview finds nothing new.
        QCOMPARE(BackupsIn(home).size(), exitCode == 0 ? 1 : 0);
        if (exitCode == 0) {
            QVERIFY(HoldsTheDataFile(radio.StopAndReadMemory(), Loaded));
            QVERIFY(RunCliIn(home, {"write", "--dry-run", In}).Out.startsWith("Nothing changes"));
        } else {
            QVERIFY2(run.Errors.contains("qbh52-cli: " + result), qPrintable(run.Errors));
        }
    }

    // Four radios at once, one of which falls silent: the other three are written and verified all the same.
    void aFleetWriteReportsEveryPort()
    {
        TAppState fresh;
        FreshCliState(fresh, List);
        std::vector<std::unique_ptr<TVirtualRadio>> radios;
        QStringList arguments{"write", "--verify"};
        for (int n = 0; n < 4; ++n) {
            const QStringList faults = n == 2 ? QStringList{"--silent-after", "100"} : QStringList();
            radios.push_back(std::make_unique<TVirtualRadio>(ScrambledMemory(fresh, 40 + n), faults));
            QVERIFY(radios.back()->Serving());
            arguments << "--port" << radios.back()->Path;
        }
        const TCliResult run = RunCliIn(Folder.filePath("fleet"), arguments << In);
        QCOMPARE(run.ExitCode, 1);
        const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5); // the preview's heading, then one line per port
        for (int n = 0; n < 4; ++n) {
            const QString expected =
                n == 2 ? "Please check all connections and communication port settings." : "written, verified";
            QCOMPARE(lines[n + 1], radios[size_t(n)]->Path + ": " + expected);
            QCOMPARE(HoldsTheDataFile(radios[size_t(n)]->StopAndReadMemory(), Loaded), n != 2);
        }
    }
};

QTEST_MAIN(TestCliVerify)
#include "tst_CliVerify.moc"
