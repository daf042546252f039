// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "provision/Station.h"
#include "provision/StationPlan.h"
#include "provision/UnitRun.h"

namespace provision {

// One unit's run at the station: the engine's write run (with its backup read and read-back
// when asked), which journals itself.
class StationUnit {
public:
    // `model` is what the unit said it is, empty until it has answered.
    using Progress =
        std::function<void(const QString& stage, int done, int count, const QString& model)>;

    StationUnit(const StationPlan& plan, const QString& port, Progress progress);
    // A run that has not ended (the station was aborted) is journaled as failed.
    ~StationUnit();

    // Picks the unit's document: its sheet row and the common values over the file.
    void prepare();
    // What the unit is given ("units.csv line 3, slave ID 11"); empty before prepare() or when
    // it has no document.
    QString given() const { return givenText; }
    void start(std::function<void(UnitOutcome)> ended);

private:
    void startWrite();
    void refuse(const QString& why);
    void end(const RunResult& result);
    UnitOutcome unitOutcome(const RunResult& result) const;

    const StationPlan& plan;
    QString port;
    Progress progress;
    QString refusal;
    QString givenText;
    int lastDone = 0;  // exchanges of the step under way that were answered
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
    // What a unit says it is, once it has answered (see Station::setModel()).
    void modelKnown(const QString& port, const QString& model);
    // What a unit is given, before its run starts (see Station::setGiven()).
    void given(const QString& port, const QString& text);

private:
    const StationPlan& plan;
    std::map<QString, std::unique_ptr<StationUnit>> units;
    std::vector<std::unique_ptr<StationUnit>> retired;
};

}  // namespace provision
