// SPDX-License-Identifier: GPL-3.0-or-later
// The provisioning station's live table on a terminal, as the technician sees it: drawn into a
// file read back as a terminal of a given width would show it, and the real program on a
// pseudo-terminal that Enter is typed into.
#include <QtTest>

#include <functional>
#include <memory>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>
#include <cstdio>

#include "cli/StationView.h"
#include "configfile/ConfigDocument.h"
#include "configfile/ConfigFile.h"
#include "provision/DeviceWatcher.h"
#include "provision/Station.h"
#include "provision/StationPlan.h"
#include "provision/StationUnit.h"
#include "tests/support/PluggedUnits.h"
#include "tools/unitsim/UnitSimulator.h"

namespace {

constexpr int WatchdogMs = 60000;  // generous: the machine may be busy with other builds

// What a terminal `columns` wide shows after `bytes`: the cursor moves, line erasing and
// wrapping that the station's table uses. `wrapped` tells whether any line ran past the edge.
struct Screen {
    QStringList lines{QString()};
    bool wrapped = false;
};

// A wide character (the ones the tests use) takes two cells, the second held by U+FFFF.
constexpr QChar SecondCell(0xFFFF);

void put(Screen& screen, int& row, int& column, QChar c, int columns) {
    const bool wide = c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF;
    const QString cells = wide ? QString(c) + SecondCell : QString(c);
    if (column + cells.size() > columns) {
        screen.wrapped = true;
        ++row;
        column = 0;
    }
    while (screen.lines.size() <= row)
        screen.lines << QString();
    QString& line = screen.lines[row];
    if (line.size() < column) line = line.leftJustified(column);
    line = line.left(column) + cells + line.mid(column + cells.size());
    column += int(cells.size());
}

Screen terminal(const QString& bytes, int columns) {
    Screen screen;
    int row = 0, column = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const QChar c = bytes[i];
        if (c == '\x1b' && bytes.mid(i, 2) == "\x1b[") {
            qsizetype end = i + 2;
            while (end < bytes.size() && bytes[end].isDigit())
                ++end;
            const int count = bytes.mid(i + 2, end - i - 2).toInt();
            if (bytes[end] == 'A') row = qMax(0, row - count);
            if (bytes[end] == 'J') {
                screen.lines = screen.lines.mid(0, row + 1);
                screen.lines[row] = screen.lines[row].left(column);
            }
            i = end;
        } else if (c == '\n') {
            ++row;
            column = 0;
            while (screen.lines.size() <= row)
                screen.lines << QString();
        } else if (c == '\r') {
            column = 0;
        } else if (c != '\a') {
            put(screen, row, column, c, columns);
        }
    }
    while (!screen.lines.isEmpty() && screen.lines.last().isEmpty())
        screen.lines.removeLast();
    for (QString& line : screen.lines)
        line.remove(SecondCell);
    return screen;
}

}  // namespace

class tst_stationterminal : public QObject, fixtures::PluggedUnits {
    Q_OBJECT

private slots:
    void init() {
        const QString made = freshFolder();
        QVERIFY2(made.isEmpty(), qPrintable(made));
    }
    void cleanup() { units.clear(); }

    // On a terminal 80 columns wide the table never runs past the edge, each redraw
    // replaces the last one exactly, and a unit that failed and was pulled keeps its row with
    // its whole reason and its sheet row.
    void liveTable_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("sheetName");
        QTest::newRow("80 columns") << 80 << "units.csv";
        // Each takes two columns, so counting characters would run past the edge.
        QTest::newRow("80 columns, a sheet named in wide characters")
            << 80 << QString("ユニット一覧表ユニット一覧表ユニット一覧表.csv");
    }
    void liveTable() {
        QFETCH(int, columns);
        QFETCH(QString, sheetName);
        QVERIFY(writeFile(sheetName, "port,slave-id\nunit1,11\nunit2,22\n"));
        UnitFaults pulled;
        pulled.hangUpAfter = 40;
        UnitSimulator* good = unit();
        UnitSimulator* lost = unit(pulled);
        QVERIFY(good && lost && plug(good, "unit1") && plug(lost, "unit2"));
        connect(lost, &UnitSimulator::hungUp, this, [this] { unplug("unit2"); });
        provision::StationPlan plan;
        plan.task.mode = provision::RunInput::Mode::Write;
        plan.task.intervalMs = 30;
        plan.task.document = ConfigDocument::load(path("site.cfg"));
        plan.task.documentName = "site.cfg";
        plan.sheet = provision::Sheet::load(path(sheetName));
        QVERIFY(plan.task.document.ok && plan.sheet->ok());
        provision::UnitPool pool(plan);
        provision::DeviceWatcher watcher({path("unit*")});
        provision::Station bench(watcher, pool.job(), 0);
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
        QVERIFY(file);
        cli::StationView view(file.get(), true, false, bench, 0, [columns] { return columns; });
        cli::follow(view, bench, pool);
        watcher.start(50);
        const auto pulledAndListed = [&] {
            const provision::StationSlot* slot = bench.slotFor(path("unit2"));
            return bench.done() == 1 && slot && !slot->plugged;
        };
        QTRY_VERIFY_WITH_TIMEOUT(pulledAndListed(), WatchdogMs);
        const provision::StationSlot failed = *bench.slotFor(path("unit2"));
        QCOMPARE(failed.phase, provision::StationSlot::Phase::Ended);
        QCOMPARE(failed.outcome, journal::Outcome::Failed);
        bench.stop();

        QByteArray drawn;
        std::fflush(file.get());
        std::rewind(file.get());
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
            drawn.append(buffer, qsizetype(n));
        const Screen screen = terminal(QString::fromUtf8(drawn), columns);
        QVERIFY(!screen.wrapped);
        const QString shown = screen.lines.join('\n');

        // One table, nothing left over from an earlier drawing of it.
        QCOMPARE(screen.lines.filter("unit1").size(), 1);
        QCOMPARE(screen.lines.filter("unit2").size(), 1);
        QCOMPARE(screen.lines.filter("done 1, failed 1").size(), 1);
        QVERIFY2(screen.lines.filter("running").isEmpty(), qPrintable(shown));
        QVERIFY2(screen.lines.filter("unit2").first().contains("unplugged"), qPrintable(shown));
        // The reason lines under the failed row, put together again, say all of it.
        QStringList reason;
        for (const QString& line : screen.lines)
            if (line.startsWith("    ")) reason << line.trimmed();
        QVERIFY(failed.summary.contains("stopped answering"));
        QCOMPARE(reason.join(' '), sheetName + " line 3, slave ID 22: " + failed.summary);
    }

    // The station on a terminal as the technician sees it: a unit that failed and was pulled
    // keeps its row with its reason until Enter dismisses it, and it still counts.
    void enterDismissesPulledFailures() {
        constexpr int Columns = 100;
        UnitFaults silent;
        silent.silent = true;
        UnitSimulator* sim = unit(silent);
        QVERIFY(sim && plug(sim, "unit1"));
        int master = -1, slave = -1;
        winsize size{};
        size.ws_row = 24;
        size.ws_col = Columns;
        QVERIFY(::openpty(&master, &slave, nullptr, nullptr, &size) == 0);
        ::fcntl(master, F_SETFD, FD_CLOEXEC);
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QUELLIX_JOURNAL", path("journal.sqlite"));
        cli.setProcessEnvironment(env);
        cli.setChildProcessModifier([slave] {
            ::dup2(slave, STDIN_FILENO);
            ::dup2(slave, STDOUT_FILENO);
        });
        cli.start(QStringLiteral(QX_CLI_PATH), {"station", path("site.cfg"), "--watch",
                                                path("unit*"), "--interval", "30", "--no-bell"});
        ::close(slave);
        QByteArray drawn;
        const auto shows = [&](const std::function<bool(const QStringList&)>& wanted) {
            QDeadlineTimer watchdog(WatchdogMs);
            for (;;) {
                char bytes[4096];
                for (ssize_t got; (got = ::read(master, bytes, sizeof bytes)) > 0;)
                    drawn.append(bytes, qsizetype(got));
                if (wanted(terminal(QString::fromUtf8(drawn), Columns).lines)) return true;
                if (watchdog.hasExpired() || cli.state() == QProcess::NotRunning) return false;
                QTest::qWait(20);
            }
        };
        const auto has = [](const QStringList& lines, const char* text) {
            return !lines.filter(text).isEmpty();
        };
        QVERIFY2(shows([&](const QStringList& l) { return has(l, "no unit answered"); }), drawn);
        QVERIFY(unplug("unit1"));
        QVERIFY2(shows([&](const QStringList& l) { return has(l, "Enter dismisses"); }), drawn);
        QStringList lines = terminal(QString::fromUtf8(drawn), Columns).lines;
        QCOMPARE(lines.filter("unit1").size(), 1);
        QVERIFY(lines.filter("unit1").first().contains("unplugged"));
        QCOMPARE(::write(master, "\n", 1), 1);
        QVERIFY2(shows([&](const QStringList& l) { return !has(l, "unit1"); }), drawn);
        const Screen screen = terminal(QString::fromUtf8(drawn), Columns);
        QVERIFY(!screen.wrapped);
        QCOMPARE(screen.lines, QStringList{"done 0, failed 1"});  // nothing stale, one counter
        cli.terminate();
        QVERIFY(cli.waitForFinished(WatchdogMs));
        QCOMPARE(cli.exitCode(), 4);
        ::close(master);
    }
};

QTEST_GUILESS_MAIN(tst_stationterminal)
#include "tst_stationterminal.moc"
