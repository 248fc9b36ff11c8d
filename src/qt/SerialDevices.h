// SPDX-License-Identifier: GPL-3.0-or-later
// The serial devices present on the computer, as a user recognises them: the device, what the system says it
// is (a USB adapter's product and its vendor:product numbers) and its stable /dev/serial/by-id name.
#pragma once

#include <QList>
#include <QString>

struct TSerialDevice {
    QString Path;        // the device node, e.g. /dev/ttyUSB0
    QString Description; // e.g. "USB-Serial CH340 (1a86:7523)"; empty when the system says nothing
    QString StableName;  // the /dev/serial/by-id/... link to it; empty without one
};

// Every /dev/ttyUSB*, /dev/ttyACM* and /dev/ttyS* with a UART behind it, USB adapters first, then whatever else
// the serial port library finds. root is the folder holding dev/ and sys/: "/" on a running system, a fake tree
// in tests (the library is asked only for "/").
QList<TSerialDevice> FindSerialDevices(const QString& root = QStringLiteral("/"));
