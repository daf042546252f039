#include "RunRecord.h"

#include <QFileInfo>

#include "PortIdentity.h"

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
        case RunInput::Mode::Verify:
            break;
    }
    return journal::Action::Verify;
}

journal::Outcome outcomeOf(RunCode code) {
    if (code == Done) return journal::Outcome::Done;
    return code == Differences ? journal::Outcome::Differences : journal::Outcome::Failed;
}

}  // namespace

journal::Record runRecord(const RunInput& input, const RunResult& result) {
    using journal::Record;
    Record record = Record::begin(actionOf(input.mode), result.port, input.toolVersion);
    record.time = record.time.addMSecs(-result.durationMs);  // when it started
    record.identity = journal::identifyPort(result.port);
    record.model = result.model;
    record.outcome = outcomeOf(result.code);
    if (record.outcome == journal::Outcome::Failed) record.reason = result.summary;
    if (input.mode == RunInput::Mode::Verify || input.verifyAfterWrite)
        record.verified = result.code == Done;
    record.differences = int(result.differences.size());
    record.durationMs = result.durationMs;
    const QString used = input.mode == RunInput::Mode::Read
                             ? UnitRun::outputPath(input.outputPattern, result.port)
                             : input.file;
    record.file = used == QStringLiteral("-") ? used : QFileInfo(used).absoluteFilePath();
    if (!result.configuration) return record;
    // A verify only compares: its fingerprint says what the unit held.
    if (input.mode == RunInput::Mode::Verify)
        record.sha256 = journal::fingerprint(*result.configuration, ConfigurationSet::PhoneCount);
    else
        record.setConfiguration(*result.configuration, ConfigurationSet::PhoneCount);
    return record;
}

}  // namespace provision
