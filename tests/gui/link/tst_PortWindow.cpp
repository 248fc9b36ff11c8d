// SPDX-License-Identifier: GPL-3.0-or-later
// The port dialog and the COMn names behind it, with ports mapped to plain files in the settings file's
// section Ports so that the test does not depend on the machine's serial devices.
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <pty.h>
#include <unistd.h>

#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "gui/link/PortWindow.h"
#include "helpers/TestSupport.h"
#include "qt/PortList.h"
#include "qt/SerialDevices.h"

namespace
{
void WriteText(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A computer's dev/ and sys/ as the kernel shows them: a CH340 USB adapter with its by-id link, a CDC modem
// without a description, a built-in UART and a reserved UART node with no chip behind it.
class TFakeSystem
{
  public:
    QTemporaryDir Root;

    TFakeSystem()
    {
        for (const char* node : {"dev/ttyUSB0", "dev/ttyACM0", "dev/ttyS0", "dev/ttyS1", "dev/tty0", "dev/null"})
            WriteText(Path(node), {});
        const QString usb = Path("sys/devices/pci0000:00/usb1/1-1");
        WriteText(usb + "/idVendor", "1a86\n");
        WriteText(usb + "/idProduct", "7523\n");
        WriteText(usb + "/product", "USB-Serial CH340\n");
        WriteText(usb + "/1-1:1.0/ttyUSB0/uevent", {});
        QDir().mkpath(Path("sys/class/tty/ttyUSB0"));
        QFile::link(usb + "/1-1:1.0/ttyUSB0", Path("sys/class/tty/ttyUSB0/device"));
        WriteText(Path("sys/class/tty/ttyS0/type"), "4\n");
        WriteText(Path("sys/class/tty/ttyS1/type"), "0\n");
        QDir().mkpath(Path("dev/serial/by-id"));
        QFile::link(Path("dev/ttyUSB0"), Path("dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"));
    }
    QString Path(const char* relative) const { return Root.filePath(QString::fromLatin1(relative)); }
};

QStringList Column(const QTreeWidget* tree, int column)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts << tree->topLevelItem(i)->text(column);
    return texts;
}

QString SettingsText()
{
    QFile file(QString::fromStdString(SettingsFilePath(gAll)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

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

    void devicesAreFoundWithWhatTheSystemSaysOfThem()
    {
        TFakeSystem system;
        const QList<TSerialDevice> devices = FindSerialDevices(system.Root.path());
        QCOMPARE(devices.size(), 3);
        QCOMPARE(devices[0].Path, system.Path("dev/ttyUSB0"));
        QCOMPARE(devices[0].Description, QStringLiteral("USB-Serial CH340 (1a86:7523)"));
        QCOMPARE(devices[0].StableName, system.Path("dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"));
        QCOMPARE(devices[1].Path, system.Path("dev/ttyACM0"));
        QCOMPARE(devices[1].Description, QString());
        QCOMPARE(devices[1].StableName, QString());
        QCOMPARE(devices[2].Path, system.Path("dev/ttyS0"));
    }

    // The list shows the devices and the ports the settings file names; Refresh finds a cable plugged in later.
    void dialogListsDevicesAndRefreshFindsANewOne()
    {
        TFakeSystem system;
        MapPorts({3});
        TPortWindow dialog(nullptr, system.Root.path());
        dialog.show();
        const QStringList devices = Column(dialog.cxDevices, TPortWindow::kDeviceColumn);
        QCOMPARE(devices.mid(0, 3),
                 (QStringList{system.Path("dev/ttyUSB0"), system.Path("dev/ttyACM0"), system.Path("dev/ttyS0")}));
        QVERIFY(devices.contains(Device(3)));
        QCOMPARE(Column(dialog.cxDevices, TPortWindow::kDescriptionColumn)[0],
                 QStringLiteral("USB-Serial CH340 (1a86:7523)"));
        QCOMPARE(Column(dialog.cxDevices, TPortWindow::kPortColumn)[devices.indexOf(Device(3))],
                 QStringLiteral("COM3"));
        WriteText(system.Path("dev/ttyUSB1"), {});
        QVERIFY(!Column(dialog.cxDevices, TPortWindow::kDeviceColumn).contains(system.Path("dev/ttyUSB1")));
        dialog.btnRefresh->click();
        QVERIFY(Column(dialog.cxDevices, TPortWindow::kDeviceColumn).contains(system.Path("dev/ttyUSB1")));
    }

    // A typed pseudo-terminal becomes a name of section Ports; the next dialog lists it and has it chosen.
    void aTypedPseudoTerminalIsKept()
    {
        int master = -1;
        int slave = -1;
        char name[128] = {};
        QVERIFY(openpty(&master, &slave, name, nullptr, nullptr) == 0);
        const QString pty = QString::fromLatin1(name);
        {
            TPortWindow dialog;
            dialog.show();
            QTest::keyClicks(dialog.cxDevicePath, pty);
            for (QRadioButton* button : dialog.cxPortButtons)
                QVERIFY(!button->isChecked());
            dialog.btnOk->click();
        }
        const QString port = QString::fromStdString(gAll.ComPort);
        QVERIFY(port.startsWith(QStringLiteral("COM")));
        QCOMPARE(PortDevice(gAll, port), pty);
        QVERIFY(
            SettingsText().contains(QStringLiteral("[Ports]\n") + port + QLatin1Char('=') + pty + QLatin1Char('\n')));
        TPortWindow again;
        again.show();
        const QStringList devices = Column(again.cxDevices, TPortWindow::kDeviceColumn);
        QVERIFY(devices.contains(pty));
        QCOMPARE(Column(again.cxDevices, TPortWindow::kPortColumn)[devices.indexOf(pty)], port);
        // Choosing it again keeps the same name rather than adding a second one.
        again.cxDevicePath->setText(pty);
        again.btnOk->click();
        QCOMPARE(QString::fromStdString(gAll.ComPort), port);
        QCOMPARE(SettingsText().count(pty), 1);
        ::close(master);
        ::close(slave);
    }

    // Picking a listed device fills the path and checks its name; picking a name afterwards takes the name.
    void aListedDeviceAndANameAreChosenAlike()
    {
        MapPorts({2, 5});
        TPortWindow dialog;
        dialog.show();
        const int row = static_cast<int>(Column(dialog.cxDevices, TPortWindow::kDeviceColumn).indexOf(Device(5)));
        QVERIFY(row >= 0);
        QTreeWidgetItem* item = dialog.cxDevices->topLevelItem(row);
        QTest::mouseClick(dialog.cxDevices->viewport(), Qt::LeftButton, {},
                          dialog.cxDevices->visualItemRect(item).center());
        QCOMPARE(dialog.cxDevicePath->text(), Device(5));
        QVERIFY(Button(dialog, 5)->isChecked());
        Button(dialog, 2)->click();
        QVERIFY(dialog.cxDevicePath->text().isEmpty());
        dialog.btnOk->click();
        QCOMPARE(QString::fromStdString(gAll.ComPort), QStringLiteral("COM2"));
    }

    void aPathTheSettingsFileCannotKeepIsReported()
    {
        TMessageRecorder boxes;
        const QString settings = QString::fromStdString(SettingsFilePath(gAll));
        QFile::remove(settings);
        QVERIFY(QDir().mkpath(settings)); // a folder where the file should go
        gAll.ComPort = "COM1";
        TPortWindow dialog;
        dialog.show();
        dialog.cxDevicePath->setText(QStringLiteral("/dev/pts/99"));
        dialog.btnOk->click();
        QCOMPARE(boxes.Shown.size(), 1);
        QVERIFY(boxes.Shown[0].Text.startsWith(QStringLiteral("The port could not be kept in the settings file: ")));
        QVERIFY(dialog.isVisible());
        QCOMPARE(QString::fromStdString(gAll.ComPort), QStringLiteral("COM1"));
        QDir(settings).removeRecursively();
    }
};

QTEST_MAIN(TestSetPort)
#include "tst_PortWindow.moc"
