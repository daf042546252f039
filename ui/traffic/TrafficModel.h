// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <deque>

#include "device/TrafficLog.h"

namespace traffic {

// The lines the Traffic Monitor shows, oldest first, bounded to the newest Limit: a long
// session must not grow without end, and the newest lines are the ones being watched.
class TrafficModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Limit = 10000;
    // ReplyTime: when the reply was taken; Arrived: when its bytes came, both after the command.
    enum Column { Time, Direction, Bytes, ReplyTime, Arrived, ColumnCount };

    explicit TrafficModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Adds the lines at the end in one insertion, first dropping as many of the oldest, in one
    // block, as keeps the total within Limit.
    void append(const QList<TrafficLine>& lines);
    void clear();
    // Row `row` as shown, the columns separated by tabs (no shown text holds one).
    QString rowText(int row) const;

    const TrafficLine& line(int row) const { return lines[size_t(row)]; }

    static QString cellText(const TrafficLine& line, int column);
    static QString arrivedText(const TrafficLine& line);

private:
    std::deque<TrafficLine> lines;
};

}  // namespace traffic
