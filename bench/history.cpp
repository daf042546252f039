// SPDX-License-Identifier: GPL-3.0-or-later
// The History window against a journal of 10,000 records, each with its configuration: how
// long listing them takes, in the store and up to the window's first paint.
#include "bench/history.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "journal/Journal.h"
#include "journal/JournalWorker.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/history/HistoryWindow.h"

namespace {

constexpr int RecordCount = 10000;
constexpr int Runs = 5;
constexpr double GoalMs = 200;

// Each append commits on its own, as a real journal grows; in memory-backed storage where
// there is some, so filling does not take minutes of disk syncs.
bool fill(const journal::Target& target) {
    journal::Store store(target);
    QString error;
    bool ok = store.open(&error);
    const ConfigurationSet set = UnitSimulator::sampleConfiguration();
    const QStringList ports{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB1"),
                            QStringLiteral("/dev/ttyACM0")};
    for (int i = 0; ok && i < RecordCount; ++i) {
        journal::Record record =
            journal::Record::begin(journal::Action(i % 5), ports[i % ports.size()], "bench");
        record.model = QStringLiteral("QX-%1").arg(100 + i % 3);
        record.setConfiguration(set, ConfigurationSet::PhoneCount);
        ok = store.append(record, &error);
    }
    if (!ok) std::fprintf(stderr, "history: cannot fill the journal: %s\n", qPrintable(error));
    return ok;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int benchHistory(const QString& server) {
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir dir(QDir(shm).exists()
                          ? shm + QStringLiteral("/quellix-bench-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/quellix-bench-XXXXXX"));
    QString error;
    const journal::Target target = journal::Target::parse(
        server.isEmpty() ? dir.filePath(QStringLiteral("journal.sqlite")) : server, &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "history: %s\n", qPrintable(error));
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    if (!dir.isValid() || !fill(target)) return 1;
    std::printf("history: %d records appended in %.1f s\n", RecordCount, clock.elapsed() / 1e3);

    journal::Journal journal(target);
    if (!journal.open()) return 1;
    QList<double> listMs, windowMs, filterMs;
    int listed = 0;
    for (int run = 0; run < Runs; ++run) {
        journal::Filter filter;
        filter.withConfiguration = false;
        clock.restart();
        listed = int(journal.store().list(filter, &error).size());
        listMs << clock.nsecsElapsed() / 1e6;

        clock.restart();
        HistoryWindow window(&journal);
        window.show();
        // Listed on the journal's thread: the window is open once the list is in.
        while (journal::Worker::of(&journal)->waiting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window.findChild<QTableView*>()->viewport()->repaint();
        windowMs << clock.nsecsElapsed() / 1e6;

        // One keystroke in the filter box, which narrows every record afresh.
        clock.restart();
        window.findChild<QLineEdit*>(QStringLiteral("txtHistoryFilter"))
            ->setText(QStringLiteral("qx-101"));
        window.findChild<QTableView*>()->viewport()->repaint();
        filterMs << clock.nsecsElapsed() / 1e6;
    }
    // A server's journal may hold records from before; these are the newest.
    const bool ok = listed >= RecordCount;
    std::printf(
        "history %s  %d records in %s: store listing %.1f ms, window open and painted %.1f ms "
        "(goal <= %.0f ms), a filter keystroke %.1f ms; medians of %d\n",
        ok ? "ok    " : "FAILED", listed, server.isEmpty() ? "SQLite" : "PostgreSQL",
        median(listMs), median(windowMs), GoalMs, median(filterMs), Runs);
    return ok ? 0 : 1;
}
