// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <vector>

#include "provision/DeviceWatcher.h"
#include "tests/support/PluggedUnits.h"
#include "tools/unitsim/UnitSimulator.h"

// The provisioning station, run as the real program against simulated units that are plugged
// in and out by making and removing symbolic links to their pseudo-terminals.
namespace {

constexpr int WatchdogMs = 60000;  // generous: the machine may be busy with other builds

}  // namespace

class tst_station : public QObject, fixtures::PluggedUnits {
    Q_OBJECT

    QProcess station;
    QByteArray out;

    void start(const QStringList& extra) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QUELLIX_JOURNAL", path("journal.sqlite"));
        station.setProcessEnvironment(env);
        station.setProgram(QStringLiteral(QX_CLI_PATH));
        station.setWorkingDirectory(dir->path());
        station.setArguments(
            QStringList{"station", path("site.cfg"), "--watch", path("unit*"), "--interval", "30"} +
            extra);
        out.clear();
        station.start();
    }
    // Serves the simulated units until standard output holds `text` `times` times.
    bool waitFor(const QByteArray& text, int times = 1) {
        QDeadlineTimer watchdog(WatchdogMs);
        while (out.count(text) < times && !watchdog.hasExpired() &&
               station.state() != QProcess::NotRunning) {
            QTest::qWait(20);
            out += station.readAllStandardOutput();
        }
        out += station.readAllStandardOutput();
        if (out.count(text) >= times) return true;
        out += "\nstandard error:\n" + station.readAllStandardError();
        return false;
    }
    int finish() {
        QDeadlineTimer watchdog(WatchdogMs);
        while (station.state() != QProcess::NotRunning && !watchdog.hasExpired())
            QTest::qWait(20);
        out += station.readAllStandardOutput();
        if (station.state() != QProcess::NotRunning) {
            station.kill();
            station.waitForFinished(5000);
            return -2;
        }
        return station.exitStatus() == QProcess::NormalExit ? station.exitCode() : -1;
    }
    // The outcomes of the write records of `port`, oldest first.
    QStringList outcomesOf(const QString& port) {
        QStringList outcomes;
        for (const QJsonObject& record : writesOf(journal(), path(port)))
            outcomes.prepend(record["outcome"].toString());
        return outcomes;
    }
    QJsonArray journal() {
        QProcess list;
        list.start(QStringLiteral(QX_CLI_PATH),
                   {"journal", "--json", "--journal", path("journal.sqlite")});
        if (!list.waitForFinished(WatchdogMs)) return {};
        return QJsonDocument::fromJson(list.readAllStandardOutput()).array();
    }
    // The journal's write records of one port, newest first.
    static QList<QJsonObject> writesOf(const QJsonArray& records, const QString& port) {
        QList<QJsonObject> found;
        for (const QJsonValue& value : records) {
            const QJsonObject record = value.toObject();
            if (record["action"] == "write" && record["port"] == port) found << record;
        }
        return found;
    }

private slots:
    void init() {
        const QString made = freshFolder();
        QVERIFY2(made.isEmpty(), qPrintable(made));
    }
    void cleanup() {
        if (station.state() != QProcess::NotRunning) {
            station.kill();
            station.waitForFinished(5000);
        }
        units.clear();
    }

    // A link counts while its device exists; a dangling link or a plain file never does.
    void watcherFollowsLinks() {
        UnitSimulator* a = unit();
        UnitSimulator* b = unit();
        QVERIFY(a && b);
        QVERIFY(plug(a, "unit1") && plug(b, "unit2"));
        // Dangling at a path that never exists: a closed pseudo-terminal's number is soon
        // another test's, which would make the link count again.
        QVERIFY(QFile::link(path("no-such-folder/ttyX"), path("unit3")));
        QVERIFY(writeFile("unit4.cfg", {}));

        provision::DeviceWatcher watcher({path("unit*")});
        QStringList appeared, disappeared;
        connect(&watcher, &provision::DeviceWatcher::appeared, this,
                [&](const QString& p) { appeared << QFileInfo(p).fileName(); });
        connect(&watcher, &provision::DeviceWatcher::disappeared, this,
                [&](const QString& p) { disappeared << QFileInfo(p).fileName(); });
        const QStringList expected{"unit1", "unit2"};
        watcher.poll();
        QCOMPARE(appeared, expected);
        watcher.poll();
        QCOMPARE(appeared, expected);  // still there: not again
        QVERIFY(unplug("unit2"));
        watcher.poll();
        QCOMPARE(disappeared, QStringList{"unit2"});
        // Pointed at another device between two looks: one unplugged, another plugged in.
        QVERIFY(unplug("unit1") && plug(b, "unit1"));
        watcher.poll();
        QCOMPARE(disappeared, (QStringList{"unit2", "unit1"}));
        QCOMPARE(appeared, (QStringList{"unit1", "unit2", "unit1"}));
    }

    // A unit written, unplugged and plugged in again is written again. (That one left plugged
    // in is not is the flap row of replugIsOneUnit.)
    void pluggedAgainRunsAgain() {
        UnitSimulator* sim = unit();
        QVERIFY(sim);
        start({"--count", "2", "--no-bell", "--set", "slave-id=7"});
        QVERIFY(station.waitForStarted(5000));
        QVERIFY(plug(sim, "unit1"));
        QVERIFY2(waitFor(": done"), out);
        QVERIFY(unplug("unit1"));
        QVERIFY2(waitFor("unit1: unplugged"), out);
        QVERIFY(plug(sim, "unit1"));
        QCOMPARE(finish(), 0);
        QCOMPARE(out.count("plugged in"), 2);
        QCOMPARE(sim->configuration().slaveId, 7);
        QCOMPARE(writesOf(journal(), path("unit1")).size(), 2);
    }

    // The first SIGTERM takes no new unit but lets the one being written finish.
    void interruptLetsTheRunningUnitFinish() {
        UnitSimulator* running = unit();
        UnitSimulator* late = unit();
        QVERIFY(running && late);
        start({"--no-bell", "--set", "slave-id=5"});
        QVERIFY(station.waitForStarted(5000));
        QVERIFY(plug(running, "unit1"));
        QVERIFY2(waitFor("plugged in"), out);
        QTest::qWait(300);  // into the write
        station.terminate();
        QVERIFY2(waitFor("interrupted"), out);
        QVERIFY(plug(late, "unit2"));
        QCOMPARE(finish(), 0);
        QVERIFY2(out.contains("unit1 (QX-ALARM-1): done"), out);
        QVERIFY2(!out.contains("unit2"), out);
        QCOMPARE(running->configuration().slaveId, 5);
        QCOMPARE(late->configuration().slaveId, 30);
    }

    // Six units plugged in at once with --count 2: two are written, the others are never
    // touched. A failed one does not count, so one waiting takes its place.
    void countNeverStartsMoreThanAsked() {
        UnitFaults silent;
        silent.silent = true;
        std::vector<UnitSimulator*> sims;
        for (int i = 1; i <= 6; ++i) {
            UnitSimulator* sim = unit(i == 1 ? silent : UnitFaults{});
            QVERIFY(sim && plug(sim, QStringLiteral("unit%1").arg(i)));
            sims.push_back(sim);
        }
        start({"--count", "2", "--no-bell", "--set", "slave-id=7"});
        QVERIFY2(finish() == 4, out + station.readAllStandardError());  // two done, one failed
        QVERIFY2(out.contains("waiting"), out);
        QVERIFY2(out.contains("done 2 of 2"), out);
        QStringList recorded;
        for (int i = 1; i <= 6; ++i)
            recorded += outcomesOf(QStringLiteral("unit%1").arg(i));
        QCOMPARE(recorded, (QStringList{"failed", "done", "done"}));
        const auto written = std::count_if(sims.begin(), sims.end(), [](UnitSimulator* sim) {
            return sim->configuration().slaveId == 7;
        });
        QCOMPARE(written, 2);
    }

    // A unit is counted once, by its last run: failed and plugged in again, cut short by a
    // line lost and back, or its link gone and back while the line held.
    void replugIsOneUnit_data() {
        QTest::addColumn<int>("how");
        QTest::addColumn<QStringList>("outcomes");
        QTest::addColumn<QString>("said");  // of the run cut short
        QTest::newRow("failed, put right, plugged in again")
            << 0 << QStringList{"failed", "done"} << "the run before: no unit answered";
        QTest::newRow("line lost mid-write, back on another line")
            << 1 << QStringList{"failed", "done"}
            << "the run before: the unit stopped answering at the message of channel";
        QTest::newRow("link gone and back, the line held") << 2 << QStringList{"done"} << "";
    }
    void replugIsOneUnit() {
        QFETCH(int, how);
        QFETCH(QStringList, outcomes);
        QFETCH(QString, said);
        UnitFaults faults;
        faults.silent = how == 0;
        faults.hangUpAfter = how == 1 ? 40 : -1;
        UnitSimulator* sim = unit(faults);
        UnitSimulator* spare = unit();
        QVERIFY(sim && spare);
        if (how == 1)
            connect(sim, &UnitSimulator::hungUp, this, [this, spare] {
                unplug("unit1");
                plug(spare, "unit1");
            });
        QVERIFY(plug(sim, "unit1"));
        // The flap: a second unit is asked for, so a unit written twice would end the station.
        const QByteArray units = how == 2 ? "2" : "1";
        QStringList options{"--count", units, "--no-bell", "--set", "slave-id=7"};
        if (how == 2) options << "--backup";
        start(options);
        if (how == 0) {
            QVERIFY2(waitFor("unit1: failed: no unit answered"), out);
            sim->setFaults({});
            QVERIFY(unplug("unit1"));
            QVERIFY2(waitFor("unit1: unplugged; it stays listed"), out);
            QVERIFY(plug(sim, "unit1"));
        } else if (how == 2) {
            QVERIFY2(waitFor("plugged in"), out);
            QTest::qWait(200);  // into the write, which takes seconds
            QVERIFY(unplug("unit1"));
            QVERIFY2(waitFor("unit1: unplugged"), out);
            QVERIFY(plug(sim, "unit1"));
            QVERIFY2(waitFor(": done"), out);
            QTest::qWait(1500);  // three looks at the folder at least: no second run
            QVERIFY(plug(spare, "unit2"));
        }
        QVERIFY2(finish() == 0, out + station.readAllStandardError());
        QVERIFY2(out.contains("done " + units + " of " + units + ", failed 0"), out);
        QCOMPARE(outcomesOf("unit1"), outcomes);
        QCOMPARE(out.count(": done"), units.toInt());
        if (!said.isEmpty()) QVERIFY2(out.contains(said.toUtf8()), out);
        QCOMPARE((how == 0 ? sim : spare)->configuration().slaveId, 7);
        if (how != 2) return;
        // Without --backup-dir a backup is a journal record only, no file in the folder.
        QCOMPARE(QDir(dir->path()).entryList({"*.json", "*.cfg"}, QDir::Files),
                 QStringList{"site.cfg"});
        const QJsonArray records = journal();
        QVERIFY(std::any_of(records.begin(), records.end(),
                            [](const QJsonValue& r) { return r["action"] == "backup"; }));
    }

    // A sheet for a whole site: the unit finds its row among 100,000, and what is said of
    // the rest is a line or two, not one per row.
    void largeSheet() {
        constexpr int Rows = 100000, Mine = 77777;
        QByteArray csv = "port,slave-id,phone.1\n";
        csv.reserve(Rows * 32);
        for (int i = 1; i <= Rows; ++i)
            csv += "unit" + QByteArray::number(i) + ',' + QByteArray::number(i % 32) +
                   ",1234567890123456\n";  // 16 characters: a note each
        QVERIFY(writeFile("units.csv", csv));
        UnitSimulator* sim = unit();
        QVERIFY(sim && plug(sim, QStringLiteral("unit%1").arg(Mine)));

        start({"--sheet", path("units.csv"), "--count", "1", "--no-bell"});
        const int code = finish();
        const QByteArray notes = station.readAllStandardError();
        QVERIFY2(code == 0, out + notes);
        QCOMPARE(sim->configuration().slaveId, Mine % 32);
        QVERIFY2(out.contains("units.csv line 77778, slave ID 17"), out);
        QVERIFY2(notes.count('\n') <= 8, notes);
        QVERIFY2(notes.contains(": 99995 more values like these"), notes);

        QProcess write;
        write.start(QStringLiteral(QX_CLI_PATH),
                    {"write", "-p", path("unit77777"), path("site.cfg"), "--sheet",
                     path("units.csv"), "--interval", "30", "--no-journal"});
        QVERIFY(write.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(write.state() == QProcess::NotRunning, WatchdogMs);  // serving
        const QByteArray said = write.readAllStandardError();
        QCOMPARE(write.exitCode(), 0);
        QCOMPARE(said.count("left out"), 1);
        QVERIFY2(said.contains("99999 rows (lines 2, 3, ... 100001) are for ports not given"),
                 said);
    }
};

QTEST_GUILESS_MAIN(tst_station)
#include "tst_station.moc"
