// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/PhonePanel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "core/ConfigurationSet.h"
#include "core/Twips.h"
#include "ui/common/Placement.h"
#include "ui/common/Widgets.h"
#include "ui/mainwindow/RowGrid.h"

namespace {

// The Top column is unused: rows lie on the frames' grid.
constexpr twips::Place PhoneColumns[] = {
    {"txtPhoneNo", 240, 0, 1455, 285},
    {"cmdEditNo", 1800, 0, 855, 255},
};

// Named for the phone number it serves and placed in the panel's row.
template <class W>
W* rowControl(QWidget* panel, int column, int phone, int row) {
    auto* w = ui::make<W>(ui::indexed(PhoneColumns[column].name, phone), panel);
    twips::place(w, PhoneColumns[column].name, PhoneColumns, rowgrid::top(row));
    return w;
}

}  // namespace

PhonePanel::PhonePanel(int panel, QWidget* parent) : QGroupBox(parent), first(panel * Rows) {
    static_assert(2 * Rows == ConfigurationSet::PhoneCount, "two panels hold every number");
    setObjectName(ui::indexed("Frame3", panel));
    // The window's catalogue holds these texts.
    setTitle(QCoreApplication::translate("frmMain", "Phone Numbers"));
    for (int row = 0; row < Rows; ++row)
        makeRow(row, panel * Rows + row);
}

// Elements are named for the phone number they hold (0..31), as in one array over both frames.
void PhonePanel::makeRow(int row, int phone) {
    QLineEdit* box = txtPhoneNo[row] = rowControl<QLineEdit>(this, 0, phone, row);
    cmdEditNo[row] = rowControl<QPushButton>(this, 1, phone, row);
    cmdEditNo[row]->setText(QCoreApplication::translate("frmMain", "Edit No."));
    cmdEditNo[row]->setToolTip(
        QCoreApplication::translate("frmMain", "Edit this phone number (Space)"));
    // The caption and the frame's title repeat on every row; the names tell the rows apart.
    box->setAccessibleName(
        QCoreApplication::translate("frmMain", "Phone number %1").arg(phone + 1));
    cmdEditNo[row]->setAccessibleName(
        QCoreApplication::translate("frmMain", "Edit phone number %1").arg(phone + 1));

    box->setMaxLength(ConfigurationSet::PhoneMaxLength);
    box->setEnabled(false);
    // Closed to typing, yet the number must stay as easy to read as an open box.
    QPalette readable = box->palette();
    readable.setColor(QPalette::Disabled, QPalette::Text,
                      readable.color(QPalette::Active, QPalette::Text));
    box->setPalette(readable);
    connect(box, &QLineEdit::textChanged, this, [this, row] { markRow(row); });
    connect(cmdEditNo[row], &QPushButton::clicked, this,
            [this, row] { emit editNumberClicked(row); });
    markRow(row);
}

QString PhonePanel::number(int row) const {
    const QString shown = txtPhoneNo[row]->text();
    return shown == whole[row].left(ConfigurationSet::PhoneMaxLength) ? whole[row] : shown;
}

void PhonePanel::setNumber(int row, const QString& number) {
    whole[row] = number;
    txtPhoneNo[row]->setText(number.left(ConfigurationSet::PhoneMaxLength));
    markRow(row);  // the text may be the same while the whole number is not
}

bool PhonePanel::cut(int row) const {
    return whole[row].size() > ConfigurationSet::PhoneMaxLength &&
           txtPhoneNo[row]->text() == whole[row].left(ConfigurationSet::PhoneMaxLength);
}

// The mark, the tooltip and the description a screen reader gives say what the box leaves out.
void PhonePanel::markRow(int row) {
    QLineEdit* box = txtPhoneNo[row];
    const QString phone = QCoreApplication::translate("frmMain", "Phone %1").arg(first + row + 1);
    const bool marked = cut(row);
    const QString note = marked ? QCoreApplication::translate(
                                      "frmMain", "holds %1 characters; the box shows the first %2")
                                      .arg(whole[row].size())
                                      .arg(ConfigurationSet::PhoneMaxLength)
                                : QString();
    if (marked && !lblMore[row]) lblMore[row] = makeMark(row);
    if (lblMore[row]) lblMore[row]->setVisible(marked);
    box->setToolTip(marked ? QStringLiteral("%1: %2").arg(phone, note) : phone);
    box->setAccessibleDescription(note);
}

// The mark sits inside the box at its right end, in the box's own colours. Made when first
// needed: most windows never hold such a number.
QLabel* PhonePanel::makeMark(int row) {
    QLineEdit* box = txtPhoneNo[row];
    QLabel* mark = ui::makeLabel(ui::indexed("lblPhoneMore", first + row), box);
    mark->setText(QStringLiteral("\u00bb"));
    mark->setAlignment(Qt::AlignCenter);
    mark->setForegroundRole(QPalette::Text);
    mark->setBackgroundRole(QPalette::Base);
    mark->setAutoFillBackground(true);
    mark->setGeometry(box->width() - box->height(), 0, box->height(), box->height());
    return mark;
}

QWidget* PhonePanel::numberBox(int row) const {
    return txtPhoneNo[row];
}

QWidget* PhonePanel::editButton(int row) const {
    return cmdEditNo[row];
}
