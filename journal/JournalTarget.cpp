// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/JournalTarget.h"

#include "journal/Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace journal {

namespace {

// "scheme:" of two letters or more, so a drive letter ("C:\\journal.sqlite") stays a file name.
const QRegularExpression SchemeLike(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
// Everything between the user name and the last "@", wherever the slashes went.
const QRegularExpression Password(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*:/*[^/@:]*):.*@"));

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
                        .arg(withoutPassword(text)));
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

QString withoutPassword(const QString& text) {
    return QString(text).replace(Password, QStringLiteral("\\1@"));
}

Target Target::parse(const QString& text, QString* error) {
    error->clear();
    if (text.isEmpty()) return defaultSqlite();
    // A URL with a slash too few is a mistyped server, not a file to create.
    const QString scheme = SchemeLike.match(text).captured(1).toLower();
    if (scheme == QLatin1String("postgresql") || scheme == QLatin1String("postgres"))
        return parseUrl(text, error);
    if (!scheme.isEmpty()) {
        *error = Text::tr(
                     "%1: only postgresql:// URLs or file names are journals (write ./%2 "
                     "for a file of that name)")
                     .arg(withoutPassword(text), withoutPassword(text));
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
