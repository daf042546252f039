// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace ui {

// The platform's look with a focus ring one can see: a 2-px ring in the palette's highlight
// colour around the focused button, check box, combo box or line edit, whether focus came by
// key or by mouse. It draws only; no size or margin changes, so no layout moves.
class FocusStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    static constexpr int RingWidth = 2;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

// Puts the ring into every window of the program; each program and test rig calls it once,
// after making its QApplication.
void installFocusStyle();

}  // namespace ui
