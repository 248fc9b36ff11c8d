// The read, write and power-test windows through the real serial adapter and a pseudo-terminal served by
// the virtual radio qbh52-radio-sim. The program reaches the radio as COM5, mapped in the settings file.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "e2e/VirtualRadio.h"
#include "helpers/TestSupport.h"
#include "link/LinkDialogs.h"
#include "link/ReadRadio.h"
#include "link/TestFrm.h"
#include "link/WriteRadio.h"
#include "model/Maindb.h"
#include "shell/Settings.h"

namespace {
constexpr int kTransferTimeoutMs = 90000;
constexpr int kReadBytes = kReadBlockCount * kBlockSize;
constexpr int kWriteBytes = kWriteBlockCount * kBlockSize;

// Rewritten by every completed read: the model identification block and the band limits.
bool RewrittenByRead(int offset)
{
    return offset >= kModelIdent && offset < kBandBlock + 2 * kBlockSize;
}

void MapCom5(const QString& device)
{
    QFile settings(QString::fromStdString(SettingsFilePath(gAll)));
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write(("[Ports]\nCOM5=" + device + "\n").toUtf8());
    gAll.ComPort = "COM5";
}

// Presses Ok in the modal window of type T as soon as it is shown.
template <class T>
void PressOkWhenShown()
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            window->btnOk->click();
            poll->deleteLater();
        }
    });
    poll->start(10);
}
}  // namespace

class TestLinkWindows : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        InitTestState();
    }

    void readReplacesImageWithRadioMemory()
    {
        const std::vector<uint8_t> memory = ScrambledMemory(gAll, 1);
        TVirtualRadio radio(memory);
        QVERIFY(radio.Serving());
        MapCom5(radio.Path);
        const auto before = gAll.Image;
        TMessageRecorder recorder;
        PressOkWhenShown<TfReadRadio>();
        QVERIFY(ShowReadRadio(nullptr));
        QCOMPARE(recorder.Texts(), QStringList{"Reading Completed."});
        for (int i = 0; i < kReadBytes; ++i) {
            if (!RewrittenByRead(i) && gAll.Image[i] != memory[static_cast<size_t>(i)])
                QFAIL(qPrintable(QStringLiteral("image byte %1 differs from the radio").arg(i)));
        }
        QVERIFY(std::equal(before.begin() + kReadBytes, before.end(), gAll.Image.begin() + kReadBytes));
        QVERIFY(gAll.Modified);
    }

    // The radio's device goes away in the middle of a read: the read starts again once by itself.
    void readRestartsOnceAfterTheDeviceVanished()
    {
        const std::vector<uint8_t> memory = ScrambledMemory(gAll, 2);
        TVirtualRadio radio(memory, {"--line-error", "40"});
        QVERIFY(radio.Serving());
        MapCom5(radio.Path);
        TMessageRecorder recorder;
        TfReadRadio window;
        window.show();
        window.btnOk->click();
        QTRY_VERIFY_WITH_TIMEOUT(window.Completed(), kTransferTimeoutMs);
        QCOMPARE(recorder.Texts(), QStringList{"Reading Completed."});
        QCOMPARE(window.pBar->value(), 296);
        QVERIFY(std::equal(gAll.Image.begin(), gAll.Image.begin() + kModelIdent, memory.begin()));
        QTRY_VERIFY(!window.isVisible());
    }

    void silentRadioLeavesImageUnchanged()
    {
        TVirtualRadio radio(ScrambledMemory(gAll, 3), {"--silent-after", "30"});
        QVERIFY(radio.Serving());
        MapCom5(radio.Path);
        const auto before = gAll.Image;
        TMessageRecorder recorder;
        TfReadRadio window;
        window.show();
        window.btnOk->click();
        QTRY_VERIFY_WITH_TIMEOUT(!recorder.Shown.isEmpty(), kTransferTimeoutMs);
        QCOMPARE(recorder.Texts(),
                 QStringList{"Please check all connections and communication port settings."});
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(!window.Completed());
        QVERIFY(gAll.Image == before);
        QVERIFY(!gAll.Modified);
    }

    void missingPortSaysWhyAndCloses()
    {
        MapCom5(QStringLiteral("/nonexistent/ttyUSB9"));
        TMessageRecorder recorder;
        TfReadRadio window;
        window.show();
        QTRY_VERIFY(!recorder.Shown.isEmpty());
        const QStringList lines = recorder.Shown.first().Text.split('\n');
        QCOMPARE(lines.first(), QStringLiteral("Cannot Open Commcmication Port."));
        QVERIFY2(lines.size() == 2 && lines[1].contains("/nonexistent/ttyUSB9"), qPrintable(lines.join('|')));
        QTRY_VERIFY(!window.isVisible());
    }

    void writeSendsImageBlocks()
    {
        const std::vector<uint8_t> original = ScrambledMemory(gAll, 4);
        TVirtualRadio radio(original);
        QVERIFY(radio.Serving());
        MapCom5(radio.Path);
        const std::vector<uint8_t> image = ScrambledMemory(gAll, 5);
        std::copy(image.begin(), image.end(), gAll.Image.begin());
        TMessageRecorder recorder;
        TfWriteRadio window;
        window.show();
        window.btnOk->click();
        QTRY_VERIFY_WITH_TIMEOUT(!recorder.Shown.isEmpty(), kTransferTimeoutMs);
        QCOMPARE(recorder.Texts(), QStringList{"Writing Completed."});
        QVERIFY(window.isVisible());
        QVERIFY(window.btnOk->isEnabled());
        window.btnCancel->click();
        const std::vector<uint8_t> memory = radio.StopAndReadMemory();
        QCOMPARE(memory.size(), original.size());
        QVERIFY(std::equal(gAll.Image.begin(), gAll.Image.begin() + kWriteBytes, memory.begin()));
        QVERIFY(std::equal(original.begin() + kWriteBytes, original.end(), memory.begin() + kWriteBytes));
    }

    // Online reads the radio's power table into the bars; a typed value and a moved bar reach the radio.
    void powerTestReadsTableAndWritesSettings()
    {
        TVirtualRadio radio(ScrambledMemory(gAll, 6));
        QVERIFY(radio.Serving());
        MapCom5(radio.Path);
        TMessageRecorder recorder;
        TfTestFrm window;
        window.show();
        QCOMPARE(window.cxFreq_Selv->text(), QStringLiteral("136.000 -- 140.000MHz"));
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
        QVERIFY(recorder.Shown.isEmpty());
        const std::vector<uint8_t> table = radio.StopAndReadPowerTable();
        QCOMPARE(table.size(), size_t(kPowerTableSize));
        QCOMPARE(int(table[13 * 16 + 10]), 200);
        QCOMPARE(int(table[13 * 16 + 12]), 77);
    }
};

QTEST_MAIN(TestLinkWindows)
#include "tst_LinkWindows.moc"
