// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy as the main window keeps it: written after a change once the delay has passed, removed
// when the changes are saved or thrown away, offered at the next start, a damaged one set aside, another
// program's one left alone, and a copy that cannot be written said in the status bar.
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>

#include "core/files/DataFile.h"
#include "core/files/Recovery.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "gui/main/MainWindow.h"
#include "gui/main/RecoveryKeeper.h"
#include "helpers/TestSupport.h"

namespace
{
constexpr int kShortDelay = 50;

QString CopyPath()
{
    return QString::fromStdString(RecoveryFilePath(gAll));
}

QByteArray CopyBytes()
{
    QFile file(CopyPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray DataSetBytes()
{
    const std::vector<uint8_t> bytes = DataFileBytes(gAll);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// A change as every window makes one: the image first, then the undo step.
void Edit(TMainWindow& frm, int channel, const char* frequency)
{
    ResetChannel(gAll, channel, frequency);
    frm.CommitEdit("Edit");
}

// The copy a program left behind: a data set with channel 7 in use.
QByteArray LeaveCopy()
{
    TAppState other = gAll;
    ResetChannel(other, 7, "146.52");
    std::string error;
    if (!WriteRecoveryCopy(other, error))
        qWarning("%s", error.c_str());
    return CopyBytes();
}

// The window as the program shows it at start-up, with a short delay for the copy.
void Start(TMainWindow& frm)
{
    frm.show();
    frm.Recovery->SetDelay(kShortDelay);
}

QStringList SetAsideCopies()
{
    return QFileInfo(CopyPath()).dir().entryList({QStringLiteral("recovery.dat.bad-*")}, QDir::AllEntries);
}
} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir Files;

  private slots:
    void init()
    {
        InitTestState();
        QDir folder(QString::fromStdString(RecoveryFolder(gAll)));
        for (const QString& name : folder.entryList({QStringLiteral("recovery.*")}, QDir::AllEntries))
            QVERIFY(folder.remove(name) || folder.rmdir(name));
    }

    void aChangeIsKeptOnceTheDelayHasPassed()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QCOMPARE(TRecoveryKeeper::kDelay, 10000);
        Edit(frm, 3, "145.5");
        QVERIFY(frm.Recovery->WritePending());
        QTest::qWait(200);
        QVERIFY2(!QFile::exists(CopyPath()), "not before the ten seconds");
        frm.Recovery->SetDelay(kShortDelay);
        Edit(frm, 4, "145.6");
        QTRY_VERIFY(QFile::exists(CopyPath()));
        QCOMPARE(CopyBytes(), DataSetBytes());
        // An undo is a change too, and the copy follows it.
        frm.UndoCommand();
        QTRY_COMPARE(CopyBytes(), DataSetBytes());
        QVERIFY(gAll.Modified);
        QVERIFY(frm.Recovery->Panel->isHidden());
        QVERIFY(recorder.Shown.isEmpty());
    }

    void savingOrThrowingTheChangesAwayRemovesTheCopy_data()
    {
        QTest::addColumn<std::function<void(TMainWindow&, TMessageRecorder&, const QString&)>>("action");
        using TAction = std::function<void(TMainWindow&, TMessageRecorder&, const QString&)>;
        QTest::newRow("Save") << TAction([](TMainWindow& frm, TMessageRecorder& r, const QString& file) {
            r.QueueFileName(file);
            QVERIFY(frm.SaveCommand());
        });
        QTest::newRow("New without saving") << TAction([](TMainWindow& frm, TMessageRecorder& r, const QString&) {
            r.QueueAnswer(TAnswer::No);
            QVERIFY(frm.NewCommand());
        });
        QTest::newRow("Open without saving") << TAction([](TMainWindow& frm, TMessageRecorder& r, const QString& file) {
            TAppState saved = gAll;
            std::string error;
            QVERIFY(SaveDataFile(saved, file.toStdString(), error));
            r.QueueAnswer(TAnswer::No);
            r.QueueFileName(file);
            frm.OpenCommand();
            QCOMPARE(frm.DataFileName, file);
        });
        QTest::newRow("undone back to the saved state")
            << TAction([](TMainWindow& frm, TMessageRecorder&, const QString&) {
                   frm.UndoCommand();
                   QVERIFY(!gAll.Modified);
               });
        QTest::newRow("exit without saving") << TAction([](TMainWindow& frm, TMessageRecorder& r, const QString&) {
            r.QueueAnswer(TAnswer::No); // do not save
            QVERIFY(frm.close());
        });
    }

    void savingOrThrowingTheChangesAwayRemovesTheCopy()
    {
        QFETCH(std::function<void(TMainWindow&, TMessageRecorder&, const QString&)>, action);
        TMessageRecorder recorder;
        TMainWindow frm;
        Start(frm);
        Edit(frm, 3, "145.5");
        QTRY_VERIFY(QFile::exists(CopyPath()));
        action(frm, recorder, Files.filePath(QStringLiteral("saved.dat")));
        QTRY_VERIFY(!QFile::exists(CopyPath()));
        QTest::qWait(3 * kShortDelay);
        QVERIFY(!QFile::exists(CopyPath()));
        QVERIFY(SetAsideCopies().isEmpty());
    }

    void aCopyLeftBehindIsRestoredAsAnUnsavedDataSet()
    {
        const QByteArray left = LeaveCopy();
        QVERIFY(!IsChannelUsed(gAll, 7));
        TMessageRecorder recorder;
        TMainWindow frm;
        Start(frm);
        frm.OfferRecovery();
        QCOMPARE(recorder.Shown.size(), 1);
        QCOMPARE(recorder.Shown[0].Kind, TMessageKind::YesNo);
        QVERIFY2(recorder.Shown[0].Text.startsWith(QStringLiteral("The program ended on ")),
                 qPrintable(recorder.Shown[0].Text));
        QVERIFY(IsChannelUsed(gAll, 7));
        QVERIFY(gAll.Modified);
        QVERIFY(frm.DataFileName.isEmpty());
        QVERIFY(frm.windowTitle().startsWith(QStringLiteral("Untitled[*]")));
        QVERIFY(frm.isWindowModified());
        QVERIFY(!frm.History().CanUndo());
        QVERIFY(frm.Recovery->Panel->text().startsWith(QStringLiteral("Restored the unsaved changes kept on ")));
        // Still unsaved, so the copy stays, and follows the next change.
        QCOMPARE(CopyBytes(), left);
        Edit(frm, 8, "147.0");
        QTRY_COMPARE(CopyBytes(), DataSetBytes());
        frm.UndoCommand();
        QVERIFY(IsChannelUsed(gAll, 7));
        QVERIFY2(gAll.Modified, "the restored state was never saved");
    }

    void aCopyDeclinedIsThrownAway()
    {
        LeaveCopy();
        TMessageRecorder recorder;
        recorder.QueueAnswer(TAnswer::No);
        TMainWindow frm;
        Start(frm);
        frm.OfferRecovery();
        QVERIFY(!IsChannelUsed(gAll, 7));
        QVERIFY(!gAll.Modified);
        QVERIFY(!QFile::exists(CopyPath()));
    }

    void aCopyThatCannotBeReadIsSetAsideAndNothingLoaded_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << LeaveCopyBytesForRow().left(2000);
        QTest::newRow("another model") << QByteArray("PZZ99") + LeaveCopyBytesForRow().mid(5);
        QTest::newRow("garbage") << QByteArray(kDataFileSize, '\x5A');
    }

    void aCopyThatCannotBeReadIsSetAsideAndNothingLoaded()
    {
        QFETCH(QByteArray, bytes);
        QFile file(CopyPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        TMessageRecorder recorder;
        TMainWindow frm;
        Start(frm);
        const auto image = gAll.Image;
        frm.OfferRecovery();
        QCOMPARE(recorder.Shown.size(), 1);
        QCOMPARE(recorder.Shown[0].Kind, TMessageKind::Information);
        QVERIFY2(recorder.Shown[0].Text.contains(QStringLiteral("cannot be read")), qPrintable(recorder.Shown[0].Text));
        QVERIFY(recorder.Shown[0].Text.contains(QStringLiteral("Nothing of it was loaded")));
        QVERIFY(gAll.Image == image);
        QVERIFY(!gAll.Modified);
        QVERIFY(!QFile::exists(CopyPath()));
        const QStringList aside = SetAsideCopies();
        QCOMPARE(aside.size(), 1);
        QVERIFY(recorder.Shown[0].Text.contains(aside[0]));
        QFile kept(QFileInfo(CopyPath()).dir().filePath(aside[0]));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
        // The next copy is this program's own again.
        Edit(frm, 3, "145.5");
        QTRY_COMPARE(CopyBytes(), DataSetBytes());
    }

    // Another running program holds the lock: its copy is neither offered, replaced nor removed here.
    void anotherRunningProgramsCopyIsLeftAlone()
    {
        const QByteArray left = LeaveCopy();
        TRecoveryLock other;
        std::string error;
        QVERIFY(other.Acquire(gAll, error));
        TMessageRecorder recorder;
        TMainWindow frm;
        Start(frm);
        frm.OfferRecovery();
        QVERIFY(recorder.Shown.isEmpty());
        QVERIFY(!IsChannelUsed(gAll, 7));
        QVERIFY(frm.Recovery->Panel->isVisible());
        QVERIFY(frm.Recovery->Panel->text().startsWith(QStringLiteral("Another running program keeps")));
        Edit(frm, 3, "145.5");
        QTRY_VERIFY(!frm.Recovery->WritePending());
        recorder.QueueAnswer(TAnswer::No);
        QVERIFY(frm.NewCommand());
        QCOMPARE(CopyBytes(), left);

        // The other program was killed: its copy waits for the next start and is still not replaced.
        other.Release();
        Edit(frm, 3, "145.5");
        QTRY_VERIFY(!frm.Recovery->WritePending());
        QCOMPARE(CopyBytes(), left);
        QVERIFY(frm.Recovery->Panel->text().startsWith(QStringLiteral("A recovery copy left by a program")));
        QVERIFY2(other.Acquire(gAll, error), "the lock is free for the next start");
        other.Release();
        // Once it is gone (restored elsewhere), this window keeps its own.
        QVERIFY(QFile::remove(CopyPath()));
        Edit(frm, 4, "145.6");
        QTRY_COMPARE(CopyBytes(), DataSetBytes());
        QVERIFY(frm.Recovery->Panel->isHidden());
    }

    // The disk is full: the status bar says so, the window's data and the last copy stay, the next change tries again.
    void aCopyThatCannotBeWrittenIsSaidInTheStatusBar()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        Start(frm);
        Edit(frm, 3, "145.5");
        QTRY_VERIFY(QFile::exists(CopyPath()));
        const QByteArray first = CopyBytes();
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{}, small{1000, 1000};
        getrlimit(RLIMIT_FSIZE, &limit);
        small.rlim_max = limit.rlim_max;
        setrlimit(RLIMIT_FSIZE, &small);
        Edit(frm, 4, "145.6");
        QTRY_VERIFY(!frm.Recovery->WritePending());
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY(frm.Recovery->Panel->isVisible());
        const QString said = frm.Recovery->Panel->text();
        QVERIFY2(said.startsWith(QStringLiteral("No recovery copy of the changes: Cannot create file \"") + CopyPath()),
                 qPrintable(said));
        QVERIFY(said.endsWith(QStringLiteral("File too large Save them to a file.")));
        QVERIFY(recorder.Shown.isEmpty());
        QCOMPARE(CopyBytes(), first);
        QVERIFY(IsChannelUsed(gAll, 4));
        QVERIFY(gAll.Modified);
        Edit(frm, 5, "145.7");
        QTRY_COMPARE(CopyBytes(), DataSetBytes());
        QVERIFY(frm.Recovery->Panel->isHidden());
    }

  private:
    static QByteArray LeaveCopyBytesForRow()
    {
        InitTestState();
        return DataSetBytes();
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_Recovery.moc"
