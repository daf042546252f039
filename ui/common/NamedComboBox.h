// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ui {

// Makes every combo box read out by what it is, not by the entry it shows. On Linux the
// toolkit names a combo box after its current text ("/dev/pts/0", "00") and ignores its
// accessible name; from this call on, its name is the accessible name or, failing that, its
// label or frame title, and the entry is its value. Idempotent; call it before the first
// combo box is shown to assistive technology.
void nameComboBoxes();

}  // namespace ui
