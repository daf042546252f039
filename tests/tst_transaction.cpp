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
struct PtyEnd : QObject {
    PtyEnd() {
        fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) return;
        termios tio{};
        tcgetattr(fd, &tio);
        cfmakeraw(&tio);
        tcsetattr(fd, TCSANOW, &tio);
        path = QString::fromLocal8Bit(ptsname(fd));
        notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            char c;
            while (::read(fd, &c, 1) == 1) {
                received.append(c);
                if (c == '\r' && commands < replies.size()) send(replies[commands++]);
            }
        });
    }
    ~PtyEnd() override {
        delete notifier;
        if (fd >= 0) ::close(fd);
    }
    qint64 send(const QByteArray& b) { return ::write(fd, b.constData(), size_t(b.size())); }

    int fd = -1;
    QString path;
    QByteArray received;
    QByteArrayList replies;  // one per command, in order
    int commands = 0;
    QSocketNotifier* notifier = nullptr;
};

constexpr int Interval = 20;

}  // namespace

class tst_transaction : public QObject {
    Q_OBJECT
private slots:
    void exchanges_data();
    void exchanges();
    void closedPortKeepsTheLastReply();
    void floodingUnitIsBounded();
};

void tst_transaction::exchanges_data() {
    QTest::addColumn<QByteArray>("before");       // sent by the unit before the first exchange
    QTest::addColumn<QByteArrayList>("replies");  // the unit's answer to each command
    QTest::addColumn<QByteArray>("between");      // sent after the first exchange has ended
    QTest::addColumn<QByteArrayList>("expected");

    const QByteArray raw("\0\xff\r\n", 4);
    QTest::newRow("answered") << QByteArray() << QByteArrayList{"A1F", "A1F"} << QByteArray()
                              << QByteArrayList{"A1F", "A1F"};
    QTest::newRow("silent") << QByteArray() << QByteArrayList{} << QByteArray()
                            << QByteArrayList{"", ""};
    QTest::newRow("rest of a reply leads the next")
        << QByteArray() << QByteArrayList{"A1", "xy"} << QByteArray("F\r")
        << QByteArrayList{"A1", "F\rxy"};
    QTest::newRow("unsolicited bytes kept") << QByteArray("noise") << QByteArrayList{"R1", "R2"}
                                            << QByteArray() << QByteArrayList{"noiseR1", "R2"};
    QTest::newRow("any byte value")
        << QByteArray() << QByteArrayList{raw, raw} << QByteArray() << QByteArrayList{raw, raw};
}

void tst_transaction::exchanges() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArrayList, replies);
    QFETCH(QByteArray, between);
    QFETCH(QByteArrayList, expected);

    PtyEnd unit;
    unit.replies = replies;
    SerialLink link;
    QVERIFY2(link.open(unit.path), qPrintable(link.errorString()));
    Transaction t(&link);
    t.setInterval(Interval);
    QSignalSpy done(&t, &Transaction::completed);
    unit.send(before);

    // The same command twice: both go out, each with its own wait; a third call while one
    // waits is refused and sends nothing.
    t.TxCommand = "?A\r";
    for (int round = 0; round < 2; ++round) {
        QVERIFY(t.SendReceive());
        QCOMPARE(t.ResponseTimedOut, qint16(0));
        QVERIFY(!t.SendReceive());
        QTRY_COMPARE(done.count(), round + 1);
        QCOMPARE(t.ResponseTimedOut, qint16(-1));
        QCOMPARE(t.RxReply, expected[round]);
        if (round == 0) {
            unit.send(between);
            QTest::qWait(Interval / 2);
        }
    }
    QCOMPARE(unit.received, QByteArray("?A\r?A\r"));
    QCOMPARE(t.TxCommand, QByteArray("?A\r"));
}

void tst_transaction::closedPortKeepsTheLastReply() {
    PtyEnd unit;
    unit.replies = {"first"};
    SerialLink link;
    Transaction t(&link);
    t.setInterval(Interval);
    QVERIFY(t.RxReply.isEmpty());
    QVERIFY(link.open(unit.path));
    QSignalSpy done(&t, &Transaction::completed);
    t.TxCommand = "?\r";
    t.SendReceive();
    QTRY_COMPARE(done.count(), 1);

    link.close();
    t.TxCommand = "?A\r";
    QVERIFY(t.SendReceive());
    QCOMPARE(done.count(), 2);  // at once, without a wait
    QCOMPARE(t.RxReply, QByteArray("first"));
    QTest::qWait(2 * Interval);
    QCOMPARE(unit.received, QByteArray("?\r"));
}

void tst_transaction::floodingUnitIsBounded() {
    PtyEnd unit;
    SerialLink link;
    QVERIFY(link.open(unit.path));
    Transaction t(&link);
    t.setInterval(Interval);
    QSignalSpy done(&t, &Transaction::completed);
    qint64 sent = 0;  // far more than the receive buffer; the pty takes what it can
    for (qint64 n = 1; n > 0 && sent < 256 * 1024; sent += qMax<qint64>(n, 0))
        n = unit.send(QByteArray(4096, 'N'));
    QVERIFY(sent > 4 * 1024);

    for (int round = 1; round <= 3; ++round) {
        t.TxCommand = "?\r";
        t.SendReceive();
        QTRY_COMPARE(done.count(), round);
        QVERIFY2(t.RxReply.size() > 0 && t.RxReply.size() <= 1024,
                 qPrintable(QString::number(t.RxReply.size())));
    }
}

QTEST_GUILESS_MAIN(tst_transaction)
#include "tst_transaction.moc"
