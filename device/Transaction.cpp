#include "Transaction.h"

#include <QTimer>

#include "ConfigurationSet.h"
#include "SerialLink.h"

Transaction::Transaction(SerialLink* link, QObject* parent) : QObject(parent), link(link) {
    tmrTout = new QTimer(this);
    tmrTout->setObjectName(QStringLiteral("tmrTout"));
    tmrTout->setTimerType(Qt::PreciseTimer);
    tmrTout->setSingleShot(true);
    tmrTout->setInterval(DefaultIntervalMs);
    connect(tmrTout, &QTimer::timeout, this, &Transaction::tmrTout_Timer);
    connect(link, &SerialLink::lost, this, &Transaction::onLinkLost);
}

void Transaction::setInterval(int ms) {
    tmrTout->setInterval(qMax(1, ms));
}

int Transaction::interval() const {
    return tmrTout->interval();
}

bool Transaction::linkOpen() const {
    return link->isOpen();
}

bool Transaction::SendReceive() {
    if (waiting) return false;
    if (!link->isOpen()) {
        emit completed();
        return true;
    }
    waiting = true;
    ResponseTimedOut = FlagFalse;
    // A failed write closes the link, and its lost() arrives from the event loop before the
    // interval ends; the exchange then fails there.
    link->write(TxCommand);
    tmrTout->start();
    return true;
}

void Transaction::abort() {
    tmrTout->stop();
    waiting = false;
}

void Transaction::tmrTout_Timer() {
    if (!waiting) return;
    ResponseTimedOut = FlagTrue;
    waiting = false;
    RxReply = link->readAll();
    emit completed();
}

void Transaction::onLinkLost(const QString& reason) {
    if (!waiting) return;
    abort();
    emit failed(reason);
}
