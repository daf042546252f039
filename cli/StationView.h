// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <cstdio>

#include "Station.h"

namespace cli {

// What the station shows. On a terminal: a table redrawn in place, one line per slot (port,
// model, phase, progress, result) under a "done N, failed M" counter, and a bell on each
// result. Elsewhere: one timestamped line per event, for logs.
class StationView {
public:
    StationView(std::FILE* stream, bool live, bool bell, const provision::Station& station,
                int count);

    void started(const provision::StationSlot& slot);
    void ended(const provision::StationSlot& slot);
    void unplugged(const QString& port);
    void progress(const QString& port, const QString& stage, int done, int count);
    void note(const QString& text);

private:
    struct Step {
        QString stage;
        int done = 0, count = 0;
    };
    void event(const QString& text);
    QString counter() const;
    QString row(const provision::StationSlot& slot) const;
    void redraw();

    std::FILE* out;
    bool isLive;
    bool bell;
    const provision::Station& station;
    int target;
    QHash<QString, Step> steps;
    int drawnLines = 0;
};

}  // namespace cli
