// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <cstddef>

#include "core/Twips.h"

namespace twips {

// Names the widget and gives it the rectangle its row in the layout table holds, so every
// control is placed from the table and found by the same name in tests.
template <std::size_t N>
void place(QWidget* widget, const char* name, const Place (&table)[N]) {
    widget->setObjectName(QString::fromLatin1(name));
    for (const Place& row : table) {
        if (qstrcmp(row.name, name) == 0) {
            widget->setGeometry(row.pixels());
            return;
        }
    }
    Q_ASSERT_X(false, "twips::place", name);
}

}  // namespace twips
