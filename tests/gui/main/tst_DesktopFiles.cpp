// SPDX-License-Identifier: GPL-3.0-or-later
// The main window keeping its files as a desktop program does: the settings file from the first start, File >
// Recent Files across a restart, the folder and name the dialogs offer, window places and column widths, files
// dropped onto the window, and the port the status bar names.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "core/files/DataFile.h"
#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Derivations.h"
#include "gui/kit/EditorWindow.h"
#include "gui/kit/Grid.h"
#include "gui/main/MainWindow.h"
#include "helpers/TestSupport.h"

namespace
{

// A data file whose channel 1 is in use with the given name, so that opening it shows.
void WriteDataFile(const QString& path, const std::string& name)
{
    std::string text = "145.5";
    SetChannelField(gAll, 1, TChannelField::RxFrequency, text);
    text = name;
    SetChannelField(gAll, 1, TChannelField::Name, text);
    std::string error;
    QVERIFY2(SaveDataFile(gAll, path.toStdString(), error), error.c_str());
    NewDataSet(gAll, gMacList);
}

std::string Channel1Name()
{
    TChannel channel;
    DecodeChannel(gAll, 1, channel);
    return ChannelCellText(channel, 1, TChannelField::Name);
}

QStringList RecentEntries(const TMainWindow& frm)
{
    QStringList texts;
    for (const QAction* action : frm.nRecent->actions())
        texts << action->text();
    return texts;
}

// The settings as the next start reads them.
void Restart()
{
    gAll.RecentFiles.clear();
    gAll.LastFolder.clear();
    LoadSettings(gAll);
}

// Drags the file over the window and drops it there; true when the window took the drag.
bool Drop(TMainWindow& frm, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = frm.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frm, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frm, &drop);
    return true;
}
} // namespace

class TestDesktopFiles : public QObject
{
    Q_OBJECT

  private:
    QString AppDir;
    QTemporaryDir Files;

    QString Settings() const { return AppDir + QStringLiteral("SysInfo.Ini"); }
    QString File(const char* name) const { return Files.filePath(QString::fromLatin1(name)); }

  private slots:
    void init() { AppDir = InitTestState(); }

    void theFirstStartWritesTheSettingsFile()
    {
        TMessageRecorder boxes;
        QVERIFY(!QFile::exists(Settings()));
        TMainWindow frm;
        frm.show();
        const QByteArray settings = ReadFile(Settings());
        QVERIFY(settings.contains("[SysInfo]\nCom=COM1\nLanguage_ID=0\n"));
        QVERIFY(settings.contains("VerifyAfterWrite=1"));
        QVERIFY(boxes.Shown.isEmpty());
    }

    void recentFilesSurviveARestart()
    {
        WriteDataFile(File("first.dat"), "FIRST");
        WriteDataFile(File("second.dat"), "SECOND");
        {
            TMessageRecorder boxes;
            TMainWindow frm;
            frm.show();
            QVERIFY(!frm.nRecent->isEnabled());
            frm.OpenFile(File("first.dat"));
            frm.OpenFile(File("second.dat"));
            QCOMPARE(RecentEntries(frm), (QStringList{"&1 " + File("second.dat"), "&2 " + File("first.dat")}));
        }
        Restart();
        TMessageRecorder boxes;
        TMainWindow frm;
        frm.show();
        QCOMPARE(RecentEntries(frm), (QStringList{"&1 " + File("second.dat"), "&2 " + File("first.dat")}));
        frm.nRecent->actions()[1]->trigger();
        QCOMPARE(frm.DataFileName, File("first.dat"));
        QCOMPARE(Channel1Name(), std::string("FIRST"));
        QCOMPARE(RecentEntries(frm)[0], "&1 " + File("first.dat"));
        QVERIFY(boxes.Shown.isEmpty());
    }

    // A file that has gone says so, leaves the list and the settings file, and the data set stays as it was.
    void aMissingRecentFileSaysSoAndLeavesTheList()
    {
        WriteDataFile(File("gone.dat"), "GONE");
        WriteDataFile(File("kept.dat"), "KEPT");
        TMessageRecorder boxes;
        TMainWindow frm;
        frm.show();
        frm.OpenFile(File("gone.dat"));
        frm.OpenFile(File("kept.dat"));
        QFile::remove(File("gone.dat"));
        frm.nRecent->actions()[1]->trigger();
        QCOMPARE(boxes.Texts(), QStringList{"The file \"" + File("gone.dat") +
                                            "\" no longer exists. It is taken off the list of recent files."});
        QCOMPARE(frm.DataFileName, File("kept.dat"));
        QCOMPARE(RecentEntries(frm), QStringList{"&1 " + File("kept.dat")});
        QVERIFY(!ReadFile(Settings()).contains("gone.dat"));
    }

    // The save dialog of a new data set starts in the folder last used with a name of the model and the day;
    // the saved file joins the recent files.
    void saveStartsInTheLastFolderWithASuggestedName()
    {
        WriteDataFile(File("old.dat"), "OLD");
        TMessageRecorder boxes;
        TMainWindow frm;
        frm.show();
        boxes.QueueFileName(File("old.dat"));
        frm.OpenCommand();
        QCOMPARE(boxes.FileDialogStarts.size(), 1);
        QVERIFY(!boxes.FileDialogStarts[0].isEmpty());
        QVERIFY(frm.NewCommand());
        boxes.QueueFileName(File("new.dat"));
        QVERIFY(frm.SaveCommand());
        const QString suggested =
            Files.path() + QDate::currentDate().toString(QStringLiteral("'/QB-H52 'yyyy-MM-dd'.dat'"));
        QCOMPARE(boxes.FileDialogStarts[1], suggested);
        QCOMPARE(RecentEntries(frm)[0], "&1 " + File("new.dat"));
        Restart();
        QCOMPARE(QString::fromStdString(gAll.LastFolder), Files.path());
    }

    void placesAndColumnWidthsAreRestoredAtTheNextStart()
    {
        const QRect editorPlace(40, 30, 420, 260);
        int columnWidth = 0;
        {
            TMessageRecorder boxes;
            TMainWindow frm;
            frm.show();
            frm.setGeometry(60, 70, 900, 640);
            frm.OpenEditor(TCommand::VfoEdit);
            QMdiSubWindow* vfo = frm.MdiArea->activeSubWindow();
            vfo->setGeometry(editorPlace);
            TGrid* grid = frm.Editor(QStringLiteral("fChsInfo"))->findChild<TGrid*>();
            columnWidth = grid->ColWidth(2) + 37;
            grid->SetColWidth(2, columnWidth);
            QVERIFY(frm.close());
        }
        Restart();
        TMessageRecorder boxes;
        TMainWindow frm;
        QVERIFY(frm.RestorePlace());
        frm.show();
        QCOMPARE(frm.geometry().size(), QSize(900, 640));
        QCOMPARE(frm.Editor(QStringLiteral("fChsInfo"))->findChild<TGrid*>()->ColWidth(2), columnWidth);
        frm.OpenEditor(TCommand::VfoEdit);
        QCOMPARE(frm.MdiArea->activeSubWindow()->geometry(), editorPlace);
    }

    void aFirstStartHasNoPlaceToRestore()
    {
        TMainWindow frm;
        QVERIFY(!frm.RestorePlace());
    }

    void droppingADataFileOpensItAndACsvImportsIt()
    {
        WriteDataFile(File("dropped.dat"), "DROP");
        WriteFile(File("list.csv"), "Location,Frequency,Name\n5,146.52,CSV\n");
        WriteFile(File("notes.txt"), "nothing");
        TMessageRecorder boxes;
        TMainWindow frm;
        frm.show();
        QVERIFY(!Drop(frm, File("notes.txt")));
        QVERIFY(Drop(frm, File("dropped.dat")));
        QCOMPARE(frm.DataFileName, File("dropped.dat"));
        QCOMPARE(Channel1Name(), std::string("DROP"));
        QVERIFY(Drop(frm, File("list.csv")));
        QCOMPARE(frm.DataFileName, File("dropped.dat"));
        TChannel channel;
        QVERIFY(DecodeChannel(gAll, 5, channel));
        QCOMPARE(ChannelCellText(channel, 5, TChannelField::Name), std::string("CSV"));
        QVERIFY(gAll.Modified);
    }

    // Dropping a data file over unsaved changes asks first; No to saving still opens, a cancelled save does not.
    void droppingADataFileOverChangesAsksToSave()
    {
        WriteDataFile(File("dropped.dat"), "DROP");
        TMessageRecorder boxes;
        TMainWindow frm;
        frm.show();
        std::string text = "146.0";
        SetChannelField(gAll, 3, TChannelField::RxFrequency, text);
        gAll.Modified = true;
        boxes.QueueAnswer(TAnswer::Yes); // save: yes, then the save dialog is cancelled
        QVERIFY(Drop(frm, File("dropped.dat")));
        QVERIFY(frm.DataFileName.isEmpty());
        QVERIFY(IsChannelUsed(gAll, 3));
        boxes.QueueAnswer(TAnswer::No);
        QVERIFY(Drop(frm, File("dropped.dat")));
        QCOMPARE(frm.DataFileName, File("dropped.dat"));
    }

    void theStatusBarSaysWhenThePortIsNotPresent()
    {
        WriteFile(Settings(), ("[Ports]\nCOM7=" + File("cable")).toUtf8() + "\n");
        gAll.ComPort = "COM7";
        TMessageRecorder boxes;
        TMainWindow frm;
        frm.show();
        QCOMPARE(frm.Panels[3]->text(), QStringLiteral("Port: COM7 (not present)"));
        WriteFile(File("cable"), {});
        frm.RefreshStatus();
        QCOMPARE(frm.Panels[3]->text(), QStringLiteral("Port: COM7"));
        QCOMPARE(QString::fromStdString(gAll.ComPort), QStringLiteral("COM7"));
    }
};

QTEST_MAIN(TestDesktopFiles)
#include "tst_DesktopFiles.moc"
