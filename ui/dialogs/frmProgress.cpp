// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/frmProgress.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "core/Escape.h"
#include "core/Twips.h"
#include "ui/common/Placement.h"
#include "ui/common/Widgets.h"

namespace {

constexpr int ClientWidth = 7296;
constexpr int ClientHeight = 1464;

constexpr twips::Place Layout[] = {
    {"lblMsg", 600, 120, 6255, 375},
    {"pbar", 600, 600, 6375, 375},
    {"lblModel", 600, 1080, 2292, 252},
    {"lblResult", 5280, 1080, 1572, 252},
};

// A control made with ui::make, in the place its name holds in the table.
template <class W>
W* placed(W* widget) {
    twips::place(widget, Layout);
    return widget;
}

QLabel* oneLineLabel(const char* name, const QString& text, QWidget* parent) {
    QLabel* label = placed(ui::makeLabel(name, parent));
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

// A tool window of its owner stays above it and goes with it; without the title hint the
// window manager gives it a frame but no title bar and no buttons.
frmProgress::frmProgress(QWidget* owner) : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowModality(Qt::NonModal);
    setFixedSize(twips::px(ClientWidth), twips::px(ClientHeight));

    lblMsg = oneLineLabel("lblMsg", QStringLiteral("Label1"), this);
    QFont big(QStringLiteral("Arial"));
    big.setPointSizeF(14.4);
    big.setBold(true);
    lblMsg->setFont(big);
    pbar = placed(ui::make<QProgressBar>("pbar", this));
    pbar->setAccessibleName(tr("Progress"));
    pbar->setOrientation(Qt::Horizontal);
    pbar->setRange(0, 100);
    pbar->setValue(0);
    pbar->setTextVisible(false);

    lblModel = oneLineLabel("lblModel", QStringLiteral("Label1"), this);
    lblResult = oneLineLabel("lblResult", QString(), this);
}

void frmProgress::setModelText(const QString& text) {
    lblModel->setText(escape::unprintable(text));
}
void frmProgress::setActivityText(const QString& text) {
    lblMsg->setText(escape::unprintable(text));
}
void frmProgress::setResultText(const QString& text) {
    lblResult->setText(escape::unprintable(text));
}

// Rounded to the nearest whole percent and held within the bar's range; a value that is no
// number leaves the bar as it is.
void frmProgress::setProgress(float value) {
    if (std::isnan(value)) return;
    const float clamped = std::clamp(value, 0.0f, 100.0f);
    pbar->setValue(static_cast<int>(std::lround(clamped)));
}

void frmProgress::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    centreOnOwner();
    // Some window managers place a new tool window by their own rules when it is mapped;
    // asking once more after the mapping puts it back over the owner.
    QTimer::singleShot(0, this, &frmProgress::centreOnOwner);
}

// Centre the frame on the owner's frame, but keep it on the owner's screen.
void frmProgress::centreOnOwner() {
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect desk = screen ? screen->availableGeometry() : QRect();
    const QRect area = owner ? owner->frameGeometry() : desk;
    if (!area.isValid()) return;
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(area.center());
    if (desk.isValid()) {
        frame.moveRight(std::min(frame.right(), desk.right()));
        frame.moveBottom(std::min(frame.bottom(), desk.bottom()));
        frame.moveLeft(std::max(frame.left(), desk.left()));
        frame.moveTop(std::max(frame.top(), desk.top()));
    }
    move(frame.topLeft());
}

// The procedures that open the window also end it; the window manager's close command
// (Alt+F4 and the like) must not take it away in the middle of a transfer.
void frmProgress::closeEvent(QCloseEvent* event) {
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

// A thin raised edge, so that the window reads as one panel even where no window manager
// draws a frame around it.
void frmProgress::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = rect();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, this);
}
