// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAnyStringView>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <utility>

namespace ui {

// The one way a window makes a control: a new W, built from `args`, named `name`, so tests and
// the accessibility tree find it by that name.
template <class W, class... Args>
W* make(QAnyStringView name, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)...);
    w->setObjectName(name.toString());
    return w;
}

// The name of the `index`th control of a repeated row ("txtPhoneNo_31").
inline QString indexed(const char* base, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

// Labels show their text as given: an "&" is a character, never an access key, and a unit's
// text is never markup.
inline QLabel* makeLabel(QAnyStringView name, QWidget* parent = nullptr) {
    auto* label = make<QLabel>(name, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    return label;
}

}  // namespace ui
