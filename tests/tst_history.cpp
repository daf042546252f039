// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QtWidgets>

#include "configfile/ConfigDocument.h"
#include "configfile/ConfigJson.h"
#include "journal/Journal.h"
#include "tests/Fixtures.h"
#include "tests/WindowControls.h"
#include "tests/support/HistoryFinders.h"
#include "tests/support/ModalDriver.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/common/FocusStyle.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryWindow.h"
#include "ui/mainwindow/frmMain.h"

using journal::Action;
using journal::Outcome;
using journal::Record;
using journal::Target;
using namespace testsupport;

namespace {

constexpr qint64 Jan1 = 1767225600000;  // 2026-01-01T00:00:00Z
constexpr qint64 Hour = 3600000;

// One record of the journal every test fills; `phones` 0 keeps no configuration.
struct Sample {
    Action action;
    const char* port;
    qint64 timeMs;
    const char* model;
    Outcome outcome;
    const char* reason;
    int verified;  // -1 not asked
    const char* file;
    int phones;
};

// Appended out of time order: the window lists by when it happened. Newest first: 2, 1, 3, 0, 4.
const QList<Sample> Samples{
    {Action::Read, "/dev/ttyUSB0", Jan1, "QX-100", Outcome::Done, "", -1, "", 32},
    {Action::Write, "/dev/ttyUSB1", Jan1 + 2 * Hour, "QX-200", Outcome::Failed,
     "no answer\nfrom unit", -1, "/site/north.cfg", 16},
    {Action::Verify, "/dev/ttyUSB0", Jan1 + 3 * Hour, "", Outcome::Differences, "", 0, "", 0},
    {Action::Backup, "/dev/ttyACM0", Jan1 + Hour, "QX-100\x1b[2J", Outcome::Done, "", 1,
     "/backups/east.cfg", 32},
    {Action::Restore, "/dev/ttyUSB1", Jan1 - Hour, "QX-200", Outcome::Done, "", 1, "", 32},
};

ConfigurationSet sampleSet(int index) {
    ConfigurationSet set = fixtures::filled(QStringLiteral("rec%1").arg(index), index + 3);
    if (index == 4) set.channelMessage[5] = QStringLiteral("say \"hello\"");  // no record file
    return set;
}

}  // namespace

class tst_history : public QObject, HistoryRig {
    Q_OBJECT

    // A journal holding Samples, ids in Samples order; SQLite unless `server` (this run's own
    // database there, filled once).
    Target filled(bool server = false) {
        QString error;
        Target target = server ? pg.target() : Target::parse(journalPath(), &error);
        journal::Store store(target);
        if (!store.open(&error)) qWarning() << error;
        for (int i = 0; i < Samples.size(); ++i) {
            const Sample& s = Samples[i];
            Record record = Record::begin(s.action, s.port, "test");
            record.time = QDateTime::fromMSecsSinceEpoch(s.timeMs, Qt::UTC);
            record.model = s.model;
            record.outcome = s.outcome;
            record.reason = s.reason;
            record.differences = s.outcome == Outcome::Differences ? 3 : 0;
            if (s.verified >= 0) record.verified = s.verified == 1;
            record.file = s.file;
            if (s.phones > 0) record.setConfiguration(sampleSet(i), s.phones);
            if (!store.append(record, &error) || record.id != i + 1)
                qWarning() << "append" << i << error;
        }
        return target;
    }

private slots:
    void initTestCase() {
        const QString error = setUp();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    // Filters narrow the table, newest first (ids are Samples indices + 1); the first row shows
    // local time and its texts on one line with controls escaped.
    void listing_data() {
        QTest::addColumn<bool>("server");
        QTest::addColumn<QString>("port");  // empty: all ports
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qint64>>("ids");
        QTest::addColumn<QString>("first");  // the first row's cells; empty: not checked
        auto row = [](const char* tag, bool server, const char* port, const char* text,
                      const QList<qint64>& ids, const char* first = "") {
            QTest::newRow(tag) << server << port << text << ids << first;
        };
        row("all, newest first", false, "", "", {3, 2, 4, 1, 5},
            "2026-01-01 04:00:00|verify|/dev/ttyUSB0||differences (3)|no");
        row("port", false, "/dev/ttyUSB0", "", {3, 1});
        row("text in model, any case", false, "", "qx-100", {4, 1},
            "2026-01-01 02:00:00|backup|/dev/ttyACM0|QX-100\\u001b[2J|done|yes");
        row("text in outcome", false, "", "NO ANSWER", {2},
            "2026-01-01 03:00:00|write|/dev/ttyUSB1|QX-200|failed: no answer from unit|");
        row("text in file", false, "", "east", {4});
        row("text in port", false, "", "ACM", {4});
        row("port and text together", false, "/dev/ttyUSB1", "qx-200", {2, 5});
        row("nothing matches", false, "/dev/ttyUSB0", "east", {});
        row("postgresql", true, "/dev/ttyUSB1", "", {2, 5});
    }
    void listing() {
        QFETCH(bool, server);
        QFETCH(QString, port);
        QFETCH(QString, text);
        QFETCH(QList<qint64>, ids);
        QFETCH(QString, first);
        if (server && !pg.available())
            QSKIP(
                "no test server: start one with scripts/pg-test-server.sh and set "
                "QX_TEST_PG_URL");
        journal::Journal journal(filled(server));
        QVERIFY2(journal.open(), qPrintable(journal.openError()));
        HistoryWindow h(&journal);
        settle(&journal);
        auto* ports = h.findChild<QComboBox*>("cmbHistoryPort");
        QCOMPARE(ports->count(), 4);  // all, and the three ports named
        ports->setCurrentIndex(port.isEmpty() ? 0 : ports->findData(port));
        h.findChild<QLineEdit*>("txtHistoryFilter")->setText(text);
        QCOMPARE(shownIds(&h), ids);
        QVERIFY(h.findChild<QLabel*>("lblHistoryState")->isHidden());
        QVERIFY(h.findChild<QLabel*>("lblHistoryCount")
                    ->text()
                    .startsWith(QString("%1 of 5").arg(ids.size())));
        if (first.isEmpty()) return;
        QStringList cells;
        for (int column = 0; column < HistoryModel::ColumnCount; ++column)
            cells << modelOf(&h)->index(0, column).data().toString();
        QCOMPARE(cells.join('|'), first);
    }

    // No history without a journal: the window says so and what to do, never a bare table.
    void journalUnavailable_data() {
        QTest::addColumn<QString>("where");  // empty: the journal is off
        QTest::addColumn<QStringList>("said");
        QTest::newRow("off") << "" << QStringList{"off", "--journal", "QUELLIX_JOURNAL"};
        QTest::newRow("cannot be opened")
            << "/dev/null/journal.sqlite"
            << QStringList{"/dev/null/journal.sqlite", "Refresh", "QUELLIX_JOURNAL"};
    }
    void journalUnavailable() {
        QFETCH(QString, where);
        QFETCH(QStringList, said);
        QString error;
        std::unique_ptr<journal::Journal> journal;
        if (!where.isEmpty()) {
            journal = std::make_unique<journal::Journal>(Target::parse(where, &error));
            QVERIFY(!journal->open());
        }
        HistoryWindow h(journal.get());
        if (journal) settle(journal.get());
        auto* state = h.findChild<QLabel*>("lblHistoryState");
        QVERIFY(!state->isHidden());
        for (const QString& words : said)
            QVERIFY2(state->text().contains(words), qPrintable(state->text()));
        QCOMPARE(modelOf(&h)->rowCount(), 0);
        QVERIFY(!h.findChild<QPushButton*>("cmdHistoryOpen")->isEnabled());
    }

    // Opens the chosen record by a double click on its row or by the Open in Window button.
    static void openChosen(HistoryWindow* h, bool doubleClick) {
        if (!doubleClick) return h->findChild<QPushButton*>("cmdHistoryOpen")->click();
        auto* table = h->findChild<QTableView*>("tblHistory");
        QVERIFY(QTest::qWaitForWindowExposed(h));
        const QRect cell = table->visualRect(table->currentIndex());
        QVERIFY(cell.isValid());
        // A view takes a double click only on the row a press went to first.
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    }

    // Open in Window loads the record as a Load does: undoable, named, nothing sent. A record
    // that cannot be used is refused with a box (why, altered for one, is tst_journal::changes').
    void openInWindow_data() {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<QString>("status");    // empty: refused with a box, window unchanged
        QTest::addColumn<bool>("doubleClick");  // on the row instead of the button
        QTest::newRow("whole configuration")
            << qint64(1) << "Opened journal record 1 (read of /dev/ttyUSB0, 2026-01-01 01:00)"
            << false;
        QTest::newRow("phones 1-16 only keep 17-32, double click")
            << qint64(2)
            << "Opened journal record 2 (write of /dev/ttyUSB1, 2026-01-01 03:00), it holds "
               "phone numbers 1-16 only; 17-32 were kept from before"
            << true;
        QTest::newRow("a verify keeps no configuration") << qint64(3) << "" << false;
    }
    void openInWindow() {
        QFETCH(qint64, id);
        QFETCH(QString, status);
        QFETCH(bool, doubleClick);
        journal::Journal journal(filled());
        QVERIFY(journal.open());
        UnitSimulator unit;
        QVERIFY2(unit.open(), qPrintable(unit.errorString()));
        frmMain w;
        connectWindow(w, &journal, &unit);
        if (QTest::currentTestFailed()) return;
        ConfigurationSet before = fixtures::filled("before", 30);
        w.applyConfiguration(before);
        unit.clearReceived();

        HistoryWindow* h = openHistory(w);
        QVERIFY(h && h->isVisible());
        QCOMPARE(openHistory(w), h);  // raised again, not a second one
        QCOMPARE(w.findChildren<HistoryWindow*>().size(), 1);
        settle(&journal);
        choose(h, id);
        testsupport::ModalDriver driver([](QWidget* modal) { modal->close(); });
        openChosen(h, doubleClick);
        QTest::qWait(100);  // anything sent would be on the line by now

        QVERIFY2(unit.commands().isEmpty(), "opening a record sent to the unit");
        const QString shown = w.findChild<QLabel*>("lblContents")->text();
        if (status.isEmpty()) {
            QCOMPARE(driver.seen, QStringList{"historyProblem"});
            QCOMPARE(w.configuration(), before);
            return;
        }
        QCOMPARE(driver.seen, QStringList{});
        QCOMPARE(shown, status);
        ConfigurationSet expected = sampleSet(int(id - 1));
        if (id == 2)  // the record holds phones 1-16; the rest are the window's
            std::copy(before.phoneNo.begin() + 16, before.phoneNo.end(),
                      expected.phoneNo.begin() + 16);
        QCOMPARE(w.configuration(), expected);
        w.findChild<QAction*>("actUndo")->trigger();
        QCOMPARE(w.configuration(), before);
    }

    // The window's own write shows in an open History at once: the backup it made marked as
    // the state to undo to, and the Changes pane saying what the write sent against it; a
    // Compare with Unit is a compare, its differences shown.
    void followsTheWindowsRuns() {
        QString error;
        journal::Journal journal(Target::parse(dir.filePath("runs.sqlite"), &error));
        QVERIFY(journal.open());
        UnitSimulator unit;
        QVERIFY2(unit.open(), qPrintable(unit.errorString()));
        frmMain w;
        w.findChild<QAction*>("actBackUpBefore")->setChecked(true);
        connectWindow(w, &journal, &unit);
        if (QTest::currentTestFailed()) return;
        HistoryWindow* h = openHistory(w);
        QVERIFY(h);
        settle(&journal);
        const qsizetype before = shownIds(h).size();

        ConfigurationSet wanted = unit.configuration();
        wanted.phoneNo[2] = "0123";
        wanted.channelEnable[11] = wanted.enabled(11) ? FlagFalse : FlagTrue;
        w.applyConfiguration(wanted);
        testsupport::ModalDriver driver([](QWidget* modal) { modal->close(); });
        control<QPushButton>(&w, "cmdDeviceWrite")->click();
        QTRY_VERIFY_WITH_TIMEOUT(shownIds(h).size() == before + 2 && !w.transferActive(), 10000);
        QVERIFY(unit.configuration() == wanted);
        const HistoryModel* model = modelOf(h);
        const qint64 write = model->recordAt(0)->id, backup = model->recordAt(1)->id;
        QCOMPARE(model->recordAt(0)->action, Action::Write);
        QCOMPARE(model->writeAfter(backup), write);
        QCOMPARE(model->index(1, HistoryModel::ActionColumn).data().toString(),
                 QString("backup (before %1)").arg(write));
        QCOMPARE(model->writeAfter(write), 0);
        choose(h, write);
        const QString changes = h->findChild<QPlainTextEdit*>("txtHistoryChanges")->toPlainText();
        QVERIFY2(changes.startsWith(QString("Against record %1").arg(backup)), qPrintable(changes));
        QVERIFY2(changes.contains("phone 3: ") && changes.contains("channel 12 enabled: "),
                 qPrintable(changes));
        QCOMPARE(changes.count('\n'), 2);

        wanted.phoneNo[4] = "999";
        w.applyConfiguration(wanted);
        w.findChild<QAction*>("actCompareUnit")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(shownIds(h).size() == before + 3 && !w.transferActive(), 10000);
        QCOMPARE(model->recordAt(0)->action, Action::Compare);
        QVERIFY(!model->recordAt(0)->verified);
        choose(h, model->recordAt(0)->id);
        QCOMPARE(h->findChild<QPlainTextEdit*>("txtHistoryChanges")->toPlainText(),
                 QString("phone 5: \"999\" -> %1")
                     .arg(configjson::literal(unit.configuration().phoneNo[4])));
    }

    // Save As writes the chosen kind of file, which loads back as the record holds it.
    void saveAs_data() {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("jsonFilter");
        QTest::addColumn<bool>("saved");
        QTest::newRow("record file") << qint64(1) << "one.cfg" << false << true;
        QTest::newRow("JSON by its filter") << qint64(1) << "one" << true << true;
        QTest::newRow("typed suffix over the filter") << qint64(1) << "one.cfg" << true << true;
        QTest::newRow("phones 1-16 stay 16") << qint64(2) << "two.cfg" << false << true;
        QTest::newRow("phones 1-16 stay 16 in JSON") << qint64(2) << "two.json" << true << true;
        QTest::newRow("a quote refused in a record file")
            << qint64(5) << "five.cfg" << false << false;
    }
    void saveAs() {
        QFETCH(qint64, id);
        QFETCH(QString, name);
        QFETCH(bool, jsonFilter);
        QFETCH(bool, saved);
        journal::Journal journal(filled());
        QVERIFY(journal.open());
        HistoryWindow h(&journal);
        h.show();
        settle(&journal);
        choose(&h, id);
        QTemporaryDir out;
        QString written;
        testsupport::ModalDriver driver([&](QWidget* modal) {
            auto* files = qobject_cast<QFileDialog*>(modal);
            if (!files) {
                modal->close();
                return;
            }
            // As a user does: the type first, then the name over the file selected last.
            auto* type = files->findChild<QComboBox*>("fileTypeCombo");
            type->setFocus();
            QTest::keyClick(type, jsonFilter ? Qt::Key_End : Qt::Key_Home);
            files->findChild<QAbstractItemView*>("listView")->clearSelection();
            files->findChild<QLineEdit*>("fileNameEdit")->setText(out.filePath(name));
            static_cast<QDialog*>(files)->accept();  // with the dialog's own checks
            written = files->selectedFiles().value(0);
        });
        h.findChild<QPushButton*>("cmdHistorySave")->click();

        const QString path = out.filePath(name) + (name.contains('.') ? "" : ".json");
        QCOMPARE(written, path);
        QCOMPARE(QFileInfo::exists(path), saved);
        const QStringList boxes = saved ? QStringList{"historySaveDialog"}
                                        : QStringList{"historySaveDialog", "historyProblem"};
        QCOMPARE(driver.seen, boxes);
        if (!saved) return;
        const ConfigDocument doc = ConfigDocument::load(path);
        QVERIFY2(doc.ok, qPrintable(doc.error));
        QCOMPARE(doc.phoneCount, Samples[id - 1].phones);
        ConfigurationSet expected = sampleSet(int(id - 1));
        for (int k = doc.phoneCount; k < ConfigurationSet::PhoneCount; ++k)
            expected.phoneNo[size_t(k)].clear();
        QCOMPARE(doc.set, expected);
        QVERIFY(h.findChild<QLabel*>("lblHistoryState")->text().contains(path));
    }
};

int main(int argc, char* argv[]) {
    qputenv("TZ", "Europe/Berlin");  // the table shows local time; UTC would hide a slip
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    ui::installFocusStyle();  // as the program draws its windows
    tst_history test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_history.moc"
