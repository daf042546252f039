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

    // "postgresql://USER@HOST[:PORT]/DB" or a file path; empty text gives the default. A
    // password in the URL is refused: libpq takes it from PGPASSWORD or ~/.pgpass, so it
    // never shows in a process list or a shell history.
    static Target parse(const QString& text, QString* error);
    // quellix/journal.sqlite in the user's data folder, the same for every program of the tool.
    static Target defaultSqlite();
    // `--no-journal` wins, then `--journal`, then QUELLIX_JOURNAL, then the default.
    static Target choose(bool disabled, const QString& option, QString* error);

    // The URL or path, never a password; what messages and the sync bookkeeping name.
    QString display() const;
};

}  // namespace journal
