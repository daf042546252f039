// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

#include "ConfigDocument.h"
#include "ConfigFile.h"
#include "DeviceWatcher.h"
#include "PluggedUnits.h"
#include "UnitSimulator.h"

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
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        QString error;
        QVERIFY2(ConfigFile::save(path("site.cfg"), UnitSimulator::sampleConfiguration(), &error),
                 qPrintable(error));
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
        UnitSimulator* gone = unit();
        QVERIFY(a && b && gone);
        QVERIFY(plug(a, "unit1") && plug(b, "unit2") && plug(gone, "unit3"));
        gone->hangUp();
        units.pop_back();  // closes its pseudo-terminal, so the link dangles
        QFile file(path("unit4.cfg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

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
    }

    // Three units plugged in one after another and one unplugged in the middle of its write: that
    // one fails, the others get the file with their own sheet row, and each run is journaled.
    void unitsPluggedOneAfterAnother() {
        QFile sheet(path("units.csv"));
        QVERIFY(sheet.open(QIODevice::WriteOnly));
        sheet.write("port,slave-id\nunit1,11\nunit2,22\nunit3,13\nunit4,14\n");
        sheet.close();
        UnitFaults pulled;
        pulled.hangUpAfter = 40;  // the probe and some of the write
        UnitSimulator* first = unit();
        UnitSimulator* lost = unit(pulled);
        UnitSimulator* third = unit();
        UnitSimulator* fourth = unit();
        QVERIFY(first && lost && third && fourth);
        connect(lost, &UnitSimulator::hungUp, this, [this] { unplug("unit2"); });

        start({"--sheet", path("units.csv"), "--verify", "--count", "3", "--no-bell"});
        QVERIFY(station.waitForStarted(5000));
        QVERIFY(plug(first, "unit1"));
        QVERIFY2(waitFor("unit1 (QX-ALARM-1): done"), out);
        QVERIFY(plug(lost, "unit2"));
        QVERIFY2(waitFor("unit2 (QX-ALARM-1): failed"), out);
        QVERIFY2(waitFor("unit2: unplugged"), out);
        QVERIFY(plug(third, "unit3"));
        QVERIFY(plug(fourth, "unit4"));
        const int code = finish();
        QVERIFY2(code == 4, out + station.readAllStandardError());  // three done, but one failed
        QVERIFY2(out.contains("unit3 (QX-ALARM-1): done: written and verified"), out);
        QVERIFY2(out.contains("unit4 (QX-ALARM-1): done: written and verified"), out);
        QVERIFY2(out.contains("done 3 of 3, failed 1"), out);

        QCOMPARE(first->configuration().slaveId, 11);
        QCOMPARE(third->configuration().slaveId, 13);
        QCOMPARE(fourth->configuration().slaveId, 14);
        ConfigurationSet expected = UnitSimulator::sampleConfiguration();
        expected.slaveId = 14;
        QVERIFY(fourth->configuration() == expected);

        const QJsonArray records = journal();
        for (const QString name : {"unit1", "unit2", "unit3", "unit4"}) {
            const QList<QJsonObject> writes = writesOf(records, path(name));
            QCOMPARE(writes.size(), 1);
            const bool done = name != "unit2";
            QCOMPARE(writes[0]["outcome"].toString(), done ? "done" : "failed");
            QCOMPARE(writes[0]["verified"].toBool(), done);
        }
        QVERIFY(writesOf(records, path("unit2"))[0]["reason"].toString().contains("line was lost"));
    }

    // A unit left plugged in is written once; unplugged and plugged in again, it is written again.
    void pluggedAgainRunsAgain() {
        UnitSimulator* sim = unit();
        QVERIFY(sim);
        QVERIFY(QDir(path("")).mkdir("backups"));
        start(
            {"--count", "2", "--no-bell", "--set", "slave-id=7", "--backup-dir", path("backups")});
        QVERIFY(station.waitForStarted(5000));
        QVERIFY(plug(sim, "unit1"));
        QVERIFY2(waitFor(": done"), out);
        QTest::qWait(1500);  // three looks at the folder at least
        out += station.readAllStandardOutput();
        QCOMPARE(out.count("plugged in"), 1);
        QVERIFY(unplug("unit1"));
        QVERIFY2(waitFor("unit1: unplugged"), out);
        QVERIFY(plug(sim, "unit1"));
        QCOMPARE(finish(), 0);
        QCOMPARE(out.count("plugged in"), 2);
        QCOMPARE(sim->configuration().slaveId, 7);
        QCOMPARE(writesOf(journal(), path("unit1")).size(), 2);
        // Each run saved what the unit held before it: 30 the first time, 7 the second.
        const QStringList backups = QDir(path("backups")).entryList({"unit1-*.json"}, QDir::Files);
        QCOMPARE(backups.size(), 2);  // sorted by name, which holds the time
        const int held[] = {30, 7};
        for (int i = 0; i < 2; ++i) {
            const ConfigDocument saved = ConfigDocument::load(path("backups/" + backups[i]));
            QVERIFY2(saved.ok, qPrintable(saved.error));
            QCOMPARE(saved.set.slaveId, held[i]);
        }
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
};

QTEST_GUILESS_MAIN(tst_station)
#include "tst_station.moc"
