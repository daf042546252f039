// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/Boxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

namespace ui {

void showNote(QWidget* parent, const QString& title, const QString& text, const QString& name) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setObjectName(name);
    box.exec();
}

void showSaveFailed(QWidget* parent, const QString& title, Saved what, const QString& path,
                    const QString& reason, const QString& name) {
    const char* text =
        what == Saved::Traffic
            ? QT_TRANSLATE_NOOP("ui",
                                "The traffic could not be saved to\n%1\n\n%2\n\n"
                                "An existing file of that name is unchanged.")
            : QT_TRANSLATE_NOOP("ui",
                                "The configuration could not be saved to\n%1\n\n%2\n\n"
                                "An existing file of that name is unchanged.");
    QMessageBox box(
        QMessageBox::Warning, title,
        QCoreApplication::translate("ui", text).arg(QDir::toNativeSeparators(path), reason),
        QMessageBox::Ok, parent);
    box.setObjectName(name);
    box.exec();
}

}  // namespace ui
