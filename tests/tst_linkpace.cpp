// SPDX-License-Identifier: GPL-3.0-or-later
// The auto pace against simulated units on real pseudo-terminals: the link takes each reply
// whole as soon as it is in, however the unit delivers it, and catches every reply it took
// too early.
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "device/LinkPace.h"
#include "device/SerialLink.h"
#include "device/TrafficLog.h"
#include "device/Transaction.h"
#include "device/UnitSession.h"
#include "tools/unitsim/UnitSimulator.h"

Q_DECLARE_METATYPE(UnitFaults)

namespace {

using L = QByteArrayList;
constexpr int RunLimitMs = 60000;  // upper bound only

// Runs `commands` one after the other as a procedure does, each sent from inside the previous
// one's completion (or `pauseMs` later), and gathers the replies with any redone reply laid
// over the one it replaces.
struct Driver {
    Driver(Transaction& t, const L& commands, int pauseMs) : t(t), commands(commands) {
        QObject::connect(&t, &Transaction::earlierReplyRedone, &t,
                         [this](const QByteArray& reply) { replies.last() = reply; });
        QObject::connect(&t, &Transaction::completed, &t, [this, pauseMs] {
            replies << this->t.RxReply;
            if (pauseMs > 0)
                QTimer::singleShot(pauseMs, &this->t, [this] { next(); });
            else
                next();
        });
        t.beginRun();
        next();
    }
    void next() {
        if (replies.size() == commands.size()) return;
        t.TxCommand = commands[replies.size()];
        QVERIFY(t.SendReceive(replies.size() + 1 == commands.size()));
    }
    Transaction& t;
    const L commands;
    L replies;
};

// One seeded run of the soak: a unit on a link of random latency, jitter, chunking, drops and a
// reply held back into the next one, read for three phone slots at the auto pace.
struct Trial {
    static constexpr int Slots = 3;

    explicit Trial(QRandomGenerator& random) : first(int(random.bounded(30))) {
        ConfigurationSet held;
        for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
            held.phoneNo[k] = QString::number(random.bounded(1u << 30))
                                  .left(int(random.bounded(ConfigurationSet::PhoneMaxLength + 1)));
        UnitFaults faults{.seed = random.generate(),
                          .latencyMs = int(random.bounded(30)),
                          .jitterMs = int(random.bounded(20)),
                          .chunkBytes = random.bounded(3) == 0 ? 0 : 1 + int(random.bounded(8)),
                          .chunkGapMs = int(random.bounded(15)),
                          .dropEvery = random.bounded(5) == 0 ? 2 + int(random.bounded(5)) : 0};
        if (random.bounded(5) == 0)
            faults.lateOnce = "?P" + QByteArray::number(first + random.bounded(Slots), 16)
                                         .toUpper()
                                         .rightJustified(2, '0');
        unit.setConfiguration(held);
        unit.setFaults(faults);
        session.setPace(LinkPace::Mode::Auto);
        QObject::connect(&session, &UnitSession::finished, &session,
                         [this](UnitSession::Outcome result) {
                             outcome = result;
                             done = true;
                         });
        if (unit.open() && session.open(unit.slavePath()))
            session.startPhoneRead(first, Slots, {});
        else
            done = true;  // outcome stays LinkLost: a failure, loud
    }
    // The read claims to be whole.
    bool clean() const {
        return outcome == UnitSession::Outcome::Completed && session.slippedReplies() == 0 &&
               session.rejectedReplies() == 0;
    }
    bool right() const {
        for (int k = first; k < first + Slots; ++k)
            if (session.configuration().phoneNo[k] != unit.configuration().phoneNo[k]) return false;
        return true;
    }

    UnitSimulator unit;
    UnitSession session;
    const int first;
    bool done = false;
    UnitSession::Outcome outcome = UnitSession::Outcome::LinkLost;
};

QStringList notes(const QList<TrafficLine>& lines) {
    QStringList out;
    for (const TrafficLine& line : lines)
        if (line.direction == TrafficLine::Note) out << QString::fromUtf8(line.bytes);
    return out;
}

}  // namespace

class tst_linkpace : public QObject {
    Q_OBJECT
private slots:
    void cutShort_data();
    void cutShort();
    void reads_data();
    void reads();
    void arrivals_data();
    void arrivals();
    void soak();
    void fixedIntervals_data();
    void fixedIntervals();
};

void tst_linkpace::cutShort_data() {
    QTest::addColumn<UnitFaults>("faults");
    QTest::addColumn<L>("commands");
    QTest::addColumn<int>("pauseMs");  // between a completion and the next command
    QTest::addColumn<bool>("redone");  // a redo must show in the log
    QTest::addColumn<bool>("fallBack");
    // Gaps wide enough that a loaded machine does not merge the pieces.
    const UnitFaults pieces2{.chunkBytes = 2, .chunkGapMs = 60};
    const UnitFaults pieces4{.chunkBytes = 4, .chunkGapMs = 60};
    // Each reply kind cut after its first piece, the rest caught at the head of the next
    // reply, or lying on the line before the next command. (A procedure never mixes queries
    // and settings, and a setting's reply is not judged: only what lies on the line before it
    // gives a cut-short reply away there.)
    QTest::newRow("probe, rest leads ?A") << pieces4 << L{"?\r", "?A\r"} << 0 << true << false;
    QTest::newRow("probe, rest before ?A") << pieces4 << L{"?\r", "?A\r"} << 150 << true << false;
    QTest::newRow("phone number, rest leads ?M")
        << pieces2 << L{"?P00\r", "?M00\r"} << 0 << true << false;
    QTest::newRow("message, rest leads ?P")
        << pieces4 << L{"?M08\r", "?P01\r"} << 0 << true << false;
    QTest::newRow("message, rest leads a setting")
        << pieces4 << L{"?M10\r", "&A05\r"} << 150 << true << false;
    // Fixed-length replies are never taken before they are whole.
    QTest::newRow("slave ID and flags in pieces")
        << pieces2 << L{"?A\r", "?E\r", "?A\r"} << 0 << false << false;
    // The last exchange keeps listening, so its slow tail is not left on the line.
    QTest::newRow("last reply's tail") << pieces4 << L{"?A\r", "?M10\r"} << 0 << false << false;
    QTest::newRow("replies never fit: fixed pace")
        << UnitFaults{.garbage = true} << L{"?\r", "?\r", "?\r", "?\r", "?\r"} << 0 << true << true;
}

void tst_linkpace::cutShort() {
    QFETCH(UnitFaults, faults);
    QFETCH(L, commands);
    QFETCH(int, pauseMs);
    QFETCH(bool, redone);
    QFETCH(bool, fallBack);
    UnitSimulator unit;
    QVERIFY(unit.open());
    UnitSimulator reference;  // answers the same commands whole
    SerialLink link;
    QVERIFY(link.open(unit.slavePath()));
    Transaction t(&link);
    t.setPace(LinkPace::Mode::Auto);
    TrafficLog log;
    t.setTrafficLog(&log);
    QList<TrafficLine> lines;
    connect(&log, &TrafficLog::lineLogged, &log, [&](const TrafficLine& l) { lines << l; });
    unit.setFaults(faults);
    Driver run(t, commands, pauseMs);
    QTRY_COMPARE_WITH_TIMEOUT(run.replies.size(), commands.size(), RunLimitMs);
    QVERIFY(!t.busy());
    const QStringList said = notes(lines);
    QCOMPARE(said.filter("again at a slower pace").isEmpty(), !redone);
    QCOMPARE(t.pace().fallenBack(), fallBack);
    QCOMPARE(said.filter("fixed pace").isEmpty(), !fallBack);
    if (faults.garbage) return;
    L expected;
    for (const QByteArray& command : commands)
        expected << reference.handleCommand(command);
    QCOMPARE(run.replies, expected);
}

void tst_linkpace::reads_data() {
    QTest::addColumn<UnitFaults>("faults");
    // A prompt unit read whole at this pace is tst_unitrun::autoPace's read-back.
    QTest::newRow("150 ms") << UnitFaults{.latencyMs = 150};
    QTest::newRow("chunked") << UnitFaults{.chunkBytes = 4, .chunkGapMs = 20};
    QTest::newRow("jittery") << UnitFaults{.seed = 7, .latencyMs = 10, .jitterMs = 60};
}

// A whole read at the auto pace gives the unit's configuration, with no reply out of step.
void tst_linkpace::reads() {
    QFETCH(UnitFaults, faults);
    UnitSimulator unit;
    QVERIFY(unit.open());
    unit.setFaults(faults);
    UnitSession session;
    session.setPace(LinkPace::Mode::Auto);
    QVERIFY(session.open(unit.slavePath()));
    QSignalSpy finished(&session, &UnitSession::finished);
    QVERIFY(session.startRead());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, RunLimitMs);
    QCOMPARE(finished[0][0].value<UnitSession::Outcome>(), UnitSession::Outcome::Completed);
    QCOMPARE(session.slippedReplies(), 0);
    QCOMPARE(session.rejectedReplies(), 0);
    QVERIFY(session.configuration() == unit.configuration());
}

void tst_linkpace::arrivals_data() {
    QTest::addColumn<UnitFaults>("faults");
    QTest::addColumn<bool>("paced");
    QTest::addColumn<QList<int>>("pieces");  // per reply: how many pieces came, 0: none
    QTest::newRow("prompt") << UnitFaults{} << false << QList<int>{1, 1};
    QTest::newRow("silent") << UnitFaults{.silent = true} << false << QList<int>{0, 0};
    // The late probe reply shows in the next exchange, where it came.
    QTest::newRow("150 ms, fixed") << UnitFaults{.latencyMs = 150} << false << QList<int>{0, 1};
    QTest::newRow("chunked, fixed")
        << UnitFaults{.chunkBytes = 4, .chunkGapMs = 30} << false << QList<int>{3, 1};
    QTest::newRow("150 ms, auto") << UnitFaults{.latencyMs = 150} << true << QList<int>{1, 1};
}

// Each reply line says when its bytes came, in the log file and to a live view alike; a unit
// that said nothing shows as "no reply", not as an empty reply.
void tst_linkpace::arrivals() {
    QFETCH(UnitFaults, faults);
    QFETCH(bool, paced);
    QFETCH(QList<int>, pieces);
    UnitSimulator unit;
    QVERIFY(unit.open());
    unit.setFaults(faults);
    SerialLink link;
    QVERIFY(link.open(unit.slavePath()));
    Transaction t(&link);
    t.setPace(paced ? LinkPace::Mode::Auto : LinkPace::Mode::Fixed);
    QTemporaryDir dir;
    TrafficLog log;
    QVERIFY(log.open(dir.filePath("traffic.log")));
    t.setTrafficLog(&log);
    QList<TrafficLine> replies;
    connect(&log, &TrafficLog::lineLogged, &log, [&](const TrafficLine& l) {
        if (l.direction == TrafficLine::Reply) replies << l;
    });
    Driver run(t, {"?\r", "?A\r"}, 0);
    QTRY_COMPARE_WITH_TIMEOUT(run.replies.size(), 2, RunLimitMs);
    QFile file(dir.filePath("traffic.log"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArrayList written;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.contains(" < ")) written << line;
    QCOMPARE(replies.size(), 2);
    QCOMPARE(written.size(), 2);
    for (qsizetype i = 0; i < 2; ++i) {
        QCOMPARE(replies[i].arrivalsMs.size(), pieces[i]);
        const QByteArray said = written[i].sliced(written[i].indexOf('\t') + 1);
        QCOMPARE(said.startsWith("arrived at "), pieces[i] > 0);
        QCOMPARE(said == "no reply", pieces[i] == 0);
        for (const double ms : replies[i].arrivalsMs)
            QVERIFY(ms >= 0 && ms <= replies[i].replyMs);
    }
}

// Against random link faults, every read at the auto pace that claims to be whole holds the
// unit's values; the others fail loudly. 1,000 seeded runs, a hundred side by side.
void tst_linkpace::soak() {
    constexpr int Runs = 1000, AtOnce = 100;
    QRandomGenerator random(20261208);
    int whole = 0;
    for (int round = 0; round < Runs / AtOnce; ++round) {
        std::vector<std::unique_ptr<Trial>> trials;
        for (int i = 0; i < AtOnce; ++i)
            trials.push_back(std::make_unique<Trial>(random));
        QTRY_VERIFY_WITH_TIMEOUT(
            std::all_of(trials.begin(), trials.end(), [](const auto& t) { return t->done; }),
            RunLimitMs);
        for (const auto& trial : trials) {
            if (!trial->clean()) continue;
            QVERIFY2(
                trial->right(),
                qPrintable(QStringLiteral("round %1, slots from %2").arg(round).arg(trial->first)));
            ++whole;
        }
    }
    // Most runs get through, so the check above is not vacuous.
    qInfo("%d of %d reads whole and right, the others refused", whole, Runs);
    QVERIFY(whole > Runs / 2);
}

void tst_linkpace::fixedIntervals_data() {
    QTest::addColumn<int>("intervalMs");
    for (const int ms : {15, 20, 25, 100})
        QTest::addRow("%d ms", ms) << ms;
}

// At the fixed pace no exchange may end before its whole interval, not by a millisecond. Timed
// in a plain event loop, from the command being logged (just before it goes out) to its reply
// being logged (just after the interval ends), so the clock can only make an exchange look
// longer than it was.
void tst_linkpace::fixedIntervals() {
    QFETCH(int, intervalMs);
    UnitSimulator unit;
    QVERIFY(unit.open());
    UnitSession session;
    session.setInterval(intervalMs);
    TrafficLog log;
    session.setTrafficLog(&log);
    QElapsedTimer clock;
    clock.start();
    QList<qint64> sentNs, repliedNs;
    connect(&log, &TrafficLog::lineLogged, &log, [&](const TrafficLine& line) {
        if (line.direction != TrafficLine::Note)
            (line.direction == TrafficLine::Command ? sentNs : repliedNs) << clock.nsecsElapsed();
    });
    QVERIFY(session.open(unit.slavePath()));
    QEventLoop loop;
    connect(&session, &UnitSession::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(RunLimitMs, &loop, &QEventLoop::quit);
    QVERIFY(session.startPhoneRead(0, ConfigurationSet::PhoneCount, {}));
    loop.exec();
    QCOMPARE(session.exchangesDone(), 1 + ConfigurationSet::PhoneCount);
    QCOMPARE(repliedNs.size(), sentNs.size());
    qint64 shortestUs = std::numeric_limits<qint64>::max();
    for (qsizetype i = 0; i < sentNs.size(); ++i) {
        const qint64 us = (repliedNs[i] - sentNs[i]) / 1000;
        QVERIFY2(us >= qint64(intervalMs) * 1000,
                 qPrintable(QStringLiteral("exchange %1 ended after %2 us").arg(i).arg(us)));
        shortestUs = qMin(shortestUs, us);
    }
    qInfo("shortest exchange %lld us of %d ms", shortestUs, intervalMs);
}

QTEST_GUILESS_MAIN(tst_linkpace)
#include "tst_linkpace.moc"
