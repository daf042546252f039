// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <functional>
#include <vector>

#include "core/Twips.h"
#include "ui/mainwindow/frmMain.h"

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

template <class W>
W* make(QWidget* parent, const QString& name) {
    auto* w = new W(parent);
    w->setObjectName(name);
    return w;
}

// Labels show their text as given: an "&" is a character, never an access key.
QLabel* makeLabel(QWidget* parent, const QString& name) {
    auto* label = make<QLabel>(parent, name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    return label;
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

// The credit lines and the logo in the bottom right corner.
void frmMain::makeCredits() {
    Label2 = makeLabel(form, QStringLiteral("Label2"));
    setTextColour(Label2, QColor(192, 192, 192));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setFont(namedFont("MS Sans Serif", 7.8, true));
    Label3 = makeLabel(form, QStringLiteral("Label3"));
    Label3->setText(QStringLiteral("Quellix Project"));
    setTextColour(Label3, QColor(64, 64, 64));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setFont(namedFont("Arial Rounded MT Bold", 9.6));
    Label4 = makeLabel(form, QStringLiteral("Label4"));
    Label4->setText(QStringLiteral("www.example.com"));
    setTextColour(Label4, QColor(128, 128, 255));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setFont(namedFont("Arial Rounded MT Bold", 8.4));

    Image1 = make<QLabel>(form, QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    Image1->setScaledContents(true);  // fills the rectangle, proportions not kept
}

// Keyboard focus order; disabled controls (the phone boxes, the MODEM buttons at start) are
// skipped by the toolkit.
void frmMain::setFocusOrder() {
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
    add(std::bind_front(&ChannelPage::editButton, Frame2), Slots - 1, 0);
    add(std::bind_front(&ChannelPage::enableBox, Frame2), Slots - 1, 0);
    add(std::bind_front(&PhonePanel::numberBox, high), 0, 7);
    add(std::bind_front(&PhonePanel::editButton, high), 0, 7);
    add(std::bind_front(&PhonePanel::numberBox, high), 8, 15);
    add(std::bind_front(&PhonePanel::editButton, high), 8, 15);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmMain::buildLayout() {
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
    form = new QWidget(this);
    form->setObjectName(QStringLiteral("form"));
    form->setFixedSize(twips::px(ClientWidth), twips::px(ClientHeight));
    setCentralWidget(form);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Creation order is stacking order: Frame2 must come after TS to be drawn above it.
    makeCommunication();
    makeFunctions();
    // The pages stay empty: one set of channel rows in Frame2 serves all four of them.
    TS = make<QTabWidget>(form, QStringLiteral("TS"));
    for (const char* caption : PageCaptions)
        TS->addTab(new QWidget, tr(caption));
    TS->setCurrentIndex(0);
    Frame2 = new ChannelPage(form);
    for (int panel = 0; panel < int(Frame3.size()); ++panel)
        Frame3[panel] = new PhonePanel(panel, form);
    cmdExit = make<QPushButton>(form, QStringLiteral("cmdExit"));
    makeCredits();

    for (const twips::Place& place : Places) {
        auto* w = findChild<QWidget*>(QLatin1String(place.name));
        Q_ASSERT_X(w, "frmMain::buildLayout", place.name);
        if (w) w->setGeometry(place.pixels());
    }
    for (const Caption& caption : Captions)
        setCaption(findChild<QWidget*>(QLatin1String(caption.name)), tr(caption.text));
    setFocusOrder();
}

// The port box with its button and lamp, and the slave ID box.
void frmMain::makeCommunication() {
    Frame1 = new LinkBox(form);
    Frame4 = make<QGroupBox>(form, QStringLiteral("Frame4"));
    // Takes typed text, but typed text never becomes a list entry.
    cmbSlaveID = make<QComboBox>(Frame4, QStringLiteral("cmbSlaveID"));
    cmbSlaveID->setEditable(true);
    cmbSlaveID->setInsertPolicy(QComboBox::NoInsert);
}

// The device and file buttons; the device ones wait for a connected port.
void frmMain::makeFunctions() {
    FrameFunction = make<QGroupBox>(form, QStringLiteral("FrameFunction"));
    cmdDeviceRead = make<QPushButton>(FrameFunction, QStringLiteral("cmdDeviceRead"));
    cmdDeviceWrite = make<QPushButton>(FrameFunction, QStringLiteral("cmdDeviceWrite"));
    FrameFunction->setEnabled(false);

    frameFile = make<QGroupBox>(form, QStringLiteral("frameFile"));
    cmdFileLoad = make<QPushButton>(frameFile, QStringLiteral("cmdFileLoad"));
    cmdFileSave = make<QPushButton>(frameFile, QStringLiteral("cmdFileSave"));
}
