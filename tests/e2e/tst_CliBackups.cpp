// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-cli read keeps a backup of every read, and write previews against the newest one, as a script runs
// them against the virtual radio on a pseudo-terminal.
#include <QTemporaryDir>
#include <QtTest>

#include "core/files/DataFile.h"
#include "core/model/ChannelCodec.h"
#include "e2e/CliRun.h"
#include "e2e/VirtualRadio.h"

class TestCliBackups : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir Folder;

  private slots:
    void readKeepsABackupEqualToTheSavedFile()
    {
        TAppState all;
        TModelCatalogue list;
        FreshCliState(all, list);
        TVirtualRadio radio(ScrambledMemory(all, 21));
        QVERIFY(radio.Serving());
        const QString home = Folder.filePath("read-home");
        const QString out = Folder.filePath("read.dat");
        const TCliResult run = RunCliIn(home, {"read", "--port", radio.Path, out});
        QVERIFY2(run.ExitCode == 0, qPrintable(run.Errors));
        const QStringList backups = BackupsIn(home);
        QCOMPARE(backups.size(), 1);
        QVERIFY(
            QFileInfo(backups[0]).fileName().contains(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d_\\d{6}_.+\\.dat$")));
        QCOMPARE(FileBytes(backups[0]), FileBytes(out));
        QVERIFY2(run.Errors.contains("Backup saved: " + backups[0]), qPrintable(run.Errors));
    }

    // Bad input and faults: each gives its message, and the read's file and backup exist only after a sound read.
    void faultsAroundTheReadKeepWhatIsSound_data()
    {
        QTest::addColumn<QStringList>("radioOptions");
        QTest::addColumn<bool>("homeIsAFile");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("backups");
        QTest::newRow("the radio answers for the next block")
            << QStringList{"--next-block", "40"} << false << 1
            << "qbh52-cli: Please check all connections and communication port settings." << 0;
        QTest::newRow("the backups folder cannot be made")
            << QStringList() << true << 0 << "qbh52-cli: Backup failed: Cannot create folder" << 0;
    }

    void faultsAroundTheReadKeepWhatIsSound()
    {
        QFETCH(QStringList, radioOptions);
        QFETCH(bool, homeIsAFile);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(int, backups);
        TAppState all;
        TModelCatalogue list;
        FreshCliState(all, list);
        TVirtualRadio radio(ScrambledMemory(all, 22), radioOptions);
        QVERIFY(radio.Serving());
        const QString home = Folder.filePath(QTest::currentDataTag());
        if (homeIsAFile) {
            QFile file(home);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString out = Folder.filePath(QString(QTest::currentDataTag()) + ".dat");
        const TCliResult run = RunCliIn(home, {"read", "--port", radio.Path, out});
        QCOMPARE(run.ExitCode, exitCode);
        QVERIFY2(run.Errors.contains(message), qPrintable(run.Errors));
        QCOMPARE(QFile::exists(out), exitCode == 0);
        QCOMPARE(BackupsIn(home).size(), backups);
    }

    // The preview compares with the newest backup of the radio; --dry-run writes nothing.
    void dryRunPrintsThePreviewAndWritesNothing()
    {
        TAppState all;
        TModelCatalogue list;
        FreshCliState(all, list);
        const std::vector<uint8_t> memory(all.Image.begin(), all.Image.end());
        TVirtualRadio radio(memory);
        QVERIFY(radio.Serving());
        const QString home = Folder.filePath("preview-home");
        const QString in = Folder.filePath("preview.dat");
        std::string error;
        QVERIFY(SaveDataFile(all, in.toStdString(), error));
        TCliResult run = RunCliIn(home, {"write", "--dry-run", in});
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(run.Out, QString("There is no earlier read of this radio to compare the write with.\n"));

        QCOMPARE(RunCliIn(home, {"read", "--port", radio.Path, in}).ExitCode, 0);
        QVERIFY(OpenDataFile(all, list, in.toStdString(), error) == TOpenResult::Ok);
        ResetChannel(all, 12, "438.5");
        QVERIFY(SaveDataFile(all, in.toStdString(), error));
        run = RunCliIn(home, {"write", "--port", radio.Path, "--dry-run", in});
        QCOMPARE(run.ExitCode, 0);
        const QString backup = QFileInfo(BackupsIn(home).last()).fileName();
        QCOMPARE(run.Out,
                 "1 changes against the last read of this radio (" + backup + "):\n  CH-012: new channel 438.50000\n");
        const std::vector<uint8_t> after = radio.StopAndReadMemory();
        QVERIFY(std::equal(memory.begin(), memory.end(), after.begin()));
    }
};

QTEST_MAIN(TestCliBackups)
#include "tst_CliBackups.moc"
