// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <csignal>

#include "configfile/ConfigDocument.h"
#include "tests/support/CliFixture.h"
#include "tests/support/NobodyFolder.h"
#include "tests/support/PgDatabase.h"

using namespace cli_fixture;

// The command line and the journal: backups and restores, records of each run, the journal
// command, and a journal that fails never stopping a transfer.
class tst_cli_journal : public CliFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void cleanup() { clearUnits(); }

    // A write's backup goes to the folder asked for, named after its port, and is journaled
    // with that file; --changed-only reaches the run. (Restoring it is restoreChecksTheUnit's.)
    void writeKeepsABackup() {
        const ConfigurationSet original = filled(QStringLiteral("unit"), 6);
        UnitSimulator* sim = unit(original);
        QVERIFY(sim);
        const QString port = sim->slavePath(), journal = path("restore.sqlite");
        QVERIFY(QDir(dir.path()).mkdir("backups"));
        ConfigurationSet edited = original;
        edited.phoneNo[0] = QStringLiteral("5550100");
        edited.channelMessage[63] = QStringLiteral("gate");
        QVERIFY(writeFile("new.json", configjson::serialize(edited)));
        const Run write = cli(paced({"write", "-p", port, path("new.json"), "--backup-dir",
                                     path("backups"), "--changed-only", "--journal", journal}));
        QCOMPARE(write.code, 0);
        QVERIFY2(write.err.contains("written, 2 of 98 settings sent"), write.err);
        QVERIFY(sim->configuration() == edited);
        const QStringList saved = QDir(path("backups")).entryList(QDir::Files);
        QCOMPARE(saved.size(), 1);
        QVERIFY2(saved[0].startsWith(QFileInfo(port).fileName() + '-'), qPrintable(saved[0]));
        QCOMPARE(readFile("backups/" + saved[0]), configjson::serialize(original));
        const QJsonArray records = listed(journal);
        QCOMPARE(records.size(), 2);  // newest first
        QCOMPARE(records[1]["action"].toString(), "backup");
        QCOMPARE(records[1]["file"].toString(), path("backups/" + saved[0]));
    }

    // Each unit run leaves one record, a port that would not open too; a record that holds a
    // configuration shows and saves it as the file the read saved does.
    void journalRecordsEachRun() {
        const ConfigurationSet onUnit = filled(QStringLiteral("unit"), 6);
        ConfigurationSet other = onUnit;
        other.slaveId = 7;
        UnitSimulator* sim = unit(onUnit);
        QVERIFY(sim);
        const QString port = sim->slavePath(), journal = path("runs.sqlite");
        QVERIFY(writeFile("other.json", configjson::serialize(other)));
        const QList<QStringList> runs{{"read", "-p", port, "-o", path("got.cfg")},
                                      {"verify", "-p", port, path("other.json")},
                                      {"verify", "-p", "/nonexist/port", path("other.json")}};
        for (const QStringList& args : runs)
            QVERIFY(cli(paced(args) << "--journal" << journal).code >= 0);
        const Run list = cli({"journal", "--json", "--journal", journal});
        QCOMPARE(list.code, 0);
        const QJsonArray records = QJsonDocument::fromJson(list.out).array();
        QStringList got;  // newest first
        for (const QJsonValue& record : records)
            got << record["action"].toString() + ' ' + record["outcome"].toString();
        QCOMPARE(got, (QStringList{"verify failed", "verify differences", "read done"}));
        QVERIFY(records[0]["reason"].toString().contains("cannot open"));
        QCOMPARE(records[2]["file"].toString(), path("got.cfg"));
        QCOMPARE(records[2]["model"].toString(), "QX-ALARM-1");

        const QString readId = QString::number(records[2]["id"].toInteger());
        const Run shown = cli({"journal", "--show", readId, "--journal", journal});
        QCOMPARE(shown.code, 0);
        QCOMPARE(shown.out, cli({"show", path("got.cfg")}).out);
        QCOMPARE(
            cli({"journal", "--show", readId, "-o", path("back.json"), "--journal", journal}).code,
            0);
        QCOMPARE(ConfigDocument::load(path("back.json")).set, onUnit);
        const QString verifyId = records[1]["id"].toVariant().toString();
        const Run none = cli({"journal", "--show", verifyId, "--journal", journal});
        QCOMPARE(none.code, 5);
        QVERIFY2(none.err.contains("holds no configuration"), none.err);

        const Run csv =
            cli({"journal", "-p", port, "--action", "verify", "--csv", "--journal", journal});
        QCOMPARE(csv.code, 0);
        const QList<QByteArray> lines = csv.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);  // header and the one verify on that port
        QVERIFY2(lines[1].startsWith(verifyId.toUtf8() + ','), csv.out);
    }

    // A write's changes against its backup, as the journal keeps them, printed with nothing a
    // terminal would act on. (Which records hold what is tst_journal::changes'; a verify's
    // lines print alike, in tst_cli's order.)
    void journalChanges() {
        const ConfigurationSet original = filled(QStringLiteral("unit"), 6);
        UnitSimulator* sim = unit(original);
        QVERIFY(sim);
        const QString port = sim->slavePath(), journal = path("changes.sqlite");
        ConfigurationSet edited = original;
        edited.phoneNo[2] = QStringLiteral("5550100");
        edited.channelMessage[11] = QStringLiteral("gate\x1b]0;x\x07");
        QVERIFY(writeFile("new.json", configjson::serialize(edited)));
        QCOMPARE(
            cli(paced({"write", "-p", port, path("new.json"), "--backup", "--journal", journal}))
                .code,
            0);
        const QJsonArray records = listed(journal);
        QCOMPARE(records.size(), 2);  // write, backup: newest first
        auto changes = [&](int index) {
            return cli({"journal", "--show", QString::number(records[index]["id"].toInteger()),
                        "--changes", "--journal", journal});
        };
        const QByteArray phone = "phone 3: \"uni3\" -> \"5550100\"";
        const QByteArray message = "channel 12 message: \"unit 12\" -> \"gate\\u001b]0;x\\u0007\"";
        const Run write = changes(0);
        QCOMPARE(write.code, 0);
        QCOMPARE(write.out, "before: record " + QByteArray::number(records[1]["id"].toInteger()) +
                                '\n' + phone + '\n' + message + '\n');
        const Run backup = changes(1);
        QCOMPARE(backup.code, 5);
        QVERIFY2(backup.err.contains("a read changes nothing"), backup.err);
        QCOMPARE(backup.out, QByteArray());
    }

    // A journal that cannot be what was meant (each way is tst_journal::targets') is refused
    // before any unit is touched, its password never echoed; a mistyped URL is never taken for
    // a file name.
    void journalTargetRefused() {
        const QString target = "PostgreSQL:/tech:s3cret@127.0.0.1:1/qx";
        UnitSimulator* sim = unit(filled(QStringLiteral("unit"), 6));
        QVERIFY(sim);
        // One check before any command runs, so a unit run stands for them all.
        const Run run = cli(paced(
            {"read", "-p", sim->slavePath(), "-o", path("refused.cfg"), "--journal", target}));
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains("tech@127.0.0.1") && !run.err.contains("s3cret"), run.err);
        QVERIFY(sim->commands().isEmpty());
        QVERIFY(!QFile::exists(path("refused.cfg")));
        QVERIFY(!QFileInfo::exists("PostgreSQL:"));  // in the folder the tool ran in
    }

    // Texts from a shared journal or a port name print escaped in every form, and the JSON
    // still reads back the text as stored.
    void journalOutputEscaped() {
        journal::Record record = journal::Record::begin(journal::Action::Read, "/dev/a\nb", "t");
        record.model = QStringLiteral("\x1b]0;pwned\x07") + QChar(0x9d);
        record.outcome = journal::Outcome::Failed;
        record.reason = QStringLiteral("lost\r\x1b[2J");
        QList<journal::Record> records{record};
        QVERIFY(journalWith("escaped.sqlite", records));
        for (const QString form : {"--csv", "--json", "--limit=5"}) {
            const Run run = cli({"journal", form, "--journal", path("escaped.sqlite")});
            QCOMPARE(run.code, 0);
            QVERIFY2(!rawControls(run.out, u'\t') && run.out.contains("/dev/a\\nb") &&
                         run.out.contains("\\u001b[2J"),
                     run.out);
            // The plain listing leaves the model out.
            QVERIFY2(form == "--limit=5" || run.out.contains("\\u001b]0;pwned\\u0007\\u009d"),
                     run.out);
        }
        const Run json = cli({"journal", "--json", "--journal", path("escaped.sqlite")});
        QCOMPARE(QJsonDocument::fromJson(json.out).array()[0].toObject()["model"].toString(),
                 record.model);
        // A port name reaches the summary as given, even one that looks like a placeholder.
        const Run summary = cli(paced({"read", "-p", "/nonexist/p%1\nb", "-o", path("x.cfg")}));
        QCOMPARE(summary.code, 3);
        QVERIFY2(summary.err.startsWith("/nonexist/p%1\\nb: cannot open: ") &&
                     summary.err.endsWith("(exit 3)\n") && !summary.err.contains("p%1\nb"),
                 summary.err);
    }

    // A journal that cannot be written (a read-only mount; here a folder and file its user may
    // only read) still lists, shows and restores.
    void readOnlyJournal() {
        testsupport::NobodyFolder open;
        const QString made = open.create();
        QVERIFY2(made.isEmpty(), qPrintable(made));
        const QString program = open.copy(QStringLiteral(QX_CLI_PATH));
        QVERIFY2(!program.isEmpty(), qPrintable(open.path()));
        const ConfigurationSet original = filled(QStringLiteral("unit"), 6);
        UnitSimulator* sim = unit(original);
        QVERIFY(sim);
        const QString ro = open.filePath("ro"), journal = ro + "/j.sqlite";
        QVERIFY(QDir().mkdir(ro));
        QCOMPARE(cli(paced({"read", "-p", sim->slavePath(), "-o", ro + "/got.cfg", "--journal",
                            journal}))
                     .code,
                 0);
        QCOMPARE(
            cli(paced({"write", "-p", sim->slavePath(), ro + "/got.cfg", "--journal", journal}))
                .code,
            0);
        const QStringList writable = QDir(ro).entryList(QDir::Files);
        QVERIFY(QFile::setPermissions(journal, QFile::ReadOwner | QFile::ReadOther));
        QVERIFY(QFile::setPermissions(
            ro, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(QFile::setPermissions(sim->slavePath(), QFile::ReadOther | QFile::WriteOther |
                                                            QFile::ReadOwner | QFile::WriteOwner));
        const auto asNobody = [&](const QStringList& args) {
            QProcessEnvironment env = open.environment(QProcessEnvironment::systemEnvironment());
            QHash<QString, QString> own = ownEnvironment();
            for (const QString& name : env.keys())
                own.insert(name, env.value(name));
            return support::runCli(
                program, {args, own, {}, -1, &testsupport::NobodyFolder::becomeNobody, {}, SIGINT},
                WatchdogMs);
        };
        // A child that did not start says where it was and what to do.
        const auto failed = [&](const Run& run) {
            const bool started =
                run.code != -1 && run.code != testsupport::NobodyFolder::CannotBecomeNobody;
            return started ? run.err : open.cannotStart(program, run.err).toUtf8();
        };
        const Run list = asNobody({"journal", "--json", "--journal", journal});
        QVERIFY2(list.code == 0, failed(list).constData());
        const QJsonArray records = QJsonDocument::fromJson(list.out).array();
        QCOMPARE(records.size(), 2);
        const QString readId = QString::number(records[1]["id"].toInteger());
        const Run shown = asNobody({"journal", "--show", readId, "--journal", journal});
        QCOMPARE(shown.code, 0);
        QVERIFY(shown.out.contains("slave-id:"));
        sim->clearReceived();
        const Run restore = asNobody(
            paced({"restore", "-p", sim->slavePath(), "--from", readId, "--journal", journal}));
        QVERIFY2(restore.code == 0, failed(restore).constData());
        QVERIFY2(restore.err.contains("not recorded"), restore.err);
        QVERIFY(!sim->commands().isEmpty());
        QCOMPARE(QDir(ro).entryList(QDir::Files), writable);  // nothing left behind
    }

    // journal --sync: exit 5 when the local journal cannot be read; what waits for another
    // server is named; two syncs at once each report only what they sent.
    void syncAgainstServer() {
        testsupport::PgDatabase pg;
        const QString made = pg.create();
        QVERIFY2(made.isEmpty(), qPrintable(made));
        if (!pg.available()) QSKIP("needs the test server (QX_TEST_PG_URL)");
        const QString url = pg.target().display();
        QString error;
        journal::Target other = journal::Target::parse(url, &error);
        other.host = "localhost";
        constexpr int Waiting = 200;
        QList<journal::Record> mine,
            theirs{journal::Record::begin(journal::Action::Read, "B", "t")};
        for (int i = 0; i < Waiting; ++i)
            mine << journal::Record::begin(journal::Action::Read, QString("A%1").arg(i), "t");
        QVERIFY(QDir().mkpath(path("data/quellix")));
        QVERIFY(journalWith("data/quellix/journal.sqlite", mine, url));
        QVERIFY(journalWith("data/quellix/journal.sqlite", theirs, other.display()));
        const QStringList sync{"journal", "--sync", "--journal", url};
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "locker");
            db.setDatabaseName(path("data/quellix/journal.sqlite"));
            QSqlQuery query(db);
            QVERIFY(db.open() && query.exec("BEGIN IMMEDIATE"));
            const Run locked = cli(sync);
            QCOMPARE(locked.code, 5);
            QVERIFY2(locked.err.contains("cannot be read"), locked.err);
            query.exec("ROLLBACK");
        }
        QSqlDatabase::removeDatabase("locker");
        QList<std::shared_ptr<QProcess>> syncs;
        for (int i = 0; i < 2; ++i) {
            auto process = std::make_shared<QProcess>();
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("XDG_DATA_HOME", path("data"));
            process->setProcessEnvironment(env);
            process->start(QStringLiteral(QX_CLI_PATH), sync);
            syncs << process;
        }
        int sent = 0;
        const QRegularExpression said("(\\d+) sent to .*, 0 still waiting");
        for (const auto& process : syncs) {
            QVERIFY(process->waitForFinished(WatchdogMs));
            QCOMPARE(process->exitCode(), 0);
            const QString err = QString::fromUtf8(process->readAllStandardError());
            QVERIFY2(err.contains("1 waiting for " + other.display()), qPrintable(err));
            const QRegularExpressionMatch match = said.match(err);
            QVERIFY2(match.hasMatch(), qPrintable(err));
            sent += match.captured(1).toInt();
        }
        QCOMPARE(sent, Waiting);
        journal::Store server(journal::Target::parse(url, &error));
        QVERIFY2(server.open(&error), qPrintable(error));
        QCOMPARE(server.list({}, &error).size(), Waiting);
    }

    // A reason is kept as a code and in English whatever language the run spoke, and shown in
    // the reader's.
    void reasonInReadersLanguage() {
        const QString journal = path("language.sqlite");
        QVERIFY(writeFile("language.json", configjson::serialize(filled(QStringLiteral("f"), 2))));
        const QStringList list{"journal", "--journal", journal};
        const QStringList german[] = {{"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}};
        for (const QStringList& variable : german)
            environment.insert(variable[0], variable[1]);
        const Run run = cli(
            paced({"verify", "-p", "/nonexist/port", path("language.json"), "--journal", journal}));
        QCOMPARE(run.code, 3);
        QVERIFY2(run.err.contains("kann nicht geöffnet werden: "), run.err);
        const Run inGerman = cli(list);
        environment.clear();
        const QJsonArray records =
            QJsonDocument::fromJson(cli(QStringList(list) << "--json").out).array();
        QCOMPARE(records.size(), 1);
        const QString english = records[0]["reason"].toString();
        QVERIFY2(english.startsWith("cannot open: "), qPrintable(english));
        QCOMPARE(records[0]["reasonCode"].toString(), "cannot-open");
        // On one line in the listing; the system's words in whatever language they came.
        const QString detail = english.mid(QString("cannot open: ").size()).simplified();
        QVERIFY2(cli(list).out.contains(("failed: cannot open: " + detail).toUtf8()),
                 cli(list).out);
        QVERIFY2(inGerman.out.contains(("kann nicht geöffnet werden: " + detail).toUtf8()),
                 inGerman.out);
    }

    // A record kept from another port or model is written only with --force; a restore backs
    // the unit up first unless told not to, names the record it restored, and verifies when
    // asked.
    void restoreChecksTheUnit_data() {
        QTest::addColumn<QString>("keptFrom");  // PORT: the unit's own
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("actions");  // journaled, oldest first
        const QString own = "QX-ALARM-1";
        QTest::newRow("same unit, --verify") << "PORT" << own << QStringList{"--verify"} << 0
                                             << QStringList{"backup done", "restore done"};
        QTest::newRow("same unit, --no-backup")
            << "PORT" << own << QStringList{"--no-backup"} << 0 << QStringList{"restore done"};
        QTest::newRow("another port")
            << "/dev/elsewhere" << own << QStringList() << 2 << QStringList();
        QTest::newRow("another model")
            << "PORT"
            << "QX-OTHER" << QStringList() << 2 << QStringList{"backup failed"};
        QTest::newRow("another port and model, --force")
            << "/dev/elsewhere"
            << "QX-OTHER" << QStringList{"--force"} << 0
            << QStringList{"backup done", "restore done"};
    }

    void restoreChecksTheUnit() {
        QFETCH(QString, keptFrom);
        QFETCH(QString, model);
        QFETCH(QStringList, options);
        QFETCH(int, code);
        QFETCH(QStringList, actions);
        const ConfigurationSet before = filled(QStringLiteral("unit"), 6);
        const ConfigurationSet kept = filled(QStringLiteral("kept"), 2);
        UnitSimulator* sim = unit(before);
        QVERIFY(sim);
        const QString journal = path(QString("restore-%1.sqlite").arg(QTest::currentDataTag()));
        journal::Record source = journal::Record::begin(
            journal::Action::Backup, keptFrom == "PORT" ? sim->slavePath() : keptFrom, "t");
        source.model = model;
        source.setConfiguration(kept, 32);
        QList<journal::Record> records{source};
        QVERIFY(journalWith(QFileInfo(journal).fileName(), records));
        const Run run =
            cli(paced(QStringList{"restore", "-p", sim->slavePath(), "--from",
                                  QString::number(records[0].id), "--journal", journal} +
                      options));
        QCOMPARE(run.code, code);
        if (code == 2) QVERIFY2(run.err.contains("--force writes it all the same"), run.err);
        QCOMPARE(sim->configuration(), code == 0 ? kept : before);
        const QJsonArray journaled = listed(journal);
        QStringList got;
        for (qsizetype i = journaled.size() - 2; i >= 0; --i)  // oldest first, the source aside
            got << journaled[i]["action"].toString() + ' ' + journaled[i]["outcome"].toString();
        QCOMPARE(got, actions);
        if (code != 0) return;
        QCOMPARE(journaled[0]["sourceId"].toInteger(), records[0].id);
        QCOMPARE(journaled[0]["verified"].toBool(), options.contains("--verify"));
    }

    // A journal that is off or cannot be written never changes how a transfer ends.
    void journalNeverStopsATransfer_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("warning");  // empty: none
        QTest::newRow("turned off")
            << QStringList{"--journal", path("off.sqlite"), "--no-journal"} << "";
        QTest::newRow("cannot be written")
            << QStringList{"--journal", path("got.cfg") + "/j.sqlite"} << "not recorded";
    }

    void journalNeverStopsATransfer() {
        QFETCH(QStringList, args);
        QFETCH(QString, warning);
        UnitSimulator* sim = unit(filled(QStringLiteral("unit"), 6));
        QVERIFY(sim);
        QVERIFY(writeFile("got.cfg", "old"));
        const Run run = cli(paced({"read", "-p", sim->slavePath(), "-o", path("got.cfg")}) << args);
        QCOMPARE(run.code, 0);
        QVERIFY(ConfigDocument::load(path("got.cfg")).ok);
        QCOMPARE(run.err.count("quellix-cli: journal: "), warning.isEmpty() ? 0 : 1);
        QVERIFY2(run.err.contains(warning.toUtf8()), run.err);
        QVERIFY(!QFile::exists(path("off.sqlite")));
    }
};

QTEST_GUILESS_MAIN(tst_cli_journal)
#include "tst_cli_journal.moc"
