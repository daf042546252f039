// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <memory>

#include "journal/Journal.h"
#include "journal/JournalWorker.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PluggedUnits.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/station/StationTile.h"
#include "ui/station/StationWindow.h"

using station::StationTile;
using station::StationWindow;

// The station's window against simulated units, plugged in and out by making and removing
// symbolic links to their pseudo-terminals in a folder the window watches.
namespace {

constexpr int WatchdogMs = 60000;  // generous: the machine may be busy with other builds

}  // namespace

class tst_stationwindow : public QObject, fixtures::PluggedUnits {
    Q_OBJECT

    QTemporaryDir settings;
    std::unique_ptr<journal::Journal> journal;

    // A window set up for the units linked as path("unit*").
    std::unique_ptr<StationWindow> window(journal::Journal* into) {
        auto w = std::make_unique<StationWindow>(into);
        w->setProtocolInterval(30);
        w->findChild<QLineEdit*>("edtFile")->setText(path("site.cfg"));
        w->findChild<QLineEdit*>("edtPorts")->setText(path("unit*"));
        return w;
    }
    static QList<StationTile*> tiles(const StationWindow& w) {
        return w.findChildren<StationTile*>("stationTile");
    }
    static StationTile* tileOf(const StationWindow& w, const QString& port) {
        for (StationTile* tile : tiles(w))
            if (tile->port() == port) return tile;
        return nullptr;
    }
    static QString text(const QWidget* parent, const char* name) {
        const auto* label = parent->findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("(no %1)").arg(name);
    }
    // Serves the units until every one of `ports` has a tile showing a result.
    static bool waitForResults(const StationWindow& w, const QStringList& ports) {
        QDeadlineTimer watchdog(WatchdogMs);
        const auto ended = [&] {
            return std::all_of(ports.begin(), ports.end(), [&](const QString& port) {
                const StationTile* tile = tileOf(w, port);
                return tile && tile->result().has_value();
            });
        };
        while (!ended() && !watchdog.hasExpired())
            QTest::qWait(20);
        return ended();
    }
    // The first round of three units of which the middle one failed: its tile says why in the
    // technician's words first, the others passed, and the counters agree.
    static void checkMiddleFailed(const StationWindow& w, const QStringList& ports,
                                  const QString& words, const QString& reason) {
        QCOMPARE(tiles(w).size(), 3);
        const StationTile* failed = tileOf(w, ports[1]);
        QCOMPARE(failed->result(), journal::Outcome::Failed);
        QCOMPARE(text(failed, "lblResult"), "failed");
        const QString tip = failed->findChild<QLabel*>("lblSummary")->toolTip();
        QVERIFY2(tip.startsWith(words) && tip.contains(reason), qPrintable(tip));
        QCOMPARE(failed->findChild<QLabel*>("lblResult")->palette().color(QPalette::Window),
                 StationTile::colourOf(journal::Outcome::Failed));
        for (const QString& port : {ports[0], ports[2]}) {
            QCOMPARE(tileOf(w, port)->result(), journal::Outcome::Done);
            QCOMPARE(text(tileOf(w, port), "lblResult"), "passed");
        }
        QCOMPARE(text(&w, "lblCounters"), "done 2, failed 1");
    }
    // The ports of the tiles not wholly inside the tile area's viewport.
    static QStringList outOfSight(const StationWindow& w) {
        const QWidget* viewport = w.findChild<QScrollArea*>("tileArea")->viewport();
        QStringList hidden;
        for (const StationTile* tile : tiles(w))
            if (!viewport->rect().contains(
                    QRect(tile->mapTo(viewport, QPoint(0, 0)), tile->size())))
                hidden << tile->port();
        return hidden;
    }
    // The tile of the unit pulled in the middle of its write: its sheet row and that it was
    // unplugged, and in the tooltip the reason in a technician's words and the command in flight.
    static void checkPulledTile(const StationTile* failed) {
        QCOMPARE(failed->result(), journal::Outcome::Failed);
        QCOMPARE(text(failed, "lblGiven"), "units.csv line 3, slave ID 12; unplugged");
        QCOMPARE(text(failed, "lblPhase"), "stopped");
        QVERIFY(failed->findChild<QProgressBar*>("barProgress")->isHidden());
        const QString tip = failed->findChild<QLabel*>("lblSummary")->toolTip();
        QVERIFY2(tip.startsWith("the unit stopped answering at the message of channel"),
                 qPrintable(tip));
        QVERIFY2(tip.contains("it may hold part of the new configuration"), qPrintable(tip));
        QVERIFY2(tip.contains("the command in flight: &M"), qPrintable(tip));
    }
    // The journal's write records of `port`, in the order they were made.
    QList<journal::Record> writesOf(const QString& port) {
        journal::Filter filter;
        filter.port = port;
        filter.action = journal::Action::Write;
        // The window records on the journal's thread.
        if (auto* worker = journal->findChild<journal::Worker*>()) worker->waitForRecords();
        QString error;
        QList<journal::Record> records = journal->store().list(filter, &error);
        std::sort(records.begin(), records.end(),
                  [](const journal::Record& a, const journal::Record& b) { return a.id < b.id; });
        return records;
    }

    // One write each for the units that passed; the retried one twice, failed then done and
    // verified.
    void journaledOnceBesidesTheRetried(const QStringList& ports, const QString& reason) {
        QCOMPARE(writesOf(ports[0]).size(), 1);
        QCOMPARE(writesOf(ports[2]).size(), 1);
        const QList<journal::Record> retried = writesOf(ports[1]);
        QCOMPARE(retried.size(), 2);
        QCOMPARE(retried[0].outcome, journal::Outcome::Failed);
        QVERIFY2(retried[0].reason.contains(reason), qPrintable(retried[0].reason));
        QCOMPARE(retried[1].outcome, journal::Outcome::Done);
        QCOMPARE(retried[1].verified.value_or(false), true);
    }
    // Six units with a sheet row each; the second hangs up during its write and is unplugged.
    void plugSixTheSecondPulledMidWrite() {
        QByteArray csv = "port,slave-id\n";
        for (int i = 1; i <= 6; ++i)
            csv += "unit" + QByteArray::number(i) + ',' + QByteArray::number(10 + i) + '\n';
        QVERIFY(writeFile("units.csv", csv));
        UnitFaults pulled;
        pulled.hangUpAfter = 40;
        for (int i = 1; i <= 6; ++i) {
            UnitSimulator* sim = unit(i == 2 ? pulled : UnitFaults{});
            QVERIFY(sim && plug(sim, QStringLiteral("unit%1").arg(i)));
            if (i == 2) connect(sim, &UnitSimulator::hungUp, this, [this] { unplug("unit2"); });
        }
    }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    }
    void init() {
        QSettings().clear();  // no file, sheet or ports remembered from another test
        const QString made = freshFolder();
        QVERIFY2(made.isEmpty(), qPrintable(made));
        QString error;
        journal = std::make_unique<journal::Journal>(
            journal::Target::parse(path("journal.sqlite"), &error));
        QVERIFY2(journal->open(), qPrintable(journal->openError()));
    }
    void cleanup() {
        journal.reset();
        units.clear();
    }

    // Two units pass and one fails; once its fault is gone, Retry Failed writes that one again
    // and leaves the others alone. Each unit gets its own sheet row. The failing one answers
    // the probe only: settings are not answered, so only the read-back finds that nothing was
    // stored. (What a silent unit is told is tst_unitrun's; here the tile shows the words.)
    void retryRunsOnlyTheFailed() {
        const QString reason = "no reply to ?A";
        const QString words =
            "no proper answer about the slave ID while it was read back after the write";
        UnitFaults fault;
        fault.probeOnly = true;
        QVERIFY(writeFile("units.csv", "port,slave-id\nunit1,11\nunit2,12\nunit3,13\n"));
        UnitSimulator* first = unit();
        UnitSimulator* faulty = unit(fault);
        UnitSimulator* third = unit();
        QVERIFY(first && faulty && third);
        QVERIFY(plug(first, "unit1") && plug(faulty, "unit2") && plug(third, "unit3"));
        const std::unique_ptr<StationWindow> w = window(journal.get());
        w->findChild<QLineEdit*>("edtSheet")->setText(path("units.csv"));
        w->findChild<QCheckBox*>("chkVerify")->setChecked(true);
        w->findChild<QCheckBox*>("chkBackup")->setChecked(false);  // each write is the first record
        auto* retry = w->findChild<QPushButton*>("cmdRetryFailed");
        QVERIFY(retry);
        w->findChild<QPushButton*>("cmdStart")->click();
        QVERIFY2(w->isRunning(), qPrintable(text(w.get(), "lblMessage")));

        const QStringList ports{path("unit1"), path("unit2"), path("unit3")};
        QVERIFY(waitForResults(*w, ports));
        checkMiddleFailed(*w, ports, words, reason);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(first->configuration().slaveId, 11);
        QCOMPARE(third->configuration().slaveId, 13);

        faulty->setFaults({});
        QVERIFY(retry->isEnabled());
        retry->click();
        QCOMPARE(tileOf(*w, ports[1])->result(), std::nullopt);  // running again
        QVERIFY(waitForResults(*w, ports));
        QCOMPARE(tileOf(*w, ports[1])->result(), journal::Outcome::Done);
        QCOMPARE(text(w.get(), "lblCounters"), "done 3, failed 0");
        QVERIFY(!retry->isEnabled());
        QCOMPARE(faulty->configuration().slaveId, 12);

        journaledOnceBesidesTheRetried(ports, reason);
        if (QTest::currentTestFailed()) return;

        // The next window offers what this station was started with.
        const StationWindow next(nullptr);
        for (const char* name : {"edtFile", "edtSheet", "edtPorts"})
            QCOMPARE(next.findChild<QLineEdit*>(name)->text(),
                     w->findChild<QLineEdit*>(name)->text());
    }

    // What cannot work is refused in the window's words, and no station starts (each problem of
    // a plan, found before any port is opened, is tst_plan's).
    void refusesBadSetUp_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("backup");
        QTest::addColumn<bool>("withJournal");
        QTest::addColumn<QString>("said");
        QTest::newRow("no file") << "" << false << true << "Choose the configuration file";
        QTest::newRow("backup, no journal")
            << "site.cfg" << true << false << "Back Up Before Writing";
    }
    void refusesBadSetUp() {
        QFETCH(QString, file);
        QFETCH(bool, backup);
        QFETCH(bool, withJournal);
        QFETCH(QString, said);
        const std::unique_ptr<StationWindow> w = window(withJournal ? journal.get() : nullptr);
        w->findChild<QLineEdit*>("edtFile")->setText(file.isEmpty() ? file : path(file));
        w->findChild<QCheckBox*>("chkBackup")->setChecked(backup);
        w->findChild<QPushButton*>("cmdStart")->click();
        QVERIFY(!w->isRunning());
        QVERIFY2(text(w.get(), "lblMessage").contains(said),
                 qPrintable(text(w.get(), "lblMessage")));
        QVERIFY(tiles(*w).isEmpty());
        QVERIFY(w->findChild<QPushButton*>("cmdStart")->isEnabled());
    }

    // Tools > Provisioning Station opens the window with the main window's journal. Closing it
    // while a unit runs asks: Wait lets the unit finish; Close Anyway ends the run and the
    // journal says it was cut short.
    void closeWhileRunningAsks_data() {
        QTest::addColumn<bool>("closeAnyway");
        QTest::newRow("wait") << false;
        QTest::newRow("close anyway") << true;
    }
    void closeWhileRunningAsks() {
        QFETCH(bool, closeAnyway);
        UnitSimulator* sim = unit();
        QVERIFY(sim && plug(sim, "unit1"));
        frmMain main;
        main.setJournal(journal.get());
        auto* open = main.findChild<QAction*>("actStation");
        QVERIFY(open);
        open->trigger();
        auto* w = main.findChild<StationWindow*>("frmStation");
        QVERIFY(w && w->isVisible());
        w->setProtocolInterval(30);
        w->findChild<QLineEdit*>("edtFile")->setText(path("site.cfg"));
        w->findChild<QLineEdit*>("edtPorts")->setText(path("unit*"));
        w->findChild<QPushButton*>("cmdStart")->click();
        QVERIFY(w->isRunning());
        QVERIFY(!tiles(*w).isEmpty());

        QString asked;
        const testsupport::ModalDriver driver(
            [&](QWidget* box) {
                asked = box->objectName();
                testsupport::ModalDriver::press(box, closeAnyway ? "Close Anyway" : "Wait");
            },
            WatchdogMs);
        QCOMPARE(w->close(), closeAnyway);
        QCOMPARE(asked, "closeQuestion");
        QCOMPARE(w->isVisible(), !closeAnyway);
        if (!closeAnyway) QVERIFY(waitForResults(*w, {path("unit1")}));
        const QList<journal::Record> writes = writesOf(path("unit1"));
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes[0].outcome,
                 closeAnyway ? journal::Outcome::Failed : journal::Outcome::Done);
        if (closeAnyway)
            QVERIFY2(writes[0].reason.contains("closed"), qPrintable(writes[0].reason));
    }

    // Six units at the window's first size: every tile in sight, the model while it runs,
    // what each was given; a unit pulled in the middle of its write keeps its tile with the
    // reason in a technician's words and the command in the tooltip, until dismissed. A refused
    // Start then clears the tiles of the station before.
    void tilesTellTheTechnician() {
        plugSixTheSecondPulledMidWrite();
        if (QTest::currentTestFailed()) return;
        const std::unique_ptr<StationWindow> w = window(journal.get());
        w->findChild<QLineEdit*>("edtSheet")->setText(path("units.csv"));
        w->findChild<QCheckBox*>("chkBackup")->setChecked(false);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->findChild<QPushButton*>("cmdStart")->click();
        QVERIFY2(w->isRunning(), qPrintable(text(w.get(), "lblMessage")));

        // Running, and already saying what it is and what it was given.
        const auto saysModel = [&] {
            const StationTile* tile = tileOf(*w, path("unit1"));
            return tile && !tile->result() && text(tile, "lblModel") == "QX-ALARM-1";
        };
        QTRY_VERIFY_WITH_TIMEOUT(saysModel(), WatchdogMs);
        QCOMPARE(text(tileOf(*w, path("unit1")), "lblGiven"), "units.csv line 2, slave ID 11");
        QCOMPARE(tiles(*w).size(), 6);
        QCOMPARE(outOfSight(*w), QStringList());

        QStringList ports;
        for (int i = 1; i <= 6; ++i)
            ports << path(QStringLiteral("unit%1").arg(i));
        QVERIFY(waitForResults(*w, ports));
        StationTile* failed = tileOf(*w, ports[1]);
        QTRY_VERIFY_WITH_TIMEOUT(text(failed, "lblGiven").contains("unplugged"), WatchdogMs);
        checkPulledTile(failed);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(text(w.get(), "lblCounters"), "done 5, failed 1");

        // Seen: the tile goes, the failure still counts.
        auto* dismiss = failed->findChild<QToolButton*>("cmdDismiss");
        QVERIFY(dismiss && dismiss->isVisible());
        dismiss->click();
        QCOMPARE(tiles(*w).size(), 5);
        QVERIFY(!tileOf(*w, ports[1]));
        QCOMPARE(text(w.get(), "lblCounters"), "done 5, failed 1");
        QVERIFY(!tileOf(*w, ports[0])->findChild<QToolButton*>("cmdDismiss")->isVisible());

        w->findChild<QPushButton*>("cmdStop")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isRunning(), WatchdogMs);
        w->findChild<QLineEdit*>("edtFile")->setText(path("absent.cfg"));
        w->findChild<QPushButton*>("cmdStart")->click();
        QVERIFY(!w->isRunning());
        QVERIFY(tiles(*w).isEmpty());
        QCOMPARE(text(w.get(), "lblCounters"), "");
    }
};

QTEST_MAIN(tst_stationwindow)
#include "tst_stationwindow.moc"
