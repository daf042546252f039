// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "BatchRunner.h"
#include "ConfigDocument.h"
#include "Station.h"
#include "UnitRun.h"

namespace cli {

// What the station does to every unit.
struct StationPlan {
    BatchTask task;  // a write of the file, backup and --verify as asked, journaled
    // The document for one port (the file, its sheet row, then --set), or empty with `why`.
    std::function<std::optional<ConfigDocument>(const QString& port, QString* why)> documentFor;
};

// One unit's run at the station: the engine's write run (with its backup read and read-back
// when asked), which journals itself.
class StationUnit {
public:
    using Progress = std::function<void(const QString& stage, int done, int count)>;

    StationUnit(const StationPlan& plan, const QString& port, Progress progress);
    // A run that has not ended (a second interruption) is journaled as failed.
    ~StationUnit();

    void start(std::function<void(provision::UnitOutcome)> ended);

private:
    void startWrite();
    void refuse(const QString& why);
    void end(const PortResult& result);

    const StationPlan& plan;
    QString port;
    Progress progress;
    provision::RunInput writeInput;
    std::unique_ptr<provision::UnitRun> writeRun;
    std::function<void(provision::UnitOutcome)> onEnded;
    bool hasEnded = false;
};

}  // namespace cli
