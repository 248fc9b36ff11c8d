// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/SerialDevices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

#include "qt/PortList.h"

namespace
{
// How far above the tty's device folder the USB device (the folder with idVendor) may be: interface, device.
constexpr int kUsbLevels = 4;

QString ReadAttribute(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.read(256)).trimmed();
}

// A built-in port's node exists for every UART the kernel reserved; type 0 says no chip answers behind it.
bool HasUart(const QString& sysTty)
{
    const QString type = ReadAttribute(sysTty + QStringLiteral("/type"));
    return type.isEmpty() || type != QStringLiteral("0");
}

// The product and vendor:product numbers of the USB device the tty belongs to.
QString UsbDescription(const QString& sysTty, const QString& sysRoot)
{
    QString folder = QFileInfo(sysTty + QStringLiteral("/device")).canonicalFilePath();
    for (int level = 0; level < kUsbLevels && folder.startsWith(sysRoot); ++level) {
        const QString vendor = ReadAttribute(folder + QStringLiteral("/idVendor"));
        if (!vendor.isEmpty()) {
            QString product = ReadAttribute(folder + QStringLiteral("/product"));
            if (product.isEmpty())
                product = ReadAttribute(folder + QStringLiteral("/manufacturer"));
            const QString ids =
                QStringLiteral("(%1:%2)").arg(vendor, ReadAttribute(folder + QStringLiteral("/idProduct")));
            return product.isEmpty() ? ids : product + QLatin1Char(' ') + ids;
        }
        folder = QFileInfo(folder).path();
    }
    return QString();
}

QString StableNameOf(const QString& device, const QString& byIdFolder)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    const QDir links(byIdFolder);
    for (const QFileInfo& link : links.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (!target.isEmpty() && link.canonicalFilePath() == target)
            return link.absoluteFilePath();
    }
    return QString();
}

QString LibraryDescription(const QSerialPortInfo& info)
{
    if (!info.hasVendorIdentifier())
        return info.description();
    const QString ids = QStringLiteral("(%1:%2)")
                            .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                            .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
    return info.description().isEmpty() ? ids : info.description() + QLatin1Char(' ') + ids;
}

// The library knows ports of other names (ttyAMA*, rfcomm*) and descriptions sysfs may lack.
void AddLibraryPorts(QList<TSerialDevice>& devices, const QString& byIdFolder)
{
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const auto known = std::find_if(devices.begin(), devices.end(), [&info](const TSerialDevice& device) {
            return device.Path == info.systemLocation();
        });
        if (known == devices.end())
            devices.append(
                {info.systemLocation(), LibraryDescription(info), StableNameOf(info.systemLocation(), byIdFolder)});
        else if (known->Description.isEmpty())
            known->Description = LibraryDescription(info);
    }
}
} // namespace

QList<TSerialDevice> FindSerialDevices(const QString& root)
{
    QString base = QDir(root).absolutePath();
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    const QString sysRoot = QFileInfo(base + QStringLiteral("sys")).canonicalFilePath();
    const QString byId = base + QStringLiteral("dev/serial/by-id");
    static const QRegularExpression ttyName(QStringLiteral("^tty(USB|ACM|S)\\d+$"));
    QStringList names = QDir(base + QStringLiteral("dev")).entryList(QDir::AllEntries | QDir::System);
    names = names.filter(ttyName);
    SortDeviceNames(names);
    QList<TSerialDevice> devices;
    for (const QString& name : names) {
        const QString sysTty = base + QStringLiteral("sys/class/tty/") + name;
        if (name.startsWith(QStringLiteral("ttyS")) && !HasUart(sysTty))
            continue;
        const QString path = base + QStringLiteral("dev/") + name;
        devices.append(
            {path, sysRoot.isEmpty() ? QString() : UsbDescription(sysTty, sysRoot), StableNameOf(path, byId)});
    }
    if (base == QStringLiteral("/"))
        AddLibraryPorts(devices, byId);
    return devices;
}
