// SPDX-License-Identifier: GPL-3.0-or-later
#include "provision/StationUnit.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>

#include "core/Codepage.h"
#include "core/Escape.h"
#include "device/DeviceProcedure.h"
#include "journal/Journal.h"
#include "provision/RunRecord.h"
#include "provision/Text.h"

namespace provision {

namespace {

using Exchange = DeviceProcedure::Exchange;

// A setting as a technician calls it.
QString settingName(const Exchange& exchange) {
    switch (exchange.item) {
        case DeviceProcedure::Item::Probe:
            return Text::tr("the first question");
        case DeviceProcedure::Item::SlaveId:
            return Text::tr("the slave ID");
        case DeviceProcedure::Item::EnableFlags:
            return Text::tr("the channel switches");
        case DeviceProcedure::Item::PhoneNo:
            return Text::tr("phone %1").arg(exchange.index + 1);
        case DeviceProcedure::Item::Message:
            break;
    }
    return Text::tr("the message of channel %1").arg(exchange.index + 1);
}

// What the step meant for the unit, said after where it stopped.
QString stepConsequence(UnitRun::Step step) {
    switch (step) {
        case UnitRun::Step::Backup:
            return Text::tr("while it was backed up; nothing was written");
        case UnitRun::Step::PhoneRead:
            return Text::tr("while its phones 17-32 were read; nothing was written");
        case UnitRun::Step::Write:
        case UnitRun::Step::Resend:
            return Text::tr("while it was written; it may hold part of the new configuration");
        case UnitRun::Step::Read:
        case UnitRun::Step::VerifyRead:
            break;
    }
    return Text::tr("while it was read back after the write");
}

// The exchanges of the step a run ended in, as its session sent them.
std::vector<Exchange> exchangesOf(UnitRun::Step step, const RunInput& input,
                                  const RunResult& result) {
    constexpr int ClassicPhones = 16;
    // What goes again depends on a read-back the station does not keep; the engine's own
    // words name the query.
    if (step == UnitRun::Step::Resend) return {};
    if (step == UnitRun::Step::PhoneRead)
        return DeviceProcedure::phoneReadList(ClassicPhones,
                                              ConfigurationSet::PhoneCount - ClassicPhones);
    if (step != UnitRun::Step::Write || !result.configuration) return DeviceProcedure::readList();
    if (input.changedOnly && result.backup)
        return DeviceProcedure::changedWriteList(*result.configuration, *result.backup);
    return DeviceProcedure::writeList(*result.configuration);
}

// A read that ended on a reply late or garbled says which query in the engine's words
// ("no reply to ?P05: ..."); the technician's name for it goes first, those words to the
// detail.
UnitOutcome withQueryNamed(UnitOutcome outcome, UnitRun::Step step) {
    static const QRegularExpression query(QStringLiteral("\\?([AE]|[PM])([0-9A-F]{2})?"));
    const QRegularExpressionMatch found = query.match(outcome.summary);
    if (!found.hasMatch()) return outcome;
    static const QHash<QString, DeviceProcedure::Item> items{
        {QStringLiteral("A"), DeviceProcedure::Item::SlaveId},
        {QStringLiteral("E"), DeviceProcedure::Item::EnableFlags},
        {QStringLiteral("P"), DeviceProcedure::Item::PhoneNo},
        {QStringLiteral("M"), DeviceProcedure::Item::Message}};
    const Exchange asked{items.value(found.captured(1)), found.captured(2).toInt(nullptr, 16), {}};
    outcome.detail = outcome.summary;
    outcome.summary =
        Text::tr("no proper answer about %1 %2").arg(settingName(asked), stepConsequence(step));
    return outcome;
}

// A command up to its padding and CR, cut short: a message can be long.
QString commandText(const QByteArray& command) {
    constexpr qsizetype Shown = 24;
    const qsizetype end =
        std::find_if(command.begin(), command.end(), [](char c) { return uchar(c) < 0x20; }) -
        command.begin();
    QString text = escape::controls(codepage::decode(command.first(end)));
    if (text.size() > Shown) text = text.left(Shown) + QStringLiteral("...");
    return text;
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

void StationUnit::prepare() {
    int line = 0;
    const std::optional<ConfigDocument> document = plan.documentFor(port, &refusal, &line);
    if (!document) return;
    writeInput = plan.task;
    writeInput.document = *document;
    const QString slaveId = QString::number(document->set.slaveId);
    givenText = line > 0 ? Text::tr("%1 line %2, slave ID %3")
                               .arg(QFileInfo(plan.sheet->name()).fileName(), QString::number(line),
                                    slaveId)
                         : Text::tr("slave ID %1").arg(slaveId);
}

void StationUnit::start(std::function<void(UnitOutcome)> ended) {
    onEnded = std::move(ended);
    if (!refusal.isEmpty()) return refuse(refusal);
    startWrite();
}

void StationUnit::startWrite() {
    writeRun = std::make_unique<UnitRun>(writeInput, port);
    QObject::connect(writeRun.get(), &UnitRun::progress, writeRun.get(),
                     [this](const QString& phase, int done, int count) {
                         lastDone = done;
                         progress(phase, done, count, writeRun->result().model);
                     });
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
    if (onEnded) onEnded(unitOutcome(result));
}

// A unit that answered and then stopped is told by the setting it stopped at; the engine's
// own words, with the command in flight, go to the detail.
UnitOutcome StationUnit::unitOutcome(const RunResult& result) const {
    UnitOutcome outcome{outcomeOf(result), result.model, result.summary, {}};
    if (outcome.outcome != journal::Outcome::Failed || !writeRun || result.model.isEmpty())
        return outcome;
    const UnitRun::Step step = writeRun->currentStep();
    const std::vector<Exchange> exchanges = exchangesOf(step, writeInput, result);
    // No progress follows the probe's reply, so a unit that answered it is past it.
    const size_t inFlight = size_t(qMax(lastDone, 1));
    // It ended after its last exchange: a read that got a reply late or garbled.
    if (inFlight >= exchanges.size()) return withQueryNamed(outcome, step);
    outcome.summary = Text::tr("the unit stopped answering at %1 %2")
                          .arg(settingName(exchanges[inFlight]), stepConsequence(step));
    outcome.detail = Text::tr("%1; the command in flight: %2 (exchange %3 of %4)")
                         .arg(result.summary, commandText(exchanges[inFlight].command),
                              QString::number(inFlight + 1), QString::number(exchanges.size()));
    return outcome;
}

UnitPool::UnitPool(const StationPlan& plan, QObject* parent) : QObject(parent), plan(plan) {}

void UnitPool::start(const QString& port, std::function<void(UnitOutcome)> ended) {
    if (const auto it = units.find(port); it != units.end()) {
        retired.push_back(std::move(it->second));
        units.erase(it);
        QTimer::singleShot(0, this, [this] { retired.clear(); });
    }
    auto unit = std::make_unique<StationUnit>(
        plan, port,
        [this, port, model = QString()](const QString& stage, int done, int count,
                                        const QString& said) mutable {
            if (said != model) emit modelKnown(port, model = said);
            emit progress(port, stage, done, count);
        });
    StationUnit* running = unit.get();
    units[port] = std::move(unit);
    running->prepare();
    emit given(port, running->given());
    running->start(std::move(ended));
}

Station::UnitJob UnitPool::job() {
    return [this](const QString& port, std::function<void(UnitOutcome)> ended) {
        start(port, std::move(ended));
    };
}

}  // namespace provision
