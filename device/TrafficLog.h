// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

// One line of the transcript as it happened, for whoever watches the line live.
struct TrafficLine {
    enum Direction : char { Command = '>', Reply = '<', Note = '#' };

    qint64 atMs = 0;  // wall clock, milliseconds since the epoch
    QString device;
    Direction direction = Command;
    QByteArray bytes;     // as sent or taken, unescaped; a note's text in UTF-8
    double replyMs = -1;  // a reply: time since its device's last command; otherwise -1
    // A reply: when its pieces reached the port, in milliseconds after the command. Empty when
    // nothing came: the unit did not answer.
    QList<double> arrivalsMs = {};
};

// A transcript of the line: one timestamped line per command sent and per reply taken, bytes
// escaped so every value shows, written through at once so a crash keeps what came before.
// Several units may share one log; the device name tells their lines apart.
//
// Without a file it still announces every line (lineLogged), so a live view works whether or
// not a transcript is kept, and it never fails.
class TrafficLog : public QObject {
    Q_OBJECT
public:
    explicit TrafficLog(QObject* parent = nullptr);

    // Appends to `path`. False with errorString() when it cannot be opened.
    bool open(const QString& path);
    bool isOpen() const { return file.isOpen(); }
    QString errorString() const { return file.errorString(); }
    // True once a line could not be written whole; the log then takes nothing more.
    bool failed() const { return writeFailed; }

    // Each returns false when its line could not be written.
    bool command(const QString& device, QByteArrayView bytes);
    bool reply(const QString& device, QByteArrayView bytes, const QList<double>& arrivalsMs = {});
    // A remark of the tool's own, marked "#".
    bool note(const QString& device, const QString& text);

    // Printable ASCII as is, CR, LF and NUL as \r, \n and \0, a backslash doubled, every other
    // byte as \xNN.
    static QByteArray escaped(QByteArrayView bytes);
    // When a reply's bytes came, as the log file writes it after a tab: "no reply", "arrived
    // at 0.3, 20.4 ms" (the first and the last piece's times and how many there were when
    // more than three), or "arrived before the command" for bytes that lay on the line.
    static QByteArray arrivals(const TrafficLine& reply);

signals:
    // Each command that goes out, each reply taken and each note, in order. Connect directly:
    // the sender is the transfer itself, so a receiver must only queue the line and return.
    void lineLogged(const TrafficLine& line);

private:
    bool line(const QString& device, TrafficLine::Direction direction, QByteArrayView bytes,
              const QList<double>& arrivalsMs = {});
    bool writeLine(const TrafficLine& entry);

    QFile file;
    bool writeFailed = false;
    QHash<QString, QElapsedTimer> sentAt;  // per device, for the reply time
};
