// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QWidget>
#include <memory>

#include "provision/Plan.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
namespace journal {
class Journal;
}
namespace provision {
class DeviceWatcher;
class Station;
class UnitPool;
struct StationSlot;
}  // namespace provision

namespace station {

class StationTile;

// The provisioning station as a window: one file (and a sheet of per-unit values) written to
// every unit plugged in, a tile per unit, counters, and a second go for the failed ones.
class StationWindow : public QWidget {
    Q_OBJECT
public:
    // `journal` records every unit's run (not owned; null: nowhere).
    explicit StationWindow(journal::Journal* journal, QWidget* parent = nullptr);
    ~StationWindow() override;

    // Interval of one command transaction; 100 ms for the unit, shorter in tests.
    void setProtocolInterval(int ms) { intervalMs = ms; }
    bool isRunning() const;  // started and not yet finished

public slots:
    void browseFile();
    void browseSheet();
    void startStation();
    void stopStation();
    void retryFailed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    QWidget* buildSetUp();
    bool preparePlan();  // the boxes checked into `plan`, or false having said why
    QString wording(const provision::Plan::Problem& problem) const;
    void wireStation();
    StationTile* tileFor(const provision::StationSlot& slot);
    void showStarted(const provision::StationSlot& slot);
    void showEnded(const provision::StationSlot& slot);
    void showSlot(const provision::StationSlot& slot);
    void showProgress(const QString& port, const QString& stage, int done, int count);
    void showUnplugged(const QString& port);
    void removeTile(const QString& port);
    void dismissTile(const QString& port);
    void clearTiles();
    void placeTiles();
    void stationFinished();
    void refreshControls();
    void say(const QString& text, bool problem);
    bool refuse(const QString& why);  // says why the station cannot start; false
    bool confirmCloseWhileRunning();  // true: close anyway
    void discardStation();

    journal::Journal* journal;
    int intervalMs = 100;
    provision::StationPlan plan;  // outlives the pool, whose units refer to it
    std::unique_ptr<provision::DeviceWatcher> watcher;
    std::unique_ptr<provision::UnitPool> pool;
    std::unique_ptr<provision::Station> station;
    bool finished = true;
    QMap<QString, StationTile*> tiles;

    QLineEdit* edtFile = nullptr;
    QPushButton* cmdBrowseFile = nullptr;
    QLineEdit* edtSheet = nullptr;
    QPushButton* cmdBrowseSheet = nullptr;
    QCheckBox* chkBackup = nullptr;
    QCheckBox* chkVerify = nullptr;
    QCheckBox* chkFastLink = nullptr;
    QLineEdit* edtPorts = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdRetryFailed = nullptr;
    QLabel* lblCounters = nullptr;
    QLabel* lblMessage = nullptr;
    QGridLayout* tileGrid = nullptr;
};

}  // namespace station
