// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QSerialPortInfo;

namespace journal {

// What the system says about the hardware behind a port; empty fields where it says nothing
// (a pseudo-terminal, a built-in port).
struct PortIdentity {
    QString serialNumber;
    QString vendorId;   // 4 lower-case hex digits
    QString productId;  // 4 lower-case hex digits
    QString location;   // the device path the system gives, e.g. /dev/ttyUSB0

    friend bool operator==(const PortIdentity&, const PortIdentity&) = default;
};

// Looks `port` up among the serial devices present, by device path or by name.
PortIdentity identifyPort(const QString& port);
// The same among `present`, what QSerialPortInfo::availablePorts() gave: looking them up walks
// every device the system has, which callers with many ports at once do once for all.
PortIdentity identifyPort(const QString& port, const QList<QSerialPortInfo>& present);

// Whether `port` (behind `here`) is the port a record named `keptPort` (behind `kept`) came
// from: by USB serial number where both are known, since a name moves with the plugging
// order; else by name.
bool samePort(const PortIdentity& kept, const QString& keptPort, const PortIdentity& here,
              const QString& port);

}  // namespace journal
