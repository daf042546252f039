// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <unistd.h>
#include <QtTest>

#include "configfile/ConfigFile.h"
#include "tools/unitsim/UnitFramer.h"
#include "tools/unitsim/UnitSimulator.h"

Q_DECLARE_METATYPE(UnitFaults)

namespace {

using L = QByteArrayList;

// The tool's end of the line. The simulator may run on this thread's event loop, so every wait
// keeps processing events.
struct ToolEnd {
    explicit ToolEnd(const QString& path)
        : fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~ToolEnd() { ::close(fd); }
    bool send(const QByteArray& command) const {
        return ::write(fd, command.constData(), command.size()) == command.size();
    }
    // Everything that arrives within `ms`, or `size` bytes as soon as they are there.
    QByteArray read(int ms, qsizetype size = 0) const {
        QByteArray got;
        for (QDeadlineTimer end(ms); !end.hasExpired() && (size == 0 || got.size() < size);) {
            QTest::qWait(5);
            char buffer[4096];
            for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
                got.append(buffer, n);
        }
        return got;
    }
    const int fd;
};

constexpr int ReplyWaitMs = 5000;  // upper bound only; replies normally arrive at once
constexpr int SilenceMs = 300;     // how long "no reply" is watched for

}  // namespace

class tst_unitsim : public QObject {
    Q_OBJECT
private slots:
    void framing_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<L>("framed");  // the commands, then what is left pending
        QTest::newRow("CR; LF, NUL between")
            << QByteArray("?A\r\n\0?E\r", 8) << L{"?A\r", "?E\r", ""};
        QTest::newRow("text to NUL CR") << QByteArray("&P01a\r\n\0x\r\0\r?P01\r", 17)
                                        << L{QByteArray("&P01a\r\n\0x\r\0\r", 12), "?P01\r", ""};
        QTest::newRow("garbage bound") << QByteArray(100000, 'x') + "\r?A\r" << L{"?A\r", ""};
        QTest::newRow("overlong text skipped to NUL CR")
            << "&M00" + QByteArray(100, 'a') + QByteArray("\rb\0\r?\r", 6) << L{"?\r", ""};
    }
    void framing() {
        QFETCH(QByteArray, line);
        QFETCH(L, framed);
        UnitFramer framer(64);
        QCOMPARE(framer.feed(line) << framer.pending(), framed);
    }

    void faults_data() {
        QTest::addColumn<UnitFaults>("faults");
        QTest::addColumn<L>("commands");
        QTest::addColumn<L>("replies");    // empty: no reply at all
        QTest::addColumn<int>("slaveId");  // what the unit holds at the end
        const QByteArray model(">QX-ALARM-1");
        // Faults whose effect another suite asserts exactly are proven there: probe only
        // (tst_stationwindow::retryRunsOnlyTheFailed), late once
        // (tst_devicelink::slippedReplies), delay (tst_unitrun::failure), busy
        // (tst_unitrun::autoPace), chunks (tst_linkpace::arrivals).
        QTest::newRow("hang up at once") << UnitFaults{.hangUpAfter = 0} << L{"?\r"} << L{""} << 5;
        QTest::newRow("latency and jitter") << UnitFaults{.latencyMs = 150, .jitterMs = 60}
                                            << L{"?\r", "?A\r"} << L{model, "A05"} << 5;
        QTest::newRow("drop every second")
            << UnitFaults{.dropEvery = 2} << L{"?\r", "&A01\r", "&A02\r", "?A\r", "?A\r"}
            << L{model, "", "OK\r", "", "A02"} << 2;
    }
    void faults() {
        QFETCH(UnitFaults, faults);
        QFETCH(L, commands);
        QFETCH(L, replies);
        QFETCH(int, slaveId);
        UnitSimulator unit;
        unit.setFaults(faults);
        QVERIFY(unit.open());
        ToolEnd tool(unit.slavePath());
        for (qsizetype i = 0; i < commands.size(); ++i) {
            QVERIFY(tool.send(commands[i]));
            // A late reply can never be early: nothing may be there a quarter delay on.
            const int lead = faults.delayMs + faults.latencyMs;
            if (lead > 0) QCOMPARE(tool.read(lead / 4), QByteArray());
            const int wait = replies[i].isEmpty() ? SilenceMs : ReplyWaitMs;
            QCOMPARE(tool.read(wait, replies[i].size()), replies[i]);
        }
        // No setting gets through a fault; one the unit took is kept.
        QCOMPARE(unit.configuration().slaveId, slaveId);
        QTRY_COMPARE(unit.isOpen(), faults.hangUpAfter < 0);
    }

    // The command-line unit: answers (a reply given on the command line instead of its own),
    // logs, stays up while the tool reopens the port, and saves what it was sent when
    // terminated.
    void executableRoundTrip() {
        QTemporaryDir dir;
        QProcess sim;
        sim.start(QCoreApplication::applicationDirPath() + "/../tools/unitsim/quellix-unitsim",
                  {"--save", dir.filePath("out.txt"), "--log", dir.filePath("unit.log"), "--model",
                   "ABC", "--answer", "?A=AZ\\x5A\\r"});
        QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), ReplyWaitMs);
        const QString path = QString::fromLocal8Bit(sim.readLine().trimmed());
        const QByteArray text("a\\\x01\x7F\xE9\r\n");
        for (const auto& [command, reply] : QList<std::pair<QByteArray, QByteArray>>{
                 {"?\r", ">ABC"},
                 {"&M05" + text + QByteArray("\0\r", 2), "OK\r"},
                 {"?M05\r", "M05" + text},
                 {"?A\r", "AZZ\r"}}) {
            ToolEnd tool(path);
            QVERIFY(tool.send(command));
            QCOMPARE(tool.read(ReplyWaitMs, reply.size()), reply);
            QCOMPARE(tool.read(50), QByteArray());  // nothing trails the reply
        }
        sim.terminate();  // SIGTERM
        QVERIFY(sim.waitForFinished(ReplyWaitMs));
        QCOMPARE(sim.exitCode(), 0);
        const configfile::LoadResult saved = configfile::load(dir.filePath("out.txt"), {});
        QCOMPARE(saved.set.channelMessage[5], QString::fromLatin1(text));
        QFile log(dir.filePath("unit.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("?\\r\n&M05a\\\\\\x01\\x7F\\xE9\\r\\n\\0\\r\n"
                                           "?M05\\r\n?A\\r\n"));
    }
};

QTEST_GUILESS_MAIN(tst_unitsim)
#include "tst_unitsim.moc"
