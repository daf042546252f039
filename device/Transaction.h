// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QtGlobal>

class QTimer;
class SerialLink;
class TrafficLog;

// One command exchange with the unit: write TxCommand unchanged, wait exactly one interval,
// then take everything received by then as RxReply, bytes left over from earlier exchanges
// included. No framing, no retry; the callers judge the reply.
//
// The wait does not block: SendReceive() returns at once and completed() follows one interval
// later from the event loop, so there is never a nested event loop. There is at most one
// exchange at a time.
class Transaction : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 100;

    explicit Transaction(SerialLink* link, QObject* parent = nullptr);

    QByteArray TxCommand;
    QByteArray RxReply;

    void setInterval(int ms);
    int interval() const;
    bool busy() const { return waiting; }
    bool linkOpen() const;
    // Every command sent and every reply taken is written to `log` (not owned; may be null).
    // A command is logged before it is sent, so one that cannot be logged is not sent.
    void setTrafficLog(TrafficLog* log) { trafficLog = log; }
    // True once a write to the traffic log has failed.
    bool logFailed() const;
    // A line of the procedure's own in the traffic log, such as a decision about the replies.
    void logNote(const QString& text);

    // Starts one exchange. Returns false, and does nothing, while another one waits or when
    // the command cannot be logged. With the port closed it completes at once, writes nothing
    // and leaves RxReply as it was.
    bool SendReceive();
    // Drops the exchange in flight without completing it.
    void abort();

signals:
    void completed();
    // The line was lost while the exchange waited; completed() will not follow.
    void failed(const QString& reason);

private:
    void tmrTout_Timer();
    void onLinkLost(const QString& reason);

    QTimer* tmrTout = nullptr;
    SerialLink* link;
    TrafficLog* trafficLog = nullptr;
    bool waiting = false;
    int intervalMs = DefaultIntervalMs;
    QElapsedTimer sinceWrite;
};
