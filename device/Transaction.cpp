// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/Transaction.h"

#include <QThread>
#include <QTimer>

#include "device/DeviceLog.h"
#include "device/SerialLink.h"
#include "device/Text.h"
#include "device/TrafficLog.h"

namespace {

QTimer* preciseSingleShot(QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(true);
    return timer;
}

QString commandName(const QByteArray& command) {
    return QString::fromLatin1(command.endsWith('\r') ? command.chopped(1) : command);
}

}  // namespace

Transaction::Transaction(SerialLink* link, QObject* parent) : QObject(parent), link(link) {
    tmrTout = preciseSingleShot(this);
    tmrTout->setObjectName(QStringLiteral("tmrTout"));
    setInterval(DefaultIntervalMs);
    connect(tmrTout, &QTimer::timeout, this, &Transaction::tmrTout_Timer);
    connect(link, &SerialLink::lost, this, &Transaction::onLinkLost);
    quiet = preciseSingleShot(this);
    limit = preciseSingleShot(this);
    connect(quiet, &QTimer::timeout, this, &Transaction::onQuiet);
    connect(limit, &QTimer::timeout, this, &Transaction::onLimit);
    connect(link, &SerialLink::bytesArrived, this, &Transaction::onBytes);
    runClock.start();
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

void Transaction::beginRun() {
    linkPace.beginRun();
    previousCommand.clear();
}

void Transaction::forgetLearnt() {
    const LinkPace::Mode mode = linkPace.mode();
    linkPace = LinkPace();
    linkPace.setMode(mode);
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

bool Transaction::SendReceive(bool last) {
    if (waiting) return false;
    if (!link->isOpen()) {
        emit completed();
        return true;
    }
    if (linkPace.paced()) {
        lastExchange = last;
        redoing = false;
        redidPrevious = false;
        // Bytes that came after the previous reply was taken belong to it.
        const QByteArray stray = link->readAll();
        if (!stray.isEmpty()) {
            if (strayAtUs >= 0 && previousEndUs >= 0 && !previousCommand.isEmpty())
                linkPace.learnGap(double(strayAtUs - previousEndUs) / 1000);
            waiting = true;
            const int count = int(stray.size());
            startRedo(
                previousCommand.isEmpty()
                    ? device::Text::tr("%n stray byte(s) lay on the line before %1", nullptr, count)
                          .arg(commandName(TxCommand))
                    : device::Text::tr("%n byte(s) came after the reply to %1 was taken", nullptr,
                                       count)
                          .arg(commandName(previousCommand)));
            return true;
        }
        if (!startPaced(TxCommand, Step::Current, linkPace.gapMs())) return false;
        waiting = true;
        return true;
    }
    if (trafficLog && !trafficLog->command(link->deviceName(), TxCommand)) return false;
    waiting = true;
    step = Step::Fixed;
    arrivals.clear();
    // A failed write closes the link, and its lost() arrives from the event loop before the
    // interval ends; the exchange then fails there.
    link->write(TxCommand);
    sinceWrite.start();
    tmrTout->start();
    return true;
}

void Transaction::abort() {
    tmrTout->stop();
    quiet->stop();
    limit->stop();
    step = Step::Idle;
    waiting = false;
}

void Transaction::tmrTout_Timer() {
    if (!waiting) return;
    const qint64 leftUs = qint64(intervalMs) * 1000 - sinceWrite.nsecsElapsed() / 1000;
    if (leftUs > 0) QThread::usleep(quint64(leftUs));
    waiting = false;
    strayAtUs = -1;
    RxReply = link->readAll();  // what this brings in is timed as arrived at the end
    step = Step::Idle;
    previousCommand = TxCommand;
    if (trafficLog) trafficLog->reply(link->deviceName(), RxReply, arrivals);
    emit completed();
}

void Transaction::onLinkLost(const QString& reason) {
    if (!waiting) return;
    abort();
    emit failed(reason);
}

// --- the auto pace ---------------------------------------------------------------------------

bool Transaction::startPaced(const QByteArray& command, Step next, int gapMs) {
    if (trafficLog && !trafficLog->command(link->deviceName(), command)) return false;
    step = next;
    inFlight = command;
    got.clear();
    arrivals.clear();
    firstUs = lastUs = -1;
    widestUs = 0;
    late = false;
    gapNow = gapMs;
    quiet->stop();
    link->write(command);
    sinceWrite.start();
    limit->start(linkPace.deadlineMs());
    return true;
}

void Transaction::onBytes() {
    // Between exchanges the bytes stay on the line for the next one to judge; when the first
    // of them came tells how long the unit paused inside its last reply.
    if (step == Step::Idle && strayAtUs < 0) strayAtUs = runClock.nsecsElapsed() / 1000;
    // At the fixed pace the bytes stay where they are until the interval ends; only the time
    // they came is noted, for the log.
    if (step == Step::Fixed) arrivals << double(sinceWrite.nsecsElapsed()) / 1e6;
    if (step == Step::Idle || step == Step::Fixed) return;
    // A reply too long to be read back is ended by the limit; the line keeps the rest.
    if (step != Step::Drain && got.size() >= SerialLink::ReceiveBufferSize) return;
    const QByteArray bytes = link->readArrived();
    if (bytes.isEmpty()) return;
    if (step == Step::Drain) {
        quiet->start(gapNow);
        return;
    }
    const qint64 now = sinceWrite.nsecsElapsed() / 1000;
    if (firstUs < 0) {
        firstUs = now;
        late = now > qint64(linkPace.deadlineMs()) * 1000;
        // However slowly it trickles in, a reply ends within the late limit of its start.
        limit->start(LinkPace::LateLimitMs);
    } else {
        widestUs = qMax(widestUs, double(now - lastUs));
    }
    lastUs = now;
    lastAtUs = runClock.nsecsElapsed() / 1000;
    arrivals << double(now) / 1000;
    got += bytes;
    if (got.size() >= SerialLink::ReceiveBufferSize) return replyTaken();
    if (step == Step::Tail)
        quiet->start(intervalMs);
    else if (got.size() >= LinkPace::minimumLength(inFlight))
        quiet->start(gapNow);
}

void Transaction::onQuiet() {
    if (step == Step::Drain) return afterDrain();
    if (step == Step::Tail) return complete();
    replyTaken();
}

void Transaction::onLimit() {
    if (step == Step::Drain) return afterDrain();  // a line that never goes quiet: go on
    if (step == Step::Tail) return complete();
    // A query that has no answer yet may come from a slow unit; its answer is waited for up
    // to the late limit, since no other command is out to be confused with it. A setting's
    // reply is not, as the verify that goes with a fast write finds whatever it missed.
    const qint64 waited = sinceWrite.elapsed();
    if (firstUs < 0 && inFlight.startsWith('?') && waited < LinkPace::LateLimitMs) {
        limit->start(int(LinkPace::LateLimitMs - waited));
        return;
    }
    replyTaken();
}

void Transaction::replyTaken() {
    quiet->stop();
    limit->stop();
    if (firstUs >= 0) {
        if (late)
            paceNote(device::Text::tr("reply to %1 came late, %2 ms after the command")
                         .arg(commandName(inFlight))
                         .arg(double(firstUs) / 1000, 0, 'f', 1));
        linkPace.learnAnswer(double(firstUs) / 1000);
        linkPace.learnGap(widestUs / 1000);
    }
    if (step == Step::Previous) {
        redone = got;
        if (trafficLog) trafficLog->reply(link->deviceName(), got, arrivals);
        previousEndUs = lastUs >= 0 ? lastAtUs : -1;
        // A command the log did not take is not sent; the procedure sees the log failed.
        if (!startPaced(TxCommand, Step::Current, gapNow)) complete();
        return;
    }
    if (needsRedo()) return;
    if (lastExchange) {
        // Whatever still comes is part of this reply and shows it wrong, rather than
        // leading the next procedure's first reply.
        step = Step::Tail;
        quiet->start(intervalMs);
        limit->start(LinkPace::LateLimitMs);
        return;
    }
    complete();
}

bool Transaction::needsRedo() {
    if (redoing || LinkPace::headFits(inFlight, got)) {
        previousEndUs = lastUs >= 0 ? lastAtUs : -1;
        return false;
    }
    if (trafficLog) trafficLog->reply(link->deviceName(), got, arrivals);
    // The leading bytes came that long after the reply before them was taken as whole.
    if (firstUs >= 0 && previousEndUs >= 0 && !previousCommand.isEmpty())
        linkPace.learnGap(double(lastAtUs - previousEndUs) / 1000 -
                          double(lastUs - firstUs) / 1000);
    const QString why =
        previousCommand.isEmpty()
            ? device::Text::tr("reply to %1 began with bytes from before")
                  .arg(commandName(inFlight))
            : device::Text::tr(
                  "reply to %1 began with bytes from before: the reply to %2 was cut short or "
                  "came late")
                  .arg(commandName(inFlight), commandName(previousCommand));
    startRedo(why);
    return true;
}

void Transaction::startRedo(const QString& why) {
    redoing = true;
    const bool fellBack = linkPace.trouble();
    paceNote(previousCommand.isEmpty()
                 ? device::Text::tr("%1; asking again at a slower pace").arg(why)
                 : device::Text::tr("%1; doing both exchanges again at a slower pace").arg(why));
    if (fellBack)
        paceNote(device::Text::tr(
                     "the unit's replies keep coming out of step; the rest of this procedure "
                     "goes at the fixed pace of %1 ms per exchange")
                     .arg(intervalMs));
    step = Step::Drain;
    gapNow = linkPace.slowGapMs(intervalMs);
    link->readArrived();  // dropped: it cannot be told apart from what follows
    quiet->start(gapNow);
    limit->start(LinkPace::LateLimitMs);
}

void Transaction::afterDrain() {
    quiet->stop();
    limit->stop();
    link->readAll();
    const bool sent = previousCommand.isEmpty()
                          ? startPaced(TxCommand, Step::Current, gapNow)
                          : startPaced(previousCommand, Step::Previous, gapNow);
    if (!sent) return complete();
    redidPrevious = !previousCommand.isEmpty();
}

void Transaction::complete() {
    quiet->stop();
    limit->stop();
    step = Step::Idle;
    waiting = false;
    strayAtUs = -1;
    RxReply = got;
    previousCommand = TxCommand;
    if (trafficLog) trafficLog->reply(link->deviceName(), RxReply, arrivals);
    if (redidPrevious) emit earlierReplyRedone(redone);
    emit completed();
}

void Transaction::paceNote(const QString& text) {
    qCInfo(lcLink).noquote() << link->deviceName() << text;
    logNote(text);
}
