// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/LinkBox.h"

#include <QColor>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "core/Twips.h"
#include "device/SerialLink.h"
#include "ui/common/ComboEntry.h"
#include "ui/common/NamedComboBox.h"
#include "ui/common/Placement.h"
#include "ui/common/PortComboBox.h"
#include "ui/common/Widgets.h"

namespace {

// The window's catalogue holds these texts.
QString text(const char* source) {
    return QCoreApplication::translate("frmMain", source);
}

// In twips from the frame's top-left corner.
constexpr twips::Place Places[] = {
    {"Label1", 480, 240, 855, 255},
    {"cmbComm", 240, 600, 1455, 315},
    {"cmdConnect", 240, 1080, 1215, 315},
    {"shpComm", 1680, 1080, 255, 255},
};

struct LampLook {
    QColor colour;
    const char* tip;
};
// In the order of LinkBox::Lamp.
const LampLook Looks[] = {
    {QColor(0, 0, 0), QT_TRANSLATE_NOOP("frmMain", "Not connected")},
    {QColor(0, 255, 0), QT_TRANSLATE_NOOP("frmMain", "Connected")},
    {QColor(255, 0, 0),
     QT_TRANSLATE_NOOP("frmMain", "Not connected: the last attempt failed or the line was lost")},
};

}  // namespace

LinkBox::LinkBox(QWidget* parent) : QGroupBox(parent) {
    ui::nameComboBoxes();  // the port box and the slave ID box, by their names
    setObjectName(QStringLiteral("Frame1"));
    setTitle(text(QT_TRANSLATE_NOOP("frmMain", "Communication")));
    Label1 = ui::makeLabel("Label1", this);
    Label1->setText(text(QT_TRANSLATE_NOOP("frmMain", "Port No.")));
    // Takes typed text, but typed text never becomes a list entry.
    cmbComm = ui::make<PortComboBox>("cmbComm", this);
    cmbComm->setEditable(true);
    cmbComm->setInsertPolicy(QComboBox::NoInsert);
    // Read out by its name, not by the port it shows.
    cmbComm->setAccessibleName(text(QT_TRANSLATE_NOOP("frmMain", "Port")));
    Label1->setBuddy(cmbComm);
    cmdConnect = ui::make<QPushButton>("cmdConnect", this);
    cmdConnect->setText(text(QT_TRANSLATE_NOOP("frmMain", "Connect")));
    shpComm = ui::make<QFrame>("shpComm", this);
    shpComm->setFrameShape(QFrame::Box);
    shpComm->setFrameShadow(QFrame::Plain);
    shpComm->setLineWidth(1);
    shpComm->setAutoFillBackground(true);  // opaque; the palette's Window colour is the lamp
    twips::placeAll(this, Places);

    for (int n = 1; n <= ComEntries; ++n)
        cmbComm->addItem(QStringLiteral("COM %1").arg(n));
    cmbComm->setCurrentIndex(0);
    refreshPortList();
    connect(cmbComm, &PortComboBox::aboutToShowPopup, this, &LinkBox::refreshPortList);
    connect(cmdConnect, &QPushButton::clicked, this, &LinkBox::connectClicked);
}

QString LinkBox::portText() const {
    return cmbComm->currentText();
}

int LinkBox::portIndex() const {
    return matchingEntry(cmbComm);
}

void LinkBox::setPort(const QString& text) {
    // The entry of that name when there is one, so the list opens on it; typed text otherwise.
    const int entry = cmbComm->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (entry >= 0) cmbComm->setCurrentIndex(entry);
    cmbComm->setEditText(text);
}

void LinkBox::refreshPortList() {
    const QString shown = cmbComm->currentText();
    while (cmbComm->count() > ComEntries)
        cmbComm->removeItem(cmbComm->count() - 1);
    const QStringList devices = SerialLink::availableDevices();
    for (const QString& device : devices)
        cmbComm->addItem(device);
    cmbComm->setToolTip(
        devices.isEmpty()
            ? text(QT_TRANSLATE_NOOP("frmMain", "No serial devices found on this computer."))
            : text(QT_TRANSLATE_NOOP("frmMain", "Serial devices on this computer:\n%1"))
                  .arg(devices.join('\n')));
    setPort(shown);
}

void LinkBox::setConnected(bool connected) {
    cmdConnect->setText(connected ? text(QT_TRANSLATE_NOOP("frmMain", "Disconnect"))
                                  : text(QT_TRANSLATE_NOOP("frmMain", "Connect")));
}

void LinkBox::setLamp(Lamp lamp) {
    const LampLook& look = Looks[int(lamp)];
    shpComm->setToolTip(text(look.tip));
    QPalette palette = shpComm->palette();
    palette.setColor(QPalette::Window, look.colour);
    shpComm->setPalette(palette);
}

QWidget* LinkBox::portBox() const {
    return cmbComm;
}
