// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QtGlobal>

#include "device/LinkPace.h"

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
//
// That is the fixed pace. Under the auto pace (see LinkPace) the reply is collected as its
// bytes come and the exchange completes once it is whole. A reply led by bytes from before
// means the previous one was cut short or came late: both exchanges are done again, slower,
// and earlierReplyRedone() hands over the previous reply as it should have been.
class Transaction : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 100;

    explicit Transaction(SerialLink* link, QObject* parent = nullptr);

    QByteArray TxCommand;
    QByteArray RxReply;

    void setInterval(int ms);
    int interval() const;
    void setPace(LinkPace::Mode mode) { linkPace.setMode(mode); }
    const LinkPace& pace() const { return linkPace; }
    // A new procedure begins: see LinkPace::beginRun().
    void beginRun();
    // Starts learning the unit's pace afresh, the mode kept.
    void forgetLearnt();
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
    // `last`: the procedure's last exchange, which under auto waits a whole interval more for
    // stray bytes so that none is left for whoever uses the line next.
    bool SendReceive(bool last = false);
    // Drops the exchange in flight without completing it.
    void abort();

signals:
    void completed();
    // Just before completed(): the previous exchange was done again and this is its reply.
    void earlierReplyRedone(const QByteArray& reply);
    // The line was lost while the exchange waited; completed() will not follow.
    void failed(const QString& reason);

private:
    void tmrTout_Timer();
    void onLinkLost(const QString& reason);

    // The auto pace: what the exchange in flight is doing.
    enum class Step { Idle, Fixed, Current, Previous, Drain, Tail };
    bool startPaced(const QByteArray& command, Step next, int gapMs);
    void onBytes();
    void onQuiet();
    void onLimit();
    void replyTaken();
    bool needsRedo();
    void startRedo(const QString& why);
    void afterDrain();
    void complete();
    void paceNote(const QString& text);

    QTimer* tmrTout = nullptr;
    SerialLink* link;
    TrafficLog* trafficLog = nullptr;
    bool waiting = false;
    int intervalMs = DefaultIntervalMs;
    QElapsedTimer sinceWrite;

    LinkPace linkPace;
    Step step = Step::Idle;
    QTimer* quiet = nullptr;     // the reply is whole once the line stays quiet this long
    QTimer* limit = nullptr;     // bounds the wait for the first byte and for the whole reply
    QByteArray previousCommand;  // of this procedure; empty before its first exchange
    QByteArray redone;           // the previous exchange's reply, taken again
    QByteArray inFlight;         // the command whose reply is being collected
    QByteArray got;
    QList<double> arrivals;  // ms after the command, a piece each, for the log
    bool lastExchange = false;
    bool redoing = false;
    bool redidPrevious = false;
    bool late = false;  // the first byte came after the deadline
    int gapNow = 0;
    qint64 firstUs = -1, lastUs = -1;
    double widestUs = 0;        // between two pieces of the reply in flight
    qint64 lastAtUs = -1;       // when the last byte came, on runClock
    qint64 previousEndUs = -1;  // when the previous reply's last byte came, on runClock
    qint64 strayAtUs = -1;      // when bytes first came between exchanges, on runClock
    QElapsedTimer runClock;
};
