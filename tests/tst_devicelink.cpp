// SPDX-License-Identifier: GPL-3.0-or-later
// The device link: the command transaction on a pseudo-terminal the test drives byte by byte,
// and the main window's device side against the simulated unit: connecting, and reading and
// writing the whole configuration.
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>
#include <QSerialPort>
#include <QtTest>
#include <QtWidgets>
#include <chrono>
#include <thread>

#include "device/SerialLink.h"
#include "device/TrafficLog.h"
#include "device/Transaction.h"
#include "device/UnitSession.h"
#include "tests/WindowControls.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/dialogs/frmProgress.h"
#include "ui/mainwindow/frmMain.h"

namespace {

const QColor Green(0, 255, 0), Black(0, 0, 0), Red(255, 0, 0);
const QString Warning = QString::number(QMessageBox::Warning);

// The simulated unit and a shown main window. Every modal box is answered with OK and recorded
// with its title, text, icon, the lamp colour and whether a progress window was open; a box that
// never shows leaves the list empty instead of hanging the test.
struct Rig : QObject {
    Rig() {
        unit.open();
        w.show();
        connect(&poll, &QTimer::timeout, this, [this] {
            const bool progressOpen = w.findChild<frmProgress*>() != nullptr;
            progressSeen = progressSeen || progressOpen;
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            boxes << QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                                 lamp().name(), progressOpen ? "progress" : ""};
            details << box->informativeText();
            commandsAtAnswer = int(unit.commands().size());
            QAbstractButton* chosen = box->button(answer);
            if (!answerName.isEmpty()) chosen = box->findChild<QAbstractButton*>(answerName);
            (chosen ? chosen : box->button(QMessageBox::Ok))->click();
        });
        poll.start(20);
    }
    QColor lamp() const { return control(&w, "shpComm")->palette().color(QPalette::Window); }
    QPushButton* button(const char* name) const { return control<QPushButton>(&w, name); }
    bool functionsEnabled() const { return control(&w, "FrameFunction")->isEnabled(); }
    QSerialPort* port() const { return w.findChild<QSerialPort*>(QStringLiteral("cm")); }
    bool connectTo(int interval, const QString& text = {}) {  // by default to the unit
        w.setProtocolInterval(interval);
        control<QComboBox>(&w, "cmbComm")->setEditText(text.isEmpty() ? unit.slavePath() : text);
        button("cmdConnect")->click();
        return lamp() == Green && button("cmdConnect")->text() == QStringLiteral("Disconnect") &&
               functionsEnabled() && port()->isOpen();
    }

    UnitSimulator unit;
    frmMain w;
    QTimer poll;
    QList<QStringList> boxes;
    QStringList details;        // each box's informative text
    int commandsAtAnswer = -1;  // what the unit had received when the last box was answered
    QMessageBox::StandardButton answer = QMessageBox::Ok;  // pressed where the box has it
    QString answerName;  // the object name of a button of the box's own, pressed where it has it
    bool progressSeen = false;
};

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
    void initTestCase();
    void advice_data();
    void advice();
    void connectStates_data();
    void connectStates();
    void connectStatus();
    void transfers_data();
    void transfers();
    void lateUnitReadAtItsPace();
    void blankWrite_data();
    void blankWrite();
};

namespace {
QTemporaryDir scratch;
}

void tst_devicelink::initTestCase() {
    // The port the window remembers goes here, not into the user's own settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
}

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
// closed. Each waits the whole interval even when the reply is in early, and a call while one waits
// is refused and sends nothing.
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
    QElapsedTimer clock;
    qint64 took = -1;
    connect(&t, &Transaction::completed, this, [&] { took = clock.elapsed(); });

    t.TxCommand = "?A\r";
    for (int round = 0; round < 2; ++round) {
        unit.write(early.value(round));
        QTest::qWait(20);
        clock.start();
        QVERIFY(t.SendReceive());
        QVERIFY(!t.SendReceive());
        unit.write(replies.value(round));
        QTRY_COMPARE(done.count(), round + 1);
        QVERIFY2(took >= Transaction::DefaultIntervalMs, qPrintable(QString::number(took)));
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
        // A reply line ends, after a tab, with when its bytes came.
        const QByteArrayList parts = line.mid(afterTime + 1).split('\t');
        QCOMPARE(parts[0], unit.path.toUtf8() + ' ' + expectedLines[i]);
        QCOMPARE(parts.size(), i % 2 == 0 ? 1 : 2);
        if (i % 2 == 1) QCOMPARE(parts[1] == "no reply", expected[i / 2].isEmpty());
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
    if (write) return;  // transfers() checks the bytes of a write
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
    QTest::newRow("on time") << QByteArray() << qint64(0) << -1 << 0 << "^$";
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

void tst_devicelink::connectStates_data() {
    QTest::addColumn<QString>("typed");   // "", "held": the simulated unit's path, free or not
    QTest::addColumn<bool>("fails");      // with a box showing the port's own error text
    QTest::addColumn<QString>("advice");  // what the box goes on to say
    QTest::newRow("simulated unit") << "" << false << "";
    QTest::newRow("text matching no entry") << "ttyUSB9" << true << "Pick an entry";
    QTest::newRow("missing device")
        << "/dev/quellix-no-such-port" << true << "There is no device /dev/quellix-no-such-port";
    QTest::newRow("port held by another program") << "held" << true << "in use by another program";
}

// Connect, then disconnect or fail, then connect again as the first time.
void tst_devicelink::connectStates() {
    QFETCH(QString, typed);
    QFETCH(bool, fails);
    QFETCH(QString, advice);
    Rig r;
    SerialLink other;
    QVERIFY(r.unit.isOpen() && (typed != "held" || other.open(r.unit.slavePath())));
    const QString startLamp = r.lamp().name();
    QCOMPARE(r.connectTo(15, typed == "held" ? "" : typed), !fails);
    if (!fails) {
        const QSerialPort* p = r.port();
        QCOMPARE(QList<int>(
                     {p->baudRate(), p->dataBits(), p->parity(), p->stopBits(), p->flowControl()}),
                 QList<int>({115200, 8, QSerialPort::NoParity, 1, QSerialPort::NoFlowControl}));
        r.button("cmdConnect")->click();
    }
    QTRY_COMPARE(r.boxes.size(), fails ? 1 : 0);
    for (QStringList box : r.boxes) {
        const QString text = box.takeAt(1);
        // The serial layer's own words first, then what to do about them.
        QVERIFY2(text.contains("\n\n") && !text.startsWith("\n") && text.contains(advice),
                 qPrintable(text));
        // The lamp turns red only once the box is dismissed.
        QCOMPARE(box, QStringList({"USB Port Error", Warning, startLamp, ""}));
    }
    QCOMPARE(r.lamp(), fails ? Red : Black);
    QVERIFY(r.button("cmdConnect")->text() == "Connect" && !r.functionsEnabled() &&
            !r.port()->isOpen());
    other.close();
    QVERIFY(r.connectTo(15));
    frmMain later;  // a later run offers the port used last
    QCOMPARE(control<QComboBox>(&later, "cmbComm")->currentText(), r.unit.slavePath());
}

// The status bar says which port Connect opened, and a message of the port before does not
// stay over the next one; the lamp's tooltip names the port it stands for.
void tst_devicelink::connectStatus() {
    Rig r;
    const QString path = r.unit.slavePath();
    QVERIFY(r.connectTo(15));
    QCOMPARE(r.w.statusBar()->currentMessage(), "Connected to " + path + ".");
    QVERIFY2(control(&r.w, "shpComm")->toolTip().contains(path),
             qPrintable(control(&r.w, "shpComm")->toolTip()));
    r.w.statusBar()->showMessage(QStringLiteral("Read complete."), 15000);
    r.button("cmdConnect")->click();  // Disconnect
    QCOMPARE(r.w.statusBar()->currentMessage(), QString());
    QVERIFY(control(&r.w, "shpComm")->toolTip().contains(path));
}

// Reads and writes from start to end, and the ways one ends early: a write with no slave ID, a
// unit that never answers, a line that drops in the middle, the window closed during one. The
// unit holds the simulator's sample set; a write sends it, a read replaces a window full of
// other values with it.
void tst_devicelink::transfers_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("commands");  // how many the unit receives
    QTest::addColumn<QStringList>("box");
    const QStringList noDevice{"Communication Error", "Cannot communicate with device"};
    QTest::newRow("read") << false << "" << 15 << 99 << QStringList();
    QTest::newRow("write") << true << "" << 100 << 99 << QStringList();
    QTest::newRow("write, no slave ID")
        << true << "no slave ID" << 15 << 0
        << QStringList{"Write to Device", "Select a slave ID from the list before writing."};
    QTest::newRow("read, no unit") << false << "no unit" << 100 << 1 << noDevice;
    QTest::newRow("write, no unit") << true << "no unit" << 100 << 1 << noDevice;
    QTest::newRow("write, hang-up") << true << "hang-up" << 100 << 20 << noDevice;
    QTest::newRow("read, hang-up in the messages") << false << "hang-up" << 100 << 45 << noDevice;
    QTest::newRow("read, close") << false << "close" << 15 << 10 << QStringList();
    // A read whose replies slipped, or whose unit answers late, keeps what the window showed.
    QTest::newRow("read, late reply")
        << false << "late" << 25 << 99
        << QStringList{"Read from Device",
                       "The read from PATH failed: no reply to ?P05: the unit answered late or "
                       "not at all."};
    QTest::newRow("read, late unit") << false << "slow" << 100 << 1 << noDevice;
}

void tst_devicelink::transfers() {
    QFETCH(bool, write);
    QFETCH(QString, event);
    QFETCH(int, interval);
    QFETCH(int, commands);
    QFETCH(QStringList, box);
    Rig r;
    r.unit.setFaults({.silent = event == "no unit",
                      .delayMs = event == "slow" ? 150 : 0,
                      .hangUpAfter = event == "hang-up" ? commands : -1,
                      .lateOnce = event == "late" ? QByteArray("?P05") : QByteArray()});
    QVERIFY(r.unit.isOpen() && r.connectTo(interval));
    const ConfigurationSet sample = UnitSimulator::sampleConfiguration();
    ConfigurationSet other;
    other.phoneNo.fill(QStringLiteral("1"));
    other.channelMessage.fill(QStringLiteral("x"));
    r.w.applyConfiguration(write ? sample : other);
    r.w.selectPage(3);
    if (event == "no slave ID")
        control<QComboBox>(&r.w, "cmbSlaveID")->setEditText(QStringLiteral("40"));
    r.answer = QMessageBox::Close;  // closing during the transfer asks; "Close Anyway"
    connect(&r.unit, &UnitSimulator::commandReceived, this, [&] {
        if (event == "close" && r.unit.commands().size() == commands)
            QVERIFY(!r.w.close());  // refused for now; the transfer ends first
    });
    const QString path = r.unit.slavePath();  // gone once the unit hangs up
    r.button(write ? "cmdDeviceWrite" : "cmdDeviceRead")->click();

    QTRY_VERIFY_WITH_TIMEOUT(!r.w.transferActive(), 20000);
    QTest::qWait(300);  // for a box, or for a command that should not come
    // Closing asks first and the transfer runs on while the question shows; it stops after the
    // exchange in flight when the answer comes.
    QCOMPARE(r.unit.commands().size(), event == "close" ? r.commandsAtAnswer : commands);
    // A box comes after the progress window has closed, over the lamp the line left.
    if (!box.isEmpty()) box << Warning << (event == "hang-up" ? Red : Green).name() << "";
    box.replaceInStrings("PATH", path);
    if (event == "close") QCOMPARE(r.boxes.takeFirst().first(), "Transfer Running");
    QCOMPARE(r.boxes, box.isEmpty() ? QList<QStringList>() : QList<QStringList>{box});
    // The box names the port and says what to try; after a lost line, when it was lost.
    // A unit that answers, only late, is told apart from a missing one.
    if (box.contains("Cannot communicate with device") && event != "slow") {
        const QString detail = r.details.value(0);
        QVERIFY2(detail.contains(r.unit.slavePath()) && detail.contains("another port") &&
                     detail.contains("was lost at") == (event == "hang-up"),
                 qPrintable(detail));
    }
    if (event == "slow")
        QVERIFY2(QRegularExpression("^The unit on " + QRegularExpression::escape(path) +
                                    " answers late \\(about \\d+ ms after each command\\), after "
                                    "the 100 ms")
                     .match(r.details.value(0))
                     .hasMatch(),
                 qPrintable(r.details.value(0)));
    QCOMPARE(r.progressSeen && !r.w.findChild<frmProgress*>(), commands > 1);  // shown and gone
    QCOMPARE(r.w.isVisible(), event != "close");
    QCOMPARE(r.port()->isOpen(),
             event.isEmpty() || event.startsWith("no ") || event == "late" || event == "slow");
    QCOMPARE(r.functionsEnabled(), r.port()->isOpen());
    // Even after a read cut short, the page shows what the window holds, so an edit starts from
    // it.
    const int base = (r.w.currentPage() - 1) * frmMain::Slots;
    const ConfigurationSet held = r.w.configuration();
    for (int s = 0; s < frmMain::Slots; ++s)
        QCOMPARE(control<QLabel>(&r.w, "lblMessage", s)->text(), held.channelMessage[base + s]);
    // A read refused leaves the window, its title and what it says as they were; the status
    // bar says why.
    const bool refused = event == "late" || event == "slow" || event == "no unit";
    if (!write && refused) {
        QCOMPARE(r.w.configuration(), other);
        QVERIFY(!r.w.isWindowModified());
        const QString message = r.w.statusBar()->currentMessage();
        QVERIFY2(message.startsWith("The unit could not be read: ") &&
                     message.contains(event == "slow" ? "the unit answers late" : "") &&
                     message.contains(event == "late" ? "no reply to ?P05" : ""),
                 qPrintable(message));
    }
    // Only the probe went out: nothing was written, and the status bar does not call the unit
    // half-written.
    if (write && event == "no unit")
        QCOMPARE(r.w.statusBar()->currentMessage(),
                 "Write failed: no unit answered the probe; nothing was written");
    // The status bar says where the window's contents came from, and how far a read got. A
    // read that got no answer leaves the window, and what it says, as they were.
    const QString status = r.w.findChild<QLabel*>(QStringLiteral("lblContents"))->text();
    const bool readSomething = !write && !refused;
    const QString source = readSomething              ? "Read from " + path + " at "
                           : write && event.isEmpty() ? "Written to " + path + " at "
                                                      : "Start values";
    const bool cutShort = readSomething && (event == "hang-up" || event == "close");
    QVERIFY2(status.startsWith(source) && status.contains("cut short after") == cutShort,
             qPrintable(status));
    if (!event.isEmpty()) return;

    if (!write) {
        QCOMPARE(r.w.configuration(), sample);
        // Undo Read puts back what the window held before, once.
        auto* undo = r.w.findChild<QAction*>(QStringLiteral("actUndo"));
        QCOMPARE(undo->text(), "&Undo Read");
        undo->trigger();
        QCOMPARE(r.w.configuration(), other);
        QVERIFY(!undo->isEnabled());
        r.w.applyConfiguration(sample);
        for (int s = 0; s < frmMain::Slots; ++s)  // turned to page 1 and shows what was read
            QVERIFY(control<QCheckBox>(&r.w, "chkChEnable", s)->isChecked() == sample.enabled(s) &&
                    control<QLabel>(&r.w, "lblMessage", s)->text() == sample.channelMessage[s]);
        return;
    }
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
    QCOMPARE(r.unit.received(), sent);
}

QTEST_MAIN(tst_devicelink)
#include "tst_devicelink.moc"

// A window that holds only its start values would clear the unit: the write asks first, naming
// the port, and goes ahead only when told to.
// The box about a late unit offers to read it at its pace; taken, the window turns Fast Link on
// and reads the unit right.
void tst_devicelink::lateUnitReadAtItsPace() {
    Rig r;
    r.unit.setFaults({.delayMs = 150});
    QVERIFY(r.unit.isOpen() && r.connectTo(100));
    auto* fastLink = r.w.findChild<QAction*>(QStringLiteral("actFastLink"));
    QVERIFY(fastLink && !fastLink->isChecked());
    r.answerName = QStringLiteral("cmdReadAtItsPace");
    r.button("cmdDeviceRead")->click();
    QTRY_COMPARE_WITH_TIMEOUT(r.w.configuration(), UnitSimulator::sampleConfiguration(), 30000);
    QTRY_VERIFY(!r.w.transferActive());
    QCOMPARE(r.boxes.size(), 1);
    QCOMPARE(r.boxes[0].value(1), "Cannot communicate with device");
    QVERIFY(fastLink->isChecked());
    fastLink->setChecked(false);  // the option is remembered; later tests start without it
}

void tst_devicelink::blankWrite_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("commands");
    QTest::newRow("cancelled") << int(QMessageBox::Cancel) << 0;
    QTest::newRow("written anyway") << int(QMessageBox::Yes) << 99;
}

void tst_devicelink::blankWrite() {
    QFETCH(int, answer);
    QFETCH(int, commands);
    Rig r;
    r.answer = QMessageBox::StandardButton(answer);
    // Room for the question box's own event loop before the probe reply is due.
    QVERIFY(r.connectTo(40));
    r.button("cmdDeviceWrite")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!r.w.transferActive() && !r.boxes.isEmpty(), 20000);
    QTest::qWait(300);  // for a command that should not come
    QCOMPARE(r.unit.commands().size(), commands);
    QCOMPARE(r.boxes.size(), 1);
    QCOMPARE(r.boxes[0][0], "Write to Device");
    QVERIFY2(r.boxes[0][1].contains(r.unit.slavePath()), qPrintable(r.boxes[0][1]));
    // Once the window holds something else, a write asks nothing.
    control<QCheckBox>(&r.w, "chkChEnable", 0)->setChecked(true);
    r.button("cmdDeviceWrite")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!r.w.transferActive(), 20000);
    QCOMPARE(r.unit.commands().size(), commands + 99);
    QCOMPARE(r.boxes.size(), 1);
}
