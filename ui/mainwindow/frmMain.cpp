// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/frmMain.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QTabWidget>

#include "ui/common/ComboEntry.h"
#include "ui/dialogs/frmEditMessage.h"
#include "ui/dialogs/frmEditNo.h"
#include "ui/station/StationWindow.h"

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
    // Every change of state, by user or by code, stores the flag; a click is an edit.
    connect(Frame2, &ChannelPage::enableChanged, this, &frmMain::chkChEnable_Click);
    connect(Frame2, &ChannelPage::enableClicked, this, &frmMain::contentsEdited);
    connect(Frame2, &ChannelPage::editMessageClicked, this, &frmMain::cmdEditMsg_Click);
    for (int panel = 0; panel < int(Frame3.size()); ++panel)
        connect(Frame3[panel], &PhonePanel::editNumberClicked, this,
                [this, panel](int row) { cmdEditNo_Click(panel * PhonePanel::Rows + row); });
    connect(cmbSlaveID, &QComboBox::activated, this, &frmMain::contentsEdited);
    connect(cmbSlaveID->lineEdit(), &QLineEdit::textEdited, this, &frmMain::contentsEdited);
    connect(Frame1, &LinkBox::connectClicked, this, &frmMain::cmdConnect_Click);
    connect(cmdDeviceRead, &QPushButton::clicked, this, &frmMain::cmdDeviceRead_Click);
    connect(cmdDeviceWrite, &QPushButton::clicked, this, &frmMain::cmdDeviceWrite_Click);
    connect(cmdFileLoad, &QPushButton::clicked, this, &frmMain::cmdFileLoad_Click);
    connect(cmdFileSave, &QPushButton::clicked, this, &frmMain::cmdFileSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);

    Frame1->portBox()->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::startUp() {
    const QString lastPort = QSettings().value(QLatin1String(PortSetting)).toString();
    if (!lastPort.isEmpty()) setPort(lastPort);
    for (int k = 0; k < ConfigurationSet::SlaveIdCount; ++k)
        cmbSlaveID->addItem(QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')));
    cmbSlaveID->setCurrentIndex(0);
}

ConfigurationSet frmMain::configuration() const {
    ConfigurationSet set;
    set.slaveId = slaveId();
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        set.phoneNo[k] = phoneNumber(k);
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
        setPhoneNumber(k, set.phoneNo[k]);
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
    Frame1->refreshPortList();
}

void frmMain::setPort(const QString& text) {
    Frame1->setPort(text);
}

QString frmMain::phoneNumber(int k) const {
    return Frame3[k / PhonePanel::Rows]->number(k % PhonePanel::Rows);
}

void frmMain::setPhoneNumber(int k, const QString& number) {
    Frame3[k / PhonePanel::Rows]->setNumber(k % PhonePanel::Rows, number);
}

int frmMain::slaveId() const {
    return matchingEntry(cmbSlaveID);
}
int frmMain::portIndex() const {
    return Frame1->portIndex();
}

void frmMain::TS_Click() {
    for (int s = 0; s < Slots; ++s) {
        const int index = channelIndex(s);
        // A change of state stores the same flag back through chkChEnable_Click.
        Frame2->showChannel(s, index, ChannelEnable[index] == FlagTrue, ChannelMessage[index]);
    }
}

void frmMain::showMessage(int s) {
    Frame2->setMessage(s, ChannelMessage[channelIndex(s)]);
}

void frmMain::chkChEnable_Click(int s) {
    if (s < 0 || s >= Slots) return;
    const int index = channelIndex(s);
    ChannelEnable[index] = Frame2->isChecked(s) ? FlagTrue : FlagFalse;
}

void frmMain::cmdEditMsg_Click(int s) {
    if (s < 0 || s >= Slots) return;
    const std::optional<QString> edited =
        frmEditMessage::edit(Frame2->message(s), this, channelIndex(s) + 1);
    if (!edited) return;
    ChannelMessage[channelIndex(s)] = *edited;
    showMessage(s);
    contentsEdited();
}

void frmMain::cmdEditNo_Click(int k) {
    if (k < 0 || k >= ConfigurationSet::PhoneCount) return;
    const std::optional<QString> edited = frmEditNo::edit(phoneNumber(k), this);
    if (!edited) return;
    setPhoneNumber(k, *edited);
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
