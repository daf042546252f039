// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/UnitController.h"

#include <QCoreApplication>

#include "journal/Journal.h"
#include "provision/UnitRun.h"

namespace safety {

using Step = provision::UnitRun::Step;

UnitController::UnitController(QObject* parent) : QObject(parent), port(new UnitSession(this)) {
    connect(port, &UnitSession::lost, this, [this](const QString& reason) {
        lostWhy = reason;
        lostWhen = QTime::currentTime();
    });
    // Connected before any run's own handler, so the run's end finds its last outcome here.
    connect(port, &UnitSession::finished, this,
            [this](UnitSession::Outcome outcome) { lastOutcome = outcome; });
    connect(port, &UnitSession::probeAccepted, this,
            [this](const QString& model) { said = model; });
    forwardReads();
}

// Only a read into the window shows what arrives; a backup, a verify or a read-back only looks
// at the unit.
void UnitController::forwardReads() {
    connect(port, &UnitSession::slaveIdRead, this, [this](int id) {
        if (current == Operation::Read) emit slaveIdRead(id);
    });
    connect(port, &UnitSession::enableFlagsRead, this,
            [this](const commandset::EnableFlags& flags) {
                if (current == Operation::Read) emit enableFlagsRead(flags);
            });
    connect(port, &UnitSession::phoneNoRead, this, [this](int k, const QString& text) {
        if (current == Operation::Read) emit phoneNoRead(k, text);
    });
    connect(port, &UnitSession::messageRead, this, [this](int index, const QString& text) {
        if (current == Operation::Read) emit messageRead(index, text);
    });
}

bool UnitController::connectTo(const QString& device) {
    if (transferActive() || !port->open(device)) return false;
    connectedSince = QDateTime::currentDateTime();
    said.clear();
    // Asked once here, not at the end of every run: the port stays open until Disconnect, so
    // what is behind it cannot change, and the lookup takes milliseconds.
    portIdentity = journal::identifyPort(device);
    return true;
}

void UnitController::disconnectPort() {
    if (!transferActive()) port->close();
}

bool UnitController::requestClose() {
    if (transferActive()) {
        closeAfterRun = true;
        port->stop();
        return false;
    }
    port->close();  // closing the window releases the port with it
    return true;
}

provision::RunInput UnitController::input(TrafficLog* log, journal::Journal* journal,
                                          bool fastLink) const {
    provision::RunInput input;
    input.intervalMs = port->interval();
    input.pace = fastLink ? LinkPace::Mode::Auto : LinkPace::Mode::Fixed;
    input.log = log;
    input.journal = journal;
    input.portIdentity = portIdentity;
    input.toolVersion = QCoreApplication::applicationVersion();
    input.documentName = QCoreApplication::translate("frmMain", "the window");
    return input;
}

void UnitController::start(Operation op, const provision::RunInput& input) {
    if (transferActive()) return;
    closeAfterRun = false;
    current = op;
    lastOutcome = UnitSession::Outcome::Completed;
    asked = RunEnd{};
    asked.backupAsked = input.backup;
    asked.verifyAsked = input.verifyAfterWrite;
    run = new provision::UnitRun(input, port, this);
    connect(run, &provision::UnitRun::progress, this, [this](const QString&, int, int count) {
        if (count == 0) onStep();  // a step is starting
    });
    connect(run, &provision::UnitRun::finished, this, &UnitController::onFinished);
    emit running();
    run->start();
}

void UnitController::onStep() {
    switch (run->currentStep()) {
        case Step::Backup:
            return emit stepStarted(
                QCoreApplication::translate("frmMain", "Backing up the unit ..."));
        case Step::Write:
        case Step::Resend:
            return emit stepStarted(
                QCoreApplication::translate("frmMain", "Writing to device ..."));
        case Step::VerifyRead:
            return emit stepStarted(
                QCoreApplication::translate("frmMain", "Reading back what was written ..."));
        case Step::Read:
        case Step::PhoneRead:
            return emit stepStarted(
                current == Operation::Read
                    ? QCoreApplication::translate("frmMain", "Reading from device ...")
                    : QCoreApplication::translate("frmMain", "Reading the unit to compare ..."));
    }
}

void UnitController::onFinished() {
    RunEnd end = asked;
    end.op = current;
    end.result = run->result();
    end.step = run->currentStep();
    end.last = lastOutcome;
    end.done = port->exchangesDone();
    end.count = port->exchangeCount();
    end.unit = port->configuration();
    run->deleteLater();  // still inside its signal
    run = nullptr;
    current = Operation::None;
    const bool closing = closeAfterRun;
    closeAfterRun = false;
    emit ended(end, closing);
}

}  // namespace safety
