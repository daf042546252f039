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

    void command(const QString& device, QByteArrayView bytes);
    void reply(const QString& device, QByteArrayView bytes);

    // Printable ASCII as is, CR, LF and NUL as \r, \n and \0, a backslash doubled, every other
    // byte as \xNN.
    static QByteArray escaped(QByteArrayView bytes);

private:
    void line(const QString& device, char direction, QByteArrayView bytes);

    QFile file;
};
