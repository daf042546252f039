// SPDX-License-Identifier: GPL-3.0-or-later
#include "provision/Plan.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "configfile/ConfigJson.h"
#include "device/DeviceProcedure.h"
#include "provision/Text.h"

namespace provision {

namespace {

using Problem = Plan::Problem;
using Field = Problem::Field;

bool fromStandardInput(const Plan& plan, const QString& path) {
    return plan.standardInput && path == QStringLiteral("-");
}

QString shownName(const Plan& plan) {
    return fromStandardInput(plan, plan.file) ? Text::tr("standard input") : plan.file;
}

// --set and the like: each checked, and kept for every unit.
void checkValues(const Plan& plan, Plan::Checked* out) {
    for (const QString& text : plan.values) {
        const std::optional<Assignment> assignment = parseAssignment(text, plan.valuesOrigin);
        if (!assignment) {
            out->problems << Problem{Field::Values,
                                     {},
                                     Text::tr("%1 needs NAME=VALUE, not %2")
                                         .arg(plan.valuesOrigin, configjson::literal(text))};
            continue;
        }
        const Verdict verdict = check(*assignment);
        if (!verdict.ok()) out->problems << Problem{Field::Values, {}, verdict.error};
        if (!verdict.note.isEmpty()) out->notes << verdict.note;
        out->plan.common << *assignment;
    }
}

// What needs no file read: the link, the values, and the backup asked for.
void checkSettings(const Plan& plan, Plan::Checked* out) {
    RunInput& task = out->plan.task;
    out->problems << checkLink(plan, &task);
    checkValues(plan, out);
    if (fromStandardInput(plan, plan.file) && fromStandardInput(plan, plan.sheet))
        out->problems << Problem{
            Field::Sources, {}, Text::tr("the file and the sheet cannot both be standard input")};
    if (plan.changedOnly && !plan.backup)
        out->problems << Problem{
            Field::ChangedOnly, {}, Text::tr("needs a backup: it sends what differs from it")};
    // Sending only the changes uses the backup even when it is kept nowhere.
    if (plan.backup && !plan.journalOn && plan.backupDir.isEmpty() && !plan.changedOnly)
        out->problems << Problem{
            Field::Journal,
            {},
            Text::tr("a backup is kept in the journal or a backup folder, and there is neither")};
    task.mode = plan.mode;
    task.verifyAfterWrite = plan.verify;
    task.backup = plan.backup;
    task.backupDir = plan.backupDir;
    task.changedOnly = plan.changedOnly;
}

// A window takes a file's name and nothing else (not a folder, not "-"); the command line
// reads whatever opens, a pipe too, and says why one does not.
bool isFile(const Plan& plan, const QString& path) {
    return plan.standardInput || QFileInfo(path).isFile();
}

void loadFile(const Plan& plan, Plan::Checked* out) {
    RunInput& task = out->plan.task;
    task.file = plan.file;
    task.documentName = shownName(plan);
    if (plan.file.isEmpty())
        return void(out->problems << Problem{Field::File, {}, Text::tr("no file is given")});
    if (!isFile(plan, plan.file))
        return void(out->problems << Problem{Field::File, plan.file, Text::tr("is not a file")});
    task.document = ConfigDocument::load(plan.file);
    for (const QString& note : task.document.notes)
        out->notes << QStringLiteral("%1: %2").arg(task.documentName, note);
    if (!task.document.ok)
        return void(out->problems << Problem{Field::File, task.documentName, task.document.error});
    // Written, such a text could never be read back, backed up or verified.
    const QString why =
        DeviceProcedure::unreadableText(task.document.set, task.document.phoneCount);
    if (plan.mode == RunInput::Mode::Write && !why.isEmpty())
        out->problems << Problem{Field::File, task.documentName, why};
    if (const QString lost = phoneOutsideFile(out->plan.common, task); !lost.isEmpty())
        out->problems << Problem{Field::Values, {}, lost};
}

void loadSheet(const Plan& plan, Plan::Checked* out) {
    if (plan.sheet.isEmpty()) return;
    if (!isFile(plan, plan.sheet))
        return void(out->problems << Problem{Field::Sheet, plan.sheet, Text::tr("is not a file")});
    Sheet sheet = Sheet::load(plan.sheet);
    if (!sheet.ok()) return void(out->problems << Problem{Field::Sheet, {}, sheet.error()});
    out->notes << sheet.notes();
    out->plan.sheet = std::move(sheet);
}

// A station's units get their rows as they come; a row that could never be used is refused
// now rather than failing its unit later.
void checkEveryRow(const StationPlan& ready, Plan::Checked* out) {
    for (const SheetRow& row : ready.sheet->rows())
        if (const QString why = phoneOutsideFile(row.assignments, ready.task); !why.isEmpty())
            out->problems << Problem{Field::Sheet, {}, why};
}

// A batch's ports each get their row now, so a port without one stops the batch before any
// unit is written.
void documentsForPorts(const Plan& plan, Plan::Checked* out) {
    const StationPlan& ready = out->plan;
    if (plan.ports.isEmpty() && ready.sheet) return checkEveryRow(ready, out);
    if (plan.ports.isEmpty() || (ready.common.isEmpty() && !ready.sheet)) return;
    if (!ready.sheet) {
        for (qsizetype i = 0; i < plan.ports.size(); ++i)
            out->portDocuments << withValues(ready.task.document, {}, ready.common);
        return;
    }
    QList<PortIdentity> ports;
    for (const QString& port : plan.ports)
        ports << identityOf(port);
    const SheetMatch matched = ready.sheet->match(ports);
    for (const QString& error : matched.errors)
        out->problems << Problem{Field::Sheet, {}, error};
    out->notes << matched.unusedRows;
    for (const int row : matched.rowOfPort) {
        if (row < 0) continue;
        const QList<Assignment>& values = ready.sheet->rows()[row].assignments;
        if (const QString why = phoneOutsideFile(values, ready.task); !why.isEmpty())
            out->problems << Problem{Field::Sheet, {}, why};
        out->portDocuments << withValues(ready.task.document, values, ready.common);
    }
}

// A backup that cannot be saved stops its unit's write, so the folder is checked first.
void checkBackupFolder(const Plan& plan, Plan::Checked* out) {
    if (plan.backupDir.isEmpty()) return;
    const QFileInfo folder(plan.backupDir);
    if (!folder.isDir())
        out->problems << Problem{Field::BackupFolder, plan.backupDir, Text::tr("is not a folder")};
    else if (!folder.isWritable())
        out->problems << Problem{Field::BackupFolder, plan.backupDir,
                                 Text::tr("cannot be written")};
}

}  // namespace

QList<Plan::Problem> checkLink(const Plan& plan, RunInput* task) {
    QList<Problem> problems;
    bool ok = false;
    task->intervalMs = plan.interval.toInt(&ok);
    if (!ok || task->intervalMs <= 0)
        problems << Problem{
            Field::Interval,
            {},
            Text::tr("needs a positive whole number of milliseconds, not '%1'").arg(plan.interval)};
    if (plan.pace == QLatin1String("auto"))
        task->pace = LinkPace::Mode::Auto;
    else if (!plan.pace.isEmpty() && plan.pace != QLatin1String("fixed"))
        problems << Problem{Field::Pace, {}, Text::tr("is auto or fixed, not '%1'").arg(plan.pace)};
    return problems;
}

Plan::Checked Plan::check() const {
    Checked out;
    checkSettings(*this, &out);
    if (!out.ok()) return out;
    loadFile(*this, &out);
    loadSheet(*this, &out);
    checkBackupFolder(*this, &out);
    if (out.ok()) documentsForPorts(*this, &out);
    return out;
}

}  // namespace provision
