// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/frmMain.h"

#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>

#include "ui/common/Settings.h"
#include "ui/mainwindow/FileActions.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/UnitController.h"
#include "ui/station/StationWindow.h"

namespace {

// The layout was drawn for the classic 8-point dialog font. Take it, or the nearest sans-serif
// the system has, and step down where that one runs wider, so "Channel 64" fits its box.
QFont dialogFont(const QStyle* style) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    while (!ChannelPage::captionFits(font, style) && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    buildWindow();
    const QString lastPort = QSettings().value(QLatin1String(Settings::Port)).toString();
    if (!lastPort.isEmpty()) setPort(lastPort);
    unit = new safety::UnitController(this);
    files = std::make_unique<FileActions>(form, &contents, this);
    setTrafficLog(nullptr);
    wireUnit();
    startValues = configuration();
    buildMenus();
    form->tipKeysFrom(this);
    wireForm();
    form->linkBox()->portBox()->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::buildWindow() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quellix Ver.2.0[*]"));  // [*]: edits not saved or written
    setWindowIcon(QIcon(QStringLiteral(":/quellix.png")));
    // Fixed single border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(dialogFont(style()));
    // The form keeps its client area; the menu bar and status bar come around it, and the
    // window takes exactly the room they need.
    form = new MainForm(this);
    setCentralWidget(form);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMain::wireForm() {
    connect(form, &MainForm::edited, this, &frmMain::contentsEdited);
    connect(form, &MainForm::editMessageClicked, this, &frmMain::cmdEditMsg_Click);
    connect(form, &MainForm::editNumberClicked, this, &frmMain::cmdEditNo_Click);
    connect(form, &MainForm::connectClicked, this, &frmMain::cmdConnect_Click);
    connect(form, &MainForm::readClicked, this, &frmMain::cmdDeviceRead_Click);
    connect(form, &MainForm::writeClicked, this, &frmMain::cmdDeviceWrite_Click);
    connect(form, &MainForm::loadClicked, this, &frmMain::cmdFileLoad_Click);
    connect(form, &MainForm::saveClicked, this, &frmMain::cmdFileSave_Click);
    connect(form, &MainForm::exitClicked, this, &frmMain::cmdExit_Click);
    files->mayReplace = [this](bool ask) { return !unit->busy() && (!ask || confirmDiscard()); };
    files->contentsChanged = [this] { refreshContents(); };
    files->compareReady = [this](const ConfigurationSet& other, int phoneCount, const QString& name,
                                 const QString& heading) {
        showDifferences(other, phoneCount, name, heading);
    };
}

ConfigurationSet frmMain::configuration() const {
    return form->configuration();
}
void frmMain::applyConfiguration(const ConfigurationSet& set) {
    form->applyConfiguration(set);
}
int frmMain::currentPage() const {
    return form->currentPage();
}
int frmMain::channelIndex(int slot) const {
    return form->channelIndex(slot);
}
void frmMain::selectPage(int page) {
    form->selectPage(page);
}
int frmMain::slaveId() const {
    return form->slaveId();
}
int frmMain::portIndex() const {
    return form->linkBox()->portIndex();
}
void frmMain::refreshPortList() {
    form->linkBox()->refreshPortList();
}
void frmMain::setPort(const QString& text) {
    form->linkBox()->setPort(text);
}

void frmMain::TS_Click() {
    form->showPage();
}
void frmMain::chkChEnable_Click(int s) {
    form->storeFlag(s);
}
void frmMain::cmdEditMsg_Click(int s) {
    if (form->editMessage(s)) contentsEdited();
}
void frmMain::cmdEditNo_Click(int k) {
    if (form->editNumber(k)) contentsEdited();
}
void frmMain::cmdFileLoad_Click() {
    files->load();
}
void frmMain::cmdFileSave_Click() {
    files->save();
}
void frmMain::compareWithFile() {
    if (!transferActive()) files->compare();
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
    const bool allowed = unit->busy() ? confirmCloseDuringTransfer() : confirmDiscard();
    if (allowed && prepareClose())
        event->accept();
    else
        event->ignore();
}
