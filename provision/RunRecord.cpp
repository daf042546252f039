// SPDX-License-Identifier: GPL-3.0-or-later
#include "provision/RunRecord.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMutex>
#include <QSerialPortInfo>

#include "journal/PortIdentity.h"
#include "journal/RecordChanges.h"

namespace provision {

namespace {

journal::Action actionOf(RunInput::Mode mode) {
    switch (mode) {
        case RunInput::Mode::Read:
            return journal::Action::Read;
        case RunInput::Mode::Write:
            return journal::Action::Write;
        case RunInput::Mode::Restore:
            return journal::Action::Restore;
        case RunInput::Mode::Backup:
            return journal::Action::Backup;
        case RunInput::Mode::Verify:
            break;
    }
    return journal::Action::Verify;
}

// Looking a port up walks every serial device the system has: some 2,900 system calls, which
// 64 runs ending together paid one after another on the event loop. Runs that end within a
// short while share one walk. A device node made since the walk began (an adapter plugged in
// anew) is looked up afresh, so no record names hardware that was not there.
journal::PortIdentity identityOf(const QString& port) {
    constexpr qint64 ReuseMs = 2000;
    static QMutex guard;  // runs on other threads would share the walk too
    const QMutexLocker lock(&guard);
    static QList<QSerialPortInfo> present;
    static QElapsedTimer age;
    static QDateTime walkedAt;
    const QDateTime nodeMade = QFileInfo(port).metadataChangeTime();
    if (!age.isValid() || age.elapsed() > ReuseMs || !nodeMade.isValid() || nodeMade >= walkedAt) {
        walkedAt = QDateTime::currentDateTimeUtc();
        age.start();
        present = QSerialPortInfo::availablePorts();
    }
    return journal::identifyPort(port, present);
}

journal::Record started(journal::Action action, const RunInput& input, const RunResult& result) {
    journal::Record record = journal::Record::begin(action, result.port, input.toolVersion);
    record.time = record.time.addMSecs(-result.durationMs);  // when it started
    record.identity = input.portIdentity ? *input.portIdentity : identityOf(result.port);
    record.model = result.model;
    record.outcome = outcomeOf(result);
    if (journal::endedBadly(record.outcome)) {
        // English and a code, so any reader shows it in their own language.
        record.reason = result.reasonEnglish.isEmpty() ? result.summary : result.reasonEnglish;
        record.reasonCode = result.reasonCode;
    }
    record.durationMs = result.durationMs;
    return record;
}

// Which values differed, not only how many, so History can say it later.
void keepDifferences(const RunResult& result, journal::Record* record) {
    if (record->outcome != journal::Outcome::Differences || result.differences.isEmpty()) return;
    record->reason = result.differences.join(QLatin1Char('\n'));
    record->reasonCode = QString::fromLatin1(journal::DifferencesCode);
}

QString absolute(const QString& file) {
    if (file.isEmpty() || file == QStringLiteral("-")) return file;
    return QFileInfo(file).absoluteFilePath();
}

}  // namespace

journal::Record backupRecord(const RunInput& input, const RunResult& result) {
    journal::Record record = started(journal::Action::Backup, input, result);
    record.file = absolute(result.backupPath);
    if (result.backup) record.setConfiguration(*result.backup, ConfigurationSet::PhoneCount);
    return record;
}

journal::Outcome outcomeOf(const RunResult& result) {
    if (result.code == Done) return journal::Outcome::Done;
    if (result.code == Differences) return journal::Outcome::Differences;
    return result.reasonCode.startsWith(QLatin1String("interrupted"))
               ? journal::Outcome::Interrupted
               : journal::Outcome::Failed;
}

journal::Record runRecord(const RunInput& input, const RunResult& result) {
    journal::Record record = started(actionOf(input.mode), input, result);
    if (input.compare && input.mode == RunInput::Mode::Verify)
        record.action = journal::Action::Compare;
    else if (input.mode == RunInput::Mode::Verify || input.verifyAfterWrite)
        record.verified = result.code == Done;
    record.differences = int(result.differences.size());
    keepDifferences(result, &record);
    if (input.mode == RunInput::Mode::Write || input.mode == RunInput::Mode::Restore)
        record.settingsSent = result.settingsSent;
    if (input.mode == RunInput::Mode::Restore) record.sourceId = input.sourceId;
    record.file = absolute(input.mode == RunInput::Mode::Read
                               ? UnitRun::outputPath(input.outputPattern, result.port)
                               : input.file);
    if (!result.configuration) return record;
    // A verify only compares: its fingerprint says what the unit held.
    if (input.mode == RunInput::Mode::Verify)
        record.sha256 = journal::fingerprint(*result.configuration, ConfigurationSet::PhoneCount);
    else
        record.setConfiguration(*result.configuration, ConfigurationSet::PhoneCount);
    return record;
}

}  // namespace provision
