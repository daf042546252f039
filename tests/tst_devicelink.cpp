// Connecting and disconnecting the port from the main window, and what a lost line shows.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

#include "SerialLink.h"
#include "UnitSimulator.h"
#include "frmMain.h"

namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QColor lampWhileShown;
};

// Answers every modal message box with OK and records it; a box that never shows leaves
// the list empty instead of hanging the test, and anything else modal is closed too.
class BoxCatcher : public QObject {
public:
    explicit BoxCatcher(const QFrame* lamp) : lamp(lamp) {
        connect(&poll, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes.append({box->windowTitle(), box->text(), box->icon(),
                              this->lamp->palette().color(QPalette::Window)});
                box->button(QMessageBox::Ok)->click();
            } else {
                modal->close();
            }
        });
        poll.start(20);
    }
    QList<SeenBox> boxes;

private:
    const QFrame* lamp;
    QTimer poll;
};

QColor lamp(const frmMain& w) {
    return w.shpComm->palette().color(QPalette::Window);
}
const QColor Green(0, 255, 0), Black(0, 0, 0), Red(255, 0, 0);

QSerialPort* port(const frmMain& w) {
    return w.findChild<QSerialPort*>(QStringLiteral("cm"));
}

}  // namespace

class tst_devicelink : public QObject {
    Q_OBJECT
public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

private slots:
    void portNames_data();
    void portNames();
    void connectAndDisconnect();
    void connectFailures_data();
    void connectFailures();
    void lostLineShowsFailed_data();
    void lostLineShowsFailed();
    void closingTheWindowClosesThePort();
};

void tst_devicelink::portNames_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("portNumber");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("device");

    QTest::newRow("COM 1 on Unix") << "COM 1" << 1 << false << "/dev/ttyS0";
    QTest::newRow("COM 3 on Unix") << "COM 3" << 3 << false << "/dev/ttyS2";
    QTest::newRow("COM 255 on Unix") << "COM 255" << 255 << false << "/dev/ttyS254";
    QTest::newRow("COM 1 on Windows") << "COM 1" << 1 << true << "COM1";
    QTest::newRow("COM 255 on Windows") << "COM 255" << 255 << true << "COM255";
    QTest::newRow("typed path") << "/dev/pts/7" << 0 << false << "/dev/pts/7";
    QTest::newRow("typed path, blanks around") << "  /dev/ttyUSB0 " << 0 << false << "/dev/ttyUSB0";
    QTest::newRow("typed name that is no path") << "ttyUSB0" << 0 << false << "";
    QTest::newRow("typed COM 0") << "COM 0" << 0 << false << "";
    QTest::newRow("typed COM 256") << "COM 256" << 0 << true << "";
    QTest::newRow("empty") << "" << 0 << false << "";
    QTest::newRow("out of range number") << "COM 256" << 256 << false << "";
}

void tst_devicelink::portNames() {
    QFETCH(QString, shown);
    QFETCH(int, portNumber);
    QFETCH(bool, windows);
    QFETCH(QString, device);
    const auto platform = windows ? SerialLink::Platform::Windows : SerialLink::Platform::Unix;
    QCOMPARE(SerialLink::deviceNameFor(shown, portNumber, platform), device);
}

void tst_devicelink::connectAndDisconnect() {
    UnitSimulator unit;
    QVERIFY2(unit.open(), qPrintable(unit.errorString()));
    frmMain w;
    w.show();
    BoxCatcher catcher(w.shpComm);
    QVERIFY(!w.FrameFunction->isEnabled());
    QCOMPARE(w.cmdConnect->text(), QStringLiteral("Connect"));

    w.cmbComm->setEditText(unit.slavePath());
    for (int round = 0; round < 2; ++round) {  // a second connect behaves like the first
        w.cmdConnect->click();
        QCOMPARE(w.cmdConnect->text(), QStringLiteral("Disconnect"));
        QCOMPARE(lamp(w), Green);
        QVERIFY(w.FrameFunction->isEnabled());
        QVERIFY(w.cmdDeviceRead->isEnabled());
        QVERIFY(port(w) && port(w)->isOpen());
        QCOMPARE(QStringLiteral("/dev/") + port(w)->portName(), unit.slavePath());
        QCOMPARE(port(w)->baudRate(), 115200);
        QCOMPARE(port(w)->dataBits(), QSerialPort::Data8);
        QCOMPARE(port(w)->parity(), QSerialPort::NoParity);
        QCOMPARE(port(w)->stopBits(), QSerialPort::OneStop);
        QCOMPARE(port(w)->flowControl(), QSerialPort::NoFlowControl);

        // Another entry chosen while connected changes nothing until the next connect.
        w.cmbComm->setCurrentIndex(4);
        QVERIFY(port(w)->isOpen());
        w.cmdConnect->click();
        QCOMPARE(w.cmdConnect->text(), QStringLiteral("Connect"));
        QCOMPARE(lamp(w), Black);
        QVERIFY(!w.FrameFunction->isEnabled());
        QVERIFY(!port(w)->isOpen());
        w.cmbComm->setEditText(unit.slavePath());
    }
    QTest::qWait(50);
    QCOMPARE(catcher.boxes.size(), 0);
}

void tst_devicelink::connectFailures_data() {
    QTest::addColumn<QString>("typed");  // "<sim>" is the simulated unit's path
    QTest::addColumn<bool>("holdPortElsewhere");
    QTest::addColumn<QString>("message");  // empty: the serial layer's own description

    QTest::newRow("text matching no entry")
        << "ttyUSB9" << false
        << "No such serial port. Pick an entry from the list or type a device path such as "
           "/dev/ttyUSB0.";
    QTest::newRow("missing device") << "/dev/quellix-no-such-port" << false << "";
    QTest::newRow("port held by another program") << "<sim>" << true << "";
}

void tst_devicelink::connectFailures() {
    QFETCH(QString, typed);
    QFETCH(bool, holdPortElsewhere);
    QFETCH(QString, message);

    UnitSimulator unit;
    QVERIFY(unit.open());
    SerialLink other;
    if (holdPortElsewhere) QVERIFY(other.open(unit.slavePath()));
    frmMain w;
    w.show();
    BoxCatcher catcher(w.shpComm);

    w.cmbComm->setEditText(typed == "<sim>" ? unit.slavePath() : typed);
    w.cmdConnect->click();
    QTRY_COMPARE_WITH_TIMEOUT(catcher.boxes.size(), 1, 3000);
    const SeenBox box = catcher.boxes.first();
    QCOMPARE(box.title, QStringLiteral("USB Port Error"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    if (message.isEmpty())
        QVERIFY(!box.text.trimmed().isEmpty());
    else
        QCOMPARE(box.text, message);
    QVERIFY(box.lampWhileShown != Red);  // red only once the box is dismissed
    QCOMPARE(lamp(w), Red);
    QCOMPARE(w.cmdConnect->text(), QStringLiteral("Connect"));
    QVERIFY(!w.FrameFunction->isEnabled());
    QVERIFY(!port(w)->isOpen());

    // The user picks the right port and tries again: the red lamp turns green.
    other.close();
    w.cmbComm->setEditText(unit.slavePath());
    w.cmdConnect->click();
    QCOMPARE(lamp(w), Green);
    QCOMPARE(w.cmdConnect->text(), QStringLiteral("Disconnect"));
    QCOMPARE(catcher.boxes.size(), 1);
}

void tst_devicelink::lostLineShowsFailed_data() {
    QTest::addColumn<bool>("sendAfterwards");
    QTest::newRow("noticed by the port") << false;
    QTest::newRow("then a read is tried") << true;
}

void tst_devicelink::lostLineShowsFailed() {
    QFETCH(bool, sendAfterwards);
    UnitSimulator unit;
    QVERIFY(unit.open());
    frmMain w;
    w.setProtocolInterval(15);
    w.show();
    BoxCatcher catcher(w.shpComm);
    w.cmbComm->setEditText(unit.slavePath());
    w.cmdConnect->click();
    QCOMPARE(lamp(w), Green);

    unit.hangUp();
    if (sendAfterwards) w.cmdDeviceRead->click();
    // Never a green lamp over a dead port.
    QTRY_COMPARE_WITH_TIMEOUT(lamp(w), Red, 3000);
    QCOMPARE(w.cmdConnect->text(), QStringLiteral("Connect"));
    QVERIFY(!w.FrameFunction->isEnabled());
    QVERIFY(!port(w)->isOpen());
    QVERIFY(w.cmdConnect->isEnabled());
    if (sendAfterwards) {
        QTRY_COMPARE_WITH_TIMEOUT(catcher.boxes.size(), 1, 3000);
        QCOMPARE(catcher.boxes[0].text, QStringLiteral("Cannot communicate with device"));
    }
    QTest::qWait(100);
    QCOMPARE(catcher.boxes.size(), sendAfterwards ? 1 : 0);
    QVERIFY(!w.transferActive());
}

void tst_devicelink::closingTheWindowClosesThePort() {
    UnitSimulator unit;
    QVERIFY(unit.open());
    auto* w = new frmMain;
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    w->cmbComm->setEditText(unit.slavePath());
    w->cmdConnect->click();
    QVERIFY(port(*w)->isOpen());
    w->cmdExit->click();
    QVERIFY(!w->isVisible());
    QVERIFY(!port(*w)->isOpen());
    delete w;
    // The next run starts disconnected and finds the port free.
    frmMain next;
    QCOMPARE(next.cmdConnect->text(), QStringLiteral("Connect"));
    next.cmbComm->setEditText(unit.slavePath());
    next.cmdConnect->click();
    QVERIFY(port(next)->isOpen());
}

QTEST_MAIN(tst_devicelink)
#include "tst_devicelink.moc"
