// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

namespace provision {

class DeviceWatcher;

// How one unit's run ended.
struct UnitOutcome {
    enum class Kind { Done, Differences, Failed };
    Kind kind = Kind::Failed;
    QString model;
    QString summary;
};

// One place a unit can be plugged in: the device path and what became of its last run.
struct StationSlot {
    enum class Phase { Running, Done, Differences, Failed };
    QString port;
    QString model;
    Phase phase = Phase::Running;
    QString summary;
    bool plugged = true;
    bool pluggedAgain = false;  // unplugged and back while its run was still ending
};

// A provisioning station: every device the watcher reports gets one run of the unit job; a
// device that stays plugged is not run again, and unplugging frees its slot so plugging in
// again runs again. It ends after `count` units succeeded (0: never), or when asked to stop
// once nothing runs any more.
class Station : public QObject {
    Q_OBJECT
public:
    // Starts one unit's run on `port`; `ended` is to be called once, possibly at once. The
    // station never runs two jobs on one port.
    using UnitJob = std::function<void(const QString& port, std::function<void(UnitOutcome)>)>;

    Station(DeviceWatcher& watcher, UnitJob job, int count, QObject* parent = nullptr);

    const QList<StationSlot>& slotList() const { return table; }
    int done() const { return doneCount; }
    int failed() const { return failedCount; }
    int differing() const { return differingCount; }
    int running() const;
    bool stopping() const { return isStopping; }

    // The first interruption: no new unit starts, the running ones finish.
    void stop();
    // The second: ends now; runs still going are counted as failed, for `why`.
    void abort(const QString& why);
    // Runs again every unit whose run failed and that is still plugged in; its failure no
    // longer counts. Returns how many; none once stopping.
    int retryFailed();

signals:
    void started(const provision::StationSlot& slot);
    void ended(const provision::StationSlot& slot);
    void unplugged(const QString& port);
    void finished();

private slots:
    void onAppeared(const QString& path);
    void onDisappeared(const QString& path);

private:
    int slotOf(const QString& port) const;
    void startRun(int slot);
    void onEnded(const QString& port, const UnitOutcome& outcome);
    void checkFinished();

    DeviceWatcher& watcher;
    UnitJob job;
    int target;
    QList<StationSlot> table;
    int doneCount = 0, failedCount = 0, differingCount = 0;
    bool isStopping = false;
    bool isFinished = false;
};

}  // namespace provision
