// SPDX-License-Identifier: GPL-3.0-or-later
// The scan window: items 10 to 12 shown as four lists and rewritten together on any change.
#include <QComboBox>
#include <QtTest>
#include <memory>

#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "gui/settings/ScanWindow.h"
#include "helpers/TestSupport.h"

namespace
{
uint8_t& Item(int k)
{
    return gAll.Image[kSettingsBase + k];
}

QByteArray ScanItems()
{
    return QByteArray(reinterpret_cast<const char*>(&Item(10)), 3);
}
} // namespace

class TestScanFun : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitTestState(); }
    void init() { NewDataSet(gAll, gMacList); }

    void StoresAllFieldsOnOneChange_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("mode SE to TO, speed kept")
            << QByteArray("\x52\x0C\x07", 3) << QStringList{"SE", "350", "15", "7"} << "cxScanMode" << 1
            << QByteArray("\x51\x0C\x07", 3);
        QTest::newRow("priority 5") << QByteArray("\x10\x00\x00", 3) << QStringList{"CO", "150", "3", "OFF"}
                                    << "cxScanPris" << 5 << QByteArray("\x10\x00\x05", 3);
        QTest::newRow("last delay and channel")
            << QByteArray("\x80\x1B\x80", 3) << QStringList{"CO", "500", "30", "128"} << "cxScanRate" << 0
            << QByteArray("\x00\x1B\x80", 3);
        // 129 passes the validation but names no channel of the model: "OFF" is shown, and the next change
        // writes it back as 0.
        QTest::newRow("priority beyond the channels")
            << QByteArray("\x01\x02\x81", 3) << QStringList{"TO", "100", "5", "OFF"} << "cxScanBack" << 27
            << QByteArray("\x01\x1B\x00", 3);
    }
    void StoresAllFieldsOnOneChange()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, shown);
        QFETCH(QString, list);
        QFETCH(int, index);
        QFETCH(QByteArray, expected);
        std::copy(stored.begin(), stored.end(), &Item(10));
        auto window = std::make_unique<TScanWindow>();
        window->show();
        const QStringList names{"cxScanMode", "cxScanRate", "cxScanBack", "cxScanPris"};
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(window->findChild<QComboBox*>(names[i])->currentText(), shown[i]);
        QCOMPARE(ScanItems(), stored);
        QVERIFY(!gAll.Modified);

        window->findChild<QComboBox*>(list)->setCurrentIndex(index);
        QCOMPARE(ScanItems(), expected);
        QVERIFY(gAll.Modified);
    }

    void PriorityListHoldsEveryChannel()
    {
        TScanWindow window;
        window.show();
        auto* priority = window.findChild<QComboBox*>("cxScanPris");
        QCOMPARE(priority->count(), 129);
        QCOMPARE(priority->itemText(0), QString("OFF"));
        QCOMPARE(priority->itemText(128), QString("128"));
    }
};

QTEST_MAIN(TestScanFun)
#include "tst_ScanWindow.moc"
