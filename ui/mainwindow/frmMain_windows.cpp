// SPDX-License-Identifier: GPL-3.0-or-later
// The windows the main window opens: the Traffic Monitor over the log its unit operations go
// through, History and what it hands back, and the Provisioning Station.
#include <QMessageBox>

#include "configfile/ConfigDocument.h"
#include "device/TrafficLog.h"
#include "journal/JournalRecord.h"
#include "provision/UnitRun.h"
#include "ui/common/Boxes.h"
#include "ui/common/ToolWindow.h"
#include "ui/history/HistoryWindow.h"
#include "ui/history/RestoreCheck.h"
#include "ui/mainwindow/RunEnd.h"
#include "ui/mainwindow/UnitController.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/station/StationWindow.h"
#include "ui/traffic/TrafficMonitor.h"

void frmMain::setTrafficLog(TrafficLog* log) {
    if (!ownTrafficLog) ownTrafficLog = new TrafficLog(this);
    trafficLog = log ? log : ownTrafficLog;
    unit->session()->setTrafficLog(trafficLog);
    if (trafficMonitor) trafficMonitor->watch(trafficLog);
}

void frmMain::showTrafficMonitor() {
    if (!trafficMonitor) {
        trafficMonitor = new traffic::TrafficMonitor(this);
        trafficMonitor->watch(trafficLog);
        shareUnitKeys(trafficMonitor);
    }
    showAndRaise(trafficMonitor);
}

void frmMain::showHistory() {
    if (!historyWindow) {
        historyWindow = new HistoryWindow(journal, this);
        connect(historyWindow, &HistoryWindow::openRequested, this, &frmMain::openRecord);
        connect(historyWindow, &HistoryWindow::restoreRequested, this, &frmMain::restoreRecord);
        shareUnitKeys(historyWindow);
    } else {
        historyWindow->refresh();  // operations since it was last shown
    }
    showAndRaise(historyWindow);
}

void frmMain::openStation() {
    if (!stationWindow) stationWindow = new station::StationWindow(journal, this);
    showAndRaise(stationWindow);
}

void frmMain::openRecord(const ConfigDocument& doc, const QString& name) {
    if (unit->busy()) {
        ui::showNote(this, tr("Open in Window"),
                     tr("A transfer is running. Open the record once it has ended."),
                     QStringLiteral("busyBox"));
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

// The engine and checks of the command line's restore: the unit backed up first, the record
// named as the source; a unit of another model is refused after the backup read unless the
// technician was asked and said yes.
void frmMain::restoreRecord(const journal::Record& source, const ConfigDocument& doc,
                            const QString& name) {
    if (transferActive() || !unit->isOpen())
        return history::refuseRestore(
            historyWindow, transferActive()
                               ? tr("A transfer is running. Restore the record once it has ended.")
                               : tr("Connect to the unit first, then restore the record."));
    const QStringList differences = history::restoreDifferences(
        source, unit->deviceName(), unit->identity(), unit->unitModel());
    if (!differences.isEmpty() && !history::confirmRestore(historyWindow, name, differences))
        return;
    provision::RunInput input = runInput();
    input.mode = provision::RunInput::Mode::Restore;
    input.document = doc;
    input.documentName = name;
    input.backup = true;
    input.sourceId = source.id;
    if (differences.isEmpty()) input.expectedModel = source.model;
    startRun(safety::Operation::Restore, input);
}
