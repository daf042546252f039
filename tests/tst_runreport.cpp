// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window says when a run ends, without a window or a port: every status text
// and which box, built from a run's end as the unit controller hands it over.
#include <QtTest>

#include "ui/mainwindow/RunReport.h"

using safety::Operation;
using safety::RunContext;
using safety::RunEnd;
using safety::RunReport;
using Outcome = UnitSession::Outcome;
using Step = provision::UnitRun::Step;
using Box = RunReport::Box;

Q_DECLARE_METATYPE(safety::RunEnd)
Q_DECLARE_METATYPE(safety::RunContext)
Q_DECLARE_METATYPE(safety::RunReport::Box)

namespace {

const QString Port = QStringLiteral("/dev/pts/7");

RunEnd ended(Operation op, Step step, Outcome last, provision::RunCode code,
             const QString& summary = {}, const QString& reason = {}) {
    RunEnd end;
    end.op = op;
    end.step = step;
    end.last = last;
    end.result.code = code;
    end.result.summary = summary;
    end.result.reason = reason.isEmpty() && code != provision::Done ? summary : reason;
    end.done = end.count = 90;
    return end;
}

// A write that went through, with a backup kept when `kept`.
RunEnd written(Step step, bool kept, bool backupAsked, bool verifyAsked) {
    RunEnd end = ended(Operation::Write, step, Outcome::Completed, provision::Done);
    if (kept) end.result.backup = ConfigurationSet{};
    end.backupAsked = backupAsked;
    end.verifyAsked = verifyAsked;
    return end;
}

RunContext context(bool journal = true, bool warned = false, bool backUpBefore = true,
                   bool fastLink = false) {
    return {
        Port,         100,     QStringLiteral("device removed"), QTime(10, 11, 12), journal, warned,
        backUpBefore, fastLink};
}

// Every write that went through says what was kept and whether it was read back.
void writtenRows() {
    const QString prior = "The unit's previous configuration is in the journal.";
    const QString unverified = "Written, not read back: Verify After Writing is off. ";
    QTest::newRow("verified, backup kept") << written(Step::VerifyRead, true, true, true)
                                           << context() << "Written and verified. " + prior;
    QTest::newRow("not verified, backup kept")
        << written(Step::Write, true, true, false) << context() << unverified + prior;
    QTest::newRow("backup into a failing journal")
        << written(Step::Write, true, true, false) << context(true, true)
        << unverified +
               "The journal is not working (see the status bar): the unit's previous "
               "configuration may not be kept.";
    QTest::newRow("journal off") << written(Step::Write, false, false, false)
                                 << context(false, false, true)
                                 << unverified + "No backup was kept, as the journal is off.";
    QTest::newRow("backup option off")
        << written(Step::Write, false, false, false) << context(true, false, false)
        << unverified + "No backup was kept, as Back Up Before Writing is off.";
    QTest::newRow("backup in the read since Connect")
        << written(Step::VerifyRead, false, false, true) << context()
        << "Written and verified. The unit's previous configuration is in the journal, from "
           "the read since Connect.";
    RunEnd differs = written(Step::VerifyRead, true, true, true);
    differs.result.code = provision::Differences;
    differs.result.differences = QStringList{"phone 1", "phone 2"};
    QTest::newRow("read back differs")
        << differs << context() << "Written, but values differ on reading back: 2. " + prior;
    RunEnd unread = written(Step::VerifyRead, true, true, true);
    unread.result.code = provision::NoUnit;
    unread.result.reason = "no reply to ?P05";
    QTest::newRow("read back failed")
        << unread << context()
        << "Written, but reading back failed: no reply to ?P05. Use Verify Unit against "
           "Window to know what the unit holds. " +
               prior;
}

// A late unit's box, which offers to read it at its own pace unless the link already does.
void lateRows() {
    RunEnd late = ended(Operation::Read, Step::Read, Outcome::ProbeFailed, provision::NoUnit,
                        "the unit answers late");
    late.result.lateMs = 250;
    RunEnd lateWrite = late;
    lateWrite.op = Operation::Write;
    lateWrite.step = Step::Write;
    lateWrite.done = 0;
    QTest::newRow("late unit, read") << late << false << Box::Communication << "communicationError"
                                     << "about 250 ms" << true;
    QTest::newRow("late unit, read, fast link on")
        << late << true << Box::Communication << "communicationError"
        << "about 250 ms" << false;
    QTest::newRow("late unit, write")
        << lateWrite << false << Box::Communication << "communicationError"
        << "about 250 ms" << false;
}

}  // namespace

class tst_runreport : public QObject {
    Q_OBJECT

private slots:
    // What the status bar says at a run's end, "nothing was written" never twice.
    void status_data() {
        QTest::addColumn<RunEnd>("end");
        QTest::addColumn<RunContext>("context");
        QTest::addColumn<QString>("expected");
        RunEnd cut = ended(Operation::Read, Step::Read, Outcome::LinkLost, provision::NoUnit,
                           "the line was lost");
        cut.done = 12;
        QTest::newRow("read cut short")
            << cut << context() << "Read stopped after 12 of 90 exchanges.";
        QTest::newRow("read, no unit")
            << ended(Operation::Read, Step::Read, Outcome::ProbeFailed, provision::NoUnit,
                     "no unit answered the probe")
            << context() << "The unit could not be read: no unit answered the probe";
        // The engine's summary ends in "nothing was written" already: said once.
        QTest::newRow("write refused, backup failed")
            << ended(Operation::Write, Step::Backup, Outcome::ProbeFailed, provision::NoUnit,
                     "the backup read failed: no unit answered; nothing was written",
                     "no unit answered")
            << context()
            << "Nothing was written: the unit could not be backed up (no unit answered).";
        // Only the probe went out: the unit is not called half-written.
        RunEnd unanswered =
            ended(Operation::Write, Step::Write, Outcome::ProbeFailed, provision::NoUnit,
                  "no unit answered the probe; nothing was written");
        unanswered.done = 0;
        QTest::newRow("write, no unit")
            << unanswered << context()
            << "Write failed: no unit answered the probe; nothing was written";
        RunEnd half = ended(Operation::Write, Step::Write, Outcome::LinkLost, provision::NoUnit,
                            "the line was lost");
        half.done = 3;
        QTest::newRow("write cut short") << half << context()
                                         << "Write stopped after 3 of 90 exchanges: the unit is "
                                            "half-written; write again.";
        writtenRows();
    }
    void status() {
        QFETCH(RunEnd, end);
        QFETCH(RunContext, context);
        QFETCH(QString, expected);
        const QString said = RunReport(end, context).statusText();
        QCOMPARE(said, expected);
        QVERIFY2(said.count(QStringLiteral("nothing was written"), Qt::CaseInsensitive) <= 1,
                 qPrintable(said));
    }

    // Which box a run's end brings, what its details say, and whether it offers to read a late
    // unit at its own pace.
    void boxes_data() {
        QTest::addColumn<RunEnd>("end");
        QTest::addColumn<bool>("fastLink");
        QTest::addColumn<Box>("box");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("informative");  // a part of it; empty: none
        QTest::addColumn<bool>("ownPace");
        lateRows();
        QTest::newRow("line lost") << ended(Operation::Verify, Step::Read, Outcome::LinkLost,
                                            provision::NoUnit, "the line was lost")
                                   << false << Box::Communication << "communicationError"
                                   << "(device removed)" << false;
        QTest::newRow("traffic log failed")
            << ended(Operation::Read, Step::Read, Outcome::LogFailed, provision::FileFailed,
                     "the traffic log failed")
            << false << Box::LogFailed << ""
            << "" << false;
        QTest::newRow("backup failed, no unit")
            << ended(Operation::Write, Step::Backup, Outcome::ProbeFailed, provision::NoUnit,
                     "the backup read failed: no unit answered; nothing was written",
                     "no unit answered")
            << false << Box::BackupFailed << "backupFailed"
            << "No unit answered on " + Port << false;
        QTest::newRow("backup failed, unreadable replies")
            << ended(Operation::Write, Step::Backup, Outcome::Completed, provision::NoUnit,
                     "the backup read failed: no reply to ?P05; nothing was written",
                     "no reply to ?P05")
            << false << Box::BackupFailed << "backupFailed"
            << "no reply to ?P05" << false;
        // The backup went through; the unit is another model than the record's. The way on
        // is the window's, not the command line's --force.
        RunEnd otherModel =
            ended(Operation::Restore, Step::Backup, Outcome::Completed, provision::Usage,
                  "the unit says it is QX-1, the record was kept from QX-2; nothing was written");
        otherModel.result.reasonCode = QStringLiteral("other-model");
        QTest::newRow("restore refused after its backup")
            << otherModel << false << Box::Result << "runResult"
            << "press Restore This... in History again" << false;
        QTest::newRow("read refused") << ended(Operation::Read, Step::Read, Outcome::Completed,
                                               provision::NoUnit, "no reply to ?P05")
                                      << false << Box::RefusedRead << "readRefused"
                                      << "keeps what it showed before" << false;
        // A compare lists what it found, even nothing.
        QTest::newRow("compare equal")
            << ended(Operation::CompareUnit, Step::Read, Outcome::Completed, provision::Done)
            << false << Box::Differences << ""
            << "" << false;
    }
    void boxes() {
        QFETCH(RunEnd, end);
        QFETCH(bool, fastLink);
        QFETCH(Box, box);
        QFETCH(QString, name);
        QFETCH(QString, informative);
        QFETCH(bool, ownPace);
        const RunReport report(end, context(true, false, true, fastLink));
        QCOMPARE(report.box(), box);
        QCOMPARE(report.boxName(), name);
        QVERIFY2(informative.isEmpty() ? report.informativeText().isEmpty()
                                       : report.informativeText().contains(informative),
                 qPrintable(report.informativeText()));
        QCOMPARE(report.offersOwnPace(), ownPace);
        // A box says what happened once: its text and its details never repeat a phrase.
        const QString whole = report.text() + QLatin1Char(' ') + report.informativeText();
        QVERIFY2(whole.count(QStringLiteral("nothing was written"), Qt::CaseInsensitive) <= 1,
                 qPrintable(whole));
    }

    // Closing the window during a read stops it and loses nothing; only a write leaves the
    // unit half-written, and neither question speaks of a window that is closing.
    void closeQuestion_data() {
        QTest::addColumn<bool>("writing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("reading") << false
                                 << "The unit is being read. Closing stops the read; the unit "
                                    "stays as it is.";
        QTest::newRow("writing") << true
                                 << "A write is running. A write cut short leaves the unit "
                                    "half-written: part old, part new configuration.";
    }
    void closeQuestion() {
        QFETCH(bool, writing);
        QFETCH(QString, expected);
        QCOMPARE(RunReport::closeQuestion(writing), expected);
    }
};

QTEST_GUILESS_MAIN(tst_runreport)
#include "tst_runreport.moc"
