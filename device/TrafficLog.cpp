#include "TrafficLog.h"

#include <QDateTime>

bool TrafficLog::open(const QString& path) {
    if (file.isOpen()) file.close();
    file.setFileName(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

void TrafficLog::command(const QString& device, QByteArrayView bytes) {
    line(device, '>', bytes);
}

void TrafficLog::reply(const QString& device, QByteArrayView bytes) {
    line(device, '<', bytes);
}

void TrafficLog::line(const QString& device, char direction, QByteArrayView bytes) {
    if (!file.isOpen()) return;
    QByteArray text = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8();
    text += ' ';
    text += device.toUtf8();
    text += ' ';
    text += direction;
    text += ' ';
    text += escaped(bytes);
    text += '\n';
    file.write(text);
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
