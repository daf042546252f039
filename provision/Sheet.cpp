// SPDX-License-Identifier: GPL-3.0-or-later
#include "provision/Sheet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>

#include "configfile/ConfigJson.h"
#include "core/InputFile.h"
#include "provision/Text.h"

namespace provision {

struct Cell {
    QString text;
    int line = 0;
    int column = 0;
};

namespace {

// "UNITS.csv line 3, column 2": where a cell is, for messages.
QString place(const QString& source, const Cell& cell) {
    return Text::tr("%1 line %2, column %3")
        .arg(source, QString::number(cell.line), QString::number(cell.column));
}

// Decodes UTF-8 line by line so that the first bad line can be named. LF never occurs inside a
// multi-byte sequence, so each line decodes on its own. A byte order mark is kept as a character
// wherever it is: only the file's leading one has been taken off before.
QString decodeLines(const QByteArray& bytes, const QString& name, QString* error) {
    QString text;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        const QString line = decoder.decode(lines[i]);
        if (decoder.hasError()) {
            *error = Text::tr("%1 line %2: not UTF-8 text; save the sheet as CSV UTF-8")
                         .arg(name, QString::number(i + 1));
            return {};
        }
        if (i > 0) text += QLatin1Char('\n');
        text += line;
    }
    return text;
}

// RFC 4180 records from decoded text: cells separated by commas, CR LF or LF between records,
// a cell in double quotes may hold commas, line breaks and doubled quotes.
class CsvReader {
public:
    CsvReader(const QString& text, const QString& name) : s(text), name(name) {}

    // The next record; false at the end of the text or on an error (then error() says why).
    bool next(QList<Cell>* cells);
    QString error() const { return problem; }

private:
    bool quoted(Cell* cell);
    bool plain(Cell* cell);
    bool endOfRecord(const Cell& cell);
    bool fail(const Cell& cell, const QString& why) {
        problem = place(name, cell) + QStringLiteral(": ") + why;
        return false;
    }

    const QString& s;
    const QString name;
    QString problem;
    qsizetype pos = 0;
    int line = 1;
};

bool CsvReader::next(QList<Cell>* cells) {
    cells->clear();
    if (pos >= s.size()) return false;
    for (;;) {
        Cell cell{{}, line, int(cells->size()) + 1};
        const bool read =
            pos < s.size() && s[pos] == QLatin1Char('"') ? quoted(&cell) : plain(&cell);
        if (!read) return false;
        cells->append(cell);
        if (pos < s.size() && s[pos] == QLatin1Char(',')) {
            ++pos;
            continue;
        }
        return endOfRecord(cell);
    }
}

bool CsvReader::quoted(Cell* cell) {
    ++pos;
    while (pos < s.size()) {
        const QChar c = s[pos++];
        if (c == QLatin1Char('"')) {
            if (pos >= s.size() || s[pos] != QLatin1Char('"')) return true;
            ++pos;
        } else if (c == QLatin1Char('\n')) {
            ++line;
        }
        cell->text += c;
    }
    return fail(*cell, Text::tr("the quote that opens this cell is never closed"));
}

bool CsvReader::plain(Cell* cell) {
    const qsizetype start = pos;
    while (pos < s.size() && s[pos] != QLatin1Char(',') && s[pos] != QLatin1Char('\r') &&
           s[pos] != QLatin1Char('\n')) {
        if (s[pos] == QLatin1Char('"'))
            return fail(*cell,
                        Text::tr("a double quote inside a cell that does not start with one; "
                                 "quote the whole cell and double the quote"));
        ++pos;
    }
    cell->text = s.mid(start, pos - start);
    return true;
}

bool CsvReader::endOfRecord(const Cell& cell) {
    if (pos >= s.size()) return true;
    if (s[pos] == QLatin1Char('\n') ||
        (s[pos] == QLatin1Char('\r') && pos + 1 < s.size() && s[pos + 1] == QLatin1Char('\n'))) {
        pos += s[pos] == QLatin1Char('\r') ? 2 : 1;
        ++line;
        return true;
    }
    if (s[pos] == QLatin1Char('\r'))
        return fail(cell, Text::tr("a CR without LF after it; lines end in CR LF or LF"));
    return fail(cell, Text::tr("text after the closing quote"));
}

bool allEmpty(const QList<Cell>& cells) {
    for (const Cell& cell : cells)
        if (!cell.text.isEmpty()) return false;
    return true;
}

}  // namespace

// Names the columns; returns the error, empty when the header is sound.
QString Sheet::header(const QList<Cell>& cells) {
    auto at = [this](const Cell& cell, const QString& why) {
        return place(source, cell) + QStringLiteral(": ") + why;
    };
    if (cells.first().text != QStringLiteral("port"))
        return at(cells.first(), Text::tr("%1, but the first column must be port")
                                     .arg(configjson::literal(cells.first().text)));
    QHash<QString, int> seen;
    for (const Cell& cell : cells.sliced(1)) {
        if (const QString why = checkName(cell.text); !why.isEmpty()) return at(cell, why);
        if (seen.contains(cell.text))
            return at(cell, Text::tr("%1 is column %2 already")
                                .arg(configjson::literal(cell.text),
                                     QString::number(seen.value(cell.text))));
        seen.insert(cell.text, cell.column);
    }
    return {};
}

// Checks one unit's row and keeps it; returns the error, empty when it is sound.
QString Sheet::addRow(const QList<Cell>& cells, const QStringList& names) {
    const Cell& port = cells.first();
    auto at = [this](const Cell& cell, const QString& why) {
        return place(source, cell) + QStringLiteral(": ") + why;
    };
    if (cells.size() != names.size())
        return Text::tr("%1 line %2: %3 cells, but the header has %4")
            .arg(source, QString::number(port.line), QString::number(cells.size()),
                 QString::number(names.size()));
    if (port.text.isEmpty()) return at(port, Text::tr("no port"));
    if (const auto seen = rowOfKey.constFind(port.text); seen != rowOfKey.cend())
        return at(port,
                  Text::tr("port %1 has a row on line %2 already")
                      .arg(configjson::literal(port.text), QString::number(entries[*seen].line)));
    SheetRow row{port.line, port.text, {}};
    for (const Cell& cell : cells.sliced(1)) {
        if (cell.text.isEmpty()) continue;
        const Assignment assignment{names[cell.column - 1], cell.text, place(source, cell)};
        const Verdict verdict = check(assignment);
        if (!verdict.ok()) return verdict.error;
        if (!verdict.note.isEmpty() && remarks.size() < MaxListed)
            remarks << verdict.note;
        else if (!verdict.note.isEmpty())
            ++remarksNotListed;
        row.assignments << assignment;
    }
    rowOfKey.insert(row.port, int(entries.size()));
    entries << row;
    return {};
}

Sheet Sheet::parse(const QByteArray& bytes, const QString& name) {
    Sheet sheet;
    sheet.source = name;
    if (bytes.size() > MaxBytes) {
        sheet.problem = Text::tr("%1: larger than %2 bytes").arg(name, QString::number(MaxBytes));
        return sheet;
    }
    const QByteArray bom("\xEF\xBB\xBF");
    const QString text =
        decodeLines(bytes.startsWith(bom) ? bytes.sliced(bom.size()) : bytes, name, &sheet.problem);
    if (!sheet.problem.isEmpty()) return sheet;
    CsvReader reader(text, name);
    QList<Cell> cells;
    if (!reader.next(&cells)) {
        sheet.problem =
            reader.error().isEmpty()
                ? Text::tr("%1: empty; its first line names the columns, port first").arg(name)
                : reader.error();
        return sheet;
    }
    sheet.problem = sheet.header(cells);
    QStringList names;
    for (const Cell& cell : cells)
        names << cell.text;
    while (sheet.problem.isEmpty() && reader.next(&cells))
        if (!allEmpty(cells)) sheet.problem = sheet.addRow(cells, names);
    if (sheet.problem.isEmpty()) sheet.problem = reader.error();
    if (!sheet.ok()) {
        sheet.entries.clear();
        sheet.rowOfKey.clear();
    }
    return sheet;
}

Sheet Sheet::load(const QString& path) {
    const QString name = path == QStringLiteral("-") ? Text::tr("standard input") : path;
    QByteArray bytes;
    QString reason;
    const input::Status status = input::readAtMost(path, MaxBytes, &bytes, &reason);
    if (status == input::Status::Ok) return parse(bytes, name);
    Sheet sheet;
    sheet.source = name;
    sheet.problem = status == input::Status::CannotOpen
                        ? Text::tr("%1: cannot be opened: %2").arg(name, reason)
                        : Text::tr("%1: cannot be read: %2").arg(name, reason);
    return sheet;
}

QStringList Sheet::notes() const {
    if (remarksNotListed == 0) return remarks;
    return remarks + QStringList{Text::tr("%1: %2 more values like these")
                                     .arg(source, QString::number(remarksNotListed))};
}

// The rows whose port cell names `port` one way or another, in the sheet's order.
QList<int> Sheet::rowsMatching(const PortIdentity& port) const {
    QList<int> found;
    for (const QString& key : {port.path, QFileInfo(port.path).fileName(), port.serialNumber}) {
        const int row = key.isEmpty() ? -1 : rowOfKey.value(key, -1);
        if (row >= 0 && !found.contains(row)) found << row;
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Why `port` has no row of its own: none matches, or several do.
QString Sheet::unmatched(const PortIdentity& port, const QList<int>& rows) const {
    const QString shown = configjson::literal(port.path);
    if (rows.isEmpty())
        return Text::tr(
                   "%1: no row in %2 (its port column holds a device path, its last part or a "
                   "USB serial number)")
            .arg(shown, source);
    QStringList lines;
    for (const int row : rows)
        lines << QString::number(entries[row].line);
    return Text::tr("%1: rows on lines %2 of %3 all match it")
        .arg(shown, lines.join(QStringLiteral(", ")), source);
}

int Sheet::rowFor(const PortIdentity& port, QString* why) const {
    const QList<int> rows = rowsMatching(port);
    if (rows.size() == 1) return rows.first();
    *why = unmatched(port, rows);
    return -1;
}

// A line for each row left out, or one for them all when there are many: a sheet for a whole
// site given with a few ports would otherwise bury the run's own messages.
QStringList Sheet::leftOut(const QList<int>& rows) const {
    QStringList said;
    if (rows.size() > MaxListed)
        return {Text::tr("%1: %2 rows (lines %3, %4, ... %5) are for ports not given; left out")
                    .arg(source, QString::number(rows.size()),
                         QString::number(entries[rows[0]].line),
                         QString::number(entries[rows[1]].line),
                         QString::number(entries[rows.last()].line))};
    for (const int r : rows)
        said << Text::tr("%1 line %2: port %3 is not among the ports given; row left out")
                    .arg(source, QString::number(entries[r].line),
                         configjson::literal(entries[r].port));
    return said;
}

SheetMatch Sheet::match(const QList<PortIdentity>& ports) const {
    SheetMatch result;
    QHash<int, QString> takenBy;  // row index -> the port that has it
    for (const PortIdentity& port : ports) {
        const QList<int> rows = rowsMatching(port);
        const int hit = rows.size() == 1 ? rows.first() : -1;
        if (hit < 0)
            result.errors << unmatched(port, rows);
        else if (takenBy.contains(hit))
            result.errors << Text::tr("%1: the row on line %2 of %3 matches %4 too")
                                 .arg(configjson::literal(port.path),
                                      QString::number(entries[hit].line), source,
                                      configjson::literal(takenBy.value(hit)));
        result.rowOfPort << (hit >= 0 && !takenBy.contains(hit) ? hit : -1);
        if (hit >= 0) takenBy.insert(hit, port.path);
    }
    QList<int> unused;
    for (int r = 0; r < entries.size(); ++r)
        if (!takenBy.contains(r)) unused << r;
    result.unusedRows = leftOut(unused);
    return result;
}

}  // namespace provision
