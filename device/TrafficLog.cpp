// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrafficLog.h"

#include <QDateTime>

bool TrafficLog::open(const QString& path) {
    if (file.isOpen()) file.close();
    writeFailed = false;
    file.setFileName(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

bool TrafficLog::command(const QString& device, QByteArrayView bytes) {
    return line(device, '>', bytes);
}

bool TrafficLog::reply(const QString& device, QByteArrayView bytes) {
    return line(device, '<', bytes);
}

bool TrafficLog::note(const QString& device, const QString& text) {
    return line(device, '#', text.toUtf8());
}

bool TrafficLog::line(const QString& device, char direction, QByteArrayView bytes) {
    if (!file.isOpen()) return true;
    if (writeFailed) return false;
    QByteArray text = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8();
    text += ' ';
    text += device.toUtf8();
    text += ' ';
    text += direction;
    text += ' ';
    text += escaped(bytes);
    text += '\n';
    // Unbuffered, so a full disk shows here; a log with a hole in it would mislead.
    if (file.write(text) != text.size()) writeFailed = true;
    return !writeFailed;
}

QByteArray TrafficLog::escaped(QByteArrayView bytes) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '\r':
                out.append("\\r");
                break;
            case '\n':
                out.append("\\n");
                break;
            case '\0':
                out.append("\\0");
                break;
            case '\\':
                out.append("\\\\");
                break;
            default:
                if (u >= 0x20 && u < 0x7F) {
                    out.append(c);
                } else {
                    out.append("\\x");
                    out.append(Hex[u >> 4]);
                    out.append(Hex[u & 0x0F]);
                }
        }
    }
    return out;
}
