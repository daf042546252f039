// SPDX-License-Identifier: GPL-3.0-or-later
// A batch write with read-back at the unit's real 100 ms pace: one unit alone, then eight at
// once, through the real quellix-cli against units in a separate quellix-unitsim process. Each
// unit has its own line and timer, so eight should take about as long as one. Then a one-phone
// edit written with a backup, sending everything against only what changed, and the same
// batch through a station: one unit plugged in, then eight plugged in at once. Then the auto
// pace: a read, a backed-up verified write, 64 units at once and a unit 150 ms late. Then, with
// a PostgreSQL server to stall (QX_TEST_PG_URL), a station of 64 units journaling to it while
// its journal table is locked for 10 s. Prints figures; it fails only when a run itself fails.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "configfile/ConfigFile.h"

namespace {

constexpr int Units = 8;
constexpr int RunTimeoutMs = 120'000;

ConfigurationSet benchSet() {
    ConfigurationSet set;
    set.slaveId = 9;
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        set.phoneNo[k] = QStringLiteral("0049%1").arg(k + 1, 6, 10, QLatin1Char('0'));
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        set.channelEnable[i] = i % 2 ? FlagTrue : FlagFalse;
        set.channelMessage[i] =
            QStringLiteral("Bench channel %1 ").arg(i + 1).leftJustified(60, '.');
    }
    return set;
}

// Seconds for one quellix-cli run over `ports` with `args`; negative when it did not succeed.
double timedCli(QStringList args, const QStringList& ports) {
    for (const QString& port : ports)
        args << QStringLiteral("-p") << port;
    QProcess cli;
    cli.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    cli.start(QStringLiteral(QX_CLI_PATH), args);
    const bool ended = cli.waitForFinished(RunTimeoutMs);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (ended && cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0) return seconds;
    std::fprintf(stderr, "quellix-bench-batch: %s over %lld port(s) failed (exit %d)\n",
                 qPrintable(args.first()), static_cast<long long>(ports.size()), cli.exitCode());
    cli.kill();
    cli.waitForFinished();
    return -1;
}

// Seconds for one write --verify over `ports`; negative when it did not succeed. The records
// go to the bench's own journal, never the user's.
double timedWrite(const QStringList& ports, const QString& file, const QStringList& options = {}) {
    const QString journal = QFileInfo(file).dir().filePath(QStringLiteral("journal.sqlite"));
    return timedCli(QStringList{QStringLiteral("write"), file, QStringLiteral("--verify"),
                                QStringLiteral("-q"), QStringLiteral("--journal"), journal} +
                        options,
                    ports);
}

// A file that differs from what the units hold in phone 1 alone.
QString oneEdit(const QTemporaryDir& dir, const QString& name, const QString& phone) {
    ConfigurationSet set = benchSet();
    set.phoneNo[0] = phone;
    QString file = dir.filePath(name);
    QString error;
    if (!configfile::save(file, set, &error)) {
        std::fprintf(stderr, "quellix-bench-batch: cannot write %s: %s\n", qPrintable(file),
                     qPrintable(error));
        return {};
    }
    return file;
}

// Seconds from starting a station to its end after `units` units, plugged in at once through
// quellix-unitsim --link, were written and read back; negative when it did not succeed.
double timedStation(int units, const QString& file) {
    QTemporaryDir folder;
    QProcess station;
    station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    station.start(QStringLiteral(QX_CLI_PATH),
                  {QStringLiteral("station"), file, QStringLiteral("--verify"),
                   QStringLiteral("--no-journal"), QStringLiteral("--no-bell"),
                   QStringLiteral("--count"), QString::number(units), QStringLiteral("--watch"),
                   folder.filePath(QStringLiteral("unit*"))});
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(QX_UNITSIM_PATH),
              {QStringLiteral("--count"), QString::number(units), QStringLiteral("--link"),
               folder.filePath(QStringLiteral("unit{n}"))});
    const bool ended = station.waitForFinished(RunTimeoutMs);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    sim.terminate();
    sim.waitForFinished(5000);
    if (ended && station.exitStatus() == QProcess::NormalExit && station.exitCode() == 0)
        return seconds;
    std::fprintf(stderr, "quellix-bench-batch: a station of %d unit(s) failed (exit %d)\n", units,
                 station.exitCode());
    station.kill();
    station.waitForFinished();
    return -1;
}

// A station of `units` units journaling to a PostgreSQL server whose journal table is locked
// for `stallMs` a few seconds in: how long the station took, each unit's time from plugged
// in to done, and the write records the server holds afterwards.
struct StalledStation {
    double seconds = -1;
    double fastestUnit = 0, slowestUnit = 0;
    int done = 0;
    int recorded = -1;
};

// Seconds since the epoch of an event line's leading ISO 8601 time.
double stamp(const QByteArray& line) {
    const QDateTime time =
        QDateTime::fromString(QString::fromLatin1(line.left(line.indexOf(' '))), Qt::ISODateWithMs);
    return double(time.toMSecsSinceEpoch()) / 1e3;
}

// The lock that stands for a stalled server, taken by psql in its own session.
void stallServer(QProcess& psql, const QString& url, int stallMs) {
    psql.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    psql.setStandardOutputFile(QProcess::nullDevice());
    psql.start(QStringLiteral("psql"),
               {url, QStringLiteral("-c"),
                QStringLiteral("BEGIN; LOCK TABLE journal IN ACCESS EXCLUSIVE MODE; "
                               "SELECT pg_sleep(%1); COMMIT;")
                    .arg(stallMs / 1000.0)});
}

// Write records of the units under `folder` that the server holds, after a sync of what
// waits locally; -1 when the journal cannot be read.
int recordsOnServer(const QString& url, const QString& folder, const QProcessEnvironment& env) {
    QProcess cli;
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(QX_CLI_PATH), {QStringLiteral("journal"), QStringLiteral("--sync"),
                                            QStringLiteral("--journal"), url});
    cli.waitForFinished(RunTimeoutMs);
    cli.start(QStringLiteral(QX_CLI_PATH), {QStringLiteral("journal"), QStringLiteral("--json"),
                                            QStringLiteral("--journal"), url});
    if (!cli.waitForFinished(RunTimeoutMs) || cli.exitCode() != 0) return -1;
    int count = 0;
    const QJsonArray records = QJsonDocument::fromJson(cli.readAllStandardOutput()).array();
    for (const QJsonValue record : records)
        if (record[QStringLiteral("action")] == QStringLiteral("write") &&
            record[QStringLiteral("port")].toString().startsWith(folder))
            ++count;
    return count;
}

StalledStation stalledStation(int units, const QString& file, const QString& url, int stallMs) {
    constexpr int StallAfterMs = 3000;
    QTemporaryDir folder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), folder.filePath(QStringLiteral("data")));
    QProcess station;
    station.setProcessEnvironment(env);
    station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    station.start(QStringLiteral(QX_CLI_PATH),
                  {QStringLiteral("station"), file, QStringLiteral("--journal"), url,
                   QStringLiteral("--no-bell"), QStringLiteral("--count"), QString::number(units),
                   QStringLiteral("--watch"), folder.filePath(QStringLiteral("unit*"))});
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(QX_UNITSIM_PATH),
              {QStringLiteral("--count"), QString::number(units), QStringLiteral("--link"),
               folder.filePath(QStringLiteral("unit{n}"))});
    station.waitForFinished(StallAfterMs);
    QProcess psql;
    stallServer(psql, url, stallMs);
    StalledStation figures;
    const bool ended = station.waitForFinished(RunTimeoutMs);
    figures.seconds = double(clock.nsecsElapsed()) / 1e9;
    psql.waitForFinished(stallMs + 5000);
    sim.terminate();
    sim.waitForFinished(5000);
    QHash<QByteArray, double> plugged;
    QList<double> took;
    for (const QByteArray& line : station.readAllStandardOutput().split('\n')) {
        const QByteArray port = line.mid(line.indexOf(' ') + 1).split(':').value(0).split(' ')[0];
        if (line.contains(": plugged in, running")) plugged.insert(port, stamp(line));
        if (line.contains("): done:") && plugged.contains(port))
            took << stamp(line) - plugged.value(port);
    }
    figures.done = int(took.size());
    if (!took.isEmpty()) {
        figures.fastestUnit = *std::min_element(took.begin(), took.end());
        figures.slowestUnit = *std::max_element(took.begin(), took.end());
    }
    figures.recorded = recordsOnServer(url, folder.path(), env);
    if (!ended) {
        station.kill();
        station.waitForFinished();
        figures.seconds = -1;
    }
    return figures;
}

// The stalled server's figures; skipped without a server to stall (QX_TEST_PG_URL, as
// scripts/pg-test-server.sh prints it, with PGPASSFILE for its password).
int stalledFigures(const QString& file) {
    constexpr int StationUnits = 64, StallMs = 10000;
    const QString url = qEnvironmentVariable("QX_TEST_PG_URL");
    if (url.isEmpty()) {
        std::printf(
            "station of %d units with the journal server stalled: skipped (no "
            "QX_TEST_PG_URL)\n",
            StationUnits);
        return 0;
    }
    const StalledStation stalled = stalledStation(StationUnits, file, url, StallMs);
    std::printf(
        "station of %d units, journal server stalled %d s: %.2f s, %d done, a unit took "
        "%.2f to %.2f s, %d write records on the server\n",
        StationUnits, StallMs / 1000, stalled.seconds, stalled.done, stalled.fastestUnit,
        stalled.slowestUnit, stalled.recorded);
    return stalled.seconds < 0 || stalled.done != StationUnits ? 1 : 0;
}

// Simulated units started with `options`; empty when they did not all start.
QStringList startUnits(QProcess& sim, int count, const QStringList& options = {}) {
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(QX_UNITSIM_PATH),
              QStringList{QStringLiteral("--count"), QString::number(count)} + options);
    QStringList ports;
    while (ports.size() < count && sim.waitForReadyRead(5000))
        while (sim.canReadLine() && ports.size() < count)
            ports << QString::fromLocal8Bit(sim.readLine()).trimmed();
    return ports.size() == count ? ports : QStringList();
}

void stopUnits(QProcess& sim) {
    sim.terminate();
    sim.waitForFinished(5000);
}

// The auto pace against the default simulated unit, 64 of them at once, and a unit that
// answers 150 ms late, beside the fixed pace's read. False when a run failed.
bool paceFigures(const QTemporaryDir& dir, const QString& file) {
    constexpr int Many = 64;
    constexpr double Floor = 9.9, SlowMs = 150;
    const QString journal = dir.filePath(QStringLiteral("pace.sqlite"));
    auto read = [&](const QString& pace) {
        return QStringList{QStringLiteral("read"),
                           QStringLiteral("-o"),
                           dir.filePath("{port}.txt"),
                           QStringLiteral("--pace"),
                           pace,
                           QStringLiteral("-q"),
                           QStringLiteral("--journal"),
                           journal};
    };
    QProcess sim, slow;
    const QStringList ports = startUnits(sim, Many);
    const QStringList late = startUnits(slow, 1, {QStringLiteral("--latency"), "150"});
    if (ports.isEmpty() || late.isEmpty()) return false;
    const QStringList one = ports.mid(0, 1);
    const double fixedRead = timedCli(read(QStringLiteral("fixed")), one);
    const double autoRead = timedCli(read(QStringLiteral("auto")), one);
    const double autoWrite =
        timedCli({QStringLiteral("write"), file, QStringLiteral("--backup"),
                  QStringLiteral("--verify"), QStringLiteral("--pace"), QStringLiteral("auto"),
                  QStringLiteral("-q"), QStringLiteral("--journal"), journal},
                 one);
    const double autoMany = timedCli(read(QStringLiteral("auto")), ports);
    const double slowRead = timedCli(read(QStringLiteral("auto")), late);
    stopUnits(sim);
    stopUnits(slow);
    if (fixedRead < 0 || autoRead < 0 || autoWrite < 0 || autoMany < 0 || slowRead < 0)
        return false;
    std::printf("read, fixed pace: %.2f s, ratio %.4f to the %.1f s floor (goal <= 1.003)\n",
                fixedRead, fixedRead / Floor, Floor);
    std::printf("read, auto pace: %.2f s, ratio %.3f to the floor (goal <= 0.1)\n", autoRead,
                autoRead / Floor);
    std::printf("write --backup --verify, auto pace: %.2f s (goal <= %.1f s)\n", autoWrite, Floor);
    std::printf(
        "read, auto pace: 1 unit %.2f s, %d units at once %.2f s, ratio %.3f "
        "(goal <= 1.05)\n",
        autoRead, Many, autoMany, autoMany / autoRead);
    std::printf(
        "read of a %.0f ms unit, auto pace: %.2f s, ratio %.3f to 99 x %.0f ms "
        "(goal <= 1.1)\n",
        SlowMs, slowRead, slowRead / (99 * SlowMs / 1000), SlowMs);
    std::printf("(each figure includes starting quellix-cli)\n");
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.txt"));
    QString error;
    if (!dir.isValid() || !configfile::save(file, benchSet(), &error)) {
        std::fprintf(stderr, "quellix-bench-batch: cannot write %s: %s\n", qPrintable(file),
                     qPrintable(error));
        return 1;
    }
    // --pace: the pace figures alone.
    if (app.arguments().contains(QStringLiteral("--pace"))) return paceFigures(dir, file) ? 0 : 1;

    QProcess sim;
    const QStringList ports = startUnits(sim, Units);
    if (ports.isEmpty()) {
        std::fprintf(stderr, "quellix-bench-batch: the simulator did not give %d ports\n", Units);
        stopUnits(sim);
        return 1;
    }

    const double one = timedWrite(ports.mid(0, 1), file);
    const double all = one < 0 ? -1 : timedWrite(ports, file);
    // Each edit differs from what the unit holds by then, so each sends one phone at least.
    const QString first = oneEdit(dir, QStringLiteral("edit1.txt"), QStringLiteral("0049111"));
    const QString second = oneEdit(dir, QStringLiteral("edit2.txt"), QStringLiteral("0049222"));
    const QStringList unit = ports.mid(0, 1);
    const double full =
        all < 0 || first.isEmpty() ? -1 : timedWrite(unit, first, {QStringLiteral("--backup")});
    const double changed =
        full < 0 || second.isEmpty()
            ? -1
            : timedWrite(unit, second,
                         {QStringLiteral("--backup"), QStringLiteral("--changed-only")});
    stopUnits(sim);
    if (one < 0 || all < 0 || full < 0 || changed < 0) return 1;
    std::printf(
        "write --verify at 100 ms: 1 unit %.2f s, %d units %.2f s, ratio %.3f "
        "(goal <= 1.05)\n",
        one, Units, all, all / one);
    std::printf(
        "one-phone edit, write --backup --verify %.2f s, with --changed-only %.2f s, ratio %.3f "
        "(goal <= 0.68)\n",
        full, changed, changed / full);
    const double stationOne = timedStation(1, file);
    const double stationAll = stationOne < 0 ? -1 : timedStation(Units, file);
    if (stationOne < 0 || stationAll < 0) return 1;
    std::printf(
        "station, write --verify at 100 ms: 1 unit %.2f s, %d plugged in at once %.2f s, "
        "ratio %.3f\n",
        stationOne, Units, stationAll, stationAll / stationOne);
    const bool paced = paceFigures(dir, file);
    return stalledFigures(file) == 0 && paced ? 0 : 1;
}
