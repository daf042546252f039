// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "Station.h"
#include "StationPlan.h"
#include "UnitRun.h"

namespace provision {

// One unit's run at the station: the engine's write run (with its backup read and read-back
// when asked), which journals itself.
class StationUnit {
public:
    using Progress = std::function<void(const QString& stage, int done, int count)>;

    StationUnit(const StationPlan& plan, const QString& port, Progress progress);
    // A run that has not ended (the station was aborted) is journaled as failed.
    ~StationUnit();

    void start(std::function<void(UnitOutcome)> ended);

private:
    void startWrite();
    void refuse(const QString& why);
    void end(const RunResult& result);

    const StationPlan& plan;
    QString port;
    Progress progress;
    RunInput writeInput;
    std::unique_ptr<UnitRun> writeRun;
    std::function<void(UnitOutcome)> onEnded;
    bool hasEnded = false;
};

// The runs of a station, one per port: its Station::UnitJob. A finished one is kept until the
// event loop is back, since it ends from inside itself and the next run on its port may start
// right there.
class UnitPool : public QObject {
    Q_OBJECT
public:
    explicit UnitPool(const StationPlan& plan, QObject* parent = nullptr);

    void start(const QString& port, std::function<void(UnitOutcome)> ended);
    Station::UnitJob job();

signals:
    void progress(const QString& port, const QString& stage, int done, int count);

private:
    const StationPlan& plan;
    std::map<QString, std::unique_ptr<StationUnit>> units;
    std::vector<std::unique_ptr<StationUnit>> retired;
};

}  // namespace provision
