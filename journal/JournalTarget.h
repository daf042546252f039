// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace journal {

// Where the journal lives, from `--journal`, QUELLIX_JOURNAL or the default.
struct Target {
    enum class Kind { Off, Sqlite, Postgres };
    Kind kind = Kind::Off;
    QString path;                  // SQLite
    QString user, host, database;  // PostgreSQL
    int port = 5432;

    // "postgresql://USER@HOST[:PORT]/DB" (the scheme in any case) or a file path; empty text
    // gives the default. A password in the URL is refused: libpq takes it from PGPASSWORD or
    // ~/.pgpass, so it never shows in a process list or a shell history. Text that starts like
    // a URL ("word:") but is no PostgreSQL URL is refused, never taken for a file name.
    static Target parse(const QString& text, QString* error);
    // quellix/journal.sqlite in the user's data folder, the same for every program of the tool.
    static Target defaultSqlite();
    // `--no-journal` wins, then `--journal`, then QUELLIX_JOURNAL, then the default.
    static Target choose(bool disabled, const QString& option, QString* error);

    // The URL or path, never a password; what messages and the sync bookkeeping name.
    QString display() const;
};

// `text` with any password between the user name and the host left out, for echoing a URL.
QString withoutPassword(const QString& text);

}  // namespace journal
