// SPDX-License-Identifier: GPL-3.0-or-later
// The window's unit: connecting the port, and every operation on it as one engine run (backup,
// write, read-back, compare, journal), the run on the controller and its words in RunReport.
#include <QAction>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

#include "device/SerialLink.h"
#include "journal/Journal.h"
#include "journal/JournalWorker.h"
#include "provision/UnitRun.h"
#include "ui/common/CloseQuestion.h"
#include "ui/common/Settings.h"
#include "ui/compare/CompareDialog.h"
#include "ui/dialogs/frmProgress.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/RunReport.h"
#include "ui/mainwindow/UnitController.h"
#include "ui/mainwindow/frmMain.h"

using safety::Operation;
using safety::RunEnd;
using safety::RunReport;

namespace {

using Mode = provision::RunInput::Mode;

provision::RunInput withMode(provision::RunInput input, Mode mode) {
    input.mode = mode;
    return input;
}

}  // namespace

void frmMain::wireUnit() {
    UnitSession* session = unit->session();
    connect(session, &UnitSession::lost, this, &frmMain::onLinkLost);
    // One progress window for the whole run: each step probes again and says what it does.
    connect(session, &UnitSession::probeAccepted, this, [this](const QString& model) {
        if (!progress) {
            progress = new frmProgress(this);
            progress->show();
        }
        progress->setModelText(model);
        progress->setActivityText(activity);
    });
    connect(session, &UnitSession::progress, this, [this](int done) {
        if (progress) progress->setProgress(unit->session()->shownProgress(done));
    });
    connect(session, &UnitSession::settingReplied, this, [this](const QString& reply) {
        if (progress) progress->setResultText(reply);
    });
    connect(unit, &safety::UnitController::stepStarted, this, [this](const QString& what) {
        activity = what;
        if (progress) progress->setActivityText(activity);
    });
    connect(unit, &safety::UnitController::slaveIdRead, form, &MainForm::showSlaveId);
    connect(unit, &safety::UnitController::enableFlagsRead, form, &MainForm::showEnableFlags);
    connect(unit, &safety::UnitController::phoneNoRead, form, &MainForm::showPhoneNumber);
    connect(unit, &safety::UnitController::messageRead, form, &MainForm::keepMessage);
    connect(unit, &safety::UnitController::running, this, [this] {
        form->lock();
        refreshContents();
    });
    connect(unit, &safety::UnitController::ended, this, &frmMain::onRunEnded);
}

void frmMain::setProtocolInterval(int ms) {
    unit->session()->setInterval(ms);
}

void frmMain::setJournal(journal::Journal* journalInUse) {
    if (journal) disconnect(journal, nullptr, this, nullptr);
    journal = journalInUse;
    if (journal) journal::Worker::of(journal);  // records off the event loop from now on
    if (journal)
        connect(journal, &journal::Journal::warning, this,
                [this](const QString& text) { showJournalState(text); });
    showJournalState(journal ? journal->openError() : QString());
    refreshContents();
}

bool frmMain::transferActive() const {
    return unit->transferActive();
}

bool frmMain::prepareClose() {
    const bool wasOpen = unit->isOpen();
    if (!unit->requestClose()) return false;
    if (wasOpen) showLinkState(false);
    return true;
}

void frmMain::showLinkState(bool connected) {
    form->setConnected(connected);
    refreshContents();
}

void frmMain::cmdConnect_Click() {
    if (transferActive()) return;  // disabled during a transfer; never close under one
    // What the status bar said was of the port before: it goes with it.
    statusBar()->clearMessage();
    if (unit->isOpen()) {
        const QString port = unit->deviceName();
        unit->disconnectPort();
        showLinkState(false);
        form->setLamp(LinkBox::Lamp::Off, port);
        return;
    }
    LinkBox* link = form->linkBox();
    const QString device = SerialLink::deviceNameFor(link->portText(), link->portIndex() + 1,
                                                     SerialLink::hostPlatform());
    if (unit->connectTo(device)) {
        QSettings().setValue(QLatin1String(Settings::Port), link->portText().trimmed());
        showLinkState(true);
        form->setLamp(LinkBox::Lamp::Connected, device);
        showStatus(tr("Connected to %1.").arg(device));
        return;
    }
    refreshPortList();
    QMessageBox::warning(this, tr("USB Port Error"), unit->session()->errorString());
    form->setLamp(LinkBox::Lamp::Failed, device);
}

void frmMain::onLinkLost() {
    // The port is already closed; show it as failed rather than leave a green lamp over it.
    showLinkState(false);
    form->setLamp(LinkBox::Lamp::Failed, unit->deviceName());
}

void frmMain::cmdDeviceRead_Click() {
    if (transferActive() || !form->unitFunctionsEnabled() || !confirmDiscard()) return;
    selectPage(1);
    contents.replacing(configuration(), WindowContents::Undo::Read);
    // Into the window, saved nowhere.
    startRun(Operation::Read, withMode(runInput(), Mode::Read));
}

void frmMain::cmdDeviceWrite_Click() {
    if (transferActive() || !form->unitFunctionsEnabled()) return;
    if (slaveId() < 0) {
        QMessageBox::warning(this, tr("Write to Device"),
                             tr("Select a slave ID from the list before writing."));
        return;
    }
    // Refused before anything is sent: written, such a text could never be read back.
    if (const QString why = DeviceProcedure::unreadableText(configuration()); !why.isEmpty()) {
        QMessageBox::warning(this, tr("Write to Device"),
                             tr("Nothing was written: %1. Shorten it, then write again.").arg(why));
        return;
    }
    if (configuration() == startValues && !confirmBlankWrite()) return;
    // The controls are locked for the whole run, so the window's values, which runInput()
    // takes, stay what it shows until the write ends.
    provision::RunInput input = withMode(runInput(), Mode::Write);
    input.backup = backupWanted();
    input.verifyAfterWrite = verifyAfterAction->isChecked();
    startRun(Operation::Write, input);
}

bool frmMain::confirmBlankWrite() {
    QMessageBox box(QMessageBox::Warning, tr("Write to Device"),
                    tr("The window holds only the start values: nothing was read, loaded or "
                       "edited. Writing them would clear the phone numbers and messages of the "
                       "unit on %1.")
                        .arg(unit->deviceName()),
                    QMessageBox::Yes | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("blankWriteQuestion"));
    box.setInformativeText(tr("Write the empty configuration anyway?"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Yes;
}

bool frmMain::confirmCloseDuringTransfer() {
    const bool writing = unit->session()->kind() == UnitSession::Kind::Write;
    return askCloseAnyway(this, tr("Transfer Running"), RunReport::closeQuestion(writing));
}

provision::RunInput frmMain::runInput() const {
    provision::RunInput input = unit->input(trafficLog, journal, fastLinkAction->isChecked());
    input.document.set = configuration();
    return input;
}

// The unit's configuration is kept already when the window holds a whole read of this unit
// since Connect: the journal has that read.
bool frmMain::backupWanted() const {
    return backUpBeforeAction->isChecked() && journal &&
           !contents.readFrom(unit->deviceName(), unit->connectedAt());
}

void frmMain::startRun(Operation op, const provision::RunInput& input) {
    unit->start(op, input);
}

void frmMain::onRunEnded(const RunEnd& end, bool closing) {
    noteTransfer(end);
    // Also after a read cut short: the messages that did arrive are kept, and the labels must
    // show them, or an edit would start from the old text.
    if (end.op == Operation::Read) form->showMessages();
    delete progress;
    progress = nullptr;
    form->unlock();
    refreshContents();
    if (closing) {
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    // Shown from the event loop, not from inside the port's or the timer's signal.
    QMetaObject::invokeMethod(
        this, [this, end] { reportRun(end); }, Qt::QueuedConnection);
}

// The status bar and the contents learn how the run ended.
void frmMain::noteTransfer(const RunEnd& end) {
    using Outcome = UnitSession::Outcome;
    using Step = provision::UnitRun::Step;
    const QDateTime now = QDateTime::currentDateTime();
    const bool whole = end.last == Outcome::Completed;
    const QString port = unit->deviceName();
    if (RunReport::readRefused(end)) {
        // Nothing, or nothing trustworthy, arrived: the window and its state are as they were.
        if (const std::optional<ConfigurationSet> before = contents.takeUndo())
            applyConfiguration(*before);
    } else if (end.op == Operation::Read) {
        contents.read(port, now, whole ? end.count : end.done, end.count,
                      end.result.code == provision::Done);
    } else if (end.op == Operation::Write &&
               (end.step == Step::VerifyRead || (end.step == Step::Write && whole))) {
        contents.written(port, now);
    }
    refreshContents();  // before the run's message, which a change of contents would clear
    QString status = RunReport(end, runContext()).statusText();
    if (end.op == Operation::Read && !RunReport::readRefused(end))
        status = QStringLiteral("%1 %2").arg(status, form->longValuesNote()).trimmed();
    showStatus(status);
}

safety::RunContext frmMain::runContext() const {
    return {unit->deviceName(),
            unit->session()->interval(),
            unit->lostReason(),
            unit->lostAt(),
            journal != nullptr,
            journalWarned,
            backUpBeforeAction->isChecked(),
            fastLinkAction->isChecked()};
}

void frmMain::reportRun(const RunEnd& end) {
    const RunReport report(end, runContext());
    switch (report.box()) {
        case RunReport::Box::None:
            return;
        case RunReport::Box::Differences:
            return showDifferences(end.unit, ConfigurationSet::PhoneCount, report.unitName(),
                                   report.statusText());
        default:
            break;
    }
    QMessageBox box(report.warning() ? QMessageBox::Warning : QMessageBox::Information,
                    report.title(), report.text(), QMessageBox::Ok, this);
    box.setObjectName(report.boxName());
    box.setInformativeText(report.informativeText());
    QPushButton* atItsPace = report.offersOwnPace()
                                 ? box.addButton(tr("Read at Its Pace"), QMessageBox::AcceptRole)
                                 : nullptr;
    if (atItsPace) {
        atItsPace->setObjectName(QStringLiteral("cmdReadAtItsPace"));
        box.setDefaultButton(atItsPace);
    }
    box.exec();
    if (!atItsPace || box.clickedButton() != atItsPace) return;
    fastLinkAction->setChecked(true);
    QMetaObject::invokeMethod(this, &frmMain::cmdDeviceRead_Click, Qt::QueuedConnection);
}

void frmMain::showDifferences(const ConfigurationSet& other, int phoneCount,
                              const QString& otherName, const QString& heading) {
    safety::CompareDialog dialog(configuration(), other, phoneCount, otherName, this);
    dialog.setHeading(heading);
    if (dialog.exec() != QDialog::Accepted || transferActive()) return;
    contents.replacing(configuration(), WindowContents::Undo::Take);
    applyConfiguration(dialog.takenValues());
    contents.taken();
    refreshContents();
}

void frmMain::verifyUnit() {
    if (transferActive() || !form->unitFunctionsEnabled()) return;
    startRun(Operation::Verify, withMode(runInput(), Mode::Verify));
}

void frmMain::compareWithUnit() {
    if (transferActive() || !form->unitFunctionsEnabled()) return;
    provision::RunInput input = withMode(runInput(), Mode::Verify);
    input.compare = true;
    startRun(Operation::CompareUnit, input);
}

void frmMain::backUpUnit() {
    if (transferActive() || !form->unitFunctionsEnabled() || !journal) return;
    startRun(Operation::Backup, withMode(runInput(), Mode::Backup));
}
