// SPDX-License-Identifier: GPL-3.0-or-later
// The provisioning station's live table on a terminal, as the technician sees it: the real
// program on a pseudo-terminal that Enter is typed into, its output read back as a terminal of
// that width would show it.
#include <QtTest>

#include <functional>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

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

    // Starts the station on a new pseudo-terminal `columns` wide, its standard input and output;
    // the terminal's end to read and type into, or -1.
    int startOnTerminal(QProcess& cli, int columns, const QStringList& extra) {
        int master = -1, slave = -1;
        winsize size{};
        size.ws_row = 24;
        size.ws_col = ushort(columns);
        if (::openpty(&master, &slave, nullptr, nullptr, &size) != 0) return -1;
        ::fcntl(master, F_SETFD, FD_CLOEXEC);
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QUELLIX_JOURNAL", path("journal.sqlite"));
        cli.setProcessEnvironment(env);
        cli.setChildProcessModifier([slave] {
            ::dup2(slave, STDIN_FILENO);
            ::dup2(slave, STDOUT_FILENO);
        });
        cli.start(QStringLiteral(QX_CLI_PATH),
                  QStringList{"station", path("site.cfg"), "--watch", path("unit*"), "--interval",
                              "30", "--no-bell"} +
                      extra);
        ::close(slave);
        return master;
    }
    // One table, nothing left over from an earlier drawing of it, nothing past the edge, and the
    // pulled unit's row followed by its whole reason with its sheet row.
    static void checkPulledRow(const Screen& screen, const QString& sheetName) {
        QVERIFY(!screen.wrapped);
        const QString shown = screen.lines.join('\n');
        QCOMPARE(screen.lines.filter("unit1").size(), 1);
        QCOMPARE(screen.lines.filter("unit2").size(), 1);
        QCOMPARE(screen.lines.filter("done 1, failed 1").size(), 1);
        QVERIFY2(screen.lines.filter("running").isEmpty(), qPrintable(shown));
        QVERIFY2(screen.lines.filter("unit2").first().contains("unplugged"), qPrintable(shown));
        // The reason lines under the failed row, put together again, say all of it.
        QStringList reason;
        for (const QString& line : screen.lines)
            if (line.startsWith("    ")) reason << line.trimmed();
        const QRegularExpression whole(
            '^' +
            QRegularExpression::escape(sheetName +
                                       " line 3, slave ID 22: the unit stopped answering at ") +
            ".+ while it was written; it may hold part of the new configuration$");
        QVERIFY2(whole.match(reason.join(' ')).hasMatch(), qPrintable(shown));
    }

private slots:
    void init() {
        const QString made = freshFolder();
        QVERIFY2(made.isEmpty(), qPrintable(made));
    }
    void cleanup() { units.clear(); }

    // The station on a terminal 80 columns wide, as the technician sees it: the table never
    // runs past the edge and each redraw replaces the last one exactly; a unit that failed and
    // was pulled keeps its row with its whole reason and its sheet row until Enter dismisses
    // it, and it still counts. The sheet is named in wide characters: each takes two columns,
    // so counting characters would run past the edge.
    void liveTable() {
        constexpr int Columns = 80;
        const QString sheetName = "ユニット一覧表ユニット一覧表ユニット一覧表.csv";
        QVERIFY(writeFile(sheetName, "port,slave-id\nunit1,11\nunit2,22\n"));
        UnitFaults pulled;
        pulled.hangUpAfter = 40;
        UnitSimulator* good = unit();
        UnitSimulator* lost = unit(pulled);
        QVERIFY(good && lost && plug(good, "unit1") && plug(lost, "unit2"));
        connect(lost, &UnitSimulator::hungUp, this, [this] { unplug("unit2"); });
        QProcess cli;
        const int master = startOnTerminal(cli, Columns, {"--sheet", path(sheetName)});
        QVERIFY(master >= 0);
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
        QVERIFY2(shows([&](const QStringList& l) {
                     return has(l, "done 1, failed 1; Enter dismisses");
                 }),
                 drawn);
        checkPulledRow(terminal(QString::fromUtf8(drawn), Columns), sheetName);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(::write(master, "\n", 1), 1);
        QVERIFY2(shows([&](const QStringList& l) { return !has(l, "unit2"); }), drawn);
        const QStringList after = terminal(QString::fromUtf8(drawn), Columns).lines;
        QCOMPARE(after.size(), 2);  // the unit still plugged in, and one counter
        QVERIFY2(after[0].contains("unit1"), qPrintable(after.join('\n')));
        QCOMPARE(after[1], "done 1, failed 1");
        cli.terminate();
        QVERIFY(cli.waitForFinished(WatchdogMs));
        QCOMPARE(cli.exitCode(), 4);
        ::close(master);
    }
};

QTEST_GUILESS_MAIN(tst_stationterminal)
#include "tst_stationterminal.moc"
