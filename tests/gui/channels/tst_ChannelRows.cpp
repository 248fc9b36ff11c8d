// SPDX-License-Identifier: GPL-3.0-or-later
// Whole channels in the channel table: row selection by the number column, the clipboard as a spreadsheet
// sees it, and the row commands, each reaching the image bytes.
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QtTest>

#include "core/model/ChannelCodec.h"
#include "core/model/ChannelOrder.h"
#include "gui/channels/ChannelRows.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/channels/ChannelTestSupport.h"
#include "gui/kit/Grid.h"
#include "helpers/TestSupport.h"

namespace
{
using F = TChannelField;

const QString kTabHeader = QStringLiteral(
    "Location\tName\tFrequency\tDuplex\tOffset\tTone\trToneFreq\tcToneFreq\tDtcsCode\tDtcsPolarity\tRxDtcsCode\t"
    "CrossMode\tMode\tTStep\tSkip\tPower\tComment\tURCALL\tRPT1CALL\tRPT2CALL\tDVCODE\r\n");

void MakeChannel(int channel, const char* rx, const char* name)
{
    ResetChannel(gAll, channel, rx);
    std::string text = name;
    SetChannelField(gAll, channel, F::Name, text);
}

QString Name(int channel)
{
    TChannel decoded;
    return DecodeChannel(gAll, channel, decoded) ? QString::fromStdString(decoded.Name) : QStringLiteral("-");
}

// The names of channels 1 to count, "-" for an unused one.
QStringList Names(int count)
{
    QStringList names;
    for (int channel = 1; channel <= count; ++channel)
        names << Name(channel);
    return names;
}
} // namespace

class TestChannelRows : public QObject
{
    Q_OBJECT
  private:
    TChannelTableWindow* Window = nullptr;
    TViewsLog* Views = nullptr;
    TMessageRecorder* Boxes = nullptr;

    TGrid* Grid() const { return Window->gvChs; }
    TChannelRows* Rows() const { return ChannelRowsOf(Window); }

    void Open()
    {
        Window = new TChannelTableWindow;
        Views->Table = Window;
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window));
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window));
        Grid()->setFocus();
    }

    // A click on the channel's number in the fixed column.
    void ClickNumber(int channel, Qt::KeyboardModifiers modifiers = {})
    {
        QHeaderView* numbers = Grid()->verticalHeader();
        const QPoint at(numbers->width() / 2, numbers->sectionViewportPosition(channel - 1) + 5);
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers, at);
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(Grid(), key, modifiers); }

    void FiveNamedChannels()
    {
        const char* names[] = {"A", "B", "C", "D", "E"};
        for (int channel = 1; channel <= 5; ++channel)
            MakeChannel(channel, "145.5", names[channel - 1]);
    }

  private slots:
    void init()
    {
        InitTestState();
        Views = new TViewsLog;
        Boxes = new TMessageRecorder;
    }
    void cleanup()
    {
        delete Window;
        Window = nullptr;
        delete Views;
        delete Boxes;
    }

    void NumberClicksSelectRowsAndShiftAndCtrlExtend()
    {
        Open();
        ClickNumber(3);
        QCOMPARE(Rows()->Channels(), (std::vector<int>{3}));
        ClickNumber(6, Qt::ShiftModifier);
        QCOMPARE(Rows()->Channels(), (std::vector<int>{3, 4, 5, 6}));
        ClickNumber(4, Qt::ControlModifier);
        QCOMPARE(Rows()->Channels(), (std::vector<int>{3, 5, 6}));
        QVERIFY(Grid()->Color(4, 4).isValid());
        // An unselected row keeps its colour.
        QVERIFY(!Grid()->Color(4, 5).isValid());
        ClickNumber(9);
        QCOMPARE(Rows()->Channels(), (std::vector<int>{9}));
        // Deselected rows get their colour back.
        QVERIFY(!Grid()->Color(4, 4).isValid());
    }

    void CopyGivesTabSeparatedColumnsWithTheHeaderAndPasteGivesTheSameChannels()
    {
        FiveNamedChannels();
        std::string tone = "D023I";
        SetChannelField(gAll, 2, F::TxTone, tone);
        Open();
        ClickNumber(2);
        ClickNumber(3, Qt::ShiftModifier);
        Key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 kTabHeader + "2\tB\t145.500000\t\t0.000000\tCross\t88.5\t88.5\t023\tRN\t023\tDTCS->\tFM\t37.50\tS\t5."
                              "0W\t\t\t\t\t\r\n"
                              "3\tC\t145.500000\t\t0.000000\t\t88.5\t88.5\t023\tNN\t023\tTone->Tone\tFM\t37.50\tS\t5."
                              "0W\t\t\t\t\t\r\n");

        ClickNumber(20);
        Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(TakeChannel(gAll, 20).Record, TakeChannel(gAll, 2).Record);
        QCOMPARE(TakeChannel(gAll, 21).Record, TakeChannel(gAll, 3).Record);
        // The table shows the pasted rows.
        QCOMPARE(Grid()->Text(14, 21), QStringLiteral("B"));
        QCOMPARE(Rows()->Channels(), (std::vector<int>{20, 21}));
        QVERIFY(Boxes->Shown.isEmpty());
    }

    // Rows copied from a spreadsheet: with a CHIRP header in any column order, or CHIRP's columns without one.
    void PasteTakesSpreadsheetRowsWithOrWithoutAHeaderAndReportsWhatItSkips()
    {
        Open();
        ClickNumber(10);
        QGuiApplication::clipboard()->setText(
            QStringLiteral("Name\tFrequency\tMode\nRPT\t146.94\tFM\nAIR\t120.0\tAM\nLOW\t446.00625\tNFM\n"));
        Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Names(12).mid(9), (QStringList{"RPT", "-", "LOW"}));
        QCOMPARE(Boxes->Shown.size(), 1);
        QVERIFY(Boxes->Shown[0].Text.contains(QStringLiteral("line 3, Location 11: skipped: Frequency 120.000000")));

        ClickNumber(128);
        QGuiApplication::clipboard()->setText(QStringLiteral("1,LAST,145.6\n2,GONE,145.7\n"));
        Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Name(128), QStringLiteral("LAST"));
        QVERIFY(Boxes->Shown.last().Text.contains(QStringLiteral("skipped: no channel after 128")));
    }

    void CutAndDeleteClearTheSelectedChannels()
    {
        FiveNamedChannels();
        Open();
        ClickNumber(2);
        Key(Qt::Key_X, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\r\n2\tB\t")));
        ClickNumber(4);
        ClickNumber(5, Qt::ShiftModifier);
        Key(Qt::Key_Delete);
        QCOMPARE(Names(5), (QStringList{"A", "-", "C", "-", "-"}));
        // The table shows the cleared row.
        QCOMPARE(Grid()->Text(2, 3), QString());
    }

    // Typing in a cell keeps the grid's own clipboard switch-off: no rows are pasted into the editor's channel.
    void ClipboardKeysInTheCellEditorPasteNoRows()
    {
        Open();
        QGuiApplication::clipboard()->setText(QStringLiteral("Location,Frequency\n1,146.0\n"));
        Grid()->EditCell(2, 5);
        QLineEdit* editor = Grid()->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!IsChannelUsed(gAll, 4));
        QCOMPARE(editor->text(), QString());
    }

    void InsertRowAsksBeforeTheLastChannelDropsOut()
    {
        FiveNamedChannels();
        MakeChannel(128, "146.0", "LAST");
        Open();
        ClickNumber(2);
        Boxes->QueueAnswer(TAnswer::No);
        Rows()->Run(TRowCommand::InsertRow);
        QCOMPARE(Names(5), (QStringList{"A", "B", "C", "D", "E"}));
        Boxes->QueueAnswer(TAnswer::Yes);
        Rows()->Run(TRowCommand::InsertRow);
        QCOMPARE(Boxes->Shown.size(), 2);
        QCOMPARE(Names(6), (QStringList{"A", "-", "B", "C", "D", "E"}));
        QCOMPARE(Name(128), QStringLiteral("-"));

        Rows()->Run(TRowCommand::InsertRow);
        // No question while the last channel is unused.
        QCOMPARE(Boxes->Shown.size(), 2);
        QCOMPARE(Names(7), (QStringList{"A", "-", "-", "B", "C", "D", "E"}));
    }

    void DeleteRowMovesTheRestUp()
    {
        FiveNamedChannels();
        Open();
        ClickNumber(2);
        ClickNumber(4, Qt::ControlModifier);
        Rows()->Run(TRowCommand::DeleteRow);
        QCOMPARE(Names(5), (QStringList{"A", "C", "E", "-", "-"}));
    }

    void CtrlUpAndDownMoveTheSelectedBlockAndTheSelectionFollows()
    {
        FiveNamedChannels();
        Open();
        ClickNumber(2);
        ClickNumber(3, Qt::ShiftModifier);
        Key(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(Names(5), (QStringList{"A", "D", "B", "C", "E"}));
        QCOMPARE(Rows()->Channels(), (std::vector<int>{3, 4}));
        Key(Qt::Key_Up, Qt::ControlModifier);
        Key(Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(Names(5), (QStringList{"B", "C", "A", "D", "E"}));
        Key(Qt::Key_Up, Qt::ControlModifier);
        // The first row cannot move up.
        QCOMPARE(Names(5), (QStringList{"B", "C", "A", "D", "E"}));
    }

    void SortOrdersTheWholeTableOrTheSelectedRows()
    {
        const char* names[] = {"D", "B", "E", "A", "C"};
        const char* frequencies[] = {"145.1", "145.5", "145.3", "145.2", "145.4"};
        for (int channel = 1; channel <= 5; ++channel)
            MakeChannel(channel, frequencies[channel - 1], names[channel - 1]);
        MakeChannel(8, "144.0", "F");
        Open();
        Rows()->Select(2, 4);
        Rows()->Run(TRowCommand::SortByName);
        QCOMPARE(Names(5), (QStringList{"D", "A", "B", "E", "C"}));
        ClickNumber(1);
        Rows()->Run(TRowCommand::SortByFrequency);
        QCOMPARE(Names(8), (QStringList{"F", "D", "A", "E", "C", "B", "-", "-"}));
    }

    void ContextMenuOffersEveryCommand()
    {
        Open();
        QStringList names;
        for (QAction* action : Rows()->Menu()->actions())
            if (!action->isSeparator())
                names << action->objectName();
        QCOMPARE(names, (QStringList{"acCopy", "acCut", "acPaste", "acClear", "acInsertRow", "acDeleteRow", "acMoveUp",
                                     "acMoveDown", "acSortFrequency", "acSortName", "acSortTone"}));
    }
};

QTEST_MAIN(TestChannelRows)
#include "tst_ChannelRows.moc"
