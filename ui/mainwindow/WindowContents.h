// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "core/ConfigurationSet.h"

// What the window holds, where it came from, whether it has edits that were neither saved nor
// written, and the one level of undo that a read or a load leaves behind. It has no widgets: the
// window tells it what happened and shows what it says, so all of this is tested directly.
class WindowContents {
public:
    enum class Source { Start, Read, Loaded, Written, Saved, Opened };
    enum class Undo { None, Read, Load, Take };

    // Called before a read or a load replaces what the window shows (`held`).
    void replacing(const ConfigurationSet& held, Undo kind);
    // A read that ended after `done` of `count` exchanges; whole when they are equal. Not
    // `trusted`: whole, but some replies came late or could not be read.
    void read(const QString& port, const QDateTime& at, int done, int count, bool trusted = true);
    // A load; a file of 145 records holds phone numbers 1-16 only, and 17-32 stay as they were.
    void loaded(const QString& file, bool phones17To32Kept);
    // A load from somewhere other than a file, such as a journal record; `what` names it whole.
    void opened(const QString& what, bool phones17To32Kept);
    // Values taken from a comparison, after replacing(held, Undo::Take): an edit that keeps
    // its undo, since it replaced many values at once.
    void taken();
    // Each of these ends the undo of the last read or load.
    void edited();
    void saved(const QString& file);
    void written(const QString& port, const QDateTime& at);

    bool modified() const { return now.edits; }
    // Whether the window's values came from a whole, trusted read of `port` at `since` or
    // later; edits since do not matter, the read itself tells what the unit holds.
    bool readFrom(const QString& port, const QDateTime& since) const;
    Undo undoKind() const { return undoSet ? undoKindHeld : Undo::None; }
    // What the window held before the last read or load, and the state of that time; empty
    // when there is nothing to undo. One level: taking it leaves nothing.
    std::optional<ConfigurationSet> takeUndo();

    QString statusText() const;

private:
    struct State {
        Source source = Source::Start;
        QString where;  // port or file
        QDateTime at;
        QString note;  // how far a read got, what a load kept
        bool edits = false;
    };
    State now;
    State before;
    std::optional<ConfigurationSet> undoSet;
    Undo undoKindHeld = Undo::None;
};
