// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>
#include <QtTest>
#include <QtWidgets>

#include "journal/Journal.h"
#include "journal/JournalWorker.h"
#include "tests/Fixtures.h"
#include "tests/WindowControls.h"
#include "tests/support/HistoryFinders.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/NobodyFolder.h"
#include "tests/support/PgLock.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/history/HistoryWindow.h"
#include "ui/mainwindow/frmMain.h"

using journal::Action;
using journal::Outcome;
using journal::Record;
using journal::Target;
using namespace testsupport;

// History's Restore This, a journal History may only read, and a journal server that stalls.
class tst_historyrestore : public QObject, HistoryRig {
    Q_OBJECT

    // Set in the child that readOnlyJournal starts: the journal it may only read.
    static QString readOnlyPath() { return qEnvironmentVariable("QX_HISTORY_READONLY"); }

    // The window on `journal`, and `state`: unconnected, connected to `unit`, or read from it.
    static void prepare(frmMain& w, journal::Journal& journal, UnitSimulator& unit,
                        const QString& state) {
        connectWindow(w, &journal, state == "unconnected" ? nullptr : &unit);
        if (state == "read") control<QPushButton>(&w, "cmdDeviceRead")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.transferActive(), 10000);
    }
    // A journal of its own for the test, holding `source` (given its id).
    Target journalHolding(Record& source) {
        QString error;
        const Target target = Target::parse(journalPath(), &error);
        journal::Store store(target);
        if (!store.open(&error) || !store.append(source, &error)) qWarning() << error;
        return target;
    }
    // The restore's record names its source, after a backup. (What the backup holds is the
    // engine's, in tst_safetynets::writes.)
    static void checkJournaled(const Target& target, qint64 sourceId) {
        QString error;
        journal::Store store(target, journal::Store::Access::ReadOnly);
        QVERIFY(store.open(&error));
        const QList<Record> records = store.list({}, &error);
        QVERIFY(records.size() >= 3);
        QCOMPARE(records[0].action, Action::Restore);
        QCOMPARE(records[0].outcome, Outcome::Done);
        QVERIFY(records[0].sourceId == sourceId);
        QCOMPARE(records[1].action, Action::Backup);
    }

    // readOnlyJournal's child, as the user who may only read the journal.
    void readOnlyChild() {
        QString error;
        journal::Journal journal(Target::parse(readOnlyPath(), &error));
        QStringList warnings;
        connect(&journal, &journal::Journal::warning, this,
                [&](const QString& text) { warnings << text; });
        UnitSimulator unit;
        QVERIFY2(unit.open(), qPrintable(unit.errorString()));
        frmMain w;
        connectWindow(w, &journal, &unit);
        HistoryWindow* h = openHistory(w);
        settle(&journal);
        QCOMPARE(shownIds(h), QList<qint64>{1});
        choose(h, 1);
        testsupport::ModalDriver driver([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box && box->objectName() == "restoreOtherUnit")
                return box->button(QMessageBox::Yes)->click();
            modal->close();
        });
        h->findChild<QPushButton*>("cmdHistoryRestore")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.transferActive(), 10000);
        QCOMPARE(driver.seen, QStringList{"restoreOtherUnit"});
        QCOMPARE(unit.configuration(), fixtures::filled("kept", 5));
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains("can only be read here") &&
                     warnings[0].contains("nothing done in this window is recorded"),
                 qPrintable(warnings[0]));
        QVERIFY2(w.statusBar()->currentMessage().contains("may not be kept"),
                 qPrintable(w.statusBar()->currentMessage()));
    }

private slots:
    void initTestCase() {
        // The read-only case's child needs no server.
        const QString error = setUp(readOnlyPath().isEmpty());
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    // Restore This writes a record through the command line's engine and checks: the unit
    // backed up first, the restore naming its source. A record from another port or model is
    // written only when the technician says yes to a box listing what differs (No by default);
    // a model not known before the run is checked by the engine once the backup read has it.
    void restoreThis_data() {
        QTest::addColumn<QString>("state");  // of the window: unconnected, connected, read
        QTest::addColumn<bool>("otherPort");
        QTest::addColumn<QString>("model");   // the record's; empty: the unit's own
        QTest::addColumn<QString>("answer");  // to the box asking, if one shows: yes or no
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("written");
        const QStringList asked{"restoreOtherUnit"};
        QTest::newRow("same unit") << "connected" << false << ""
                                   << "" << QStringList{} << true;
        QTest::newRow("other port, yes") << "connected" << true << ""
                                         << "yes" << asked << true;
        QTest::newRow("other model, no") << "read" << false << "QX-OTHER"
                                         << "no" << asked << false;
        QTest::newRow("other model, yes") << "read" << false << "QX-OTHER"
                                          << "yes" << asked << true;
        QTest::newRow("other model found by the backup read")
            << "connected" << false << "QX-OTHER"
            << "" << QStringList{"runResult"} << false;
        QTest::newRow("not connected") << "unconnected" << false << ""
                                       << "" << QStringList{"restoreRefused"} << false;
    }
    void restoreThis() {
        QFETCH(QString, state);
        QFETCH(bool, otherPort);
        QFETCH(QString, model);
        QFETCH(QString, answer);
        QFETCH(QStringList, boxes);
        QFETCH(bool, written);
        UnitSimulator unit;
        QVERIFY2(unit.open(), qPrintable(unit.errorString()));
        const ConfigurationSet original = unit.configuration();
        Record source =
            Record::begin(Action::Backup, otherPort ? "/dev/ttyOTHER" : unit.slavePath(), "test");
        source.model = model.isEmpty() ? unit.modelText() : model;
        const ConfigurationSet restored = fixtures::filled("restored", 7);
        source.setConfiguration(restored, ConfigurationSet::PhoneCount);
        const Target target = journalHolding(source);
        journal::Journal journal(target);
        QVERIFY(journal.open());
        frmMain w;
        prepare(w, journal, unit, state);
        if (QTest::currentTestFailed()) return;
        HistoryWindow* h = openHistory(w);
        settle(&journal);
        choose(h, source.id);
        unit.clearReceived();
        QString differences;
        testsupport::ModalDriver driver([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box && box->objectName() == "restoreOtherUnit") {
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
                differences = box->informativeText();
                box->button(answer == "yes" ? QMessageBox::Yes : QMessageBox::No)->click();
                return;
            }
            modal->close();
        });
        h->findChild<QPushButton*>("cmdHistoryRestore")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.transferActive() && driver.seen.size() >= boxes.size(), 10000);
        QCOMPARE(driver.seen, boxes);
        if (otherPort)
            QVERIFY2(differences.startsWith("Port: the record was kept from /dev/ttyOTHER; the "
                                            "unit is on " +
                                            unit.slavePath()),
                     qPrintable(differences));
        if (!model.isEmpty() && !answer.isEmpty())
            QCOMPARE(differences, QString("Model: the record was kept from a QX-OTHER; this unit "
                                          "is a %1.")
                                      .arg(unit.modelText()));
        QCOMPARE(unit.configuration() == restored, written);
        if (!written) {
            QCOMPARE(unit.configuration(), original);
            return;
        }
        journal::Worker::of(&journal)->waitForRecords();
        checkJournaled(target, source.id);
    }

    // A journal that cannot be written here (a read-only mount; here a folder and file its
    // user may only read, the window run as that user in a child) still lists, shows and
    // restores; what the window does is not recorded, and it says so.
    void readOnlyJournal() {
        if (!readOnlyPath().isEmpty()) return readOnlyChild();
        if (::geteuid() != 0) QSKIP("needs root, to run the window as another user");
        NobodyFolder open;
        const QString made = open.create();
        QVERIFY2(made.isEmpty(), qPrintable(made));
        const QString program = open.copy(QCoreApplication::applicationFilePath());
        QVERIFY2(!program.isEmpty(), qPrintable(open.path()));
        QVERIFY(QDir(open.path()).mkdir("ro"));
        const QString path = open.filePath("ro/j.sqlite");
        QString error;
        Record source = Record::begin(Action::Backup, "/dev/ttyRO", "test");
        source.setConfiguration(fixtures::filled("kept", 5), ConfigurationSet::PhoneCount);
        {
            journal::Store store(Target::parse(path, &error));
            QVERIFY(store.open(&error) && store.append(source, &error));
        }
        const QStringList files = QDir(open.filePath("ro")).entryList(QDir::Files);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther));
        QVERIFY(QFile::setPermissions(open.filePath("ro"), QFile::ReadOwner | QFile::ReadOther |
                                                               QFile::ExeOwner | QFile::ExeOther));
        QProcess child;
        QProcessEnvironment env = open.environment(QProcessEnvironment::systemEnvironment());
        env.insert("QX_HISTORY_READONLY", path);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.setChildProcessModifier(&NobodyFolder::becomeNobody);
        child.start(program, {"readOnlyJournal"});
        QVERIFY2(child.waitForStarted(10000),
                 qPrintable(open.cannotStart(program, child.errorString())));
        QVERIFY(child.waitForFinished(60000));
        const QByteArray said = child.readAll();
        QVERIFY2(child.exitCode() != NobodyFolder::CannotBecomeNobody,
                 qPrintable(open.cannotStart(program, "setuid failed")));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 said.constData());
        QCOMPARE(QDir(open.filePath("ro")).entryList(QDir::Files), files);  // nothing left behind
    }
    // A journal server that stalls (its table locked by another client) holds up neither the
    // window nor History: the event loop turns while a record waits (kept locally, as
    // tst_journalsync::lockedServerIsBounded proves), and History keeps its last list, saying
    // the journal is slow and then why.
    void stalledServer() {
        if (!pg.available())
            QSKIP(
                "no test server: start one with scripts/pg-test-server.sh and set "
                "QX_TEST_PG_URL");
        QString error;
        const Target local = Target::parse(dir.filePath("stalled-local.sqlite"), &error);
        journal::Journal journal(pg.target(), local);
        QVERIFY2(journal.open(), qPrintable(journal.openError()));
        frmMain w;
        w.setJournal(&journal);
        w.show();
        HistoryWindow* h = openHistory(w);
        settle(&journal);
        const int listed = modelOf(h)->totalCount();
        QStringList warnings;
        int ticks = 0, ticksAtWarning = -1;
        connect(&journal, &journal::Journal::warning, this, [&](const QString& text) {
            warnings << text;
            ticksAtWarning = ticks;
        });
        testsupport::PgLock lock(pg.target(), "LOCK TABLE journal IN ACCESS EXCLUSIVE MODE");
        QVERIFY(lock.locked);
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
        timer.start(50);

        journal.append(Record::begin(Action::Read, "/dev/ttyStalled", "test"));  // as a run does
        h->findChild<QPushButton*>("cmdHistoryRefresh")->click();
        auto* state = h->findChild<QLabel*>("lblHistoryState");
        QTRY_VERIFY_WITH_TIMEOUT(state->text().contains("slow to answer"), 10000);
        QCOMPARE(modelOf(h)->totalCount(), listed);
        QTRY_VERIFY_WITH_TIMEOUT(!warnings.isEmpty(), 20000);
        // The lock held the record for seconds; a loop held with it would not have ticked.
        QVERIFY2(ticksAtWarning >= 20, qPrintable(QString::number(ticksAtWarning)));
        QTRY_VERIFY_WITH_TIMEOUT(state->text().contains("cannot be read"), 20000);
        QCOMPARE(modelOf(h)->totalCount(), listed);  // the last good list stays

        lock.release();
        h->findChild<QPushButton*>("cmdHistoryRefresh")->click();
        QTRY_VERIFY_WITH_TIMEOUT(state->isHidden(), 10000);
        QCOMPARE(modelOf(h)->totalCount(), listed);
    }
};

QTEST_MAIN(tst_historyrestore)
#include "tst_historyrestore.moc"
