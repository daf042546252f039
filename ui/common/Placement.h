// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <cstddef>

#include "core/Twips.h"

namespace twips {

// The one way a control takes its place from a layout table: the row named `name` gives the
// rectangle, moved `down` twips for a control of a repeated row. The table names every control
// the window places, so a control missing from it is a fault in the table.
template <std::size_t N>
void place(QWidget* widget, const char* name, const Place (&table)[N], int down = 0) {
    for (const Place& row : table) {
        if (qstrcmp(row.name, name) == 0) {
            widget->setGeometry(rect(row.left, row.top + down, row.width, row.height));
            return;
        }
    }
    Q_ASSERT_X(false, "twips::place", name);
}

// A control placed by its own object name.
template <std::size_t N>
void place(QWidget* widget, const Place (&table)[N]) {
    place(widget, qPrintable(widget->objectName()), table);
}

// Every control a table names, found among `parent`'s children by its object name.
template <std::size_t N>
void placeAll(QWidget* parent, const Place (&table)[N]) {
    for (const Place& row : table) {
        auto* w = parent->findChild<QWidget*>(QLatin1String(row.name));
        Q_ASSERT_X(w, "twips::placeAll", row.name);
        if (w) place(w, row.name, table);
    }
}

}  // namespace twips
