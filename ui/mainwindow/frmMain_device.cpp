// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's device side: connecting the port, and reading and writing the unit.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTime>

#include "core/Escape.h"
#include "device/SerialLink.h"
#include "device/UnitSession.h"
#include "journal/Journal.h"
#include "journal/JournalWorker.h"
#include "journal/PortIdentity.h"
#include "provision/UnitRun.h"
#include "ui/common/CloseQuestion.h"
#include "ui/dialogs/frmProgress.h"
#include "ui/mainwindow/RunEnd.h"
#include "ui/mainwindow/frmMain.h"

using safety::Operation;
using safety::RunEnd;

namespace {
// A read into the window that brought nothing it may show: no unit, or replies that came late
// or were not of their items' form.
bool readRefused(const RunEnd& end) {
    using Outcome = UnitSession::Outcome;
    return end.op == Operation::Read &&
           (end.last == Outcome::ProbeFailed ||
            (end.last == Outcome::Completed && end.result.code != provision::Done));
}
}  // namespace

void frmMain::initDevice() {
    session = new UnitSession(this);
    setTrafficLog(nullptr);
    connect(session, &UnitSession::lost, this, &frmMain::onLinkLost);
    wireSession();
}

void frmMain::setProtocolInterval(int ms) {
    session->setInterval(ms);
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
    return run || session->busy();
}

bool frmMain::prepareClose() {
    if (transferActive()) {
        closeAfterTransfer = true;
        session->stop();
        return false;
    }
    // Unloading the window releases the port with it.
    if (session->isOpen()) {
        session->close();
        showLinkState(false);
    }
    return true;
}

void frmMain::showLinkState(bool connected) {
    Frame1->setConnected(connected);
    FrameFunction->setEnabled(connected);
    refreshContents();
}

void frmMain::cmdConnect_Click() {
    if (transferActive()) return;  // disabled during a transfer; never close under one
    if (!session->isOpen()) {
        const QString device = SerialLink::deviceNameFor(Frame1->portText(), portIndex() + 1,
                                                         SerialLink::hostPlatform());
        if (session->open(device)) {
            connectedAt = QDateTime::currentDateTime();
            // Asked once here, not at the end of every run: the port stays open until
            // Disconnect, so what is behind it cannot change, and the lookup takes milliseconds.
            portIdentity = journal::identifyPort(device);
            unitModel.clear();
            QSettings().setValue(QLatin1String(PortSetting), Frame1->portText().trimmed());
            showLinkState(true);
            Frame1->setLamp(LinkBox::Lamp::Connected);
            return;
        }
        refreshPortList();
        QMessageBox::warning(this, tr("USB Port Error"), session->errorString());
        Frame1->setLamp(LinkBox::Lamp::Failed);
    } else {
        session->close();
        showLinkState(false);
        Frame1->setLamp(LinkBox::Lamp::Off);
    }
}

void frmMain::onLinkLost() {
    // The port is already closed; show it as failed rather than leave a green lamp over it.
    showLinkState(false);
    Frame1->setLamp(LinkBox::Lamp::Failed);
}

void frmMain::cmdDeviceRead_Click() {
    if (transferActive() || !FrameFunction->isEnabled() || !confirmDiscard()) return;
    selectPage(1);
    contents.replacing(configuration(), WindowContents::Undo::Read);
    provision::RunInput input = runInput();
    input.mode = provision::RunInput::Mode::Read;  // into the window, saved nowhere
    startRun(Operation::Read, input);
}

void frmMain::cmdDeviceWrite_Click() {
    if (transferActive() || !FrameFunction->isEnabled()) return;
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
    provision::RunInput input = runInput();
    input.mode = provision::RunInput::Mode::Write;
    // The controls are locked for the whole run, so this equals what the window shows until
    // the write ends.
    input.document.set = configuration();
    input.backup = backupWanted();
    input.verifyAfterWrite = verifyAfterAction->isChecked();
    startRun(Operation::Write, input);
}

bool frmMain::confirmBlankWrite() {
    const QString port = session->deviceName();
    QMessageBox box(QMessageBox::Warning, tr("Write to Device"),
                    tr("The window holds only the start values: nothing was read, loaded or "
                       "edited. Writing them would clear the phone numbers and messages of the "
                       "unit on %1.")
                        .arg(port),
                    QMessageBox::Yes | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("blankWriteQuestion"));
    box.setInformativeText(tr("Write the empty configuration anyway?"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Yes;
}

QString frmMain::communicationAdvice(bool lost, int lateMs) const {
    const QString port = session->deviceName();
    const QString tries =
        tr("Check that the unit is powered and its cable firmly plugged in, "
           "or try another port.");
    // A unit that answers, only too late, is no missing unit: the advice is another one.
    if (!lost && lateMs >= 0)
        return tr("The unit on %1 answers late (about %2 ms after each command), after the %3 ms "
                  "this window waits for a reply. With Unit > Fast Link on, the window learns "
                  "the unit's pace and reads it right; check the unit and its cable too.")
            .arg(port, QString::number(lateMs), QString::number(session->interval()));
    if (!lost) return tr("No unit answered on %1. %2").arg(port, tries);
    return tr("The line to %1 was lost at %2 (%3). %4")
        .arg(port, QLocale().toString(lostAt, QLocale::LongFormat), lostReason, tries);
}

void frmMain::wireSession() {
    // One progress window for the whole run: each step probes again and says what it does.
    connect(session, &UnitSession::probeAccepted, this, [this](const QString& model) {
        unitModel = model;
        if (!progress) {
            progress = new frmProgress(this);
            progress->show();
        }
        progress->setModelText(model);
        progress->setActivityText(activity);
    });
    connect(session, &UnitSession::progress, this, [this](int done) {
        if (progress) progress->setProgress(session->shownProgress(done));
    });
    connect(session, &UnitSession::settingReplied, this, [this](const QString& reply) {
        if (progress) progress->setResultText(reply);
    });
    connect(session, &UnitSession::lost, this, [this](const QString& reason) {
        lostReason = reason;
        lostAt = QTime::currentTime();
    });
    // Only a read into the window shows what arrives; a backup, a verify or a read-back only
    // looks at the unit.
    connect(session, &UnitSession::slaveIdRead, this, [this](int id) {
        if (operation == Operation::Read) cmbSlaveID->setCurrentIndex(id);
    });
    connect(session, &UnitSession::enableFlagsRead, this,
            [this](const CommandSet::EnableFlags& flags) {
                if (operation != Operation::Read) return;
                for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
                    ChannelEnable[i] = flags[i] == FlagTrue ? FlagTrue : FlagFalse;
                // Each box change stores into the page current at that moment, so set the
                // boxes of that page, whichever the user has switched to.
                for (int s = 0; s < Slots; ++s)
                    Frame2->setChecked(s, ChannelEnable[channelIndex(s)] == FlagTrue);
            });
    connect(session, &UnitSession::phoneNoRead, this, [this](int slot, const QString& text) {
        if (operation == Operation::Read) setPhoneNumber(slot, text);
    });
    connect(session, &UnitSession::messageRead, this, [this](int index, const QString& text) {
        if (operation == Operation::Read) ChannelMessage[index] = text;
    });
    // Connected before any run's own handler, so the run's end finds its last outcome here.
    connect(session, &UnitSession::finished, this,
            [this](UnitSession::Outcome outcome) { lastOutcome = outcome; });
}

void frmMain::onRunFinished() {
    RunEnd end{operation,
               run->result(),
               run->currentStep(),
               lastOutcome,
               session->exchangesDone(),
               session->exchangeCount(),
               session->configuration()};
    run->deleteLater();  // still inside its signal
    run = nullptr;
    operation = Operation::None;
    noteTransfer(end);
    // Also after a read cut short: the messages that did arrive are in ChannelMessage, and the
    // labels must show them, or an edit would start from the old text.
    if (end.op == Operation::Read) {
        for (int s = 0; s < Slots; ++s)
            showMessage(s);
    }
    delete progress;
    progress = nullptr;
    unlockControls();

    if (closeAfterTransfer) {
        closeAfterTransfer = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    // Shown from the event loop, not from inside the port's or the timer's signal.
    QMetaObject::invokeMethod(
        this, [this, end] { reportRun(end); }, Qt::QueuedConnection);
}

void frmMain::reportCommunication(const RunEnd& end) {
    using Outcome = UnitSession::Outcome;
    if (end.last == Outcome::LogFailed) {
        QMessageBox::warning(this, tr("Communication Error"),
                             tr("The traffic log could not be written, so the transfer "
                                "stopped. Check the disk or start without --log."));
        return;
    }
    QMessageBox box(QMessageBox::Warning, tr("Communication Error"),
                    tr("Cannot communicate with device"), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("communicationError"));
    box.setInformativeText(communicationAdvice(end.last == Outcome::LinkLost, end.result.lateMs));
    // A late unit is read right at its own pace: offer that instead of leaving the advice to
    // be followed by hand.
    const bool offerPace =
        end.result.lateMs >= 0 && end.op == safety::Operation::Read && !fastLinkAction->isChecked();
    QPushButton* atItsPace =
        offerPace ? box.addButton(tr("Read at Its Pace"), QMessageBox::AcceptRole) : nullptr;
    if (atItsPace) {
        atItsPace->setObjectName(QStringLiteral("cmdReadAtItsPace"));
        box.setDefaultButton(atItsPace);
    }
    box.exec();
    if (!atItsPace || box.clickedButton() != atItsPace) return;
    fastLinkAction->setChecked(true);
    QMetaObject::invokeMethod(this, &frmMain::cmdDeviceRead_Click, Qt::QueuedConnection);
}

// A whole read whose replies came late or were not of their items' form: refused, and the
// window shows what it held before.
void frmMain::reportRefusedRead(const RunEnd& end) {
    QMessageBox box(QMessageBox::Warning, tr("Read from Device"),
                    tr("The read from %1 failed: %2.")
                        .arg(session->deviceName(), escape::unprintable(end.result.summary)),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("readRefused"));
    box.setInformativeText(
        tr("The window keeps what it showed before. Read again; should it "
           "fail again, check the unit and its cable."));
    box.exec();
}

// The status bar and the contents learn how the run ended.
void frmMain::noteTransfer(const RunEnd& end) {
    using Outcome = UnitSession::Outcome;
    const QDateTime now = QDateTime::currentDateTime();
    const bool whole = end.last == Outcome::Completed;
    if (readRefused(end)) {
        // Nothing, or nothing trustworthy, arrived: the window and its state are as they were.
        if (const std::optional<ConfigurationSet> before = contents.takeUndo())
            applyConfiguration(*before);
    } else if (end.op == Operation::Read)
        contents.read(session->deviceName(), now, whole ? end.count : end.done, end.count,
                      end.result.code == provision::Done);
    else if (end.op == Operation::Write && (end.step == provision::UnitRun::Step::VerifyRead ||
                                            (end.step == provision::UnitRun::Step::Write && whole)))
        contents.written(session->deviceName(), now);
    statusBar()->showMessage(runStatusText(end), 15000);
}

bool frmMain::confirmCloseDuringTransfer() {
    // A backup, a verify or a read-back changes neither the unit nor the window.
    const bool write = session->kind() == UnitSession::Kind::Write;
    const QString text = write ? tr("A write is running. A write cut short leaves the unit "
                                    "half-written: part old, part new configuration.")
                         : operation == Operation::Read
                             ? tr("A read is running. A read cut short leaves the window part "
                                  "old, part new.")
                             : tr("The unit is being read. Closing stops the read; the unit and "
                                  "the window stay as they are.");
    return askCloseAnyway(this, tr("Transfer Running"), text);
}

void frmMain::lockControls() {
    QList<QWidget*> controls{cmdDeviceRead, cmdDeviceWrite, cmdFileLoad, cmdFileSave, cmbSlaveID};
    controls << Frame1->connectButton();
    for (int row = 0; row < Slots; ++row)
        controls << Frame2->editButton(row) << Frame2->enableBox(row);
    for (const PhonePanel* panel : Frame3)
        for (int row = 0; row < PhonePanel::Rows; ++row)
            controls << panel->editButton(row);
    lockedControls.clear();
    for (QWidget* w : controls) {
        // Remember the control's own setting, not the one inherited from a disabled frame.
        if (w && !w->testAttribute(Qt::WA_ForceDisabled)) {
            lockedControls << w;
            w->setEnabled(false);
        }
    }
    refreshContents();
}

void frmMain::unlockControls() {
    for (QWidget* w : std::as_const(lockedControls))
        w->setEnabled(true);
    lockedControls.clear();
    refreshContents();
}
