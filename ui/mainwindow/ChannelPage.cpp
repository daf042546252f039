// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/ChannelPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

#include "core/Twips.h"

namespace {

// Row r lies at RowTop + RowPitch * r in twips from the frame's corner; the Top column is unused.
constexpr int RowTop = 360;
constexpr int RowPitch = 360;
constexpr twips::Place Columns[] = {
    {"chkChEnable", 240, 0, 1215, 255},
    {"lblMessage", 1560, 0, 3855, 255},
    {"cmdEditMsg", 5640, 0, 855, 255},
};

void placeRow(QWidget* w, const twips::Place& column, int row) {
    w->setGeometry(twips::rect(column.left, RowTop + RowPitch * row, column.width, column.height));
}

QString elementName(const char* base, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

// Labels show their text as given: an "&" is a character, never an access key.
QLabel* makeLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    return label;
}

// The window's catalogue holds the row texts.
QString channelCaption(int channel) {
    return QCoreApplication::translate("frmMain", "Channel %1").arg(channel + 1);
}

}  // namespace

ChannelPage::ChannelPage(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame2"));
    setTitle(QCoreApplication::translate("frmMain", "Configuration"));
    QPalette navy = palette();
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    navy.setColor(QPalette::WindowText, Qt::white);
    for (int row = 0; row < Rows; ++row)
        makeRow(row, navy);
}

// The enable box, the message on navy with its sign, and the edit button.
void ChannelPage::makeRow(int row, const QPalette& navy) {
    chkChEnable[row] = new QCheckBox(this);
    chkChEnable[row]->setObjectName(elementName(Columns[0].name, row));
    chkChEnable[row]->setText(channelCaption(row));
    lblMessage[row] = makeLabel(this, elementName(Columns[1].name, row));
    lblMessage[row]->setAutoFillBackground(true);
    lblMessage[row]->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // a second line is cut off
    lblMessage[row]->setPalette(navy);
    lblMore[row] = makeLabel(lblMessage[row], elementName("lblMore", row));
    lblMore[row]->setText(QStringLiteral("\u00bb"));
    lblMore[row]->setAutoFillBackground(true);
    lblMore[row]->setPalette(navy);
    lblMore[row]->setAlignment(Qt::AlignCenter);
    lblMore[row]->hide();
    cmdEditMsg[row] = new QPushButton(this);
    cmdEditMsg[row]->setObjectName(elementName(Columns[2].name, row));
    cmdEditMsg[row]->setText(QCoreApplication::translate("frmMain", "Edit Msg."));
    placeRow(chkChEnable[row], Columns[0], row);
    placeRow(lblMessage[row], Columns[1], row);
    const int signWidth = lblMessage[row]->height();
    lblMore[row]->setGeometry(lblMessage[row]->width() - signWidth, 0, signWidth,
                              lblMessage[row]->height());
    placeRow(cmdEditMsg[row], Columns[2], row);

    connect(chkChEnable[row], &QCheckBox::stateChanged, this,
            [this, row] { emit enableChanged(row); });
    connect(chkChEnable[row], &QCheckBox::clicked, this, [this, row] { emit enableClicked(row); });
    connect(cmdEditMsg[row], &QPushButton::clicked, this,
            [this, row] { emit editMessageClicked(row); });
}

void ChannelPage::showChannel(int row, int channel, bool enabled, const QString& message) {
    chkChEnable[row]->setText(channelCaption(channel));
    chkChEnable[row]->setChecked(enabled);
    setMessage(row, message);
}

void ChannelPage::setMessage(int row, const QString& message) {
    lblMessage[row]->setText(message);
    // The row is one line high: text after a line break would vanish without a word.
    const qsizetype lineEnd = message.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    const bool hidden = lineEnd >= 0 && !message.mid(lineEnd).trimmed().isEmpty();
    lblMessage[row]->setToolTip(hidden ? message : QString());
    lblMore[row]->setVisible(hidden);
}

QString ChannelPage::message(int row) const {
    return lblMessage[row]->text();
}

bool ChannelPage::isChecked(int row) const {
    return chkChEnable[row]->isChecked();
}

void ChannelPage::setChecked(int row, bool on) {
    chkChEnable[row]->setChecked(on);
}

QWidget* ChannelPage::enableBox(int row) const {
    return chkChEnable[row];
}

QWidget* ChannelPage::editButton(int row) const {
    return cmdEditMsg[row];
}

bool ChannelPage::captionFits(const QFont& font, const QStyle* style) {
    const int room = twips::px(Columns[0].width) - style->pixelMetric(QStyle::PM_IndicatorWidth) -
                     style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    return QFontMetrics(font).horizontalAdvance(QStringLiteral("Channel 64")) <= room;
}
