// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/WindowContents.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("WindowContents", text);
}

// Hours and minutes: the status bar says when, not to the second.
QString clock(const QDateTime& at) {
    return at.time().toString(QStringLiteral("HH:mm"));
}

}  // namespace

void WindowContents::replacing(const ConfigurationSet& held, Undo kind) {
    before = now;
    undoSet = held;
    undoKindHeld = kind;
}

void WindowContents::read(const QString& port, const QDateTime& at, int done, int count,
                          bool trusted) {
    now = {Source::Read, port, at, {}, false};
    // What did not arrive is still what the window held before, which the note must say.
    if (done < count)
        now.note = tr("cut short after %1 of %2 exchanges; the rest is as it was before")
                       .arg(done)
                       .arg(count);
    else if (!trusted)
        now.note = tr("some replies came late or could not be read; read again");
}

bool WindowContents::readFrom(const QString& port, const QDateTime& since) const {
    return now.source == Source::Read && now.where == port && now.at >= since && now.note.isEmpty();
}

void WindowContents::taken() {
    now.edits = true;
}

void WindowContents::loaded(const QString& file, bool phones17To32Kept) {
    now = {Source::Loaded, file, QDateTime::currentDateTime(), {}, false};
    if (phones17To32Kept)
        now.note = tr("the file holds phone numbers 1-16 only; 17-32 were kept from before");
}

void WindowContents::opened(const QString& what, bool phones17To32Kept) {
    now = {Source::Opened, what, QDateTime::currentDateTime(), {}, false};
    if (phones17To32Kept)
        now.note = tr("it holds phone numbers 1-16 only; 17-32 were kept from before");
}

// An edit, a save or a write makes the last read or load no longer the last thing done, and an
// undo would then throw away more than that read or load brought.
void WindowContents::edited() {
    now.edits = true;
    undoSet.reset();
}

void WindowContents::saved(const QString& file) {
    now = {Source::Saved, file, QDateTime::currentDateTime(), {}, false};
    undoSet.reset();
}

void WindowContents::written(const QString& port, const QDateTime& at) {
    now = {Source::Written, port, at, {}, false};
    undoSet.reset();
}

std::optional<ConfigurationSet> WindowContents::takeUndo() {
    std::optional<ConfigurationSet> set;
    set.swap(undoSet);
    if (set) now = before;
    undoKindHeld = Undo::None;
    return set;
}

QString WindowContents::statusText() const {
    const QString name = QFileInfo(now.where).fileName();
    QString text;
    switch (now.source) {
        case Source::Start:
            text = tr("Start values");
            break;
        case Source::Read:
            text = tr("Read from %1 at %2").arg(now.where, clock(now.at));
            break;
        case Source::Loaded:
            text = tr("Loaded %1").arg(name);
            break;
        case Source::Written:
            text = tr("Written to %1 at %2").arg(now.where, clock(now.at));
            break;
        case Source::Saved:
            text = tr("Saved to %1").arg(name);
            break;
        case Source::Opened:
            text = tr("Opened %1").arg(now.where);
            break;
    }
    if (!now.note.isEmpty()) text = tr("%1, %2").arg(text, now.note);
    if (now.edits) text = tr("%1; edited since").arg(text);
    return text;
}
