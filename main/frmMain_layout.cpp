// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <vector>

#include "Twips.h"
#include "frmMain.h"

namespace {

// Every single control, in twips from its parent's top-left corner (the client area for
// controls on the window, the frame's corner for controls inside a frame).
constexpr twips::Place Places[] = {
    {"Frame1", 120, 120, 2055, 1575},       {"Label1", 480, 240, 855, 255},
    {"cmbComm", 240, 600, 1455, 315},       {"cmdConnect", 240, 1080, 1215, 315},
    {"shpComm", 1680, 1080, 255, 255},      {"Frame4", 120, 1800, 2055, 855},
    {"cmbSlaveID", 240, 360, 1455, 315},    {"FrameFunction", 120, 2760, 2055, 1812},
    {"cmdDeviceRead", 240, 360, 1575, 492}, {"cmdDeviceWrite", 240, 1080, 1575, 492},
    {"frameFile", 120, 4800, 2055, 1692},   {"cmdFileLoad", 240, 240, 1575, 495},
    {"cmdFileSave", 240, 960, 1575, 495},   {"TS", 2400, 120, 7332, 6972},
    {"Frame2", 2640, 600, 6852, 6255},      {"Frame3_0", 9960, 360, 3132, 6252},
    {"Frame3_1", 13200, 360, 3132, 6252},   {"cmdExit", 7440, 7320, 1815, 495},
    {"Label2", 10080, 6960, 2652, 252},     {"Label3", 9840, 7320, 2652, 252},
    {"Label4", 10080, 7680, 2652, 252},     {"Image1", 13440, 6840, 2868, 1056},
};

// Repeated rows inside a frame: row r lies at RowTop + RowPitch * r; the Top column is unused.
constexpr int RowTop = 360;
constexpr int RowPitch = 360;
constexpr twips::Place ChannelRow[] = {
    {"chkChEnable", 240, 0, 1215, 255},
    {"lblMessage", 1560, 0, 3855, 255},
    {"cmdEditMsg", 5640, 0, 855, 255},
};
constexpr twips::Place PhoneRow[] = {
    {"txtPhoneNo", 240, 0, 1455, 285},
    {"cmdEditNo", 1800, 0, 855, 255},
};

// The fixed texts, set once every control exists. Label3 and Label4 name the makers and their
// site, which read the same in every language.
struct Caption {
    const char* name;
    const char* text;
};
constexpr Caption Captions[] = {
    {"Frame1", QT_TRANSLATE_NOOP("frmMain", "Communication")},
    {"Label1", QT_TRANSLATE_NOOP("frmMain", "Port No.")},
    {"cmdConnect", QT_TRANSLATE_NOOP("frmMain", "Connect")},
    {"Frame4", QT_TRANSLATE_NOOP("frmMain", "Slave ID")},
    {"FrameFunction", QT_TRANSLATE_NOOP("frmMain", "MODEM")},
    {"cmdDeviceRead", QT_TRANSLATE_NOOP("frmMain", "Read from Device")},
    {"cmdDeviceWrite", QT_TRANSLATE_NOOP("frmMain", "Write to Device")},
    {"frameFile", QT_TRANSLATE_NOOP("frmMain", "File")},
    {"cmdFileLoad", QT_TRANSLATE_NOOP("frmMain", "Load from File")},
    {"cmdFileSave", QT_TRANSLATE_NOOP("frmMain", "Save to File")},
    {"Frame2", QT_TRANSLATE_NOOP("frmMain", "Configuration")},
    {"Frame3_0", QT_TRANSLATE_NOOP("frmMain", "Phone Numbers")},
    {"Frame3_1", QT_TRANSLATE_NOOP("frmMain", "Phone Numbers")},
    {"cmdExit", QT_TRANSLATE_NOOP("frmMain", "Exit")},
    {"Label2", QT_TRANSLATE_NOOP("frmMain", "Designed & Developed by:")},
};
constexpr const char* PageCaptions[] = {
    QT_TRANSLATE_NOOP("frmMain", "CH1-CH16"), QT_TRANSLATE_NOOP("frmMain", "CH17-CH32"),
    QT_TRANSLATE_NOOP("frmMain", "CH33-CH48"), QT_TRANSLATE_NOOP("frmMain", "CH49-CH64")};
constexpr const char* EditMsgCaption = QT_TRANSLATE_NOOP("frmMain", "Edit Msg.");
constexpr const char* EditNoCaption = QT_TRANSLATE_NOOP("frmMain", "Edit No.");

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

QString elementName(const char* base, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

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
    const int room = twips::px(ChannelRow[0].width) -
                     style->pixelMetric(QStyle::PM_IndicatorWidth) -
                     style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    while (QFontMetrics(font).horizontalAdvance(QStringLiteral("Channel 64")) > room &&
           font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

// The two combo boxes take typed text, but typed text never becomes a list entry.
template <typename Combo = QComboBox>
Combo* makeCombo(QWidget* parent, const QString& name) {
    auto* combo = make<Combo>(parent, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

void placeRow(QWidget* w, const twips::Place& column, int row) {
    w->setGeometry(twips::rect(column.left, RowTop + RowPitch * row, column.width, column.height));
}

// One row per slot: the enable box, the message on navy, and its edit button.
void makeChannelRows(frmMain& f) {
    QPalette navy = f.palette();
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    navy.setColor(QPalette::WindowText, Qt::white);
    for (int s = 0; s < frmMain::Slots; ++s) {
        f.chkChEnable[s] = make<QCheckBox>(f.Frame2, elementName(ChannelRow[0].name, s));
        f.lblMessage[s] = makeLabel(f.Frame2, elementName(ChannelRow[1].name, s));
        f.lblMessage[s]->setAutoFillBackground(true);
        f.lblMessage[s]->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // a second line is cut off
        f.lblMessage[s]->setPalette(navy);
        f.lblMore[s] = makeLabel(f.lblMessage[s], elementName("lblMore", s));
        f.lblMore[s]->setText(QStringLiteral("\u00bb"));
        f.lblMore[s]->setAutoFillBackground(true);
        f.lblMore[s]->setPalette(navy);
        f.lblMore[s]->setAlignment(Qt::AlignCenter);
        f.lblMore[s]->hide();
        f.cmdEditMsg[s] = make<QPushButton>(f.Frame2, elementName(ChannelRow[2].name, s));
        f.cmdEditMsg[s]->setText(frmMain::tr(EditMsgCaption));
        placeRow(f.chkChEnable[s], ChannelRow[0], s);
        placeRow(f.lblMessage[s], ChannelRow[1], s);
        const int signWidth = f.lblMessage[s]->height();
        f.lblMore[s]->setGeometry(f.lblMessage[s]->width() - signWidth, 0, signWidth,
                                  f.lblMessage[s]->height());
        placeRow(f.cmdEditMsg[s], ChannelRow[2], s);
    }
}

// Sixteen phone numbers in each of the two frames.
void makePhoneRows(frmMain& f) {
    for (int i = 0; i < int(f.Frame3.size()); ++i)
        f.Frame3[i] = make<QGroupBox>(f.form, elementName("Frame3", i));
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k) {
        QGroupBox* frame = f.Frame3[k / frmMain::Slots];
        f.txtPhoneNo[k] = make<QLineEdit>(frame, elementName(PhoneRow[0].name, k));
        f.cmdEditNo[k] = make<QPushButton>(frame, elementName(PhoneRow[1].name, k));
        f.cmdEditNo[k]->setText(frmMain::tr(EditNoCaption));
        placeRow(f.txtPhoneNo[k], PhoneRow[0], k % frmMain::Slots);
        placeRow(f.cmdEditNo[k], PhoneRow[1], k % frmMain::Slots);
    }
}

// The credit lines and the logo in the bottom right corner.
void makeCredits(frmMain& f) {
    f.Label2 = makeLabel(f.form, QStringLiteral("Label2"));
    setTextColour(f.Label2, QColor(192, 192, 192));
    f.Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    f.Label2->setFont(namedFont("MS Sans Serif", 7.8, true));
    f.Label3 = makeLabel(f.form, QStringLiteral("Label3"));
    f.Label3->setText(QStringLiteral("Quellix Project"));
    setTextColour(f.Label3, QColor(64, 64, 64));
    f.Label3->setAlignment(Qt::AlignCenter);
    f.Label3->setFont(namedFont("Arial Rounded MT Bold", 9.6));
    f.Label4 = makeLabel(f.form, QStringLiteral("Label4"));
    f.Label4->setText(QStringLiteral("www.example.com"));
    setTextColour(f.Label4, QColor(128, 128, 255));
    f.Label4->setAlignment(Qt::AlignCenter);
    f.Label4->setFont(namedFont("Arial Rounded MT Bold", 8.4));

    f.Image1 = make<QLabel>(f.form, QStringLiteral("Image1"));
    f.Image1->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    f.Image1->setScaledContents(true);  // fills the rectangle, proportions not kept
}

// Keyboard focus order; disabled controls (the phone boxes, the MODEM buttons at start) are
// skipped by the toolkit.
void setFocusOrder(frmMain& f) {
    std::vector<QWidget*> order = {f.cmbComm,        f.cmdDeviceRead, f.cmdConnect,
                                   f.cmdDeviceWrite, f.cmdFileLoad,   f.cmdFileSave,
                                   f.cmbSlaveID,     f.cmdExit,       f.TS};
    // Elements first to last of a control array, counting down where last is the smaller.
    auto add = [&order](const auto& controls, int first, int last) {
        const int step = first <= last ? 1 : -1;
        for (int i = first; i != last + step; i += step)
            order.push_back(controls[std::size_t(i)]);
    };
    add(f.cmdEditNo, 8, 15);
    add(f.txtPhoneNo, 8, 15);
    add(f.cmdEditNo, 0, 7);
    add(f.txtPhoneNo, 0, 7);
    add(f.cmdEditMsg, frmMain::Slots - 1, 0);
    add(f.chkChEnable, frmMain::Slots - 1, 0);
    add(f.txtPhoneNo, 16, 23);
    add(f.cmdEditNo, 16, 23);
    add(f.txtPhoneNo, 24, 31);
    add(f.cmdEditNo, 24, 31);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

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
    Frame2 = make<QGroupBox>(form, QStringLiteral("Frame2"));
    makeChannelRows(*this);
    makePhoneRows(*this);
    cmdExit = make<QPushButton>(form, QStringLiteral("cmdExit"));
    makeCredits(*this);

    for (const twips::Place& place : Places) {
        auto* w = findChild<QWidget*>(QLatin1String(place.name));
        Q_ASSERT_X(w, "frmMain::buildLayout", place.name);
        if (w) w->setGeometry(place.pixels());
    }
    for (const Caption& caption : Captions)
        setCaption(findChild<QWidget*>(QLatin1String(caption.name)), tr(caption.text));
    setFocusOrder(*this);
}

// The port box with its button and lamp, and the slave ID box.
void frmMain::makeCommunication() {
    Frame1 = make<QGroupBox>(form, QStringLiteral("Frame1"));
    Label1 = makeLabel(Frame1, QStringLiteral("Label1"));
    cmbComm = makeCombo<PortComboBox>(Frame1, QStringLiteral("cmbComm"));
    cmdConnect = make<QPushButton>(Frame1, QStringLiteral("cmdConnect"));
    shpComm = make<QFrame>(Frame1, QStringLiteral("shpComm"));
    shpComm->setFrameShape(QFrame::Box);
    shpComm->setFrameShadow(QFrame::Plain);
    shpComm->setLineWidth(1);
    shpComm->setAutoFillBackground(true);  // opaque; the palette's Window colour is the lamp

    Frame4 = make<QGroupBox>(form, QStringLiteral("Frame4"));
    cmbSlaveID = makeCombo(Frame4, QStringLiteral("cmbSlaveID"));
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
