// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <functional>

#include "provision/Station.h"

namespace provision {
class UnitPool;
}

namespace cli {

// What the station shows. On a terminal: a table redrawn in place, one line per slot (port,
// model, phase, progress or what the unit was given) under a "done N, failed M" counter, a
// failed unit's whole reason on the lines under its row, and a bell on each result. Every
// line is cut or wrapped to the terminal's width, so a redraw knows how many screen lines it
// replaces. Elsewhere: one timestamped line per event, for logs.
class StationView {
public:
    // `columns` gives the terminal's width when the table is drawn.
    StationView(std::FILE* stream, bool live, bool bell, const provision::Station& station,
                int count, std::function<int()> columns);

    void started(const provision::StationSlot& slot);
    void ended(const provision::StationSlot& slot);
    void changed(const provision::StationSlot& slot);
    void unplugged(const QString& port);
    void removed(const QString& port);
    void progress(const QString& port, const QString& stage, int done, int count);
    void note(const QString& text);
    // A line typed on the terminal, echoed under the table: one more line to redraw over.
    void lineTyped();
    // Whether Enter dismisses unplugged failed units, which the counter line then says.
    void setEnterDismisses(bool on) { enterDismisses = on; }

private:
    struct Step {
        QString stage;
        int done = 0, count = 0;
    };
    void event(const QString& text);
    QString counter() const;
    QStringList rowLines(const provision::StationSlot& slot, int width, int portWidth) const;
    void redraw();

    std::FILE* out;
    bool isLive;
    bool bell;
    const provision::Station& station;
    int target;
    std::function<int()> columns;
    QHash<QString, Step> steps;
    int drawnLines = 0;
    bool enterDismisses = false;
};

// Shows on `view` what `station` and the runs of `pool` report.
void follow(StationView& view, provision::Station& station, provision::UnitPool& pool);

// `text` cut to fit `width` columns, or wrapped at spaces into lines that do, each after
// `indent` spaces.
QString cutTo(const QString& text, int width);
QStringList wrapTo(const QString& text, int width, int indent);

}  // namespace cli
