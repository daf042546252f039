// The command transaction over a real QSerialPort on a pseudo-terminal whose master side the
// test drives byte by byte.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QtTest>

#include <cstdlib>

#include "SerialLink.h"
#include "Transaction.h"

namespace {

// The far end of the line: answers each CR-ended command with the next scripted reply.
class PtyEnd : public QObject {
public:
    PtyEnd() {
        fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) return;
        termios tio{};
        tcgetattr(fd, &tio);
        cfmakeraw(&tio);
        tcsetattr(fd, TCSANOW, &tio);
        path = QString::fromLocal8Bit(ptsname(fd));
        notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] { drain(); });
    }
    ~PtyEnd() override { hangUp(); }

    void hangUp() {
        if (fd < 0) return;
        delete notifier;
        notifier = nullptr;
        ::close(fd);
        fd = -1;
    }
    qint64 send(const QByteArray& bytes) {
        return fd < 0 || bytes.isEmpty() ? 0 : ::write(fd, bytes.constData(), size_t(bytes.size()));
    }

    int fd = -1;
    QString path;
    QByteArray received;
    QByteArrayList replies;  // one per command, in order; empty = silent
    int commands = 0;

private:
    void drain() {
        char buffer[256];
        qint64 n;
        while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
            for (qint64 i = 0; i < n; ++i) {
                received.append(buffer[i]);
                if (buffer[i] == '\r') {
                    if (commands < replies.size()) send(replies[commands]);
                    ++commands;
                }
            }
        }
    }
    QSocketNotifier* notifier = nullptr;
};

}  // namespace

class tst_transaction : public QObject {
    Q_OBJECT
private slots:
    void closedPortCompletesAtOnce();
    void exchanges_data();
    void exchanges();
    void secondExchangeIsRefusedWhileOneWaits();
    void hangUp_data();
    void hangUp();
    void floodingUnitIsBounded();

private:
    static constexpr int Interval = 20;
    bool waitCompleted(QSignalSpy& spy, int count) {
        return spy.count() >= count || QTest::qWaitFor([&] { return spy.count() >= count; }, 2000);
    }
};

void tst_transaction::closedPortCompletesAtOnce() {
    PtyEnd unit;
    QVERIFY(unit.fd >= 0);
    SerialLink link;
    Transaction t(&link);
    t.setInterval(Interval);
    QVERIFY(t.RxReply.isEmpty());  // nothing before the first exchange

    // A first exchange on the open line leaves a reply behind ...
    unit.replies = {"first"};
    QVERIFY(link.open(unit.path));
    QSignalSpy done(&t, &Transaction::completed);
    t.TxCommand = "?\r";
    QVERIFY(t.SendReceive());
    QVERIFY(waitCompleted(done, 1));
    QCOMPARE(t.RxReply, QByteArray("first"));

    // ... which a later exchange on the closed port does not replace.
    link.close();
    t.TxCommand = "?A\r";
    QVERIFY(t.SendReceive());
    QCOMPARE(done.count(), 2);  // synchronously, no wait
    QVERIFY(!t.busy());
    QCOMPARE(t.RxReply, QByteArray("first"));
    QTest::qWait(2 * Interval);
    QCOMPARE(unit.received, QByteArray("?\r"));
    QCOMPARE(done.count(), 2);
}

void tst_transaction::exchanges_data() {
    QTest::addColumn<QByteArray>("before");       // sent by the unit before the first exchange
    QTest::addColumn<QByteArrayList>("replies");  // the unit's answer to each command
    QTest::addColumn<QByteArray>("between");      // sent after the first exchange has ended
    QTest::addColumn<QByteArrayList>("expected");

    QTest::newRow("answered") << QByteArray() << QByteArrayList{"A1F", "A1F"} << QByteArray()
                              << QByteArrayList{"A1F", "A1F"};
    QTest::newRow("silent") << QByteArray() << QByteArrayList{} << QByteArray()
                            << QByteArrayList{"", ""};
    QTest::newRow("late rest at head of next")
        << QByteArray() << QByteArrayList{"A1", "xyz"} << QByteArray("F\r")
        << QByteArrayList{"A1", "F\rxyz"};
    QTest::newRow("unsolicited kept") << QByteArray("noise") << QByteArrayList{"R1", "R2"}
                                      << QByteArray() << QByteArrayList{"noiseR1", "R2"};
    QTest::newRow("late reply only")
        << QByteArray() << QByteArrayList{"", ""} << QByteArray("A05") << QByteArrayList{"", "A05"};
    QTest::newRow("bytes kept as they are")
        << QByteArray() << QByteArrayList{QByteArray("\0\xff\r\n", 4), QByteArray("\x80", 1)}
        << QByteArray() << QByteArrayList{QByteArray("\0\xff\r\n", 4), QByteArray("\x80", 1)};
}

void tst_transaction::exchanges() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArrayList, replies);
    QFETCH(QByteArray, between);
    QFETCH(QByteArrayList, expected);

    PtyEnd unit;
    QVERIFY(unit.fd >= 0);
    unit.replies = replies;
    SerialLink link;
    QVERIFY2(link.open(unit.path), qPrintable(link.errorString()));
    Transaction t(&link);
    t.setInterval(Interval);
    QSignalSpy done(&t, &Transaction::completed);
    QSignalSpy failed(&t, &Transaction::failed);

    unit.send(before);
    // The same command twice: both go out, each with its own wait.
    t.TxCommand = "?A\r";
    QVERIFY(t.SendReceive());
    QVERIFY(t.busy());
    QCOMPARE(t.ResponseTimedOut, qint16(0));
    QVERIFY(waitCompleted(done, 1));
    QCOMPARE(t.ResponseTimedOut, qint16(-1));
    QCOMPARE(t.RxReply, expected[0]);

    unit.send(between);
    QTest::qWait(Interval / 2);
    QVERIFY(t.SendReceive());
    QVERIFY(waitCompleted(done, 2));
    QCOMPARE(t.RxReply, expected[1]);

    QCOMPARE(t.TxCommand, QByteArray("?A\r"));  // never changed by the exchange
    QCOMPARE(unit.received, QByteArray("?A\r?A\r"));
    QCOMPARE(done.count(), 2);
    QCOMPARE(failed.count(), 0);
    QVERIFY(link.isOpen());
}

void tst_transaction::secondExchangeIsRefusedWhileOneWaits() {
    PtyEnd unit;
    QVERIFY(unit.fd >= 0);
    SerialLink link;
    QVERIFY(link.open(unit.path));
    Transaction t(&link);
    t.setInterval(Interval);
    QSignalSpy done(&t, &Transaction::completed);

    t.TxCommand = "?E\r";
    QVERIFY(t.SendReceive());
    t.TxCommand = "?M00\r";
    QVERIFY(!t.SendReceive());
    QVERIFY(waitCompleted(done, 1));
    QTest::qWait(2 * Interval);
    QCOMPARE(done.count(), 1);
    QCOMPARE(unit.received, QByteArray("?E\r"));
}

void tst_transaction::hangUp_data() {
    QTest::addColumn<bool>("duringWait");
    QTest::newRow("while an exchange waits") << true;
    QTest::newRow("between exchanges") << false;
}

void tst_transaction::hangUp() {
    QFETCH(bool, duringWait);
    PtyEnd unit;
    QVERIFY(unit.fd >= 0);
    SerialLink link;
    QVERIFY(link.open(unit.path));
    Transaction t(&link);
    t.setInterval(10 * Interval);  // the loss must end the exchange, not the interval
    QSignalSpy done(&t, &Transaction::completed);
    QSignalSpy failed(&t, &Transaction::failed);
    QSignalSpy lost(&link, &SerialLink::lost);

    t.TxCommand = "?\r";
    if (duringWait) QVERIFY(t.SendReceive());
    unit.hangUp();
    QVERIFY(QTest::qWaitFor([&] { return lost.count() > 0; }, 2000));
    QVERIFY(!link.isOpen());
    QCOMPARE(failed.count(), duringWait ? 1 : 0);
    QVERIFY(!t.busy());

    // Closed once, reported once, and the exchange that waited never completes.
    QTest::qWait(12 * Interval);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(done.count(), 0);

    // From now on an exchange finds the port closed.
    QVERIFY(t.SendReceive());
    QCOMPARE(done.count(), 1);
}

void tst_transaction::floodingUnitIsBounded() {
    PtyEnd unit;
    QVERIFY(unit.fd >= 0);
    SerialLink link;
    QVERIFY(link.open(unit.path));
    Transaction t(&link);
    t.setInterval(Interval);
    QSignalSpy done(&t, &Transaction::completed);

    // Far more noise than the receive buffer holds; the pty takes what it can.
    qint64 sent = 0;
    const QByteArray chunk(4096, 'N');
    for (int i = 0; i < 64; ++i) {
        const qint64 n = unit.send(chunk);
        if (n <= 0) break;
        sent += n;
    }
    QVERIFY(sent > 4 * SerialLink::ReceiveBufferSize);

    for (int round = 1; round <= 3; ++round) {
        t.TxCommand = "?\r";
        QVERIFY(t.SendReceive());
        QVERIFY(waitCompleted(done, round));
        QVERIFY2(t.RxReply.size() <= SerialLink::ReceiveBufferSize,
                 qPrintable(QString::number(t.RxReply.size())));
        QVERIFY(!t.RxReply.isEmpty());
        QVERIFY(t.RxReply.count('N') == t.RxReply.size());
    }
    QVERIFY(link.isOpen());
}

QTEST_GUILESS_MAIN(tst_transaction)
#include "tst_transaction.moc"
