// SPDX-License-Identifier: GPL-3.0-or-later
// The device link below the window: the command transaction on a pseudo-terminal the test drives
// byte by byte, a whole read or write in a session against the simulated unit, port names and
// what the port error box advises.
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QtTest>
#include <chrono>
#include <thread>

#include "device/SerialLink.h"
#include "device/TrafficLog.h"
#include "device/Transaction.h"
#include "device/UnitSession.h"
#include "tools/unitsim/UnitSimulator.h"

namespace {

QTemporaryDir scratch;

// The bytes of a write of the simulator's sample set: the probe, the slave ID, the flags, and
// every number and message, each ended by a NUL and a carriage return.
QByteArray sampleWritten() {
    const QMap<int, QByteArray> phones{{0, "911234567890"}, {1, "441632960123"}, {31, "15550100"}};
    const QMap<int, QByteArray> messages{{0, "Door open"},
                                         {1, "Window open"},
                                         {2, "Spare input (disabled)"},
                                         {8, "Smoke alarm\r\nFloor 2"},
                                         {16, "Temp\xE9rature haute"},
                                         {63, "Power failure"}};
    QByteArray sent("?\r&A05\r&E0301010000000080\r");
    for (int k = 0; k < 32; ++k)
        sent += QString::asprintf("&P%02X", k).toLatin1() + phones.value(k) + QByteArray("\0\r", 2);
    for (int i = 0; i < 64; ++i)
        sent +=
            QString::asprintf("&M%02X", i).toLatin1() + messages.value(i) + QByteArray("\0\r", 2);
    return sent;
}

// The far end of the line. What the transaction sends piles up unread until the test takes it.
struct PtyEnd : QFile {
    PtyEnd() {
        char name[256];
        if (openpty(&fd, &slave, name, nullptr, nullptr) != 0) return;  // path stays empty
        path = QString::fromLocal8Bit(name);
        fcntl(fd, F_SETFL, O_NONBLOCK);
        open(fd, ReadWrite | Unbuffered, AutoCloseHandle);
    }
    ~PtyEnd() override { ::close(slave); }
    int fd = -1, slave = -1;
    QString path;
};
}  // namespace

class tst_devicelink : public QObject {
    Q_OBJECT
private slots:
    void transaction_data();
    void transaction();
    void replyJustBeforeTheEnd();
    void replyWhileBusy();
    void sequences_data();
    void sequences();
    void slippedReplies_data();
    void slippedReplies();
    void portNames_data();
    void portNames();
    void advice_data();
    void advice();
};

void tst_devicelink::transaction_data() {
    QTest::addColumn<QByteArrayList>("early");    // sent by the unit before each command
    QTest::addColumn<QByteArrayList>("replies");  // sent by the unit while each exchange waits
    QTest::addColumn<QByteArrayList>("expected");
    const QByteArray raw("A\0\xff\r\n", 5);
    QTest::newRow("answered, any byte value")
        << QByteArrayList{} << QByteArrayList{"A1F", raw} << QByteArrayList{"A1F", raw};
    QTest::newRow("silent") << QByteArrayList{} << QByteArrayList{} << QByteArrayList{"", ""};
    QTest::newRow("stray bytes and the rest of a reply lead the next")
        << QByteArrayList{"noise", "F\r"} << QByteArrayList{"A1", "xy"}
        << QByteArrayList{"noiseA1", "F\rxy"};
}

// The transaction on a bare line: two exchanges at the default interval, then one with the port
// closed. A call while one waits is refused and sends nothing. (That each waits its whole
// interval, to the microsecond, is tst_linkpace::fixedIntervals'.)
void tst_devicelink::transaction() {
    QFETCH(QByteArrayList, early);
    QFETCH(QByteArrayList, replies);
    QFETCH(QByteArrayList, expected);
    PtyEnd unit;
    SerialLink link;
    QVERIFY2(link.open(unit.path), qPrintable(link.errorString()));
    Transaction t(&link);
    TrafficLog log;
    const QString logPath =
        scratch.filePath(QStringLiteral("traffic-%1.log").arg(QTest::currentDataTag()));
    QVERIFY(log.open(logPath));
    t.setTrafficLog(&log);
    QSignalSpy done(&t, &Transaction::completed);

    t.TxCommand = "?A\r";
    for (int round = 0; round < 2; ++round) {
        unit.write(early.value(round));
        QTest::qWait(20);
        QVERIFY(t.SendReceive());
        QVERIFY(!t.SendReceive());
        unit.write(replies.value(round));
        QTRY_COMPARE(done.count(), round + 1);
        QCOMPARE(t.RxReply, expected[round]);
    }
    link.close();
    QVERIFY(t.SendReceive());
    QCOMPARE(done.count(), 3);  // at once, without a wait, keeping the last reply
    QCOMPARE(t.RxReply, expected[1]);
    QCOMPARE(unit.readAll(), QByteArray("?A\r?A\r"));

    // One line per command and per reply, timestamped, naming the device, bytes escaped.
    QFile written(logPath);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    QCOMPARE(lines.size(), 5);  // the exchange with the port closed sent nothing
    QByteArrayList expectedLines;
    for (int round = 0; round < 2; ++round)
        expectedLines << "> ?A\\r"
                      << "< " + TrafficLog::escaped(expected[round]);
    for (int i = 0; i < 4; ++i) {
        const QByteArray& line = lines[i];
        const qsizetype afterTime = line.indexOf(' ');
        QVERIFY2(QDateTime::fromString(QString::fromUtf8(line.left(afterTime)), Qt::ISODateWithMs)
                     .isValid(),
                 line.constData());
        // What follows a reply's tab, when its bytes came, is tst_linkpace::arrivals' own.
        QCOMPARE(line.mid(afterTime + 1).split('\t').at(0),
                 unit.path.toUtf8() + ' ' + expectedLines[i]);
    }
    QCOMPARE(TrafficLog::escaped(QByteArray("A\0\xff\r\n\\~\x7f", 8)),
             QByteArray("A\\0\\xFF\\r\\n\\\\~\\x7F"));
}

// A reply that reaches the line in the last millisecond of the interval belongs to its own
// exchange, not to the next one. Each reply is written from a second thread at the interval less
// 1 ms, timed from after the command went out; a round whose write came after the interval
// (the machine was busy) proves nothing and does not count.
void tst_devicelink::replyJustBeforeTheEnd() {
    constexpr int IntervalMs = 20;
    constexpr int Needed = 10;
    PtyEnd unit;
    SerialLink link;
    QVERIFY2(link.open(unit.path), qPrintable(link.errorString()));
    Transaction t(&link);
    t.setInterval(IntervalMs);
    QSignalSpy done(&t, &Transaction::completed);
    int counted = 0;
    for (int round = 0; counted < Needed && round < 10 * Needed; ++round) {
        const QByteArray reply = "P00" + QByteArray::number(round);
        t.TxCommand = "?P00\r";
        QElapsedTimer sinceWrite;
        QVERIFY(t.SendReceive());
        sinceWrite.start();
        qint64 wroteAtNs = 0;
        std::thread late([&] {
            using namespace std::chrono;
            const nanoseconds at = milliseconds(IntervalMs - 1);
            std::this_thread::sleep_for(at - microseconds(300) -
                                        nanoseconds(sinceWrite.nsecsElapsed()));
            while (nanoseconds(sinceWrite.nsecsElapsed()) < at) {
            }
            const ssize_t n = ::write(unit.fd, reply.constData(), size_t(reply.size()));
            wroteAtNs = n == reply.size() ? sinceWrite.nsecsElapsed() : -1;
        });
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), round + 1, 5000);
        late.join();
        QVERIFY(wroteAtNs > 0);
        if (wroteAtNs >= qint64(IntervalMs) * 1000000) {
            QTest::qWait(IntervalMs);  // the reply is in, and the next exchange must not see it
            link.readAll();
            continue;
        }
        QCOMPARE(t.RxReply, reply);
        ++counted;
    }
    QCOMPARE(counted, Needed);
}

// The event loop was busy past the interval (a repaint, a slow machine) and the unit, answering
// as soon as its turn came, replied in the same pass that ends the exchange: the reply is on the
// line in time and is taken, though the port had no turn to collect it.
void tst_devicelink::replyWhileBusy() {
    PtyEnd unit;
    SerialLink link;
    QVERIFY2(link.open(unit.path), qPrintable(link.errorString()));
    Transaction t(&link);
    t.setInterval(20);
    QSocketNotifier answer(unit.fd, QSocketNotifier::Read);
    connect(&answer, &QSocketNotifier::activated, this, [&] {
        unit.readAll();
        unit.write("A05");
    });
    QSignalSpy done(&t, &Transaction::completed);
    t.TxCommand = "?A\r";
    QVERIFY(t.SendReceive());
    QThread::msleep(60);
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(t.RxReply, QByteArray("A05"));
}

// The exact commands of a read and the progress bar's values in order, read and write alike:
// 3 after the slave ID, 5 after the flags, 5..36 for the phones and 37..100 for the messages.
void tst_devicelink::sequences_data() {
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

void tst_devicelink::sequences() {
    QFETCH(bool, write);
    UnitSimulator unit;
    UnitSession session;
    QVERIFY(unit.open() && session.open(unit.slavePath()));
    session.setInterval(8);
    QList<float> shown;
    QList<int> dones;
    connect(&session, &UnitSession::progress, this, [&](int done, int count) {
        QCOMPARE(count, 99);
        dones << done;
        shown << session.shownProgress(done);
    });
    QSignalSpy finished(&session, &UnitSession::finished);
    QVERIFY(write ? session.startWrite(UnitSimulator::sampleConfiguration()) : session.startRead());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(finished[0][0].value<UnitSession::Outcome>(), UnitSession::Outcome::Completed);

    QList<float> expectedShown{3, 5};
    QList<int> expectedDone;
    for (int value = 5; value <= 100; ++value)
        expectedShown << float(value);
    for (int done = 2; done <= 99; ++done)
        expectedDone << done;
    QCOMPARE(shown, expectedShown);
    QCOMPARE(dones, expectedDone);
    if (write) {
        QCOMPARE(unit.received(), sampleWritten());
        return;
    }
    QByteArrayList expected{"?\r", "?A\r", "?E\r"};
    for (int k = 0; k < 32; ++k)
        expected << QString::asprintf("?P%02X\r", k).toLatin1();
    for (int i = 0; i < 64; ++i)
        expected << QString::asprintf("?M%02X\r", i).toLatin1();
    QCOMPARE(unit.commands(), expected);
    QCOMPARE(session.configuration(), UnitSimulator::sampleConfiguration());
    QCOMPARE(session.slippedReplies(), 0);
}

// A reply that comes an exchange late shifts every later one; the read runs on, reporting what
// it got, but counts the replies that answered another query and names the first.
void tst_devicelink::slippedReplies_data() {
    QTest::addColumn<QByteArray>("late");
    QTest::addColumn<qint64>("flood");
    QTest::addColumn<int>(
        "lastMessage");  // characters of the unit's channel 64 message; -1: its own
    QTest::addColumn<int>("slipped");
    QTest::addColumn<QString>("first");  // a regular expression
    QTest::newRow("phone 6 late") << QByteArray("?P05") << qint64(0) << -1 << 2
                                  << "^no reply to \\?P05: the unit answered late or not at all$";
    QTest::newRow("slave ID late")
        << QByteArray("?A") << qint64(0) << -1 << 2 << "^no reply to \\?A: the unit answered late";
    QTest::newRow("last message late")
        << QByteArray("?M3F") << qint64(0) << -1 << 1 << "^no reply to \\?M3F: ";
    // Every reply after the probe then starts with noise, and more is left on the line.
    QTest::newRow("flood") << QByteArray() << qint64(1 << 20) << -1 << 99
                           << "^reply to \\?A began with \".*\" instead of A: the unit answered "
                              "late or the line is noisy$";
    // No later exchange shows the cut; what is left on the line does.
    QTest::newRow("last reply fills the buffer") << QByteArray() << qint64(0) << 1021 << 0 << "^$";
    QTest::newRow("last reply beyond the buffer")
        << QByteArray() << qint64(0) << 1100 << 1
        << "^reply to \\?M3F went on after its exchange \\(\\d+ more bytes\\): it was cut short";
}

void tst_devicelink::slippedReplies() {
    QFETCH(QByteArray, late);
    QFETCH(qint64, flood);
    QFETCH(int, lastMessage);
    QFETCH(int, slipped);
    QFETCH(QString, first);
    UnitSimulator unit;
    unit.setFaults({.floodBytes = flood, .lateOnce = late});
    ConfigurationSet held = UnitSimulator::sampleConfiguration();
    if (lastMessage >= 0) held.channelMessage[63] = QString(lastMessage, u'x');
    unit.setConfiguration(held);
    UnitSession session;
    QVERIFY(unit.open() && session.open(unit.slavePath()));
    // Long enough that a busy machine does not make other replies late as well.
    session.setInterval(25);
    QSignalSpy finished(&session, &UnitSession::finished);
    QVERIFY(session.startRead());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(finished[0][0].value<UnitSession::Outcome>(), UnitSession::Outcome::Completed);
    QCOMPARE(session.slippedReplies(), slipped);
    QVERIFY2(QRegularExpression(first).match(session.firstSlip()).hasMatch(),
             qPrintable(session.firstSlip()));
    if (slipped == 0) QCOMPARE(session.configuration(), held);
    // Whatever the noise held, the description carries no control character.
    for (const QChar c : session.firstSlip())
        QVERIFY(c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() > 0x9F));
}

void tst_devicelink::portNames_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("portNumber");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("device");
    QTest::newRow("COM 1, Unix") << "COM 1" << 1 << false << "/dev/ttyS0";
    QTest::newRow("COM 3, Windows") << "COM 3" << 3 << true << "COM3";
    QTest::newRow("typed path") << " /dev/pts/7 " << 0 << false << "/dev/pts/7";
    QTest::newRow("typed name, no path") << "ttyUSB0" << 0 << false << "";
    QTest::newRow("listed, Windows") << "\\\\.\\COM12" << 0 << true << "\\\\.\\COM12";
    QTest::newRow("listed Windows name, Unix") << "\\\\.\\COM12" << 0 << false << "";
    QTest::newRow("port 256") << "COM 256" << 256 << false << "";
}

void tst_devicelink::portNames() {
    QFETCH(QString, shown);
    QFETCH(int, portNumber);
    QFETCH(bool, windows);
    QFETCH(QString, device);
    const auto platform = windows ? SerialLink::Platform::Windows : SerialLink::Platform::Unix;
    QCOMPARE(SerialLink::deviceNameFor(shown, portNumber, platform), device);
}

// What the port error box tells the user to do; connectStates shows the other ways in the window.
void tst_devicelink::advice_data() {
    using F = SerialLink::OpenFailure;
    QTest::addColumn<int>("failure");
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QString>("says");
    const QStringList two{"/dev/ttyS0", "/dev/ttyUSB0"};
    QTest::newRow("missing, devices found")
        << int(F::NotFound) << two
        << "There is no device /dev/x.*\nSerial devices found on this computer: /dev/ttyS0, "
           "/dev/ttyUSB0\\.$";
    QTest::newRow("missing, none found")
        << int(F::NotFound) << QStringList{} << "\nNo serial devices were found on this computer";
    QTest::newRow("permission")
        << int(F::PermissionDenied) << two
        << "not allowed to use /dev/x.*dialout group.*\n    sudo usermod -aG dialout "
           "\\$USER\nthen log out and log in again";
}

void tst_devicelink::advice() {
    QFETCH(int, failure);
    QFETCH(QStringList, devices);
    QFETCH(QString, says);
    const QString text = SerialLink::advice(SerialLink::OpenFailure(failure), "/dev/x", devices,
                                            SerialLink::Platform::Unix);
    QVERIFY2(QRegularExpression(says, QRegularExpression::DotMatchesEverythingOption)
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
}
QTEST_GUILESS_MAIN(tst_devicelink)
#include "tst_devicelink.moc"
