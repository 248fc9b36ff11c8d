// SPDX-License-Identifier: GPL-3.0-or-later
// The batch window: frequency and tone sequences, their limits, random picks, names, clearing and the refresh.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "core/model/ChannelCodec.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"
#include "gui/channels/BatchEditor.h"
#include "gui/channels/ChannelTestSupport.h"
#include "helpers/TestSupport.h"

namespace
{
TChannel Decoded(int channel)
{
    TChannel decoded;
    if (!DecodeChannel(gAll, channel, decoded))
        decoded.RxFreq = -1.0;
    return decoded;
}

QString Freq(double mhz)
{
    return QString::fromStdString(FormatFreq(mhz));
}
} // namespace

class TestBatchEdit : public QObject
{
    Q_OBJECT
  private:
    TBatchEditor* Window = nullptr;
    TViewsLog* Views = nullptr;
    TMessageRecorder* Boxes = nullptr;

    template <typename T> T* Find(const char* name) const { return Window->findChild<T*>(QString::fromLatin1(name)); }
    void Check(const char* name, bool on = true) const { Find<QAbstractButton>(name)->setChecked(on); }
    void Type(const char* box, const QString& text) const { TypeInto(Find<QLineEdit>(box), text); }
    void Range(int from, int to) const
    {
        Check("cxChs");
        Find<QSpinBox>("cxTo")->setValue(to);
        Find<QSpinBox>("cxFrom")->setValue(from);
    }
    void Ok() const { Find<QPushButton>("btnOk")->click(); }

  private slots:
    void init()
    {
        InitTestState();
        // The built-in model's new data set: UHF 400 to 480 MHz and VHF 136 to 174 MHz.
        gAll.Bands = {TBand{400.0, 480.0}, TBand{136.0, 174.0}, TBand{}, TBand{}};
        BatchRandom().Seed = 0;
        Views = new TViewsLog;
        Boxes = new TMessageRecorder;
        Window = new TBatchEditor;
        Window->show();
    }
    void cleanup()
    {
        delete Window;
        delete Views;
        delete Boxes;
    }

    void ShowsTheLowestBandEdgeAndTheWholeRange()
    {
        QCOMPARE(Window->objectName(), QStringLiteral("fBatch"));
        QCOMPARE(Find<QLineEdit>("cxRx_freq")->text(), QStringLiteral("136.00000"));
        QCOMPARE(Find<QLineEdit>("cxTx_Freq")->text(), QStringLiteral("136.00000"));
        QCOMPARE(Find<QSpinBox>("cxTo")->value(), 128);
        QCOMPARE(Find<QSpinBox>("cxTo")->maximum(), 128);
        QVERIFY(!Find<QSpinBox>("cxFrom")->isEnabled());
        Check("cxChs");
        QVERIFY(Find<QSpinBox>("cxFrom")->isEnabled());
    }

    void AllChannelsStepUpToTheBandEdgeAndRepeatIt()
    {
        Type("cxRx_freq", QStringLiteral("173.9"));
        Type("cxRx_Step", QStringLiteral("0.025"));
        Ok();
        const double expected[] = {173.9, 173.925, 173.95, 173.975, 174.0, 174.0, 174.0};
        for (int n = 1; n <= 7; ++n) {
            QCOMPARE(Freq(Decoded(n).RxFreq), Freq(expected[n - 1]));
            QCOMPARE(Freq(Decoded(n).TxFreq), Freq(expected[n - 1]));
        }
        QCOMPARE(Freq(Decoded(128).RxFreq), Freq(174.0));
        QCOMPARE(Views->Kinds, QList<TRefresh>{TRefresh::TableAndEditor});
    }

    void DescendingSequenceStopsAtTheLowEdge()
    {
        Range(1, 4);
        Type("cxRx_freq", QStringLiteral("136.05"));
        Type("cxRx_Step", QStringLiteral("0.025"));
        Check("cxRx_dec");
        Ok();
        const double expected[] = {136.05, 136.025, 136.0, 136.0};
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(Freq(Decoded(n).RxFreq), Freq(expected[n - 1]));
        QVERIFY(!IsChannelUsed(gAll, 5));
    }

    void ExcursionOutsideTheBandsTakesTheNearestEdge_data()
    {
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<double>("tx");
        QTest::newRow("+Dup past the high edge") << "170"
                                                 << "cxDup_add" << 174.0;
        QTest::newRow("-Dup past the low edge") << "140"
                                                << "cxDup_Dec" << 136.0;
        QTest::newRow("+Dup inside the band") << "150"
                                              << "cxDup_add" << 160.0;
        QTest::newRow("-Dup from UHF") << "405"
                                       << "cxDup_Dec" << 400.0;
    }
    void ExcursionOutsideTheBandsTakesTheNearestEdge()
    {
        QFETCH(QString, rx);
        QFETCH(QString, direction);
        QFETCH(double, tx);
        Range(1, 1);
        Type("cxRx_freq", rx);
        Check("cxTx_Exc");
        Type("cxExc_Freq", QStringLiteral("10"));
        Check(direction.toLatin1().constData());
        Ok();
        QCOMPARE(Freq(Decoded(1).TxFreq), Freq(tx));
    }

    void TxRunsOnItsOwnFromItsBeginFrequency()
    {
        Range(1, 3);
        Type("cxRx_freq", QStringLiteral("145"));
        Check("cxTx_Self");
        Type("cxTx_Freq", QStringLiteral("140"));
        Type("cxTx_step", QStringLiteral("1"));
        Check("cxTx_dec");
        Ok();
        const double expected[] = {140.0, 139.0, 138.0};
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(Freq(Decoded(n).RxFreq), Freq(145.0));
            QCOMPARE(Freq(Decoded(n).TxFreq), Freq(expected[n - 1]));
        }
    }

    void BeginAndStepBoxesAreCorrected_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("RX begin outside the bands") << "cxRx_freq"
                                                    << "300"
                                                    << "400.00000";
        QTest::newRow("RX begin empty") << "cxRx_freq"
                                        << ""
                                        << "136.00000";
        QTest::newRow("RX begin off the grid") << "cxRx_freq"
                                               << "145.0049"
                                               << "145.00500";
        QTest::newRow("step above the limit") << "cxRx_Step"
                                              << "100"
                                              << "0.00000";
        QTest::newRow("excursion above the limit") << "cxExc_Freq"
                                                   << "150"
                                                   << "0.00000";
        QTest::newRow("TX begin too far from RX") << "cxTx_Freq"
                                                  << "470"
                                                  << "136.00000";
    }
    void BeginAndStepBoxesAreCorrected()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Check("cxTx_Exc");
        if (box == "cxTx_Freq")
            Check("cxTx_Self");
        Type(box.toLatin1().constData(), typed);
        QCOMPARE(Find<QLineEdit>(box.toLatin1().constData())->text(), shown);
        QVERIFY(Boxes->Shown.isEmpty());
    }

    void ToneSequenceAdvancesAndStopsAtTheLastItem_data()
    {
        QTest::addColumn<int>("begin");
        QTest::addColumn<int>("space");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QStringList>("tones");
        QTest::newRow("88.5 up by 2") << 9 << 2 << true << QStringList{"88.5", "94.8", "100.0", "107.2"};
        QTest::newRow("stops at the last item") << 259 << 2 << true << QStringList{"D732I", "D743I", "D754I", "D754I"};
        QTest::newRow("down to None") << 3 << 2 << false << QStringList{"71.9", "67.0", "", ""};
    }
    void ToneSequenceAdvancesAndStopsAtTheLastItem()
    {
        QFETCH(int, begin);
        QFETCH(int, space);
        QFETCH(bool, up);
        QFETCH(QStringList, tones);
        Range(1, 4);
        Find<QComboBox>("cxRx_Dcts")->setCurrentIndex(begin);
        Find<QSpinBox>("cxRx_Dcts_step")->setValue(space);
        Check(up ? "cxRx_Dcts_asc" : "cxRx_Dcts_dec");
        Ok();
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(QString::fromStdString(Decoded(n).RxTone), tones[n - 1]);
            QCOMPARE(QString::fromStdString(Decoded(n).TxTone), tones[n - 1]);
        }
    }

    void TxToneRunsOnItsOwn()
    {
        Range(1, 3);
        Find<QComboBox>("cxRx_Dcts")->setCurrentIndex(9);
        Check("cxTx_Dcts_self");
        Find<QComboBox>("cxTx_Dcts")->setCurrentIndex(51);
        Find<QSpinBox>("cxTx_Dcts_step")->setValue(1);
        Ok();
        const char* expected[] = {"D023N", "D025N", "D026N"};
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(Decoded(n).RxTone, std::string("88.5"));
            QCOMPARE(Decoded(n).TxTone, std::string(expected[n - 1]));
        }
    }

    void RandomPicksAreTheSameInEveryRun()
    {
        // The generator's first picks over the 262 tones from its fixed start: items 1, 9, 226, 54, 72, 176.
        Range(1, 3);
        Check("cxRx_Ran");
        QVERIFY(!Find<QComboBox>("cxRx_Dcts")->isEnabled());
        Ok();
        const std::vector<std::string>& list = ToneList();
        for (int n = 1; n <= 3; ++n) {
            const int item = std::vector<int>{1, 9, 226}[n - 1];
            QCOMPARE(Decoded(n).RxTone, list[item]);
            QCOMPARE(Decoded(n).TxTone, list[item]);
        }
        Check("cxTx_Dcts_self");
        Check("cxTx_ran");
        Ok();
        QCOMPARE(Decoded(1).RxTone, list[54]);
        QCOMPARE(Decoded(1).TxTone, list[72]);
        QCOMPARE(Decoded(2).RxTone, list[176]);
    }

    void RandomPicksNeverGiveNone()
    {
        Check("cxRx_Ran");
        for (int run = 0; run < 20; ++run) {
            Ok();
            for (int n = 1; n <= 128; ++n)
                QVERIFY(!Decoded(n).RxTone.empty());
        }
    }

    void CommonValuesAndNames_data()
    {
        QTest::addColumn<bool>("useChannel");
        QTest::newRow("name box") << false;
        QTest::newRow("use channel") << true;
    }
    void CommonValuesAndNames()
    {
        QFETCH(bool, useChannel);
        Range(5, 8);
        Type("cxName", QStringLiteral("rpt"));
        QCOMPARE(Find<QLineEdit>("cxName")->text(), QStringLiteral("RPT"));
        Check("cxUse_Chs", useChannel);
        Find<QComboBox>("cxPower")->setCurrentIndex(0);
        Find<QComboBox>("cxWn")->setCurrentIndex(0);
        Find<QComboBox>("cxApro")->setCurrentIndex(2);
        Check("cxScan");
        Check("cxBclo");
        Check("cxTxRev", false);
        Ok();
        for (int n = 5; n <= 8; ++n) {
            const TChannel channel = Decoded(n);
            QCOMPARE(channel.Name, useChannel ? std::to_string(n) : std::string("RPT"));
            QCOMPARE(channel.Power, uint8_t(0));
            QCOMPARE(channel.Wide, uint8_t(0));
            QCOMPARE(channel.VoiceMode, uint8_t(2));
            QCOMPARE(channel.ScanSkip, uint8_t(0));
            QCOMPARE(channel.BusyLock, uint8_t(0));
            QCOMPARE(channel.Vox, uint8_t(1));
            QCOMPARE(channel.Tail, uint8_t(0));
        }
        QVERIFY(!IsChannelUsed(gAll, 4));
        QVERIFY(!IsChannelUsed(gAll, 9));
    }

    void ClearDataEmptiesExactlyTheRange()
    {
        for (int n = 9; n <= 13; ++n)
            ResetChannel(gAll, n, "145.00000");
        std::string scanned = "0";
        for (int n = 9; n <= 13; ++n)
            SetChannelField(gAll, n, TChannelField::ScanAdd, scanned);
        const auto before = gAll.Image;
        Range(10, 12);
        Check("cxClear");
        Ok();
        for (int n = 10; n <= 12; ++n) {
            QVERIFY(!IsChannelUsed(gAll, n));
            QVERIFY(GetMapBit(gAll, kScanSkipMap, n));
            for (int k = 0; k < 32; ++k)
                QCOMPARE(gAll.Image[ChannelByte(n, k)], uint8_t(0xFF));
        }
        auto expected = before;
        for (int n = 10; n <= 12; ++n) {
            for (int k = 0; k < 32; ++k)
                expected[ChannelByte(n, k)] = 0xFF;
        }
        // Channels 10 to 12 are bits 1 to 3 of the second byte of each map.
        expected[kChannelEmptyMap + 1] |= 0x0E;
        expected[kScanSkipMap + 1] |= 0x0E;
        QVERIFY(gAll.Image == expected);
        QCOMPARE(Views->Kinds, QList<TRefresh>{TRefresh::TableAndEditor});
    }

    void RangeBackwardsChangesNothing()
    {
        const auto before = gAll.Image;
        Range(10, 12);
        Find<QSpinBox>("cxTo")->setValue(5);
        Ok();
        QVERIFY(gAll.Image == before);
        QCOMPARE(Views->Kinds, QList<TRefresh>{TRefresh::TableAndEditor});
    }
};

QTEST_MAIN(TestBatchEdit)
#include "tst_BatchEditor.moc"
