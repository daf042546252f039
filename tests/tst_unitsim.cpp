#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>
#include <QtTest>

#include "ConfigFile.h"
#include "UnitFramer.h"
#include "UnitSimulator.h"

Q_DECLARE_METATYPE(UnitFaults)

namespace {

QByteArray bytes(const char* text, qsizetype size) {
    return QByteArray(text, size);
}

// The tool's end of the line, opened with plain POSIX calls. The simulator runs on this
// thread's event loop, so every wait keeps processing events.
class ToolEnd {
public:
    explicit ToolEnd(const QString& path)
        : fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~ToolEnd() {
        if (fd >= 0) ::close(fd);
    }
    bool send(const QByteArray& command) const {
        return ::write(fd, command.constData(), command.size()) == command.size();
    }
    // Everything that arrives within `ms`, or up to `size` bytes as soon as they are there.
    QByteArray read(int ms, qsizetype size = -1) const {
        QByteArray got;
        QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired() && (size < 0 || got.size() < size)) {
            QTest::qWait(5);
            char buffer[65536];
            ssize_t n;
            while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
                got.append(buffer, n);
        }
        return got;
    }
    bool hungUp() const {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, 0) == 1 && (p.revents & POLLHUP);
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
        QTest::addColumn<QList<QByteArray>>("arrivals");
        QTest::addColumn<QList<QByteArray>>("commands");
        QTest::addColumn<QByteArray>("pending");
        using L = QList<QByteArray>;
        QTest::newRow("CR") << L{"?\r"} << L{"?\r"} << QByteArray();
        QTest::newRow("two at once") << L{"?A\r?E\r"} << L{"?A\r", "?E\r"} << QByteArray();
        QTest::newRow("split arrivals") << L{"&P0", "1ab\r", bytes("\n\0", 2), "\r?", "\r"}
                                        << L{bytes("&P01ab\r\n\0\r", 10), "?\r"} << QByteArray();
        QTest::newRow("NUL alone does not end &P")
            << L{bytes("&P00\0x\r", 7)} << L{} << bytes("&P00\0x\r", 7);
        QTest::newRow("NUL CR is plain for ?P")
            << L{bytes("?P00\0\r", 6)} << L{bytes("?P00\0\r", 6)} << QByteArray();
        QTest::newRow("LF NUL between commands skipped")
            << L{bytes("\n\0?\r\n", 5)} << L{"?\r"} << QByteArray();
        QTest::newRow("unfinished") << L{"?P0"} << L{} << QByteArray("?P0");
        QTest::newRow("garbage bound")
            << L{QByteArray(100000, 'x'), "\r?A\r"} << L{"?A\r"} << QByteArray();
        QTest::newRow("overlong text waits for NUL CR")
            << L{"&M00" + QByteArray(100, 'a') + "\r", bytes("b\0\r?\r", 5)} << L{"?\r"}
            << QByteArray();
    }
    void framing() {
        QFETCH(QList<QByteArray>, arrivals);
        QFETCH(QList<QByteArray>, commands);
        QFETCH(QByteArray, pending);
        UnitFramer framer(64);
        QList<QByteArray> framed;
        for (const QByteArray& chunk : arrivals) {
            framed += framer.feed(chunk);
            QVERIFY(framer.pending().size() < 64);
        }
        QCOMPARE(framed, commands);
        QCOMPARE(framer.pending(), pending);
    }

    void roundTrip_data() {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<QByteArray>("ack");
        QTest::addColumn<QByteArray>("query");
        QTest::addColumn<QByteArray>("reply");
        const QByteArray ok("OK\r"), err("ERR\r");
        QTest::newRow("probe") << QByteArray() << QByteArray() << QByteArray("?\r")
                               << QByteArray(">QX-ALARM-1");
        QTest::newRow("&A") << QByteArray("&A1F\r") << ok << QByteArray("?A\r")
                            << QByteArray("A1F");
        QTest::newRow("&A 32 refused")
            << QByteArray("&A20\r") << err << QByteArray("?A\r") << QByteArray("A05");
        QTest::newRow("&E") << QByteArray("&E0301000000000080\r") << ok << QByteArray("?E\r")
                            << QByteArray("E0301000000000080\r");
        QTest::newRow("&P 8-bit, CR LF") << bytes("&P1F+49\xE9\r\n\0\r", 12) << ok
                                         << QByteArray("?P1F\r") << bytes("P1F+49\xE9\r\n", 9);
        QTest::newRow("&P empty") << bytes("&P00\0\r", 6) << ok << QByteArray("?P00\r")
                                  << QByteArray("P00");
        QTest::newRow("&M 160") << "&M3F" + QByteArray(160, 'm') + bytes("\0\r", 2) << ok
                                << QByteArray("?M3F\r") << "M3F" + QByteArray(160, 'm');
        QTest::newRow("&M 161 refused") << "&M00" + QByteArray(161, 'm') + bytes("\0\r", 2) << err
                                        << QByteArray("?M00\r") << QByteArray("M00Door open");
        QTest::newRow("slot 32") << QByteArray() << QByteArray() << QByteArray("?P20\r") << err;
        QTest::newRow("unknown") << QByteArray() << QByteArray() << QByteArray("XYZ\r") << err;
    }
    void roundTrip() {
        QFETCH(QByteArray, setting);
        QFETCH(QByteArray, ack);
        QFETCH(QByteArray, query);
        QFETCH(QByteArray, reply);
        UnitSimulator unit;
        QVERIFY2(unit.open(), qPrintable(unit.errorString()));
        if (!setting.isEmpty()) {
            ToolEnd tool(unit.slavePath());
            QVERIFY(tool.send(setting));
            QCOMPARE(tool.read(ReplyWaitMs, ack.size()), ack);
        }  // the tool closes and reopens the port: the line must stay up
        ToolEnd tool(unit.slavePath());
        QVERIFY(tool.send(query));
        QCOMPARE(tool.read(ReplyWaitMs, reply.size()), reply);
        QCOMPARE(tool.read(50), QByteArray());  // nothing trails the reply
    }

    void faults_data() {
        QTest::addColumn<UnitFaults>("faults");
        QTest::addColumn<QList<QByteArray>>("commands");
        QTest::addColumn<QList<QByteArray>>("replies");  // empty: no reply at all
        QTest::addColumn<bool>("hangsUp");
        using L = QList<QByteArray>;
        UnitFaults f;
        f.silent = true;
        QTest::newRow("silent") << f << L{"?\r", "&A01\r"} << L{"", ""} << false;
        f = {};
        f.probeOnly = true;
        QTest::newRow("probe only")
            << f << L{"?\r", "?A\r", "&A01\r"} << L{">QX-ALARM-1", "", ""} << false;
        f = {};
        f.delayMs = 400;
        QTest::newRow("delay") << f << L{"?\r", "?A\r"} << L{">QX-ALARM-1", "A05"} << false;
        f = {};
        f.hangUpAfter = 2;
        QTest::newRow("hang up after 2")
            << f << L{"?\r", "?A\r"} << L{">QX-ALARM-1", "A05"} << true;
        f.hangUpAfter = 0;
        QTest::newRow("hang up at once") << f << L{"?\r"} << L{""} << true;
    }
    void faults() {
        QFETCH(UnitFaults, faults);
        QFETCH(QList<QByteArray>, commands);
        QFETCH(QList<QByteArray>, replies);
        QFETCH(bool, hangsUp);
        UnitSimulator unit;
        unit.setFaults(faults);
        QVERIFY(unit.open());
        QSignalSpy hungUp(&unit, &UnitSimulator::hungUp);
        ToolEnd tool(unit.slavePath());
        for (qsizetype i = 0; i < commands.size(); ++i) {
            QVERIFY(tool.send(commands[i]));
            // A late reply can never be early: nothing may be there a quarter delay on.
            if (faults.delayMs > 0) QCOMPARE(tool.read(faults.delayMs / 4), QByteArray());
            if (replies[i].isEmpty())
                QCOMPARE(tool.read(SilenceMs), QByteArray());
            else
                QCOMPARE(tool.read(ReplyWaitMs, replies[i].size()), replies[i]);
        }
        QCOMPARE(unit.commands(), commands);
        QCOMPARE(unit.configuration().slaveId, 5);  // no setting gets through a fault
        if (hangsUp) {
            QTRY_COMPARE(hungUp.count(), 1);
            QVERIFY(!unit.isOpen());
            QVERIFY(tool.hungUp());
        } else {
            QCOMPARE(hungUp.count(), 0);
            QVERIFY(unit.isOpen());
        }
    }

    void garbageIsSeededAndNeverAProbeReply() {
        QList<QByteArray> runs;
        for (int run = 0; run < 2; ++run) {
            UnitSimulator unit;
            UnitFaults f;
            f.garbage = true;
            f.seed = 42;
            unit.setFaults(f);
            QVERIFY(unit.open());
            ToolEnd tool(unit.slavePath());
            QByteArray replies;
            for (int i = 0; i < 8; ++i) {
                QVERIFY(tool.send(i % 2 ? "&A01\r" : "?\r"));
                // One write on the unit side, so the whole reply arrives together.
                QByteArray reply = tool.read(ReplyWaitMs, 1);
                reply += tool.read(20);
                QVERIFY(!reply.isEmpty() && reply.size() <= 24);
                QVERIFY(!reply.startsWith('>'));
                replies += reply;
            }
            QCOMPARE(unit.configuration().slaveId, 5);  // a broken unit stores nothing
            runs << replies;
        }
        QCOMPARE(runs[0], runs[1]);
    }

    void floodFollowsProbeWithoutBlocking() {
        UnitSimulator unit;
        UnitFaults f;
        f.floodBytes = 300000;  // several times what the pty holds at once
        unit.setFaults(f);
        QVERIFY(unit.open());
        ToolEnd tool(unit.slavePath());
        QVERIFY(tool.send("?\r"));
        const QByteArray got = tool.read(30000, 11 + 300000);
        QCOMPARE(got.size(), 11 + 300000);
        QVERIFY(got.startsWith(">QX-ALARM-1"));
        QVERIFY(tool.send("?A\r"));
        QCOMPARE(tool.read(ReplyWaitMs, 3), QByteArray("A05"));
    }

    void logFileEscapes() {
        QTemporaryDir dir;
        const QString path = dir.filePath("unit.log");
        UnitSimulator unit;
        unit.setLogFile(path);
        QVERIFY(unit.isLogging());
        QVERIFY(unit.open());
        ToolEnd tool(unit.slavePath());
        QVERIFY(tool.send(bytes("?\r&M00a\r\nb\xE9\\\0\r?P\x01\x7F\r", 19)));
        QTRY_COMPARE(unit.commands().size(), 3);
        QFile log(path);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("?\\r\n"
                                           "&M00a\\r\\nb\\xE9\\\\\\0\\r\n"
                                           "?P\\x01\\x7F\\r\n"));
    }

    void executableLoadsAnswersAndSaves() {
        QTemporaryDir dir;
        ConfigurationSet start;
        start.slaveId = 7;
        start.setPhoneNo(0, QStringLiteral("123"));
        QVERIFY(ConfigFile::save(dir.filePath("in.txt"), start, nullptr));
        QProcess sim;
        sim.start(QCoreApplication::applicationDirPath() + "/../tools/unitsim/quellix-unitsim",
                  {"--load", dir.filePath("in.txt"), "--save", dir.filePath("out.txt"), "--model",
                   "ABC"});
        QVERIFY(sim.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), ReplyWaitMs);
        ToolEnd tool(QString::fromLocal8Bit(sim.readLine().trimmed()));
        QVERIFY(tool.fd >= 0);
        for (const auto& [command, reply] : QList<std::pair<QByteArray, QByteArray>>{
                 {"?\r", ">ABC"}, {"?A\r", "A07"}, {bytes("&P0199\0\r", 8), "OK\r"}}) {
            QVERIFY(tool.send(command));
            QCOMPARE(tool.read(ReplyWaitMs, reply.size()), reply);
        }
        ::kill(pid_t(sim.processId()), SIGTERM);
        QVERIFY(sim.waitForFinished(ReplyWaitMs));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 0);
        const ConfigFile::LoadResult saved = ConfigFile::load(dir.filePath("out.txt"), {});
        QVERIFY(saved.ok);
        QCOMPARE(saved.set.slaveId, 7);
        QCOMPARE(saved.set.phoneNo[0], QStringLiteral("123"));
        QCOMPARE(saved.set.phoneNo[1], QStringLiteral("99"));
    }
};

QTEST_GUILESS_MAIN(tst_unitsim)
#include "tst_unitsim.moc"
