// SPDX-License-Identifier: GPL-3.0-or-later
#include "provision/StationPlan.h"

#include <QCoreApplication>
#include <QSerialPortInfo>

#include "configfile/ConfigJson.h"
#include "provision/Text.h"

namespace provision {

std::optional<ConfigDocument> StationPlan::documentFor(const QString& port, QString* why,
                                                       int* line) const {
    QList<Assignment> row;
    if (sheet) {
        const int index = sheet->rowFor(identityOf(port), why);
        if (index < 0) return std::nullopt;
        const SheetRow& found = sheet->rows()[index];
        row = found.assignments;
        if (line) *line = found.line;
        *why = phoneOutsideFile(row, task);
        if (!why->isEmpty()) return std::nullopt;
    }
    return withValues(task.document, row, common);
}

PortIdentity identityOf(const QString& port) {
    return {port, QSerialPortInfo(port).serialNumber()};
}

ConfigDocument withValues(ConfigDocument document, const QList<Assignment>& row,
                          const QList<Assignment>& common) {
    // Every value was checked already, so none of these can be refused.
    for (const Assignment& a : row + common)
        apply(a, &document.set);
    return document;
}

QString phoneOutsideFile(const QList<Assignment>& assignments, const RunInput& task) {
    for (const Assignment& a : assignments)
        if (phoneOf(a.name) > task.document.phoneCount)
            return Text::tr(
                       "%1 (%2): %3 holds phone numbers 1-%4 only and each unit keeps its "
                       "own others; use a file with all 32")
                .arg(a.origin, configjson::literal(a.name), task.documentName,
                     QString::number(task.document.phoneCount));
    return {};
}

}  // namespace provision
