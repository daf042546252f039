// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <QTime>

#include "device/CommandSet.h"
#include "device/UnitSession.h"
#include "journal/PortIdentity.h"
#include "ui/mainwindow/RunEnd.h"

class TrafficLog;
namespace journal {
class Journal;
}

namespace safety {

// The window's unit: its port, and every operation on it as one engine run on that open port.
// No widgets: the window locks its controls while `running`, shows the values a read brings in
// and reports the end the controller hands over.
class UnitController : public QObject {
    Q_OBJECT

public:
    explicit UnitController(QObject* parent);

    UnitSession* session() const { return port; }
    bool isOpen() const { return port->isOpen(); }
    bool busy() const { return port->busy(); }
    bool transferActive() const { return run || port->busy(); }
    QString deviceName() const { return port->deviceName(); }
    Operation operation() const { return current; }
    QDateTime connectedAt() const { return connectedSince; }
    journal::PortIdentity identity() const { return portIdentity; }
    // What the unit said it is in the last run since Connect; "": no run yet.
    QString unitModel() const { return said; }
    QString lostReason() const { return lostWhy; }
    QTime lostAt() const { return lostWhen; }

    // Opens `device`; false with the session's errorString() when it cannot.
    bool connectTo(const QString& device);
    void disconnectPort();
    // Called when the window is asked to close. False while a run goes on: it then stops after
    // the exchange in flight, and its end says the window is to close.
    bool requestClose();

    // What every run of the window has in common; the caller sets the mode and the values.
    provision::RunInput input(TrafficLog* log, journal::Journal* journal, bool fastLink) const;
    void start(Operation op, const provision::RunInput& input);

signals:
    void running();                         // a run starts: lock the controls
    void stepStarted(const QString& what);  // what the progress window says the run does
    // A read into the window: each value as it arrives.
    void slaveIdRead(int id);
    void enableFlagsRead(const commandset::EnableFlags& flags);
    void phoneNoRead(int k, const QString& text);
    void messageRead(int index, const QString& text);
    // The run is over and deleted. `closing`: the window was asked to close during it.
    void ended(const safety::RunEnd& end, bool closing);

private:
    UnitSession* port = nullptr;  // the port, its transaction and the read or write in progress
    provision::UnitRun* run = nullptr;  // the operation under way; it borrows `port`
    Operation current{};                // None
    UnitSession::Outcome lastOutcome = UnitSession::Outcome::Completed;  // of its last step
    RunEnd asked;  // what the run was to do, for its end
    bool closeAfterRun = false;
    QDateTime connectedSince;  // a read since then is known to be of the unit on the line now
    journal::PortIdentity portIdentity;  // of the port connected to, for the journal
    QString said;                        // the unit's model, from the last probe since Connect
    QString lostWhy;                     // the last line loss: why and when
    QTime lostWhen;

    void forwardReads();
    void onStep();
    void onFinished();
};

}  // namespace safety
