// SPDX-License-Identifier: GPL-3.0-or-later
// The serial ports that are present, named COM1, COM2, ... as the program speaks of them.
#pragma once

#include <QString>
#include <QStringList>

#include "core/model/AppState.h"

// COMn names of the present ports: an explicit mapping in the settings file's section Ports wins
// (COM3=/dev/ttyUSB0, any path such as a pseudo-terminal); the other devices take the free numbers in order,
// USB adapters (/dev/ttyUSB*, /dev/ttyACM*) before built-in ports (/dev/ttyS*), each by number.
QStringList ListPorts(const TAppState& all);
// The device behind a port name ("COM3" -> "/dev/ttyUSB0"); a path is returned as it is; empty when unknown.
QString PortDevice(const TAppState& all, const QString& portName);
// The stable order of automatic numbering: ttyUSB*, ttyACM*, ttyS*, then others, each by number.
void SortDeviceNames(QStringList& names);
// The port name of a device ("/dev/ttyUSB0" -> "COM3"), empty when no name stands for it.
QString PortNameOf(const TAppState& all, const QString& device);
// The port name that stands for the device from now on: its explicit mapping in section Ports, else one written
// there (the name it has by automatic numbering, or the first free one). Empty, with the reason in error, when
// the settings file cannot be written.
QString PinDevice(const TAppState& all, const QString& device, std::string& error);
