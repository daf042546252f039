// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QTabWidget>

#include "SerialLink.h"
#include "StationWindow.h"
#include "frmEditMessage.h"
#include "frmEditNo.h"

namespace {

// Index of the entry whose text is exactly the shown text; an editable combo keeps its old
// index while the user types, so the index alone would report a stale selection.
int matchingEntry(const QComboBox* combo) {
    const QString shown = combo->currentText();
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i) == shown) return i;
    return -1;
}

QString channelCaption(int index) {
    return frmMain::tr("Channel %1").arg(index + 1);
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    buildLayout();
    startUp();
    initDevice();
    startValues = configuration();
    buildMenus();

    // The tab strip refreshes the page on every selection, from code or user, and also when
    // the user clicks the tab already shown.
    connect(TS, &QTabWidget::currentChanged, this, &frmMain::TS_Click);
    connect(TS, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index >= 0) TS_Click();
    });
    for (int s = 0; s < Slots; ++s) {
        // Every change of state, by user or by code, stores the flag.
        connect(chkChEnable[s], &QCheckBox::stateChanged, this,
                [this, s] { chkChEnable_Click(s); });
        connect(cmdEditMsg[s], &QPushButton::clicked, this, [this, s] { cmdEditMsg_Click(s); });
        connect(chkChEnable[s], &QCheckBox::clicked, this, &frmMain::contentsEdited);  // user only
    }
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        connect(cmdEditNo[k], &QPushButton::clicked, this, [this, k] { cmdEditNo_Click(k); });
    connect(cmbSlaveID, &QComboBox::activated, this, &frmMain::contentsEdited);
    connect(cmbSlaveID->lineEdit(), &QLineEdit::textEdited, this, &frmMain::contentsEdited);
    connect(cmdConnect, &QPushButton::clicked, this, &frmMain::cmdConnect_Click);
    connect(cmdDeviceRead, &QPushButton::clicked, this, &frmMain::cmdDeviceRead_Click);
    connect(cmdDeviceWrite, &QPushButton::clicked, this, &frmMain::cmdDeviceWrite_Click);
    connect(cmdFileLoad, &QPushButton::clicked, this, &frmMain::cmdFileLoad_Click);
    connect(cmdFileSave, &QPushButton::clicked, this, &frmMain::cmdFileSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);

    cmbComm->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::startUp() {
    for (int s = 0; s < Slots; ++s) {
        chkChEnable[s]->setText(channelCaption(s));
        lblMessage[s]->setText(QString());
    }
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k) {
        QLineEdit* box = txtPhoneNo[k];
        box->setText(QString());
        box->setMaxLength(ConfigurationSet::PhoneMaxLength);
        box->setEnabled(false);  // numbers come only through the phone number dialog
        box->setToolTip(tr("Phone %1").arg(k + 1));
        // Closed to typing, yet the number must stay as easy to read as an open box.
        QPalette readable = box->palette();
        readable.setColor(QPalette::Disabled, QPalette::Text,
                          readable.color(QPalette::Active, QPalette::Text));
        box->setPalette(readable);
    }
    for (int n = 1; n <= ComEntries; ++n)
        cmbComm->addItem(QStringLiteral("COM %1").arg(n));
    cmbComm->setCurrentIndex(0);
    refreshPortList();
    const QString lastPort = QSettings().value(QLatin1String(PortSetting)).toString();
    if (!lastPort.isEmpty()) setPort(lastPort);
    connect(cmbComm, &PortComboBox::aboutToShowPopup, this, &frmMain::refreshPortList);
    for (int k = 0; k < ConfigurationSet::SlaveIdCount; ++k)
        cmbSlaveID->addItem(QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')));
    cmbSlaveID->setCurrentIndex(0);
}

ConfigurationSet frmMain::configuration() const {
    ConfigurationSet set;
    set.slaveId = slaveId();
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        set.phoneNo[k] = txtPhoneNo[k]->text();
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        set.channelEnable[i] = ChannelEnable[i];
        set.channelMessage[i] = ChannelMessage[i];
    }
    return set;
}

void frmMain::applyConfiguration(const ConfigurationSet& set) {
    if (set.slaveId >= 0 && set.slaveId < ConfigurationSet::SlaveIdCount)
        cmbSlaveID->setCurrentIndex(set.slaveId);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        txtPhoneNo[k]->setText(set.phoneNo[k].left(ConfigurationSet::PhoneMaxLength));
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        // Only -1 counts as set, and only -1 or 0 is ever stored.
        ChannelEnable[i] = set.enabled(i) ? FlagTrue : FlagFalse;
        ChannelMessage[i] = set.channelMessage[i];
    }
    TS_Click();
}

int frmMain::currentPage() const {
    return TS->currentIndex() + 1;
}

int frmMain::channelIndex(int slot) const {
    return (currentPage() - 1) * Slots + slot;
}

void frmMain::selectPage(int page) {
    if (page < 1 || page > Pages) return;
    if (TS->currentIndex() == page - 1)
        TS_Click();  // no change of tab, so no signal
    else
        TS->setCurrentIndex(page - 1);  // currentChanged runs the refresh
}

void frmMain::refreshPortList() {
    const QString shown = cmbComm->currentText();
    while (cmbComm->count() > ComEntries)
        cmbComm->removeItem(cmbComm->count() - 1);
    const QStringList devices = SerialLink::availableDevices();
    for (const QString& device : devices)
        cmbComm->addItem(device);
    cmbComm->setToolTip(devices.isEmpty()
                            ? tr("No serial devices found on this computer.")
                            : tr("Serial devices on this computer:\n%1").arg(devices.join('\n')));
    setPort(shown);
}

void frmMain::setPort(const QString& text) {
    // The entry of that name when there is one, so the list opens on it; typed text otherwise.
    const int entry = cmbComm->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (entry >= 0) cmbComm->setCurrentIndex(entry);
    cmbComm->setEditText(text);
}

int frmMain::slaveId() const {
    return matchingEntry(cmbSlaveID);
}
int frmMain::portIndex() const {
    return matchingEntry(cmbComm);
}

void frmMain::TS_Click() {
    for (int s = 0; s < Slots; ++s) {
        const int index = channelIndex(s);
        chkChEnable[s]->setText(channelCaption(index));
        // A change of state stores the same flag back through chkChEnable_Click.
        chkChEnable[s]->setChecked(ChannelEnable[index] == FlagTrue);
        showMessage(s);
    }
}

void frmMain::showMessage(int s) {
    const QString& text = ChannelMessage[channelIndex(s)];
    lblMessage[s]->setText(text);
    // The row is one line high: text after a line break would vanish without a word.
    const qsizetype lineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    const bool hidden = lineEnd >= 0 && !text.mid(lineEnd).trimmed().isEmpty();
    lblMessage[s]->setToolTip(hidden ? text : QString());
    lblMore[s]->setVisible(hidden);
}

void frmMain::chkChEnable_Click(int s) {
    if (s < 0 || s >= Slots) return;
    const int index = channelIndex(s);
    ChannelEnable[index] = chkChEnable[s]->isChecked() ? FlagTrue : FlagFalse;
}

void frmMain::cmdEditMsg_Click(int s) {
    if (s < 0 || s >= Slots) return;
    const std::optional<QString> edited =
        frmEditMessage::edit(lblMessage[s]->text(), this, channelIndex(s) + 1);
    if (!edited) return;
    ChannelMessage[channelIndex(s)] = *edited;
    showMessage(s);
    contentsEdited();
}

void frmMain::cmdEditNo_Click(int k) {
    if (k < 0 || k >= ConfigurationSet::PhoneCount) return;
    const std::optional<QString> edited = frmEditNo::edit(txtPhoneNo[k]->text(), this);
    if (!edited) return;
    txtPhoneNo[k]->setText(edited->left(ConfigurationSet::PhoneMaxLength));
    contentsEdited();
}

void frmMain::cmdExit_Click() {
    close();
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Shown by the program (not restored by the window manager): centre the whole window,
    // title bar included, which is known only now.
    if (event->spontaneous()) return;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    // The station's window asks about its own running units first; Wait keeps both open.
    if (stationWindow && stationWindow->isRunning() && !stationWindow->close())
        return event->ignore();
    // During a transfer the window asks about the transfer; edits are asked about after it.
    const bool allowed = session->busy() ? confirmCloseDuringTransfer() : confirmDiscard();
    if (allowed && prepareClose())
        event->accept();
    else
        event->ignore();
}
