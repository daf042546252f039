// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSerialPortInfo>
#include <QSet>
#include <algorithm>

#include "cli/BatchJournal.h"
#include "cli/BatchRunner.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/Reporter.h"
#include "cli/StationCommand.h"
#include "configfile/ConfigDocument.h"
#include "configfile/ConfigJson.h"
#include "core/Escape.h"
#include "device/DeviceProcedure.h"
#include "device/TrafficLog.h"
#include "journal/JournalRecord.h"
#include "journal/PortIdentity.h"
#include "provision/Plan.h"
#include "provision/Sheet.h"

namespace cli {

namespace {

QString hex4(bool has, quint16 value) {
    return has ? QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')) : QString();
}

QJsonValue jsonId(bool has, quint16 value) {
    return has ? QJsonValue(hex4(true, value)) : QJsonValue(QJsonValue::Null);
}

QString portsAsJson(const QList<QSerialPortInfo>& ports) {
    QJsonArray array;
    for (const QSerialPortInfo& info : ports)
        array.append(QJsonObject{
            {QStringLiteral("port"), info.systemLocation()},
            {QStringLiteral("description"), info.description()},
            {QStringLiteral("manufacturer"), info.manufacturer()},
            {QStringLiteral("serialNumber"), info.serialNumber()},
            {QStringLiteral("vendorId"),
             jsonId(info.hasVendorIdentifier(), info.vendorIdentifier())},
            {QStringLiteral("productId"),
             jsonId(info.hasProductIdentifier(), info.productIdentifier())},
        });
    // The system's USB strings may hold anything; Qt leaves DEL and C1 as they are.
    return escape::controlsKeepingLines(
        QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
}

QString portLine(const QSerialPortInfo& info) {
    QString ids;
    if (info.hasVendorIdentifier() || info.hasProductIdentifier())
        ids = hex4(info.hasVendorIdentifier(), info.vendorIdentifier()) + ':' +
              hex4(info.hasProductIdentifier(), info.productIdentifier());
    QStringList fields{info.systemLocation(), info.description(), info.manufacturer(),
                       info.serialNumber(), ids};
    for (QString& field : fields)
        field = escape::controls(field);  // the system's USB strings may hold anything
    return fields.join('\t');
}

}  // namespace

QStringList showLines(const ConfigDocument& doc) {
    QStringList lines{QStringLiteral("slave-id: %1").arg(doc.set.slaveId)};
    for (int k = 0; k < doc.phoneCount; ++k)
        lines << QStringLiteral("phone %1: %2")
                     .arg(QString::number(k + 1), configjson::literal(doc.set.phoneNo[k]));
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        lines << QStringLiteral("channel %1: %2 %3")
                     .arg(QString::number(i + 1),
                          doc.set.enabled(i) ? QStringLiteral("yes") : QStringLiteral("no"),
                          configjson::literal(doc.set.channelMessage[i]));
    return lines;
}

namespace {

QString shownName(const QString& file) {
    return file == QStringLiteral("-") ? Text::tr("standard input") : file;
}

// Loads FILE, or says why not; false means exit 5 before anything is sent.
bool loadDocument(const QString& name, ConfigDocument* doc) {
    *doc = ConfigDocument::load(name);
    // A long text is used as it is; the note only warns whoever edits it in the window later.
    for (const QString& note : doc->notes)
        writeTo(stderr, Text::tr("quellix-cli: %1: %2\n").arg(shownName(name), note));
    if (doc->ok) return true;
    fileError(shownName(name), doc->error);
    return false;
}

using Problem = provision::Plan::Problem;

// The option a problem with a setting is about, for the settings that are options here.
QString optionOf(Problem::Field field) {
    switch (field) {
        case Problem::Field::Interval:
            return QStringLiteral("--interval");
        case Problem::Field::Pace:
            return QStringLiteral("--pace");
        case Problem::Field::ChangedOnly:
            return QStringLiteral("--changed-only");
        default:
            return {};
    }
}

// Files that could not be used are exit 5; everything else was the command line's to get right.
bool isUsage(Problem::Field field) {
    return field != Problem::Field::File && field != Problem::Field::Sheet &&
           field != Problem::Field::BackupFolder;
}

// A note or error that already names its source ("UNITS.csv line 3, column 2: ...").
void say(const QString& text) {
    if (!text.isEmpty()) writeTo(stderr, Text::tr("quellix-cli: %1\n").arg(text));
}

// Says every problem, the command line's last so the pointer to the help ends the output;
// the exit code of the first, Done when there is none.
int refuse(const QList<Problem>& problems) {
    int code = Done;
    QStringList usage;
    for (const Problem& problem : problems) {
        const bool wrongLine = isUsage(problem.field);
        if (code == Done) code = wrongLine ? Usage : FileFailed;
        const QString option = optionOf(problem.field);
        if (wrongLine)
            usage << (option.isEmpty() ? problem.text : option + ' ' + problem.text);
        else if (!problem.subject.isEmpty())
            fileError(problem.subject, problem.text);
        else
            say(problem.text);
    }
    for (qsizetype i = 0; i + 1 < usage.size(); ++i)
        say(escape::controls(usage[i]));
    if (!usage.isEmpty()) usageError(usage.last());
    return code;
}

// Each port once.
int checkPorts(const Invocation& line) {
    if (line.ports.isEmpty()) return usageError(Text::tr("%1 needs -p PORT").arg(line.command));
    if (QSet<QString>(line.ports.begin(), line.ports.end()).size() != line.ports.size())
        return usageError(Text::tr("a port is given twice"));
    return Done;
}

// What every command on units needs: ports once each, a usable interval and pace.
int checkUnitLine(const Invocation& line, BatchTask* task) {
    if (const int code = checkPorts(line); code != Done) return code;
    provision::Plan link;
    link.interval = line.interval;
    link.pace = line.pace;
    return refuse(provision::checkLink(link, task));
}

// A read takes 10 s or more; a file it could not save would only fail at the end.
int checkOutputFolder(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir()) return fileError(path, Text::tr("is a folder"));
    if (!folder.exists())
        return fileError(path, Text::tr("the folder %1 does not exist").arg(folder.filePath()));
    if (!folder.isDir())
        return fileError(path, Text::tr("%1 is not a folder").arg(folder.filePath()));
    if (!folder.isWritable())
        return fileError(path, Text::tr("the folder %1 cannot be written").arg(folder.filePath()));
    return Done;
}

int checkOutputs(const Invocation& line, BatchTask* task) {
    if (line.output.isEmpty()) return usageError(Text::tr("read needs -o FILE"));
    task->outputPattern = line.output;
    QSet<QString> paths;
    for (const QString& port : line.ports)
        paths.insert(provision::UnitRun::outputPath(task->outputPattern, port));
    if (line.ports.size() > 1 && !task->outputPattern.contains(QStringLiteral("{port}")))
        return usageError(Text::tr("with several ports, -o needs {port} in the file name"));
    if (paths.size() != line.ports.size())
        return usageError(Text::tr("two ports would be saved to the same file"));
    for (const QString& path : paths)
        if (const int code = checkOutputFolder(path); code != Done) return code;
    return Done;
}

// What to do about a unit that answers later than the link waits.
QString lateAdvice(const PortResult& result) {
    const int interval = provision::UnitRun::intervalFor(result.lateMs);
    return Text::tr(
               "%1: to read this unit at its own pace, use --pace auto (or a longer interval, "
               "such as --interval %2), and check its cable and settings")
        .arg(escape::controls(result.port), QString::number(interval));
}

void reportResults(const QList<PortResult>& results, Reporter& reporter) {
    // With several ports each difference names its port.
    // A port name is the user's or the system's and may hold a line break: one line each.
    for (const PortResult& result : results) {
        const QString prefix =
            results.size() > 1 ? escape::controls(result.port) + QStringLiteral(": ") : QString();
        for (const QString& line : result.differences)
            writeTo(stdout, prefix + line + '\n');
    }
    for (const PortResult& result : results) {
        // The summary keeps its own line breaks, but the port named in it is escaped too.
        const QString port = escape::controls(result.port);
        const QString summary = QString(result.summary).replace(result.port, port);
        if (result.code == Done || result.code == Differences)
            reporter.note(QStringLiteral("%1: %2").arg(port, summary));
        else
            reporter.error(
                Text::tr("%1: %2 (exit %3)").arg(port, summary, QString::number(result.code)));
        if (result.lateMs >= 0) reporter.error(lateAdvice(result));
        // The engine says why; how to go on is this tool's option.
        if (result.reasonCode == QLatin1String("other-model"))
            reporter.error(Text::tr("%1: --force writes it all the same").arg(port));
    }
}

// Runs the checked task on every port, recording into `journal` (opened here when null); the
// highest exit code wins.
int runBatch(const Invocation& line, BatchTask& task,
             std::unique_ptr<journal::Journal> journal = nullptr) {
    TrafficLog log;
    if (!line.log.isEmpty()) {
        if (!log.open(line.log)) return fileError(line.log, log.errorString());
        task.log = &log;
    }
    // Opened first: a server that needs a moment, or is away, is known before the units start.
    if (!journal) journal = openJournal(line);
    task.journal = journal.get();
    task.toolVersion = QCoreApplication::applicationVersion();
    task.file = line.files.value(0);
    Reporter reporter(stderr, line.quiet, Reporter::isTerminal(stderr));
    BatchRunner runner(task, reporter);
    const QList<PortResult> results = runner.run(line.ports);
    reportResults(results, reporter);
    int worst = Done;
    for (const PortResult& result : results)
        worst = std::max(worst, int(result.code));
    return worst;
}

// What write, verify and station were asked to do, as a plan every front end checks alike.
provision::Plan planOf(const Invocation& line, provision::RunInput::Mode mode) {
    provision::Plan plan;
    plan.mode = mode;
    plan.file = line.files.value(0);
    plan.standardInput = true;
    plan.sheet = line.sheets.value(0);
    plan.values = line.assignments;
    plan.valuesOrigin = QStringLiteral("--set");
    plan.interval = line.interval;
    plan.pace = line.pace;
    plan.verify = line.verify;
    plan.backup = line.backup;
    plan.backupDir = line.backupDir;
    plan.changedOnly = line.changedOnly;
    plan.journalOn = !line.noJournal;
    return plan;
}

// The plan checked with its notes said; Done, or the exit code having said every problem.
int checkPlan(const Invocation& line, const provision::Plan& plan,
              provision::Plan::Checked* checked) {
    if (line.sheets.size() > 1) return usageError(Text::tr("--sheet is given more than once"));
    *checked = plan.check();
    for (const QString& note : checked->notes)
        say(note);
    return refuse(checked->problems);
}

int sendOrCompare(const Invocation& line, BatchTask::Mode mode) {
    if (const int code = checkPorts(line); code != Done) return code;
    provision::Plan plan = planOf(line, mode);
    plan.ports = line.ports;
    provision::Plan::Checked checked;
    if (const int code = checkPlan(line, plan, &checked); code != Done) return code;
    BatchTask task;
    static_cast<provision::RunInput&>(task) = checked.plan.task;
    task.portDocuments = checked.portDocuments;
    return runBatch(line, task);
}

int checkCount(const QString& given, int* count) {
    if (given.isEmpty()) return Done;
    bool ok = false;
    *count = given.toInt(&ok);
    if (ok && *count > 0) return Done;
    return usageError(Text::tr("--count needs a positive whole number, not '%1'").arg(given));
}

}  // namespace

int runStation(const Invocation& line) {
    int count = 0;
    if (const int code = checkCount(line.count, &count); code != Done) return code;
    provision::Plan::Checked checked;
    if (const int code = checkPlan(line, planOf(line, provision::RunInput::Mode::Write), &checked);
        code != Done)
        return code;
    return station(line, checked.plan, count);
}

int listPorts(const Invocation& line) {
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    if (line.json) {
        writeTo(stdout, portsAsJson(ports));
        return Done;
    }
    // A header for the reader; a script reading a pipe gets the bare lines.
    if (Reporter::isTerminal(stdout))
        writeTo(stdout,
                Text::tr("PORT\tDESCRIPTION\tMANUFACTURER\tSERIAL NUMBER\tVENDOR:PRODUCT\n"));
    for (const QSerialPortInfo& info : ports)
        writeTo(stdout, portLine(info) + '\n');
    return Done;
}

int showFile(const Invocation& line) {
    ConfigDocument doc;
    if (!loadDocument(line.files[0], &doc)) return FileFailed;
    if (line.json)
        writeTo(stdout, QString::fromUtf8(configjson::serialize(doc.set, doc.phoneCount)));
    else
        printLines(showLines(doc));
    return Done;
}

int diffFiles(const Invocation& line) {
    ConfigDocument left, right;
    if (!loadDocument(line.files[0], &left) || !loadDocument(line.files[1], &right))
        return FileFailed;
    // Phones 17-32 count only when both files hold them.
    const QStringList lines =
        differences(left.set, right.set, std::min(left.phoneCount, right.phoneCount));
    printLines(lines);
    return lines.isEmpty() ? Done : Differences;
}

int readUnits(const Invocation& line) {
    BatchTask task;
    task.mode = BatchTask::Mode::Read;
    if (const int code = checkUnitLine(line, &task); code != Done) return code;
    if (const int code = checkOutputs(line, &task); code != Done) return code;
    return runBatch(line, task);
}

int writeUnits(const Invocation& line) {
    return sendOrCompare(line, BatchTask::Mode::Write);
}

int verifyUnits(const Invocation& line) {
    return sendOrCompare(line, BatchTask::Mode::Verify);
}

int restoreUnit(const Invocation& line) {
    BatchTask task;
    task.mode = BatchTask::Mode::Restore;
    if (const int code = checkUnitLine(line, &task); code != Done) return code;
    // One record's configuration is one unit's; cloning it onto several is what write is for.
    if (line.ports.size() > 1) return usageError(Text::tr("restore takes one -p PORT"));
    if (line.from.isEmpty()) return usageError(Text::tr("restore needs --from ID"));
    QString error;
    const journal::Target source = journal::Target::choose(false, line.journal, &error);
    if (!error.isEmpty()) return usageError(error);
    // Read-only, so a record on a read-only journal can still be restored; the restore's own
    // record goes where every run's goes, or is reported as not kept.
    journal::Record record;
    if (const int code =
            recordDocument(source, QStringLiteral("--from"), line.from, &task.document, &record);
        code != Done)
        return code;
    // Another unit's configuration is written only when asked for; the model is checked once
    // the backup read has it, before anything is sent.
    if (!line.force && !journal::samePort(record.identity, record.port,
                                          journal::identifyPort(line.ports[0]), line.ports[0]))
        return usageError(Text::tr("journal record %1 was kept from %2, not %3; nothing was "
                                   "written (--force writes it all the same)")
                              .arg(line.from, record.port, line.ports[0]));
    if (!line.force) task.expectedModel = record.model;
    task.backup = !line.noBackup;
    task.sourceId = record.id;
    task.verifyAfterWrite = line.verify;
    task.documentName = Text::tr("journal record %1").arg(line.from);
    return runBatch(line, task);
}

}  // namespace cli
