// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transaction.h"

#include <QThread>
#include <QTimer>

#include "SerialLink.h"
#include "TrafficLog.h"

Transaction::Transaction(SerialLink* link, QObject* parent) : QObject(parent), link(link) {
    tmrTout = new QTimer(this);
    tmrTout->setObjectName(QStringLiteral("tmrTout"));
    tmrTout->setTimerType(Qt::PreciseTimer);
    tmrTout->setSingleShot(true);
    setInterval(DefaultIntervalMs);
    connect(tmrTout, &QTimer::timeout, this, &Transaction::tmrTout_Timer);
    connect(link, &SerialLink::lost, this, &Transaction::onLinkLost);
}

namespace {
// The event loop notices an expired timer up to about a millisecond late, which over the 99
// exchanges of a transfer adds up. So the timer wakes this much early and the exchange sleeps
// off the rest, ending within microseconds of the interval and never before it.
constexpr int WakeEarlyMs = 1;
}  // namespace

void Transaction::setInterval(int ms) {
    intervalMs = qMax(1, ms);
    tmrTout->setInterval(intervalMs > 10 * WakeEarlyMs ? intervalMs - WakeEarlyMs : intervalMs);
}

int Transaction::interval() const {
    return intervalMs;
}

bool Transaction::linkOpen() const {
    return link->isOpen();
}

bool Transaction::logFailed() const {
    return trafficLog && trafficLog->failed();
}

void Transaction::logNote(const QString& text) {
    if (trafficLog) trafficLog->note(link->deviceName(), text);
}

bool Transaction::SendReceive() {
    if (waiting) return false;
    if (!link->isOpen()) {
        emit completed();
        return true;
    }
    if (trafficLog && !trafficLog->command(link->deviceName(), TxCommand)) return false;
    waiting = true;
    // A failed write closes the link, and its lost() arrives from the event loop before the
    // interval ends; the exchange then fails there.
    link->write(TxCommand);
    sinceWrite.start();
    tmrTout->start();
    return true;
}

void Transaction::abort() {
    tmrTout->stop();
    waiting = false;
}

void Transaction::tmrTout_Timer() {
    if (!waiting) return;
    const qint64 leftUs = qint64(intervalMs) * 1000 - sinceWrite.nsecsElapsed() / 1000;
    if (leftUs > 0) QThread::usleep(quint64(leftUs));
    waiting = false;
    RxReply = link->readAll();
    if (trafficLog) trafficLog->reply(link->deviceName(), RxReply);
    emit completed();
}

void Transaction::onLinkLost(const QString& reason) {
    if (!waiting) return;
    abort();
    emit failed(reason);
}
