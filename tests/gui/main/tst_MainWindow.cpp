// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a user would: start-up, file commands with their questions, the tree, the
// editor windows and the language change.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/kit/EditorWindow.h"
#include "gui/kit/Grid.h"
#include "gui/kit/MessageBox.h"
#include "gui/main/LanguageWindow.h"
#include "gui/main/MainWindow.h"
#include "gui/main/ModelWindow.h"
#include "helpers/ModalHelper.h"
#include "helpers/TestSupport.h"

namespace
{

const QString kSaveQuestion = QStringLiteral("Do you wish to save the changes?");

// Puts channel 5 in use, as typing a frequency into its row would.
void EditChannel5()
{
    std::string text = "145.5";
    SetChannelField(gAll, 5, TChannelField::RxFrequency, text);
    gAll.Modified = true;
}

int EditorCount(const TMainWindow& frm)
{
    return static_cast<int>(frm.MdiArea->subWindowList().size());
}

void DoubleClickNode(TMainWindow& frm, QTreeWidgetItem* node)
{
    const QPoint at = frm.cxTree->visualItemRect(node).center();
    QMouseEvent event(QEvent::MouseButtonDblClick, at, frm.cxTree->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frm.cxTree->viewport(), &event);
}

void ChooseLanguage(TMainWindow& frm, int number)
{
    WhenModal<TLanguageWindow>([number](TLanguageWindow* dialog) {
        dialog->cxLangs[number]->setChecked(true);
        dialog->btnOk->click();
    });
    frm.ExecuteCommand(TCommand::Language);
}

// Band 2 switched off in the model dialog, then OK.
void ChooseBand1Only(TMainWindow& frm)
{
    WhenModal<TModelWindow>([](TModelWindow* dialog) {
        dialog->Rows[1].cxUse->setChecked(false);
        dialog->btnOk->click();
    });
    frm.ExecuteCommand(TCommand::Model);
}

} // namespace

class TestMainFrm : public QObject
{
    Q_OBJECT

  private:
    QString AppDir;
    QTemporaryDir Files;

  private slots:
    // COM1 stands for a present device whatever serial ports the machine has, so the status bar names it plainly.
    void init()
    {
        AppDir = InitTestState();
        const QString cable = Files.filePath(QStringLiteral("cable"));
        QFile settings(AppDir + QStringLiteral("SysInfo.Ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write(("[Ports]\nCOM1=" + cable + "\n").toUtf8());
        QFile device(cable);
        QVERIFY(device.open(QIODevice::WriteOnly));
    }

    void startUpShowsNewImageAndStatus()
    {
        TMessageRecorder recorder;
        gAll.ComPort = "com1";
        TMainWindow frm;
        frm.show();
        QVERIFY(recorder.Shown.isEmpty());
        QCOMPARE(frm.windowTitle(), QStringLiteral("Untitled[*] - QB-H52"));
        QVERIFY(!frm.isWindowModified());
        QVERIFY(frm.DataFileName.isEmpty());
        QVERIFY(!gAll.Modified);
        QCOMPARE(frm.Panels[0]->text(), QStringLiteral("Read from the radio or open a file to start"));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}/\\d{2}/\\d{2}$")).match(frm.Panels[1]->text()).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{2}:\\d{2}:\\d{2}$")).match(frm.Panels[2]->text()).hasMatch());
        QCOMPARE(frm.Panels[3]->text(), QStringLiteral("Port: COM1"));
        QCOMPARE(frm.Panels[4]->text(), QStringLiteral("QB-H52"));
        QCOMPARE(frm.Panels[5]->text(), QStringLiteral("400.00000 - 480.00000/136.00000 - 174.00000MHz"));
        // The image is the New content: model identification block and no channel in use.
        QCOMPARE(gAll.Image[kModelIdent], uint8_t('P'));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&gAll.Image[kModelIdent + 1]), 4), QByteArray("LP47"));
        QVERIFY(!IsChannelUsed(gAll, 1));
        // Exactly the channel table is open.
        QCOMPARE(EditorCount(frm), 1);
        QVERIFY(frm.Editor(QStringLiteral("fChsInfo")));
    }

    void startUpMenusAndTree()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QVERIFY(!frm.nKey->isVisible());
        QVERIFY(!frm.E10->isVisible());
        QVERIFY(!frm.nWindow->menuAction()->isVisible());
        QVERIFY(frm.T1->isVisible());
        QVERIFY(frm.nLanguage->isVisible());
        QCOMPARE(frm.N1->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        // Exit and Save As keep away from the keys every user presses for Cut and Select All.
        QCOMPARE(frm.nExit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
        QCOMPARE(frm.A1->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        for (const QAction* action : frm.nFile->actions())
            for (const QKeySequence& key : action->shortcuts())
                QVERIFY2(key != QKeySequence(QStringLiteral("Ctrl+X")) && key != QKeySequence(QStringLiteral("Ctrl+A")),
                         qPrintable(action->objectName()));
        QTreeWidgetItem* root = frm.cxTree->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("QB-H52"));
        QVERIFY(root->isSelected());
        QVERIFY(root->isExpanded());
        const QStringList pages = {"Radio Information", "Freq. Information", "Channel Information", "FM Information",
                                   "Vox Function",      "Scan Information",  "Optional Function",   "DTMF Function"};
        QCOMPARE(root->childCount(), static_cast<int>(pages.size()));
        for (int i = 0; i < root->childCount(); ++i)
            QCOMPARE(root->child(i)->text(0), pages[i]);
    }

    // Save with a name typed without extension, then New and Open bring the channel back.
    void saveNewOpenRoundTrip()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        EditChannel5();
        const QString typed = Files.filePath(QStringLiteral("round"));
        const QString path = typed + QStringLiteral(".dat");
        QFile::remove(path);
        recorder.QueueFileName(typed);
        frm.ExecuteCommand(TCommand::Save);
        QCOMPARE(frm.DataFileName, path);
        QCOMPARE(frm.windowTitle(), QStringLiteral("round.dat[*] - QB-H52"));
        QVERIFY(!frm.isWindowModified());
        QVERIFY(!gAll.Modified);
        const QByteArray saved = ReadFile(path);
        QCOMPARE(saved.size(), 4768);
        QCOMPARE(saved.left(16), QByteArray("PLP47LP47    \xFF\xFF\xFF", 16));

        frm.ExecuteCommand(TCommand::New);
        QVERIFY(recorder.Shown.isEmpty());
        QVERIFY(frm.DataFileName.isEmpty());
        QVERIFY(!IsChannelUsed(gAll, 5));

        recorder.QueueFileName(path);
        frm.ExecuteCommand(TCommand::Open);
        QVERIFY(IsChannelUsed(gAll, 5));
        QVERIFY(!gAll.Modified);
        QCOMPARE(frm.DataFileName, path);
        QCOMPARE(EditorCount(frm), 1);
        QVERIFY(recorder.Shown.isEmpty());
    }

    void saveWithNameNeverAsks()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        const QString path = Files.filePath(QStringLiteral("named.dat"));
        frm.DataFileName = path;
        EditChannel5();
        frm.ExecuteCommand(TCommand::Save);
        frm.ExecuteCommand(TCommand::Save);
        QCOMPARE(recorder.FileDialogs, 0);
        QVERIFY(recorder.Shown.isEmpty());
        QCOMPARE(ReadFile(path).size(), 4768);
        QVERIFY(!gAll.Modified);
    }

    void saveTakesAnEditStillBeingTyped()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        frm.ExecuteCommand(TCommand::FmRadio);
        auto* fm = frm.Editor(QStringLiteral("fFmFun"));
        QVERIFY(fm);
        auto* box = fm->findChild<QLineEdit*>(QStringLiteral("cxRx"));
        QVERIFY(box);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("100.5"));
        const QString path = Files.filePath(QStringLiteral("typing.dat"));
        frm.DataFileName = path;
        frm.ExecuteCommand(TCommand::Save);
        const QByteArray saved = ReadFile(path);
        QCOMPARE(saved.size(), 4768);
        // The current FM frequency (FM channel 32) in 25 kHz units: 100.5 MHz is 4020.
        const int offset = 0x1050 + 2 * 31;
        QCOMPARE(static_cast<uint8_t>(saved[offset]) | static_cast<uint8_t>(saved[offset + 1]) << 8, 4020);
    }

    void saveAsOverExistingFileAsks_data()
    {
        QTest::addColumn<TAnswer>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("replace") << TAnswer::Yes << true;
        QTest::newRow("keep") << TAnswer::No << false;
    }

    void saveAsOverExistingFileAsks()
    {
        QFETCH(TAnswer, answer);
        QFETCH(bool, written);
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        const QString path = Files.filePath(QStringLiteral("existing.dat"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("old");
        }
        frm.DataFileName = Files.filePath(QStringLiteral("other.dat"));
        EditChannel5();
        recorder.QueueFileName(path);
        recorder.QueueAnswer(answer);
        frm.ExecuteCommand(TCommand::SaveAs);
        QCOMPARE(recorder.FileDialogs, 1);
        QCOMPARE(recorder.Texts(), QStringList{QStringLiteral("The file already exists. Replace it?")});
        QCOMPARE(recorder.Shown[0].Caption, QStringLiteral("Confirmation"));
        QCOMPARE(ReadFile(path).size(), written ? 4768 : 3);
        QCOMPARE(gAll.Modified, !written);
        QCOMPARE(frm.DataFileName, written ? path : QString());
    }

    // A write that fails names the system's reason, keeps the image marked modified and leaves no file name.
    void failedSaveReportsReason()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        EditChannel5();
        recorder.QueueFileName(Files.filePath(QStringLiteral("missing-folder/x.dat")));
        QVERIFY(!frm.SaveCommand());
        QCOMPARE(recorder.Shown.size(), 1);
        QVERIFY(recorder.Shown[0].Text.startsWith(QStringLiteral("Cannot create file \"")));
        QVERIFY(recorder.Shown[0].Text.contains(QStringLiteral("No such file or directory")));
        QVERIFY(gAll.Modified);
        QVERIFY(frm.DataFileName.isEmpty());
        QCOMPARE(frm.windowTitle(), QStringLiteral("Untitled[*] - QB-H52"));
    }

    // Yes to "save the changes?" and then no save: New and Open leave the unsaved image alone.
    void newAndOpenStopWhenTheSaveDoesNotHappen_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("saveTo");
        QTest::newRow("new, dialog cancelled") << 1 << QString();
        QTest::newRow("open, dialog cancelled") << 2 << QString();
        QTest::newRow("new, write fails") << 1 << QStringLiteral("missing-folder/x.dat");
        QTest::newRow("open, write fails") << 2 << QStringLiteral("missing-folder/x.dat");
    }

    void newAndOpenStopWhenTheSaveDoesNotHappen()
    {
        QFETCH(int, command);
        QFETCH(QString, saveTo);
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        EditChannel5();
        recorder.QueueFileName(saveTo.isEmpty() ? QString() : Files.filePath(saveTo));
        recorder.QueueFileName(Files.filePath(QStringLiteral("never-opened.dat")));
        frm.ExecuteCommand(static_cast<TCommand>(command));
        QCOMPARE(recorder.Shown[0].Text, kSaveQuestion);
        QCOMPARE(recorder.FileDialogs, 1); // the save dialog only: no open dialog followed
        QVERIFY(IsChannelUsed(gAll, 5));
        QVERIFY(gAll.Modified);
    }

    void newWithoutSavingDropsTheChanges()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        EditChannel5();
        recorder.QueueAnswer(TAnswer::No);
        frm.ExecuteCommand(TCommand::New);
        QCOMPARE(recorder.Texts(), QStringList{kSaveQuestion});
        QCOMPARE(recorder.FileDialogs, 0);
        QVERIFY(!IsChannelUsed(gAll, 5));
        QVERIFY(!gAll.Modified);
    }

    void openRejectsUnknownModel()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        const QString path = Files.filePath(QStringLiteral("lp47-lower.dat"));
        QByteArray bytes(4768, '\0');
        bytes.replace(0, 5, "Plp47");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        frm.DataFileName = Files.filePath(QStringLiteral("before.dat"));
        EditChannel5();
        recorder.QueueAnswer(TAnswer::No);
        recorder.QueueFileName(path);
        frm.ExecuteCommand(TCommand::Open);
        QCOMPARE(recorder.Texts(), (QStringList{kSaveQuestion, QStringLiteral("Wrong model type.")}));
        QCOMPARE(recorder.Shown[1].Kind, TMessageKind::Error);
        QCOMPARE(recorder.Shown[1].Caption, QStringLiteral("Error"));
        QVERIFY(frm.DataFileName.isEmpty());
        QVERIFY(IsChannelUsed(gAll, 5));
        QVERIFY(gAll.Modified);
    }

    // A file that cannot be read leaves the document as it was, its file name included, so that a later Save
    // cannot overwrite the unreadable file with this image.
    void openOfUnreadableFileKeepsTheDocument()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        const QString before = Files.filePath(QStringLiteral("before.dat"));
        frm.DataFileName = before;
        recorder.QueueFileName(Files.filePath(QStringLiteral("does-not-exist.dat")));
        frm.ExecuteCommand(TCommand::Open);
        QCOMPARE(recorder.Shown.size(), 1);
        QVERIFY(recorder.Shown[0].Text.startsWith(QStringLiteral("Cannot open file \"")));
        QCOMPARE(frm.DataFileName, before);
    }

    void exitCancelledKeepsRunning()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        EditChannel5();
        gAll.ComPort = "COM9";
        recorder.QueueAnswer(TAnswer::Cancel);
        QVERIFY(!frm.close());
        QVERIFY(frm.isVisible());
        QCOMPARE(recorder.Texts(), QStringList{kSaveQuestion});
        QVERIFY(!ReadFile(AppDir + QStringLiteral("SysInfo.Ini")).contains("COM9"));
    }

    // A program started without a settings file of its own leaves one with the defaults. With nothing to lose
    // it asks nothing.
    void exitWritesTheSettings()
    {
        LoadSettings(gAll);
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QVERIFY(frm.close());
        QVERIFY(recorder.Shown.isEmpty());
        const QByteArray settings = ReadFile(AppDir + QStringLiteral("SysInfo.Ini"));
        QVERIFY(settings.contains("[SysInfo]"));
        QVERIFY(settings.contains("Com=COM1"));
        QVERIFY(settings.contains("Language_ID=0"));
        QVERIFY(settings.contains("SN_Start=\n"));
        QVERIFY(settings.contains("SN_Index=0"));
        QVERIFY(settings.contains("SN_NumS=1"));
    }

    void exitStopsWhenTheSaveDoesNotHappen()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        EditChannel5();
        QVERIFY(!frm.close()); // Yes, then the save dialog is cancelled
        QVERIFY(frm.isVisible());
        QCOMPARE(recorder.Texts(), QStringList{kSaveQuestion});
        QVERIFY(gAll.Modified);

        const QString path = Files.filePath(QStringLiteral("on-exit.dat"));
        QFile::remove(path);
        recorder.QueueFileName(path);
        QVERIFY(frm.close());
        QCOMPARE(ReadFile(path).size(), 4768);
    }

    void modelChangeDeclinedKeepsTheImage()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        EditChannel5();
        recorder.QueueAnswer(TAnswer::No);
        ChooseBand1Only(frm);
        QCOMPARE(recorder.Texts(), QStringList{QStringLiteral("Do you wish to clear the data?")});
        QCOMPARE(gAll.BandMask, uint8_t(0x01));
        QVERIFY(IsChannelUsed(gAll, 5));
        QVERIFY(gAll.Modified);
    }

    // The cleared data set of the new bands is one undo step: no save question, and Undo brings the channels,
    // the bands and their texts back.
    void modelChangeIsOneUndoStep()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        frm.DataFileName = Files.filePath(QStringLiteral("model.dat"));
        EditChannel5();
        frm.CommitEdit("Edit CH-005 RX Frequency");
        ChooseBand1Only(frm); // Clear Data: Yes
        QCOMPARE(recorder.Texts(), QStringList{QStringLiteral("Do you wish to clear the data?")});
        QVERIFY(!IsChannelUsed(gAll, 5));
        QCOMPARE(frm.nUndo->text(), QStringLiteral("&Undo Model Information"));
        QCOMPARE(frm.DataFileName, Files.filePath(QStringLiteral("model.dat")));
        frm.UndoCommand();
        QVERIFY(IsChannelUsed(gAll, 5));
        QCOMPARE(gAll.BandMask, uint8_t(0x05));
        QCOMPARE(frm.Panels[5]->text(), QStringLiteral("400.00000 - 480.00000/136.00000 - 174.00000MHz"));
        QVERIFY(gAll.Modified);
    }

    void modelChangeBuildsNewImage()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        ChooseBand1Only(frm);
        QVERIFY(recorder.Shown.isEmpty());
        QVERIFY(gAll.Modified);
        QCOMPARE(frm.Panels[5]->text(), QStringLiteral("400.00000 - 480.00000MHz"));
        QCOMPARE(gAll.Image[kModelIdent + 6], uint8_t(0x01));
    }

    void treeDoubleClickOpensOnlyTheSelectedNode()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        frm.CloseAllEditors();
        QTreeWidgetItem* root = frm.cxTree->topLevelItem(0);
        QTreeWidgetItem* channels = root->child(2);
        DoubleClickNode(frm, channels); // the root is selected, not this node
        QCOMPARE(EditorCount(frm), 0);
        frm.cxTree->setCurrentItem(channels);
        DoubleClickNode(frm, channels);
        QCOMPARE(EditorCount(frm), 1);
        QVERIFY(frm.Editor(QStringLiteral("fChsInfo")));
        frm.cxTree->setCurrentItem(root);
        DoubleClickNode(frm, root);
        QVERIFY(frm.Editor(QStringLiteral("fInfoMsg")));
    }

    void editorOpensOnceAndIsRestored()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        frm.CloseAllEditors();
        frm.ExecuteCommand(TCommand::ChannelEdit);
        frm.ExecuteCommand(TCommand::ChannelTable);
        TEditorWindow* table = frm.Editor(QStringLiteral("fChsInfo"));
        QVERIFY(table);
        QCOMPARE(EditorCount(frm), 2);
        QMdiSubWindow* window = frm.MdiArea->subWindowList().last();
        window->showMinimized();
        frm.ExecuteCommand(TCommand::ChannelTable);
        QCOMPARE(frm.Editor(QStringLiteral("fChsInfo")), table);
        QCOMPARE(EditorCount(frm), 2);
        QVERIFY(!window->isMinimized());
        QCOMPARE(frm.MdiArea->activeSubWindow(), window);

        window->close();
        QTRY_VERIFY(!frm.Editor(QStringLiteral("fChsInfo")));
        frm.ExecuteCommand(TCommand::ChannelTable);
        QVERIFY(frm.Editor(QStringLiteral("fChsInfo")));
    }

    void rebuildingTheViewsLeavesOnlyTheTable()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        for (TCommand command : {TCommand::ChannelEdit, TCommand::FmRadio, TCommand::RadioInfo})
            frm.ExecuteCommand(command);
        QPointer<TEditorWindow> oldTable = frm.Editor(QStringLiteral("fChsInfo"));
        frm.RefreshViews(TRefresh::ReopenTable);
        QCOMPARE(EditorCount(frm), 1);
        QVERIFY(frm.Editor(QStringLiteral("fChsInfo")) != oldTable);
        QTRY_VERIFY(oldTable.isNull());
    }

    void refreshReachesTheOpenTable()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        auto* table = qobject_cast<TChannelTableWindow*>(frm.Editor(QStringLiteral("fChsInfo")));
        QVERIFY(table);
        EditChannel5();
        gAll.CurrentChannel = 5;
        QCOMPARE(table->gvChs->Text(2, 6), QString());
        frm.RefreshViews(TRefresh::CurrentRow);
        QCOMPARE(table->gvChs->Text(2, 6), QStringLiteral("145.50000"));
    }

    // A batch run changes the image even when no table is open to show it: the change must still be saved.
    void batchWithoutTheTableMarksTheImageModified()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        frm.CloseAllEditors();
        frm.ExecuteCommand(TCommand::BatchEdit);
        TEditorWindow* batch = frm.Editor(QStringLiteral("fBatch"));
        QVERIFY(batch);
        QCOMPARE(EditorCount(frm), 1);
        QVERIFY(!gAll.Modified);
        batch->findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        QVERIFY(gAll.Modified);
        QVERIFY(IsChannelUsed(gAll, 128));
        QCOMPARE(frm.nUndo->text(), QStringLiteral("&Undo Batch Channel Edit"));
    }

    void commandsWithoutActionDoNothing()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        EditChannel5();
        // Key function, help topics, test frequency, and a tag no command has.
        for (int tag : {17, 60, 181, 99})
            frm.ExecuteCommand(static_cast<TCommand>(tag));
        QVERIFY(recorder.Shown.isEmpty());
        QCOMPARE(recorder.FileDialogs, 0);
        QCOMPARE(EditorCount(frm), 1);
        QVERIFY(gAll.Modified);
    }

    void viewEntriesToggleThePanels()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        frm.nCool->trigger();
        QVERIFY(!frm.pBar->isVisible());
        QVERIFY(!frm.nCool->isChecked());
        frm.nBar->trigger();
        QVERIFY(!frm.MainBar->isVisible());
        frm.T4->trigger();
        QVERIFY(!frm.pTree->isVisible());
        frm.T4->trigger();
        QVERIFY(frm.pTree->isVisible());
        frm.TreeHide->click();
        QVERIFY(!frm.pTree->isVisible());
    }

    void languageChangeToChineseAndBack()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        EditChannel5();
        frm.ExecuteCommand(TCommand::ChannelEdit);
        ChooseLanguage(frm, 1);
        QCOMPARE(gAll.LanguageName, std::string("Chinese"));
        QCOMPARE(frm.N1->text(), QStringLiteral("新建(&N)"));
        QCOMPARE(frm.nFile->title(), QStringLiteral("文件(&F)"));
        QCOMPARE(frm.tbSave->toolTip(), QStringLiteral("保存"));
        QCOMPARE(frm.cxTree->topLevelItem(0)->child(0)->text(0), QStringLiteral("电台信息"));
        QCOMPARE(frm.Panels[3]->text(), QStringLiteral("端口: COM1"));
        QCOMPARE(EditorCount(frm), 1);
        QVERIFY(frm.Editor(QStringLiteral("fChsInfo")));
        // The unsaved channel is still offered for saving.
        QVERIFY(gAll.Modified);
        recorder.QueueAnswer(TAnswer::Cancel);
        QVERIFY(!frm.close());
        QCOMPARE(recorder.Shown.last().Caption, QStringLiteral("确认"));
        QCOMPARE(recorder.Shown.last().Text, QStringLiteral("是否保存更改？"));

        ChooseLanguage(frm, 0);
        QCOMPARE(frm.N1->text(), QStringLiteral("&New"));
        QCOMPARE(frm.nFile->title(), QStringLiteral("&File"));
        QCOMPARE(frm.cxTree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Radio Information"));
        QCOMPARE(frm.Panels[3]->text(), QStringLiteral("Port: COM1"));
        QCOMPARE(gLanguage.SaveProgram, std::string("Do you wish to save the changes?"));
    }

    void choosingTheCurrentLanguageChangesNothing()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        frm.ExecuteCommand(TCommand::ChannelEdit);
        ChooseLanguage(frm, 0);
        QCOMPARE(EditorCount(frm), 2);
        QCOMPARE(gAll.LanguageIndex, 0);
    }
};

QTEST_MAIN(TestMainFrm)
#include "tst_MainWindow.moc"
