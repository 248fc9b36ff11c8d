// SPDX-License-Identifier: GPL-3.0-or-later
// The read window through the real serial adapter and a pseudo-terminal served by the virtual radio
// qbh52-radio-sim. The program reaches the radio as COM5, mapped in the settings file.
#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "e2e/VirtualRadio.h"
#include "gui/link/LinkDialogs.h"
#include "gui/link/ReadWindow.h"
#include "helpers/TestSupport.h"

namespace
{
constexpr int kTransferTimeoutMs = 90000;
constexpr int kReadBytes = kReadBlockCount * kBlockSize;

// Rewritten by every completed read: the model identification block and the band limits.
bool RewrittenByRead(int offset)
{
    return offset >= kModelIdent && offset < kBandBlock + 2 * kBlockSize;
}

// Presses Ok in the modal window of type T as soon as it is shown.
template <class T> void PressOkWhenShown()
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
} // namespace

class TestReadWindow : public QObject
{
    Q_OBJECT

  private slots:
    void init() { InitTestState(); }

    void readReplacesImageWithRadioMemory()
    {
        const std::vector<uint8_t> memory = ScrambledMemory(gAll, 1);
        TVirtualRadio radio(memory);
        QVERIFY(radio.Serving());
        QVERIFY(MapCom5(radio.Path));
        const auto before = gAll.Image;
        TMessageRecorder recorder;
        PressOkWhenShown<TReadWindow>();
        QVERIFY(ShowReadWindow(nullptr));
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
        QVERIFY(MapCom5(radio.Path));
        TMessageRecorder recorder;
        TReadWindow window;
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
        QVERIFY(MapCom5(radio.Path));
        const auto before = gAll.Image;
        TMessageRecorder recorder;
        TReadWindow window;
        window.show();
        window.btnOk->click();
        QTRY_VERIFY_WITH_TIMEOUT(!recorder.Shown.isEmpty(), kTransferTimeoutMs);
        QCOMPARE(recorder.Texts(), QStringList{"Please check all connections and communication port settings."});
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(!window.Completed());
        QVERIFY(gAll.Image == before);
        QVERIFY(!gAll.Modified);
    }

    void missingPortSaysWhyAndCloses()
    {
        QVERIFY(MapCom5(QStringLiteral("/nonexistent/ttyUSB9")));
        TMessageRecorder recorder;
        TReadWindow window;
        window.show();
        QTRY_VERIFY(!recorder.Shown.isEmpty());
        const QStringList lines = recorder.Shown.first().Text.split('\n');
        QCOMPARE(lines.first(), QStringLiteral("Cannot open the communication port."));
        QVERIFY2(lines.size() == 2 && lines[1].contains("/nonexistent/ttyUSB9"), qPrintable(lines.join('|')));
        QTRY_VERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestReadWindow)
#include "tst_ReadWindow.moc"
