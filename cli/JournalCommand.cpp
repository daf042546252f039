// SPDX-License-Identifier: GPL-3.0-or-later
// The journal command: lists records, shows one's configuration, sends waiting ones.
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/Reporter.h"
#include "configfile/ConfigDocument.h"
#include "configfile/ConfigFile.h"
#include "configfile/ConfigJson.h"
#include "core/Escape.h"
#include "journal/Journal.h"
#include "journal/Reason.h"
#include "journal/RecordChanges.h"
#include "journal/RecordDocument.h"

namespace cli {

namespace {

using journal::Record;
using journal::Target;

// Options that belong to one use of the command only, so a line never means two things.
int checkLine(const Invocation& line) {
    const bool listing = !line.ports.isEmpty() || !line.action.isEmpty() || !line.since.isEmpty() ||
                         !line.limit.isEmpty() || line.json || line.csv;
    if (line.sync && (listing || !line.show.isEmpty() || !line.output.isEmpty()))
        return usageError(Text::tr("journal --sync takes no other journal option"));
    if (!line.show.isEmpty() && listing)
        return usageError(Text::tr("journal --show takes only -o FILE"));
    if (!line.output.isEmpty() && line.show.isEmpty())
        return usageError(Text::tr("-o goes with journal --show ID"));
    if (line.changes && (line.show.isEmpty() || !line.output.isEmpty()))
        return usageError(Text::tr("--changes goes with journal --show ID, without -o"));
    if (line.json && line.csv) return usageError(Text::tr("--json and --csv exclude each other"));
    if (line.ports.size() > 1) return usageError(Text::tr("journal takes one -p PORT at most"));
    return Done;
}

// "2026-12-07", or a time with or without ms and zone (none: local time).
QDateTime sinceTime(const QString& text) {
    // QDate takes the date part of a whole time too, so only a bare date is read as one.
    const QDate day = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (day.isValid()) return day.startOfDay(Qt::LocalTime);
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

int filterOf(const Invocation& line, journal::Filter* filter) {
    filter->port = line.ports.value(0);
    if (!line.action.isEmpty() && !(filter->action = journal::actionFromName(line.action)))
        return usageError(
            Text::tr("--action takes read, write, verify, compare, backup or restore, not "
                     "'%1'")
                .arg(escape::unprintable(line.action)));
    if (!line.since.isEmpty() && !(filter->since = sinceTime(line.since)).isValid())
        return usageError(Text::tr("--since takes a time such as 2026-12-07T14:00:00Z or a "
                                   "date, not '%1'")
                              .arg(escape::unprintable(line.since)));
    bool ok = true;
    if (!line.limit.isEmpty() && ((filter->limit = line.limit.toInt(&ok)) <= 0 || !ok))
        return usageError(Text::tr("--limit takes a positive whole number, not '%1'")
                              .arg(escape::unprintable(line.limit)));
    filter->withConfiguration = line.json;
    return Done;
}

// One line per record (a reason's explanation joined onto it); its texts may come from anyone
// who writes to a shared journal.
QString recordLine(const Record& record) {
    QString outcome = journal::outcomeName(record.outcome);
    // In the reader's language, whichever the run spoke.
    if (!record.reason.isEmpty())
        outcome += QStringLiteral(": ") +
                   journal::shownReason(record.reasonCode, record.reason).simplified();
    return QStringList{QString::number(record.id),         record.time.toString(Qt::ISODateWithMs),
                       journal::actionName(record.action), escape::controls(record.port),
                       escape::controls(outcome),          escape::controls(record.operatorName),
                       escape::controls(record.file)}
               .join('\t') +
           '\n';
}

// Listing, showing and restoring only read, so a journal on a read-only mount serves them.
int openForReading(journal::Store& store) {
    QString error;
    if (!store.open(&error)) return fileError(store.target().display(), error);
    return Done;
}

int listRecords(const Target& target, const Invocation& line) {
    journal::Filter filter;
    if (const int code = filterOf(line, &filter); code != Done) return code;
    QString error;
    QList<Record> records;
    // No journal kept yet is an empty one; opening it read-only does not make it.
    if (target.kind != Target::Kind::Sqlite || QFileInfo::exists(target.path)) {
        journal::Store store(target, journal::Store::Access::ReadOnly);
        if (const int code = openForReading(store); code != Done) return code;
        records = store.list(filter, &error);
        if (!error.isEmpty()) return fileError(target.display(), error);
    }
    if (line.json) {
        QJsonArray array;
        for (const Record& record : records)
            array.append(record.toJson());
        // QJsonDocument leaves DEL and C1 as they are; escaped, the JSON still reads the same.
        writeTo(stdout, escape::controlsKeepingLines(QString::fromUtf8(
                            QJsonDocument(array).toJson(QJsonDocument::Indented))));
        return Done;
    }
    QString text;
    if (line.csv)
        text = Record::csvHeader() + '\n';
    else if (Reporter::isTerminal(stdout))
        text = Text::tr("ID\tTIME\tACTION\tPORT\tOUTCOME\tOPERATOR\tFILE\n");
    for (const Record& record : records)
        text += line.csv ? record.csvRow() + '\n' : recordLine(record);
    writeTo(stdout, text);
    return Done;
}

// The record `idText` names, read from `store` (opened here); Done, or the exit code of what
// went wrong, said already.
int findRecord(journal::Store& store, const QString& option, const QString& idText,
               std::optional<Record>* record) {
    bool ok = false;
    const qint64 id = idText.toLongLong(&ok);
    if (!ok || id <= 0)
        return usageError(Text::tr("%1 takes a record number, not '%2'")
                              .arg(option, escape::unprintable(idText)));
    if (const int code = openForReading(store); code != Done) return code;
    QString error;
    *record = store.find(id, &error);
    if (!*record)
        return fileError(Text::tr("journal record %1").arg(id),
                         error.isEmpty() ? Text::tr("no such record") : error);
    return Done;
}

}  // namespace

int recordDocument(const Target& target, const QString& option, const QString& idText,
                   ConfigDocument* doc, Record* source) {
    journal::Store store(target, journal::Store::Access::ReadOnly);
    std::optional<Record> record;
    if (const int code = findRecord(store, option, idText, &record); code != Done) return code;
    *doc = journal::documentOf(*record);
    if (!doc->ok) return fileError(Text::tr("journal record %1").arg(record->id), doc->error);
    if (source) *source = *record;
    return Done;
}

namespace {

// What record `idText` changed or found, one line each; a write's or restore's first line names
// the record holding the state before it.
int showChanges(const Target& target, const QString& idText) {
    journal::Store store(target, journal::Store::Access::ReadOnly);
    std::optional<Record> record;
    if (const int code = findRecord(store, QStringLiteral("--show"), idText, &record); code != Done)
        return code;
    const QString name = Text::tr("journal record %1").arg(record->id);
    const journal::Changes changes = journal::changesOf(store, *record);
    if (!changes.known) return fileError(name, changes.why);
    QStringList lines;
    if (changes.before) lines << Text::tr("before: record %1").arg(changes.before->id);
    for (const QString& change : changes.lines)
        lines << escape::controls(change);
    printLines(lines);
    return Done;
}

int showRecord(const Target& target, const Invocation& line) {
    if (line.changes) return showChanges(target, line.show);
    ConfigDocument doc;
    if (const int code = recordDocument(target, QStringLiteral("--show"), line.show, &doc);
        code != Done)
        return code;
    if (line.output.isEmpty()) {
        printLines(showLines(doc));
        return Done;
    }
    QString error;
    const bool saved =
        line.output.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)
            ? configfile::saveBytes(line.output, configjson::serialize(doc.set, doc.phoneCount),
                                    &error)
            : configfile::save(line.output, doc.set, &error, doc.phoneCount);
    return saved ? Done : fileError(line.output, error);
}

// What waits for servers other than this one, which this sync does not send.
void sayOtherTargets(const QMap<QString, int>& counts) {
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        writeTo(stderr, Text::tr("quellix-cli: journal: %1 waiting for %2 (sync with --journal "
                                 "set to it)\n")
                            .arg(QString::number(it.value()), escape::controls(it.key())));
}

int syncRecords(journal::Journal& journal) {
    if (journal.target().kind != Target::Kind::Postgres)
        return usageError(
            Text::tr("journal --sync sends to a server: give --journal "
                     "postgresql://USER@HOST[:PORT]/DATABASE or set "
                     "QUELLIX_JOURNAL"));
    const journal::Journal::SyncResult result = journal.sync();
    for (const QString& aside : journal.setAsideRecords())
        writeTo(stderr, Text::tr("quellix-cli: journal: set aside, the server refused it: %1\n")
                            .arg(escape::controls(aside)));
    sayOtherTargets(result.otherTargets);
    // Only what this run sent: another sync at the same time counts its own.
    const QString sent = Text::tr("quellix-cli: journal: %1 sent to %2, %3 still waiting\n")
                             .arg(QString::number(journal.sentCount()), journal.target().display(),
                                  QString::number(result.left));
    if (!result.error.isEmpty()) {
        if (journal.sentCount() > 0) writeTo(stderr, sent);
        return fileError(journal.target().display(), result.error);
    }
    writeTo(stderr, sent);
    return Done;
}

}  // namespace

int showJournal(const Invocation& line) {
    if (const int code = checkLine(line); code != Done) return code;
    QString error;
    const Target target = Target::choose(false, line.journal, &error);
    if (!error.isEmpty()) return usageError(error);
    if (line.sync) {
        journal::Journal journal(target);
        return syncRecords(journal);
    }
    if (!line.show.isEmpty()) return showRecord(target, line);
    return listRecords(target, line);
}

}  // namespace cli
