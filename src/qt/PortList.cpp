// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/PortList.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>
#include <map>

#include "core/files/Profile.h"
#include "core/files/SettingsFile.h"
#include "core/link/Frames.h"

namespace
{
// Windows numbered its ports up to 256; the same names are accepted here.
constexpr int kMaxPortNumber = 256;

// Rank of a device family: USB adapters first, then built-in ports, then anything else the system lists.
int FamilyRank(const QString& name)
{
    static const QStringList families = {QStringLiteral("ttyUSB"), QStringLiteral("ttyACM"), QStringLiteral("ttyS")};
    for (int i = 0; i < families.size(); ++i) {
        if (name.startsWith(families[i]))
            return i;
    }
    return static_cast<int>(families.size());
}

// "ttyUSB10" sorts after "ttyUSB9".
bool DeviceBefore(const QString& a, const QString& b)
{
    static const QRegularExpression trailingDigits(QStringLiteral("^(.*?)(\\d*)$"));
    const int rankA = FamilyRank(a);
    const int rankB = FamilyRank(b);
    if (rankA != rankB)
        return rankA < rankB;
    const auto ma = trailingDigits.match(a);
    const auto mb = trailingDigits.match(b);
    if (ma.captured(1) != mb.captured(1))
        return ma.captured(1) < mb.captured(1);
    return QLocale::c().toLongLong(ma.captured(2)) < QLocale::c().toLongLong(mb.captured(2));
}

QString PortName(int n)
{
    return QStringLiteral("COM") + QLocale::c().toString(n);
}

QString Canonical(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

// The numbered ports and their devices: explicit entries of section Ports first; the present devices nobody
// mapped explicitly then fill the free numbers in their stable order.
std::map<int, QString> PortMap(const TAppState& all)
{
    TProfile settings;
    settings.Load(SettingsReadPath(all));
    std::map<int, QString> ports;
    QStringList claimed;
    for (int n = 1; n <= kMaxPortNumber; ++n) {
        const std::string device = settings.ReadString("Ports", PortName(n).toStdString(), "");
        if (device.empty())
            continue;
        ports[n] = QString::fromStdString(device);
        claimed << Canonical(ports[n]);
    }
    QStringList present;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!claimed.contains(Canonical(info.systemLocation())))
            present << info.portName();
    }
    SortDeviceNames(present);
    int n = 1;
    for (const QString& name : present) {
        while (ports.count(n))
            ++n;
        ports[n] = QStringLiteral("/dev/") + name;
    }
    return ports;
}
} // namespace

void SortDeviceNames(QStringList& names)
{
    std::sort(names.begin(), names.end(), DeviceBefore);
}

QStringList ListPorts(const TAppState& all)
{
    QStringList names;
    for (const auto& [n, device] : PortMap(all)) {
        if (QFileInfo::exists(device))
            names << PortName(n);
    }
    return names;
}

QString PortDevice(const TAppState& all, const QString& portName)
{
    if (portName.startsWith(QLatin1Char('/')))
        return portName;
    if (!portName.startsWith(QStringLiteral("COM"), Qt::CaseInsensitive))
        return QString();
    const auto n = PortNumber(portName.toStdString());
    const auto ports = PortMap(all);
    const auto found = n ? ports.find(*n) : ports.end();
    return found == ports.end() ? QString() : found->second;
}
