// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "configfile/ConfigDocument.h"
#include "device/UnitSession.h"
#include "journal/PortIdentity.h"
#include "journal/Reason.h"
#include "provision/RunCode.h"

class TrafficLog;
namespace journal {
class Journal;
}

namespace provision {

// What to do with one unit.
struct RunInput {
    // Backup: the full read alone, kept as a backup record (and file, with a backup folder).
    enum class Mode { Read, Write, Verify, Restore, Backup };
    Mode mode = Mode::Read;
    int intervalMs = 100;
    // Auto: reads and verified writes go at the unit's own pace (see LinkPace). A write that
    // is not verified keeps the fixed pace, as a setting's reply tells nothing the tool can
    // judge; after a verified one, what the unit dropped is sent again at the fixed pace.
    LinkPace::Mode pace = LinkPace::Mode::Fixed;
    TrafficLog* log = nullptr;  // may be shared by several runs; may be null
    // Read: where to save, "{port}" standing for the port's base name; ".json" writes JSON.
    // Empty: the read is not saved, only recorded (the window shows what it read).
    QString outputPattern;
    // Write, restore and verify: the configuration and which values it holds.
    ConfigDocument document;
    QString documentName;  // as the user gave it, for messages
    QString file;          // the file the journal names for a write or verify ("-": stdin)
    bool verifyAfterWrite = false;
    // Verify: the window's Compare with Unit, which checks nothing and so is journaled as a
    // compare, never as a failed verify.
    bool compare = false;
    // Write and restore: read the unit in full first and keep that as a backup record (and,
    // with a backup folder, as DIR/{port}-{UTC time}.json); with changedOnly, send only the
    // settings that differ from it.
    bool backup = false;
    QString backupDir;
    bool changedOnly = false;
    journal::Journal* journal = nullptr;  // each operation is one record; may be null
    // The hardware behind the port, when the caller knows it already. Otherwise each record
    // looks it up, which asks the system for every serial device and takes milliseconds.
    std::optional<journal::PortIdentity> portIdentity;
    QString toolVersion;
    // Restore: the model the record was kept from (empty: not checked); another model ends the
    // run after the backup read, before anything is sent. And the record restored.
    QString expectedModel;
    std::optional<qint64> sourceId;
};

// How one unit's run ended.
struct RunResult {
    QString port;
    RunCode code = Done;
    QString summary;  // "written and verified", "no unit answered", ...
    QString reason;   // why the step it ended in failed, without what that means for the run
    // A failure's reason as the journal keeps it (see journal::Reason); empty otherwise.
    QString reasonCode;
    QString reasonEnglish;
    QStringList differences;  // verify, or write with a read-back
    QString model;            // what the unit said it is
    // What the unit holds (read, verify) or was sent (write, restore), for the journal.
    std::optional<ConfigurationSet> configuration;
    int settingsSent = 0;                    // settings the write sent, the probe aside
    std::optional<ConfigurationSet> backup;  // what the unit held before a write
    QString backupPath;                      // the backup's file, if one was saved
    qint64 durationMs = 0;                   // of the last operation (the backup's is its own)
    // The unit answered the probe, but only about this many milliseconds after it (to the
    // nearest 10), later than the link waits; -1 when it did not answer late.
    int lateMs = -1;
};

// One unit's walk (backup read, phone pre-read, write, read-back, compare, journal), each step
// one procedure of its own session, so the command line, the station and the window drive
// units the same way. Several runs go side by side on one event loop.
class UnitRun : public QObject {
    Q_OBJECT
public:
    UnitRun(const RunInput& input, const QString& port, QObject* parent = nullptr);
    // Drives `session`, which the caller opened and keeps open: the run neither opens nor
    // closes it, and whoever listens to the session sees every step's traffic and values.
    UnitRun(const RunInput& input, UnitSession* session, QObject* parent = nullptr);
    ~UnitRun() override;

    // Resend: the settings a verify found the unit without, again at the fixed pace.
    enum class Step { Backup, PhoneRead, Write, Read, VerifyRead, Resend };
    // The step under way, or the one the run ended in.
    Step currentStep() const { return step; }

    // finished() follows once, possibly from inside start().
    void start();
    // Ctrl-C: ends after the exchange in flight, journaled as interrupted with what was sent.
    void interrupt();
    // A second Ctrl-C: ends at once, journaled alike; finished() follows inside the call.
    void endNow();
    const RunResult& result() const { return outcome; }

    // An interval that reaches a unit answering `lateMs` after each command, with room for the
    // reply itself and for a slower moment.
    static int intervalFor(int lateMs);
    // The file a read of `port` is saved to.
    static QString outputPath(const QString& pattern, const QString& port);

signals:
    // `phase` is for display ("writing", "done", ...); `count` is 0 while a step is starting.
    void progress(const QString& phase, int done, int count);
    // Something worth saying that does not end the run.
    void note(const QString& text);
    void finished();

private:
    void connectSession();
    QString stepName() const;
    void run(Step next);
    void onFinished(UnitSession::Outcome result);
    journal::Reason failureReason(UnitSession::Outcome result) const;
    void startSending();
    QString writtenText(const QString& text) const;
    void finishBackup();
    bool saveBackup();
    void finishVerify();
    void finishVerifyRead();
    void finishRead();
    void finish(RunCode code, const QString& summary);
    void fail(RunCode code, journal::Reason why);

    const RunInput input;
    std::unique_ptr<UnitSession> owned;  // null when the caller lent its session
    UnitSession* session;
    Step step = Step::Read;
    ConfigurationSet sent;  // what a write sends: the file, with 17-32 from the unit if need be
    QString lostReason;
    bool resent = false;
    bool interrupted = false;
    bool ended = false;
    RunResult outcome;
    QElapsedTimer clock;
};

}  // namespace provision
