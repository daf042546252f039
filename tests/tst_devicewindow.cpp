// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's device side against the simulated unit: connecting, and reading and writing
// the whole configuration, with the boxes and the status the user is left with.
#include <QSerialPort>
#include <QtTest>
#include <QtWidgets>

#include "device/SerialLink.h"
#include "tests/WindowControls.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/WindowRig.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/common/Settings.h"
#include "ui/dialogs/frmProgress.h"
#include "ui/mainwindow/frmMain.h"

namespace {

const QColor Green(0, 255, 0), Black(0, 0, 0), Red(255, 0, 0);
const QString Warning = QString::number(QMessageBox::Warning);

QTemporaryDir scratch;

// The window rig with every modal box recorded with its title, text, icon, the lamp colour and
// whether a progress window was open, and answered with `answer` (or the box's own button named
// `answerName`), OK where it has neither.
struct Rig : testsupport::WindowRig {
    Rig()
        : boxDriver([this](QWidget* modal) {
              if (auto* box = qobject_cast<QMessageBox*>(modal)) take(box);
          }) {
        QObject::connect(&progressPoll, &QTimer::timeout, &w, [this] {
            progressSeen = progressSeen || w.findChild<frmProgress*>() != nullptr;
        });
        progressPoll.start(20);
    }
    void take(QMessageBox* box) {
        const bool progressOpen = w.findChild<frmProgress*>() != nullptr;
        progressSeen = progressSeen || progressOpen;
        boxes << QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                             lamp().name(), progressOpen ? "progress" : ""};
        details << box->informativeText();
        commandsAtAnswer = int(unit.commands().size());
        auto* own = answerName.isEmpty() ? nullptr : box->findChild<QAbstractButton*>(answerName);
        own ? own->click() : void(testsupport::ModalDriver::press(box, answer));
    }

    testsupport::ModalDriver boxDriver;
    QTimer progressPoll;
    QList<QStringList> boxes;
    QStringList details;        // each box's informative text
    int commandsAtAnswer = -1;  // what the unit had received when the last box was answered
    QMessageBox::StandardButton answer = QMessageBox::Ok;  // pressed where the box has it
    QString answerName;  // the object name of a button of the box's own, pressed where it has it
    bool progressSeen = false;
};

}  // namespace

class tst_devicewindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void connectStates_data();
    void connectStates();
    void transfers_data();
    void transfers();
    void lateUnitReadAtItsPace();
    void longValuesRead();
    void blankWrite_data();
    void blankWrite();
    void unitKeysFromToolWindows_data();
    void unitKeysFromToolWindows();
    void focusKeptAfterRead();

private:
    void checkBoxes(Rig& r, const QString& event, QStringList box, const QString& path);
    void checkWindow(Rig& r, bool write, const QString& event, const QString& path,
                     const ConfigurationSet& before);
};

void tst_devicewindow::initTestCase() {
    // The port the window remembers goes here, not into the user's own settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
}

void tst_devicewindow::connectStates_data() {
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
void tst_devicewindow::connectStates() {
    QFETCH(QString, typed);
    QFETCH(bool, fails);
    QFETCH(QString, advice);
    Rig r;
    SerialLink other;
    QVERIFY(r.unit.isOpen() && (typed != "held" || other.open(r.unit.slavePath())));
    const QString startLamp = r.lamp().name();
    QCOMPARE(r.connectTo(15, typed == "held" ? "" : typed), !fails);
    const QString path = r.unit.slavePath();
    if (!fails) {
        const QSerialPort* p = r.port();
        QCOMPARE(QList<int>(
                     {p->baudRate(), p->dataBits(), p->parity(), p->stopBits(), p->flowControl()}),
                 QList<int>({115200, 8, QSerialPort::NoParity, 1, QSerialPort::NoFlowControl}));
        // The status bar says which port Connect opened, the lamp's tooltip names it, and a
        // message of the port does not stay after Disconnect.
        QCOMPARE(r.w.statusBar()->currentMessage(), "Connected to " + path + ".");
        QVERIFY(control(&r.w, "shpComm")->toolTip().contains(path));
        r.w.statusBar()->showMessage(QStringLiteral("Read complete."), 15000);
        r.button("cmdConnect")->click();
        QCOMPARE(r.w.statusBar()->currentMessage(), QString());
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
    QCOMPARE(control<QComboBox>(&later, "cmbComm")->currentText(), path);
}

// A read from start to end, and the ways a transfer ends early: a write with no slave ID, a line
// that drops in the middle, the window closed during a read, a reply that slipped. How the
// engine meets each fault is proven below the window; here, what the window shows of it. The
// unit holds the simulator's sample set; a read replaces a window full of other values with it.
void tst_devicewindow::transfers_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("commands");  // how many the unit receives
    QTest::addColumn<QStringList>("box");
    QTest::newRow("read") << false << "" << 15 << 99 << QStringList();
    QTest::newRow("write, no slave ID")
        << true << "no slave ID" << 15 << 0
        << QStringList{"Write to Device", "Select a slave ID from the list before writing."};
    QTest::newRow("read, hang-up in the messages")
        << false << "hang-up" << 100 << 45
        << QStringList{"Communication Error", "Cannot communicate with device"};
    // The question box is answered on the driver's next look, up to 20 ms after it shows; the
    // next command must not be due before then, or it would be in flight at the answer.
    QTest::newRow("read, close") << false << "close" << 50 << 10 << QStringList();
    // A read whose replies slipped keeps what the window showed.
    QTest::newRow("read, late reply")
        << false << "late" << 25 << 99
        << QStringList{"Read from Device",
                       "The read from PATH failed: no reply to ?P05: the unit answered late or "
                       "not at all."};
}

void tst_devicewindow::transfers() {
    QFETCH(bool, write);
    QFETCH(QString, event);
    QFETCH(int, interval);
    QFETCH(int, commands);
    QFETCH(QStringList, box);
    Rig r;
    r.unit.setFaults({.hangUpAfter = event == "hang-up" ? commands : -1,
                      .lateOnce = event == "late" ? QByteArray("?P05") : QByteArray()});
    QVERIFY(r.unit.isOpen() && r.connectTo(interval));
    const ConfigurationSet sample = UnitSimulator::sampleConfiguration();
    ConfigurationSet other;
    other.phoneNo.fill(QStringLiteral("1"));
    other.channelMessage.fill(QStringLiteral("x"));
    r.w.applyConfiguration(other);
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
    checkBoxes(r, event, box, path);
    checkWindow(r, write, event, path, other);
    if (QTest::currentTestFailed() || !event.isEmpty()) return;
    // A read shows what the unit holds, and can be undone.
    QCOMPARE(r.w.configuration(), sample);
    auto* undo = r.w.findChild<QAction*>(QStringLiteral("actUndo"));
    QCOMPARE(undo->text(), "&Undo Read");
    undo->trigger();
    QCOMPARE(r.w.configuration(), other);
    QVERIFY(!undo->isEnabled());
    QCOMPARE(r.w.currentPage(), 1);  // a read turns to the first page
}

// The box a transfer ended with comes after the progress window has closed, over the lamp the
// line left; after a lost line it names the port, when it was lost and what to try.
void tst_devicewindow::checkBoxes(Rig& r, const QString& event, QStringList box,
                                  const QString& path) {
    if (!box.isEmpty()) box << Warning << (event == "hang-up" ? Red : Green).name() << "";
    box.replaceInStrings("PATH", path);
    if (event == "close") QCOMPARE(r.boxes.takeFirst().first(), "Transfer Running");
    QCOMPARE(r.boxes, box.isEmpty() ? QList<QStringList>() : QList<QStringList>{box});
    const QString detail = r.details.value(0);
    if (event == "hang-up")
        QVERIFY2(detail.contains(path) && detail.contains("another port") &&
                     detail.contains("was lost at"),
                 qPrintable(detail));
}

// What the window shows once a transfer has ended: its controls, the page, and in the status
// bar where its contents came from, how far a read got, or why it was refused.
void tst_devicewindow::checkWindow(Rig& r, bool write, const QString& event, const QString& path,
                                   const ConfigurationSet& before) {
    QFETCH(int, commands);
    QCOMPARE(r.progressSeen && !r.w.findChild<frmProgress*>(), commands > 1);  // shown and gone
    QCOMPARE(r.w.isVisible(), event != "close");
    QCOMPARE(r.port()->isOpen(), event != "hang-up" && event != "close");
    QCOMPARE(r.functionsEnabled(), r.port()->isOpen());
    // Even after a read cut short, the page shows what the window holds, so an edit starts from
    // it.
    const int base = (r.w.currentPage() - 1) * frmMain::Slots;
    const ConfigurationSet held = r.w.configuration();
    for (int s = 0; s < frmMain::Slots; ++s)
        QCOMPARE(control<QLabel>(&r.w, "lblMessage", s)->text(), held.channelMessage[base + s]);
    // A read refused leaves the window, its title and what it says as they were; the status
    // bar says why.
    if (event == "late") {
        QCOMPARE(r.w.configuration(), before);
        QVERIFY(!r.w.isWindowModified());
        const QString message = r.w.statusBar()->currentMessage();
        QVERIFY2(message.startsWith("The unit could not be read: no reply to ?P05"),
                 qPrintable(message));
    }
    const QString status = r.w.findChild<QLabel*>(QStringLiteral("lblContents"))->text();
    const bool readSomething = !write && event != "late";
    const QString source = readSomething ? "Read from " + path + " at " : "Start values";
    const bool cutShort = readSomething && (event == "hang-up" || event == "close");
    QVERIFY2(status.startsWith(source) && status.contains("cut short after") == cutShort,
             qPrintable(status));
}

// The box about a late unit says how late it answers and offers to read it at its pace; taken,
// the window turns Fast Link on, remembers it, and reads the unit right with no box more.
void tst_devicewindow::lateUnitReadAtItsPace() {
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
    QVERIFY2(r.details.value(0).contains(QRegularExpression("answers late \\(about \\d+ ms")),
             qPrintable(r.details.value(0)));
    QVERIFY(fastLink->isChecked());
    QVERIFY(QSettings().value(QLatin1String(Settings::FastLink)).toBool());  // remembered
    fastLink->setChecked(false);  // the option is remembered; later tests start without it
}

// A unit that keeps texts longer than the window's boxes: a read keeps them whole and says so.
// The window writes what it holds, so a write after sends them whole (tst_longvalues).
void tst_devicewindow::longValuesRead() {
    ConfigurationSet held = UnitSimulator::sampleConfiguration();
    held.phoneNo[2] = QStringLiteral("4930123456789012");
    held.channelMessage[40] = QString(170, u'm');
    Rig r;
    r.unit.setFaults({.roomy = true});
    r.unit.setConfiguration(held);
    QVERIFY(r.connectTo(20));
    r.button("cmdDeviceRead")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!r.w.transferActive(), 20000);
    QCOMPARE(r.w.configuration(), held);
    const QString status = r.w.statusBar()->currentMessage();
    QVERIFY2(status.startsWith("Read complete.") &&
                 status.contains("Values longer than their boxes: 2, kept whole"),
             qPrintable(status));
}

// A window that holds only its start values would clear the unit: the write asks first, naming
// the port, and goes ahead only when told to. A window holding anything else writes without a
// question (tst_safetynets::writes fails on any box it did not expect).
void tst_devicewindow::blankWrite_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("commands");
    QTest::newRow("cancelled") << int(QMessageBox::Cancel) << 0;
    QTest::newRow("written anyway") << int(QMessageBox::Yes) << 99;
}

void tst_devicewindow::blankWrite() {
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
}

// F5 reads from the windows that watch this window's unit; the Provisioning Station, which runs
// units of its own, keeps its keys to itself.
void tst_devicewindow::unitKeysFromToolWindows_data() {
    QTest::addColumn<QString>("opens");
    QTest::addColumn<bool>("reads");
    QTest::newRow("traffic monitor") << "actTrafficMonitor" << true;
    QTest::newRow("history") << "actHistory" << true;
    QTest::newRow("station") << "actStation" << false;
}

void tst_devicewindow::unitKeysFromToolWindows() {
    QFETCH(QString, opens);
    QFETCH(bool, reads);
    Rig r;
    QVERIFY(r.connectTo(15));
    r.w.findChild<QAction*>(opens)->trigger();
    QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow() != &r.w);
    QTest::keyClick(QApplication::activeWindow()->windowHandle(), Qt::Key_F5);
    if (reads) {
        QTRY_COMPARE_WITH_TIMEOUT(r.w.configuration(), UnitSimulator::sampleConfiguration(), 20000);
    } else {
        QTest::qWait(300);  // for a command that should not come
        QCOMPARE(r.unit.commands().size(), 0);
    }
    QTRY_VERIFY(!r.w.transferActive());
}

// Locking the controls for a run moved the focus into the port box with its text selected; it
// goes back to the button that started the run, and a key typed then leaves the port alone.
void tst_devicewindow::focusKeptAfterRead() {
    Rig r;
    QVERIFY(r.connectTo(15));
    auto* portBox = control<QComboBox>(&r.w, "cmbComm");
    const QString port = portBox->currentText();
    QPushButton* read = r.button("cmdDeviceRead");
    r.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&r.w));
    read->setFocus(Qt::TabFocusReason);
    read->click();
    QTRY_VERIFY(r.w.transferActive());
    QVERIFY(QApplication::focusWidget() != read);  // disabled during the run
    QTRY_COMPARE_WITH_TIMEOUT(r.w.configuration(), UnitSimulator::sampleConfiguration(), 20000);
    QTRY_VERIFY(!r.w.transferActive());
    // The progress window had the activation; the window gets it back with its focus as left.
    QCOMPARE(r.w.focusWidget(), read);
    r.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&r.w));
    QCOMPARE(QApplication::focusWidget(), read);
    QTest::keyClick(r.w.windowHandle(), Qt::Key_X);
    QCOMPARE(portBox->currentText(), port);
}

QTEST_MAIN(tst_devicewindow)
#include "tst_devicewindow.moc"
