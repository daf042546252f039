// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "configfile/ConfigFile.h"
#include "provision/Plan.h"
#include "tests/Fixtures.h"

using namespace provision;
using Field = Plan::Problem::Field;

namespace {

// What a row changes from a plan that is sound: a file of every phone, the fixed pace.
using Change = std::function<void(Plan&)>;

QString fieldName(Field field) {
    static const QMap<Field, QString> names{{Field::Interval, "interval"},
                                            {Field::Pace, "pace"},
                                            {Field::Values, "values"},
                                            {Field::Sources, "sources"},
                                            {Field::ChangedOnly, "changed-only"},
                                            {Field::Journal, "journal"},
                                            {Field::File, "file"},
                                            {Field::Sheet, "sheet"},
                                            {Field::BackupFolder, "backup folder"}};
    return names.value(field);
}

}  // namespace

Q_DECLARE_METATYPE(Change)

namespace {

void row(const char* tag, const Change& change, const QStringList& fields,
         const QString& says = {}) {
    QTest::newRow(tag) << change << fields << says;
}

}  // namespace

class tst_plan : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    Plan sound() const {
        Plan plan;
        plan.file = path("site.cfg");
        return plan;
    }

    // Rows of problems_data(): the settings, which need no file.
    void settingRows() {
        row("sound", [](Plan&) {}, {});
        row(
            "interval zero", [](Plan& p) { p.interval = "0"; }, {"interval"}, "'0'");
        row(
            "unknown pace", [](Plan& p) { p.pace = "quick"; }, {"pace"}, "not 'quick'");
        row(
            "value the unit cannot hold", [](Plan& p) { p.values = {"slave-id=32"}; }, {"values"},
            "\"32\" is not a slave ID");
        row(
            "no NAME=VALUE", [](Plan& p) { p.values = {"slave-id"}; }, {"values"},
            "needs NAME=VALUE");
        row("file and sheet both standard input",
            [](Plan& p) {
                p.standardInput = true;
                p.file = p.sheet = "-";
            },
            {"sources"});
        row("changed only, no backup", [](Plan& p) { p.changedOnly = true; }, {"changed-only"});
        row("backup kept nowhere",
            [](Plan& p) {
                p.backup = true;
                p.journalOn = false;
            },
            {"journal"});
        row("backup for the changes only",
            [](Plan& p) {
                p.backup = p.changedOnly = true;
                p.journalOn = false;
            },
            {});
    }
    // And the files, each looked at.
    void fileRows() {
        const QString file = "file";
        // A wrong setting stops before any file is read (standard input would wait).
        row("settings first",
            [this](Plan& p) {
                p.interval = "0";
                p.file = path("absent.cfg");
            },
            {"interval"});
        row("no file", [](Plan& p) { p.file.clear(); }, {file});
        row(
            "missing file", [this](Plan& p) { p.file = path("absent.cfg"); }, {file},
            "is not a file");
        row(
            "'-' where it is a name", [](Plan& p) { p.file = "-"; }, {file}, "-is not a file");
        row(
            "not a configuration", [this](Plan& p) { p.file = path("junk.cfg"); }, {file},
            "junk.cfg");
        row(
            "a text that could not be read back", [this](Plan& p) { p.file = path("long.cfg"); },
            {file}, "could not be read back beyond 1021");
        row("verified only, so never written",
            [this](Plan& p) {
                p.file = path("long.cfg");
                p.mode = RunInput::Mode::Verify;
            },
            {});
        row(
            "a phone the file lacks",
            [this](Plan& p) {
                p.file = path("site16.cfg");
                p.values = {"phone.17=1"};
            },
            {"values"}, "holds phone numbers 1-16 only");
    }
    // The sheet, the backup folder, and all of them at once.
    void sheetRows() {
        const QString file = "file", sheet = "sheet";
        row(
            "bad sheet", [this](Plan& p) { p.sheet = path("bad.csv"); }, {sheet}, "bad.csv");
        row(
            "a station's row with a phone the file lacks",
            [this](Plan& p) {
                p.file = path("site16.cfg");
                p.sheet = path("upper.csv");
            },
            {sheet}, "(\"phone.17\")");
        row(
            "a batch's port without a row",
            [this](Plan& p) {
                p.sheet = path("units.csv");
                p.ports = {"/dev/ttyA", "/dev/ttyC"};
            },
            {sheet}, "\"/dev/ttyC\"");
        row(
            "missing backup folder",
            [this](Plan& p) {
                p.backup = true;
                p.backupDir = path("absent");
            },
            {"backup folder"}, "absentis not a folder");
        // Every file is looked at, so one go at the desk mends them all.
        row("every file's problem at once",
            [this](Plan& p) {
                p.file = path("junk.cfg");
                p.sheet = path("absent.csv");
                p.backup = true;
                p.backupDir = path("site.cfg");
            },
            {file, sheet, "backup folder"});
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        const ConfigurationSet site = fixtures::filled("site", 3);
        writeFile("site.cfg", configfile::serialize(site));
        writeFile("site16.cfg", configfile::serialize(site, 16));
        writeFile("junk.cfg", "not a configuration\n");
        ConfigurationSet overlong = site;
        overlong.channelMessage[2] = QString(1022, u'm');
        writeFile("long.cfg", configfile::serialize(overlong));
        writeFile("units.csv", "port,slave-id\nttyA,7\nttyB,8\n");
        writeFile("upper.csv", "port,phone.17\nttyA,1\n");
        writeFile("bad.csv", "slave-id,port\n3,ttyA\n");
    }

    // Every problem a plan can have, found by check() before any port is opened: which ones,
    // in order, and what the first says.
    void problems_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("says");  // in the first problem's subject and text
        settingRows();
        fileRows();
        sheetRows();
    }
    void problems() {
        QFETCH(Change, change);
        QFETCH(QStringList, fields);
        QFETCH(QString, says);
        Plan plan = sound();
        change(plan);
        const Plan::Checked checked = plan.check();
        QStringList found;
        for (const Plan::Problem& problem : checked.problems)
            found << fieldName(problem.field);
        QCOMPARE(found, fields);
        QCOMPARE(checked.ok(), fields.isEmpty());
        if (says.isEmpty()) return;
        const QString first = checked.problems[0].subject + checked.problems[0].text;
        QVERIFY2(first.contains(says), qPrintable(first));
    }

    // What the runs get: the settings as asked, and each port's document with its sheet row
    // and then the common values over the file. (The switches that pass straight through reach
    // the run in the front ends' suites: --verify in tst_cli, --backup-dir in tst_cli_journal.)
    void fillsTheRuns() {
        Plan plan = sound();
        plan.sheet = path("units.csv");
        plan.values = {"phone.1=0100", "slave-id=9"};
        plan.valuesOrigin = "--set";
        plan.ports = {"/dev/ttyB", "/dev/ttyA"};
        plan.interval = "40";
        plan.pace = "auto";
        const Plan::Checked checked = plan.check();
        QVERIFY2(checked.ok(), qPrintable(checked.problems.value(0).text));
        const RunInput& task = checked.plan.task;
        QCOMPARE(task.intervalMs, 40);
        QCOMPARE(task.pace, LinkPace::Mode::Auto);
        QCOMPARE(checked.plan.common.size(), 2);
        QCOMPARE(checked.portDocuments.size(), 2);
        // --set has the last word over the sheet's slave ID.
        ConfigurationSet expected = fixtures::filled("site", 3);
        expected.slaveId = 9;
        expected.phoneNo[0] = "0100";
        QCOMPARE(checked.portDocuments[0].set, expected);
        plan.values.clear();
        const Plan::Checked rowsOnly = plan.check();
        QCOMPARE(rowsOnly.portDocuments[0].set.slaveId, 8);  // ttyB's row
        QCOMPARE(rowsOnly.portDocuments[1].set.slaveId, 7);
    }
};

QTEST_GUILESS_MAIN(tst_plan)
#include "tst_plan.moc"
