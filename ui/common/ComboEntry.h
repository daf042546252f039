// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// Index of the entry whose text is exactly the shown text, -1 when it matches none; an
// editable combo keeps its old index while the user types, so the index alone would report a
// stale selection.
inline int matchingEntry(const QComboBox* combo) {
    const QString shown = combo->currentText();
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i) == shown) return i;
    return -1;
}
