// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo as a user meets them in the main window: the Edit menu and toolbar entries with the step's
// caption, the image and the open windows after each step, the saved state, and a fresh history on New and Open.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/kit/Grid.h"
#include "gui/main/MainWindow.h"
#include "helpers/TestSupport.h"

namespace
{

// Types into a cell of the channel table and ends the edit with Enter, as a user does.
void TypeCell(TMainWindow& frm, TChannelField field, int channel, const QString& text)
{
    TChannelTableWindow* table = Table(frm);
    QVERIFY(table);
    QVERIFY(table->gvChs->EditCell(Column(table, field), channel + 1));
    QLineEdit* editor = nullptr;
    for (QLineEdit* box : table->gvChs->viewport()->findChildren<QLineEdit*>())
        if (box->isVisible())
            editor = box;
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!table->gvChs->IsEditing());
}

QString CellText(TMainWindow& frm, TChannelField field, int channel)
{
    TChannelTableWindow* table = Table(frm);
    return table->gvChs->Text(Column(table, field), channel + 1);
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir Files;

  private slots:
    void init() { InitTestState(); }

    void editMenuAndToolbarStartEmpty()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        const QList<QAction*> entries = frm.nEdit->actions();
        QCOMPARE(entries.value(0), frm.nUndo);
        QCOMPARE(entries.value(1), frm.nRedo);
        QCOMPARE(frm.nUndo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(frm.nRedo->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                              QKeySequence(QStringLiteral("Ctrl+Y"))}));
        for (QAction* action : {frm.nUndo, frm.nRedo, frm.tbUndo, frm.tbRedo})
            QVERIFY(!action->isEnabled());
        QCOMPARE(frm.nUndo->text(), QStringLiteral("&Undo"));
    }

    void undoAndRedoOfATypedCell()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        const auto before = gAll.Image;
        TypeCell(frm, TChannelField::RxFrequency, 5, QStringLiteral("145.5"));
        const auto after = gAll.Image;
        QVERIFY(IsChannelUsed(gAll, 5));
        QVERIFY(gAll.Modified);
        QVERIFY(frm.isWindowModified());
        QCOMPARE(frm.nUndo->text(), QStringLiteral("&Undo Edit CH-005 RX Frequency"));
        QCOMPARE(frm.tbUndo->toolTip(), QStringLiteral("Undo Edit CH-005 RX Frequency"));
        QVERIFY(frm.nUndo->isEnabled() && frm.tbUndo->isEnabled());
        QVERIFY(!frm.nRedo->isEnabled());

        frm.nUndo->trigger();
        QVERIFY(gAll.Image == before);
        QCOMPARE(CellText(frm, TChannelField::RxFrequency, 5), QString());
        QVERIFY(!gAll.Modified); // back at the state of the New data set
        QVERIFY(!frm.isWindowModified());
        QCOMPARE(frm.nRedo->text(), QStringLiteral("&Redo Edit CH-005 RX Frequency"));
        QVERIFY(!frm.nUndo->isEnabled() && frm.nRedo->isEnabled() && frm.tbRedo->isEnabled());

        frm.tbRedo->trigger();
        QVERIFY(gAll.Image == after);
        QCOMPARE(CellText(frm, TChannelField::RxFrequency, 5), QStringLiteral("145.50000"));
        QVERIFY(gAll.Modified);
        QVERIFY(recorder.Shown.isEmpty());
    }

    void theKeysUndoAndRedo()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        TypeCell(frm, TChannelField::RxFrequency, 7, QStringLiteral("146"));
        TypeCell(frm, TChannelField::RxFrequency, 8, QStringLiteral("147"));
        QTest::keyClick(&frm, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(IsChannelUsed(gAll, 7));
        QVERIFY(!IsChannelUsed(gAll, 8));
        QTest::keyClick(&frm, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!IsChannelUsed(gAll, 7));
        QTest::keyClick(&frm, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(IsChannelUsed(gAll, 7));
        QTest::keyClick(&frm, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(IsChannelUsed(gAll, 8));
    }

    // Undoing back to what was saved clears the modified mark; every other step sets it.
    void theSavedStateIsNotModified()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        frm.DataFileName = Files.filePath(QStringLiteral("saved.dat"));
        TypeCell(frm, TChannelField::RxFrequency, 1, QStringLiteral("145"));
        frm.ExecuteCommand(TCommand::Save);
        QVERIFY(!gAll.Modified);
        TypeCell(frm, TChannelField::RxFrequency, 2, QStringLiteral("146"));
        QVERIFY(gAll.Modified);
        frm.UndoCommand();
        QVERIFY(!gAll.Modified);
        QVERIFY(IsChannelUsed(gAll, 1));
        frm.UndoCommand();
        QVERIFY(gAll.Modified);
        QVERIFY(!IsChannelUsed(gAll, 1));
        frm.RedoCommand();
        QVERIFY(!gAll.Modified);
    }

    void newAndOpenStartAnEmptyHistory()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        const QString path = Files.filePath(QStringLiteral("open.dat"));
        frm.DataFileName = path;
        TypeCell(frm, TChannelField::RxFrequency, 3, QStringLiteral("145"));
        frm.ExecuteCommand(TCommand::Save);
        TypeCell(frm, TChannelField::RxFrequency, 4, QStringLiteral("146"));
        recorder.QueueAnswer(TAnswer::No);
        frm.ExecuteCommand(TCommand::New);
        QVERIFY(!frm.nUndo->isEnabled());
        QVERIFY(!frm.nRedo->isEnabled());
        TypeCell(frm, TChannelField::RxFrequency, 4, QStringLiteral("146"));
        recorder.QueueAnswer(TAnswer::No);
        recorder.QueueFileName(path);
        frm.ExecuteCommand(TCommand::Open);
        QVERIFY(IsChannelUsed(gAll, 3));
        QVERIFY(!frm.nUndo->isEnabled());
        QCOMPARE(frm.History().UndoCount(), size_t(0));
    }
};

QTEST_MAIN(TestUndo)
#include "tst_Undo.moc"
