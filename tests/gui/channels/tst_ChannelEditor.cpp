// SPDX-License-Identifier: GPL-3.0-or-later
// The channel edit window: creating and deleting channels, the TX box, tones, keys and following the table.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "core/files/TypedValues.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Encodings.h"
#include "gui/channels/ChannelEditor.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/channels/ChannelTestSupport.h"
#include "gui/kit/Grid.h"
#include "helpers/TestSupport.h"

namespace
{
QByteArray Record(int channel)
{
    QByteArray bytes;
    for (int k = 0; k < 32; ++k)
        bytes.append(static_cast<char>(gAll.Image[ChannelByte(channel, k)]));
    return bytes;
}

void MakeChannel(int channel, const char* rx)
{
    ResetChannel(gAll, channel, rx);
}

TChannel Decoded(int channel)
{
    TChannel decoded;
    if (!DecodeChannel(gAll, channel, decoded))
        decoded.RxFreq = -1.0;
    return decoded;
}
} // namespace

class TestChsEdit : public QObject
{
    Q_OBJECT
  private:
    TChannelEditor* Window = nullptr;
    TViewsLog* Views = nullptr;
    TMessageRecorder* Boxes = nullptr;

    template <typename T> T* Find(const char* name) const { return Window->findChild<T*>(QString::fromLatin1(name)); }
    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(name); }
    QComboBox* List(const char* name) const { return Find<QComboBox>(name); }

    void Open()
    {
        Window = new TChannelEditor;
        Views->Edit = Window;
        Window->show();
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

    void EmptyChannelShowsDefaultsAndLocksFields()
    {
        Open();
        QCOMPARE(Window->objectName(), QStringLiteral("fChsEdit"));
        QCOMPARE(List("cxChs")->count(), 128);
        QCOMPARE(Box("cxRxSv")->text(), QString());
        QVERIFY(Box("cxRxSv")->isEnabled());
        QVERIFY(!Box("cxTxSv")->isEnabled());
        QVERIFY(!Find<QCheckBox>("cxTail")->isEnabled());
        QCOMPARE(List("cxBand")->currentText(), QStringLiteral("Wide"));
        QCOMPARE(List("cxPwrv")->currentText(), QStringLiteral("High"));
        QVERIFY(Find<QCheckBox>("cxTail")->isChecked());
        QVERIFY(!Find<QCheckBox>("cxScan")->isChecked());
        QCOMPARE(Box("cxIdSv")->text(), QStringLiteral("000"));
    }

    void TypingRxIntoEmptyChannelCreatesItWithTheShownDefaults()
    {
        TAppState expected = gAll;
        ResetChannel(expected, 1, "438.50000");
        Open();
        TypeInto(Box("cxRxSv"), QStringLiteral("438.5"));
        QCOMPARE(Box("cxRxSv")->text(), QStringLiteral("438.50000"));
        QCOMPARE(Box("cxTxSv")->text(), QStringLiteral("438.50000"));
        QVERIFY(Box("cxTxSv")->isEnabled());
        QVERIFY(gAll.Image == expected.Image);
        QCOMPARE(Record(1).left(4), QByteArray("\x10\x19\x9D\x02", 4));
        QVERIFY(gAll.Modified);
        QCOMPARE(Views->Kinds.last(), TRefresh::CurrentRow);
        QVERIFY(Boxes->Shown.isEmpty());
    }

    void ClearingRxDeletesTheChannel()
    {
        MakeChannel(3, "145.00000");
        gAll.CurrentChannel = 3;
        Open();
        QVERIFY(Box("cxNameSv")->isEnabled());
        TypeInto(Box("cxRxSv"), QString());
        QCOMPARE(Record(3), QByteArray(32, '\xFF'));
        QVERIFY(!IsChannelUsed(gAll, 3));
        QVERIFY(GetMapBit(gAll, kScanSkipMap, 3));
        QVERIFY(!Box("cxNameSv")->isEnabled());
        QCOMPARE(Box("cxTxSv")->text(), QString());
        QVERIFY(gAll.Modified);
        QCOMPARE(Views->Kinds.last(), TRefresh::CurrentRow);
        QCOMPARE(Views->Channels.last(), 3);
    }

    void FrequencyOutsideTheBandsIsRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("RX below every band") << "cxRxSv"
                                             << "1";
        QTest::newRow("RX between the bands") << "cxRxSv"
                                              << "300";
        QTest::newRow("RX not a number") << "cxRxSv"
                                         << "1.2.3";
        QTest::newRow("TX above every band") << "cxTxSv"
                                             << "999";
    }
    // The box goes back to the channel's value and nothing is stored (it once became the first band's edge).
    void FrequencyOutsideTheBandsIsRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        MakeChannel(1, "145.00000");
        const QByteArray record = Record(1);
        Open();
        TypeInto(Box(box.toLatin1().constData()), typed);
        QCOMPARE(Boxes->Shown.size(), 1);
        QCOMPARE(Boxes->Shown[0].Caption, QStringLiteral("Caution"));
        QVERIFY(Boxes->Shown[0].Text.contains(QString::fromStdString(EnabledBandsText(gAll))));
        QCOMPARE(Boxes->Shown[0].Kind, TMessageKind::Warning);
        QCOMPARE(Box(box.toLatin1().constData())->text(), QStringLiteral("145.00000"));
        QCOMPARE(Record(1), record);
    }

    void OutOfBandRxCreatesNoChannel()
    {
        gAll.CurrentChannel = 2;
        Open();
        TypeInto(Box("cxRxSv"), QStringLiteral("999"));
        QCOMPARE(Boxes->Shown.size(), 1);
        QVERIFY(!IsChannelUsed(gAll, 2));
        QCOMPARE(Box("cxRxSv")->text(), QString());
        QVERIFY(!Box("cxTxSv")->isEnabled());
    }

    // The editor once left TX behind and turned a simplex channel into a split one.
    void RxChangeMovesTxAlongAndReportsTheStep()
    {
        MakeChannel(1, "145.00000");
        Open();
        TypeInto(Box("cxRxSv"), QStringLiteral("145.50390"));
        QCOMPARE(Box("cxRxSv")->text(), QStringLiteral("145.50375"));
        QCOMPARE(Box("cxTxSv")->text(), QStringLiteral("145.50375"));
        QCOMPARE(Decoded(1).TxFreq, 145.50375);
        QCOMPARE(Views->Notes, QStringList{QStringLiteral("145.50390 stored as 145.50375 (step 1.25 kHz)")});

        TypeInto(Box("cxRxSv"), QStringLiteral("145"));
        TypeInto(Box("cxTxSv"), QStringLiteral("145.6"));
        TypeInto(Box("cxRxSv"), QStringLiteral("146"));
        QCOMPARE(Box("cxTxSv")->text(), QStringLiteral("146.60000"));
        QCOMPARE(Decoded(1).TxFreq, 146.6);
        QCOMPARE(Views->Commits.size(), 4);
        QCOMPARE(Views->Notes.size(), 1);
    }

    // A TX frequency typed alone is a change to keep: one undo step, the table row shows it, closing asks.
    void TxOnlyChangeIsOneStepAndMarksModified()
    {
        MakeChannel(1, "145.00000");
        gAll.Modified = false;
        Open();
        TypeInto(Box("cxTxSv"), QStringLiteral("146.5"));
        QCOMPARE(Box("cxTxSv")->text(), QStringLiteral("146.50000"));
        QCOMPARE(Decoded(1).TxFreq, 146.5);
        QCOMPARE(Decoded(1).RxFreq, 145.0);
        QVERIFY(gAll.Modified);
        QCOMPARE(Views->Commits, QStringList{QStringLiteral("Edit CH-001 TX Frequency")});
        QVERIFY(Views->Kinds.contains(TRefresh::CurrentRow));
    }

    void ChannelWithoutTxKeepsNoTxWhenAnotherFieldChanges()
    {
        MakeChannel(1, "145.00000");
        std::string none;
        SetChannelField(gAll, 1, TChannelField::TxFrequency, none);
        Open();
        QCOMPARE(Box("cxTxSv")->text(), QStringLiteral("-1.00000"));
        List("cxPwrv")->setCurrentIndex(0);
        QCOMPARE(Record(1).mid(4, 4), QByteArray(4, '\xFF'));
        QCOMPARE(Decoded(1).Power, uint8_t(0));
        QCOMPARE(Decoded(1).TxFreq, -1.0);
        QVERIFY(gAll.Modified);
    }

    void CheckBoxesStoreTheirListIndexes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<TChannelField>("field");
        QTest::addColumn<int>("checkedValue");
        QTest::newRow("busy lock") << "cxBclo" << TChannelField::BusyLock << 0;
        QTest::newRow("epilogue") << "cxTail" << TChannelField::Tail << 1;
        QTest::newRow("vox") << "cxVoxs" << TChannelField::Vox << 0;
        QTest::newRow("dtmf") << "cxAnis" << TChannelField::Ani << 0;
        QTest::newRow("scan") << "cxScan" << TChannelField::ScanAdd << 0;
    }
    void CheckBoxesStoreTheirListIndexes()
    {
        QFETCH(QString, box);
        QFETCH(TChannelField, field);
        QFETCH(int, checkedValue);
        MakeChannel(1, "145.00000");
        Open();
        auto* check = Find<QCheckBox>(box.toLatin1().constData());
        for (int round = 0; round < 2; ++round) {
            check->click();
            const int expected = check->isChecked() ? checkedValue : 1 - checkedValue;
            QCOMPARE(ChannelListValue(Decoded(1), field), expected);
        }
    }

    void StoringCommitsWhatIsStillBeingTyped()
    {
        MakeChannel(1, "145.00000");
        Open();
        Box("cxTxSv")->selectAll();
        QTest::keyClicks(Box("cxTxSv"), QStringLiteral("1.2.3"));
        Find<TToneCombo>("cxRxDcts")->lineEdit()->selectAll();
        QTest::keyClicks(Find<TToneCombo>("cxRxDcts")->lineEdit(), QStringLiteral("8"));
        // A wheel turn over the power list stores while the boxes keep their typed texts.
        List("cxPwrv")->setCurrentIndex(0);
        // The TX text is refused and stays as stored; the tone being typed and the power are stored.
        QCOMPARE(Boxes->Shown.size(), 1);
        QVERIFY(Boxes->Shown[0].Text.startsWith(QStringLiteral("\"1.2.3\" is not a frequency")));
        QCOMPARE(Box("cxTxSv")->text(), QStringLiteral("145.00000"));
        const TChannel channel = Decoded(1);
        QCOMPARE(channel.TxFreq, 145.0);
        QCOMPARE(channel.RxTone, std::string("30.0"));
        QCOMPARE(channel.Power, uint8_t(0));
    }

    void IdCodeIsPaddedWhenCommitted()
    {
        MakeChannel(1, "145.00000");
        Open();
        TypeInto(Box("cxIdSv"), QStringLiteral("12"));
        QCOMPARE(Box("cxIdSv")->text(), QStringLiteral("120"));
        QCOMPARE(Decoded(1).IdCode, std::string("120"));
        QCOMPARE(Record(1).mid(15, 3), QByteArray("\x12\x0F\xFF", 3));
    }

    void NameIsStoredWhenCommitted()
    {
        MakeChannel(1, "145.00000");
        Open();
        Box("cxNameSv")->selectAll();
        QTest::keyClicks(Box("cxNameSv"), QStringLiteral("RPT 1"));
        QCOMPARE(Decoded(1).Name, std::string());
        QTest::keyClick(Box("cxNameSv"), Qt::Key_Return);
        QCOMPARE(Decoded(1).Name, std::string("RPT 1"));
    }

    void KeysABoxCannotHoldAreDropped_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("frequency, comma as point") << "cxRxSv"
                                                   << "14a5,5-"
                                                   << "145.5";
        QTest::newRow("ID code digits only") << "cxIdSv"
                                             << "1a2.3"
                                             << "123";
        QTest::newRow("ID code at most 6") << "cxIdSv"
                                           << "12345678"
                                           << "123456";
        QTest::newRow("name space to z, 7 long") << "cxNameSv"
                                                 << "ab{|} cdefgh"
                                                 << "ab cdef";
    }
    void KeysABoxCannotHoldAreDropped()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        MakeChannel(1, "145.00000");
        Open();
        QLineEdit* edit = Box(box.toLatin1().constData());
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
    }

    void TypedTonesAreNormalised_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("DCS in lower case") << "d023i"
                                           << "D023I"
                                           << "D023I";
        QTest::newRow("listed CTCSS") << "88.5"
                                      << "88.5"
                                      << "88.5";
        QTest::newRow("CTCSS below range") << "25"
                                           << "30.0"
                                           << "30.0";
        QTest::newRow("short DCS") << "D1"
                                   << "D100N"
                                   << "D100N";
        QTest::newRow("letters only") << "NI"
                                      << "67.0"
                                      << "67.0";
        QTest::newRow("empty") << ""
                               << "None"
                               << "";
        QTest::newRow("other keys dropped") << "8x8.5q"
                                            << "88.5"
                                            << "88.5";
    }
    void TypedTonesAreNormalised()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        MakeChannel(1, "145.00000");
        std::string tone = "100.0";
        SetChannelField(gAll, 1, TChannelField::RxTone, tone);
        Open();
        auto* list = Find<TToneCombo>("cxRxDcts");
        QCOMPARE(list->currentText(), QStringLiteral("100.0"));
        TypeInto(list->lineEdit(), typed);
        QCOMPARE(list->currentText(), shown);
        QCOMPARE(QString::fromStdString(Decoded(1).RxTone), stored);
        QVERIFY(gAll.Modified);
    }

    void PickingFromTheToneListStoresAtOnce()
    {
        MakeChannel(1, "145.00000");
        Open();
        auto* list = Find<TToneCombo>("cxTxDcts");
        list->setCurrentIndex(50); // the last CTCSS tone; the next item is the first DCS code
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(Decoded(1).TxTone, std::string("D023N"));
        QCOMPARE(Record(1).mid(10, 2), QByteArray("\x23\x80", 2));
    }

    void DoubleClickOnAToneListOpensThePicker()
    {
        MakeChannel(1, "145.00000");
        Open();
        auto* list = Find<TToneCombo>("cxRxDcts");
        AnswerPicker([](TTonePicker* picker) {
            picker->findChild<QRadioButton*>(QStringLiteral("rDCSI"))->click();
            DoubleClickCell(picker->Grid(2), 0, 1);
        });
        QTest::mouseDClick(list->lineEdit(), Qt::LeftButton);
        QCOMPARE(list->currentText(), QStringLiteral("D023I"));
        QCOMPARE(Decoded(1).RxTone, std::string("D023I"));
    }

    void ClosingThePickerLeavesTheToneAlone()
    {
        MakeChannel(1, "145.00000");
        gAll.Modified = false;
        Open();
        auto* list = Find<TToneCombo>("cxRxDcts");
        AnswerPicker([](TTonePicker* picker) { picker->reject(); });
        QTest::mouseDClick(list->lineEdit(), Qt::LeftButton);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(Decoded(1).RxTone, std::string());
        QVERIFY(!gAll.Modified);
    }

    void SelectorMovesTheCurrentChannel()
    {
        MakeChannel(12, "146.52000");
        gAll.CurrentChannel = 11;
        Open();
        QVERIFY(!Box("cxTxSv")->isEnabled());
        QTest::keyClick(List("cxChs"), Qt::Key_Down);
        QCOMPARE(gAll.CurrentChannel, 12);
        QCOMPARE(Views->Kinds, QList<TRefresh>{TRefresh::CurrentRow});
        QCOMPARE(Views->Channels, QList<int>{12});
        QCOMPARE(Box("cxRxSv")->text(), QStringLiteral("146.52000"));
        QVERIFY(Box("cxTxSv")->isEnabled());
        QVERIFY(!gAll.Modified);
    }

    void FollowsTheChannelTableBothWays()
    {
        MakeChannel(5, "145.50000");
        auto* table = new TChannelTableWindow;
        Views->Table = table;
        table->show();
        Open();
        QCOMPARE(Box("cxRxSv")->text(), QString());
        table->gvChs->SetCurrentCell(3, 6);
        QCOMPARE(gAll.CurrentChannel, 5);
        QCOMPARE(Box("cxRxSv")->text(), QStringLiteral("145.50000"));
        TypeInto(Box("cxTxSv"), QStringLiteral("146.1"));
        List("cxPwrv")->setCurrentIndex(0);
        QCOMPARE(table->gvChs->Text(3, 6), QStringLiteral("146.10000"));
        QCOMPARE(table->gvChs->Text(6, 6), QStringLiteral("Low"));
        delete table;
    }
};

QTEST_MAIN(TestChsEdit)
#include "tst_ChannelEditor.moc"
