// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/traffic/TrafficModel.h"

#include <QDateTime>
#include <QStringList>

namespace traffic {

TrafficModel::TrafficModel(QObject* parent) : QAbstractTableModel(parent) {}

int TrafficModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(lines.size());
}

int TrafficModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString TrafficModel::cellText(const TrafficLine& line, int column) {
    switch (column) {
        case Time:
            return QDateTime::fromMSecsSinceEpoch(line.atMs).toString(
                QStringLiteral("HH:mm:ss.zzz"));
        case Direction:
            return line.direction == TrafficLine::Command ? QStringLiteral("->")
                   : line.direction == TrafficLine::Reply ? QStringLiteral("<-")
                                                          : QStringLiteral("#");
        case Bytes:
            // A note is the tool's own text; what crossed the line shows every byte escaped.
            return line.direction == TrafficLine::Note
                       ? QString::fromUtf8(line.bytes)
                       : QString::fromLatin1(TrafficLog::escaped(line.bytes));
        case ReplyTime:
            return line.replyMs < 0 ? QString() : QString::number(line.replyMs, 'f', 1);
        case Arrived:
            return arrivedText(line);
        default:
            return {};
    }
}

// A silent unit shows as such, and a late one by the time its bytes came, wherever that was.
QString TrafficModel::arrivedText(const TrafficLine& line) {
    if (line.direction != TrafficLine::Reply) return {};
    const QList<double>& times = line.arrivalsMs;
    if (times.isEmpty()) return line.bytes.isEmpty() ? tr("no reply") : tr("before the command");
    constexpr qsizetype Listed = 3;
    QStringList shown;
    for (qsizetype i = 0; i < qMin(times.size(), Listed); ++i)
        shown << QString::number(times[i], 'f', 1);
    if (times.size() > Listed)
        shown << tr("... %1 (%n pieces)", nullptr, int(times.size()))
                     .arg(QString::number(times.last(), 'f', 1));
    return shown.join(QStringLiteral(", "));
}

QVariant TrafficModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::TextAlignmentRole && (index.column() == ReplyTime || index.column() == Arrived))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return cellText(lines[size_t(index.row())], index.column());
}

QVariant TrafficModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case Time:
            return tr("Time");
        case Direction:
            return tr("Direction");
        case Bytes:
            return tr("Bytes");
        case ReplyTime:
            return tr("Reply (ms)");
        case Arrived:
            return tr("Bytes came (ms)");
        default:
            return {};
    }
}

void TrafficModel::append(const QList<TrafficLine>& incoming) {
    if (incoming.isEmpty()) return;
    const qsizetype taken = qMin<qsizetype>(incoming.size(), Limit);
    const qsizetype excess = qsizetype(lines.size()) + taken - Limit;
    if (excess > 0) {
        beginRemoveRows({}, 0, int(excess) - 1);
        lines.erase(lines.begin(), lines.begin() + excess);
        endRemoveRows();
    }
    const int first = int(lines.size());
    beginInsertRows({}, first, first + int(taken) - 1);
    lines.insert(lines.end(), incoming.end() - taken, incoming.end());
    endInsertRows();
}

void TrafficModel::clear() {
    beginResetModel();
    lines.clear();
    endResetModel();
}

QString TrafficModel::rowText(int row) const {
    QStringList cells;
    for (int column = 0; column < ColumnCount; ++column)
        cells << cellText(lines[size_t(row)], column);
    return cells.join(QLatin1Char('\t'));
}

}  // namespace traffic
