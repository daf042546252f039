// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileDialog;

namespace ui {

// The name filters every dialog for configuration files offers, in one wording.
QString recordFilesFilter();
QString jsonFilesFilter();
QString allFilesFilter();

// Opens `dialog` in the folder the last load or save used, when it still exists.
void startInRememberedFolder(QFileDialog* dialog);

}  // namespace ui
