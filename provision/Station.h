// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

#include "journal/Outcome.h"

namespace provision {

class DeviceWatcher;

// How one unit's run ended.
struct UnitOutcome {
    journal::Outcome outcome = journal::Outcome::Failed;
    QString model;
    QString summary;  // in a technician's words ("the unit stopped answering at phone 5 ...")
    QString detail;   // the same with what went over the line, for a tooltip; may be empty
};

// One place a unit can be plugged in: the device path and what became of its last run.
struct StationSlot {
    // Waiting: plugged in, but --count is reached by the units done and running; it runs
    // only if one of those fails. Ended: `outcome` says how.
    enum class Phase { Waiting, Running, Ended };
    QString port;
    QString model;
    Phase phase = Phase::Running;
    journal::Outcome outcome = journal::Outcome::Failed;
    QString summary;
    QString detail;
    QString given;    // the sheet row and slave ID this unit was given ("units.csv line 3, ...")
    QString earlier;  // why this unit's run before the one shown was cut short, if it was
    bool plugged = true;
    bool pluggedAgain = false;  // unplugged and back while its run was still going
};

// A provisioning station: every device the watcher reports gets one run of the unit job; a
// device that stays plugged is not run again. It counts units, not runs: a unit's last
// result stands, so a failed unit run again (Retry Failed, or plugged into its port again)
// counts once, by how its new run ends. A failed or differing unit keeps its row, unplugged
// or not, until it is acknowledged or run again. A device that goes and comes back while its
// run is still going is the same unit: a run that ended well over the unbroken line stands,
// one cut short runs again. It ends after `count` units are done (0: never), never running
// more than that many minus those done, or when asked to stop once nothing runs any more.
class Station : public QObject {
    Q_OBJECT
public:
    // Starts one unit's run on `port`; `ended` is to be called once, possibly at once. The
    // station never runs two jobs on one port.
    using UnitJob = std::function<void(const QString& port, std::function<void(UnitOutcome)>)>;

    Station(DeviceWatcher& watcher, UnitJob job, int count, QObject* parent = nullptr);

    const QList<StationSlot>& slotList() const { return table; }
    const StationSlot* slotFor(const QString& port) const;
    int done() const { return doneCount; }
    int failed() const;
    int differing() const;
    int running() const;
    int waiting() const;
    bool stopping() const { return isStopping; }

    // The first interruption: no new unit starts, the running ones finish.
    void stop();
    // The second: ends now; runs still going are counted as failed, for `why`.
    void abort(const QString& why);
    // Runs again every unit whose run failed and that is still plugged in, as far as the
    // count allows; its failure no longer counts. Returns how many; none once stopping.
    int retryFailed();
    // The technician has seen this failed or differing unit: its row goes. It still counts.
    bool acknowledge(const QString& port);
    // Acknowledges every failed or differing unit that was unplugged; returns how many.
    int acknowledgeUnplugged();

public slots:
    // What the unit on `port` is given, once its run knows it.
    void setGiven(const QString& port, const QString& given);
    // What the unit on `port` says it is, as soon as it has answered.
    void setModel(const QString& port, const QString& model);

signals:
    void started(const provision::StationSlot& slot);
    void ended(const provision::StationSlot& slot);
    void changed(const provision::StationSlot& slot);  // waiting, unplugged, given, model
    void unplugged(const QString& port);               // the device went
    void removed(const QString& port);                 // and its row with it
    void finished();

private slots:
    void onAppeared(const QString& path);
    void onDisappeared(const QString& path);

private:
    int slotOf(const QString& port) const;
    int countOf(StationSlot::Phase phase) const;
    int countEnded(bool (*which)(journal::Outcome)) const;
    bool mayStart() const;
    void startOrWait(int slot);
    void startRun(int slot);
    void startWaiting();
    void onEnded(const QString& port, const UnitOutcome& outcome);
    void afterEnd(int slot);
    void removeSlot(int slot);
    void checkFinished();

    DeviceWatcher& watcher;
    UnitJob job;
    int target;
    QList<StationSlot> table;
    int doneCount = 0;
    int acknowledgedFailed = 0, acknowledgedDiffering = 0;
    bool isStopping = false;
    bool isFinished = false;
};

}  // namespace provision
