// SPDX-License-Identifier: GPL-3.0-or-later
// The channel table: typed edits and in-place lists reaching the image bytes, row state, key filters,
// the column definitions and their language texts.
#include <QAbstractItemView>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

#include "core/files/TypedValues.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Numbers.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/channels/ChannelTestSupport.h"
#include "gui/kit/CellList.h"
#include "gui/kit/Grid.h"
#include "helpers/TestSupport.h"

namespace
{
using F = TChannelField;

QByteArray Record(const TAppState& all, int channel)
{
    QByteArray bytes;
    for (int k = 0; k < 32; ++k)
        bytes.append(static_cast<char>(all.Image[ChannelByte(channel, k)]));
    return bytes;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

double FirstBandLow()
{
    for (const TBand& band : gAll.Bands)
        if (band.Low != 0.0)
            return band.Low;
    return 0.0;
}

} // namespace

class TestChsInfo : public QObject
{
    Q_OBJECT
  private:
    TChannelTableWindow* Window = nullptr;
    TViewsLog* Views = nullptr;
    TMessageRecorder* Boxes = nullptr;

    TGrid* Grid() const { return Window->gvChs; }

    void Open()
    {
        Window = new TChannelTableWindow;
        Views->Table = Window;
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window));
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window));
    }

    int Col(TChannelField field) const
    {
        for (int c = 1; c < Grid()->ColCount(); ++c)
            if (Window->ColumnField(c).first == field)
                return c;
        return -1;
    }
    QString Cell(TChannelField field, int channel) const { return Grid()->Text(Col(field), channel + 1); }

    void Click(TChannelField field, int channel)
    {
        const QRect cell = Grid()->CellRect(Col(field), channel + 1);
        QVERIFY(!cell.isEmpty());
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, Grid()->viewport()->mapFrom(Grid(), cell.center()));
    }

    QLineEdit* OpenEditor() const
    {
        for (QLineEdit* editor : Grid()->viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    // Clicks the cell, which opens the text editor with its text selected, types over it and ends with Enter.
    void TypeCell(TChannelField field, int channel, const QString& text)
    {
        Click(field, channel);
        QLineEdit* editor = OpenEditor();
        QVERIFY(editor);
        QVERIFY(editor->hasSelectedText() || editor->text().isEmpty());
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Backspace);
        else
            QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor hands its text over once it has handled the key.
        QTRY_VERIFY(!Grid()->IsEditing());
    }

    void MakeChannel(int channel, const char* rx)
    {
        ResetChannel(gAll, channel, rx);
        Window->ReloadChannel(channel);
    }

    QStringList RowTexts(int channel) const
    {
        QStringList texts;
        for (int c = 2; c < Grid()->ColCount(); ++c)
            texts << Grid()->Text(c, channel + 1);
        return texts;
    }

    // Keys go where the program sends them: to whatever has the focus in the window, as a user's keys do. (The
    // offscreen platform does not give the window back its activation after a drop-down closed.)
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget* focus = Window->focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key, modifiers);
    }

    // Drops the placed tone list down and picks an item inside it, as the mouse does.
    void PickFromToneList(int item)
    {
        TCellList* list = Window->cxDcts;
        QVERIFY(list->isVisible());
        list->showPopup();
        QTRY_VERIFY(list->view()->isVisible());
        list->view()->setCurrentIndex(list->model()->index(item, 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
    }

    // Each key to whatever has the focus by then: the first one typed on a cell opens its editor.
    void TypeKeys(const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClicks(Window->focusWidget(), QString(c));
    }

    bool AnyListShown() const
    {
        for (const TCellList* list : Window->findChildren<TCellList*>())
            if (list->isVisible())
                return true;
        return false;
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

    void GridFollowsTheColumnDefinitions()
    {
        Open();
        QCOMPARE(Window->objectName(), QStringLiteral("fChsInfo"));
        QCOMPARE(Grid()->RowCount(), 130);
        QCOMPARE(Window->ShownCount, 15);
        QCOMPARE(Grid()->ColCount(), 16);
        // The columns are at least as wide as defined, wider where their content needs it.
        int width = 50;
        for (int c = 1; c < Grid()->ColCount(); ++c)
            width += Grid()->ColWidth(c);
        QCOMPARE(Window->width(), width);
        const QList<TChannelField> shown = {F::Number, F::RxFrequency, F::TxFrequency, F::RxTone,   F::TxTone,
                                            F::Power,  F::Bandwidth,   F::ScanAdd,     F::BusyLock, F::Vox,
                                            F::Tail,   F::PttId,       F::Ani,         F::Name,     F::IdCode};
        for (int c = 1; c <= 15; ++c)
            QCOMPARE(FieldNumber(Window->ColumnField(c).first), FieldNumber(shown[c - 1]));
        QCOMPARE(Grid()->Text(Col(F::RxFrequency), 1), QStringLiteral("RX Frequency"));
        QVERIFY(Grid()->ColWidth(Col(F::RxFrequency)) >= 80);
        QCOMPARE(Grid()->Text(1, 1), QStringLiteral("No."));
        QCOMPARE(Grid()->Text(1, 129), QStringLiteral("128"));
        const QColor tint = RowTint(Window->palette());
        for (int channel = 1; channel <= 128; ++channel)
            QCOMPARE(Grid()->Color(Col(F::Power), channel + 1) == tint, channel % 16 == 0);
    }

    void TypingAFrequencyIntoAnEmptyRowCreatesTheChannel()
    {
        Open();
        QVERIFY(!IsChannelUsed(gAll, 5));
        QVERIFY(Grid()->ReadOnly(Col(F::Name), 6));
        TAppState expected = gAll;
        ResetChannel(expected, 5, "145.5");

        TypeCell(F::RxFrequency, 5, QStringLiteral("145.5"));

        QCOMPARE(Record(gAll, 5), Record(expected, 5));
        QCOMPARE(Record(gAll, 5).left(8), Bytes({0xF0, 0x03, 0xDE, 0x00, 0xF0, 0x03, 0xDE, 0x00}));
        QVERIFY(IsChannelUsed(gAll, 5));
        QVERIFY(gAll.Modified);
        QCOMPARE(Grid()->Value(1, 6), QStringLiteral("1"));
        QCOMPARE(RowTexts(5), QStringList({"145.50000", "145.50000", "None", "None", "High", "Wide", "Del", "Off", "No",
                                           "On", "Off", "OFF", "", "000"}));
        QVERIFY(!Grid()->ReadOnly(Col(F::Name), 6));
        QVERIFY(!Grid()->ReadOnly(Col(F::TxFrequency), 6));
    }

    void ClearingTheRxFrequencyDeletesTheChannel()
    {
        Open();
        MakeChannel(5, "145.5");
        QCOMPARE(Cell(F::Power, 5), QStringLiteral("High"));

        TypeCell(F::RxFrequency, 5, QString());

        QVERIFY(!IsChannelUsed(gAll, 5));
        QCOMPARE(Record(gAll, 5), QByteArray(32, '\xFF'));
        QVERIFY(gAll.Image[kChannelEmptyMap] & 0x10);
        QVERIFY(gAll.Image[kScanSkipMap] & 0x10);
        QCOMPARE(RowTexts(5), QStringList(14, QString()));
        QCOMPARE(Grid()->Text(1, 6), QStringLiteral("5"));
        QCOMPARE(Grid()->Value(1, 6), QStringLiteral("0"));
        QVERIFY(Grid()->ReadOnly(Col(F::TxFrequency), 6));
        // An empty row takes no typing but the RX frequency, and shows no lists.
        Click(F::TxFrequency, 5);
        QVERIFY(!OpenEditor());
        Click(F::Power, 5);
        QVERIFY(!Window->cxPwrv->isVisible());
    }

    void OutOfBandFrequencyIsRefusedAndTheCellKeepsItsValue_data()
    {
        QTest::addColumn<TChannelField>("field");
        QTest::addColumn<bool>("inUse");
        QTest::addColumn<QString>("typed");
        QTest::newRow("rx below every band, empty row") << F::RxFrequency << false << "1";
        QTest::newRow("rx above every band") << F::RxFrequency << true << "999";
        QTest::newRow("rx not a number") << F::RxFrequency << true << "1.2.3";
        QTest::newRow("tx between bands") << F::TxFrequency << true << "300";
    }
    // The text once became the first band's low edge, and an empty row turned into a channel.
    void OutOfBandFrequencyIsRefusedAndTheCellKeepsItsValue()
    {
        QFETCH(TChannelField, field);
        QFETCH(bool, inUse);
        QFETCH(QString, typed);
        Open();
        if (inUse)
            MakeChannel(9, "145.5");
        const QString before = Cell(field, 9);
        const QByteArray record = Record(gAll, 9);

        TypeCell(field, 9, typed);

        QCOMPARE(Boxes->Shown.size(), 1);
        QCOMPARE(Boxes->Shown[0].Caption, QStringLiteral("Caution"));
        QVERIFY2(Boxes->Shown[0].Text.contains(QString::fromStdString(EnabledBandsText(gAll))),
                 qPrintable(Boxes->Shown[0].Text));
        QCOMPARE(Cell(field, 9), before);
        QCOMPARE(Record(gAll, 9), record);
        QCOMPARE(IsChannelUsed(gAll, 9), inUse);
    }

    // Typing over a channel's RX: a simplex TX moves along, a repeater's offset is kept, and where the offset
    // would leave the bands TX stays and the status bar says so.
    void RxChangeMovesTxAlong()
    {
        Open();
        MakeChannel(2, "145.5");
        TypeCell(F::RxFrequency, 2, QStringLiteral("146"));
        QCOMPARE(Cell(F::TxFrequency, 2), QStringLiteral("146.00000"));

        TypeCell(F::TxFrequency, 2, QStringLiteral("145.4"));
        TypeCell(F::RxFrequency, 2, QStringLiteral("147"));
        QCOMPARE(Cell(F::TxFrequency, 2), QStringLiteral("146.40000"));
        QCOMPARE(FormatFreq(ReadChannelFreq(gAll, 2, TFreqWord::Tx)), std::string("146.40000"));
        QVERIFY(Views->Notes.isEmpty());

        const QString low = QString::fromStdString(FormatFreq(FirstBandLow()));
        TypeCell(F::RxFrequency, 2, low);
        QCOMPARE(Cell(F::RxFrequency, 2), low);
        QCOMPARE(Cell(F::TxFrequency, 2), QStringLiteral("146.40000"));
        QCOMPARE(Views->Notes.size(), 1);
        QVERIFY(Views->Notes[0].startsWith(QStringLiteral("TX stays at 146.40000")));
        QCOMPARE(Views->Commits.size(), 4);
    }

    // Moving across a row of tones and lists once retuned channels: every list opened on arrival and took the
    // next arrow key as a new value.
    void CursorKeysAcrossEveryColumnChangeNoByte()
    {
        Open();
        MakeChannel(2, "145.5");
        MakeChannel(3, "438.5");
        std::string tone = "88.5";
        SetChannelField(gAll, 2, F::RxTone, tone);
        Window->ReloadChannel(2);
        const auto image = gAll.Image;
        Grid()->SetCurrentCell(2, 3);
        Grid()->setFocus();
        const int lastCol = Grid()->ColCount() - 1;
        for (int c = 2; c < lastCol; ++c) {
            Press(Qt::Key_Right);
            Press(Qt::Key_Down);
            Press(Qt::Key_Up);
        }
        QCOMPARE(Grid()->Col(), lastCol);
        QCOMPARE(Grid()->Row(), 3);
        for (int c = 2; c < lastCol; ++c)
            Press(Qt::Key_Backtab);
        QCOMPARE(Grid()->Col(), 2);
        for (int c = 2; c < lastCol; ++c)
            Press(Qt::Key_Tab);
        QCOMPARE(Grid()->Col(), lastCol);
        Press(Qt::Key_Home);
        QCOMPARE(Grid()->Col(), 2);
        Press(Qt::Key_End);
        QCOMPARE(Grid()->Col(), lastCol);
        Press(Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(Grid()->Row(), Grid()->RowCount() - 1);
        Press(Qt::Key_PageUp);
        QVERIFY(Grid()->Row() < Grid()->RowCount() - 1);
        Press(Qt::Key_PageDown);
        Press(Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(Grid()->Row(), 2);
        QCOMPARE(Grid()->Col(), 2);
        for (int c = 2; c < lastCol; ++c)
            Press(Qt::Key_Left);

        QVERIFY(gAll.Image == image);
        QVERIFY(!AnyListShown());
        QVERIFY(Views->Commits.isEmpty());
        QVERIFY(Boxes->Shown.isEmpty());
    }

    // A list opens on Enter (or F2, a typed key, a double click) and only a pick inside it changes the value;
    // an arrow key on a closed list moves the cursor on instead.
    void ListsOpenOnRequestAndOnlyAPickChangesTheValue()
    {
        Open();
        MakeChannel(2, "145.5");
        const auto image = gAll.Image;
        Grid()->SetCurrentCell(Col(F::Power), 3);
        Grid()->setFocus();
        Press(Qt::Key_Return);
        TCellList* list = Window->cxPwrv;
        QVERIFY(list->isVisible());
        QTRY_VERIFY(list->view()->isVisible());
        QVERIFY(gAll.Image == image);
        QTest::keyClick(list->view(), Qt::Key_Up);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(Cell(F::Power, 2), QStringLiteral("Low"));
        QCOMPARE(Views->Commits.size(), 1);
        QTRY_COMPARE(Window->focusWidget(), static_cast<QWidget*>(Grid()));

        Click(F::RxTone, 2);
        QVERIFY(Window->cxDcts->isVisible());
        const auto picked = gAll.Image;
        Press(Qt::Key_Down);
        QVERIFY(!Window->cxDcts->isVisible());
        QCOMPARE(Grid()->Row(), 4);
        QCOMPARE(Grid()->Col(), Col(F::RxTone));
        QVERIFY(gAll.Image == picked);
    }

    void EnterCommitsAndMovesDown()
    {
        Open();
        Grid()->SetCurrentCell(Col(F::RxFrequency), 2);
        Grid()->setFocus();
        for (const char* typed : {"145.5", "146", "147.25"}) {
            TypeKeys(QString::fromLatin1(typed));
            Press(Qt::Key_Return);
            QTRY_VERIFY(!Grid()->IsEditing());
        }
        QCOMPARE(Cell(F::RxFrequency, 1), QStringLiteral("145.50000"));
        QCOMPARE(Cell(F::RxFrequency, 2), QStringLiteral("146.00000"));
        QCOMPARE(Cell(F::RxFrequency, 3), QStringLiteral("147.25000"));
        QCOMPARE(Grid()->Row(), 5);
        QCOMPARE(Views->Commits.size(), 3);
        // Esc drops what is typed and stays.
        TypeKeys(QStringLiteral("150"));
        Press(Qt::Key_Escape);
        QVERIFY(!IsChannelUsed(gAll, 4));
        QCOMPARE(Grid()->Row(), 5);
    }

    void ColumnsFitTheirContentAndExplainThemselves()
    {
        Open();
        const QFontMetrics metrics = Grid()->fontMetrics();
        QVERIFY(Grid()->ColWidth(Col(F::Name)) > metrics.horizontalAdvance(QStringLiteral("WWWWWWW")));
        QVERIFY(Grid()->ColWidth(Col(F::RxFrequency)) > metrics.horizontalAdvance(QStringLiteral("888.88888")));
        const QVariant tip = Grid()->model()->headerData(Col(F::TxTone) - 2, Qt::Horizontal, Qt::ToolTipRole);
        QVERIFY2(tip.toString().contains(QStringLiteral("CTCSS")), qPrintable(tip.toString()));
    }

    void ATypedToneChangedWhenStoredIsReported()
    {
        Open();
        MakeChannel(3, "145.5");
        Click(F::TxTone, 3);
        TypeKeys(QStringLiteral("D189N"));
        Press(Qt::Key_Return);
        QCOMPARE(Cell(F::TxTone, 3), QStringLiteral("D177N"));
        QCOMPARE(Views->Notes.size(), 1);
        QVERIFY(Views->Notes[0].startsWith(QStringLiteral("D189N stored as D177N")));
        QCOMPARE(Views->Commits.size(), 1);
    }

    void ASnappedFrequencyIsReported()
    {
        Open();
        MakeChannel(3, "145.5");
        TypeCell(F::RxFrequency, 3, QStringLiteral("145.50390"));
        QCOMPARE(Cell(F::RxFrequency, 3), QStringLiteral("145.50375"));
        QCOMPARE(Views->Notes, QStringList{QStringLiteral("145.50390 stored as 145.50375 (step 1.25 kHz)")});
        TypeCell(F::RxFrequency, 3, QStringLiteral("145.6"));
        QCOMPARE(Views->Notes.size(), 1);
    }

    void ClearingTheTxFrequencyLeavesNoTransmit()
    {
        Open();
        MakeChannel(7, "145.5");
        TypeCell(F::TxFrequency, 7, QString());
        QCOMPARE(Record(gAll, 7).mid(4, 4), QByteArray(4, '\xFF'));
        QCOMPARE(Cell(F::TxFrequency, 7), QString());
        QVERIFY(Boxes->Shown.isEmpty());
        Window->Reload();
        QCOMPARE(Cell(F::TxFrequency, 7), QString());
        QCOMPARE(Cell(F::RxFrequency, 7), QStringLiteral("145.50000"));
    }

    void TypedTextsAreFilteredAndNormalised_data()
    {
        QTest::addColumn<TChannelField>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("id code padded") << F::IdCode << "7"
                                        << "700";
        QTest::newRow("id code digits, at most 6") << F::IdCode << "12a3456789"
                                                   << "123456";
        QTest::newRow("name at most 7, no braces") << F::Name << "AB{C~DEFGHIJ"
                                                   << "ABCDEFG";
        QTest::newRow("name trailing spaces") << F::Name << "AB  "
                                              << "AB";
        QTest::newRow("rx comma and letters") << F::RxFrequency << "14a6,5"
                                              << "146.50000";
    }
    void TypedTextsAreFilteredAndNormalised()
    {
        QFETCH(TChannelField, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Open();
        MakeChannel(4, "145.5");
        TypeCell(field, 4, typed);
        QCOMPARE(Cell(field, 4), shown);
        TChannel decoded;
        QVERIFY(DecodeChannel(gAll, 4, decoded));
        const std::string stored = field == F::IdCode ? decoded.IdCode
                                   : field == F::Name ? decoded.Name
                                                      : FormatFreq(decoded.RxFreq);
        QCOMPARE(QString::fromStdString(stored), shown);
        QVERIFY(Boxes->Shown.isEmpty());
    }

    void IdCodeBytes()
    {
        Open();
        MakeChannel(4, "145.5");
        TypeCell(F::IdCode, 4, QStringLiteral("7"));
        QCOMPARE(Record(gAll, 4).mid(15, 3), Bytes({0x70, 0x0F, 0xFF}));
    }

    void PickingDelInTheScanListWritesAtOnce()
    {
        Open();
        MakeChannel(5, "145.5");
        std::string add = "0";
        SetChannelField(gAll, 5, F::ScanAdd, add);
        Window->ReloadChannel(5);
        QCOMPARE(Cell(F::ScanAdd, 5), QStringLiteral("Add"));
        gAll.Modified = false;
        Views->Kinds.clear();

        Click(F::ScanAdd, 5);
        TCellList* list = Window->cxScan;
        QVERIFY(list->isVisible());
        QCOMPARE(list->width(), Grid()->ColWidth(Col(F::ScanAdd)));
        QCOMPARE(list->currentText(), QStringLiteral("Add"));
        // The click drops the list down; the pick inside it is the change.
        QTRY_VERIFY(list->view()->isVisible());
        QTest::keyClick(list->view(), Qt::Key_Down);
        QVERIFY(!gAll.Modified);
        QTest::keyClick(list->view(), Qt::Key_Return);

        QVERIFY(gAll.Image[kScanSkipMap] & 0x10);
        QCOMPARE(Cell(F::ScanAdd, 5), QStringLiteral("Del"));
        QCOMPARE(Grid()->Value(Col(F::ScanAdd), 6), QStringLiteral("1"));
        QVERIFY(gAll.Modified);
        QVERIFY(Views->Kinds.contains(TRefresh::ChannelEditor));
        QTRY_VERIFY(!list->isVisible());
        QTRY_COMPARE(Window->focusWidget(), static_cast<QWidget*>(Grid()));
    }

    void TypedTone_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("dcs inverted") << "d023i"
                                      << "D023I" << Bytes({0x23, 0xC0});
        QTest::newRow("ctcss") << "88.5"
                               << "88.5" << Bytes({0x85, 0x08});
        QTest::newRow("dcs completed") << "D1"
                                       << "D100N" << Bytes({0x00, 0x81});
        QTest::newRow("letters dropped") << "8x8.5"
                                         << "88.5" << Bytes({0x85, 0x08});
        QTest::newRow("empty") << ""
                               << "None" << Bytes({0xFF, 0xFF});
    }
    void TypedTone()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, bytes);
        Open();
        MakeChannel(3, "145.5");
        std::string tone = "D754I";
        SetChannelField(gAll, 3, F::RxTone, tone);
        Window->ReloadChannel(3);

        Click(F::RxTone, 3);
        TCellList* list = Window->cxDcts;
        QVERIFY(list->isVisible());
        QCOMPARE(list->currentText(), QStringLiteral("D754I"));
        QWidget* keys = QApplication::focusWidget();
        QVERIFY(keys == list || keys == list->lineEdit());
        if (typed.isEmpty())
            QTest::keyClick(keys, Qt::Key_Backspace);
        else
            QTest::keyClicks(keys, typed);
        QTest::keyClick(keys, Qt::Key_Return);

        QVERIFY(!list->isVisible());
        QCOMPARE(Cell(F::RxTone, 3), shown);
        QCOMPARE(Record(gAll, 3).mid(8, 2), bytes);
        Window->Reload();
        QCOMPARE(Cell(F::RxTone, 3), shown);
    }

    void PickingNoneFromTheToneListStoresNoTone()
    {
        Open();
        MakeChannel(3, "145.5");
        std::string tone = "88.5";
        SetChannelField(gAll, 3, F::TxTone, tone);
        Window->ReloadChannel(3);
        Click(F::TxTone, 3);
        PickFromToneList(0);
        QCOMPARE(Cell(F::TxTone, 3), QStringLiteral("None"));
        QCOMPARE(Record(gAll, 3).mid(10, 2), Bytes({0xFF, 0xFF}));
    }

    void SelectingARowMovesTheCurrentChannel()
    {
        Open();
        MakeChannel(7, "145.5");
        Views->Kinds.clear();
        Click(F::Power, 7);
        QCOMPARE(gAll.CurrentChannel, 7);
        QVERIFY(Views->Kinds.contains(TRefresh::ChannelEditor));
        QCOMPARE(Views->Channels.last(), 7);
        // Moving with the keyboard to another row follows too.
        QTRY_VERIFY(Window->cxPwrv->view()->isVisible());
        QTest::keyClick(Window->cxPwrv->view(), Qt::Key_Escape);
        QTRY_VERIFY(!Window->cxPwrv->isVisible());
        QTest::keyClick(Grid(), Qt::Key_Down);
        QCOMPARE(gAll.CurrentChannel, 8);
        // The main window reloads a row the channel edit window changed.
        std::string low = "0";
        SetChannelField(gAll, 7, F::Power, low);
        Window->ReloadChannel(7);
        QCOMPARE(Cell(F::Power, 7), QStringLiteral("Low"));
    }

    void FormDeactivateEndsTheEditAndHidesLists()
    {
        Open();
        Click(F::RxFrequency, 3);
        QLineEdit* editor = OpenEditor();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("146"));
        Window->FormDeactivate();
        QVERIFY(!Grid()->IsEditing());
        QVERIFY(IsChannelUsed(gAll, 3));
        QCOMPARE(Cell(F::RxFrequency, 3), QStringLiteral("146.00000"));

        Click(F::Bandwidth, 3);
        QVERIFY(Window->cxBand->isVisible());
        Window->FormDeactivate();
        QVERIFY(!Window->cxBand->isVisible());
    }

    void EscapeDropsATypedEdit()
    {
        Open();
        MakeChannel(3, "145.5");
        Click(F::RxFrequency, 3);
        QLineEdit* editor = OpenEditor();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("150"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(Cell(F::RxFrequency, 3), QStringLiteral("145.50000"));
        QCOMPARE(QString::fromStdString(FormatFreq(ReadChannelFreq(gAll, 3, TFreqWord::Rx))),
                 QStringLiteral("145.50000"));
    }

    void LanguageFileChangesColumnValuesButNotKeys()
    {
        const QString appDir = QString::fromStdString(gAll.AppDir);
        QFile file(appDir + QStringLiteral("Test.Ini"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[fChsInfo]\nColShow.9=100@Power\nColShow.4=S-R-O\nColShow.2=abc@RX|MHz\ncxPwrv.1=Hi\n"
                   "cxDcts.0=Off\ncxDcts.1=ignored\n");
        file.close();
        gAll.LanguageIndex = 1;
        gAll.LanguageName = "Test";
        Open();

        QCOMPARE(Grid()->ColCount(), 16);
        QCOMPARE(Col(F::Offset), -1);
        QVERIFY(Grid()->ColWidth(Col(F::Power)) >= 100);
        QCOMPARE(Grid()->Text(Col(F::Power), 1), QStringLiteral("Power"));
        // A width that is not a number keeps the column's own width; "|" breaks the title.
        QVERIFY(Grid()->ColWidth(Col(F::RxFrequency)) >= 80);
        QCOMPARE(Grid()->Text(Col(F::RxFrequency), 1), QStringLiteral("RX\nMHz"));

        MakeChannel(2, "145.5");
        QCOMPARE(Cell(F::Power, 2), QStringLiteral("Hi"));
        QCOMPARE(Cell(F::RxTone, 2), QStringLiteral("Off"));
        QCOMPARE(Window->cxDcts->itemText(1), QStringLiteral("67.0"));
        // The translated no-tone text still means no tone.
        std::string tone = "88.5";
        SetChannelField(gAll, 2, F::RxTone, tone);
        Window->ReloadChannel(2);
        Click(F::RxTone, 2);
        PickFromToneList(0);
        QCOMPARE(Cell(F::RxTone, 2), QStringLiteral("Off"));
        QCOMPARE(Record(gAll, 2).mid(8, 2), Bytes({0xFF, 0xFF}));
    }
};

QTEST_MAIN(TestChsInfo)
#include "tst_ChannelTable.moc"
