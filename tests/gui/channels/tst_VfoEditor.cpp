// SPDX-License-Identifier: GPL-3.0-or-later
// The VFO window: switching VFOs, the frequency and offset boxes, duplex and the step that re-encodes both VFOs.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "core/model/ChannelCodec.h"
#include "core/model/Encodings.h"
#include "core/model/SettingsTable.h"
#include "gui/channels/ChannelTestSupport.h"
#include "gui/channels/VfoEditor.h"
#include "helpers/TestSupport.h"

namespace
{
constexpr int kStepByte = kSettingsBase + 9;

uint32_t RawFreq(int vfo)
{
    return ReadLe32(gAll.Image[ChannelByte(vfo, 0)], gAll.Image[ChannelByte(vfo, 1)], gAll.Image[ChannelByte(vfo, 2)],
                    gAll.Image[ChannelByte(vfo, 3)]);
}

uint32_t RawOffset(int vfo)
{
    return ReadLe32(gAll.Image[ChannelByte(vfo, 4)], gAll.Image[ChannelByte(vfo, 5)], gAll.Image[ChannelByte(vfo, 6)],
                    0);
}

void SetVfo(int vfo, const char* frequency, const char* offset)
{
    std::string text = frequency;
    SetChannelField(gAll, vfo, TChannelField::RxFrequency, text);
    text = offset;
    SetChannelField(gAll, vfo, TChannelField::Offset, text);
}
} // namespace

class TestFreqEdit : public QObject
{
    Q_OBJECT
  private:
    TVfoEditor* Window = nullptr;
    TMessageRecorder* Boxes = nullptr;
    TViewsLog* Views = nullptr;

    template <typename T> T* Find(const char* name) const { return Window->findChild<T*>(QString::fromLatin1(name)); }
    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(name); }
    QComboBox* List(const char* name) const { return Find<QComboBox>(name); }

    void Open()
    {
        Window = new TVfoEditor;
        Window->show();
    }

  private slots:
    void init()
    {
        InitTestState();
        Boxes = new TMessageRecorder;
        Views = new TViewsLog;
    }
    void cleanup()
    {
        delete Window;
        Window = nullptr;
        delete Views;
        delete Boxes;
    }

    void OpensOnVfoAAndSwitchesWithoutModifying()
    {
        SetVfo(kVfoA, "145.50000", "0.60000");
        SetVfo(kVfoB, "435.25000", "5.00000");
        gAll.Modified = false;
        Open();
        QCOMPARE(Window->objectName(), QStringLiteral("fFreqEdit"));
        QVERIFY(Find<QRadioButton>("cxDown")->isChecked());
        QCOMPARE(Box("cxRxSv")->text(), QStringLiteral("145.50000"));
        QCOMPARE(Box("cxTxSv")->text(), QStringLiteral("0.60000"));
        QCOMPARE(List("cxStep")->count(), 9);
        Find<QRadioButton>("cxUps")->click();
        QCOMPARE(Window->SelectedVfo(), kVfoB);
        QCOMPARE(Box("cxRxSv")->text(), QStringLiteral("435.25000"));
        QCOMPARE(Box("cxTxSv")->text(), QStringLiteral("5.00000"));
        QVERIFY(!gAll.Modified);
    }

    void BadFrequencyGivesTheFirstBandEdge_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("below every band") << "50";
        QTest::newRow("not a number") << "1..5";
    }
    void BadFrequencyGivesTheFirstBandEdge()
    {
        QFETCH(QString, typed);
        SetVfo(kVfoA, "145.50000", "0.00000");
        Open();
        TypeInto(Box("cxRxSv"), typed);
        QCOMPARE(Boxes->Texts(), QStringList{QStringLiteral("The frequency is outside the radio's bands.")});
        QCOMPARE(Boxes->Shown[0].Caption, QStringLiteral("Caution"));
        QCOMPARE(Box("cxRxSv")->text(), QStringLiteral("400.00000"));
        QCOMPARE(RawFreq(kVfoA), 40000000u);
    }

    void FrequencyAndOffsetBoxesWriteOnlyTheirField_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<uint32_t>("frequency");
        QTest::addColumn<uint32_t>("offset");
        QTest::newRow("frequency") << "cxRxSv"
                                   << "146.52"
                                   << "146.52000" << 14652000u << 60000u;
        QTest::newRow("offset above the limit") << "cxTxSv"
                                                << "150"
                                                << "99.99500" << 14550000u << 9999500u;
        QTest::newRow("empty offset") << "cxTxSv"
                                      << ""
                                      << "0.00000" << 14550000u << 0u;
        QTest::newRow("offset") << "cxTxSv"
                                << "5"
                                << "5.00000" << 14550000u << 500000u;
    }
    void FrequencyAndOffsetBoxesWriteOnlyTheirField()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(uint32_t, frequency);
        QFETCH(uint32_t, offset);
        SetVfo(kVfoA, "145.50000", "0.60000");
        std::string tone = "88.5";
        SetChannelField(gAll, kVfoA, TChannelField::RxTone, tone);
        gAll.Modified = false;
        Open();
        List("cxRxDcts")->setEditText(QStringLiteral("100.0"));
        TypeInto(Box(box.toLatin1().constData()), typed);
        QCOMPARE(Box(box.toLatin1().constData())->text(), shown);
        QCOMPARE(RawFreq(kVfoA), frequency);
        QCOMPARE(RawOffset(kVfoA), offset);
        QCOMPARE(ToneText(gAll.Image[ChannelByte(kVfoA, 8)], gAll.Image[ChannelByte(kVfoA, 9)]), std::string("88.5"));
        QVERIFY(Boxes->Shown.isEmpty());
        // The typed value alone is a change to keep: one undo step, and closing asks to save it.
        QVERIFY(gAll.Modified);
        QCOMPARE(Views->Commits.size(), 1);
        QVERIFY(Views->Commits[0].startsWith(QStringLiteral("Edit VFO A ")));
    }

    void StepChangeReencodesBothVfos()
    {
        // 500 Hz grid (step item 0) first: 145.0065 and 435.0065 lie on it but not on the 1.25 kHz grid.
        SetSetting(gAll, TSetting::VfoStep, 0);
        SetSetting(gAll, TSetting::FmStep, 3);
        SetVfo(kVfoA, "145.00650", "0.00650");
        SetVfo(kVfoB, "435.00650", "0.00650");
        QCOMPARE(RawFreq(kVfoA), 14500650u);
        gAll.Modified = false;
        Open();
        List("cxStep")->setCurrentIndex(2); // "  6.25": tunes on the 1.25 kHz grid
        QCOMPARE(gAll.Image[kStepByte], uint8_t(0x32));
        QVERIFY(gAll.Modified);
        QCOMPARE(RawFreq(kVfoA), 14500625u);
        QCOMPARE(RawOffset(kVfoA), 625u);
        QCOMPARE(RawFreq(kVfoB), 43500625u);
        QCOMPARE(RawOffset(kVfoB), 625u);
        QCOMPARE(Box("cxRxSv")->text(), QStringLiteral("145.00625"));
        QCOMPARE(Box("cxTxSv")->text(), QStringLiteral("0.00625"));
    }

    void StepIsShownFromTheSettingsByte()
    {
        SetSetting(gAll, TSetting::VfoStep, 8);
        Open();
        QCOMPARE(List("cxStep")->currentText(), QStringLiteral("100.00"));
        QCOMPARE(gAll.Image[kStepByte] & 0x0F, 8);
    }

    void DuplexStoresEveryFieldOfTheShownVfo()
    {
        SetVfo(kVfoB, "435.25000", "5.00000");
        gAll.Modified = false;
        Open();
        Find<QRadioButton>("cxUps")->click();
        QVERIFY(Find<QCheckBox>("cxTail")->isChecked());
        // Changed under the window: the duplex store writes the window's values back over it.
        std::string tailOff = "0";
        SetChannelField(gAll, kVfoB, TChannelField::Tail, tailOff);
        QVERIFY(!gAll.Modified);
        QTest::keyClick(List("cxDups"), Qt::Key_Down); // "+Dup"
        QCOMPARE(gAll.Image[ChannelByte(kVfoB, 7)] & 0x03, 1);
        TChannel vfo;
        DecodeChannel(gAll, kVfoB, vfo);
        QCOMPARE(vfo.Duplex, uint8_t(1));
        QCOMPARE(vfo.TxFreq, 440.25);
        QCOMPARE(vfo.Tail, uint8_t(1));
        QVERIFY(gAll.Modified);
    }

    void VoiceModeBothSurvivesAStore()
    {
        std::string both = "3";
        SetChannelField(gAll, kVfoA, TChannelField::VoiceMode, both);
        Open();
        Find<QCheckBox>("cxVoxs")->click();
        TChannel vfo;
        DecodeChannel(gAll, kVfoA, vfo);
        QCOMPARE(vfo.VoiceMode, uint8_t(3));
        QCOMPARE(vfo.Vox, uint8_t(Find<QCheckBox>("cxVoxs")->isChecked() ? 0 : 1));
    }
};

QTEST_MAIN(TestFreqEdit)
#include "tst_VfoEditor.moc"
