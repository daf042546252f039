// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lists a journal of 10,000 records in the History window and prints how long it took;
// 0 when every record was listed. Needs a QApplication.
int benchHistory();
