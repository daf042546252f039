// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/PortIdentity.h"

#include <QSerialPortInfo>

namespace journal {

namespace {

QString hex4(bool has, quint16 value) {
    return has ? QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')) : QString();
}

}  // namespace

PortIdentity identifyPort(const QString& port) {
    return identifyPort(port, QSerialPortInfo::availablePorts());
}

PortIdentity identifyPort(const QString& port, const QList<QSerialPortInfo>& present) {
    for (const QSerialPortInfo& info : present) {
        if (info.systemLocation() != port && info.portName() != port) continue;
        return {info.serialNumber(), hex4(info.hasVendorIdentifier(), info.vendorIdentifier()),
                hex4(info.hasProductIdentifier(), info.productIdentifier()), info.systemLocation()};
    }
    return {};
}

bool samePort(const PortIdentity& kept, const QString& keptPort, const PortIdentity& here,
              const QString& port) {
    if (kept.serialNumber.isEmpty() || here.serialNumber.isEmpty()) return keptPort == port;
    return kept.serialNumber == here.serialNumber && kept.vendorId == here.vendorId &&
           kept.productId == here.productId;
}

}  // namespace journal
