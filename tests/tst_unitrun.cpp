// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

#include "journal/Journal.h"
#include "provision/RunRecord.h"
#include "provision/UnitRun.h"
#include "tests/Fixtures.h"
#include "tools/unitsim/UnitSimulator.h"

Q_DECLARE_METATYPE(provision::RunInput::Mode)

using provision::RunInput;
using provision::RunResult;
using provision::UnitRun;

namespace {

constexpr int WatchdogMs = 30000;  // a run that outlives this has hung

using fixtures::filled;

}  // namespace

// The engine in-process, beside simulated units on real pseudo-terminals.
class tst_unitrun : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> temporary;  // one per test, and so its journal
    std::unique_ptr<UnitSimulator> sim;
    std::unique_ptr<journal::Journal> journal;

    journal::Journal* openJournal() {
        journal::Target target;
        target.kind = journal::Target::Kind::Sqlite;
        target.path = temporary->filePath(QStringLiteral("journal.sqlite"));
        journal = std::make_unique<journal::Journal>(target, target);
        return journal->open() ? journal.get() : nullptr;
    }
    QList<journal::Record> records() {
        QString error;
        return journal->store().list({}, &error);
    }

    // Runs `input` on the simulated unit; `phases` gets each phase as it starts, and `onProgress`
    // sees the run after each exchange.
    RunResult runOn(const RunInput& input, QStringList* phases = nullptr,
                    const std::function<void(UnitRun&, int)>& onProgress = {}) {
        UnitRun run(input, sim->slavePath());
        QEventLoop loop;
        connect(&run, &UnitRun::finished, &loop, &QEventLoop::quit);
        connect(&run, &UnitRun::progress, this, [&](const QString& phase, int done) {
            if (phases && (phases->isEmpty() || phases->last() != phase)) *phases << phase;
            if (onProgress) onProgress(run, done);
        });
        QTimer::singleShot(WatchdogMs, &loop, &QEventLoop::quit);
        QMetaObject::invokeMethod(&run, &UnitRun::start, Qt::QueuedConnection);
        loop.exec();
        return run.result();
    }

    RunInput input(RunInput::Mode mode, const ConfigurationSet& set, int phones = 32) {
        RunInput in;
        in.mode = mode;
        in.intervalMs = 25;  // no test here needs speed, and a busy machine makes 15 ms late
        in.document.set = set;
        in.document.phoneCount = phones;
        in.documentName = in.file = temporary->filePath(QStringLiteral("site.cfg"));
        in.outputPattern = temporary->filePath(QStringLiteral("{port}.json"));
        in.journal = openJournal();
        in.toolVersion = QStringLiteral("9.9");
        return in;
    }

private slots:
    void init() {
        temporary = std::make_unique<QTemporaryDir>();
        QVERIFY(temporary->isValid());
        sim = std::make_unique<UnitSimulator>();
        sim->setConfiguration(filled(QStringLiteral("unit"), 9));
        QVERIFY(sim->open());
    }
    void cleanup() {
        journal.reset();
        sim.reset();
        temporary.reset();
    }

    // Each mode's walk: its phases, what the unit holds after it, the result and its record.
    void walk_data() {
        QTest::addColumn<RunInput::Mode>("mode");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QString>("document");  // the tag of the document's values
        QTest::addColumn<QStringList>("phases");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("action");
        using M = RunInput::Mode;
        QTest::newRow("read") << M::Read << false << "file" << QStringList{"reading", "done"} << 0
                              << "read";
        QTest::newRow("write, verified")
            << M::Write << true << "file" << QStringList{"writing", "reading back", "done"} << 0
            << "write";
        QTest::newRow("restore") << M::Restore << false << "file" << QStringList{"writing", "done"}
                                 << 0 << "restore";
        QTest::newRow("verify, equal")
            << M::Verify << false << "unit" << QStringList{"verifying", "done"} << 0 << "verify";
        QTest::newRow("verify, differing")
            << M::Verify << false << "file" << QStringList{"verifying", "failed"} << 1 << "verify";
    }
    void walk() {
        QFETCH(RunInput::Mode, mode);
        QFETCH(bool, verify);
        QFETCH(QString, document);
        QFETCH(QStringList, phases);
        QFETCH(int, code);
        QFETCH(QString, action);
        const ConfigurationSet before = sim->configuration();
        RunInput in = input(mode, filled(document, 9));
        QVERIFY(in.journal);
        in.verifyAfterWrite = verify;
        QStringList seen;
        const RunResult result = runOn(in, &seen);
        QCOMPARE(seen, phases);
        QCOMPARE(int(result.code), code);
        QCOMPARE(result.model, sim->modelText());

        const bool sends = mode == RunInput::Mode::Write || mode == RunInput::Mode::Restore;
        const ConfigurationSet expected = sends ? filled(document, 9) : before;
        QVERIFY(sim->configuration() == expected);
        QVERIFY(result.configuration && *result.configuration == expected);
        QCOMPARE(result.settingsSent, sends ? DeviceProcedure::ExchangeCount - 1 : 0);
        QCOMPARE(result.differences.isEmpty(), code == 0);

        const QList<journal::Record> kept = records();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(journal::actionName(kept[0].action), action);
        QCOMPARE(kept[0].port, sim->slavePath());
        QCOMPARE(kept[0].version, QStringLiteral("9.9"));
        QCOMPARE(kept[0].differences, int(result.differences.size()));
        QCOMPARE(kept[0].sha256, journal::fingerprint(expected, ConfigurationSet::PhoneCount));
        if (mode == RunInput::Mode::Read)
            QCOMPARE(kept[0].file, UnitRun::outputPath(in.outputPattern, sim->slavePath()));
        else
            QCOMPARE(kept[0].file, in.file);
    }

    // At the auto pace a write goes fast only when it is verified: what a busy unit dropped
    // is found by the read-back and sent again at the fixed pace. An unverified write keeps
    // the fixed pace, so the busy unit takes every setting.
    void autoPace_data() {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QStringList>("phases");
        QTest::addColumn<bool>("resends");
        QTest::newRow("verified") << true
                                  << QStringList{"backing up",    "writing",      "reading back",
                                                 "sending again", "reading back", "done"}
                                  << true;
        QTest::newRow("unverified")
            << false << QStringList{"backing up", "writing", "done"} << false;
    }
    void autoPace() {
        QFETCH(bool, verify);
        QFETCH(QStringList, phases);
        QFETCH(bool, resends);
        sim->setFaults({.busyMs = 12});  // well below the interval, above the auto pace
        RunInput in = input(RunInput::Mode::Write, filled(QStringLiteral("file"), 9));
        in.intervalMs = 50;  // the margin over the busy time that a loaded machine eats into
        in.pace = LinkPace::Mode::Auto;
        in.backup = true;
        in.verifyAfterWrite = verify;
        QStringList seen;
        const RunResult result = runOn(in, &seen);
        QCOMPARE(seen, phases);
        QCOMPARE(int(result.code), 0);
        QVERIFY(sim->configuration() == filled(QStringLiteral("file"), 9));
        // The settings sent again are those the unit had dropped, not the whole list.
        const qsizetype settings = sim->commands().size() - 4 * DeviceProcedure::ExchangeCount;
        QCOMPARE(settings > 0, resends);
        if (resends) QVERIFY(settings < DeviceProcedure::ExchangeCount);
    }

    // A run that fails says why in its result and its record, naming the item or what the
    // unit was left with.
    void failure_data() {
        QTest::addColumn<RunInput::Mode>("mode");
        // "verify" after the write, "backup" before it (into a folder "gone": it is)
        QTest::addColumn<QString>("steps");
        QTest::addColumn<UnitFaults>("faults");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");  // a regular expression
        // the unit receives; -1: not counted (commands after a hang-up still arrive meanwhile)
        QTest::addColumn<int>("commands");
        using M = RunInput::Mode;
        auto answering = [](const QByteArray& command, const QByteArray& reply) {
            UnitFaults faults;
            faults.answers = {{command, reply}};
            return faults;
        };
        QTest::newRow("silent") << M::Write << "" << UnitFaults{.silent = true} << 4
                                << "^no unit answered the probe; nothing was written$" << 1;
        QTest::newRow("hung up in the write")
            << M::Write << "" << UnitFaults{.hangUpAfter = 10} << 4
            << "during the write; the unit may hold part of it$" << -1;
        // Every exchange still runs, but nothing of the read is kept.
        QTest::newRow("slave ID not hex")
            << M::Read << "" << answering("?A", "AZZ") << 4
            << "^reply to \\?A was \"AZZ\", which is no slave ID" << 99;
        QTest::newRow("message holding NUL CR")
            << M::Read << "" << answering("?M0B", QByteArray("M0Bab\0\rc", 8)) << 4
            << "^reply to \\?M0B holds NUL followed by CR, which the message of channel 12" << 99;
        QTest::newRow("late unit") << M::Read << "" << UnitFaults{.delayMs = 60} << 4
                                   << "^the unit answers late: about \\d+ ms after each "
                                      "command, where the link waits 25 ms$"
                                   << 1;
        // The write went through; only the read-back slipped.
        QTest::newRow("read-back slipped")
            << M::Write << "verify" << UnitFaults{.lateOnce = "?M10"} << 4
            << "^written, but the verify failed: no reply to \\?M10: .* The write itself went "
               "through; verify the unit again"
            << 198;
        // A unit whose backup cannot be read or kept is not written.
        QTest::newRow("backup, unit stops answering")
            << M::Write << "backup" << UnitFaults{.probeOnly = true} << 4
            << "^the backup read failed: .*nothing was written" << -1;
        QTest::newRow("backup, folder gone") << M::Write << "backup gone" << UnitFaults{} << 5
                                             << "cannot save the backup.*nothing was written" << -1;
    }
    void failure() {
        QFETCH(RunInput::Mode, mode);
        QFETCH(QString, steps);
        QFETCH(UnitFaults, faults);
        QFETCH(int, code);
        QFETCH(QString, reason);
        QFETCH(int, commands);
        const ConfigurationSet before = sim->configuration();
        sim->setFaults(faults);
        RunInput in = input(mode, filled(QStringLiteral("file"), 9));
        in.verifyAfterWrite = steps == "verify";
        in.backup = steps.startsWith("backup");
        in.backupDir = temporary->filePath(steps.endsWith("gone") ? "gone" : ".");
        const RunResult result = runOn(in);
        QCOMPARE(int(result.code), code);
        QVERIFY2(QRegularExpression(reason).match(result.summary).hasMatch(),
                 qPrintable(result.summary));
        if (commands >= 0) QCOMPARE(sim->commands().size(), commands);
        // A late reply can come no sooner than the unit sends it.
        QCOMPARE(result.lateMs >= faults.delayMs, faults.delayMs > 0);
        if (mode == RunInput::Mode::Read)
            QVERIFY(!QFile::exists(UnitRun::outputPath(in.outputPattern, sim->slavePath())));
        if (in.backup) {  // nothing sent but queries: the unit as it was
            for (const QByteArray& command : sim->commands())
                QVERIFY2(!command.startsWith('&'), command.constData());
            QVERIFY(sim->configuration() == before);
        }
        const QList<journal::Record> kept = records();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].action == journal::Action::Backup, in.backup);
        QCOMPARE(kept[0].outcome, journal::Outcome::Failed);
        QCOMPARE(kept[0].reason, result.summary);
    }

    // A text whose reply would not fit the receive buffer is refused before the port is even
    // opened: written, it could never be read back, and its leftover would spoil later reads.
    void unreadableText_data() {
        QTest::addColumn<int>("phone");    // 1-based; 0: none
        QTest::addColumn<int>("channel");  // 1-based; 0: none
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("reason");  // empty: written
        QTest::newRow("longest message") << 0 << 64 << 1021 << QString();
        QTest::newRow("message one over") << 0 << 5 << 1022
                                          << "the message of channel 5 holds 1022 characters, "
                                             "but the unit's reply to ?M04 could not be read back "
                                             "beyond 1021; nothing was sent";
        QTest::newRow("phone far over")
            << 32 << 0 << 64 * 1024
            << "phone 32 holds 65536 characters, but the unit's reply to ?P1F";
    }
    void unreadableText() {
        QFETCH(int, phone);
        QFETCH(int, channel);
        QFETCH(int, length);
        QFETCH(QString, reason);
        ConfigurationSet set = filled(QStringLiteral("file"), 9);
        if (phone) set.phoneNo[size_t(phone - 1)] = QString(length, u'7');
        if (channel) set.channelMessage[size_t(channel - 1)] = QString(length, u'\u00e9');
        UnitFaults roomy;
        roomy.roomy = true;
        sim->setFaults(roomy);
        RunInput in = input(RunInput::Mode::Write, set);
        in.verifyAfterWrite = true;  // the longest text does read back whole
        const RunResult result = runOn(in);
        QVERIFY2(result.summary.startsWith(reason), qPrintable(result.summary));
        QCOMPARE(int(result.code), reason.isEmpty() ? 0 : 5);
        QCOMPARE(sim->commands().isEmpty(), !reason.isEmpty());
    }

    // What a unit sends after its exchange has ended stays on the line; the next run of the unit
    // must not take it for its own replies. Here the last setting of a write is answered with
    // far more than the receive buffer holds.
    void leftoverReplies() {
        const ConfigurationSet set = filled(QStringLiteral("file"), 9);
        UnitFaults chatty;
        chatty.answers = {
            {commandset::setMessage(63, set.channelMessage[63]).chopped(1), QByteArray(3000, 'x')}};
        sim->setFaults(chatty);
        QCOMPARE(int(runOn(input(RunInput::Mode::Write, set)).code), 0);
        QTest::qWait(100);  // for the last of the noise to reach the line
        sim->setFaults({});
        const RunResult read = runOn(input(RunInput::Mode::Read, {}));
        QVERIFY2(read.code == 0, qPrintable(read.summary));
        QVERIFY(read.configuration && *read.configuration == set);
    }

    // A backup read first, then only what differs from it; the read-back still covers all.
    void changedOnly_data() {
        QTest::addColumn<int>("phones");  // the document's
        QTest::addColumn<int>("edits");   // settings of the unit's own values changed
        QTest::addColumn<QStringList>("phases");
        const QStringList phases{"backing up", "writing changes", "reading back", "done"};
        QTest::newRow("four settings") << 32 << 4 << phases;
        QTest::newRow("nothing differs") << 32 << 0 << phases;
        // The backup brings the unit's 17-32, so no phone read of its own.
        QTest::newRow("file with 16 phones") << 16 << 4 << phases;
    }
    void changedOnly() {
        QFETCH(int, phones);
        QFETCH(int, edits);
        QFETCH(QStringList, phases);
        const ConfigurationSet before = sim->configuration();
        ConfigurationSet wanted = before;
        if (edits) {
            wanted.slaveId = 30;
            wanted.phoneNo[2] = QStringLiteral("0123456");
            wanted.channelMessage[39] = QStringLiteral("changed");
            wanted.channelEnable[4] = wanted.enabled(4) ? FlagFalse : FlagTrue;
        }
        ConfigurationSet document = wanted;
        for (int k = phones; k < ConfigurationSet::PhoneCount; ++k)
            document.phoneNo[k] = QStringLiteral("not sent");
        RunInput in = input(RunInput::Mode::Write, document, phones);
        in.backup = in.changedOnly = in.verifyAfterWrite = true;
        QStringList seen;
        sim->clearReceived();
        const RunResult result = runOn(in, &seen);
        QCOMPARE(seen, phases);
        QCOMPARE(int(result.code), 0);
        QVERIFY(sim->configuration() == wanted);
        QVERIFY(result.backup && *result.backup == before);
        QCOMPARE(result.settingsSent, edits);
        const QList<QByteArray> commands = sim->commands();
        auto count = [&](const char* start) {
            return std::count_if(commands.begin(), commands.end(),
                                 [start](const QByteArray& c) { return c.startsWith(start); });
        };
        QCOMPARE(count("&"), edits);
        QCOMPARE(count("?M"), 2 * ConfigurationSet::ChannelCount);  // the read-back reads all
        QVERIFY2(result.summary.contains(QStringLiteral(", %1 of 98 settings sent").arg(edits)),
                 qPrintable(result.summary));

        const QList<journal::Record> kept = records();  // newest first
        QCOMPARE(kept.size(), 2);
        QCOMPARE(kept[1].action, journal::Action::Backup);
        QCOMPARE(kept[1].sha256, journal::fingerprint(before, ConfigurationSet::PhoneCount));
        QCOMPARE(kept[0].action, journal::Action::Write);
        QCOMPARE(kept[0].verified, std::optional<bool>(true));
        QCOMPARE(kept[0].settingsSent, std::optional<int>(edits));
        QCOMPARE(kept[0].sha256, journal::fingerprint(wanted, ConfigurationSet::PhoneCount));
        QVERIFY(kept[1].time <= kept[0].time);
    }

    // A restore onto another model than the record's stops after its backup read and sends
    // nothing. Its reason is the front ends' to complete: each names its own way on.
    void otherModelRefused() {
        const ConfigurationSet before = sim->configuration();
        RunInput in = input(RunInput::Mode::Restore, filled(QStringLiteral("file"), 2));
        in.backup = true;
        in.expectedModel = QStringLiteral("QX-OTHER");
        sim->clearReceived();
        const RunResult result = runOn(in);
        QCOMPARE(int(result.code), int(provision::Usage));
        QCOMPARE(result.reasonCode, QStringLiteral("other-model"));
        QCOMPARE(result.summary, QStringLiteral("the unit says it is %1, the record was kept from "
                                                "QX-OTHER; nothing was written")
                                     .arg(sim->modelText()));
        for (const QByteArray& command : sim->commands())
            QVERIFY2(!command.startsWith('&'), command.constData());
        QVERIFY(sim->configuration() == before);
    }

    // A write the user cuts short is interrupted, not failed, up to the station's tiles; the
    // journal keeps the words it always had: failed, with a reason saying why.
    void interruptedIsNotFailed() {
        const RunResult result =
            runOn(input(RunInput::Mode::Write, filled(QStringLiteral("file"), 2)), nullptr,
                  [](UnitRun& run, int done) {
                      if (done == 3) run.interrupt();
                  });
        QCOMPARE(outcomeOf(result), journal::Outcome::Interrupted);
        const QList<journal::Record> kept = records();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].outcome, journal::Outcome::Failed);
        QCOMPARE(kept[0].reasonCode, QStringLiteral("interrupted-write"));
        QCOMPARE(journal::outcomeName(journal::Outcome::Interrupted), QStringLiteral("failed"));
    }
};

QTEST_GUILESS_MAIN(tst_unitrun)
#include "tst_unitrun.moc"
