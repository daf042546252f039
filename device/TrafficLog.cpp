// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/TrafficLog.h"

#include <QDateTime>

TrafficLog::TrafficLog(QObject* parent) : QObject(parent) {}

bool TrafficLog::open(const QString& path) {
    if (file.isOpen()) file.close();
    writeFailed = false;
    file.setFileName(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

bool TrafficLog::command(const QString& device, QByteArrayView bytes) {
    return line(device, TrafficLine::Command, bytes);
}

bool TrafficLog::reply(const QString& device, QByteArrayView bytes,
                       const QList<double>& arrivalsMs) {
    return line(device, TrafficLine::Reply, bytes, arrivalsMs);
}

bool TrafficLog::note(const QString& device, const QString& text) {
    return line(device, TrafficLine::Note, text.toUtf8());
}

bool TrafficLog::line(const QString& device, TrafficLine::Direction direction, QByteArrayView bytes,
                      const QList<double>& arrivalsMs) {
    TrafficLine entry;
    entry.atMs = QDateTime::currentMSecsSinceEpoch();
    entry.device = device;
    entry.direction = direction;
    entry.bytes = bytes.toByteArray();
    entry.arrivalsMs = arrivalsMs;
    if (direction == TrafficLine::Reply) {
        const auto sent = sentAt.constFind(device);
        if (sent != sentAt.constEnd()) entry.replyMs = sent->nsecsElapsed() / 1e6;
    }
    const bool written = writeLine(entry);
    if (direction == TrafficLine::Command && written) sentAt[device].start();
    // A command that could not be logged is not sent, so it is not shown either; a reply was
    // taken whether or not the file took it.
    if (written || direction == TrafficLine::Reply) emit lineLogged(entry);
    return written;
}

bool TrafficLog::writeLine(const TrafficLine& entry) {
    if (!file.isOpen()) return true;
    if (writeFailed) return false;
    QByteArray text =
        QDateTime::fromMSecsSinceEpoch(entry.atMs).toString(Qt::ISODateWithMs).toUtf8();
    text += ' ';
    text += entry.device.toUtf8();
    text += ' ';
    text += char(entry.direction);
    text += ' ';
    text += escaped(entry.bytes);
    // After a tab, which the escaped bytes never hold, so the line still splits cleanly.
    if (entry.direction == TrafficLine::Reply) text += '\t' + arrivals(entry);
    text += '\n';
    // Unbuffered, so a full disk shows here; a log with a hole in it would mislead.
    if (file.write(text) != text.size()) writeFailed = true;
    return !writeFailed;
}

QByteArray TrafficLog::arrivals(const TrafficLine& reply) {
    const QList<double>& arrivalsMs = reply.arrivalsMs;
    if (arrivalsMs.isEmpty())
        return reply.bytes.isEmpty() ? QByteArrayLiteral("no reply")
                                     : QByteArrayLiteral("arrived before the command");
    constexpr qsizetype Listed = 3;
    auto ms = [](double value) { return QByteArray::number(value, 'f', 1); };
    QByteArray text("arrived at ");
    if (arrivalsMs.size() <= Listed) {
        QByteArrayList times;
        for (const double value : arrivalsMs)
            times << ms(value);
        return text + times.join(", ") + " ms";
    }
    return text + ms(arrivalsMs.first()) + " to " + ms(arrivalsMs.last()) + " ms in " +
           QByteArray::number(arrivalsMs.size()) + " pieces";
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
