// The main window's device side: connecting the port, and reading and writing the unit.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>

#include "DeviceProcedure.h"
#include "SerialLink.h"
#include "Transaction.h"
#include "frmMain.h"
#include "frmProgress.h"

namespace {
const QString ConnectCaption = QStringLiteral("Connect");
const QString DisconnectCaption = QStringLiteral("Disconnect");
const QString NoDeviceText = QStringLiteral("Cannot communicate with device");
const QString NoDeviceCaption = QStringLiteral("Communication Error");
}  // namespace

void frmMain::initDevice() {
    serialLink = new SerialLink(this);
    transaction = new Transaction(serialLink, this);
    connect(serialLink, &SerialLink::lost, this, &frmMain::onLinkLost);
    refreshPortToolTip();
}

void frmMain::setProtocolInterval(int ms) {
    transaction->setInterval(ms);
}

bool frmMain::transferActive() const {
    return procedure != nullptr;
}

bool frmMain::prepareClose() {
    if (procedure) {
        closeAfterTransfer = true;
        procedure->stop();
        return false;
    }
    // Unloading the window releases the port with it.
    if (serialLink->isOpen()) {
        serialLink->close();
        showLinkState(false);
    }
    return true;
}

void frmMain::setLamp(int red, int green, int blue) {
    QPalette palette = shpComm->palette();
    palette.setColor(QPalette::Window, QColor(red, green, blue));
    shpComm->setPalette(palette);
    shpComm->setAutoFillBackground(true);
}

void frmMain::showLinkState(bool connected) {
    cmdConnect->setText(connected ? DisconnectCaption : ConnectCaption);
    FrameFunction->setEnabled(connected);
}

void frmMain::refreshPortToolTip() {
    const QStringList devices = SerialLink::availableDevices();
    cmbComm->setToolTip(devices.isEmpty()
                            ? tr("No serial devices found on this computer.")
                            : tr("Serial devices on this computer:\n%1").arg(devices.join('\n')));
}

void frmMain::cmdConnect_Click() {
    if (procedure) return;  // the button is disabled during a transfer; never close under one
    if (cmdConnect->text() == ConnectCaption) {
        const QString device = SerialLink::deviceNameFor(cmbComm->currentText(), portIndex() + 1,
                                                         SerialLink::hostPlatform());
        if (serialLink->open(device)) {
            showLinkState(true);
            setLamp(0, 255, 0);
            return;
        }
        refreshPortToolTip();
        QMessageBox::warning(this, QStringLiteral("USB Port Error"), serialLink->errorString());
        setLamp(255, 0, 0);
    } else {
        serialLink->close();
        showLinkState(false);
        setLamp(0, 0, 0);
    }
}

void frmMain::onLinkLost() {
    // The port is already closed; show it as failed rather than leave a green lamp over it.
    showLinkState(false);
    setLamp(255, 0, 0);
}

void frmMain::cmdDeviceRead_Click() {
    if (procedure) return;
    selectPage(1);
    startProcedure(false);
}

void frmMain::cmdDeviceWrite_Click() {
    if (procedure) return;
    if (slaveId() < 0) {
        QMessageBox::warning(this, QStringLiteral("Write to Device"),
                             tr("Select a slave ID from the list before writing."));
        return;
    }
    startProcedure(true);
}

void frmMain::startProcedure(bool write) {
    using Kind = DeviceProcedure::Kind;
    // The controls are locked for the whole transfer, so this equals what the window shows
    // until the write ends.
    const ConfigurationSet source = write ? configuration() : ConfigurationSet{};
    procedure = new DeviceProcedure(write ? Kind::Write : Kind::Read, transaction, source, this);
    closeAfterTransfer = false;
    lockControls();

    connect(procedure, &DeviceProcedure::probeAccepted, this, [this, write](const QString& model) {
        progress = new frmProgress(this);
        progress->show();
        progress->setModelText(model);
        progress->setActivityText(write ? QStringLiteral("Writing to device ...")
                                        : QStringLiteral("Reading from device ..."));
    });
    connect(procedure, &DeviceProcedure::progress, this, [this](float value) {
        if (progress) progress->setProgress(value);
    });
    connect(procedure, &DeviceProcedure::settingReplied, this, [this](const QString& reply) {
        if (progress) progress->setResultText(reply);
    });
    connect(procedure, &DeviceProcedure::slaveIdRead, this,
            [this](int id) { cmbSlaveID->setCurrentIndex(id); });
    connect(procedure, &DeviceProcedure::enableFlagsRead, this,
            [this](const CommandSet::EnableFlags& flags) {
                for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
                    ChannelEnable[i] = flags[i] == FlagTrue ? FlagTrue : FlagFalse;
                // Each box change stores into the page current at that moment, so set the
                // boxes of that page, whichever the user has switched to.
                const int base = (currentPage() - 1) * Slots;
                for (int s = 0; s < Slots; ++s)
                    chkChEnable[s]->setChecked(ChannelEnable[base + s] == FlagTrue);
            });
    connect(procedure, &DeviceProcedure::phoneNoRead, this, [this](int slot, const QString& text) {
        txtPhoneNo[slot]->setText(text.left(ConfigurationSet::PhoneMaxLength));
    });
    connect(procedure, &DeviceProcedure::messageRead, this,
            [this](int index, const QString& text) { ChannelMessage[index] = text; });
    connect(procedure, &DeviceProcedure::finished, this,
            [this](DeviceProcedure::Outcome outcome) { onProcedureFinished(int(outcome)); });

    procedure->start();
}

void frmMain::onProcedureFinished(int outcome) {
    using Outcome = DeviceProcedure::Outcome;
    const bool wasRead = procedure->kind() == DeviceProcedure::Kind::Read;
    // Also after a read cut short: the messages that did arrive are in ChannelMessage, and the
    // labels must show them, or an edit would start from the old text.
    if (wasRead) {
        const int base = (currentPage() - 1) * Slots;
        for (int s = 0; s < Slots; ++s)
            lblMessage[s]->setText(ChannelMessage[base + s]);
    }
    delete progress;
    progress = nullptr;
    procedure->deleteLater();  // still inside its signal
    procedure = nullptr;
    unlockControls();

    if (closeAfterTransfer) {
        closeAfterTransfer = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    if (Outcome(outcome) == Outcome::ProbeFailed || Outcome(outcome) == Outcome::LinkLost) {
        // Shown from the event loop, not from inside the port's or the timer's signal.
        QMetaObject::invokeMethod(
            this, [this] { QMessageBox::warning(this, NoDeviceCaption, NoDeviceText); },
            Qt::QueuedConnection);
    }
}

void frmMain::lockControls() {
    QList<QWidget*> controls{cmdConnect,  cmdDeviceRead, cmdDeviceWrite,
                             cmdFileLoad, cmdFileSave,   cmbSlaveID};
    for (QWidget* w : cmdEditMsg)
        controls << w;
    for (QWidget* w : cmdEditNo)
        controls << w;
    for (QWidget* w : chkChEnable)
        controls << w;
    lockedControls.clear();
    for (QWidget* w : controls) {
        // Remember the control's own setting, not the one inherited from a disabled frame.
        if (w && !w->testAttribute(Qt::WA_ForceDisabled)) {
            lockedControls << w;
            w->setEnabled(false);
        }
    }
}

void frmMain::unlockControls() {
    for (QWidget* w : std::as_const(lockedControls))
        w->setEnabled(true);
    lockedControls.clear();
}
