// SPDX-License-Identifier: GPL-3.0-or-later
#include "StationView.h"

#include <QDateTime>

#include "Console.h"
#include "Escape.h"

namespace cli {

namespace {

using provision::StationSlot;

QString phaseName(StationSlot::Phase phase) {
    switch (phase) {
        case StationSlot::Phase::Running:
            return Text::tr("running");
        case StationSlot::Phase::Done:
            return Text::tr("done");
        case StationSlot::Phase::Differences:
            return Text::tr("differs");
        case StationSlot::Phase::Failed:
            break;
    }
    return Text::tr("failed");
}

}  // namespace

StationView::StationView(std::FILE* stream, bool live, bool bell, const provision::Station& station,
                         int count)
    : out(stream), isLive(live), bell(bell), station(station), target(count) {
    redraw();
}

void StationView::started(const StationSlot& slot) {
    steps.remove(slot.port);
    if (isLive) return redraw();
    event(Text::tr("%1: plugged in, running").arg(escape::controls(slot.port)));
}

void StationView::ended(const StationSlot& slot) {
    if (bell && isLive) writeTo(out, QStringLiteral("\a"));
    if (isLive) return redraw();
    const QString model = slot.model.isEmpty()
                              ? QString()
                              : QStringLiteral(" (%1)").arg(escape::controls(slot.model));
    event(QStringLiteral("%1%2: %3: %4; %5")
              .arg(escape::controls(slot.port), model, phaseName(slot.phase),
                   escape::controls(slot.summary), counter()));
}

void StationView::unplugged(const QString& port) {
    steps.remove(port);
    if (isLive) return redraw();
    event(Text::tr("%1: unplugged").arg(escape::controls(port)));
}

void StationView::progress(const QString& port, const QString& stage, int done, int count) {
    steps.insert(port, Step{stage, done, count});
    if (isLive) redraw();
}

void StationView::note(const QString& text) {
    if (isLive) {
        // Above the table, which is drawn again below it.
        writeTo(out, eraseLinesAbove(drawnLines) + text + '\n');
        drawnLines = 0;
        return redraw();
    }
    event(text);
}

void StationView::event(const QString& text) {
    const QString stamp = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    writeTo(out, stamp + ' ' + text + '\n');
}

QString StationView::counter() const {
    QString text =
        target > 0 ? Text::tr("done %1 of %2, failed %3")
                         .arg(QString::number(station.done()), QString::number(target),
                              QString::number(station.failed()))
                   : Text::tr("done %1, failed %2")
                         .arg(QString::number(station.done()), QString::number(station.failed()));
    if (station.differing() > 0)
        text += Text::tr(", %1 differ").arg(QString::number(station.differing()));
    if (station.stopping()) text += Text::tr("; taking no more units");
    return text;
}

QString StationView::row(const StationSlot& slot) const {
    const Step step = steps.value(slot.port);
    QString progress;
    if (slot.phase == StationSlot::Phase::Running && step.count > 0)
        progress = QStringLiteral("%1 %2/%3")
                       .arg(step.stage, QString::number(step.done), QString::number(step.count));
    else if (slot.phase == StationSlot::Phase::Running)
        progress = step.stage;
    return QStringLiteral("%1  %2  %3  %4  %5")
        .arg(escape::controls(slot.port).leftJustified(20),
             escape::controls(slot.model).leftJustified(12), phaseName(slot.phase).leftJustified(8),
             progress.leftJustified(28), escape::controls(slot.summary));
}

void StationView::redraw() {
    if (!isLive) return;
    QString block = eraseLinesAbove(drawnLines);
    const QList<StationSlot>& slotList = station.slotList();
    for (const StationSlot& slot : slotList)
        block += row(slot) + '\n';
    block += counter() + '\n';
    drawnLines = int(slotList.size()) + 1;
    writeTo(out, block);
}

}  // namespace cli
