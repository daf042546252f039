#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
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

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption) {
    auto* frame = make<QGroupBox>(parent, name);
    frame->setTitle(caption);
    return frame;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = make<QPushButton>(parent, name);
    button->setText(caption);
    return button;
}

// Labels show their text as given: an "&" is a character, never an access key.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = make<QLabel>(parent, name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setText(text);
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

}  // namespace

void frmMain::buildLayout() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quellix Ver.2.0"));
    setWindowIcon(QIcon(QStringLiteral(":/quellix.png")));
    // Fixed single border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twips::px(ClientWidth), twips::px(ClientHeight));
    setFont(dialogFont(style()));

    // Creation order is stacking order: Frame2 must come after TS to be drawn above it.
    Frame1 = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Communication"));
    Label1 = makeLabel(Frame1, QStringLiteral("Label1"), QStringLiteral("Port No."));
    cmbComm = makeCombo<PortComboBox>(Frame1, QStringLiteral("cmbComm"));
    cmdConnect = makeButton(Frame1, QStringLiteral("cmdConnect"), QStringLiteral("Connect"));
    shpComm = make<QFrame>(Frame1, QStringLiteral("shpComm"));
    shpComm->setFrameShape(QFrame::Box);
    shpComm->setFrameShadow(QFrame::Plain);
    shpComm->setLineWidth(1);
    shpComm->setAutoFillBackground(true);  // opaque; the palette's Window colour is the lamp

    Frame4 = makeFrame(this, QStringLiteral("Frame4"), QStringLiteral("Slave ID"));
    cmbSlaveID = makeCombo(Frame4, QStringLiteral("cmbSlaveID"));

    FrameFunction = makeFrame(this, QStringLiteral("FrameFunction"), QStringLiteral("MODEM"));
    cmdDeviceRead = makeButton(FrameFunction, QStringLiteral("cmdDeviceRead"),
                               QStringLiteral("Read from Device"));
    cmdDeviceWrite = makeButton(FrameFunction, QStringLiteral("cmdDeviceWrite"),
                                QStringLiteral("Write to Device"));
    FrameFunction->setEnabled(false);  // until a port is connected

    frameFile = makeFrame(this, QStringLiteral("frameFile"), QStringLiteral("File"));
    cmdFileLoad =
        makeButton(frameFile, QStringLiteral("cmdFileLoad"), QStringLiteral("Load from File"));
    cmdFileSave =
        makeButton(frameFile, QStringLiteral("cmdFileSave"), QStringLiteral("Save to File"));

    // The pages stay empty: one set of channel rows in Frame2 serves all four of them.
    TS = make<QTabWidget>(this, QStringLiteral("TS"));
    for (const char* caption : {"CH1-CH16", "CH17-CH32", "CH33-CH48", "CH49-CH64"})
        TS->addTab(new QWidget, QLatin1String(caption));
    TS->setCurrentIndex(0);

    Frame2 = makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("Configuration"));
    const QColor navy(0, 0, 128);
    for (int s = 0; s < Slots; ++s) {
        chkChEnable[s] = make<QCheckBox>(Frame2, elementName(ChannelRow[0].name, s));
        lblMessage[s] = makeLabel(Frame2, elementName(ChannelRow[1].name, s), QString());
        lblMessage[s]->setAutoFillBackground(true);
        lblMessage[s]->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // a second line is cut off
        QPalette pal = lblMessage[s]->palette();
        pal.setColor(QPalette::Window, navy);
        pal.setColor(QPalette::WindowText, Qt::white);
        lblMessage[s]->setPalette(pal);
        cmdEditMsg[s] =
            makeButton(Frame2, elementName(ChannelRow[2].name, s), QStringLiteral("Edit Msg."));
        placeRow(chkChEnable[s], ChannelRow[0], s);
        placeRow(lblMessage[s], ChannelRow[1], s);
        placeRow(cmdEditMsg[s], ChannelRow[2], s);
    }

    for (int f = 0; f < int(Frame3.size()); ++f)
        Frame3[f] = makeFrame(this, elementName("Frame3", f), QStringLiteral("Phone Numbers"));
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k) {
        QGroupBox* frame = Frame3[k / Slots];
        txtPhoneNo[k] = make<QLineEdit>(frame, elementName(PhoneRow[0].name, k));
        cmdEditNo[k] =
            makeButton(frame, elementName(PhoneRow[1].name, k), QStringLiteral("Edit No."));
        placeRow(txtPhoneNo[k], PhoneRow[0], k % Slots);
        placeRow(cmdEditNo[k], PhoneRow[1], k % Slots);
    }

    cmdExit = makeButton(this, QStringLiteral("cmdExit"), QStringLiteral("Exit"));

    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Designed & Developed by:"));
    setTextColour(Label2, QColor(192, 192, 192));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setFont(namedFont("MS Sans Serif", 7.8, true));
    Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Quellix Project"));
    setTextColour(Label3, QColor(64, 64, 64));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setFont(namedFont("Arial Rounded MT Bold", 9.6));
    Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("www.example.com"));
    setTextColour(Label4, QColor(128, 128, 255));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setFont(namedFont("Arial Rounded MT Bold", 8.4));

    Image1 = make<QLabel>(this, QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    Image1->setScaledContents(true);  // fills the rectangle, proportions not kept

    for (const twips::Place& place : Places) {
        auto* w = findChild<QWidget*>(QLatin1String(place.name));
        Q_ASSERT_X(w, "frmMain::buildLayout", place.name);
        if (w) w->setGeometry(place.pixels());
    }

    // Keyboard focus order; disabled controls (the phone boxes, the MODEM buttons at start)
    // are skipped by the toolkit.
    std::vector<QWidget*> order = {cmbComm,        cmdDeviceRead, cmdConnect,
                                   cmdDeviceWrite, cmdFileLoad,   cmdFileSave,
                                   cmbSlaveID,     cmdExit,       TS};
    // Elements first to last of a control array, counting down where last is the smaller.
    auto add = [&order](const auto& controls, int first, int last) {
        const int step = first <= last ? 1 : -1;
        for (int i = first; i != last + step; i += step)
            order.push_back(controls[std::size_t(i)]);
    };
    add(cmdEditNo, 8, 15);
    add(txtPhoneNo, 8, 15);
    add(cmdEditNo, 0, 7);
    add(txtPhoneNo, 0, 7);
    add(cmdEditMsg, Slots - 1, 0);
    add(chkChEnable, Slots - 1, 0);
    add(txtPhoneNo, 16, 23);
    add(cmdEditNo, 16, 23);
    add(txtPhoneNo, 24, 31);
    add(cmdEditNo, 24, 31);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}
