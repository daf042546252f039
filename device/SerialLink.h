// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

// The one serial line to the unit: 115200 8N1, no handshaking, DTR on and RTS off where the
// device supports those lines, exclusive open, a 1024-byte receive buffer.
//
// A line that fails while open (adapter unplugged, pseudo-terminal hung up, a write that does
// not go out) is closed by the link itself and reported once through lost(): a port that keeps
// raising errors must not be left open behind a "connected" display.
class SerialLink : public QObject {
    Q_OBJECT
public:
    enum class Platform { Windows, Unix };
    static constexpr int BaudRate = 115200;
    static constexpr qint64 ReceiveBufferSize = 1024;

    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    static Platform hostPlatform();
    // The device to open for what the port box shows. `portNumber` is the list entry's
    // position + 1 ("COM n" is port n), 0 when the text matches no entry. A text starting with
    // "/" (or \\.\ on Windows) names a device directly. Returns an empty string when there is
    // nothing to open.
    static QString deviceNameFor(const QString& shownText, int portNumber, Platform platform);
    // The serial devices this computer has, for display.
    static QStringList availableDevices();

    // Why a port would not open, as far as it tells what the user can do about it.
    enum class OpenFailure { NoDevice, NotFound, PermissionDenied, InUse, Other };
    // What to do about a failure, in words; `devices` is what availableDevices() found.
    static QString advice(OpenFailure failure, const QString& deviceName,
                          const QStringList& devices, Platform platform);

    // On failure returns false, leaves the port closed and sets errorString() to the serial
    // layer's description followed by advice().
    bool open(const QString& deviceName);
    void close();
    bool isOpen() const;
    // The device last opened (or tried), as the system names it.
    QString deviceName() const { return device; }
    QString errorString() const { return lastError; }

    // Sends the bytes unchanged. False when the line cannot take them; the link then closes
    // itself and emits lost() from the event loop.
    bool write(const QByteArray& bytes);
    // Everything received since the last call; empty when nothing arrived.
    QByteArray readAll();
    // Throws away whatever has been received and not read, here and in the system's buffer,
    // so bytes of an earlier exchange cannot be taken for a reply.
    void dropInput();
    // What the event loop has collected so far, without looking at the line again; for
    // readers that follow bytesArrived().
    QByteArray readArrived();

signals:
    void lost(const QString& reason);
    // New bytes are there to be read.
    void bytesArrived();

private:
    void onError(QSerialPort::SerialPortError error);
    void failLine(const QString& reason);
    void dropLine();

    QSerialPort port;
    QString device;
    QString lastError;
    QString lostReason;
    bool dropPending = false;
};
