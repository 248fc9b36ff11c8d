// SPDX-License-Identifier: GPL-3.0-or-later
// The write and power-test windows through the real serial adapter and a pseudo-terminal served by the
// virtual radio qbh52-radio-sim. The program reaches the radio as COM5, mapped in the settings file.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include "e2e/VirtualRadio.h"
#include "gui/link/PowerTestWindow.h"
#include "gui/link/WriteWindow.h"
#include "helpers/TestSupport.h"

namespace
{
constexpr int kTransferTimeoutMs = 90000;
constexpr int kWriteBytes = kWriteBlockCount * kBlockSize;
} // namespace

class TestWritePowerWindows : public QObject
{
    Q_OBJECT

  private slots:
    void init() { InitTestState(); }

    void writeSendsImageBlocks()
    {
        const std::vector<uint8_t> original = ScrambledMemory(gAll, 4);
        TVirtualRadio radio(original);
        QVERIFY(radio.Serving());
        QVERIFY(MapCom5(radio.Path));
        const std::vector<uint8_t> image = ScrambledMemory(gAll, 5);
        std::copy(image.begin(), image.end(), gAll.Image.begin());
        TMessageRecorder recorder;
        TWriteWindow window;
        window.show();
        window.btnOk->click();
        QTRY_VERIFY_WITH_TIMEOUT(!recorder.Shown.isEmpty(), kTransferTimeoutMs);
        // Verify after write is on by default: the radio was read back before the message.
        QCOMPARE(recorder.Texts(), QStringList{"Writing Completed. Every block was read back as written."});
        QVERIFY(window.isVisible());
        QVERIFY(window.btnOk->isEnabled());
        // The block phase stamped the write time (year little-endian first) into the image and the radio.
        QCOMPARE(gAll.Image[kWriteTime] | gAll.Image[kWriteTime + 1] << 8, QDate::currentDate().year());
        window.btnCancel->click();
        // A write that went through to the end leaves nothing to warn about.
        QCOMPARE(recorder.Shown.size(), 1);
        const std::vector<uint8_t> memory = radio.StopAndReadMemory();
        QCOMPARE(memory.size(), original.size());
        QVERIFY(std::equal(gAll.Image.begin(), gAll.Image.begin() + kWriteBytes, memory.begin()));
        QVERIFY(std::equal(original.begin() + kWriteBytes, original.end(), memory.begin() + kWriteBytes));
    }

    // Cancelled part-way, the write says that the radio now holds a mix of old and new data.
    void writeCancelledPartWayWarns()
    {
        TVirtualRadio radio(ScrambledMemory(gAll, 4));
        QVERIFY(radio.Serving());
        QVERIFY(MapCom5(radio.Path));
        TMessageRecorder recorder;
        TWriteWindow window;
        window.show();
        window.btnOk->click();
        QTRY_VERIFY_WITH_TIMEOUT(window.pBar->value() > 20, kTransferTimeoutMs);
        window.btnCancel->click();
        QCOMPARE(recorder.Texts(), QStringList{QString::fromStdString(gLanguage.WritePartial)});
        QCOMPARE(recorder.Shown[0].Caption, QStringLiteral("Caution"));
    }

    // Online reads the radio's power table into the bars; a typed value and a moved bar reach the radio.
    void powerTestReadsTableAndWritesSettings()
    {
        TVirtualRadio radio(ScrambledMemory(gAll, 6));
        QVERIFY(radio.Serving());
        QVERIFY(MapCom5(radio.Path));
        TMessageRecorder recorder;
        TPowerTestWindow window;
        window.show();
        const TSegment first = BuildSegments(gAll.Bands).front();
        QCOMPARE(first.Row, 13);
        QCOMPARE(window.cxFreq_Selv->text(), QString::fromStdString(first.Text));
        QVERIFY(!window.tbTx0->isEnabled());
        // Online first says that it changes the radio's calibration; No stays offline.
        recorder.QueueAnswer(TAnswer::No);
        window.cxDebug->click();
        QCOMPARE(recorder.Texts(), QStringList{QString::fromStdString(gLanguage.PowerTestQuestion)});
        QCOMPARE(recorder.Shown[0].Kind, TMessageKind::YesNo);
        QVERIFY(recorder.Texts()[0].contains(QStringLiteral("transmit power calibration")));
        QTest::qWait(300);
        QVERIFY(!window.TestEngine().Running());
        QVERIFY(!window.tbTx0->isEnabled());
        window.cxDebug->click();
        QTRY_VERIFY_WITH_TIMEOUT(window.tbTx0->isEnabled(), kTransferTimeoutMs);
        QVERIFY(window.TestEngine().TableRead());
        // The virtual radio's table holds (row * 7 + byte * 13) mod 256.
        QCOMPARE(window.tbTx0->value(), (13 * 7 + 10 * 13) % 256);
        QCOMPARE(window.ceTx1->value(), (13 * 7 + 12 * 13) % 256);
        window.tbTx0->setValue(200);
        QTest::mouseRelease(window.tbTx0, Qt::LeftButton);
        QTRY_VERIFY(window.TestEngine().Running());
        QTRY_VERIFY_WITH_TIMEOUT(!window.TestEngine().Running(), 10000);
        window.ceTx1->setValue(77);
        QTRY_VERIFY(window.TestEngine().Running());
        QTRY_VERIFY_WITH_TIMEOUT(!window.TestEngine().Running(), 10000);
        QCOMPARE(window.tbTx1->value(), 77);
        window.cxClose->click();
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(recorder.Shown.size(), 2); // the two questions, nothing else
        const std::vector<uint8_t> table = radio.StopAndReadPowerTable();
        QCOMPARE(table.size(), size_t(kPowerTableSize));
        QCOMPARE(int(table[13 * 16 + 10]), 200);
        QCOMPARE(int(table[13 * 16 + 12]), 77);
    }
};

QTEST_MAIN(TestWritePowerWindows)
#include "tst_WritePowerWindows.moc"
