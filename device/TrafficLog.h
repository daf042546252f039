// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

// A transcript of the line: one timestamped line per command sent and per reply taken, bytes
// escaped so every value shows, written through at once so a crash keeps what came before.
// Several units may share one log; the device name tells their lines apart.
class TrafficLog {
public:
    // Appends to `path`. False with errorString() when it cannot be opened.
    bool open(const QString& path);
    bool isOpen() const { return file.isOpen(); }
    QString errorString() const { return file.errorString(); }
    // True once a line could not be written whole; the log then takes nothing more.
    bool failed() const { return writeFailed; }

    // Each returns false when its line could not be written.
    bool command(const QString& device, QByteArrayView bytes);
    bool reply(const QString& device, QByteArrayView bytes);
    // A remark of the tool's own, marked "#".
    bool note(const QString& device, const QString& text);

    // Printable ASCII as is, CR, LF and NUL as \r, \n and \0, a backslash doubled, every other
    // byte as \xNN.
    static QByteArray escaped(QByteArrayView bytes);

private:
    bool line(const QString& device, char direction, QByteArrayView bytes);

    QFile file;
    bool writeFailed = false;
};
