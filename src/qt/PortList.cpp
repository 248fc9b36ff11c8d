// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/PortList.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>
#include <map>
#include <set>

#include "core/files/Profile.h"
#include "core/files/SettingsFile.h"
#include "core/link/Frames.h"

namespace
{
// Windows numbered its ports up to 256; the same names are accepted here.
constexpr int kMaxPortNumber = 256;
const char* const kPortsSection = "Ports";

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
struct TPortMap {
    std::map<int, QString> Ports;
    std::set<int> Explicit;
};

TPortMap ReadPortMap(const TAppState& all)
{
    TProfile settings;
    settings.Load(SettingsReadPath(all));
    TPortMap map;
    QStringList claimed;
    for (int n = 1; n <= kMaxPortNumber; ++n) {
        const std::string device = settings.ReadString(kPortsSection, PortName(n).toStdString(), "");
        if (device.empty())
            continue;
        map.Ports[n] = QString::fromStdString(device);
        map.Explicit.insert(n);
        claimed << Canonical(map.Ports[n]);
    }
    QStringList present;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!claimed.contains(Canonical(info.systemLocation())))
            present << info.portName();
    }
    SortDeviceNames(present);
    int n = 1;
    for (const QString& name : present) {
        while (map.Ports.count(n))
            ++n;
        map.Ports[n] = QStringLiteral("/dev/") + name;
    }
    return map;
}

std::map<int, QString> PortMap(const TAppState& all)
{
    return ReadPortMap(all).Ports;
}

int NumberOf(const std::map<int, QString>& ports, const QString& device)
{
    const QString wanted = Canonical(device);
    for (const auto& [n, path] : ports)
        if (Canonical(path) == wanted)
            return n;
    return 0;
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

QString PortNameOf(const TAppState& all, const QString& device)
{
    const int n = NumberOf(PortMap(all), device);
    return n ? PortName(n) : QString();
}

QString PinDevice(const TAppState& all, const QString& device, std::string& error)
{
    const TPortMap map = ReadPortMap(all);
    int n = NumberOf(map.Ports, device);
    if (n && map.Explicit.count(n))
        return PortName(n);
    // A device numbered automatically keeps the name it showed; a new one takes the first name nobody has.
    for (int free = 1; !n; ++free)
        if (!map.Ports.count(free))
            n = free;
    if (!SaveSettingsValues(all, kPortsSection, {{PortName(n).toStdString(), device.toStdString()}}, error))
        return QString();
    return PortName(n);
}
