// SPDX-License-Identifier: GPL-3.0-or-later
// The History window and what it hands back: a journal record's configuration.
#include <QMessageBox>

#include "configfile/ConfigDocument.h"
#include "ui/history/HistoryWindow.h"
#include "ui/mainwindow/frmMain.h"

void frmMain::showHistory() {
    if (!historyWindow) {
        historyWindow = new HistoryWindow(journal, this);
        connect(historyWindow, &HistoryWindow::openRequested, this, &frmMain::openRecord);
    } else {
        historyWindow->refresh();  // operations since it was last shown
    }
    historyWindow->show();
    historyWindow->raise();
    historyWindow->activateWindow();
}

void frmMain::openRecord(const ConfigDocument& doc, const QString& name) {
    if (session->busy()) {
        QMessageBox box(QMessageBox::Information, tr("Open in Window"),
                        tr("A transfer is running. Open the record once it has ended."),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("busyBox"));
        box.exec();
        return;
    }
    if (!confirmDiscard()) return;
    const ConfigurationSet held = configuration();
    ConfigurationSet set = doc.set;
    // A record of phone numbers 1-16 leaves 17-32 as they are, as such a file does.
    for (int k = doc.phoneCount; k < ConfigurationSet::PhoneCount; ++k)
        set.phoneNo[size_t(k)] = held.phoneNo[size_t(k)];
    contents.replacing(held, WindowContents::Undo::Load);
    applyConfiguration(set);
    contents.opened(name, !doc.holdsAllPhones());
    refreshContents();
    raise();
    activateWindow();
}
