// Read from Device and Write to Device in the main window, against the simulated unit on a
// pseudo-terminal.
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
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include "UnitSimulator.h"
#include "frmMain.h"
#include "frmProgress.h"

namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool progressWindowOpen = false;
};

// Answers every modal box with OK and records it; anything else modal is closed. A box that
// never shows leaves the list empty instead of hanging the test.
class BoxCatcher : public QObject {
public:
    BoxCatcher() {
        connect(&poll, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                bool open = false;
                for (QWidget* top : QApplication::topLevelWidgets())
                    open = open || qobject_cast<frmProgress*>(top) != nullptr;
                boxes.append({box->windowTitle(), box->text(), box->icon(), open});
                box->button(QMessageBox::Ok)->click();
            } else {
                modal->close();
            }
        });
        poll.start(20);
    }
    QList<SeenBox> boxes;

private:
    QTimer poll;
};

// Follows every progress window that is shown: its bar values and texts.
class ProgressWatch : public QObject {
public:
    ProgressWatch() { qApp->installEventFilter(this); }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }

    int shown = 0;
    QList<int> values;    // the bar's starting value, then every change
    QStringList results;  // lblResult at every change of the bar
    QString activity, model;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* p = qobject_cast<frmProgress*>(watched);
        if (p && event->type() == QEvent::Show && !seen.contains(p)) {
            seen << p;
            ++shown;
            values << p->pbar->value();
            connect(p->pbar, &QProgressBar::valueChanged, this, [this, p](int v) {
                values << v;
                results << p->lblResult->text();
                activity = p->lblMsg->text();
                model = p->lblModel->text();
            });
        }
        return false;
    }

private:
    QList<QObject*> seen;
};

// A configuration that touches every page, both phone columns and the edges of the texts.
ConfigurationSet fullSet() {
    ConfigurationSet set;
    set.slaveId = 27;
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        set.phoneNo[k] = QStringLiteral("4930%1").arg(1000 + k * 7);
    set.phoneNo[5].clear();
    set.phoneNo[31] = QStringLiteral("123456789012345");
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        set.channelEnable[i] = (i % 3 == 0 || i == 63) ? FlagTrue : FlagFalse;
        set.channelMessage[i] = QStringLiteral("Ch %1 msg").arg(i + 1);
    }
    set.channelMessage[7].clear();
    set.channelMessage[40] = QStringLiteral("Température & co");
    return set;
}

QByteArrayList readCommands() {
    QByteArrayList list{"?\r", "?A\r", "?E\r"};
    for (int k = 0; k < 32; ++k)
        list << QByteArray("?P") + QByteArray::number(k, 16).rightJustified(2, '0').toUpper() +
                    '\r';
    for (int i = 0; i < 64; ++i)
        list << QByteArray("?M") + QByteArray::number(i, 16).rightJustified(2, '0').toUpper() +
                    '\r';
    return list;
}

// What the bar shows over a whole transfer: 0 at the start, then 3, 5, 5..36, 37..100, each
// change once (the bar does not report setting the value it already has).
QList<int> fullProgress() {
    QList<int> v{0, 3, 5};
    for (int x = 6; x <= 100; ++x)
        v << x;
    return v;
}

}  // namespace

class tst_readwrite : public QObject {
    Q_OBJECT
public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

private slots:
    void init();
    void cleanup();
    void fullReadFillsEveryPage();
    void fullWriteSendsExactTranscript();
    void writeThenReadRoundTrips();
    void noUnit_data();
    void noUnit();
    void probeOnlyUnit_data();
    void probeOnlyUnit();
    void lateRepliesSplitAcrossExchanges();
    void hangUpMidTransfer_data();
    void hangUpMidTransfer();
    void closeDuringTransfer_data();
    void closeDuringTransfer();
    void writeWithoutSlaveIdIsRefused();

private:
    bool connectWindow(int interval);
    UnitSimulator* unit = nullptr;
    frmMain* w = nullptr;
    BoxCatcher* catcher = nullptr;
    ProgressWatch* watch = nullptr;
};

void tst_readwrite::init() {
    unit = new UnitSimulator;
    QVERIFY2(unit->open(), qPrintable(unit->errorString()));
    w = new frmMain;
    w->show();
    catcher = new BoxCatcher;
    watch = new ProgressWatch;
}

void tst_readwrite::cleanup() {
    delete watch;
    delete catcher;
    delete w;
    delete unit;
}

bool tst_readwrite::connectWindow(int interval) {
    w->setProtocolInterval(interval);
    w->cmbComm->setEditText(unit->slavePath());
    w->cmdConnect->click();
    return w->cmdConnect->text() == QStringLiteral("Disconnect");
}

void tst_readwrite::fullReadFillsEveryPage() {
    const ConfigurationSet set = fullSet();
    unit->setConfiguration(set);
    QVERIFY(connectWindow(15));
    w->cmdEditNo[4]->setEnabled(false);  // must come back exactly as it was
    w->selectPage(3);

    // Every control that could start another procedure or change the configuration is locked
    // while the read runs; the tabs are not.
    QList<QWidget*> locked{w->cmdConnect,  w->cmdDeviceRead, w->cmdDeviceWrite,
                           w->cmdFileLoad, w->cmdFileSave,   w->cmbSlaveID};
    for (int s = 0; s < frmMain::Slots; ++s)
        locked << w->chkChEnable[s] << w->cmdEditMsg[s];
    for (int k = 0; k < 32; ++k)
        locked << w->cmdEditNo[k];
    int checks = 0;
    bool allLocked = true;
    connect(unit, &UnitSimulator::commandReceived, this, [&] {
        ++checks;
        for (QWidget* c : locked)
            allLocked = allLocked && !c->isEnabled();
        allLocked = allLocked && w->TS->isEnabled() && w->transferActive();
    });

    w->cmdDeviceRead->click();
    QCOMPARE(w->currentPage(), 1);  // selected before anything is sent
    QTRY_VERIFY_WITH_TIMEOUT(!w->transferActive(), 10000);

    QCOMPARE(checks, 99);
    QVERIFY(allLocked);
    QCOMPARE(unit->commands(), readCommands());
    QCOMPARE(catcher->boxes.size(), 0);
    QCOMPARE(watch->shown, 1);
    QCOMPARE(watch->values, fullProgress());
    QCOMPARE(watch->activity, QStringLiteral("Reading from device ..."));
    QCOMPARE(watch->model, QStringLiteral("QX-ALARM-1"));
    for (const QString& r : std::as_const(watch->results))
        QCOMPARE(r, QString());
    QVERIFY(w->findChildren<frmProgress*>().isEmpty());

    QCOMPARE(w->configuration(), set);
    QCOMPARE(w->cmbSlaveID->currentText(), QStringLiteral("27"));
    QCOMPARE(w->txtPhoneNo[31]->text(), QStringLiteral("123456789012345"));
    QCOMPARE(w->txtPhoneNo[5]->text(), QString());
    for (int page = 1; page <= 4; ++page) {
        w->selectPage(page);
        for (int s = 0; s < frmMain::Slots; ++s) {
            const int i = (page - 1) * 16 + s;
            QCOMPARE(w->chkChEnable[s]->isChecked(), i % 3 == 0 || i == 63);
            QCOMPARE(w->lblMessage[s]->text(), set.channelMessage[i]);
        }
    }
    for (QWidget* c : locked)
        QCOMPARE(c->isEnabled(), c != w->cmdEditNo[4]);
}

void tst_readwrite::fullWriteSendsExactTranscript() {
    // At the unit's real pace, once.
    QVERIFY(connectWindow(100));
    w->cmbSlaveID->setCurrentIndex(10);
    for (int i : {0, 1, 8, 63})
        w->ChannelEnable[i] = FlagTrue;
    w->ChannelMessage[8] = QStringLiteral("Smoke\r\nFloor 2");
    w->ChannelMessage[40] = QStringLiteral("Température");
    w->selectPage(1);
    w->txtPhoneNo[0]->setText(QStringLiteral("911234567890"));
    w->txtPhoneNo[31]->setText(QStringLiteral("15550100"));
    const ConfigurationSet shown = w->configuration();

    QByteArray expected("?\r&A0A\r&E0301000000000080\r");
    for (int k = 0; k < 32; ++k) {
        expected += "&P" + QByteArray::number(k, 16).rightJustified(2, '0').toUpper();
        if (k == 0) expected += "911234567890";
        if (k == 31) expected += "15550100";
        expected += QByteArray("\0\r", 2);
    }
    for (int i = 0; i < 64; ++i) {
        expected += "&M" + QByteArray::number(i, 16).rightJustified(2, '0').toUpper();
        if (i == 8) expected += "Smoke\r\nFloor 2";
        if (i == 40) expected += "Temp\xE9rature";
        expected += QByteArray("\0\r", 2);
    }

    w->cmdDeviceWrite->click();
    QVERIFY(w->transferActive());
    QTRY_VERIFY_WITH_TIMEOUT(!w->transferActive(), 20000);
    QCOMPARE(unit->received(), expected);
    QCOMPARE(unit->configuration(), shown);
    QCOMPARE(w->configuration(), shown);  // the write changes nothing in the window
    QCOMPARE(catcher->boxes.size(), 0);
    QCOMPARE(watch->values, fullProgress());
    QCOMPARE(watch->activity, QStringLiteral("Writing to device ..."));
    QCOMPARE(watch->results.size(), fullProgress().size() - 1);
    for (const QString& r : std::as_const(watch->results))
        QVERIFY2(r.startsWith("OK"), qPrintable(r));
}

void tst_readwrite::writeThenReadRoundTrips() {
    // What one window writes, a fresh window reads back.
    QVERIFY(connectWindow(10));
    w->applyConfiguration(fullSet());
    w->cmdDeviceWrite->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w->transferActive(), 10000);
    QCOMPARE(unit->configuration(), fullSet());

    w->applyConfiguration(ConfigurationSet{});
    w->cmdDeviceRead->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w->transferActive(), 10000);
    QCOMPARE(w->configuration(), fullSet());
    QCOMPARE(watch->shown, 2);
    QCOMPARE(watch->values.count(0), 2);  // the second bar starts empty again
    QCOMPARE(catcher->boxes.size(), 0);
}

void tst_readwrite::noUnit_data() {
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

void tst_readwrite::noUnit() {
    QFETCH(bool, write);
    UnitFaults faults;
    faults.silent = true;
    unit->setFaults(faults);
    QVERIFY(connectWindow(15));
    w->applyConfiguration(fullSet());
    w->selectPage(2);

    (write ? w->cmdDeviceWrite : w->cmdDeviceRead)->click();
    QTRY_COMPARE_WITH_TIMEOUT(catcher->boxes.size(), 1, 3000);
    const SeenBox box = catcher->boxes.first();
    QCOMPARE(box.title, QStringLiteral("Communication Error"));
    QCOMPARE(box.text, QStringLiteral("Cannot communicate with device"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(watch->shown, 0);
    QCOMPARE(unit->commands(), QByteArrayList{"?\r"});
    QCOMPARE(w->configuration(), fullSet());
    QCOMPARE(w->currentPage(), write ? 2 : 1);  // only the read turns to page 1
    QVERIFY(w->cmdDeviceRead->isEnabled());
    QVERIFY(w->cmdConnect->isEnabled());
    QCOMPARE(w->cmdConnect->text(), QStringLiteral("Disconnect"));
}

void tst_readwrite::probeOnlyUnit_data() {
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

void tst_readwrite::probeOnlyUnit() {
    QFETCH(bool, write);
    UnitFaults faults;
    faults.probeOnly = true;
    unit->setFaults(faults);
    QVERIFY(connectWindow(10));
    w->applyConfiguration(fullSet());

    (write ? w->cmdDeviceWrite : w->cmdDeviceRead)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w->transferActive(), 10000);
    QCOMPARE(catcher->boxes.size(), 0);
    QCOMPARE(unit->commands().size(), 99);
    QCOMPARE(watch->values.last(), 100);

    ConfigurationSet expected = fullSet();
    if (!write) {
        // Slave ID and flags keep their values; every number and message read empty.
        expected.phoneNo = {};
        expected.channelMessage = {};
    }
    QCOMPARE(w->configuration(), expected);
    if (!write) {
        for (int s = 0; s < frmMain::Slots; ++s)
            QCOMPARE(w->lblMessage[s]->text(), QString());
        QVERIFY(w->chkChEnable[0]->isChecked());
    }
}

void tst_readwrite::lateRepliesSplitAcrossExchanges() {
    // Replies that come after the interval are not lost: they lead the next reply.
    UnitFaults faults;
    faults.delayMs = 30;
    unit->setFaults(faults);
    QVERIFY(connectWindow(20));
    w->cmdDeviceRead->click();
    QTRY_COMPARE_WITH_TIMEOUT(catcher->boxes.size(), 1, 3000);
    QCOMPARE(catcher->boxes[0].text, QStringLiteral("Cannot communicate with device"));

    // The late probe reply is waiting in the port when the unit answers in time again.
    unit->setFaults(UnitFaults{});
    unit->setConfiguration(fullSet());
    QTest::qWait(60);
    w->cmdDeviceRead->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w->transferActive(), 10000);
    QCOMPARE(catcher->boxes.size(), 1);
    QCOMPARE(watch->model, QStringLiteral("QX-ALARM-1"));
    QCOMPARE(w->configuration(), fullSet());
}

void tst_readwrite::hangUpMidTransfer_data() {
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

void tst_readwrite::hangUpMidTransfer() {
    QFETCH(bool, write);
    QVERIFY(connectWindow(15));
    int count = 0;
    connect(unit, &UnitSimulator::commandReceived, this, [&] {
        if (++count == 20) unit->hangUp();
    });
    (write ? w->cmdDeviceWrite : w->cmdDeviceRead)->click();
    QTRY_COMPARE_WITH_TIMEOUT(catcher->boxes.size(), 1, 5000);
    const SeenBox box = catcher->boxes.first();
    QCOMPARE(box.title, QStringLiteral("Communication Error"));
    QCOMPARE(box.text, QStringLiteral("Cannot communicate with device"));
    QVERIFY(!box.progressWindowOpen);  // closed before the message
    QVERIFY(!w->transferActive());
    QCOMPARE(w->shpComm->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(w->cmdConnect->text(), QStringLiteral("Connect"));
    QVERIFY(w->cmdConnect->isEnabled());
    QVERIFY(!w->FrameFunction->isEnabled());
    // Its own state is back; the frame is what disables it now.
    QVERIFY(!w->cmdDeviceRead->testAttribute(Qt::WA_ForceDisabled));
    QVERIFY(w->cmbSlaveID->isEnabled());
    QVERIFY(!w->findChild<QSerialPort*>(QStringLiteral("cm"))->isOpen());
    QCOMPARE(count, 20);
    QVERIFY(watch->values.last() < 100);
}

void tst_readwrite::closeDuringTransfer_data() {
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

void tst_readwrite::closeDuringTransfer() {
    QFETCH(bool, write);
    QVERIFY(connectWindow(20));
    (write ? w->cmdDeviceWrite : w->cmdDeviceRead)->click();
    QTRY_VERIFY_WITH_TIMEOUT(unit->commands().size() >= 10, 5000);

    QVERIFY(!w->close());  // refused for now: the transfer ends first
    const qsizetype sent = unit->commands().size();
    QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 3000);
    QVERIFY(!w->transferActive());
    QVERIFY(w->findChildren<frmProgress*>().isEmpty());
    QVERIFY(!w->findChild<QSerialPort*>(QStringLiteral("cm"))->isOpen());
    QTest::qWait(100);
    QCOMPARE(unit->commands().size(), sent);  // nothing after the exchange in flight
    QCOMPARE(catcher->boxes.size(), 0);
}

void tst_readwrite::writeWithoutSlaveIdIsRefused() {
    QVERIFY(connectWindow(10));
    w->cmbSlaveID->setEditText(QStringLiteral("40"));
    QCOMPARE(w->slaveId(), -1);
    w->cmdDeviceWrite->click();
    QTRY_COMPARE_WITH_TIMEOUT(catcher->boxes.size(), 1, 3000);
    QCOMPARE(catcher->boxes[0].title, QStringLiteral("Write to Device"));
    QCOMPARE(catcher->boxes[0].text,
             QStringLiteral("Select a slave ID from the list before writing."));
    QCOMPARE(catcher->boxes[0].icon, QMessageBox::Warning);
    QTest::qWait(50);
    QVERIFY(unit->received().isEmpty());
    QCOMPARE(watch->shown, 0);
    QVERIFY(!w->transferActive());
}

QTEST_MAIN(tst_readwrite)
#include "tst_readwrite.moc"
