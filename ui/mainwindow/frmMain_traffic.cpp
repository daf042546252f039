// SPDX-License-Identifier: GPL-3.0-or-later
// The window's traffic: the log its unit operations go through, and the Traffic Monitor.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "device/TrafficLog.h"
#include "device/UnitSession.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/traffic/TrafficMonitor.h"

void frmMain::setTrafficLog(TrafficLog* log) {
    if (!ownTrafficLog) ownTrafficLog = new TrafficLog(this);
    trafficLog = log ? log : ownTrafficLog;
    session->setTrafficLog(trafficLog);
    if (trafficMonitor) trafficMonitor->watch(trafficLog);
}

void frmMain::showTrafficMonitor() {
    if (!trafficMonitor) {
        trafficMonitor = new traffic::TrafficMonitor(this);
        trafficMonitor->watch(trafficLog);
    }
    trafficMonitor->show();
    trafficMonitor->raise();
    trafficMonitor->activateWindow();
}
