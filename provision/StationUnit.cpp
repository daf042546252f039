// SPDX-License-Identifier: GPL-3.0-or-later
#include "StationUnit.h"

#include <QTimer>

#include "Journal.h"
#include "RunRecord.h"

namespace provision {

namespace {

UnitOutcome outcomeOf(const RunResult& result) {
    using Kind = UnitOutcome::Kind;
    const Kind kind = result.code == Done          ? Kind::Done
                      : result.code == Differences ? Kind::Differences
                                                   : Kind::Failed;
    return {kind, result.model, result.summary};
}

void record(const RunInput& input, const RunResult& result) {
    if (input.journal) input.journal->append(runRecord(input, result));
}

}  // namespace

StationUnit::StationUnit(const StationPlan& plan, const QString& port, Progress progress)
    : plan(plan), port(port), progress(std::move(progress)) {}

StationUnit::~StationUnit() {
    if (hasEnded || !writeRun) return;
    RunResult stopped;
    stopped.port = port;
    stopped.code = NoUnit;
    stopped.summary = plan.stopReason;
    record(writeInput, stopped);
}

void StationUnit::start(std::function<void(UnitOutcome)> ended) {
    onEnded = std::move(ended);
    QString why;
    const std::optional<ConfigDocument> document = plan.documentFor(port, &why);
    if (!document) return refuse(why);
    writeInput = plan.task;
    writeInput.document = *document;
    startWrite();
}

void StationUnit::startWrite() {
    writeRun = std::make_unique<UnitRun>(writeInput, port);
    QObject::connect(
        writeRun.get(), &UnitRun::progress, writeRun.get(),
        [this](const QString& phase, int done, int count) { progress(phase, done, count); });
    QObject::connect(writeRun.get(), &UnitRun::finished, writeRun.get(),
                     [this] { end(writeRun->result()); });
    writeRun->start();
}

// No run at all (no sheet row for the port): journaled as a failed write all the same.
void StationUnit::refuse(const QString& why) {
    RunResult refused;
    refused.port = port;
    refused.code = FileFailed;
    refused.summary = why;
    record(plan.task, refused);
    end(refused);
}

void StationUnit::end(const RunResult& result) {
    hasEnded = true;
    if (onEnded) onEnded(outcomeOf(result));
}

UnitPool::UnitPool(const StationPlan& plan, QObject* parent) : QObject(parent), plan(plan) {}

void UnitPool::start(const QString& port, std::function<void(UnitOutcome)> ended) {
    if (const auto it = units.find(port); it != units.end()) {
        retired.push_back(std::move(it->second));
        units.erase(it);
        QTimer::singleShot(0, this, [this] { retired.clear(); });
    }
    auto unit = std::make_unique<StationUnit>(
        plan, port, [this, port](const QString& stage, int done, int count) {
            emit progress(port, stage, done, count);
        });
    StationUnit* running = unit.get();
    units[port] = std::move(unit);
    running->start(std::move(ended));
}

Station::UnitJob UnitPool::job() {
    return [this](const QString& port, std::function<void(UnitOutcome)> ended) {
        start(port, std::move(ended));
    };
}

}  // namespace provision
