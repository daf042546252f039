// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include "device/TrafficLog.h"

class QLabel;
class QPushButton;
class QTableView;
class QTimer;

namespace traffic {

class TrafficModel;

// A window listing every command, reply and note on the line as it happens. Lines are only
// queued while they arrive and go into the table together every FlushMs, so watching never
// slows a transfer. Paused, lines are still taken and held (as bounded as the table) and shown
// on resume; nothing that crossed the line is skipped unless the bound drops it. Clear empties
// the table and the held lines alike. Closed, it keeps taking lines, so it shows them when
// opened again.
class TrafficMonitor : public QWidget {
    Q_OBJECT
public:
    static constexpr int FlushMs = 50;

    explicit TrafficMonitor(QWidget* parent = nullptr);

    // Shows the lines of `log` from now on, instead of those of the log watched so far.
    void watch(TrafficLog* log);
    TrafficModel* model() const { return lines; }
    bool isPaused() const;
    int heldCount() const { return int(pending.size()); }
    // Writes a heading (ports, first and last day and time), then the lines shown, one a line
    // as in the table, replacing `path` only when whole.
    bool saveTo(const QString& path, QString* reason) const;
    QString suggestedName() const;  // "traffic-ttyUSB0-20261208-124001.txt"

public slots:
    void setPaused(bool paused);
    void clearLines();
    void saveLines();  // asks where

protected:
    void showEvent(QShowEvent* event) override;

private:
    void queueLine(const TrafficLine& line);
    void flushPending();
    void showCounts();
    QStringList ports() const;
    QString heading() const;

    TrafficModel* lines = nullptr;
    QList<TrafficLine> pending;  // arrived, not yet in the table
    QPointer<TrafficLog> watched;
    QTimer* tmrFlush = nullptr;
    QTableView* tblTraffic = nullptr;
    QPushButton* cmdPause = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdSave = nullptr;
    QLabel* lblCounts = nullptr;
};

}  // namespace traffic
