// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/CloseQuestion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

bool askCloseAnyway(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Close, parent);
    box.setObjectName(QStringLiteral("closeQuestion"));
    box.button(QMessageBox::Close)
        ->setText(QCoreApplication::translate("CloseQuestion", "Close Anyway"));
    QPushButton* wait = box.addButton(QCoreApplication::translate("CloseQuestion", "Wait"),
                                      QMessageBox::RejectRole);
    box.setDefaultButton(wait);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Close);
}
