// SPDX-License-Identifier: GPL-3.0-or-later
#include "provision/UnitRun.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "configfile/ConfigFile.h"
#include "configfile/ConfigJson.h"
#include "device/TrafficLog.h"
#include "journal/Journal.h"
#include "provision/RunRecord.h"
#include "provision/Text.h"

namespace provision {

namespace {

using journal::Reason;

constexpr int ClassicPhones = 16;

// A lateness as the user is told it: to the nearest 10 ms, as the timing is no finer.
int roundedLate(int ms) {
    return qMax(10, (ms + 5) / 10 * 10);
}

bool saveJson(const QString& path, const ConfigurationSet& set, QString* error) {
    return configfile::saveBytes(path, configjson::serialize(set), error);
}

}  // namespace

UnitRun::UnitRun(const RunInput& input, const QString& port, QObject* parent)
    : QObject(parent), input(input), owned(new UnitSession), session(owned.get()) {
    outcome.port = port;
}

UnitRun::UnitRun(const RunInput& input, UnitSession* session, QObject* parent)
    : QObject(parent), input(input), session(session) {
    outcome.port = session->deviceName();
}

UnitRun::~UnitRun() = default;

int UnitRun::intervalFor(int lateMs) {
    constexpr int Step = 50;
    return (qMax(0, lateMs) * 3 / 2 + Step - 1) / Step * Step;
}

QString UnitRun::outputPath(const QString& pattern, const QString& port) {
    QString path = pattern;
    return path.replace(QStringLiteral("{port}"), QFileInfo(port).fileName());
}

void UnitRun::start() {
    clock.start();
    const bool sends = input.mode == RunInput::Mode::Write || input.mode == RunInput::Mode::Restore;
    if (sends) {
        // Written, such a text could never be read back, backed up or verified; and what is
        // left of its reply would spoil the next read of the unit.
        const QString why =
            DeviceProcedure::unreadableText(input.document.set, input.document.phoneCount);
        if (!why.isEmpty()) {
            step = Step::Write;
            return fail(FileFailed, Reason::text(Text::tr("%1; nothing was sent").arg(why)));
        }
    }
    if (owned && !session->open(outcome.port))
        return fail(PortFailed, Reason::of("cannot-open", {session->errorString()}));
    if (!session->isOpen() || session->busy()) return fail(PortFailed, Reason::of("port-busy"));
    session->setInterval(input.intervalMs);
    session->setTrafficLog(input.log);
    connectSession();

    switch (input.mode) {
        case RunInput::Mode::Read:
        case RunInput::Mode::Verify:
            return run(Step::Read);
        case RunInput::Mode::Write:
        case RunInput::Mode::Restore:
            sent = input.document.set;
            if (input.backup) return run(Step::Backup);
            return startSending();
        case RunInput::Mode::Backup:
            return run(Step::Backup);
    }
}

void UnitRun::interrupt() {
    if (ended) return;
    interrupted = true;
    session->stop();
}

void UnitRun::endNow() {
    if (ended) return;
    interrupted = true;
    session->stop();
    fail(NoUnit, failureReason(UnitSession::Outcome::Stopped));
}

void UnitRun::startSending() {
    if (!input.document.holdsAllPhones()) {
        // Writing all 32 slots from a file with 16 would clear the others.
        emit note(Text::tr("%1: phone numbers 17-32 are not in %2; keeping the unit's")
                      .arg(outcome.port, input.documentName));
        if (!outcome.backup) return run(Step::PhoneRead);
        for (int k = input.document.phoneCount; k < ConfigurationSet::PhoneCount; ++k)
            sent.phoneNo[k] = outcome.backup->phoneNo[k];
    }
    run(Step::Write);
}

void UnitRun::connectSession() {
    UnitSession* s = session;
    connect(s, &UnitSession::probeAccepted, this,
            [this](const QString& model) { outcome.model = model; });
    connect(s, &UnitSession::lost, this, [this](const QString& reason) { lostReason = reason; });
    connect(s, &UnitSession::progress, this, [this] {
        emit progress(stepName(), session->exchangesDone(), session->exchangeCount());
    });
    connect(s, &UnitSession::finished, this, &UnitRun::onFinished);
}

QString UnitRun::stepName() const {
    switch (step) {
        case Step::Backup:
            return Text::tr("backing up");
        case Step::PhoneRead:
            return Text::tr("reading phones 17-32");
        case Step::Write:
            return input.changedOnly ? Text::tr("writing changes") : Text::tr("writing");
        case Step::Read:
            return input.mode == RunInput::Mode::Verify ? Text::tr("verifying")
                                                        : Text::tr("reading");
        case Step::VerifyRead:
            break;
        case Step::Resend:
            return Text::tr("sending again");
    }
    return Text::tr("reading back");
}

void UnitRun::run(Step next) {
    step = next;
    emit progress(stepName(), 0, 0);
    const bool fixedWrite =
        (next == Step::Write && !input.verifyAfterWrite) || next == Step::Resend;
    session->setPace(fixedWrite ? LinkPace::Mode::Fixed : input.pace);
    switch (next) {
        case Step::Resend:
            session->startChangedWrite(sent, session->configuration());
            break;
        case Step::PhoneRead:
            session->startPhoneRead(ClassicPhones, ConfigurationSet::PhoneCount - ClassicPhones,
                                    sent);
            break;
        case Step::Write:
            outcome.configuration = sent;
            if (input.changedOnly && outcome.backup)
                session->startChangedWrite(sent, *outcome.backup);
            else
                session->startWrite(sent);
            break;
        case Step::Backup:
        case Step::Read:
        case Step::VerifyRead:
            session->startRead();
            break;
    }
}

Reason UnitRun::failureReason(UnitSession::Outcome result) const {
    if (interrupted && result == UnitSession::Outcome::Stopped) {
        if (step == Step::Write) return Reason::of("interrupted-write");
        const bool writes =
            input.mode == RunInput::Mode::Write || input.mode == RunInput::Mode::Restore;
        return Reason::of(writes ? "interrupted-unwritten" : "interrupted");
    }
    Reason why = Reason::of("stopped");
    if (result == UnitSession::Outcome::ProbeFailed && outcome.lateMs >= 0)
        why = Reason::of("late-unit",
                         {QString::number(outcome.lateMs), QString::number(input.intervalMs)});
    else if (result == UnitSession::Outcome::ProbeFailed)
        why = Reason::of(step == Step::Write ? "no-unit-probe" : "no-unit");
    else if (result == UnitSession::Outcome::LinkLost)
        why = lostReason.isEmpty() ? Reason::of("line-lost")
                                   : Reason::of("line-lost-why", {lostReason});
    else if (result == UnitSession::Outcome::LogFailed)
        why = Reason::of("log-failed", {input.log ? input.log->errorString() : QString()});
    // Only settings change the unit; with none sent, the unit is as it was.
    if (step == Step::Write)
        return why.then(Reason::of(session->exchangesDone() == 0 ? "unwritten" : "during-write"));
    return why;
}

void UnitRun::onFinished(UnitSession::Outcome result) {
    const int late = session->lateReplyMs();
    outcome.lateMs = late >= 0 ? roundedLate(late) : -1;
    if (result == UnitSession::Outcome::LogFailed) return fail(FileFailed, failureReason(result));
    if (result != UnitSession::Outcome::Completed) return fail(NoUnit, failureReason(result));
    // A late reply shifts every later value by one, and a reply not of its item's form would
    // be taken for a value the unit never had: what such a read brought in is neither saved,
    // nor compared, nor written back.
    if (step != Step::Write && session->slippedReplies() > 0)
        return fail(NoUnit, Reason::text(session->firstSlip()));
    switch (step) {
        case Step::Backup:
            return finishBackup();
        case Step::PhoneRead:
            sent = session->configuration();
            return run(Step::Write);
        case Step::Write:
            outcome.settingsSent = session->exchangesDone() - 1;  // the probe sets nothing
            if (input.verifyAfterWrite) return run(Step::VerifyRead);
            return finish(Done, writtenText(Text::tr("written")));
        case Step::VerifyRead:
            return finishVerifyRead();
        case Step::Resend:
            return run(Step::VerifyRead);
        case Step::Read:
            break;
    }
    if (input.mode == RunInput::Mode::Verify) return finishVerify();
    finishRead();
}

QString UnitRun::writtenText(const QString& text) const {
    if (!input.changedOnly) return text;
    // Out of a fixed total, so the text reads right for any count.
    return Text::tr("%1, %2 of %3 settings sent (the others were as wanted)")
        .arg(text, QString::number(outcome.settingsSent),
             QString::number(DeviceProcedure::ExchangeCount - 1));
}

void UnitRun::finishVerifyRead() {
    outcome.differences = differences(sent, session->configuration());
    if (outcome.differences.isEmpty())
        return finish(Done, writtenText(Text::tr("written and verified")));
    // Settings sent at the unit's pace may arrive while it still stores the one before; those
    // it dropped go again, one interval each, and are read back once more.
    if (input.pace == LinkPace::Mode::Auto && !resent) {
        resent = true;
        emit note(Text::tr("%1: %2 settings did not take at the fast pace; sending them again "
                           "at the fixed pace")
                      .arg(outcome.port)
                      .arg(outcome.differences.size()));
        return run(Step::Resend);
    }
    finish(Differences,
           Text::tr("written, but %1 differ on reading back").arg(outcome.differences.size()));
}

void UnitRun::finishBackup() {
    outcome.backup = session->configuration();
    if (!input.expectedModel.isEmpty() && outcome.model != input.expectedModel)
        return fail(Usage, Reason::of("other-model", {outcome.model, input.expectedModel}));
    if (!input.backupDir.isEmpty() && !saveBackup()) return;
    if (input.mode == RunInput::Mode::Backup) return finish(Done, Text::tr("backed up"));
    outcome.durationMs = clock.elapsed();
    if (input.journal) input.journal->append(backupRecord(input, outcome));
    clock.restart();  // the write's record times the write alone
    startSending();
}

bool UnitRun::saveBackup() {
    // No colons, so the name is valid on every system.
    const QString time =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z'"));
    const QString path =
        QDir(input.backupDir)
            .filePath(QStringLiteral("%1-%2.json").arg(QFileInfo(outcome.port).fileName(), time));
    QString error;
    if (saveJson(path, *outcome.backup, &error)) {
        outcome.backupPath = path;
        return true;
    }
    fail(FileFailed, Reason::of("backup-not-saved", {path, error}));
    return false;
}

void UnitRun::finishVerify() {
    outcome.configuration = session->configuration();
    outcome.differences =
        differences(input.document.set, session->configuration(), input.document.phoneCount);
    if (outcome.differences.isEmpty()) return finish(Done, Text::tr("equal"));
    finish(Differences, Text::tr("%1 differences").arg(outcome.differences.size()));
}

void UnitRun::finishRead() {
    outcome.configuration = session->configuration();
    if (input.outputPattern.isEmpty()) return finish(Done, Text::tr("read"));
    const QString path = outputPath(input.outputPattern, outcome.port);
    QString error;
    const bool saved = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)
                           ? saveJson(path, session->configuration(), &error)
                           : configfile::save(path, session->configuration(), &error);
    if (!saved) return fail(FileFailed, Reason::of("not-saved", {path, error}));
    finish(Done, Text::tr("read, saved to %1").arg(path));
}

// A failure: said in the tool's language, journaled by code and in English.
void UnitRun::fail(RunCode code, Reason why) {
    if (ended) return;
    outcome.reason = why.shown;  // what the step met, before what it means for the run
    if (step == Step::Backup && code == NoUnit && input.mode != RunInput::Mode::Backup &&
        !interrupted)
        why = Reason::of("backup-failed").then(why).then(Reason::of("unwritten"));
    if (step == Step::VerifyRead && code == NoUnit && !interrupted)
        why = Reason::of("verify-failed").then(why).then(Reason::of("verify-failed-after"));
    outcome.reasonCode = why.code;
    outcome.reasonEnglish = why.english;
    finish(code, why.shown);
}

void UnitRun::finish(RunCode code, const QString& summary) {
    if (ended) return;  // a run ended at once may still hear from its session
    ended = true;
    // A write cut short: the journal says how far it got, the exchange in flight included,
    // since the unit may have taken it.
    if (code != Done && step == Step::Write) outcome.settingsSent = session->exchangesDone();
    outcome.code = code;
    outcome.summary = summary;
    if (code != Done && outcome.reason.isEmpty()) outcome.reason = summary;
    outcome.durationMs = clock.elapsed();
    if (owned) session->close();
    emit progress(code == Done ? Text::tr("done") : Text::tr("failed"), session->exchangesDone(),
                  session->exchangeCount());
    if (input.journal)
        input.journal->append(step == Step::Backup ? backupRecord(input, outcome)
                                                   : runRecord(input, outcome));
    emit finished();
}

}  // namespace provision
