// SPDX-License-Identifier: GPL-3.0-or-later
// The port dialog and the COMn names behind it, with ports mapped to plain files in the settings file's
// section Ports so that the test does not depend on the machine's serial devices.
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "gui/link/PortWindow.h"
#include "helpers/TestSupport.h"
#include "qt/PortList.h"

class TestSetPort : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir Devices;
    QString AppDir;

    QString Device(int n) const { return Devices.filePath(QStringLiteral("tty%1").arg(n)); }
    // COM1 to COM20 and COM21 are claimed in section Ports; only the listed ones exist.
    void MapPorts(const QList<int>& present)
    {
        QFile settings(QString::fromStdString(SettingsFilePath(gAll)));
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write("[SysInfo]\nCom=COM1\n[Ports]\n");
        for (int n = 1; n <= 21; ++n)
            settings.write(QStringLiteral("COM%1=%2\n").arg(n).arg(Device(n)).toUtf8());
        for (int n = 1; n <= 21; ++n)
            QFile::remove(Device(n));
        for (int n : present) {
            QFile device(Device(n));
            QVERIFY(device.open(QIODevice::WriteOnly));
        }
    }
    QRadioButton* Button(TPortWindow& dialog, int n)
    {
        return dialog.findChild<QRadioButton*>(QStringLiteral("cxPort%1").arg(n));
    }

  private slots:
    void init() { AppDir = InitTestState(); }

    void mappedPortsAreListedWhenPresent()
    {
        MapPorts({4, 1, 21});
        QCOMPARE(ListPorts(gAll).mid(0, 3), (QStringList{"COM1", "COM4", "COM21"}));
        QCOMPARE(PortDevice(gAll, "COM4"), Device(4));
        QCOMPARE(PortDevice(gAll, "com4"), Device(4));
        QCOMPARE(PortDevice(gAll, "/dev/pts/7"), QStringLiteral("/dev/pts/7"));
        QCOMPARE(PortDevice(gAll, "COMx"), QString());
    }

    void automaticNumberingPutsUsbAdaptersFirst()
    {
        QStringList names{"ttyS1", "ttyUSB10", "ttyACM0", "ttyAMA0", "ttyUSB2", "ttyS0"};
        SortDeviceNames(names);
        QCOMPARE(names, (QStringList{"ttyUSB2", "ttyUSB10", "ttyACM0", "ttyS0", "ttyS1", "ttyAMA0"}));
    }

    void dialogEnablesPresentPortsAndChecksCurrent()
    {
        MapPorts({1, 4, 21});
        gAll.ComPort = "COM7";
        TPortWindow dialog;
        dialog.show();
        QCOMPARE(dialog.objectName(), QStringLiteral("fSetPort"));
        for (int n = 1; n <= 20; ++n)
            QCOMPARE(Button(dialog, n)->isEnabled(), n == 1 || n == 4);
        QVERIFY(Button(dialog, 7)->isChecked());
        QVERIFY(!Button(dialog, 7)->isEnabled());
        QCOMPARE(dialog.findChild<QLabel*>("clDevice4")->text(), Device(4));
        QCOMPARE(dialog.findChild<QLabel*>("clDevice7")->text(), QString());
        QCOMPARE(dialog.cxPort->title(), QStringLiteral("Communication Port"));
        dialog.btnOk->click();
        QCOMPARE(QString::fromStdString(gAll.ComPort), QStringLiteral("COM7"));
    }

    void okTakesTheCheckedPortCancelKeepsTheOld()
    {
        MapPorts({1, 4});
        gAll.ComPort = "Com1";
        {
            TPortWindow dialog;
            dialog.show();
            QVERIFY(Button(dialog, 1)->isChecked());
            Button(dialog, 4)->click();
            dialog.btnCancel->click();
        }
        QCOMPARE(QString::fromStdString(gAll.ComPort), QStringLiteral("Com1"));
        TPortWindow dialog;
        dialog.show();
        Button(dialog, 4)->click();
        dialog.btnOk->click();
        QCOMPARE(QString::fromStdString(gAll.ComPort), QStringLiteral("COM4"));
    }

    void secondLanguageNamesButtonsAfterItsPortLabel()
    {
        MapPorts({2});
        gAll.LanguageIndex = 1;
        gAll.LanguageName = "Chinese";
        gAll.ComPort = "COM12";
        TPortWindow dialog;
        dialog.show();
        QCOMPARE(Button(dialog, 7)->text(), dialog.lbName->text() + "7");
        QVERIFY(dialog.lbName->text() != QStringLiteral("Port:"));
        QCOMPARE(dialog.cxPort->title(), dialog.windowTitle());
        QVERIFY(Button(dialog, 12)->isChecked());
    }
};

QTEST_MAIN(TestSetPort)
#include "tst_PortWindow.moc"
