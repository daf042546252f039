// SPDX-License-Identifier: GPL-3.0-or-later
#include "StationUnit.h"

#include "Console.h"
#include "Journal.h"
#include "RunRecord.h"

namespace cli {

namespace {

provision::UnitOutcome outcomeOf(const PortResult& result) {
    using Kind = provision::UnitOutcome::Kind;
    const Kind kind = result.code == Done          ? Kind::Done
                      : result.code == Differences ? Kind::Differences
                                                   : Kind::Failed;
    return {kind, result.model, result.summary};
}

void record(const provision::RunInput& input, const PortResult& result) {
    if (input.journal) input.journal->append(provision::runRecord(input, result));
}

}  // namespace

StationUnit::StationUnit(const StationPlan& plan, const QString& port, Progress progress)
    : plan(plan), port(port), progress(std::move(progress)) {}

StationUnit::~StationUnit() {
    if (hasEnded || !writeRun) return;
    PortResult stopped;
    stopped.port = port;
    stopped.code = NoUnit;
    stopped.summary = Text::tr("stopped by a second interruption");
    record(writeInput, stopped);
}

void StationUnit::start(std::function<void(provision::UnitOutcome)> ended) {
    onEnded = std::move(ended);
    QString why;
    const std::optional<ConfigDocument> document = plan.documentFor(port, &why);
    if (!document) return refuse(why);
    writeInput = plan.task;
    writeInput.document = *document;
    startWrite();
}

void StationUnit::startWrite() {
    writeRun = std::make_unique<provision::UnitRun>(writeInput, port);
    QObject::connect(
        writeRun.get(), &provision::UnitRun::progress, writeRun.get(),
        [this](const QString& phase, int done, int count) { progress(phase, done, count); });
    QObject::connect(writeRun.get(), &provision::UnitRun::finished, writeRun.get(),
                     [this] { end(writeRun->result()); });
    writeRun->start();
}

// No run at all (no sheet row for the port): journaled as a failed write all the same.
void StationUnit::refuse(const QString& why) {
    PortResult refused;
    refused.port = port;
    refused.code = FileFailed;
    refused.summary = why;
    record(plan.task, refused);
    end(refused);
}

void StationUnit::end(const PortResult& result) {
    hasEnded = true;
    if (onEnded) onEnded(outcomeOf(result));
}

}  // namespace cli
