// SPDX-License-Identifier: GPL-3.0-or-later
// The window's safety nets against the simulated unit on a pseudo-terminal: backup before a
// write, verify after it, verify and compare with the unit or a file, and the journal they
// all record into.
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "configfile/ConfigJson.h"
#include "device/TrafficLog.h"
#include "journal/Journal.h"
#include "journal/JournalWorker.h"
#include "tests/Fixtures.h"
#include "tests/WindowControls.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/WindowRig.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/compare/CompareDialog.h"
#include "ui/dialogs/frmProgress.h"
#include "ui/mainwindow/frmMain.h"

using fixtures::filled;

namespace {

constexpr int WatchdogMs = 60000;  // a run that outlives this has hung
constexpr int IntervalMs = 20;

// The window rig with a journal and a traffic log, the unit holding filled("unit", 9). Every
// modal message box is recorded (title, text) and answered with OK; a compare dialog is
// recorded (its copied table) and answered with `answer`; a file dialog is given `fileToOpen`.
// What the progress window says is collected as it changes. A box that never shows leaves the
// lists empty instead of hanging.
struct Rig : testsupport::WindowRig {
    explicit Rig(bool withJournal = true)
        : WindowRig(filled(QStringLiteral("unit"), 9), WithLog | (withJournal ? WithJournal : 0)),
          driver([this](QWidget* modal) { answerModal(modal); }) {
        QObject::connect(&progressPoll, &QTimer::timeout, &w, [this] { noteProgress(); });
        progressPoll.start(20);
    }
    void noteProgress() {
        const auto* p = w.findChild<frmProgress*>();
        const auto* said = p ? p->findChild<QLabel*>(QStringLiteral("lblMsg")) : nullptr;
        if (said && (activities.isEmpty() || activities.last() != said->text()))
            activities << said->text();
    }
    void answerModal(QWidget* modal) {
        noteProgress();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes << QStringList{box->windowTitle(), box->text()};
            box->button(QMessageBox::Ok)->click();
        } else if (auto* chooser = qobject_cast<QFileDialog*>(modal)) {
            choosers << chooser->windowTitle();
            // A selected row outranks typed text; a user typing a name replaces it.
            chooser->findChild<QAbstractItemView*>(QStringLiteral("listView"))->clearSelection();
            chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(fileToOpen);
            static_cast<QDialog*>(chooser)->accept();
        } else if (auto* dialog = qobject_cast<safety::CompareDialog*>(modal)) {
            headings << dialog->findChild<QLabel*>(QStringLiteral("lblHeading"))->text();
            dialog->findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
            tables << QApplication::clipboard()->text();
            dialog->findChild<QPushButton*>(answer)->click();
        }
    }
    bool connectTo() {
        WindowRig::connectTo(IntervalMs);
        return functionsEnabled();
    }
    QAction* action(const char* name) { return w.findChild<QAction*>(QLatin1String(name)); }
    // Starts an operation and waits for it and for the box or dialog that ends it.
    bool perform(const std::function<void()>& start, bool answered = true) {
        const qsizetype shown = boxes.size() + tables.size();
        start();
        return QTest::qWaitFor(
            [&] {
                return !w.transferActive() && (!answered || boxes.size() + tables.size() > shown);
            },
            WatchdogMs);
    }
    // The journal's records, oldest first, as "action outcome[ verified|unverified]".
    QStringList records(QList<journal::Record>* kept = nullptr) {
        // The window records on the journal's thread.
        if (auto* worker = journal->findChild<journal::Worker*>()) worker->waitForRecords();
        QString error;
        QList<journal::Record> list = journal->store().list({}, &error);
        std::reverse(list.begin(), list.end());
        QStringList lines;
        for (const journal::Record& r : std::as_const(list))
            lines << journal::actionName(r.action) + ' ' + journal::outcomeName(r.outcome) +
                         (r.verified ? (*r.verified ? " verified" : " unverified") : "");
        if (kept) *kept = list;
        return lines;
    }
    // How many commands the traffic log shows: it must see every run's traffic.
    int loggedCommands() {
        QFile file(dir.filePath(QStringLiteral("traffic.log")));
        if (!file.open(QIODevice::ReadOnly)) return -1;
        return int(file.readAll().count(" > "));
    }
    bool sentSettings() const {
        for (const QByteArray& command : unit.commands())
            if (command.startsWith('&')) return true;
        return false;
    }

    testsupport::ModalDriver driver;
    QTimer progressPoll;
    QList<QStringList> boxes;
    QStringList tables;      // each compare dialog's copied table
    QStringList headings;    // and its heading
    QStringList choosers;    // each file dialog's title
    QStringList activities;  // what the progress window said, in order
    QString answer = QStringLiteral("cmdClose");
    QString fileToOpen;  // typed into the file dialog
};

// What the window holds in the compare tests: the unit's values but three, one a text with a
// line break, which the table must show as an escape.
ConfigurationSet windowValues() {
    ConfigurationSet set = filled(QStringLiteral("unit"), 9);
    set.slaveId = 3;
    set.phoneNo[1] = QStringLiteral("1234");
    set.channelMessage[4] = QStringLiteral("a\r\nb");
    return set;
}

// The unit and a file are named alike in a compare's heading, where the other of the two stands.
QString heading(const QString& how, const QString& port) {
    if (how != "file")
        return "Values that differ between the unit on " + port + " and the window: 3.";
    return "Values that differ between site.json and the window: 3. The file holds phone numbers "
           "1-16 only; 17-32 are not compared.";
}

}  // namespace

class tst_safetynets : public QObject {
    Q_OBJECT

    QTemporaryDir settings;

private slots:
    void initTestCase() {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        // The options the window remembers go here, not into the user's own settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QLocale::setDefault(QLocale::c());
    }
    // Each test starts with the options as when first started.
    void init() { QSettings().clear(); }

    // A write with each safety net on or off: the records it leaves (what they hold is the
    // engine's, tst_unitrun::changedOnly), what the progress window said, the box that ends it
    // and whether the unit then holds the window's values.
    void writes_data() {
        QTest::addColumn<bool>("backup");
        QTest::addColumn<bool>("verify");
        // "read" first (or a "late read"), a "refused" text
        QTest::addColumn<QString>("event");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("activities");
        QTest::addColumn<QString>("box");  // the text of the box or table that ends it
        const QString writing = "Writing to device ...", backingUp = "Backing up the unit ...",
                      readingBack = "Reading back what was written ...";
        QTest::newRow("read since Connect: no backup")
            << true << false << "read" << QStringList{"read done", "write done"}
            << QStringList{writing} << "";
        // Replies that came late make a read the journal cannot vouch for.
        QTest::newRow("read with a late reply: backed up all the same")
            << true << false << "late read"
            << QStringList{"read failed", "backup done", "write done"}
            << QStringList{backingUp, writing} << "";
        QTest::newRow("verified") << false << true << "" << QStringList{"write done verified"}
                                  << QStringList{writing, readingBack} << "Written and verified.";
        QTest::newRow("the unit refuses a text")
            << false << true << "refused" << QStringList{"write differences unverified"}
            << QStringList{writing, readingBack} << "Channel 5 message";
    }
    void writes() {
        QFETCH(bool, backup);
        QFETCH(bool, verify);
        QFETCH(QString, event);
        QFETCH(QStringList, records);
        QFETCH(QStringList, activities);
        QFETCH(QString, box);
        Rig r;
        r.action("actBackUpBefore")->setChecked(backup);
        r.action("actVerifyAfter")->setChecked(verify);
        QVERIFY(r.connectTo());
        if (event == "late read") r.unit.setFaults({.lateOnce = "?P05"});
        // A read with a late reply fails, and its box says so.
        if (event.endsWith("read"))
            QVERIFY(r.perform([&] { control<QPushButton>(&r.w, "cmdDeviceRead")->click(); },
                              event == "late read"));
        if (event == "late read") QCOMPARE(r.boxes.takeFirst().value(0), "Read from Device");
        r.unit.setFaults({});
        ConfigurationSet wanted = filled(QStringLiteral("window"), 2);
        // The unit keeps 160 characters at most and answers a longer text with ERR.
        if (event == "refused") wanted.channelMessage[4] = QString(161, u'x');
        r.w.applyConfiguration(wanted);
        r.activities.clear();
        r.unit.clearReceived();
        QVERIFY(r.perform([&] { control<QPushButton>(&r.w, "cmdDeviceWrite")->click(); },
                          !box.isEmpty()));
        QTest::qWait(300);  // for a box that should not come

        QCOMPARE(r.records(), records);
        QCOMPARE(r.activities, activities);
        QStringList ends;
        for (const QStringList& b : std::as_const(r.boxes))
            ends << b.value(1);
        ends << r.tables;
        QCOMPARE(ends.size(), box.isEmpty() ? 0 : 1);
        if (!box.isEmpty()) QVERIFY2(ends[0].contains(box), qPrintable(ends[0]));
        QVERIFY(r.sentSettings());
        if (event != "refused") QVERIFY(r.unit.configuration() == wanted);
        const QString contents = control<QLabel>(&r.w, "lblContents")->text();
        if (records.last().startsWith("write done"))  // and where the window's contents went
            QVERIFY2(contents.startsWith("Written to " + r.unit.slavePath()), qPrintable(contents));
        QCOMPARE(r.loggedCommands(),
                 int(r.unit.commands().size()) + (event.endsWith("read") ? 99 : 0));
    }

    // Verify and compare with the unit or a file: the table of differences, with line breaks
    // shown; nothing sent to the unit; the window changed only when the values are taken, and
    // then undoable.
    void compare_data() {
        QTest::addColumn<QString>("how");  // "verify", "unit", "file" (phone numbers 1-16 only)
        QTest::addColumn<bool>("equal");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("verify, equal")
            << "verify" << true << "" << QStringList{"verify done verified"};
        QTest::newRow("verify, differing, closed")
            << "verify" << false << "cmdClose" << QStringList{"verify differences unverified"};
        QTest::newRow("unit, taken")
            << "unit" << false << "cmdTake" << QStringList{"compare differences"};
        QTest::newRow("file of phones 1-16, taken")
            << "file" << false << "cmdTake" << QStringList{};
    }
    void compare() {
        QFETCH(QString, how);
        QFETCH(bool, equal);
        QFETCH(QString, answer);
        QFETCH(QStringList, records);
        Rig r;
        const ConfigurationSet unit = r.unit.configuration();
        const ConfigurationSet window = equal ? unit : windowValues();
        r.answer = answer;
        r.w.applyConfiguration(window);
        QString otherName = "Unit on " + r.unit.slavePath();
        if (how == "file") {
            // A file holding phone numbers 1-16 only: 17-32 are neither compared nor taken,
            // though its parse leaves them empty.
            const QString path = r.dir.filePath(QStringLiteral("site.json"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(configjson::serialize(unit, 16));
            file.close();
            otherName = "site.json";
            r.fileToOpen = path;
            r.action("actCompareFile")->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(!r.tables.isEmpty(), WatchdogMs);
            QCOMPARE(r.choosers, QStringList{"Compare with File"});
        } else {
            QVERIFY(r.connectTo());
            const char* name = how == "verify" ? "actVerify" : "actCompareUnit";
            QVERIFY(r.perform([&] { r.action(name)->trigger(); }));
        }
        QTest::qWait(300);  // for a box that should not come
        QCOMPARE(r.records(), records);
        QVERIFY(!r.sentSettings());
        if (equal) {
            QCOMPARE(r.boxes,
                     QList<QStringList>({{"Unit", "The unit holds what the window shows."}}));
            QVERIFY(r.tables.isEmpty());
            return;
        }
        QVERIFY(r.boxes.isEmpty());
        QCOMPARE(r.tables.size(), 1);
        QCOMPARE(r.headings, QStringList{heading(how, r.unit.slavePath())});
        QCOMPARE(r.tables[0].split('\n'),
                 QStringList({"Item\tWindow\t" + otherName, "Slave ID\t03\t09",
                              "Phone 2\t1234\tuni2", "Channel 5 message\ta\\r\\nb\tunit 5", ""}));
        auto* undo = r.action("actUndo");
        if (answer == "cmdClose") {
            QVERIFY(r.w.configuration() == window && !r.w.isWindowModified());
            return;
        }
        QVERIFY(r.w.configuration() == unit && r.w.isWindowModified());
        QCOMPARE(undo->text(), "&Undo Take Values");
        undo->trigger();
        QVERIFY(r.w.configuration() == window && !r.w.isWindowModified());
    }

    // An empty value reads "(empty)", not as a blank cell; copied, it stays empty.
    void compareEmptyValues() {
        ConfigurationSet window, unit;
        unit.phoneNo[1] = QStringLiteral("0123");
        window.channelMessage[4] = QStringLiteral("a");
        safety::CompareDialog dialog(window, unit, ConfigurationSet::PhoneCount, "Unit");
        auto* table = control<QTableWidget>(&dialog, "tblDifferences");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 1)->text(), "(empty)");
        QCOMPARE(table->item(1, 2)->text(), "(empty)");
        QCOMPARE(dialog.tableText().split('\n').mid(1, 2),
                 QStringList({"Phone 2\t\t0123", "Channel 5 message\ta\t"}));
    }

    // The status bar names the journal or says nothing is recorded, and turns to a warning
    // when the journal fails, after which no backup is said to be kept; Back Up Unit Now keeps
    // the unit's values in it, and is off without a journal, where a backup would be kept
    // nowhere.
    void journalState_data() {
        QTest::addColumn<QString>("journal");  // "off", "sqlite", "unusable"
        QTest::addColumn<QString>("label");
        QTest::newRow("off") << "off"
                             << "Journal: not recorded";
        QTest::newRow("sqlite") << "sqlite"
                                << "Journal: journal.sqlite";
        QTest::newRow("unusable") << "unusable"
                                  << "Journal: journal.sqlite - not working";
    }
    void journalState() {
        QFETCH(QString, journal);
        QFETCH(QString, label);
        Rig r(journal == "sqlite");
        std::unique_ptr<journal::Journal> broken;
        if (journal == "unusable") {
            // A folder where the database file would have to go.
            journal::Target target;
            target.kind = journal::Target::Kind::Sqlite;
            target.path = r.dir.filePath(QStringLiteral("journal.sqlite"));
            QVERIFY(QDir().mkpath(target.path + QStringLiteral("/x")));
            broken = std::make_unique<journal::Journal>(target, target);
            broken->open();
            r.w.setJournal(broken.get());
        }
        QCOMPARE(r.w.findChild<QLabel*>(QStringLiteral("lblJournal"))->text(), label);
        auto* warning = r.w.findChild<QMessageBox*>(QStringLiteral("journalWarning"));
        QCOMPARE(warning && warning->isVisible(), journal == "unusable");
        QVERIFY(r.connectTo());
        QAction* backUp = r.action("actBackUpNow");
        QCOMPARE(backUp->isEnabled(), journal != "off");
        if (journal == "unusable") {
            // A backup into a journal that fails is never reported as kept.
            r.action("actBackUpBefore")->setChecked(true);
            r.w.applyConfiguration(filled(QStringLiteral("window"), 2));
            QVERIFY(
                r.perform([&] { control<QPushButton>(&r.w, "cmdDeviceWrite")->click(); }, false));
            const QString said = r.w.statusBar()->currentMessage();
            QVERIFY2(said.contains("may not be kept"), qPrintable(said));
        }
        if (journal != "sqlite") return;
        QVERIFY(r.perform([&] { backUp->trigger(); }, false));
        QList<journal::Record> kept;
        QCOMPARE(r.records(&kept), QStringList{"backup done"});
        QCOMPARE(kept[0].sha256,
                 journal::fingerprint(r.unit.configuration(), ConfigurationSet::PhoneCount));
        QVERIFY(!r.sentSettings() && r.boxes.isEmpty());
    }
};

QTEST_MAIN(tst_safetynets)
#include "tst_safetynets.moc"
