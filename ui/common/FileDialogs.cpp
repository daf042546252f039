// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

#include "ui/common/Settings.h"

namespace ui {

QString recordFilesFilter() {
    return QCoreApplication::translate("ui", "Configuration files (*.cfg *.txt)");
}

QString jsonFilesFilter() {
    return QCoreApplication::translate("ui", "JSON files (*.json)");
}

QString allFilesFilter() {
    return QCoreApplication::translate("ui", "All files (*)");
}

void startInRememberedFolder(QFileDialog* dialog) {
    const QString folder = QSettings().value(QLatin1String(Settings::Folder)).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog->setDirectory(folder);
}

}  // namespace ui
