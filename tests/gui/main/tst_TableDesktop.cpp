// SPDX-License-Identifier: GPL-3.0-or-later
// The channel table in the main window as a desktop user meets it: it fills the document area, editors cascade
// over it, the status bar hints and reports, and Ctrl shortcuts reach the menus from a cell editor.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/kit/Grid.h"
#include "gui/main/MainWindow.h"
#include "helpers/TestSupport.h"

namespace
{

QLineEdit* CellEditor(TChannelTableWindow* table)
{
    for (QLineEdit* box : table->gvChs->viewport()->findChildren<QLineEdit*>())
        if (box->isVisible())
            return box;
    return nullptr;
}

void TypeCell(TMainWindow& frm, TChannelField field, int channel, const QString& text)
{
    TChannelTableWindow* table = Table(frm);
    QVERIFY(table->gvChs->EditCell(Column(table, field), channel + 1));
    QLineEdit* editor = CellEditor(table);
    QVERIFY(editor);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!table->gvChs->IsEditing());
}

QMdiSubWindow* FrameOf(TMainWindow& frm, const char* name)
{
    QWidget* editor = frm.Editor(QString::fromLatin1(name));
    return editor ? qobject_cast<QMdiSubWindow*>(editor->parentWidget()) : nullptr;
}

} // namespace

class TestTableDesktop : public QObject
{
    Q_OBJECT

  private slots:
    void init() { InitTestState(); }

    void tableFillsTheDocumentAreaAndEditorsCascadeOverIt()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.resize(1600, 1000);
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        QMdiSubWindow* table = FrameOf(frm, "fChsInfo");
        QVERIFY(table);
        QTRY_COMPARE(table->geometry(), frm.MdiArea->viewport()->rect());
        frm.resize(1200, 800);
        QTRY_COMPARE(table->geometry(), frm.MdiArea->viewport()->rect());

        frm.ExecuteCommand(TCommand::VfoEdit);
        frm.ExecuteCommand(TCommand::ChannelEdit);
        frm.ExecuteCommand(TCommand::Scan);
        const QPoint vfo = FrameOf(frm, "fFreqEdit")->pos();
        const QPoint edit = FrameOf(frm, "fChsEdit")->pos();
        const QPoint scan = FrameOf(frm, "fScanFun")->pos();
        QCOMPARE(vfo, QPoint(20, 20));
        QVERIFY(edit.x() > vfo.x() && edit.y() > vfo.y());
        QVERIFY(scan.x() > edit.x() && scan.y() > edit.y());
        // With editors open the table keeps its place, so that Tile arranges it with them.
        frm.ExecuteCommand(TCommand::TileVertically);
        QVERIFY(table->width() < frm.MdiArea->viewport()->width());
    }

    void statusBarHintsAtAnEmptyDataSetAndReportsAStoredValue()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QCOMPARE(frm.Panels[0]->text(), QStringLiteral("Read from the radio or open a file to start"));
        TypeCell(frm, TChannelField::RxFrequency, 5, QStringLiteral("145.50390"));
        QCOMPARE(frm.Panels[0]->text(), QStringLiteral("145.50390 stored as 145.50375 (step 1.25 kHz)"));
        TypeCell(frm, TChannelField::RxFrequency, 5, QStringLiteral("146"));
        QCOMPARE(frm.Panels[0]->text(), QString());
        recorder.QueueAnswer(TAnswer::No); // the changes are not saved
        frm.ExecuteCommand(TCommand::New);
        QCOMPARE(frm.Panels[0]->text(), QStringLiteral("Read from the radio or open a file to start"));
    }

    // A cell editor once kept Ctrl+Z for its own typing: the menu's Undo never saw it.
    void ctrlShortcutsReachTheMenusFromACellEditor()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        frm.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        TypeCell(frm, TChannelField::RxFrequency, 5, QStringLiteral("145.5"));
        TChannelTableWindow* table = Table(frm);
        QVERIFY(table->gvChs->EditCell(Column(table, TChannelField::Name), 6));
        QLineEdit* editor = CellEditor(table);
        QVERIFY(editor);
        editor->setFocus();
        QTest::keyClicks(editor, QStringLiteral("AB"));
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QTRY_VERIFY(!table->gvChs->IsEditing());
        // The typed name was stored as its own step and that step undone.
        QVERIFY(frm.nRedo->isEnabled());
        QCOMPARE(frm.nRedo->text(), QStringLiteral("&Redo Edit CH-005 NAME"));
        QVERIFY(IsChannelUsed(gAll, 5));
        TChannel decoded;
        QVERIFY(DecodeChannel(gAll, 5, decoded));
        QCOMPARE(QString::fromStdString(decoded.Name), QString());
    }
};

QTEST_MAIN(TestTableDesktop)
#include "tst_TableDesktop.moc"
