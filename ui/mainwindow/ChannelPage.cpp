// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/ChannelPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QStyle>

#include "core/ConfigurationSet.h"
#include "core/Twips.h"
#include "ui/common/Placement.h"
#include "ui/common/Widgets.h"
#include "ui/mainwindow/RowGrid.h"

namespace {

// The Top column is unused: rows lie on the frames' grid.
constexpr twips::Place ChannelColumns[] = {
    {"chkChEnable", 240, 0, 1215, 255},
    {"lblMessage", 1560, 0, 3855, 255},
    {"cmdEditMsg", 5640, 0, 855, 255},
};

QString name(int column, int row) {
    return ui::indexed(ChannelColumns[column].name, row);
}

template <class W>
W* placed(W* w, int column, int row) {
    twips::place(w, ChannelColumns[column].name, ChannelColumns, rowgrid::top(row));
    return w;
}

// The window's catalogue holds the row texts.
QString channelCaption(int channel) {
    return QCoreApplication::translate("frmMain", "Channel %1").arg(channel + 1);
}

// What a screen reader says for the row's controls; the captions alone repeat on every row.
void nameRow(QWidget* box, QWidget* edit, int channel) {
    box->setAccessibleName(
        QCoreApplication::translate("frmMain", "Channel %1 enabled").arg(channel + 1));
    edit->setAccessibleName(
        QCoreApplication::translate("frmMain", "Edit message of channel %1").arg(channel + 1));
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
    chkChEnable[row] = placed(ui::make<QCheckBox>(name(0, row), this), 0, row);
    chkChEnable[row]->setText(channelCaption(row));
    lblMessage[row] = placed(ui::makeLabel(name(1, row), this), 1, row);
    lblMessage[row]->setAutoFillBackground(true);
    lblMessage[row]->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // a second line is cut off
    lblMessage[row]->setPalette(navy);
    lblMore[row] = ui::makeLabel(ui::indexed("lblMore", row), lblMessage[row]);
    lblMore[row]->setText(QStringLiteral("\u00bb"));
    lblMore[row]->setAutoFillBackground(true);
    lblMore[row]->setPalette(navy);
    lblMore[row]->setAlignment(Qt::AlignCenter);
    lblMore[row]->hide();
    cmdEditMsg[row] = placed(ui::make<QPushButton>(name(2, row), this), 2, row);
    cmdEditMsg[row]->setText(QCoreApplication::translate("frmMain", "Edit Msg."));
    cmdEditMsg[row]->setToolTip(QCoreApplication::translate(
        "frmMain", "Edit the message the unit sends for this channel (Space)"));
    nameRow(chkChEnable[row], cmdEditMsg[row], row);
    const int signWidth = lblMessage[row]->height();
    lblMore[row]->setGeometry(lblMessage[row]->width() - signWidth, 0, signWidth,
                              lblMessage[row]->height());

    // Whatever changes the box (mouse, key, a screen reader's toggle action) is an edit; only
    // the window showing values is not. A click alone would miss all but the mouse and keys.
    connect(chkChEnable[row], &QCheckBox::toggled, this, [this, row] {
        emit enableChanged(row);
        if (!showing) emit enableClicked(row);
    });
    connect(cmdEditMsg[row], &QPushButton::clicked, this,
            [this, row] { emit editMessageClicked(row); });
}

void ChannelPage::showChannel(int row, int channel, bool enabled, const QString& message) {
    chkChEnable[row]->setText(channelCaption(channel));
    nameRow(chkChEnable[row], cmdEditMsg[row], channel);
    setChecked(row, enabled);
    setMessage(row, message);
}

void ChannelPage::setMessage(int row, const QString& message) {
    // The window keeps a longer message whole; the row shows what the editor would take.
    const QString shown = message.left(ConfigurationSet::MessageMaxLength);
    const QString cutNote =
        message.size() > shown.size()
            ? QCoreApplication::translate("frmMain",
                                          "holds %1 characters; the editor takes the first %2")
                  .arg(message.size())
                  .arg(ConfigurationSet::MessageMaxLength)
            : QString();
    lblMessage[row]->setText(shown);
    // The row is one line high: text after a line break would vanish without a word.
    const qsizetype lineEnd = shown.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    const bool hidden = lineEnd >= 0 && !shown.mid(lineEnd).trimmed().isEmpty();
    QStringList tip;
    if (!cutNote.isEmpty()) tip << cutNote;
    if (hidden) tip << shown;
    lblMessage[row]->setToolTip(tip.join(u'\n'));
    lblMessage[row]->setAccessibleDescription(cutNote);
    lblMore[row]->setVisible(hidden || !cutNote.isEmpty());
}

QString ChannelPage::message(int row) const {
    return lblMessage[row]->text();
}

bool ChannelPage::isChecked(int row) const {
    return chkChEnable[row]->isChecked();
}

void ChannelPage::setChecked(int row, bool on) {
    const QScopedValueRollback shown(showing, true);
    chkChEnable[row]->setChecked(on);
}

QWidget* ChannelPage::enableBox(int row) const {
    return chkChEnable[row];
}

QWidget* ChannelPage::editButton(int row) const {
    return cmdEditMsg[row];
}

bool ChannelPage::captionFits(const QFont& font, const QStyle* style) {
    const int room = twips::px(ChannelColumns[0].width) -
                     style->pixelMetric(QStyle::PM_IndicatorWidth) -
                     style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    return QFontMetrics(font).horizontalAdvance(QStringLiteral("Channel 64")) <= room;
}
