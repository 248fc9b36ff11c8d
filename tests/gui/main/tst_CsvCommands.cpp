// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export CSV... and Import CSV... in the main window, and the channel table's row commands reached from
// the Edit menu and by their keys while the main window's own shortcuts are in place.
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/ChannelOrder.h"
#include "gui/kit/EditorWindow.h"
#include "gui/kit/Grid.h"
#include "gui/main/MainWindow.h"
#include "helpers/TestSupport.h"

namespace
{
const QString kQuestion = QStringLiteral("Replace all memory channels?");

void MakeChannel(int channel, const char* rx, const char* name)
{
    ResetChannel(gAll, channel, rx);
    std::string text = name;
    SetChannelField(gAll, channel, TChannelField::Name, text);
}

std::vector<TChannelSlot> AllChannels()
{
    std::vector<TChannelSlot> channels;
    for (int channel = 1; channel <= gAll.ChannelCount; ++channel)
        channels.push_back(TakeChannel(gAll, channel));
    return channels;
}

bool SameChannels(const std::vector<TChannelSlot>& a, const std::vector<TChannelSlot>& b)
{
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].Used != b[i].Used || (a[i].Used && (a[i].Record != b[i].Record || a[i].Scanned != b[i].Scanned)))
            return false;
    return a.size() == b.size();
}

} // namespace

class TestCsvCommands : public QObject
{
    Q_OBJECT
  private:
    QTemporaryDir Files;

    QString File(const char* name) const { return Files.filePath(QString::fromLatin1(name)); }

  private slots:
    void init() { InitTestState(); }

    void ExportedChannelsImportIntoAnEmptySetAsTheyWere()
    {
        TMessageRecorder boxes;
        TMainWindow frm;
        frm.show();
        MakeChannel(1, "145.5", "ONE");
        MakeChannel(7, "446.00625", "SEVEN");
        std::string tone = "D754I";
        SetChannelField(gAll, 7, TChannelField::RxTone, tone);
        const std::vector<TChannelSlot> before = AllChannels();
        boxes.QueueFileName(File("list"));
        frm.ExecuteCommand(TCommand::ExportCsv);
        const QByteArray csv = ReadFile(File("list.csv"));
        QVERIFY(csv.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));
        QCOMPARE(csv.count("\r\n"), 3);

        for (int channel = 1; channel <= gAll.ChannelCount; ++channel)
            PutChannel(gAll, channel, {});
        gAll.Modified = false;
        boxes.QueueFileName(File("list.csv"));
        boxes.QueueAnswer(TAnswer::Yes);
        frm.ExecuteCommand(TCommand::ImportCsv);
        QVERIFY(SameChannels(AllChannels(), before));
        QVERIFY(gAll.Modified);
        QCOMPARE(boxes.Shown.size(), 1);
        QVERIFY(boxes.Shown[0].Text.startsWith(QStringLiteral("2 of 2 rows imported into 2 channels, 0 skipped.")));
        QVERIFY(boxes.Shown[0].Text.contains(kQuestion));
        auto* grid = frm.Editor(QStringLiteral("fChsInfo"))->findChild<TGrid*>();
        QCOMPARE(grid->Text(2, 8), QStringLiteral("446.00625"));
    }

    void ImportReplacesOrMergesAsAnsweredAndShowsTheReport()
    {
        WriteFile(File("one.csv"), "Location,Frequency,Name,Mode\n3,146.52,SIMPLEX,FM\n4,120.0,AIR,AM\n");
        for (const TAnswer answer : {TAnswer::Yes, TAnswer::No}) {
            InitTestState();
            TMessageRecorder boxes;
            TMainWindow frm;
            frm.show();
            MakeChannel(9, "145.5", "KEEP");
            boxes.QueueFileName(File("one.csv"));
            boxes.QueueAnswer(answer);
            frm.ExecuteCommand(TCommand::ImportCsv);
            QVERIFY(IsChannelUsed(gAll, 3));
            QVERIFY(!IsChannelUsed(gAll, 4));
            QCOMPARE(IsChannelUsed(gAll, 9), answer == TAnswer::No);
            QVERIFY(boxes.Shown[0].Text.contains(
                QStringLiteral("line 3, Location 4: skipped: Frequency 120.000000 MHz lies outside")));
        }
    }

    // The program's file argument (and a dropped file) goes through OpenFile: a .csv file, whatever the case of
    // its extension, is imported and keeps the data set's file name; the import is one undo step.
    void ACsvFileGivenToOpenIsImported()
    {
        WriteFile(File("given.CSV"), "Location,Frequency,Name\n5,146.52,GIVEN\n");
        TMessageRecorder boxes;
        TMainWindow frm;
        frm.show();
        const auto before = gAll.Image;
        boxes.QueueAnswer(TAnswer::Yes);
        frm.OpenFile(File("given.CSV"));
        TChannel channel;
        QVERIFY(DecodeChannel(gAll, 5, channel));
        QCOMPARE(ChannelCellText(channel, 5, TChannelField::Name), std::string("GIVEN"));
        QVERIFY(gAll.Modified);
        QVERIFY(boxes.Shown[0].Text.startsWith(QStringLiteral("1 of 1 rows imported")));
        QCOMPARE(frm.nUndo->text().remove(u'&'), QStringLiteral("Undo Import CSV"));
        frm.nUndo->trigger();
        QVERIFY(gAll.Image == before);
        QVERIFY(!gAll.Modified);
    }

    // A file that holds no channel or cannot be read: a message, and the image as it was.
    void UnreadableFilesChangeNothing()
    {
        WriteFile(File("none.csv"), "Location,Frequency\n0,146.0\n");
        WriteFile(File("open.csv"), "Location,Frequency\n1,\"146.0\n");
        const struct {
            const char* Name;
            QString Message;
        } cases[] = {
            {"none.csv", QStringLiteral("No row could be imported.")},
            {"open.csv", QStringLiteral("line 2: a quoted field is not closed")},
            {"missing.csv", QStringLiteral("Cannot open file")},
        };
        for (const auto& c : cases) {
            TMessageRecorder boxes;
            TMainWindow frm;
            frm.show();
            MakeChannel(2, "145.5", "TWO");
            const auto before = gAll.Image;
            boxes.QueueFileName(File(c.Name));
            frm.ExecuteCommand(TCommand::ImportCsv);
            QCOMPARE(boxes.Shown.size(), 1);
            QVERIFY2(boxes.Shown[0].Text.contains(c.Message), qPrintable(boxes.Shown[0].Text));
            QVERIFY(gAll.Image == before);
        }
    }

    // The table's keys win over the Edit menu's entries on the same keys: Ctrl+X cuts and nothing else runs.
    void TableKeysAndTheEditMenuReachTheRowCommands()
    {
        TMessageRecorder boxes;
        TMainWindow frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        MakeChannel(1, "145.5", "A");
        MakeChannel(2, "145.6", "B");
        frm.RefreshViews(TRefresh::TableAndEditor);
        auto* grid = frm.Editor(QStringLiteral("fChsInfo"))->findChild<TGrid*>();
        grid->setFocus();
        grid->SetCurrentCell(2, 2);
        ResetHistory(); // the two channels are where the history starts
        const auto made = gAll.Image;
        QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(frm.isVisible());
        QVERIFY(boxes.Shown.isEmpty());
        QVERIFY(!IsChannelUsed(gAll, 1));

        QAction* moveDown = frm.nEdit->findChild<QAction*>(QStringLiteral("nChsMoveDown"));
        QVERIFY(moveDown);
        grid->SetCurrentCell(2, 3);
        moveDown->trigger();
        QVERIFY(!IsChannelUsed(gAll, 2));
        QVERIFY(IsChannelUsed(gAll, 3));

        // Each row command is one undo step, undone in turn.
        QCOMPARE(frm.nUndo->text().remove(u'&'), QStringLiteral("Undo Move Channel Down"));
        frm.nUndo->trigger();
        QVERIFY(IsChannelUsed(gAll, 2));
        QVERIFY(!IsChannelUsed(gAll, 3));
        QCOMPARE(frm.nUndo->text().remove(u'&'), QStringLiteral("Undo Cut Channels"));
        frm.nUndo->trigger();
        QVERIFY(gAll.Image == made);
    }
};

QTEST_MAIN(TestCsvCommands)
#include "tst_CsvCommands.moc"
