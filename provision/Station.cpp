// SPDX-License-Identifier: GPL-3.0-or-later
#include "Station.h"

#include <algorithm>

#include "DeviceWatcher.h"

namespace provision {

Station::Station(DeviceWatcher& watcher, UnitJob job, int count, QObject* parent)
    : QObject(parent), watcher(watcher), job(std::move(job)), target(count) {
    connect(&watcher, &DeviceWatcher::appeared, this, &Station::onAppeared);
    connect(&watcher, &DeviceWatcher::disappeared, this, &Station::onDisappeared);
}

int Station::running() const {
    return int(std::count_if(table.begin(), table.end(), [](const StationSlot& slot) {
        return slot.phase == StationSlot::Phase::Running;
    }));
}

int Station::slotOf(const QString& port) const {
    for (int i = 0; i < table.size(); ++i)
        if (table[i].port == port) return i;
    return -1;
}

void Station::onAppeared(const QString& path) {
    if (isStopping || isFinished) return;
    const int slot = slotOf(path);
    if (slot < 0) {
        table.append(StationSlot{path, {}, StationSlot::Phase::Running, {}, true, false});
        return startRun(int(table.size()) - 1);
    }
    // Still ending the run of the unit that was unplugged: the new one runs after it.
    table[slot].plugged = true;
    table[slot].pluggedAgain = true;
}

void Station::onDisappeared(const QString& path) {
    const int slot = slotOf(path);
    if (slot < 0) return;
    if (table[slot].phase == StationSlot::Phase::Running) {
        // The run notices the lost line itself and ends; the slot is freed then.
        table[slot].plugged = false;
        table[slot].pluggedAgain = false;
        return;
    }
    table.removeAt(slot);
    emit unplugged(path);
}

void Station::startRun(int slot) {
    StationSlot& entry = table[slot];
    entry.phase = StationSlot::Phase::Running;
    entry.model.clear();
    entry.summary.clear();
    entry.pluggedAgain = false;
    emit started(entry);
    const QString port = entry.port;
    // The job may end at once, from inside this call.
    job(port, [this, port](const UnitOutcome& outcome) { onEnded(port, outcome); });
}

void Station::onEnded(const QString& port, const UnitOutcome& outcome) {
    const int slot = slotOf(port);
    if (isFinished || slot < 0) return;
    StationSlot& entry = table[slot];
    entry.model = outcome.model;
    entry.summary = outcome.summary;
    switch (outcome.kind) {
        case UnitOutcome::Kind::Done:
            entry.phase = StationSlot::Phase::Done;
            ++doneCount;
            break;
        case UnitOutcome::Kind::Differences:
            entry.phase = StationSlot::Phase::Differences;
            ++differingCount;
            break;
        case UnitOutcome::Kind::Failed:
            entry.phase = StationSlot::Phase::Failed;
            ++failedCount;
            break;
    }
    emit ended(entry);
    if (target > 0 && doneCount >= target) isStopping = true;
    if (!entry.plugged) {
        table.removeAt(slot);
        emit unplugged(port);
    } else if (entry.pluggedAgain && !isStopping) {
        startRun(slot);
    }
    checkFinished();
}

void Station::stop() {
    isStopping = true;
    checkFinished();
}

int Station::retryFailed() {
    if (isStopping || isFinished) return 0;
    int count = 0;
    // By index: a run may end at once, but a plugged unit's slot stays where it is.
    for (int slot = 0; slot < table.size(); ++slot) {
        if (table[slot].phase != StationSlot::Phase::Failed || !table[slot].plugged) continue;
        --failedCount;
        ++count;
        startRun(slot);
    }
    return count;
}

void Station::abort(const QString& why) {
    isStopping = true;
    for (StationSlot& entry : table)
        if (entry.phase == StationSlot::Phase::Running) {
            entry.phase = StationSlot::Phase::Failed;
            entry.summary = why;
            ++failedCount;
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
