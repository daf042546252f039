// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StationView.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "cli/Console.h"
#include "core/Escape.h"
#include "provision/StationUnit.h"

namespace cli {

namespace {

using provision::StationSlot;
using Phase = StationSlot::Phase;

constexpr int ModelWidth = 12;
constexpr int PhaseWidth = 8;
constexpr int MaxPortWidth = 32;
constexpr int NarrowestUsable = 20;
constexpr int ReasonIndent = 4;

QString phaseName(const StationSlot& slot) {
    if (slot.phase == Phase::Waiting) return Text::tr("waiting");
    if (slot.phase == Phase::Running) return Text::tr("running");
    switch (slot.outcome) {
        case journal::Outcome::Done:
            return Text::tr("done");
        case journal::Outcome::Differences:
            return Text::tr("differs");
        case journal::Outcome::Interrupted:
            return Text::tr("interrupted");
        case journal::Outcome::Failed:
            break;
    }
    return Text::tr("failed");
}

bool needsLook(const StationSlot& slot) {
    return slot.phase == Phase::Ended && slot.outcome != journal::Outcome::Done;
}

// A path's end says which unit it is, so a long one loses its start.
QString portCell(const QString& port, int width) {
    const QString shown = escape::controls(port);
    if (shown.size() <= width) return shown.leftJustified(width);
    return QStringLiteral("...") + shown.right(width - 3);
}

// Columns a character takes on a terminal: two for the East Asian wide ones, none for a mark
// that combines with the one before.
int columnsOf(char32_t c) {
    static constexpr std::pair<char32_t, char32_t> Wide[] = {
        {0x1100, 0x115F},   {0x2E80, 0x303E},  {0x3041, 0x33FF}, {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},  {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},
        {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},  {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F},
        {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD}};
    for (const auto& [first, last] : Wide)
        if (c >= first && c <= last) return 2;
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ? 0 : 1;
}

}  // namespace

void follow(StationView& view, provision::Station& station, provision::UnitPool& pool) {
    using provision::Station;
    using provision::UnitPool;
    QObject::connect(&pool, &UnitPool::progress, &station,
                     [&view](const QString& port, const QString& stage, int done, int total) {
                         view.progress(port, stage, done, total);
                     });
    QObject::connect(&station, &Station::started, &station,
                     [&view](const StationSlot& slot) { view.started(slot); });
    QObject::connect(&station, &Station::ended, &station,
                     [&view](const StationSlot& slot) { view.ended(slot); });
    QObject::connect(&station, &Station::changed, &station,
                     [&view](const StationSlot& slot) { view.changed(slot); });
    QObject::connect(&station, &Station::unplugged, &station,
                     [&view](const QString& port) { view.unplugged(port); });
    QObject::connect(&station, &Station::removed, &station,
                     [&view](const QString& port) { view.removed(port); });
    QObject::connect(&pool, &UnitPool::given, &station, &Station::setGiven);
    QObject::connect(&pool, &UnitPool::modelKnown, &station, &Station::setModel);
}

QString cutTo(const QString& text, int width) {
    QString fits;
    int used = 0;
    for (const char32_t c : text.toUcs4()) {
        used += columnsOf(c);
        if (used > width) break;
        fits += QString::fromUcs4(&c, 1);
    }
    return fits;
}

QStringList wrapTo(const QString& text, int width, int indent) {
    const int room = qMax(width - indent, 2);
    const QString lead(indent, QLatin1Char(' '));
    QStringList lines;
    QString rest = text;
    for (QString fits = cutTo(rest, room); fits.size() < rest.size(); fits = cutTo(rest, room)) {
        qsizetype cut = fits.lastIndexOf(QLatin1Char(' '));
        if (cut <= 0) cut = qMax(fits.size(), qsizetype(1));  // no space: cut the word
        lines << lead + rest.left(cut);
        rest = rest.mid(cut).trimmed();
    }
    if (!rest.isEmpty() || lines.isEmpty()) lines << lead + rest;
    return lines;
}

StationView::StationView(std::FILE* stream, bool live, bool bell, const provision::Station& station,
                         int count, std::function<int()> columns)
    : out(stream),
      isLive(live),
      bell(bell),
      station(station),
      target(count),
      columns(std::move(columns)) {
    redraw();
}

void StationView::started(const StationSlot& slot) {
    steps.remove(slot.port);
    if (isLive) return redraw();
    const QString port = escape::controls(slot.port);
    if (slot.earlier.isEmpty()) return event(Text::tr("%1: plugged in, running").arg(port));
    event(Text::tr("%1: running again; the run before: %2")
              .arg(port, escape::controls(slot.earlier)));
}

void StationView::ended(const StationSlot& slot) {
    if (bell && isLive) writeTo(out, QStringLiteral("\a"));
    if (isLive) return redraw();
    const QString model = slot.model.isEmpty()
                              ? QString()
                              : QStringLiteral(" (%1)").arg(escape::controls(slot.model));
    QString text = QStringLiteral("%1%2: %3: %4")
                       .arg(escape::controls(slot.port), model, phaseName(slot),
                            escape::controls(slot.summary));
    if (!slot.detail.isEmpty()) text += QStringLiteral(" (%1)").arg(escape::controls(slot.detail));
    if (!slot.given.isEmpty()) text += QStringLiteral("; ") + escape::controls(slot.given);
    event(text + QStringLiteral("; ") + counter());
}

void StationView::changed(const StationSlot& slot) {
    if (isLive) return redraw();
    if (slot.phase == Phase::Waiting && slot.plugged)
        event(Text::tr("%1: plugged in, waiting: as many units as --count asks for are done or "
                       "running")
                  .arg(escape::controls(slot.port)));
}

void StationView::unplugged(const QString& port) {
    steps.remove(port);
    if (isLive) return redraw();
    const StationSlot* slot = station.slotFor(port);
    if (slot && needsLook(*slot))
        return event(Text::tr("%1: unplugged; it stays listed until it is plugged in again")
                         .arg(escape::controls(port)));
    event(Text::tr("%1: unplugged").arg(escape::controls(port)));
}

void StationView::removed(const QString& port) {
    steps.remove(port);
    if (isLive) redraw();
}

void StationView::progress(const QString& port, const QString& stage, int done, int count) {
    steps.insert(port, Step{stage, done, count});
    if (isLive) redraw();
}

void StationView::note(const QString& text) {
    if (isLive) {
        // Above the table, which is drawn again below it. The note scrolls with the terminal,
        // so it may take several lines.
        writeTo(out, eraseLinesAbove(drawnLines) + text + '\n');
        drawnLines = 0;
        return redraw();
    }
    event(text);
}

void StationView::lineTyped() {
    if (!isLive) return;
    ++drawnLines;
    redraw();
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
    if (station.waiting() > 0)
        text += Text::tr(", %1 waiting").arg(QString::number(station.waiting()));
    if (station.stopping()) text += Text::tr("; taking no more units");
    const QList<StationSlot>& slotList = station.slotList();
    if (enterDismisses && std::any_of(slotList.begin(), slotList.end(), [](const StationSlot& s) {
            return needsLook(s) && !s.plugged;
        }))
        text += Text::tr("; Enter dismisses the unplugged failed units");
    return text;
}

// The slot's row, then for a failed or differing unit its whole reason, and for a unit run
// again why the run before was cut short; each line fits `width`.
QStringList StationView::rowLines(const StationSlot& slot, int width, int portWidth) const {
    const Step step = steps.value(slot.port);
    QString info;
    if (slot.phase == Phase::Running && step.count > 0)
        info = QStringLiteral("%1 %2/%3")
                   .arg(step.stage, QString::number(step.done), QString::number(step.count));
    else if (slot.phase == Phase::Running)
        info = step.stage;
    else if (!needsLook(slot))
        info = escape::controls(slot.summary);
    const QString given = escape::controls(slot.given);
    if (!given.isEmpty() && !needsLook(slot))
        info = info.isEmpty() ? given : info + QStringLiteral("; ") + given;
    if (!slot.plugged) info = Text::tr("unplugged");
    QStringList lines{
        cutTo(QStringLiteral("%1  %2  %3  %4")
                  .arg(portCell(slot.port, portWidth),
                       cutTo(escape::controls(slot.model), ModelWidth).leftJustified(ModelWidth),
                       phaseName(slot).leftJustified(PhaseWidth), info),
              width)};
    // A failed unit's reason whole, with what it was given, so it can be found and put right.
    if (needsLook(slot))
        lines +=
            wrapTo(given.isEmpty() ? escape::controls(slot.summary)
                                   : Text::tr("%1: %2").arg(given, escape::controls(slot.summary)),
                   width, ReasonIndent);
    if (!slot.earlier.isEmpty())
        lines += wrapTo(Text::tr("the run before: %1").arg(escape::controls(slot.earlier)), width,
                        ReasonIndent);
    return lines;
}

void StationView::redraw() {
    if (!isLive) return;
    // The last column is left alone: a terminal may wrap on reaching it.
    const int width = qMax(columns() - 1, NarrowestUsable);
    const QList<StationSlot>& slotList = station.slotList();
    int portWidth = 0;
    for (const StationSlot& slot : slotList)
        portWidth = qMax(portWidth, int(escape::controls(slot.port).size()));
    portWidth = qMin(portWidth, MaxPortWidth);
    QStringList lines;
    for (const StationSlot& slot : slotList)
        lines += rowLines(slot, width, portWidth);
    lines << cutTo(counter(), width);
    writeTo(out, eraseLinesAbove(drawnLines) + lines.join('\n') + '\n');
    drawnLines = int(lines.size());
}

}  // namespace cli
