// SPDX-License-Identifier: GPL-3.0-or-later
// The VOX window: item 8 shown as three lists and rewritten whole on any change.
#include <QComboBox>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "gui/settings/VoxWindow.h"
#include "helpers/TestSupport.h"

namespace
{
uint8_t& VoxItem()
{
    return gAll.Image[kSettingsBase + 8];
}
} // namespace

class TestVoxFun : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitTestState(); }
    void init() { NewDataSet(gAll, gMacList); }

    void StoresAllFieldsOnOneChange_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("gain");
        QTest::addColumn<QString>("delay");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("expected");
        QTest::newRow("delay 2.0 to 0.5") << 0x44 << "5"
                                          << "2.0"
                                          << "cxVoxDv" << 0 << 0x04;
        QTest::newRow("hidden receive inhibit kept") << 0x80 << "1"
                                                     << "0.5"
                                                     << "cxVoxLv" << 3 << 0x83;
        QTest::newRow("unused bit 4 kept") << 0x17 << "8"
                                           << "0.5"
                                           << "cxVoxDv" << 3 << 0x77;
    }
    void StoresAllFieldsOnOneChange()
    {
        QFETCH(int, stored);
        QFETCH(QString, gain);
        QFETCH(QString, delay);
        QFETCH(QString, list);
        QFETCH(int, index);
        QFETCH(int, expected);
        VoxItem() = static_cast<uint8_t>(stored);
        auto window = std::make_unique<TVoxWindow>();
        window->show();
        QCOMPARE(window->findChild<QComboBox*>("cxVoxLv")->currentText(), gain);
        QCOMPARE(window->findChild<QComboBox*>("cxVoxDv")->currentText(), delay);
        QVERIFY(!gAll.Modified);
        QCOMPARE(int(VoxItem()), stored);

        window->findChild<QComboBox*>(list)->setCurrentIndex(index);
        QCOMPARE(int(VoxItem()), expected);
        QVERIFY(gAll.Modified);
    }

    void ReceiveInhibitIsHidden()
    {
        TVoxWindow window;
        window.show();
        QVERIFY(window.findChild<QComboBox*>("cxVoxRs")->isHidden());
        QVERIFY(window.findChild<QLabel*>("clVoxRs")->isHidden());
        QVERIFY(window.findChild<QComboBox*>("cxVoxLv")->isVisible());
    }
};

QTEST_MAIN(TestVoxFun)
#include "tst_VoxWindow.moc"
