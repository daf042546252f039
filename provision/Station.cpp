// SPDX-License-Identifier: GPL-3.0-or-later
#include "provision/Station.h"

#include <QStringList>
#include <algorithm>

#include "provision/DeviceWatcher.h"

namespace provision {

namespace {

using Phase = StationSlot::Phase;

// A result that needs the technician: kept until acknowledged or run again.
bool needsLook(const StationSlot& slot) {
    return slot.phase == Phase::Ended && slot.outcome != journal::Outcome::Done;
}

bool differs(journal::Outcome outcome) {
    return outcome == journal::Outcome::Differences;
}

}  // namespace

Station::Station(DeviceWatcher& watcher, UnitJob job, int count, QObject* parent)
    : QObject(parent), watcher(watcher), job(std::move(job)), target(count) {
    connect(&watcher, &DeviceWatcher::appeared, this, &Station::onAppeared);
    connect(&watcher, &DeviceWatcher::disappeared, this, &Station::onDisappeared);
}

int Station::countOf(Phase phase) const {
    return int(std::count_if(table.begin(), table.end(),
                             [phase](const StationSlot& slot) { return slot.phase == phase; }));
}

int Station::countEnded(bool (*which)(journal::Outcome)) const {
    return int(std::count_if(table.begin(), table.end(), [which](const StationSlot& slot) {
        return slot.phase == Phase::Ended && which(slot.outcome);
    }));
}

int Station::running() const {
    return countOf(Phase::Running);
}

int Station::waiting() const {
    return countOf(Phase::Waiting);
}

int Station::failed() const {
    return countEnded(journal::endedBadly) + acknowledgedFailed;
}

int Station::differing() const {
    return countEnded(differs) + acknowledgedDiffering;
}

int Station::slotOf(const QString& port) const {
    for (int i = 0; i < table.size(); ++i)
        if (table[i].port == port) return i;
    return -1;
}

const StationSlot* Station::slotFor(const QString& port) const {
    const int slot = slotOf(port);
    return slot < 0 ? nullptr : &table[slot];
}

// Never more runs than the units still wanted, so a crowd plugged in at once is not all
// written when a few were asked for.
bool Station::mayStart() const {
    return !isStopping && !isFinished && (target <= 0 || doneCount + running() < target);
}

void Station::onAppeared(const QString& path) {
    if (isFinished) return;
    const int slot = slotOf(path);
    if (slot >= 0) {
        // Back in the same port: while its run goes on, the same unit (decided when it
        // ends); after a failure, the unit run again.
        table[slot].plugged = true;
        table[slot].pluggedAgain = true;
        if (table[slot].phase != Phase::Running) startWaiting();
        return;
    }
    if (isStopping) return;
    table.append(StationSlot{path, {}, Phase::Waiting, {}, {}, {}, {}, {}, true, false});
    if (mayStart()) return startRun(int(table.size()) - 1);
    emit changed(table.last());
}

void Station::onDisappeared(const QString& path) {
    const int slot = slotOf(path);
    if (slot < 0) return;
    StationSlot& entry = table[slot];
    entry.plugged = false;
    entry.pluggedAgain = false;
    emit unplugged(path);
    // A running unit's run notices the lost line itself; a failed one stays listed.
    if (entry.phase == Phase::Running) return;
    if (needsLook(entry)) return emit changed(entry);
    removeSlot(slot);
}

void Station::removeSlot(int slot) {
    const QString port = table[slot].port;
    table.removeAt(slot);
    emit removed(port);
}

void Station::startRun(int slot) {
    StationSlot& entry = table[slot];
    entry.earlier = needsLook(entry) ? entry.summary : QString();
    entry.phase = Phase::Running;
    entry.model.clear();
    entry.summary.clear();
    entry.detail.clear();
    entry.given.clear();
    entry.pluggedAgain = false;
    emit started(entry);
    const QString port = entry.port;
    // The job may end at once, from inside this call.
    job(port, [this, port](const UnitOutcome& outcome) { onEnded(port, outcome); });
}

// Runs what waits, in the order of the table, as far as the count allows: units plugged in
// while it was reached, and failed ones plugged in again or asked to retry.
void Station::startWaiting() {
    while (mayStart()) {
        const auto next = std::find_if(table.begin(), table.end(), [](const StationSlot& s) {
            return s.plugged && (s.phase == Phase::Waiting || (needsLook(s) && s.pluggedAgain));
        });
        if (next == table.end()) return;
        startRun(int(next - table.begin()));
    }
}

void Station::setGiven(const QString& port, const QString& given) {
    const int slot = slotOf(port);
    if (slot < 0) return;
    table[slot].given = given;
    emit changed(table[slot]);
}

void Station::setModel(const QString& port, const QString& model) {
    const int slot = slotOf(port);
    if (slot < 0 || table[slot].model == model) return;
    table[slot].model = model;
    emit changed(table[slot]);
}

void Station::onEnded(const QString& port, const UnitOutcome& outcome) {
    const int slot = slotOf(port);
    if (isFinished || slot < 0 || table[slot].phase != Phase::Running) return;
    StationSlot& entry = table[slot];
    entry.model = outcome.model;
    entry.summary = outcome.summary;
    entry.detail = outcome.detail;
    entry.phase = Phase::Ended;
    entry.outcome = outcome.outcome;
    if (entry.outcome == journal::Outcome::Done) ++doneCount;
    emit ended(entry);
    if (target > 0 && doneCount >= target) isStopping = true;
    afterEnd(slot);
    startWaiting();
    checkFinished();
}

void Station::afterEnd(int slot) {
    StationSlot& entry = table[slot];
    if (needsLook(entry)) return;  // kept; run again if it came back (startWaiting)
    // Done over a line that never broke: whatever went and came back meanwhile is this unit.
    entry.pluggedAgain = false;
    if (!entry.plugged) removeSlot(slot);
}

void Station::stop() {
    isStopping = true;
    checkFinished();
}

int Station::retryFailed() {
    if (isStopping || isFinished) return 0;
    int count = 0;
    for (StationSlot& entry : table)
        if (needsLook(entry) && journal::endedBadly(entry.outcome) && entry.plugged) {
            entry.pluggedAgain = true;
            ++count;
        }
    startWaiting();
    return count;
}

bool Station::acknowledge(const QString& port) {
    const int slot = slotOf(port);
    if (slot < 0 || !needsLook(table[slot])) return false;
    ++(journal::endedBadly(table[slot].outcome) ? acknowledgedFailed : acknowledgedDiffering);
    removeSlot(slot);
    return true;
}

int Station::acknowledgeUnplugged() {
    QStringList seen;
    for (const StationSlot& entry : std::as_const(table))
        if (needsLook(entry) && !entry.plugged) seen << entry.port;
    for (const QString& port : std::as_const(seen))
        acknowledge(port);
    return int(seen.size());
}

void Station::abort(const QString& why) {
    isStopping = true;
    for (StationSlot& entry : table)
        if (entry.phase == Phase::Running) {
            entry.phase = Phase::Ended;
            entry.outcome = journal::Outcome::Interrupted;
            entry.summary = why;
            entry.detail.clear();
            emit ended(entry);
        }
    checkFinished();
}

void Station::checkFinished() {
    if (isFinished || !isStopping || running() > 0) return;
    isFinished = true;
    watcher.stop();
    emit finished();
}

}  // namespace provision
