// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/SerialLink.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include "device/DeviceLog.h"
#include "device/Text.h"

SerialLink::SerialLink(QObject* parent) : QObject(parent), port(this) {
    port.setObjectName(QStringLiteral("cm"));
    connect(&port, &QSerialPort::errorOccurred, this, &SerialLink::onError);
    connect(&port, &QSerialPort::readyRead, this, &SerialLink::bytesArrived);
}

SerialLink::~SerialLink() {
    // Disconnect first so closing on the way out raises nothing against a half-destroyed link.
    port.disconnect(this);
    port.close();
}

SerialLink::Platform SerialLink::hostPlatform() {
#ifdef Q_OS_WIN
    return Platform::Windows;
#else
    return Platform::Unix;
#endif
}

QString SerialLink::deviceNameFor(const QString& shownText, int portNumber, Platform platform) {
    if (portNumber >= 1 && portNumber <= 255) {
        if (platform == Platform::Windows) return QStringLiteral("COM%1").arg(portNumber);
        // Unix numbers its on-board ports from 0: COM1 is ttyS0.
        return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
    }
    QString text = shownText.trimmed();  // not const, so the return moves it
    if (text.startsWith(QLatin1Char('/'))) return text;
    // The devices the port box lists on Windows are named like \\.\COM12.
    if (platform == Platform::Windows && text.startsWith(QLatin1String(R"(\\.\)"))) return text;
    return {};
}

QStringList SerialLink::availableDevices() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.systemLocation();
    names.sort();
    return names;
}

QString SerialLink::advice(OpenFailure failure, const QString& deviceName,
                           const QStringList& devices, Platform platform) {
    const QString found = devices.isEmpty()
                              ? device::Text::tr("No serial devices were found on this computer.")
                              : device::Text::tr("Serial devices found on this computer: %1.")
                                    .arg(devices.join(QStringLiteral(", ")));
    switch (failure) {
        case OpenFailure::NoDevice:
            return device::Text::tr(
                       "Pick an entry from the list or type a device path such as "
                       "/dev/ttyUSB0.\n%1")
                .arg(found);
        case OpenFailure::NotFound:
            return device::Text::tr(
                       "There is no device %1. Check that the unit is plugged in and switched "
                       "on, then pick its port.\n%2")
                .arg(deviceName, found);
        case OpenFailure::PermissionDenied:
            if (platform == Platform::Windows)
                return device::Text::tr(
                           "You are not allowed to use %1. Ask your administrator for access.")
                    .arg(deviceName);
            return device::Text::tr(
                       "You are not allowed to use %1. Serial ports belong to the dialout group; "
                       "add yourself to it with\n    sudo usermod -aG dialout $USER\nthen log "
                       "out and log in again.")
                .arg(deviceName);
        case OpenFailure::InUse:
            return device::Text::tr(
                       "%1 is in use by another program. Close that program, or its connection "
                       "to the unit, and connect again.")
                .arg(deviceName);
        case OpenFailure::Other:
            break;
    }
    return device::Text::tr("Check that the unit is plugged in and that %1 is its port.")
        .arg(deviceName);
}

namespace {

// The serial layer reports "permission denied" and "in use" alike; on Unix a device we may not
// open at all is the one we lack rights to.
SerialLink::OpenFailure classify(QSerialPort::SerialPortError error, const QString& deviceName) {
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return SerialLink::OpenFailure::NotFound;
        case QSerialPort::PermissionError: {
#ifdef Q_OS_UNIX
            const QFileInfo info(deviceName);
            if (info.exists() && !(info.isReadable() && info.isWritable()))
                return SerialLink::OpenFailure::PermissionDenied;
#else
            Q_UNUSED(deviceName);
#endif
            return SerialLink::OpenFailure::InUse;
        }
        default:
            return SerialLink::OpenFailure::Other;
    }
}

}  // namespace

bool SerialLink::open(const QString& deviceName) {
    if (port.isOpen()) close();
    lastError.clear();
    device = deviceName;
    if (deviceName.isEmpty()) {
        lastError = device::Text::tr("No such serial port.") + QStringLiteral("\n\n") +
                    advice(OpenFailure::NoDevice, deviceName, availableDevices(), hostPlatform());
        return false;
    }
    port.setPortName(deviceName);
    port.setBaudRate(BaudRate);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    // A flooding unit must not grow memory: beyond this the port stops taking bytes until
    // the next read, as the unit's own receive buffer would.
    port.setReadBufferSize(ReceiveBufferSize);
    if (!port.open(QIODevice::ReadWrite)) {
        lastError = port.errorString() + QStringLiteral("\n\n") +
                    advice(classify(port.error(), deviceName), deviceName, availableDevices(),
                           hostPlatform());
        port.clearError();
        qCDebug(lcLink) << deviceName << "does not open:" << lastError;
        return false;
    }
    // Pseudo-terminals and some adapters have no modem lines; that is no reason to fail, but
    // the refusal leaves an error set that would otherwise look like a line fault later.
    port.setDataTerminalReady(true);
    port.setRequestToSend(false);
    port.clearError();
    dropPending = false;
    qCDebug(lcLink) << deviceName << "open";
    return true;
}

void SerialLink::close() {
    dropPending = false;
    if (port.isOpen()) {
        port.close();
        qCDebug(lcLink) << device << "closed";
    }
    port.clearError();
}

bool SerialLink::isOpen() const {
    return port.isOpen() && !dropPending;
}

bool SerialLink::write(const QByteArray& bytes) {
    if (!isOpen()) return false;
    if (port.write(bytes) != bytes.size()) {
        failLine(port.errorString());
        return false;
    }
    // write() only queues; push the bytes out now so a dead line shows here and not silently
    // later. Nothing written while bytes remain and an error is set means the line is gone.
    if (!port.flush() && port.bytesToWrite() > 0 && port.error() != QSerialPort::NoError) {
        failLine(port.errorString());
        return false;
    }
    return !dropPending;
}

QByteArray SerialLink::readAll() {
    if (!port.isOpen()) return {};
    // A reply the kernel holds but the event loop had no turn to collect arrived in time too;
    // without this it would be taken as the next command's reply.
    if (!port.waitForReadyRead(0) && port.error() == QSerialPort::TimeoutError) port.clearError();
    return port.readAll();
}

void SerialLink::dropInput() {
    if (port.isOpen()) port.clear(QSerialPort::Input);
}

QByteArray SerialLink::readArrived() {
    return port.isOpen() ? port.readAll() : QByteArray();
}

void SerialLink::onError(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::ReadError:
        case QSerialPort::WriteError:
        case QSerialPort::ResourceError:
            failLine(port.errorString());
            break;
        default:
            break;
    }
}

void SerialLink::failLine(const QString& reason) {
    if (dropPending || !port.isOpen()) return;
    // A dead port can raise errors in a busy loop; the first one decides. Closing happens from
    // the event loop, not inside the port's own signal.
    dropPending = true;
    lostReason = reason;
    QMetaObject::invokeMethod(this, &SerialLink::dropLine, Qt::QueuedConnection);
}

void SerialLink::dropLine() {
    if (!dropPending) return;  // closed by the user in the meantime
    dropPending = false;
    port.close();
    port.clearError();
    qCDebug(lcLink) << device << "lost:" << lostReason;
    emit lost(lostReason);
}
