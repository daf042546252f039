// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"

#include <QCommandLineParser>
#include <array>

#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/PortName.h"
#include "cli/Spelling.h"
#include "core/About.h"
#include "core/Escape.h"
#include "journal/JournalTarget.h"

namespace cli {

namespace {

enum Option {
    Port,
    Output,
    Json,
    Verify,
    Set,
    SheetFile,
    Backup,
    BackupDir,
    ChangedOnly,
    From,
    NoBackup,
    Force,
    Interval,
    Pace,
    Log,
    JournalTarget,
    NoJournal,
    Action,
    Since,
    Limit,
    Csv,
    Show,
    Changes,
    Sync,
    Watch,
    Count,
    NoBell,
    Quiet,
    Help,
    Version,
    OptionCount
};

struct OptionRow {
    const char* shortName;  // may be null
    const char* longName;
    const char* valueName;  // null for a switch
    const char* help;
};

const std::array<OptionRow, OptionCount> optionRows{{
    {"p", "port", "PORT",
     QT_TRANSLATE_NOOP("cli", "Serial port of a unit (/dev/ttyUSB0, COM3); repeat for several.")},
    {"o", "output", "FILE", QT_TRANSLATE_NOOP("cli", "File a read is saved to.")},
    {nullptr, "json", nullptr, QT_TRANSLATE_NOOP("cli", "Print JSON (ports, show).")},
    {nullptr, "verify", nullptr, QT_TRANSLATE_NOOP("cli", "Read back after a write and compare.")},
    {nullptr, "set", "NAME=VALUE",
     QT_TRANSLATE_NOOP("cli",
                       "One value over FILE for every unit of a write; repeat for several.")},
    {nullptr, "sheet", "CSV",
     QT_TRANSLATE_NOOP("cli", "Values over FILE per unit of a write: a CSV row per port.")},
    {nullptr, "backup", nullptr,
     QT_TRANSLATE_NOOP("cli", "Read each unit in full before writing it; kept in the journal.")},
    {nullptr, "backup-dir", "DIR",
     QT_TRANSLATE_NOOP("cli", "Also save each backup as DIR/PORT-TIME.json (implies --backup).")},
    {nullptr, "changed-only", nullptr,
     QT_TRANSLATE_NOOP("cli", "Send only the settings that differ from the backup.")},
    {nullptr, "from", "ID",
     QT_TRANSLATE_NOOP("cli", "restore: the journal record whose configuration is written.")},
    {nullptr, "no-backup", nullptr,
     QT_TRANSLATE_NOOP("cli", "restore: do not read the unit into the journal first.")},
    {nullptr, "force", nullptr,
     QT_TRANSLATE_NOOP("cli", "restore: write a record kept from another port or model.")},
    {nullptr, "interval", "MS",
     QT_TRANSLATE_NOOP("cli", "Milliseconds per exchange (default 100).")},
    {nullptr, "pace", "PACE",
     QT_TRANSLATE_NOOP("cli",
                       "fixed: one interval per exchange (default); auto: the unit's own pace.")},
    {nullptr, "log", "FILE", QT_TRANSLATE_NOOP("cli", "Append every command and reply to FILE.")},
    {nullptr, "journal", "WHERE",
     QT_TRANSLATE_NOOP("cli", "Journal file, or postgresql://USER@HOST[:PORT]/DATABASE.")},
    {nullptr, "no-journal", nullptr, QT_TRANSLATE_NOOP("cli", "Record nothing in the journal.")},
    {nullptr, "action", "ACTION",
     QT_TRANSLATE_NOOP("cli", "journal: only read, write, verify, compare, backup or restore.")},
    {nullptr, "since", "TIME",
     QT_TRANSLATE_NOOP("cli", "journal: only from TIME on (2026-12-07T14:00:00Z).")},
    {nullptr, "limit", "N", QT_TRANSLATE_NOOP("cli", "journal: only the newest N.")},
    {nullptr, "csv", nullptr, QT_TRANSLATE_NOOP("cli", "journal: print CSV.")},
    {nullptr, "show", "ID", QT_TRANSLATE_NOOP("cli", "journal: the configuration of record ID.")},
    {nullptr, "changes", nullptr,
     QT_TRANSLATE_NOOP("cli",
                       "journal --show: what the record changed or found, not its configuration.")},
    {nullptr, "sync", nullptr,
     QT_TRANSLATE_NOOP("cli", "journal: send the records kept locally to the server.")},
    {nullptr, "watch", "GLOB",
     QT_TRANSLATE_NOOP("cli", "station: only devices whose path matches; repeat for several.")},
    {nullptr, "count", "N", QT_TRANSLATE_NOOP("cli", "station: end after N units are done.")},
    {nullptr, "no-bell", nullptr, QT_TRANSLATE_NOOP("cli", "station: no bell on each result.")},
    {"q", "quiet", nullptr, QT_TRANSLATE_NOOP("cli", "No progress or summaries; errors only.")},
    {"h", "help", nullptr, QT_TRANSLATE_NOOP("cli", "Show this help.")},
    {nullptr, "version", nullptr, QT_TRANSLATE_NOOP("cli", "Show the version.")},
}};

constexpr unsigned bit(Option option) {
    return 1u << option;
}
constexpr unsigned OnUnits =
    bit(Port) | bit(Interval) | bit(Pace) | bit(Log) | bit(JournalTarget) | bit(NoJournal);
constexpr unsigned OnJournal = bit(Port) | bit(Output) | bit(Json) | bit(JournalTarget) |
                               bit(Action) | bit(Since) | bit(Limit) | bit(Csv) | bit(Show) |
                               bit(Changes) | bit(Sync);
// Help, version and quiet are welcome anywhere.
constexpr unsigned Anywhere = bit(Quiet) | bit(Help) | bit(Version);

// One row per command: adding a command is adding a row and its function.
struct Command {
    const char* name;
    const char* synopsis;  // what follows the name in the usage
    int files;             // file arguments it takes
    unsigned options;      // the options that mean something to it
    int (*handler)(const Invocation&);
};

constexpr unsigned OnStation = bit(Interval) | bit(Pace) | bit(Log) | bit(JournalTarget) |
                               bit(NoJournal) | bit(Verify) | bit(Set) | bit(SheetFile) |
                               bit(Watch) | bit(Count) | bit(NoBell) | bit(Backup) | bit(BackupDir);

const std::array<Command, 9> commands{{
    {"ports", "[--json]", 0, bit(Json), listPorts},
    {"read", "-p PORT [-p PORT ...] -o FILE", 0, OnUnits | bit(Output), readUnits},
    {"write",
     "-p PORT [-p PORT ...] FILE|- [--verify] [--set NAME=VALUE ...] [--sheet CSV]\n"
     "                    [--backup|--backup-dir DIR] [--changed-only]",
     1,
     OnUnits | bit(Verify) | bit(Set) | bit(SheetFile) | bit(Backup) | bit(BackupDir) |
         bit(ChangedOnly),
     writeUnits},
    {"restore", "-p PORT --from ID [--verify] [--no-backup] [--force]", 0,
     (OnUnits & ~bit(NoJournal)) | bit(From) | bit(Verify) | bit(NoBackup) | bit(Force),
     restoreUnit},
    {"verify", "-p PORT [-p PORT ...] FILE", 1, OnUnits, verifyUnits},
    {"diff", "FILE FILE", 2, 0, diffFiles},
    {"show", "FILE [--json]", 1, bit(Json), showFile},
    {"journal",
     "[-p PORT] [--action ACTION] [--since TIME] [--limit N] [--json|--csv]\n"
     "  quellix-cli journal --show ID [-o FILE | --changes]\n"
     "  quellix-cli journal --sync",
     0, OnJournal, showJournal},
    {"station",
     "FILE [--sheet CSV] [--set NAME=VALUE ...] [--verify] [--backup] [--backup-dir DIR]\n"
     "                      [--watch GLOB ...] [--count N] [--no-bell]",
     1, OnStation, runStation},
}};

const char* const Notes = QT_TRANSLATE_NOOP(
    "cli",
    "FILE is a configuration file (145 or 161 records) or its JSON form (see show --json).\n"
    "In -o, {port} stands for the port's base name; it is required with several ports.\n"
    "An -o name ending in .json writes JSON. Several ports run at the same time.\n"
    "COM 3 or COM3 names the port the window lists as COM 3.\n"
    "NAME is slave-id, phone.N, channel.N.enabled (yes, no) or channel.N.message. A --sheet\n"
    "has a header row, port first, then NAMEs; port is a device path, its last part or a USB\n"
    "serial number; an empty cell keeps FILE's value, and --set has the last word.\n"
    "restore writes the configuration a journal record holds (see journal); --changed-only\n"
    "needs --backup.\n"
    "Every read, write, verify, backup and restore is kept in the journal:\n"
    "quellix/journal.sqlite in the user's data folder, or --journal (or QUELLIX_JOURNAL); a\n"
    "server's password comes from PGPASSWORD or ~/.pgpass. A journal that cannot be written\n"
    "only warns.\n"
    "Exit status: 0 done or equal, 1 differences, 2 usage, 3 a port could not be opened,\n"
    "4 no unit answered or the line was lost, 5 a file (or the journal) could not be read\n"
    "or written.\n"
    "station writes FILE to every unit plugged in while it runs, each once, until --count\n"
    "units are done or Ctrl-C (a second Ctrl-C ends at once); it exits 0 when every unit\n"
    "was done, 1 when any differed on reading back, 4 when any failed.");

QList<QCommandLineOption> parserOptions() {
    QList<QCommandLineOption> options;
    for (const OptionRow& row : optionRows) {
        QStringList names{QString::fromLatin1(row.longName)};
        if (row.shortName) names.prepend(QString::fromLatin1(row.shortName));
        options << QCommandLineOption(
            names, Text::tr(row.help),
            row.valueName ? QString::fromLatin1(row.valueName) : QString());
    }
    return options;
}

QString optionLabel(const OptionRow& row) {
    QString label = row.shortName ? QStringLiteral("-%1, ").arg(QLatin1String(row.shortName))
                                  : QStringLiteral("    ");
    label += QStringLiteral("--") + QLatin1String(row.longName);
    if (row.valueName) label += ' ' + QLatin1String(row.valueName);
    return label;
}

// One usage block, headed by the program's name however it was started.
QString helpText() {
    QString text = Text::tr("Usage:\n");
    for (const Command& command : commands)
        text += QStringLiteral("  quellix-cli %1 %2\n")
                    .arg(QString::fromLatin1(command.name).leftJustified(6),
                         QLatin1String(command.synopsis));
    text += Text::tr("\nOptions:\n");
    for (const OptionRow& row : optionRows)
        text += QStringLiteral("  %1  %2\n")
                    .arg(optionLabel(row).leftJustified(20), Text::tr(row.help));
    return text + '\n' + Text::tr(Notes) + '\n';
}

QStringList commandNames() {
    QStringList names;
    for (const Command& command : commands)
        names << QLatin1String(command.name);
    return names;
}

QStringList optionNames() {
    QStringList names;
    for (const OptionRow& row : optionRows)
        names << QStringLiteral("--") + QLatin1String(row.longName);
    return names;
}

// "unknown command 'raed'; did you mean 'read'?"
int unknownName(const QString& what, const QString& given, const QStringList& known) {
    const QString message = what.arg(escape::unprintable(given));
    const QString near = nearestName(given, known);
    if (near.isEmpty()) return usageError(message);
    return usageError(Text::tr("%1; did you mean '%2'?").arg(message, near));
}

int parseError(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) return usageError(parser.errorText());
    const QString given =
        (unknown[0].size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + unknown[0];
    return unknownName(Text::tr("unknown option '%1'"), given, optionNames());
}

const Command* findCommand(const QString& name) {
    for (const Command& command : commands)
        if (name == QLatin1String(command.name)) return &command;
    return nullptr;
}

// Options that mean nothing to a command are refused, so a mistyped line does not run
// something other than what was meant; so is a wrong number of files.
int checkLine(const QCommandLineParser& parser, const QList<QCommandLineOption>& options,
              const Command& command, qsizetype files) {
    for (int i = 0; i < OptionCount; ++i)
        if (!((command.options | Anywhere) & bit(Option(i))) && parser.isSet(options[i]))
            return usageError(Text::tr("--%1 does not apply to %2")
                                  .arg(QLatin1String(optionRows[size_t(i)].longName),
                                       QLatin1String(command.name)));
    if (files != command.files)
        return usageError((command.files == 1 ? Text::tr("%1 takes %2 file argument, %3 given")
                                              : Text::tr("%1 takes %2 file arguments, %3 given"))
                              .arg(QLatin1String(command.name), QString::number(command.files),
                                   QString::number(files)));
    return Done;
}

Invocation invocation(const QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                      const QStringList& positional) {
    Invocation line;
    line.command = positional.first();
    line.files = positional.mid(1);
    for (const QString& port : parser.values(options[Port]))
        line.ports << deviceForPort(port);
    line.output = parser.value(options[Output]);
    line.log = parser.value(options[Log]);
    line.interval =
        parser.isSet(options[Interval]) ? parser.value(options[Interval]) : QStringLiteral("100");
    line.pace = parser.value(options[Pace]);
    line.json = parser.isSet(options[Json]);
    line.verify = parser.isSet(options[Verify]);
    line.assignments = parser.values(options[Set]);
    line.sheets = parser.values(options[SheetFile]);
    line.backupDir = parser.value(options[BackupDir]);
    line.backup = parser.isSet(options[Backup]) || !line.backupDir.isEmpty();
    line.changedOnly = parser.isSet(options[ChangedOnly]);
    line.from = parser.value(options[From]);
    line.noBackup = parser.isSet(options[NoBackup]);
    line.force = parser.isSet(options[Force]);
    line.quiet = parser.isSet(options[Quiet]);
    line.journal = parser.value(options[JournalTarget]);
    line.noJournal = parser.isSet(options[NoJournal]);
    line.action = parser.value(options[Action]);
    line.since = parser.value(options[Since]);
    line.limit = parser.value(options[Limit]);
    line.show = parser.value(options[Show]);
    line.changes = parser.isSet(options[Changes]);
    line.csv = parser.isSet(options[Csv]);
    line.sync = parser.isSet(options[Sync]);
    line.watch = parser.values(options[Watch]);
    line.count = parser.value(options[Count]);
    line.noBell = parser.isSet(options[NoBell]);
    return line;
}

// A journal that cannot be what was meant (a mistyped URL, a password in it) is refused before
// any unit is touched: taken for a file name or dropped, the runs would go unrecorded.
int checkJournal(const QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                 const Command& command) {
    if (!(command.options & bit(JournalTarget))) return Done;
    const QString given = parser.value(options[JournalTarget]);
    QString error;
    journal::Target::choose(parser.isSet(options[NoJournal]), given, &error);
    if (error.isEmpty()) return Done;
    return usageError(given.isEmpty() ? QStringLiteral("QUELLIX_JOURNAL: ") + error : error);
}

}  // namespace

int run(const QStringList& arguments) {
    QCommandLineParser parser;
    const QList<QCommandLineOption> options = parserOptions();
    parser.addOptions(options);
    if (!parser.parse(arguments)) return parseError(parser);
    if (parser.isSet(options[Help])) {
        writeTo(stdout, helpText());
        return Done;
    }
    if (parser.isSet(options[Version])) {
        writeTo(stdout, about::versionText());
        return Done;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) return usageError(Text::tr("no command given"));
    const Command* command = findCommand(positional.first());
    if (!command)
        return unknownName(Text::tr("unknown command '%1'"), positional.first(), commandNames());
    if (const int code = checkLine(parser, options, *command, positional.size() - 1); code != Done)
        return code;
    if (const int code = checkJournal(parser, options, *command); code != Done) return code;
    return command->handler(invocation(parser, options, positional));
}

}  // namespace cli
