// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/FocusStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace ui {

namespace {

void drawRing(const QStyleOption* option, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    QPen pen(option->palette.color(QPalette::Active, QPalette::Highlight), FocusStyle::RingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    // A pen of width 2 straddles its line: half a pixel in keeps the whole ring inside `rect`.
    const int half = FocusStyle::RingWidth / 2;
    painter->drawRect(option->rect.adjusted(half, half, -half, -half));
    painter->restore();
}

bool focused(const QStyleOption* option) {
    return option->state.testFlag(QStyle::State_HasFocus);
}

}  // namespace

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    // The base style hides its own faint ring unless the focus came by key.
    if (element == PE_FrameFocusRect) return drawRing(option, painter);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A line edit draws no focus rectangle; the one inside a combo box has no frame and is
    // ringed by its box instead.
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == PE_PanelLineEdit && focused(option) && frame && frame->lineWidth > 0)
        drawRing(option, painter);
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButton || !button || !focused(option))
        return QProxyStyle::drawControl(element, option, painter, widget);
    // The base style marks a focused button only when the focus came by key, and faintly.
    QStyleOptionButton plain = *button;
    plain.state &= ~State_HasFocus;
    QProxyStyle::drawControl(element, &plain, painter, widget);
    drawRing(option, painter);
}

void FocusStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !combo || !focused(option))
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    // The ring replaces the base style's own marks of focus, which would draw a second one
    // inside it.
    QStyleOptionComboBox plain = *combo;
    plain.state &= ~State_HasFocus;
    QProxyStyle::drawComplexControl(control, &plain, painter, widget);
    drawRing(option, painter);
}

void installFocusStyle() {
    QApplication::setStyle(new FocusStyle);  // the application owns it
}

}  // namespace ui
