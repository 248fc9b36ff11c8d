// SPDX-License-Identifier: GPL-3.0-or-later
// The radio information window: model, bands, serial number and write time as they were when it opened.
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "core/model/Encodings.h"
#include "gui/settings/RadioInfoWindow.h"
#include "helpers/TestSupport.h"

class TestInfoMsg : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitTestState(); }
    void init() { NewDataSet(gAll, gMacList); }

    void ShowsSerialAndWriteTime_data()
    {
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<QByteArray>("time");
        QTest::addColumn<QString>("serialText");
        QTest::addColumn<QString>("timeText");
        QTest::newRow("erased radio") << QByteArray(16, '\xFF') << QByteArray(7, '\xFF') << QString(16, ' ')
                                      << "65535-255-255 255:255:255";
        QTest::newRow("stamped") << QByteArray("AB-12").append(11, '\0') << QByteArray("\xE8\x07\x03\x05\x0E\x07\x09")
                                 << "AB 12" + QString(11, ' ') << "2024-03-05 14:07:09";
        QTest::newRow("lower case, midnight")
            << QByteArray("sn0042abcdefghij") << QByteArray("\x0A\x00\x0C\x1F\x00\x00\x00", 7) << "SN0042ABCDEFGHIJ"
            << "10-12-31 00:00:00";
    }
    void ShowsSerialAndWriteTime()
    {
        QFETCH(QByteArray, serial);
        QFETCH(QByteArray, time);
        QFETCH(QString, serialText);
        QFETCH(QString, timeText);
        std::copy(serial.begin(), serial.end(), &gAll.Image[kSerialNumber]);
        std::copy(time.begin(), time.end(), &gAll.Image[kWriteTime]);
        const auto image = gAll.Image;
        auto window = std::make_unique<TRadioInfoWindow>();
        window->show();
        QCOMPARE(window->findChild<QLineEdit*>("cxModel")->text(), QString("QB-H52"));
        QVERIFY(gAll.BandText.size() > 3);
        QCOMPARE(window->findChild<QLineEdit*>("cxFreq")->text(), QString::fromStdString(gAll.BandText));
        QCOMPARE(window->findChild<QLineEdit*>("cxSerial")->text(), serialText);
        QCOMPARE(window->findChild<QLineEdit*>("cxRadioTime")->text(), timeText);
        QVERIFY(window->findChild<QLineEdit*>("cxSerial")->isReadOnly());
        QVERIFY(image == gAll.Image);
        QVERIFY(!gAll.Modified);

        // Shown as at the opening: a later write stamp does not reach the open window.
        StampTime(&gAll.Image[kWriteTime], "2030-01-02 03:04:05");
        QCOMPARE(window->findChild<QLineEdit*>("cxRadioTime")->text(), timeText);
    }
};

QTEST_MAIN(TestInfoMsg)
#include "tst_RadioInfoWindow.moc"
