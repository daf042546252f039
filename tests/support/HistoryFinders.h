// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtTest>
#include <QtWidgets>

#include "journal/JournalWorker.h"
#include "tests/WindowControls.h"
#include "tests/support/PgDatabase.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryWindow.h"
#include "ui/mainwindow/frmMain.h"

// Finding History's window, its table and its answers, for the suites that drive it.
namespace testsupport {

// What History's suites set up once: a folder, settings of their own (nothing remembered from
// the user's) and a database of their own on the test server (dropped when done).
struct HistoryRig {
    QTemporaryDir dir;
    QTemporaryDir settings;
    int journals = 0;
    PgDatabase pg;

    // Returns what went wrong, empty when nothing did; `server` false leaves the server alone.
    QString setUp(bool server = true) {
        if (!dir.isValid() || !settings.isValid()) return dir.errorString();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        return server ? pg.create() : QString();
    }
    // A journal file of its own for each test.
    QString journalPath() { return dir.filePath(QString("journal%1.sqlite").arg(++journals)); }
};

inline HistoryWindow* openHistory(frmMain& w) {
    w.findChild<QAction*>("actHistory")->trigger();
    return w.findChild<HistoryWindow*>("frmHistory");
}
inline HistoryModel* modelOf(HistoryWindow* h) {
    return qobject_cast<HistoryModel*>(h->findChild<QTableView*>("tblHistory")->model());
}
inline QList<qint64> shownIds(HistoryWindow* h) {
    QList<qint64> ids;
    for (int row = 0; row < modelOf(h)->rowCount(); ++row)
        ids << modelOf(h)->recordAt(row)->id;
    return ids;
}
// Chooses record `id` and waits until it is fetched.
inline void choose(HistoryWindow* h, qint64 id) {
    const int row = int(shownIds(h).indexOf(id));
    QVERIFY(row >= 0);
    h->findChild<QTableView*>("tblHistory")->selectRow(row);
    auto* changes = h->findChild<QPlainTextEdit*>("txtHistoryChanges");
    QTRY_VERIFY_WITH_TIMEOUT(!changes->toPlainText().startsWith("Reading record"), 10000);
}
// The main window on `journal`, shown and, given a unit, connected to it.
inline void connectWindow(frmMain& w, journal::Journal* journal, UnitSimulator* unit) {
    w.setProtocolInterval(5);
    w.setJournal(journal);
    w.show();
    if (!unit) return;
    control<QComboBox>(&w, "cmbComm")->setEditText(unit->slavePath());
    auto* connectButton = control<QPushButton>(&w, "cmdConnect");
    connectButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(connectButton->text(), QString("Disconnect"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!w.transferActive(), 10000);
}
// Waits for what History asked of the journal's thread.
inline void settle(journal::Journal* journal) {
    QTRY_VERIFY_WITH_TIMEOUT(!journal::Worker::of(journal)->waiting(), 10000);
}

}  // namespace testsupport
