// SPDX-License-Identifier: GPL-3.0-or-later
// The window's safety nets: every unit operation runs through the engine the command line
// uses (backup, write, read-back, compare, journal), on the window's own open port.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "configfile/ConfigDocument.h"
#include "core/Escape.h"
#include "journal/Journal.h"
#include "ui/compare/CompareDialog.h"
#include "ui/dialogs/frmProgress.h"
#include "ui/mainwindow/RunEnd.h"
#include "ui/mainwindow/frmMain.h"

using safety::Operation;
using safety::RunEnd;

namespace {

using Mode = provision::RunInput::Mode;
using Step = provision::UnitRun::Step;

provision::RunInput withMode(provision::RunInput input, Mode mode) {
    input.mode = mode;
    return input;
}

QAction* named(QAction* action, const char* name) {
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace

void frmMain::buildSafetyMenu(QMenu* unit, QMenu* file) {
    unit->addSeparator();
    verifyAction =
        named(unit->addAction(tr("&Verify Unit against Window"), this, &frmMain::verifyUnit),
              "actVerify");
    compareUnitAction =
        named(unit->addAction(tr("Com&pare with Unit..."), this, &frmMain::compareWithUnit),
              "actCompareUnit");
    backUpNowAction =
        named(unit->addAction(tr("&Back Up Unit Now"), this, &frmMain::backUpUnit), "actBackUpNow");
    compareFileAction = named(new QAction(tr("&Compare with File..."), this), "actCompareFile");
    connect(compareFileAction, &QAction::triggered, this, &frmMain::compareWithFile);
    file->insertAction(recentMenu->menuAction(), compareFileAction);
}

void frmMain::buildJournalLabel() {
    lblJournal = new QLabel(this);
    lblJournal->setObjectName(QStringLiteral("lblJournal"));
    lblJournal->setTextFormat(Qt::PlainText);
    statusBar()->addPermanentWidget(lblJournal);
    showJournalState();
}

void frmMain::refreshSafetyActions() {
    const bool canRead = cmdDeviceRead->isEnabled();  // off with its frame while unconnected
    verifyAction->setEnabled(canRead);
    compareUnitAction->setEnabled(canRead);
    // Without a journal a backup would be kept nowhere.
    backUpNowAction->setEnabled(canRead && journal);
    backUpNowAction->setToolTip(journal ? QString()
                                        : tr("The journal is off, so a backup would be kept "
                                             "nowhere."));
    compareFileAction->setEnabled(!transferActive());
}

void frmMain::showJournalState(const QString& warning) {
    journalWarned = !warning.isEmpty();
    lblJournal->setStyleSheet(journalWarned ? QStringLiteral("color: red") : QString());
    if (!journal) {
        lblJournal->setText(tr("Journal: not recorded"));
        lblJournal->setToolTip(
            tr("Started with --no-journal, or the journal could not be "
               "chosen: nothing done in this window is recorded, and there "
               "are no backups."));
        return;
    }
    const journal::Target& target = journal->target();
    const QString where = target.display();
    const QString shown =
        target.kind == journal::Target::Kind::Sqlite ? QFileInfo(target.path).fileName() : where;
    if (warning.isEmpty()) {
        lblJournal->setText(tr("Journal: %1").arg(escape::unprintable(shown)));
        lblJournal->setToolTip(
            tr("Unit operations and backups are recorded in %1.").arg(escape::unprintable(where)));
        return;
    }
    lblJournal->setText(tr("Journal: %1 - not working").arg(escape::unprintable(shown)));
    lblJournal->setToolTip(escape::unprintable(warning));
    // Each kind of journal problem is reported once a run, so a box never nags.
    auto* box =
        new QMessageBox(QMessageBox::Warning, tr("Journal"),
                        tr("The journal does not work: %1").arg(escape::unprintable(warning)),
                        QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("journalWarning"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

provision::RunInput frmMain::runInput() const {
    provision::RunInput input;
    input.intervalMs = session->interval();
    input.pace = fastLinkAction->isChecked() ? LinkPace::Mode::Auto : LinkPace::Mode::Fixed;
    input.log = trafficLog;
    input.journal = journal;
    input.portIdentity = portIdentity;
    input.toolVersion = QCoreApplication::applicationVersion();
    input.document.set = configuration();
    input.documentName = tr("the window");
    return input;
}

// The unit's configuration is kept already when the window holds a whole read of this unit
// since Connect: the journal has that read.
bool frmMain::backupWanted() const {
    return backUpBeforeAction->isChecked() && journal &&
           !contents.readFrom(session->deviceName(), connectedAt);
}

void frmMain::startRun(Operation op, const provision::RunInput& input) {
    closeAfterTransfer = false;
    operation = op;
    lastOutcome = UnitSession::Outcome::Completed;
    run = new provision::UnitRun(input, session, this);
    connect(run, &provision::UnitRun::progress, this, [this](const QString&, int, int count) {
        if (count == 0) onRunStep();  // a step is starting
    });
    connect(run, &provision::UnitRun::finished, this, &frmMain::onRunFinished);
    lockControls();
    run->start();
}

void frmMain::onRunStep() {
    switch (run->currentStep()) {
        case Step::Backup:
            activity = tr("Backing up the unit ...");
            break;
        case Step::Write:
        case Step::Resend:
            activity = tr("Writing to device ...");
            break;
        case Step::VerifyRead:
            activity = tr("Reading back what was written ...");
            break;
        case Step::Read:
        case Step::PhoneRead:
            activity = operation == Operation::Read ? tr("Reading from device ...")
                                                    : tr("Reading the unit to compare ...");
            break;
    }
    if (progress) progress->setActivityText(activity);
}

QString frmMain::runStatusText(const RunEnd& end) const {
    const QString& why = end.result.summary;
    const bool whole = end.last == UnitSession::Outcome::Completed;
    switch (end.op) {
        case Operation::Read:
            // A read that brought nothing the window may show says why, as the box does.
            if (whole && end.result.code == provision::Done) return tr("Read complete.");
            if (whole || end.last == UnitSession::Outcome::ProbeFailed)
                return tr("The unit could not be read: %1").arg(why);
            return tr("Read stopped after %1 of %2 exchanges.").arg(end.done).arg(end.count);
        case Operation::Write:
        case Operation::Restore:
            return writeStatusText(end);
        case Operation::BackUp:
            return end.result.code == provision::Done
                       ? tr("The unit's configuration is kept in the journal.")
                       : tr("The backup failed: %1").arg(why);
        case Operation::Verify:
        case Operation::CompareUnit:
        case Operation::None:
            break;
    }
    return checkedStatusText(end);
}

QString frmMain::writeStatusText(const RunEnd& end) const {
    if (end.step == Step::Backup) return tr("Nothing was written: %1").arg(end.result.summary);
    // Only settings change the unit: with none sent (no unit answered the probe), the summary
    // says that nothing was written.
    if (end.step == Step::Write && end.done == 0 && end.last != UnitSession::Outcome::Completed)
        return tr("Write failed: %1").arg(end.result.summary);
    if (end.step == Step::Write && end.last != UnitSession::Outcome::Completed)
        return tr("Write stopped after %1 of %2 exchanges: the unit is half-written; write "
                  "again.")
            .arg(end.done)
            .arg(end.count);
    QString text = end.step == Step::VerifyRead ? checkedStatusText(end) : tr("Write complete.");
    // A journal reports each kind of failure once, so a backup after the first one may be lost
    // without a word of its own.
    if (end.result.backup)
        text += QLatin1Char(' ') +
                (journalWarned ? tr("The journal is not working (see the status bar): "
                                    "the unit's previous configuration may not be kept.")
                               : tr("The unit's previous configuration is in the journal."));
    else if (!journal && backUpBeforeAction->isChecked())
        text += QLatin1Char(' ') + tr("No backup was kept, as the journal is off.");
    return text;
}

// The outcome of a read that compares the unit with the window, alone or after a write.
QString frmMain::checkedStatusText(const RunEnd& end) const {
    const bool written = end.op == Operation::Write;
    switch (end.result.code) {
        case provision::Done:
            return written ? tr("Written and verified.")
                           : tr("The unit holds what the window shows.");
        case provision::Differences:
            return written ? tr("Written, but values differ on reading back: %n.", nullptr,
                                int(end.result.differences.size()))
                           : tr("Values that differ between the unit and the window: %n.", nullptr,
                                int(end.result.differences.size()));
        default:
            break;
    }
    if (!written) return tr("The unit could not be read: %1").arg(end.result.summary);
    // The engine says the write went through and what to do; the check is a menu command here.
    return tr("Written, but reading back failed: %1. Use Verify Unit against Window to know "
              "what the unit holds.")
        .arg(end.result.reason);
}

void frmMain::reportRun(const RunEnd& end) {
    using Outcome = UnitSession::Outcome;
    const bool unreachable = end.last == Outcome::ProbeFailed || end.last == Outcome::LinkLost;
    if (end.op == Operation::Write && end.step == Step::Backup) {
        QMessageBox box(QMessageBox::Warning, tr("Write to Device"),
                        tr("The unit could not be backed up, so nothing was written."),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("backupFailed"));
        box.setInformativeText(
            unreachable ? communicationAdvice(end.last == Outcome::LinkLost, end.result.lateMs)
                        : end.result.summary);
        box.exec();
        return;
    }
    if (unreachable || end.last == Outcome::LogFailed) return reportCommunication(end);
    if (end.op == Operation::Read) {
        if (end.result.code != provision::Done) reportRefusedRead(end);
        return;  // a good read shows in the window and the status bar
    }
    const bool sent = end.op == Operation::Write || end.op == Operation::Restore;
    const bool checked = end.op != Operation::BackUp && (!sent || end.step == Step::VerifyRead);
    // A compare lists what it found, even nothing; a verify only what differs.
    const bool listed = end.op == Operation::CompareUnit
                            ? end.result.code <= provision::Differences
                            : checked && end.result.code == provision::Differences;
    if (listed)
        return showDifferences(end.unit, ConfigurationSet::PhoneCount,
                               tr("Unit on %1").arg(session->deviceName()), runStatusText(end));
    if (!checked && end.result.code == provision::Done) return;  // the status bar says it
    QMessageBox box(
        end.result.code == provision::Done ? QMessageBox::Information : QMessageBox::Warning,
        end.op == Operation::Write ? tr("Write to Device") : tr("Unit"), runStatusText(end),
        QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("runResult"));
    box.exec();
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
    if (transferActive() || !FrameFunction->isEnabled()) return;
    startRun(Operation::Verify, withMode(runInput(), Mode::Verify));
}

void frmMain::compareWithUnit() {
    if (transferActive() || !FrameFunction->isEnabled()) return;
    provision::RunInput input = withMode(runInput(), Mode::Verify);
    input.compare = true;
    startRun(Operation::CompareUnit, input);
}

void frmMain::backUpUnit() {
    if (transferActive() || !FrameFunction->isEnabled() || !journal) return;
    startRun(Operation::BackUp, withMode(runInput(), Mode::Backup));
}

void frmMain::compareWithFile() {
    if (transferActive()) return;
    const QString path = chooseFile(FileKind::Open);
    if (path.isEmpty()) return;
    const ConfigDocument document = ConfigDocument::load(path);
    if (!document.ok) {
        QMessageBox::warning(this, tr("Compare with File"),
                             tr("%1 cannot be compared: %2")
                                 .arg(escape::unprintable(QDir::toNativeSeparators(path)),
                                      escape::unprintable(document.error)));
        return;
    }
    const QString shown = escape::unprintable(QFileInfo(path).fileName());
    QString heading = differingValues(configuration(), document.set, document.phoneCount).isEmpty()
                          ? tr("The window and %1 hold the same values.").arg(shown)
                          : tr("The window and %1 differ in these values.").arg(shown);
    if (!document.holdsAllPhones())
        heading += QLatin1Char(' ') +
                   tr("The file holds phone numbers 1-16 only; 17-32 are not compared.");
    showDifferences(document.set, document.phoneCount, shown, heading);
}
