// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/HistoryModel.h"

#include <QFont>
#include <QSet>
#include <array>
#include <utility>

#include "core/Escape.h"
#include "journal/Reason.h"
#include "journal/RecordChanges.h"

namespace {

using journal::Action;
using journal::Outcome;
using journal::Record;

constexpr std::array<std::pair<Action, const char*>, 6> ActionTexts{{
    {Action::Read, QT_TRANSLATE_NOOP("HistoryModel", "read")},
    {Action::Write, QT_TRANSLATE_NOOP("HistoryModel", "write")},
    {Action::Verify, QT_TRANSLATE_NOOP("HistoryModel", "verify")},
    {Action::Backup, QT_TRANSLATE_NOOP("HistoryModel", "backup")},
    {Action::Restore, QT_TRANSLATE_NOOP("HistoryModel", "restore")},
    {Action::Compare, QT_TRANSLATE_NOOP("HistoryModel", "compare")},
}};

constexpr std::array<const char*, HistoryModel::ColumnCount> Headers{
    QT_TRANSLATE_NOOP("HistoryModel", "Time"),    QT_TRANSLATE_NOOP("HistoryModel", "Action"),
    QT_TRANSLATE_NOOP("HistoryModel", "Port"),    QT_TRANSLATE_NOOP("HistoryModel", "Model"),
    QT_TRANSLATE_NOOP("HistoryModel", "Outcome"), QT_TRANSLATE_NOOP("HistoryModel", "Verified"),
};

// Record texts come from whoever writes to the journal, which may be a shared server: each
// shows on its one line, with anything that is not printable escaped.
QString oneLine(const QString& text) {
    return escape::unprintable(text.simplified());
}

// Who did it, on which computer and with which file, as far as the record knows.
QString details(const Record& record) {
    QStringList lines{HistoryModel::tr("Record %1").arg(record.id)};
    const std::array<std::pair<const char*, QString>, 3> known{{
        {QT_TRANSLATE_NOOP("HistoryModel", "Operator: %1"), record.operatorName},
        {QT_TRANSLATE_NOOP("HistoryModel", "Computer: %1"), record.host},
        {QT_TRANSLATE_NOOP("HistoryModel", "File: %1"), record.file},
    }};
    for (const auto& [label, text] : known)
        if (!text.isEmpty()) lines << HistoryModel::tr(label).arg(oneLine(text));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

HistoryModel::HistoryModel(QObject* parent) : QAbstractTableModel(parent) {}

void HistoryModel::setRecords(QList<journal::Record> list) {
    records = std::move(list);
    markStatesBefore();
    refilter();
}

// Each write's and restore's state before, looked for among the records of its port only, so a
// journal of many ports costs no more than one.
void HistoryModel::markStatesBefore() {
    undoTo.clear();
    QHash<QString, QList<int>> byPort;  // indices into records, newest first
    for (int i = 0; i < records.size(); ++i)
        byPort[records[i].port].append(i);
    for (const QList<int>& indices : std::as_const(byPort)) {
        for (int k = 0; k < indices.size(); ++k) {
            const Record& write = records[indices[k]];
            if (write.action != Action::Write && write.action != Action::Restore) continue;
            const int end = int(std::min<qsizetype>(indices.size(), k + 1 + journal::LookBack));
            for (int j = k + 1; j < end; ++j) {
                const Record& earlier = records[indices[j]];
                if (!journal::readStateFor(earlier, write)) continue;
                if (!undoTo.contains(earlier.id)) undoTo.insert(earlier.id, write.id);
                break;
            }
        }
    }
}

void HistoryModel::setFilter(const QString& port, const QString& text) {
    portFilter = port;
    textFilter = text.trimmed();
    refilter();
}

void HistoryModel::refilter() {
    beginResetModel();
    shown.clear();
    for (int i = 0; i < records.size(); ++i)
        if (matches(records[i])) shown.append(i);
    endResetModel();
}

QStringList HistoryModel::ports() const {
    QSet<QString> names;
    for (const Record& record : records)
        names.insert(record.port);
    QStringList sorted(names.cbegin(), names.cend());
    sorted.sort();
    return sorted;
}

const journal::Record* HistoryModel::recordAt(int row) const {
    if (row < 0 || row >= shown.size()) return nullptr;
    return &records[shown[row]];
}

int HistoryModel::rowOf(qint64 id) const {
    for (int row = 0; row < shown.size(); ++row)
        if (records[shown[row]].id == id) return row;
    return -1;
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shown.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    const Record* record = recordAt(index.row());
    if (!record) return {};
    if (role == Qt::DisplayRole) return cell(*record, index.column());
    if (role == Qt::ToolTipRole) return toolTip(*record, index.column());
    if (role == Qt::FontRole && undoTo.contains(record->id)) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

// The whole text of a column the table may elide, then who did it and where.
QString HistoryModel::toolTip(const Record& record, int column) const {
    QString tip = details(record);
    if (const qint64 write = undoTo.value(record.id))
        tip = tr("The unit's state before record %1: restore this to undo it.").arg(write) +
              QLatin1Char('\n') + tip;
    if (column == PortColumn || column == ModelColumn || column == OutcomeColumn)
        tip = cell(record, column) + QStringLiteral("\n\n") + tip;
    return tip;
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return tr(Headers[size_t(section)]);
}

QString HistoryModel::actionText(journal::Action action) {
    for (const auto& [entry, text] : ActionTexts)
        if (entry == action) return tr(text);
    return {};
}

QString HistoryModel::summary(const journal::Record& record) {
    switch (record.outcome) {
        case Outcome::Done:
            return tr("done");
        case Outcome::Differences:
            return tr("differences (%1)").arg(record.differences);
        case Outcome::Failed:
        case Outcome::Interrupted:
            // In the reader's language, whichever the run spoke.
            return record.reason.isEmpty()
                       ? tr("failed")
                       : tr("failed: %1")
                             .arg(oneLine(journal::shownReason(record.reasonCode, record.reason)));
    }
    return {};
}

QString HistoryModel::cell(const journal::Record& record, int column) const {
    switch (column) {
        case TimeColumn:
            return record.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case ActionColumn:
            if (const qint64 write = undoTo.value(record.id))
                return tr("%1 (before %2)").arg(actionText(record.action)).arg(write);
            return actionText(record.action);
        case PortColumn:
            return oneLine(record.port);
        case ModelColumn:
            return oneLine(record.model);
        case OutcomeColumn:
            return summary(record);
        case VerifiedColumn:
            return !record.verified ? QString() : *record.verified ? tr("yes") : tr("no");
    }
    return {};
}

bool HistoryModel::matches(const journal::Record& record) const {
    if (!portFilter.isEmpty() && record.port != portFilter) return false;
    if (textFilter.isEmpty()) return true;
    for (const QString& text : {record.port, record.model, summary(record), record.file})
        if (text.contains(textFilter, Qt::CaseInsensitive)) return true;
    return false;
}
