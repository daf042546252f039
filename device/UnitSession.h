// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include "core/ConfigurationSet.h"
#include "device/CommandSet.h"
#include "device/DeviceProcedure.h"
#include "device/LinkPace.h"

class QTimer;
class SerialLink;
class TrafficLog;
class Transaction;

// One unit on one serial line: opens the port and runs one read or write at a time, gathering
// what a read brings in as a ConfigurationSet. It has no widgets, so the window and the
// command-line tool drive units through the same code; each session has its own link and
// timer, so several run side by side on one event loop.
class UnitSession : public QObject {
    Q_OBJECT
public:
    using Kind = DeviceProcedure::Kind;
    using Outcome = DeviceProcedure::Outcome;
    using Item = DeviceProcedure::Item;

    explicit UnitSession(QObject* parent = nullptr);
    ~UnitSession() override;

    // On failure returns false, leaves the port closed and sets errorString(). Whatever the
    // line held from before is dropped, as it is again before each procedure's probe.
    bool open(const QString& deviceName);
    void close();
    bool isOpen() const;
    QString deviceName() const;
    QString errorString() const;

    // Interval of one command transaction; 100 ms for the unit, shorter in tests.
    void setInterval(int ms);
    int interval() const;
    void setTrafficLog(TrafficLog* log);  // not owned; null stops logging
    // Fixed (the default) or auto; see LinkPace. What auto learns stays until the port closes.
    void setPace(LinkPace::Mode mode);
    LinkPace::Mode pace() const;

    // Each start returns false, and does nothing, while another procedure runs. The outcome
    // follows through finished(); with no open line that happens inside the call.
    bool startRead(const ConfigurationSet& base = {});
    // Reads phone slots first..first+count-1 only, laid over `base`.
    bool startPhoneRead(int first, int count, const ConfigurationSet& base);
    bool startWrite(const ConfigurationSet& set);
    // Sends only the settings of `set` that differ from `held`, what the unit is known to hold.
    bool startChangedWrite(const ConfigurationSet& set, const ConfigurationSet& held);
    // Ends the procedure after the exchange in flight.
    void stop();

    bool busy() const { return procedure != nullptr || watching; }
    Kind kind() const { return lastKind; }
    // What the last read gathered, laid over its base; whole only after Outcome::Completed.
    const ConfigurationSet& configuration() const { return gathered; }
    // Slave ID and flags replies of the last read that could not be taken apart.
    int rejectedReplies() const { return rejected; }
    // Replies of the last read that answered another query, or whose fields were not what
    // their item holds, and the first of them in words ("reply to ?P06 was for P05: the unit
    // answered late"). What a slipped reply held was reported all the same; a read that saves
    // or compares must not trust it.
    int slippedReplies() const { return slipped; }
    QString firstSlip() const { return firstSlipText; }
    int exchangesDone() const;
    int exchangeCount() const;
    // When the last procedure's probe got nothing within its interval, the line is watched a
    // while longer: a probe reply that comes then means the unit answers late, by about this
    // many milliseconds after the command. -1 when it answered in time or not at all.
    int lateReplyMs() const { return lateMs; }
    // The progress bar's value after `done` exchanges of the running procedure, from
    // progress(); see DeviceProcedure::progressAfter().
    float shownProgress(int done) const;

signals:
    void probeAccepted(const QString& modelText);
    void slaveIdRead(int id);
    void enableFlagsRead(const commandset::EnableFlags& flags);
    void phoneNoRead(int slot, const QString& text);
    void messageRead(int index, const QString& text);
    void settingReplied(const QString& reply);
    void progress(int done, int count);
    void finished(UnitSession::Outcome outcome);
    // The line failed and the port is closed, inside a procedure or not.
    void lost(const QString& reason);

private:
    bool start(Kind kind, std::vector<DeviceProcedure::Exchange> exchanges);
    void onFinished(Outcome outcome);
    void checkLastReply(const DeviceProcedure& done);
    void watchForLateProbe();
    void endWatch();

    SerialLink* serialLink = nullptr;
    Transaction* trans = nullptr;
    DeviceProcedure* procedure = nullptr;
    Kind lastKind = Kind::Read;
    ConfigurationSet gathered;
    int rejected = 0;
    int slipped = 0;
    QString firstSlipText;
    int lastDone = 0;
    int lastCount = 0;
    QElapsedTimer sinceProbe;
    QTimer* lateWatch = nullptr;
    bool watching = false;
    int lateMs = -1;
};
