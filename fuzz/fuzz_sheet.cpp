// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a per-unit sheet: the reader must neither crash nor hang; a refusal says why; an
// accepted sheet holds only values that apply cleanly, one row per port, and survives being
// written back as CSV with every cell quoted and read again unchanged.
#include <QHash>
#include <QMap>
#include <cstdint>
#include <cstdlib>

#include "provision/Sheet.h"

using namespace provision;

namespace {

QByteArray quoted(const QString& text) {
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return '"' + doubled.toUtf8() + '"';
}

// The rows as a CSV of their own: a column per name in first-seen order, empty where unset.
QByteArray rewritten(const Sheet& sheet) {
    QStringList names;
    for (const SheetRow& row : sheet.rows())
        for (const Assignment& a : row.assignments)
            if (!names.contains(a.name)) names << a.name;
    QByteArray csv = "port";
    for (const QString& name : names)
        csv += ',' + quoted(name);
    for (const SheetRow& row : sheet.rows()) {
        QHash<QString, QString> cells;
        for (const Assignment& a : row.assignments)
            cells.insert(a.name, a.value);
        csv += "\r\n" + quoted(row.port);
        for (const QString& name : names)
            csv += ',' + (cells.contains(name) ? quoted(cells.value(name)) : QByteArray());
    }
    return csv;
}

// Names to values; the rewritten sheet may order its columns differently.
QMap<QString, QString> valuesOf(const SheetRow& row) {
    QMap<QString, QString> values;
    for (const Assignment& a : row.assignments)
        values.insert(a.name, a.value);
    return values;
}

bool sameRows(const Sheet& a, const Sheet& b) {
    if (a.rows().size() != b.rows().size()) return false;
    for (qsizetype r = 0; r < a.rows().size(); ++r)
        if (a.rows()[r].port != b.rows()[r].port || valuesOf(a.rows()[r]) != valuesOf(b.rows()[r]))
            return false;
    return true;
}

void checkAccepted(const Sheet& sheet) {
    QList<PortIdentity> ports;
    for (const SheetRow& row : sheet.rows()) {
        if (row.port.isEmpty() || row.line < 2) std::abort();
        ConfigurationSet set;
        for (const Assignment& a : row.assignments)
            if (a.value.isEmpty() || !apply(a, &set).ok()) std::abort();
        ports << PortIdentity{row.port, {}};
    }
    const SheetMatch matched = sheet.match(ports);
    if (matched.rowOfPort.size() != ports.size() ||
        matched.errors.size() != matched.rowOfPort.count(-1))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const Sheet sheet = Sheet::parse(input, QStringLiteral("UNITS.csv"));
    if (!sheet.ok()) {
        if (sheet.error().isEmpty() || !sheet.rows().isEmpty()) std::abort();
        return 0;
    }
    checkAccepted(sheet);
    const Sheet again = Sheet::parse(rewritten(sheet), QStringLiteral("again.csv"));
    if (!again.ok() || !sameRows(sheet, again)) std::abort();
    return 0;
}
