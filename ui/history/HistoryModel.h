// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>

#include "journal/JournalRecord.h"

// Journal records as the History window's table shows them, newest first, narrowed by port and
// by a text. Holds the listing without configurations; those are fetched one at a time.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        TimeColumn,
        ActionColumn,
        PortColumn,
        ModelColumn,
        OutcomeColumn,
        VerifiedColumn,
        ColumnCount
    };

    explicit HistoryModel(QObject* parent = nullptr);

    // `records` newest first, as journal::Store::list gives them.
    void setRecords(QList<journal::Record> records);
    // Shows the records on `port` (empty: every port) that hold `text` in their port, model,
    // outcome summary or file, ignoring case.
    void setFilter(const QString& port, const QString& text);
    // Every port the records name, sorted.
    QStringList ports() const;
    int totalCount() const { return int(records.size()); }
    // The record a row shows; null for a row that does not exist.
    const journal::Record* recordAt(int row) const;
    // The row showing record `id`; -1 when it is not shown.
    int rowOf(qint64 id) const;
    // For a record holding a unit's state just before a write or restore: that write's id (the
    // newest, where several followed it); 0 for any other record.
    qint64 writeAfter(qint64 id) const { return undoTo.value(id); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // What the outcome column says: the outcome, and why it failed or how many differed.
    static QString summary(const journal::Record& record);
    static QString actionText(journal::Action action);

private:
    QString cell(const journal::Record& record, int column) const;
    QString toolTip(const journal::Record& record, int column) const;
    bool matches(const journal::Record& record) const;
    void refilter();
    void markStatesBefore();

    QList<journal::Record> records;
    QList<int> shown;              // indices into records
    QHash<qint64, qint64> undoTo;  // the record holding a unit's state -> the write after it
    QString portFilter;
    QString textFilter;
};
