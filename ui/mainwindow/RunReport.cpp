// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/RunReport.h"

#include <QLocale>

#include "core/Escape.h"

namespace safety {

using Outcome = UnitSession::Outcome;
using Step = provision::UnitRun::Step;

namespace {

// A restore sends a record's configuration as a write sends the window's, and ends as one.
bool sends(Operation op) {
    return op == Operation::Write || op == Operation::Restore;
}

// The backup read itself failed. A restore refused after a good backup (the unit is of another
// model than the record's) ends in the backup step too, but its backup is not at fault.
bool backupFailed(const RunEnd& end) {
    return sends(end.op) && end.step == Step::Backup && end.result.code != provision::Usage;
}

}  // namespace

bool RunReport::readRefused(const RunEnd& end) {
    return end.op == Operation::Read &&
           (end.last == Outcome::ProbeFailed ||
            (end.last == Outcome::Completed && end.result.code != provision::Done));
}

QString RunReport::closeQuestion(bool writing) {
    // A backup, a verify or a read-back changes neither the unit nor the window, and a read's
    // window closes with it: only a write leaves something behind.
    if (writing)
        return tr(
            "A write is running. A write cut short leaves the unit half-written: part old, "
            "part new configuration.");
    return tr("The unit is being read. Closing stops the read; the unit stays as it is.");
}

bool RunReport::unreachable() const {
    return end.last == Outcome::ProbeFailed || end.last == Outcome::LinkLost;
}

QString RunReport::statusText() const {
    const QString& why = end.result.summary;
    const bool whole = end.last == Outcome::Completed;
    switch (end.op) {
        case Operation::Read:
            // A read that brought nothing the window may show says why, as the box does.
            if (whole && end.result.code == provision::Done) return tr("Read complete.");
            if (whole || end.last == Outcome::ProbeFailed)
                return tr("The unit could not be read: %1").arg(why);
            return tr("Read stopped after %1 of %2 exchanges.").arg(end.done).arg(end.count);
        case Operation::Write:
        case Operation::Restore:
            return writeText();
        case Operation::Backup:
            return end.result.code == provision::Done
                       ? tr("The unit's configuration is kept in the journal.")
                       : tr("The backup failed: %1").arg(why);
        case Operation::Verify:
        case Operation::CompareUnit:
        case Operation::None:
            break;
    }
    return checkedText();
}

QString RunReport::writeText() const {
    // The engine's summary of a failed backup ends in "nothing was written" already; its
    // reason is what the backup met.
    if (backupFailed(end))
        return tr("Nothing was written: the unit could not be backed up (%1).")
            .arg(end.result.reason);
    // Only settings change the unit: with none sent (no unit answered the probe, or the unit
    // refused after its backup), the summary says that nothing was written.
    if (end.step == Step::Backup ||
        (end.step == Step::Write && end.done == 0 && end.last != Outcome::Completed))
        return tr("Write failed: %1").arg(end.result.summary);
    if (end.step == Step::Write && end.last != Outcome::Completed)
        return tr("Write stopped after %1 of %2 exchanges: the unit is half-written; write "
                  "again.")
            .arg(end.done)
            .arg(end.count);
    const QString written = end.step == Step::VerifyRead ? checkedText()
                            : end.verifyAsked
                                ? tr("Written, not read back.")
                                : tr("Written, not read back: Verify After Writing is off.");
    const QString kept = keptText();
    return kept.isEmpty() ? written : written + QLatin1Char(' ') + kept;
}

QString RunReport::keptText() const {
    // A journal reports each kind of failure once, so a backup after the first one may be lost
    // without a word of its own.
    if (end.result.backup)
        return context.journalWarned ? tr("The journal is not working (see the status bar): "
                                          "the unit's previous configuration may not be kept.")
                                     : tr("The unit's previous configuration is in the journal.");
    if (end.backupAsked) return {};
    if (!context.journalOn) return tr("No backup was kept, as the journal is off.");
    if (!context.backUpBefore) return tr("No backup was kept, as Back Up Before Writing is off.");
    // Asked for but not taken: the window held a whole read of this unit since Connect.
    return tr(
        "The unit's previous configuration is in the journal, from the read since "
        "Connect.");
}

// The outcome of a read that compares the unit with the window, alone or after a write.
QString RunReport::checkedText() const {
    const bool written = sends(end.op);
    switch (end.result.code) {
        case provision::Done:
            return written ? tr("Written and verified.")
                           : tr("The unit holds what the window shows.");
        case provision::Differences:
            return written ? tr("Written, but values differ on reading back: %n.", nullptr,
                                int(end.result.differences.size()))
                           : tr("Values that differ between %1 and the window: %n.", nullptr,
                                int(end.result.differences.size()))
                                 .arg(unitPhrase());
        default:
            break;
    }
    if (!written) return tr("The unit could not be read: %1").arg(end.result.summary);
    // The engine says the write went through and what to do; the check is a menu command here.
    return tr("Written, but reading back failed: %1. Use Verify Unit against Window to know "
              "what the unit holds.")
        .arg(end.result.reason);
}

RunReport::Box RunReport::box() const {
    if (backupFailed(end)) return Box::BackupFailed;
    if (end.last == Outcome::LogFailed) return Box::LogFailed;
    if (unreachable()) return Box::Communication;
    if (end.op == Operation::Read)  // a good read shows in the window and the status bar
        return end.result.code != provision::Done ? Box::RefusedRead : Box::None;
    const bool checked =
        end.op != Operation::Backup && (!sends(end.op) || end.step == Step::VerifyRead);
    // A compare lists what it found, even nothing; a verify only what differs.
    const bool listed = end.op == Operation::CompareUnit
                            ? end.result.code <= provision::Differences
                            : checked && end.result.code == provision::Differences;
    if (listed) return Box::Differences;
    if (!checked && end.result.code == provision::Done) return Box::None;  // the status bar
    return Box::Result;
}

QString RunReport::boxName() const {
    switch (box()) {
        case Box::BackupFailed:
            return QStringLiteral("backupFailed");
        case Box::Communication:
            return QStringLiteral("communicationError");
        case Box::RefusedRead:
            return QStringLiteral("readRefused");
        case Box::Result:
            return QStringLiteral("runResult");
        default:
            return {};
    }
}

QString RunReport::title() const {
    switch (box()) {
        case Box::BackupFailed:
            return tr("Write to Device");
        case Box::LogFailed:
        case Box::Communication:
            return tr("Communication Error");
        case Box::RefusedRead:
            return tr("Read from Device");
        default:
            return sends(end.op) ? tr("Write to Device") : tr("Unit");
    }
}

QString RunReport::text() const {
    switch (box()) {
        case Box::BackupFailed:
            return tr("The unit could not be backed up, so nothing was written.");
        case Box::LogFailed:
            return tr(
                "The traffic log could not be written, so the transfer stopped. Check the "
                "disk or start without --log.");
        case Box::Communication:
            return tr("Cannot communicate with device");
        case Box::RefusedRead:
            return tr("The read from %1 failed: %2.")
                .arg(context.port, escape::unprintable(end.result.summary));
        default:
            return statusText();
    }
}

QString RunReport::informativeText() const {
    switch (box()) {
        case Box::BackupFailed:
            return unreachable() ? advice() : end.result.reason;
        case Box::Communication:
            return advice();
        case Box::RefusedRead:
            return tr(
                "The window keeps what it showed before. Read again; should it fail "
                "again, check the unit and its cable.");
        case Box::Result:
            // The engine says why it refused; the way on is this window's.
            if (end.result.reasonCode == QLatin1String("other-model"))
                return tr(
                    "To write it to this unit all the same, press Restore This... in "
                    "History again: the window then asks first.");
            return {};
        default:
            return {};
    }
}

bool RunReport::warning() const {
    return box() != Box::Result || end.result.code != provision::Done;
}

bool RunReport::offersOwnPace() const {
    return box() == Box::Communication && end.result.lateMs >= 0 && end.op == Operation::Read &&
           !context.fastLink;
}

QString RunReport::unitName() const {
    return tr("Unit on %1").arg(context.port);
}

QString RunReport::unitPhrase() const {
    //: Inside "Values that differ between %1 and the window", where a file's name may stand.
    return tr("the unit on %1").arg(context.port);
}

QString RunReport::advice() const {
    const bool lost = end.last == Outcome::LinkLost;
    const QString tries =
        tr("Check that the unit is powered and its cable firmly plugged in, "
           "or try another port.");
    // A unit that answers, only too late, is no missing unit: the advice is another one.
    if (!lost && end.result.lateMs >= 0)
        return tr("The unit on %1 answers late (about %2 ms after each command), after the %3 ms "
                  "this window waits for a reply. With Unit > Fast Link on, the window learns "
                  "the unit's pace and reads it right; check the unit and its cable too.")
            .arg(context.port, QString::number(end.result.lateMs),
                 QString::number(context.intervalMs));
    if (!lost) return tr("No unit answered on %1. %2").arg(context.port, tries);
    return tr("The line to %1 was lost at %2 (%3). %4")
        .arg(context.port, QLocale().toString(context.lostAt, QLocale::LongFormat),
             context.lostReason, tries);
}

}  // namespace safety
