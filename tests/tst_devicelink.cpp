// The device side of the main window against the simulated unit on a pseudo-terminal:
// connecting, and reading and writing the whole configuration.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QTabWidget>
#include <QtTest>

#include "SerialLink.h"
#include "UnitSimulator.h"
#include "frmMain.h"
#include "frmProgress.h"

namespace {

const QColor Green(0, 255, 0), Black(0, 0, 0), Red(255, 0, 0);

// Answers every modal box with OK and records title, text, icon and what was behind it. A box
// that never shows leaves the list empty instead of hanging the test.
struct BoxCatcher : QObject {
    explicit BoxCatcher(const QFrame* lamp) {
        connect(&poll, &QTimer::timeout, this, [this, lamp] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            bool progressOpen = false;
            for (QWidget* top : QApplication::topLevelWidgets())
                progressOpen = progressOpen || qobject_cast<frmProgress*>(top);
            boxes << QStringList{box->windowTitle(), box->text(), QString::number(box->icon())};
            behind << QStringList{lamp->palette().color(QPalette::Window).name(),
                                  progressOpen ? "progress open" : ""};
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(20);
    }
    QList<QStringList> boxes, behind;
    QTimer poll;
};

// Follows every progress window shown: the bar's first value and each change, and the texts.
struct ProgressWatch : QObject {
    ProgressWatch() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* p = qobject_cast<frmProgress*>(o);
        if (!p || e->type() != QEvent::Show || p->property("watched").toBool()) return false;
        p->setProperty("watched", true);
        ++shown;
        values << p->pbar->value();
        connect(p->pbar, &QProgressBar::valueChanged, this, [this, p](int v) {
            values << v;
            texts = {p->lblMsg->text(), p->lblModel->text()};
            results << p->lblResult->text();
        });
        return false;
    }
    int shown = 0;
    QList<int> values;
    QStringList texts, results;
};

QByteArray hex(int v) {
    return QByteArray::number(v, 16).rightJustified(2, '0').toUpper();
}

// Touches every page, both phone columns and the edges of the texts.
ConfigurationSet fullSet() {
    ConfigurationSet set;
    set.slaveId = 27;
    for (int k = 0; k < 32; ++k)
        set.phoneNo[k] = QStringLiteral("4930%1").arg(1000 + 7 * k);
    set.phoneNo[5].clear();
    set.phoneNo[31] = QStringLiteral("123456789012345");
    for (int i = 0; i < 64; ++i) {
        set.channelEnable[i] = i % 3 == 0 || i == 63 ? FlagTrue : FlagFalse;
        set.channelMessage[i] = QStringLiteral("Ch %1 msg").arg(i + 1);
    }
    set.channelMessage[7].clear();
    set.channelMessage[40] = QStringLiteral("Température & co");
    return set;
}

// The bar over a whole transfer: 0, then 3, 5, 5..36, 37..100 (a repeated 5 is no change).
QList<int> fullProgress() {
    QList<int> v{0, 3, 5};
    for (int x = 6; x <= 100; ++x)
        v << x;
    return v;
}

}  // namespace

class tst_devicelink : public QObject {
    Q_OBJECT
public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

private slots:
    void init();
    void cleanup();
    void portNames_data();
    void portNames();
    void connectStates_data();
    void connectStates();
    void lostLineShowsFailed();
    void fullRead();
    void fullWriteTranscript();
    void abnormalEnds_data();
    void abnormalEnds();
    void probeOnlyUnit_data();
    void probeOnlyUnit();
    void writeWithoutSlaveIdIsRefused();

private:
    QColor lamp() const { return w->shpComm->palette().color(QPalette::Window); }
    QSerialPort* port() const { return w->findChild<QSerialPort*>(QStringLiteral("cm")); }
    bool connectTo(const QString& text, int interval = 15) {
        w->setProtocolInterval(interval);
        w->cmbComm->setEditText(text);
        w->cmdConnect->click();
        return lamp() == Green && w->cmdConnect->text() == QStringLiteral("Disconnect") &&
               w->FrameFunction->isEnabled() && port()->isOpen();
    }
    void run(bool write) { (write ? w->cmdDeviceWrite : w->cmdDeviceRead)->click(); }

    std::unique_ptr<UnitSimulator> unit;
    std::unique_ptr<frmMain> w;
    std::unique_ptr<BoxCatcher> catcher;
    std::unique_ptr<ProgressWatch> watch;
};

void tst_devicelink::init() {
    unit = std::make_unique<UnitSimulator>();
    QVERIFY(unit->open());
    w = std::make_unique<frmMain>();
    w->show();
    catcher = std::make_unique<BoxCatcher>(w->shpComm);
    watch = std::make_unique<ProgressWatch>();
}

void tst_devicelink::cleanup() {
    watch.reset();
    catcher.reset();
    w.reset();
    unit.reset();
}

void tst_devicelink::portNames_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("portNumber");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("device");
    QTest::newRow("COM 1, Unix") << "COM 1" << 1 << false << "/dev/ttyS0";
    QTest::newRow("COM 255, Unix") << "COM 255" << 255 << false << "/dev/ttyS254";
    QTest::newRow("COM 3, Windows") << "COM 3" << 3 << true << "COM3";
    QTest::newRow("COM 255, Windows") << "COM 255" << 255 << true << "COM255";
    QTest::newRow("typed path") << " /dev/pts/7 " << 0 << false << "/dev/pts/7";
    QTest::newRow("typed name, no path") << "ttyUSB0" << 0 << false << "";
    QTest::newRow("typed COM 0") << "COM 0" << 0 << true << "";
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

void tst_devicelink::connectStates_data() {
    QTest::addColumn<QString>("typed");  // "<sim>" is the simulated unit's path
    QTest::addColumn<bool>("portHeldElsewhere");
    QTest::addColumn<QString>("message");  // "*": the serial layer's own text
    QTest::newRow("simulated unit") << "<sim>" << false << "";
    QTest::newRow("text matching no entry")
        << "ttyUSB9" << false
        << "No such serial port. Pick an entry from the list or type a device path such as "
           "/dev/ttyUSB0.";
    QTest::newRow("missing device") << "/dev/quellix-no-such-port" << false << "*";
    QTest::newRow("port held by another program") << "<sim>" << true << "*";
}

void tst_devicelink::connectStates() {
    QFETCH(QString, typed);
    QFETCH(bool, portHeldElsewhere);
    QFETCH(QString, message);
    SerialLink other;
    if (portHeldElsewhere) QVERIFY(other.open(unit->slavePath()));
    const bool ok = connectTo(typed == "<sim>" ? unit->slavePath() : typed);

    if (message.isEmpty()) {
        QVERIFY(ok);
        QCOMPARE(port()->baudRate(), 115200);
        QCOMPARE(port()->dataBits(), QSerialPort::Data8);
        QCOMPARE(port()->parity(), QSerialPort::NoParity);
        QCOMPARE(port()->stopBits(), QSerialPort::OneStop);
        QCOMPARE(port()->flowControl(), QSerialPort::NoFlowControl);
        w->cmbComm->setCurrentIndex(4);  // changes nothing until the next connect
        w->cmdConnect->click();
        QCOMPARE(lamp(), Black);
        QCOMPARE(w->cmdConnect->text(), QStringLiteral("Connect"));
        QVERIFY(!w->FrameFunction->isEnabled() && !port()->isOpen());
    } else {
        QTRY_COMPARE(catcher->boxes.size(), 1);
        QCOMPARE(catcher->boxes[0][0], QStringLiteral("USB Port Error"));
        if (message != "*") QCOMPARE(catcher->boxes[0][1], message);
        QVERIFY(!catcher->boxes[0][1].isEmpty());
        QCOMPARE(catcher->boxes[0][2], QString::number(QMessageBox::Warning));
        QVERIFY(catcher->behind[0][0] != Red.name());  // red once the box is dismissed
        QCOMPARE(lamp(), Red);
        QCOMPARE(w->cmdConnect->text(), QStringLiteral("Connect"));
        QVERIFY(!w->FrameFunction->isEnabled() && !port()->isOpen());
    }
    other.close();  // the next connect on the right port works like the first
    QVERIFY(connectTo(unit->slavePath()));
    QCOMPARE(catcher->boxes.size(), message.isEmpty() ? 0 : 1);
    w->cmdExit->click();  // closing the window releases the port
    QVERIFY(!w->isVisible() && !port()->isOpen());
}

void tst_devicelink::lostLineShowsFailed() {
    QVERIFY(connectTo(unit->slavePath()));
    unit->hangUp();
    QTRY_COMPARE(lamp(), Red);  // never a green lamp over a dead port
    QCOMPARE(w->cmdConnect->text(), QStringLiteral("Connect"));
    QVERIFY(w->cmdConnect->isEnabled() && !w->FrameFunction->isEnabled() && !port()->isOpen());
    QTest::qWait(100);
    QCOMPARE(catcher->boxes.size(), 0);
}

void tst_devicelink::fullRead() {
    unit->setConfiguration(fullSet());
    QVERIFY(connectTo(unit->slavePath()));
    w->cmdEditNo[4]->setEnabled(false);  // must come back as it was
    w->selectPage(3);

    // While the read runs, nothing that starts a procedure or edits values is usable; the
    // tabs are.
    QList<QWidget*> locked{w->cmdConnect,  w->cmdDeviceRead, w->cmdDeviceWrite,
                           w->cmdFileLoad, w->cmdFileSave,   w->cmbSlaveID};
    for (int s = 0; s < 16; ++s)
        locked << w->chkChEnable[s] << w->cmdEditMsg[s];
    for (int k = 0; k < 32; ++k)
        locked << w->cmdEditNo[k];
    int unlockedSeen = 0;
    connect(unit.get(), &UnitSimulator::commandReceived, this, [&] {
        for (QWidget* c : locked)
            unlockedSeen += c->isEnabled();
        unlockedSeen += !w->TS->isEnabled();
    });

    run(false);
    QCOMPARE(w->currentPage(), 1);  // selected before anything is sent
    QTRY_VERIFY_WITH_TIMEOUT(!w->transferActive(), 10000);
    QCOMPARE(unlockedSeen, 0);
    for (QWidget* c : locked)
        QCOMPARE(c->isEnabled(), c != w->cmdEditNo[4]);

    QByteArrayList sent{"?\r", "?A\r", "?E\r"};
    for (int k = 0; k < 32; ++k)
        sent << "?P" + hex(k) + '\r';
    for (int i = 0; i < 64; ++i)
        sent << "?M" + hex(i) + '\r';
    QCOMPARE(unit->commands(), sent);
    QCOMPARE(catcher->boxes.size(), 0);
    QCOMPARE(watch->values, fullProgress());
    QCOMPARE(watch->texts, QStringList({"Reading from device ...", "QX-ALARM-1"}));
    QCOMPARE(watch->results.join(""), QString());  // no reply label during a read
    QVERIFY(w->findChildren<frmProgress*>().isEmpty());

    QCOMPARE(w->configuration(), fullSet());
    QCOMPARE(w->cmbSlaveID->currentText(), QStringLiteral("27"));
    for (int page = 1; page <= 4; ++page) {
        w->selectPage(page);
        for (int s = 0; s < 16; ++s) {
            const int i = (page - 1) * 16 + s;
            QCOMPARE(w->chkChEnable[s]->isChecked(), i % 3 == 0 || i == 63);
            QCOMPARE(w->lblMessage[s]->text(), fullSet().channelMessage[i]);
        }
    }
}

void tst_devicelink::fullWriteTranscript() {
    QVERIFY(connectTo(unit->slavePath(), 100));  // once at the unit's real pace
    w->cmbSlaveID->setCurrentIndex(10);
    for (int i : {0, 1, 8, 63})
        w->ChannelEnable[i] = FlagTrue;
    w->ChannelMessage[8] = QStringLiteral("Smoke\r\nFloor 2");
    w->ChannelMessage[40] = QStringLiteral("Température");
    w->txtPhoneNo[0]->setText(QStringLiteral("911234567890"));
    w->txtPhoneNo[31]->setText(QStringLiteral("15550100"));
    const ConfigurationSet shown = w->configuration();

    QByteArray expected("?\r&A0A\r&E0301000000000080\r");
    for (int k = 0; k < 32; ++k)
        expected += "&P" + hex(k) +
                    (k == 0    ? "911234567890"
                     : k == 31 ? "15550100"
                               : "") +
                    QByteArray("\0\r", 2);
    for (int i = 0; i < 64; ++i)
        expected += "&M" + hex(i) +
                    (i == 8    ? "Smoke\r\nFloor 2"
                     : i == 40 ? "Temp\xE9rature"
                               : "") +
                    QByteArray("\0\r", 2);

    run(true);
    QTRY_VERIFY_WITH_TIMEOUT(!w->transferActive(), 20000);
    QCOMPARE(unit->received(), expected);
    QCOMPARE(unit->configuration(), shown);
    QCOMPARE(w->configuration(), shown);
    QCOMPARE(catcher->boxes.size(), 0);
    QCOMPARE(watch->values, fullProgress());
    QCOMPARE(watch->texts, QStringList({"Writing to device ...", "QX-ALARM-1"}));
    QCOMPARE(watch->results.filter(QRegularExpression("^OK\\s*$")).size(), 97);
}

void tst_devicelink::abnormalEnds_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("event");
    for (const char* event : {"no unit", "hang-up", "close"}) {
        QTest::addRow("read, %s", event) << false << event;
        QTest::addRow("write, %s", event) << true << event;
    }
}

void tst_devicelink::abnormalEnds() {
    QFETCH(bool, write);
    QFETCH(QString, event);
    UnitFaults faults;
    faults.silent = event == "no unit";
    unit->setFaults(faults);
    QVERIFY(connectTo(unit->slavePath()));
    w->applyConfiguration(fullSet());
    w->selectPage(2);
    qsizetype sentAtClose = -1;
    connect(unit.get(), &UnitSimulator::commandReceived, this, [&] {
        if (event == "hang-up" && unit->commands().size() == 20) unit->hangUp();
        if (event == "close" && unit->commands().size() == 10) {
            QVERIFY(!w->close());  // refused for now; the transfer ends first
            sentAtClose = unit->commands().size();
        }
    });
    run(write);

    if (event == "close") {
        QTRY_VERIFY(!w->isVisible());
        QTest::qWait(100);
        QCOMPARE(unit->commands().size(), sentAtClose);  // nothing after the one in flight
        QCOMPARE(catcher->boxes.size(), 0);
        QVERIFY(w->findChildren<frmProgress*>().isEmpty() && !port()->isOpen());
        return;
    }
    QTRY_COMPARE(catcher->boxes.size(), 1);
    QCOMPARE(catcher->boxes[0],
             QStringList({"Communication Error", "Cannot communicate with device",
                          QString::number(QMessageBox::Warning)}));
    QCOMPARE(catcher->behind[0][1], QString());  // the progress window closed first
    QVERIFY(!w->transferActive() && w->cmdConnect->isEnabled() && w->cmbSlaveID->isEnabled());
    if (event == "no unit") {
        QCOMPARE(watch->shown, 0);
        QCOMPARE(unit->commands(), QByteArrayList{"?\r"});
        QCOMPARE(w->configuration(), fullSet());
        QCOMPARE(w->currentPage(), write ? 2 : 1);  // only the read turns to page 1
        QVERIFY(w->cmdDeviceRead->isEnabled());
    } else {
        QCOMPARE(unit->commands().size(), 20);
        QCOMPARE(lamp(), Red);
        QCOMPARE(w->cmdConnect->text(), QStringLiteral("Connect"));
        QVERIFY(!w->FrameFunction->isEnabled() && !port()->isOpen());
        QVERIFY(!w->cmdDeviceRead->testAttribute(Qt::WA_ForceDisabled));  // its own state
    }
}

void tst_devicelink::probeOnlyUnit_data() {
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

void tst_devicelink::probeOnlyUnit() {
    QFETCH(bool, write);
    UnitFaults faults;
    faults.probeOnly = true;
    unit->setFaults(faults);
    QVERIFY(connectTo(unit->slavePath(), 10));
    w->applyConfiguration(fullSet());
    run(write);
    QTRY_VERIFY_WITH_TIMEOUT(!w->transferActive(), 10000);
    QCOMPARE(catcher->boxes.size(), 0);
    QCOMPARE(unit->commands().size(), 99);
    QCOMPARE(watch->values.last(), 100);
    ConfigurationSet expected = fullSet();
    if (!write) {  // slave ID and flags stay; every number and message reads empty
        expected.phoneNo = {};
        expected.channelMessage = {};
    }
    QCOMPARE(w->configuration(), expected);
    QCOMPARE(w->lblMessage[3]->text(), expected.channelMessage[3]);
}

void tst_devicelink::writeWithoutSlaveIdIsRefused() {
    QVERIFY(connectTo(unit->slavePath(), 10));
    w->cmbSlaveID->setEditText(QStringLiteral("40"));
    run(true);
    QTRY_COMPARE(catcher->boxes.size(), 1);
    QCOMPARE(catcher->boxes[0],
             QStringList({"Write to Device", "Select a slave ID from the list before writing.",
                          QString::number(QMessageBox::Warning)}));
    QTest::qWait(50);
    QVERIFY(unit->received().isEmpty());
    QCOMPARE(watch->shown, 0);
}

QTEST_MAIN(tst_devicelink)
#include "tst_devicelink.moc"
