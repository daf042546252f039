// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <csignal>

#include "configfile/ConfigDocument.h"
#include "tests/support/CliFixture.h"

#include <sys/resource.h>

using namespace cli_fixture;

// What the command line refuses before a port opens, and how it reports units and input
// that go wrong.
class tst_cli_faults : public CliFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void cleanup() { clearUnits(); }

    // A missing file, or an output that could not be saved, ends the run before the first
    // byte goes out (a read takes seconds): exit 5, naming where. (What else a plan refuses is
    // tst_plan's.)
    void refusedBeforeSending_data() {
        QTest::addColumn<QString>("args");  // split at blanks; PORT is the unit, {dir} the folder
        QTest::addColumn<QString>("says");
        const QString read = QStringLiteral("read -p PORT -o {dir}/");
        QTest::newRow("missing file") << "verify -p PORT {dir}/none.cfg"
                                      << "quellix-cli: {dir}/none.cfg: cannot be opened";
        QTest::newRow("output in a missing folder")
            << read + "no-dir/out.txt"
            << "quellix-cli: {dir}/no-dir/out.txt: the folder {dir}/no-dir does not exist";
        QTest::newRow("output in a file")
            << read + "plain/out.txt"
            << "quellix-cli: {dir}/plain/out.txt: {dir}/plain is not a folder";
        QTest::newRow("output is a folder") << read + "sub"
                                            << "quellix-cli: {dir}/sub: is a folder";
    }

    void refusedBeforeSending() {
        QFETCH(QString, args);
        QFETCH(QString, says);
        UnitSimulator* sim = unit(filled(QStringLiteral("unit"), 6));
        QVERIFY(sim);
        QVERIFY(writeFile("plain", "x") && QDir(dir.path()).mkpath("sub"));
        QStringList list = args.split(u' ');
        list.replaceInStrings(QStringLiteral("PORT"), sim->slavePath());
        list.replaceInStrings(QStringLiteral("{dir}"), dir.path());
        const Run run = cli(paced(list));
        QCOMPARE(run.code, 5);
        QVERIFY2(run.err.contains(says.replace(QStringLiteral("{dir}"), dir.path()).toUtf8()),
                 run.err);
        QTest::qWait(50);  // anything sent would have arrived by now
        QCOMPARE(sim->received(), QByteArray());
    }

    // A batch read names each file after its port and ends with the worst port's exit code.
    // (That a failed read writes no file is tst_unitrun::failure's.)
    void batchRead() {
        UnitFaults silent;
        silent.silent = true;
        const ConfigurationSet set = filled(QStringLiteral("unit"), 6);
        UnitSimulator* a = unit(set);
        UnitSimulator* b = unit(set, silent);
        QVERIFY(a && b);
        const Run run = cli(paced({"read", "-p", a->slavePath(), "-p", b->slavePath(), "-p",
                                   "/dev/quellix-none", "-o", path("{port}.json")}));
        QCOMPARE(run.code, 4);  // 3 for the missing port, 4 for the silent one
        const ConfigDocument saved =
            ConfigDocument::load(path(QFileInfo(a->slavePath()).fileName() + ".json"));
        QVERIFY2(saved.ok, qPrintable(saved.error));
        QCOMPARE(saved.set, set);
        QVERIFY2(run.err.contains("/dev/quellix-none: cannot open"), run.err);
        QVERIFY2(run.err.contains("(exit 3)"), run.err);
    }

    // A unit that answers late (the fault is the engine's) is told apart from a silent one,
    // with what to do about it; nothing is saved.
    void lateUnit() {
        UnitSimulator* sim = unit(filled(QStringLiteral("unit"), 6), UnitFaults{.delayMs = 60});
        QVERIFY(sim && writeFile("late.cfg", "old"));
        const Run run =
            cli({"read", "-p", sim->slavePath(), "-o", path("late.cfg"), "--interval", "25"});
        QCOMPARE(run.code, 4);
        QVERIFY2(run.err.contains(": to read this unit at its own pace, use --pace auto (or a "
                                  "longer interval, such as --interval "),
                 run.err);
        QCOMPARE(readFile("late.cfg"), "old");
    }

    // Standard input is read to its end, however slowly the pipe delivers it.
    void stdinInParts_data() {
        QTest::addColumn<qsizetype>("pauseAt");
        QTest::newRow("after 300 bytes") << qsizetype(300);
        QTest::newRow("after record 145")
            << configfile::serialize(filled(QStringLiteral("file"), 2), 16).size();
    }

    void stdinInParts() {
        QFETCH(qsizetype, pauseAt);
        const ConfigurationSet set = filled(QStringLiteral("file"), 2);
        const Run run = cli({"show", "-", "--json"}, configfile::serialize(set), pauseAt);
        QCOMPARE(run.code, 0);
        const configjson::ParseResult shown = configjson::parse(run.out);
        QVERIFY2(shown.ok, qPrintable(shown.error));
        QCOMPARE(shown.phoneCount, 32);
        QCOMPARE(shown.set, set);
    }

    // Over a file size limit the save fails with its error: the tool ignores the signal that
    // would end it. (That the old file stays is tst_configfile::saveFailsPartWay's.)
    void fileSizeLimit() {
        UnitSimulator* sim = unit(filled(QStringLiteral("unit"), 6));
        QVERIFY(sim && writeFile("limited.cfg", "old"));
        const Run run =
            cli(paced({"read", "-p", sim->slavePath(), "-o", path("limited.cfg")}), {}, -1, [] {
                const rlimit small{200, 200};
                ::setrlimit(RLIMIT_FSIZE, &small);
            });
        QCOMPARE(run.code, 5);
        QVERIFY2(run.err.contains("cannot save"), run.err);
    }

    // Ctrl-C or SIGTERM in the middle of a write ends it after the exchange in flight (or at
    // once on a second one), journaled as interrupted with how much was sent.
    void interruptedWrite_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QString>("interval");
        QTest::newRow("SIGTERM once") << int(SIGTERM) << QList<int>{1000} << "30";
        QTest::newRow("SIGINT twice, within one exchange")
            << int(SIGINT) << QList<int>{1500, 1700} << "1000";
    }

    void interruptedWrite() {
        QFETCH(int, signal);
        QFETCH(QList<int>, after);
        QFETCH(QString, interval);
        UnitSimulator* sim = unit(filled(QStringLiteral("unit"), 6));
        QVERIFY(sim);
        QVERIFY(writeFile("new.json", configjson::serialize(filled(QStringLiteral("new"), 2))));
        const QString journal = path(QString("interrupted%1.sqlite").arg(after.size()));
        const Run run = signalled({"write", "-p", sim->slavePath(), path("new.json"), "--interval",
                                   interval, "--journal", journal},
                                  after, signal);
        QCOMPARE(run.code, 4);
        QVERIFY2(run.err.contains("interrupted; the unit may hold part of it"), run.err);
        const QJsonArray records = listed(journal);
        QCOMPARE(records.size(), 1);
        const int sent = records[0]["settingsSent"].toInt(-1);
        QVERIFY2(sent >= 0 && sent < 98, qPrintable(QString::number(sent)));
        QCOMPARE(sim->commands().size() - 1, sent);  // the probe aside, the one in flight counted
    }
};

QTEST_GUILESS_MAIN(tst_cli_faults)
#include "tst_cli_faults.moc"
