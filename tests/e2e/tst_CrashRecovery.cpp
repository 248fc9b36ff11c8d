// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, installed in a folder of the test's own with its own XDG folders, is killed (SIGKILL)
// after an edit; its next start offers the recovery copy, and the data set it then holds is the killed
// one's with the new start's edit on top. The program's message boxes are answered through
// QBH52_TEST_ANSWERS, which also puts each box's text on stderr.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Derivations.h"

namespace
{
// Start-up, the first write ten seconds after the edit, and room for a busy machine.
constexpr int kCopyTimeoutMs = 60000;

bool WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names of the channels in use in a data file.
QStringList ChannelNames(const QString& path)
{
    TAppState all;
    TModelCatalogue list;
    InitState(all, list, QDir::tempPath().toStdString() + "/");
    PrepareFirstImage(all, list);
    std::string error;
    if (OpenDataFile(all, list, path.toStdString(), error) != TOpenResult::Ok)
        return {QStringLiteral("unreadable: ") + QString::fromStdString(error)};
    QStringList names;
    for (int index = 0; index < all.ChannelCount; ++index) {
        TChannel channel;
        if (IsChannelUsed(all, index) && DecodeChannel(all, index, channel))
            names << QString::fromStdString(ChannelCellText(channel, index, TChannelField::Name)).trimmed();
    }
    return names;
}
} // namespace

class TestCrashRecovery : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir Root;

    QString Path(const QString& name) const { return Root.filePath(name); }
    QString CopyPath() const { return Path(QStringLiteral("xdg_state_home/qbh52/recovery.dat")); }

    // PREFIX/bin/qbh52 and PREFIX/share/qbh52/, as an install lays them out.
    void Install()
    {
        QVERIFY(QDir().mkpath(Path(QStringLiteral("prefix/bin"))));
        QVERIFY(QDir().mkpath(Path(QStringLiteral("prefix/share/qbh52"))));
        const QString bin = QStringLiteral(QBH52_BIN_DIR);
        QVERIFY(QFile::copy(bin + QStringLiteral("/qbh52"), Path(QStringLiteral("prefix/bin/qbh52"))));
        for (const QString& name : {QStringLiteral("English.Ini"), QStringLiteral("Chinese.Ini")})
            QVERIFY(QFile::copy(bin + u'/' + name, Path(QStringLiteral("prefix/share/qbh52/")) + name));
    }

    // Starts the program on a CSV file, waits until its recovery copy differs from before, and kills it.
    void RunUntilCopied(const QString& csv, const QString& answers, const QByteArray& before, QString& errors)
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            environment.insert(QString::fromLatin1(name), Path(QString::fromLatin1(name).toLower()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QBH52_TEST_ANSWERS"), answers);
        program.setProcessEnvironment(environment);
        program.start(Path(QStringLiteral("prefix/bin/qbh52")), {csv});
        QVERIFY(program.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        while (FileBytes(CopyPath()) == before && program.state() == QProcess::Running &&
               waited.elapsed() < kCopyTimeoutMs)
            QTest::qWait(100);
        const bool ranOn = program.state() == QProcess::Running;
        program.kill(); // SIGKILL: no close handler, no chance to tidy up
        program.waitForFinished();
        errors = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(ranOn, qPrintable(QStringLiteral("the program ended by itself: ") + errors));
        QVERIFY2(FileBytes(CopyPath()) != before, qPrintable(QStringLiteral("no new recovery copy: ") + errors));
    }

  private slots:
    void aKilledProgramsEditsComeBackAtTheNextStart()
    {
        Install();
        QVERIFY(WriteText(Path(QStringLiteral("first.csv")), "Location,Name,Frequency,Mode\n1,ALPHA,146.52,FM\n"));
        QVERIFY(WriteText(Path(QStringLiteral("second.csv")), "Location,Name,Frequency,Mode\n5,BRAVO,147.0,FM\n"));
        QString errors;

        // The import asks whether to replace every channel: No, only the file's Locations change.
        RunUntilCopied(Path(QStringLiteral("first.csv")), QStringLiteral("no"), {}, errors);
        if (QTest::currentTestFailed())
            return;
        const QByteArray killed = FileBytes(CopyPath());
        QCOMPARE(killed.size(), kDataFileSize);
        QCOMPARE(ChannelNames(CopyPath()), QStringList{QStringLiteral("ALPHA")});
        QVERIFY2(!errors.contains(QStringLiteral("The program ended on")), qPrintable(errors));

        // The next start offers the copy (Yes), then imports its own file on top of the restored channels.
        RunUntilCopied(Path(QStringLiteral("second.csv")), QStringLiteral("yes,no"), killed, errors);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(errors.contains(QStringLiteral("qbh52: box: The program ended on ")), qPrintable(errors));
        QCOMPARE(ChannelNames(CopyPath()), (QStringList{QStringLiteral("ALPHA"), QStringLiteral("BRAVO")}));
        QVERIFY(!QFile::exists(Path(QStringLiteral("prefix/bin/recovery.dat"))));
    }
};

QTEST_MAIN(TestCrashRecovery)
#include "tst_CrashRecovery.moc"
