// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

#include "core/ConfigurationSet.h"

// Ways the simulated unit can misbehave on purpose.
struct UnitFaults {
    bool silent = false;     // answers nothing
    bool probeOnly = false;  // answers the probe, nothing else
    int delayMs = 0;         // each reply is sent this late (so it splits across transactions)
    bool garbage = false;    // answers every command with random bytes
    int hangUpAfter = -1;    // closes the line after this many commands (-1: never)
    qint64 floodBytes = 0;   // sends this many bytes of noise after the probe reply
    quint32 seed = 1;        // seeds the random bytes of garbage replies and of the flood
    bool roomy = false;      // keeps texts of any length, as real units do, not just 15 and 160
    // Replies given instead of the unit's own, by command without its CR ("?A" -> "AZZ"), for
    // replies of a wrong form; a setting answered so is still stored.
    QList<std::pair<QByteArray, QByteArray>> answers = {};
    // The first time this command arrives (without its CR, e.g. "?P05"), its reply is held
    // back and sent just ahead of the reply to the next command, as a unit that answers after
    // the tool has stopped waiting would.
    QByteArray lateOnce = {};
    // A real link: each reply starts latencyMs (plus 0..jitterMs at random) after its command,
    // and goes out in pieces of chunkBytes with chunkGapMs between them (0: whole). Replies
    // never overtake one another.
    int latencyMs = 0;
    int jitterMs = 0;
    int chunkBytes = 0;
    int chunkGapMs = 0;
    // A setting keeps the unit busy this long after it arrives; commands arriving meanwhile
    // are dropped unanswered, as a unit that is still storing does.
    int busyMs = 0;
    int dropEvery = 0;  // every Nth command is dropped unanswered and not applied (0: none)
};

// A unit on the master side of a pseudo-terminal. It keeps its own configuration, stores what
// settings send and answers queries from it. Runs on the caller's event loop, so tests can use
// it in-process beside the tool.
class UnitSimulator : public QObject {
    Q_OBJECT
public:
    explicit UnitSimulator(QObject* parent = nullptr);
    ~UnitSimulator() override;

    bool open();    // creates the pseudo-terminal in raw mode; false with errorString() on failure
    void hangUp();  // closes the line like an unplugged adapter
    bool isOpen() const;
    QString slavePath() const;  // the device path the tool opens
    QString errorString() const;

    void setFaults(const UnitFaults& faults);
    void setLogFile(
        const QString& path);  // every received command, escaped as TrafficLog does, one per line
    bool isLogging() const;    // false when no log was asked for or the log file could not open

    ConfigurationSet configuration() const;
    void setConfiguration(const ConfigurationSet& set);
    static ConfigurationSet sampleConfiguration();
    QString modelText() const;
    void setModelText(const QString& text);

    QByteArray received() const;         // every byte received since open(), for transcripts
    QList<QByteArray> commands() const;  // the framed commands received, terminators included
    void clearReceived();

    // Applies one framed command (terminator included) to the configuration and returns the
    // unit's normal reply, faults aside; the line is answered through it.
    QByteArray handleCommand(QByteArrayView command);

    static constexpr const char* DefaultModelText = "QX-ALARM-1";

signals:
    void commandReceived(const QByteArray& command);
    void hungUp();

private:
    void readAvailable();
    void commandArrived(const QByteArray& command);
    // Applies UnitFaults::lateOnce to the reply about to go out for `command`.
    void holdLate(QByteArrayView command, QByteArray* reply);
    // Whether the unit takes `command` at all (busy, drop-every); counts it either way.
    bool takes(QByteArrayView command);
    // Queues the reply to go out as the link options say.
    void send(const QByteArray& bytes, qint64 noise, bool hangUp);
    void pump();  // writes queued output as far as the line takes it

    struct Private;
    std::unique_ptr<Private> d;
};
