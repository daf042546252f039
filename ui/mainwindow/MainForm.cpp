// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/MainForm.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <functional>
#include <vector>

#include "core/Twips.h"
#include "ui/common/ComboEntry.h"
#include "ui/common/Placement.h"
#include "ui/common/Widgets.h"
#include "ui/dialogs/frmEditMessage.h"
#include "ui/dialogs/frmEditNo.h"
#include "ui/mainwindow/ChannelPage.h"
#include "ui/mainwindow/PhonePanel.h"

namespace {

// Every control the window places itself, in twips from its parent's top-left corner (the
// client area for controls on the window, the frame's corner for controls inside a frame).
// The communication, channel and phone frames place their own controls.
constexpr twips::Place Places[] = {
    {"Frame1", 120, 120, 2055, 1575},       {"Frame4", 120, 1800, 2055, 855},
    {"cmbSlaveID", 240, 360, 1455, 315},    {"FrameFunction", 120, 2760, 2055, 1812},
    {"cmdDeviceRead", 240, 360, 1575, 492}, {"cmdDeviceWrite", 240, 1080, 1575, 492},
    {"frameFile", 120, 4800, 2055, 1692},   {"cmdFileLoad", 240, 240, 1575, 495},
    {"cmdFileSave", 240, 960, 1575, 495},   {"TS", 2400, 120, 7332, 6972},
    {"Frame2", 2640, 600, 6852, 6255},      {"Frame3_0", 9960, 360, 3132, 6252},
    {"Frame3_1", 13200, 360, 3132, 6252},   {"cmdExit", 7440, 7320, 1815, 495},
    {"Label2", 10080, 6960, 2652, 252},     {"Label3", 9840, 7320, 2652, 252},
    {"Label4", 10080, 7680, 2652, 252},     {"Image1", 13440, 6840, 2868, 1056},
};

// The fixed texts of the controls on the form, set once every control exists; the frames
// composed of rows name their own. Label3 and Label4 name the makers and their site, which
// read the same in every language.
struct Caption {
    const char* name;
    const char* text;
};
constexpr Caption Captions[] = {
    {"Frame4", QT_TRANSLATE_NOOP("frmMain", "Slave ID")},
    {"FrameFunction", QT_TRANSLATE_NOOP("frmMain", "MODEM")},
    {"cmdDeviceRead", QT_TRANSLATE_NOOP("frmMain", "Read from Device")},
    {"cmdDeviceWrite", QT_TRANSLATE_NOOP("frmMain", "Write to Device")},
    {"frameFile", QT_TRANSLATE_NOOP("frmMain", "File")},
    {"cmdFileLoad", QT_TRANSLATE_NOOP("frmMain", "Load from File")},
    {"cmdFileSave", QT_TRANSLATE_NOOP("frmMain", "Save to File")},
    {"cmdExit", QT_TRANSLATE_NOOP("frmMain", "Exit")},
    {"Label2", QT_TRANSLATE_NOOP("frmMain", "Designed & Developed by:")},
};
// The buttons' tooltips say what each does and the key that does it from anywhere in the
// window: the shortcut of the Unit or File menu's command, by the action's object name.
struct Tip {
    const char* name;
    const char* text;
    const char* action;
};
constexpr Tip Tips[] = {
    {"cmdDeviceRead", QT_TRANSLATE_NOOP("frmMain", "Read the unit's configuration into the window"),
     "actRead"},
    {"cmdDeviceWrite", QT_TRANSLATE_NOOP("frmMain", "Write the window's configuration to the unit"),
     "actWrite"},
    {"cmdFileLoad", QT_TRANSLATE_NOOP("frmMain", "Load a configuration file into the window"),
     "actLoad"},
    {"cmdFileSave", QT_TRANSLATE_NOOP("frmMain", "Save the window's configuration to a file"),
     "actSave"},
};

constexpr const char* PageCaptions[] = {
    QT_TRANSLATE_NOOP("frmMain", "CH1-CH16"), QT_TRANSLATE_NOOP("frmMain", "CH17-CH32"),
    QT_TRANSLATE_NOOP("frmMain", "CH33-CH48"), QT_TRANSLATE_NOOP("frmMain", "CH49-CH64")};

// A caption goes where the kind of control shows it.
void setCaption(QWidget* w, const QString& text) {
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        frame->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
}

constexpr int ClientWidth = 16548;
constexpr int ClientHeight = 8160;

// The window's library speaks in one translation context.
QString text(const char* source) {
    return QCoreApplication::translate("frmMain", source);
}

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    w->setPalette(pal);
}

QFont namedFont(const char* family, qreal points, bool italic = false) {
    QFont font{QString::fromLatin1(family)};
    font.setStyleHint(QFont::SansSerif);  // neither face ships with Linux
    font.setPointSizeF(points);
    font.setItalic(italic);
    return font;
}

}  // namespace

MainForm::MainForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("form"));
    setFixedSize(twips::px(ClientWidth), twips::px(ClientHeight));
    build();
    fillSlaveIds();
    wire();
}

void MainForm::build() {
    // Creation order is stacking order: Frame2 must come after TS to be drawn above it.
    makeCommunication();
    makeFunctions();
    // The pages stay empty: one set of channel rows in Frame2 serves all four of them.
    TS = ui::make<QTabWidget>("TS", this);
    for (const char* caption : PageCaptions)
        TS->addTab(new QWidget, text(caption));
    TS->setCurrentIndex(0);
    Frame2 = new ChannelPage(this);
    for (int panel = 0; panel < int(Frame3.size()); ++panel)
        Frame3[panel] = new PhonePanel(panel, this);
    cmdExit = ui::make<QPushButton>("cmdExit", this);
    makeCredits();
    placeAndName();
    setFocusOrder();
}

void MainForm::placeAndName() {
    twips::placeAll(this, Places);
    for (const Caption& caption : Captions)
        setCaption(findChild<QWidget*>(QLatin1String(caption.name)), text(caption.text));
    for (const Tip& tip : Tips)
        findChild<QWidget*>(QLatin1String(tip.name))->setToolTip(text(tip.text));
}

void MainForm::tipKeysFrom(const QWidget* window) {
    for (const Tip& tip : Tips) {
        auto* action = window->findChild<QAction*>(QLatin1String(tip.action));
        auto* button = findChild<QWidget*>(QLatin1String(tip.name));
        if (!action || !button) continue;
        const auto show = [action, button, source = tip.text] {
            const QString key = action->shortcut().toString(QKeySequence::NativeText);
            button->setToolTip(key.isEmpty() ? text(source)
                                             : QStringLiteral("%1 (%2)").arg(text(source), key));
        };
        show();
        // A key changed later must not leave the tooltip naming the old one.
        connect(action, &QAction::changed, button, show);
    }
}

// The port box with its button and lamp, and the slave ID box.
void MainForm::makeCommunication() {
    Frame1 = new LinkBox(this);
    Frame4 = ui::make<QGroupBox>("Frame4", this);
    // Takes typed text, but typed text never becomes a list entry.
    cmbSlaveID = ui::make<QComboBox>("cmbSlaveID", Frame4);
    cmbSlaveID->setEditable(true);
    cmbSlaveID->setInsertPolicy(QComboBox::NoInsert);
}

// The device and file buttons; the device ones wait for a connected port.
void MainForm::makeFunctions() {
    FrameFunction = ui::make<QGroupBox>("FrameFunction", this);
    cmdDeviceRead = ui::make<QPushButton>("cmdDeviceRead", FrameFunction);
    cmdDeviceWrite = ui::make<QPushButton>("cmdDeviceWrite", FrameFunction);
    FrameFunction->setEnabled(false);

    frameFile = ui::make<QGroupBox>("frameFile", this);
    cmdFileLoad = ui::make<QPushButton>("cmdFileLoad", frameFile);
    cmdFileSave = ui::make<QPushButton>("cmdFileSave", frameFile);
}

// The credit lines and the logo in the bottom right corner.
void MainForm::makeCredits() {
    QLabel* Label2 = ui::makeLabel("Label2", this);
    setTextColour(Label2, QColor(192, 192, 192));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setFont(namedFont("MS Sans Serif", 7.8, true));
    QLabel* Label3 = ui::makeLabel("Label3", this);
    Label3->setText(QStringLiteral("Quellix Project"));
    setTextColour(Label3, QColor(64, 64, 64));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setFont(namedFont("Arial Rounded MT Bold", 9.6));
    QLabel* Label4 = ui::makeLabel("Label4", this);
    Label4->setText(QStringLiteral("www.example.com"));
    setTextColour(Label4, QColor(128, 128, 255));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setFont(namedFont("Arial Rounded MT Bold", 8.4));

    auto* Image1 = ui::make<QLabel>("Image1", this);
    Image1->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    Image1->setScaledContents(true);  // fills the rectangle, proportions not kept
}

// Keyboard focus order; disabled controls (the phone boxes, the MODEM buttons at start) are
// skipped by the toolkit.
void MainForm::setFocusOrder() {
    std::vector<QWidget*> order = {Frame1->portBox(), cmdDeviceRead, Frame1->connectButton(),
                                   cmdDeviceWrite,    cmdFileLoad,   cmdFileSave,
                                   cmbSlaveID,        cmdExit,       TS};
    // Rows first to last of a frame, counting down where last is the smaller.
    auto add = [&order](const auto& control, int first, int last) {
        const int step = first <= last ? 1 : -1;
        for (int row = first; row != last + step; row += step)
            order.push_back(control(row));
    };
    PhonePanel* const low = Frame3[0];  // numbers 1-16
    PhonePanel* const high = Frame3[1];
    add(std::bind_front(&PhonePanel::editButton, low), 8, 15);
    add(std::bind_front(&PhonePanel::numberBox, low), 8, 15);
    add(std::bind_front(&PhonePanel::editButton, low), 0, 7);
    add(std::bind_front(&PhonePanel::numberBox, low), 0, 7);
    add(std::bind_front(&ChannelPage::editButton, Frame2), ChannelPage::Rows - 1, 0);
    add(std::bind_front(&ChannelPage::enableBox, Frame2), ChannelPage::Rows - 1, 0);
    add(std::bind_front(&PhonePanel::numberBox, high), 0, 7);
    add(std::bind_front(&PhonePanel::editButton, high), 0, 7);
    add(std::bind_front(&PhonePanel::numberBox, high), 8, 15);
    add(std::bind_front(&PhonePanel::editButton, high), 8, 15);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainForm::fillSlaveIds() {
    for (int k = 0; k < ConfigurationSet::SlaveIdCount; ++k)
        cmbSlaveID->addItem(QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')));
    cmbSlaveID->setCurrentIndex(0);
}

void MainForm::wire() {
    // The tab strip refreshes the page on every selection, from code or user, and also when
    // the user clicks the tab already shown.
    connect(TS, &QTabWidget::currentChanged, this, &MainForm::showPage);
    connect(TS, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index >= 0) showPage();
    });
    // Every change of state, by user or by code, stores the flag; a click is an edit.
    connect(Frame2, &ChannelPage::enableChanged, this, &MainForm::storeFlag);
    connect(Frame2, &ChannelPage::enableClicked, this, &MainForm::edited);
    connect(Frame2, &ChannelPage::editMessageClicked, this, &MainForm::editMessageClicked);
    for (int panel = 0; panel < int(Frame3.size()); ++panel)
        connect(Frame3[panel], &PhonePanel::editNumberClicked, this,
                [this, panel](int row) { emit editNumberClicked(panel * PhonePanel::Rows + row); });
    connect(cmbSlaveID, &QComboBox::activated, this, &MainForm::edited);
    connect(cmbSlaveID->lineEdit(), &QLineEdit::textEdited, this, &MainForm::edited);
    connect(Frame1, &LinkBox::connectClicked, this, &MainForm::connectClicked);
    connect(cmdDeviceRead, &QPushButton::clicked, this, &MainForm::readClicked);
    connect(cmdDeviceWrite, &QPushButton::clicked, this, &MainForm::writeClicked);
    connect(cmdFileLoad, &QPushButton::clicked, this, &MainForm::loadClicked);
    connect(cmdFileSave, &QPushButton::clicked, this, &MainForm::saveClicked);
    connect(cmdExit, &QPushButton::clicked, this, &MainForm::exitClicked);
}

ConfigurationSet MainForm::configuration() const {
    ConfigurationSet set = channels;
    set.slaveId = slaveId();
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        set.phoneNo[k] = phoneNumber(k);
    return set;
}

void MainForm::applyConfiguration(const ConfigurationSet& set) {
    if (set.slaveId >= 0 && set.slaveId < ConfigurationSet::SlaveIdCount)
        cmbSlaveID->setCurrentIndex(set.slaveId);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        setPhoneNumber(k, set.phoneNo[k]);
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        // Only -1 counts as set, and only -1 or 0 is ever stored.
        channels.channelEnable[i] = set.enabled(i) ? FlagTrue : FlagFalse;
        channels.channelMessage[i] = set.channelMessage[i];
    }
    showPage();
}

int MainForm::currentPage() const {
    return TS->currentIndex() + 1;
}

int MainForm::channelIndex(int slot) const {
    return (currentPage() - 1) * ChannelPage::Rows + slot;
}

void MainForm::selectPage(int page) {
    if (page < 1 || page > Pages) return;
    if (TS->currentIndex() == page - 1)
        showPage();  // no change of tab, so no signal
    else
        TS->setCurrentIndex(page - 1);  // currentChanged runs the refresh
}

void MainForm::showPage() {
    for (int s = 0; s < ChannelPage::Rows; ++s) {
        const int index = channelIndex(s);
        // A change of state stores the same flag back through storeFlag.
        Frame2->showChannel(s, index, channels.enabled(index), channels.channelMessage[index]);
    }
}

int MainForm::slaveId() const {
    return matchingEntry(cmbSlaveID);
}

QString MainForm::longValuesNote() const {
    const ConfigurationSet set = configuration();
    const auto longer = [](const auto& texts, int max) {
        return std::count_if(texts.begin(), texts.end(),
                             [max](const QString& t) { return t.size() > max; });
    };
    const auto count = longer(set.phoneNo, ConfigurationSet::PhoneMaxLength) +
                       longer(set.channelMessage, ConfigurationSet::MessageMaxLength);
    if (count == 0) return {};
    return QCoreApplication::translate(
               "frmMain", "Values longer than their boxes: %1, kept whole (marked %2).")
        .arg(count)
        .arg(QStringLiteral("\u00bb"));
}

QString MainForm::phoneNumber(int k) const {
    return Frame3[k / PhonePanel::Rows]->number(k % PhonePanel::Rows);
}

void MainForm::setPhoneNumber(int k, const QString& number) {
    Frame3[k / PhonePanel::Rows]->setNumber(k % PhonePanel::Rows, number);
}

void MainForm::storeFlag(int slot) {
    if (slot < 0 || slot >= ChannelPage::Rows) return;
    channels.channelEnable[channelIndex(slot)] = Frame2->isChecked(slot) ? FlagTrue : FlagFalse;
}

bool MainForm::unitFunctionsEnabled() const {
    return FrameFunction->isEnabled();
}

void MainForm::setConnected(bool connected) {
    Frame1->setConnected(connected);
    FrameFunction->setEnabled(connected);
}

void MainForm::setLamp(LinkBox::Lamp lamp, const QString& port) {
    Frame1->setLamp(lamp);
    auto* shown = Frame1->findChild<QWidget*>(QStringLiteral("shpComm"));
    if (shown && !port.isEmpty())
        shown->setToolTip(QStringLiteral("%1 (%2)").arg(shown->toolTip(), port));
}

bool MainForm::canRead() const {
    return cmdDeviceRead->isEnabled();
}
bool MainForm::canWrite() const {
    return cmdDeviceWrite->isEnabled();
}
bool MainForm::canConnect() const {
    return Frame1->connectButton()->isEnabled();
}

bool MainForm::editMessage(int slot) {
    if (slot < 0 || slot >= ChannelPage::Rows) return false;
    const std::optional<QString> edited = frmEditMessage::edit(
        channels.channelMessage[channelIndex(slot)], window(), channelIndex(slot) + 1);
    if (!edited) return false;
    channels.channelMessage[channelIndex(slot)] = *edited;
    Frame2->setMessage(slot, *edited);
    return true;
}

bool MainForm::editNumber(int k) {
    if (k < 0 || k >= ConfigurationSet::PhoneCount) return false;
    const std::optional<QString> edited = frmEditNo::edit(phoneNumber(k), window(), k + 1);
    if (!edited) return false;
    setPhoneNumber(k, *edited);
    return true;
}

void MainForm::showSlaveId(int id) {
    cmbSlaveID->setCurrentIndex(id);
}

void MainForm::showEnableFlags(const commandset::EnableFlags& flags) {
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        channels.channelEnable[i] = flags[i] == FlagTrue ? FlagTrue : FlagFalse;
    // Each box change stores into the page current at that moment, so set the boxes of that
    // page, whichever the user has switched to.
    for (int s = 0; s < ChannelPage::Rows; ++s)
        Frame2->setChecked(s, channels.enabled(channelIndex(s)));
}

void MainForm::showPhoneNumber(int k, const QString& number) {
    setPhoneNumber(k, number);
}

void MainForm::keepMessage(int index, const QString& text) {
    if (index >= 0 && index < ConfigurationSet::ChannelCount) channels.channelMessage[index] = text;
}

void MainForm::showMessages() {
    for (int s = 0; s < ChannelPage::Rows; ++s)
        Frame2->setMessage(s, channels.channelMessage[channelIndex(s)]);
}

void MainForm::lock() {
    QList<QWidget*> controls{cmdDeviceRead, cmdDeviceWrite, cmdFileLoad, cmdFileSave, cmbSlaveID};
    controls << Frame1->connectButton();
    for (int row = 0; row < ChannelPage::Rows; ++row)
        controls << Frame2->editButton(row) << Frame2->enableBox(row);
    for (const PhonePanel* panel : Frame3)
        for (int row = 0; row < PhonePanel::Rows; ++row)
            controls << panel->editButton(row);
    lockedControls.clear();
    focusBeforeLock = window()->focusWidget();
    for (QWidget* w : controls) {
        // Remember the control's own setting, not the one inherited from a disabled frame.
        if (w && !w->testAttribute(Qt::WA_ForceDisabled)) {
            lockedControls << w;
            w->setEnabled(false);
        }
    }
    focusAfterLock = window()->focusWidget();
}

// Disabling the focused button moved the focus on, often into the port box with its text
// selected, where a stray key would replace the port. It goes back unless the user has put it
// elsewhere since; in a window not active now it waits there for the window's return.
void MainForm::unlock() {
    for (QWidget* w : std::as_const(lockedControls))
        w->setEnabled(true);
    lockedControls.clear();
    if (focusBeforeLock && focusBeforeLock->isEnabled() && focusBeforeLock->isVisible() &&
        window()->focusWidget() == focusAfterLock)
        focusBeforeLock->setFocus(Qt::OtherFocusReason);
    focusBeforeLock = focusAfterLock = nullptr;
}
