// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-cli read and write against the virtual radio on a pseudo-terminal, as a script would run them.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "core/files/DataFile.h"
#include "core/model/Derivations.h"
#include "core/model/ModelCatalogue.h"
#include "e2e/VirtualRadio.h"

namespace
{
constexpr int kCliTimeoutMs = 90000;
constexpr int kWriteBytes = kWriteBlockCount * kBlockSize;

struct TCliRun {
    int ExitCode = -1;
    QString Errors;
};

TCliRun RunCli(const QStringList& arguments)
{
    QProcess cli;
    cli.start(QStringLiteral(QBH52_BIN_DIR) + QStringLiteral("/qbh52-cli"), arguments);
    TCliRun run;
    if (!cli.waitForFinished(kCliTimeoutMs)) {
        cli.kill();
        cli.waitForFinished();
        return run;
    }
    run.ExitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    run.Errors = QString::fromUtf8(cli.readAllStandardError());
    return run;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The state the command line works on: the program's start-up with a new data set.
void FreshState(TAppState& all, TModelCatalogue& list)
{
    InitState(all, list, QDir::tempPath().toStdString() + "/");
    PrepareFirstImage(all, list);
    NewDataSet(all, list);
}
} // namespace

class TestCliLink : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir Folder;

  private slots:
    void readSavesTheImageAsTheProgramDoes()
    {
        TAppState all;
        TModelCatalogue list;
        FreshState(all, list);
        const std::vector<uint8_t> memory = ScrambledMemory(all, 11);
        TVirtualRadio radio(memory, {"--band-byte", "243"});
        QVERIFY(radio.Serving());
        const QString out = Folder.filePath("read.dat");
        const TCliRun run = RunCli({"read", "--port", radio.Path, out});
        QVERIFY2(run.ExitCode == 0, qPrintable(run.Errors));
        // The error output is a pipe here, as in a script's log: no progress texts.
        QVERIFY2(!run.Errors.contains("/296"), qPrintable(run.Errors));

        const std::vector<uint8_t> staging(memory.begin(), memory.begin() + kReadBlockCount * kBlockSize);
        CompleteRead(all, list, staging, "LP47", 243);
        const QString expected = Folder.filePath("expected.dat");
        std::string error;
        QVERIFY(SaveDataFile(all, expected.toStdString(), error));
        const QByteArray saved = FileBytes(out);
        QCOMPARE(saved.size(), kDataFileSize);
        QVERIFY(saved == FileBytes(expected));
        // The file holds image blocks from block 1 on: the radio's channels are there byte for byte.
        QVERIFY(std::equal(saved.begin() + kBlockSize, saved.begin() + kChannelEmptyMap, memory.begin() + kBlockSize,
                           [](char a, uint8_t b) { return uint8_t(a) == b; }));
    }

    // script(1) gives the command a terminal, on which the progress rewrites one line.
    void readShowsProgressOnATerminal()
    {
        TAppState all;
        TModelCatalogue list;
        FreshState(all, list);
        TVirtualRadio radio(ScrambledMemory(all, 14));
        QVERIFY(radio.Serving());
        const QString command = QStringLiteral("'%1/qbh52-cli' read --port '%2' '%3'")
                                    .arg(QStringLiteral(QBH52_BIN_DIR), radio.Path, Folder.filePath("tty.dat"));
        QProcess terminal;
        terminal.start(QStringLiteral("script"), {"-qec", command, "/dev/null"});
        QVERIFY(terminal.waitForFinished(kCliTimeoutMs));
        const QString shown = QString::fromUtf8(terminal.readAllStandardOutput());
        QCOMPARE(terminal.exitCode(), 0);
        QVERIFY2(shown.contains("\rread: 296/296"), qPrintable(shown));
    }

    void writeSendsTheDataFile()
    {
        TAppState all;
        TModelCatalogue list;
        FreshState(all, list);
        const std::vector<uint8_t> image = ScrambledMemory(all, 12);
        std::copy(image.begin(), image.end(), all.Image.begin());
        const QString in = Folder.filePath("write.dat");
        std::string error;
        QVERIFY(SaveDataFile(all, in.toStdString(), error));
        TAppState loaded;
        FreshState(loaded, list);
        QVERIFY(OpenDataFile(loaded, list, in.toStdString(), error) == TOpenResult::Ok);

        TVirtualRadio radio(ScrambledMemory(all, 13));
        QVERIFY(radio.Serving());
        const TCliRun run = RunCli({"write", "--port", radio.Path, in});
        QVERIFY2(run.ExitCode == 0, qPrintable(run.Errors));
        const std::vector<uint8_t> memory = radio.StopAndReadMemory();
        QVERIFY(memory.size() >= size_t(kWriteBytes));
        for (int i = 0; i < kWriteBytes; ++i) {
            const bool stamp = i >= kWriteTime && i < kWriteTime + 7;
            if (!stamp && memory[size_t(i)] != loaded.Image[size_t(i)])
                QFAIL(qPrintable(QStringLiteral("radio byte %1 differs from the data file").arg(i)));
        }
        QCOMPARE(memory[kWriteTime] | memory[kWriteTime + 1] << 8, QDate::currentDate().year());
    }

    void failuresExitWithTheMessage_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("radioOptions");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such port") << "read" << QStringList() << "Cannot open the communication port.";
        QTest::newRow("read, unknown model") << "read" << QStringList{"--model", "ZZ99"} << "Wrong model type.";
        QTest::newRow("write, unknown model") << "write" << QStringList{"--model", "ZZ99"} << "Wrong model type.";
        QTest::newRow("read, radio falls silent") << "read" << QStringList{"--silent-after", "5"}
                                                  << "Please check all connections and communication port settings.";
        QTest::newRow("write, radio falls silent") << "write" << QStringList{"--silent-after", "5"}
                                                   << "Please check all connections and communication port settings.";
    }

    void failuresExitWithTheMessage()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, radioOptions);
        QFETCH(QString, message);
        TAppState all;
        TModelCatalogue list;
        FreshState(all, list);
        const QString file = Folder.filePath("failure.dat");
        QFile::remove(file);
        std::string error;
        if (command == "write")
            QVERIFY(SaveDataFile(all, file.toStdString(), error));
        const std::vector<uint8_t> memory(all.Image.begin(), all.Image.end());
        std::optional<TVirtualRadio> radio;
        QString port = Folder.filePath("no-such-device");
        if (!radioOptions.isEmpty()) {
            radio.emplace(memory, radioOptions);
            QVERIFY(radio->Serving());
            port = radio->Path;
        }
        const TCliRun run = RunCli({command, "--port", port, file});
        QCOMPARE(run.ExitCode, 1);
        QVERIFY2(run.Errors.contains("qbh52-cli: " + message), qPrintable(run.Errors));
        if (command == "read")
            QVERIFY(!QFile::exists(file));
    }

    void badArgumentsAreRefused()
    {
        for (const QStringList& arguments : {QStringList{"read", "out.dat"}, QStringList{"read", "--port", "COM1"},
                                             QStringList{"read", "--force", "--port", "COM1", "out.dat"}}) {
            const TCliRun run = RunCli(arguments);
            // A usage error: exit status 2 and the command's usage.
            QCOMPARE(run.ExitCode, 2);
            QVERIFY(run.Errors.contains("--port PORT"));
        }
    }
};

QTEST_MAIN(TestCliLink)
#include "tst_CliLink.moc"
