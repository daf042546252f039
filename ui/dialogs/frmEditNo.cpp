// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/frmEditNo.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "core/ConfigurationSet.h"
#include "core/Twips.h"
#include "ui/common/Placement.h"
#include "ui/common/Widgets.h"

namespace {

constexpr int ClientWidth = 5748;
constexpr int ClientHeight = 2184;

constexpr twips::Place Layout[] = {
    {"Label2", 2040, 240, 1335, 255},    {"Label3", 3480, 240, 1935, 255},
    {"Label1", 360, 600, 1455, 375},     {"txtSTD", 2040, 600, 1335, 375},
    {"txtNo", 3480, 600, 1935, 375},     {"Label4", 2040, 960, 1332, 252},
    {"cmdCancel", 240, 1560, 1335, 375}, {"cmdDelete", 2160, 1560, 1335, 375},
    {"cmdOK", 4080, 1560, 1335, 375},
};

// A control made with ui::make, in the place its name holds in the table.
template <class W>
W* placed(W* widget) {
    twips::place(widget, Layout);
    return widget;
}

QFont makeFont(const QString& family, qreal points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The texts fill their boxes exactly in the font the layout was drawn with; a wider default
// font, or a longer translation, would cut them off (the hint's very plus sign it warns
// about), so the font shrinks until the text fits.
void shrinkToFit(QLabel* label) {
    QFont f = label->font();
    qreal points = f.pointSizeF();
    while (points > 6 && QFontMetrics(f).horizontalAdvance(label->text()) > label->width()) {
        points -= 0.25;
        f.setPointSizeF(points);
    }
    label->setFont(f);
}

}  // namespace

std::optional<QString> frmEditNo::edit(const QString& stored, QWidget* owner, int phone) {
    frmEditNo dlg(stored, owner, phone);
    dlg.exec();
    return dlg.edited();
}

// The captions; `rounded` is the boxes' font, which the "Phone No." title shares.
void frmEditNo::buildLabels(const QFont& rounded) {
    const QFont heading = makeFont(QStringLiteral("MS Sans Serif"), 9.6, true);
    Label2 = placed(ui::make<QLabel>("Label2", tr("ISD Code"), this));
    Label2->setFont(heading);
    Label3 = placed(ui::make<QLabel>("Label3", tr("Phone Number"), this));
    Label3->setFont(heading);
    // The two headings keep one size, that of the longer where a language runs wide.
    shrinkToFit(Label2);
    shrinkToFit(Label3);
    const QFont common =
        Label2->font().pointSizeF() < Label3->font().pointSizeF() ? Label2->font() : Label3->font();
    Label2->setFont(common);
    Label3->setFont(common);
    Label1 = placed(ui::make<QLabel>("Label1", tr("Phone No."), this));
    Label1->setFont(rounded);
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 192));
    Label1->setPalette(blue);
}

// The stored number split into code and subscriber number. One of 10 characters or fewer has
// no code to split off; it opens as it stands in the number box, so the technician sees what
// the unit holds instead of two empty boxes. A code longer than a typed one may be (a unit
// holds 16 characters) opens whole: the box would otherwise cut it, and OK store the cut.
void frmEditNo::showStored(const QString& stored) {
    if (stored.size() > NumberLength) {
        const QString code = stored.left(stored.size() - NumberLength);
        txtSTD->setMaxLength(std::max(IsdMaxLength, int(code.size())));
        txtSTD->setText(code);
        txtNo->setText(stored.right(NumberLength));
    } else {
        txtNo->setText(stored);
    }
}

frmEditNo::frmEditNo(const QString& stored, QWidget* owner, int phone)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmEditNo"));
    setWindowTitle(phone > 0 ? tr("Edit Phone Number %1").arg(phone) : tr("Edit Phone Number"));
    setFixedSize(twips::px(ClientWidth), twips::px(ClientHeight));

    const QFont rounded = makeFont(QStringLiteral("Arial Rounded MT Bold"), 12, false);
    buildLabels(rounded);

    // Created in tab order: the two boxes, then Cancel, OK, Delete.
    txtSTD = placed(ui::make<QLineEdit>("txtSTD", this));
    txtSTD->setFont(rounded);
    txtSTD->setMaxLength(IsdMaxLength);
    txtNo = placed(ui::make<QLineEdit>("txtNo", this));
    txtNo->setFont(rounded);
    txtNo->setMaxLength(NumberLength);
    // Each box is read out by the caption above it.
    txtSTD->setAccessibleName(Label2->text());
    txtNo->setAccessibleName(Label3->text());
    Label4 = placed(ui::make<QLabel>("Label4", tr("Do NOT used \"+\""), this));
    shrinkToFit(Label4);
    cmdCancel = placed(ui::make<QPushButton>("cmdCancel", tr("Cancel"), this));
    cmdOK = placed(ui::make<QPushButton>("cmdOK", tr("OK"), this));
    cmdDelete = placed(ui::make<QPushButton>("cmdDelete", tr("Delete"), this));

    setTabOrder(txtSTD, txtNo);
    setTabOrder(txtNo, cmdCancel);
    setTabOrder(cmdCancel, cmdOK);
    setTabOrder(cmdOK, cmdDelete);

    // Enter in either box reaches the dialog, which presses the default button. Esc and the
    // close box end in reject(), which is all Cancel does.
    cmdOK->setDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, &frmEditNo::cmdOK_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmEditNo::cmdDelete_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEditNo::cmdCancel_Click);

    showStored(stored);
    txtSTD->setFocus();
}

// Numeric here means: an optional single leading "+" followed by one or more ASCII digits,
// nothing else. Blanks, minus signs, decimal and thousands separators and exponents would all
// be stored in the number as typed, so they are refused rather than sent to the unit; the
// plus passes only so that the OK check can name it as its own rule.
bool frmEditNo::isNumeric(const QString& text) {
    const qsizetype start = text.startsWith(u'+') ? 1 : 0;
    if (text.size() <= start) return false;
    for (qsizetype i = start; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

void frmEditNo::cmdOK_Click() {
    const QString isd = txtSTD->text();
    const QString number = txtNo->text();
    // The plus is refused in the subscriber number too: it would otherwise land in the middle
    // of the joined number.
    QLineEdit* wrong = nullptr;
    QString why;
    if (!isNumeric(isd) || isd.startsWith(u'+')) {
        wrong = txtSTD;
        why = tr("The ISD code box needs the country code in digits (up to %1), without \"+\".")
                  .arg(IsdMaxLength);
    } else if (isd.size() > IsdMaxLength) {
        wrong = txtSTD;
        why = tr("The ISD code box holds %1 digits; a country code has at most %2. Shorten it, "
                 "or press Cancel to keep the number as it is.")
                  .arg(isd.size())
                  .arg(IsdMaxLength);
    } else if (number.size() != NumberLength) {
        wrong = txtNo;
        why = tr("The phone number box needs exactly %1 digits; it holds %2.")
                  .arg(NumberLength)
                  .arg(number.size());
    } else if (!isNumeric(number) || number.startsWith(u'+')) {
        wrong = txtNo;
        why = tr("The phone number box may hold the digits 0 to 9 only.");
    }
    if (wrong) {
        QMessageBox box(QMessageBox::Critical, tr("Error"), tr("Phone Number error!"),
                        QMessageBox::Ok, this);
        box.setInformativeText(why);
        box.exec();
        wrong->setFocus();
        wrong->selectAll();
        return;
    }
    result = isd + number;
    accept();
}

void frmEditNo::cmdDelete_Click() {
    result = QString();
    accept();
}

void frmEditNo::cmdCancel_Click() {
    reject();
}
