// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QUrl>

namespace journal {

namespace {

// One translation context for the whole file, free functions and members alike, so the
// catalogue and the lookup agree.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(journal::Target)
};

Target parseUrl(const QString& text, QString* error) {
    const QUrl url(text, QUrl::StrictMode);
    const QString database = url.path().mid(1);
    auto fail = [&](const QString& why) {
        *error = why;
        return Target{};
    };
    if (!url.isValid() || url.userName().isEmpty() || url.host().isEmpty() || database.isEmpty() ||
        database.contains(QLatin1Char('/')))
        return fail(Text::tr("%1 is not of the form postgresql://USER@HOST[:PORT]/DATABASE")
                        .arg(QUrl(text).toDisplayString(QUrl::RemovePassword)));
    if (!url.password().isEmpty())
        return fail(
            Text::tr("the journal URL must not hold a password; put it in PGPASSWORD or "
                     "~/.pgpass instead"));
    if (url.hasQuery() || url.hasFragment())
        return fail(Text::tr("the journal URL takes no options after the database name"));
    Target target;
    target.kind = Target::Kind::Postgres;
    target.user = url.userName();
    target.host = url.host();
    target.port = url.port(5432);
    target.database = database;
    return target;
}

}  // namespace

Target Target::parse(const QString& text, QString* error) {
    error->clear();
    if (text.isEmpty()) return defaultSqlite();
    if (text.startsWith(QLatin1String("postgresql://")) ||
        text.startsWith(QLatin1String("postgres://")))
        return parseUrl(text, error);
    if (text.contains(QLatin1String("://"))) {
        *error = Text::tr("%1: only postgresql:// URLs or file names are journals").arg(text);
        return {};
    }
    Target target;
    target.kind = Kind::Sqlite;
    target.path = QDir::cleanPath(QDir::current().absoluteFilePath(text));
    return target;
}

// Not AppDataLocation: that folder is named after each program, and the window and the
// command-line tool must keep one journal between them.
Target Target::defaultSqlite() {
    Target target;
    target.kind = Kind::Sqlite;
    target.path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/quellix/journal.sqlite");
    return target;
}

Target Target::choose(bool disabled, const QString& option, QString* error) {
    error->clear();
    if (disabled) return {};
    if (!option.isEmpty()) return parse(option, error);
    return parse(qEnvironmentVariable("QUELLIX_JOURNAL"), error);
}

QString Target::display() const {
    switch (kind) {
        case Kind::Off:
            return {};
        case Kind::Sqlite:
            return path;
        case Kind::Postgres:
            return QStringLiteral("postgresql://%1@%2:%3/%4")
                .arg(user, host)
                .arg(port)
                .arg(database);
    }
    return {};
}

}  // namespace journal
