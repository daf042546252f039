// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtSql>
#include <QtTest>

#include "journal/Journal.h"
#include "journal/JournalRecord.h"
#include "journal/JournalStore.h"
#include "journal/JournalTarget.h"
#include "journal/Reason.h"
#include "journal/RecordChanges.h"
#include "tests/support/JournalSamples.h"
#include "tests/support/PgDatabase.h"

using namespace journal;
using testsupport::sampleRecord;

namespace {

// A child started by concurrentAppends: appends QX_CHILD_COUNT records on port QX_CHILD_PORT
// to the journal QX_CHILD_TARGET, exit status 0 only when every one was stored.
constexpr char ChildTarget[] = "QX_CHILD_TARGET";

int runChild() {
    QString error;
    const Target target = Target::parse(qEnvironmentVariable(ChildTarget), &error);
    Store store(target);
    bool ok = store.open(&error);
    for (int i = 0; ok && i < qEnvironmentVariableIntValue("QX_CHILD_COUNT"); ++i) {
        Record record = Record::begin(Action::Write, qEnvironmentVariable("QX_CHILD_PORT"), "t");
        ok = store.append(record, &error);
    }
    if (!ok) qCritical() << error;
    return ok ? 0 : 1;
}

}  // namespace

class tst_journal : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    int files = 0;
    testsupport::PgDatabase pg;

    void sql(const Target& target, const QStringList& statements) {
        const QString failed = testsupport::runSql(target, statements);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    // An empty journal of the kind the test row names.
    Target fresh() {
        QFETCH_GLOBAL(QString, kind);
        if (kind == "postgresql") {
            sql(pg.target(),
                {"DROP TABLE IF EXISTS journal_configuration, journal, journal_schema"});
            return pg.target();
        }
        QString error;
        return Target::parse(dir.filePath(QString("journal%1.sqlite").arg(++files)), &error);
    }

    static QList<qint64> ids(const QList<Record>& records) {
        QList<qint64> result;
        for (const Record& record : records)
            result << record.id;
        return result;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        const QString error = pg.create();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    void initTestCase_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("sqlite") << "sqlite";
        if (!qEnvironmentVariableIsEmpty("QX_TEST_PG_URL"))
            QTest::newRow("postgresql") << "postgresql";
    }

    void listFilters_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("since");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QList<int>>("expected");  // indices into the records appended
        auto row = [](const char* tag, const char* port, const char* action, const char* since,
                      int limit, const QList<int>& expected) {
            QTest::newRow(tag) << port << action << since << limit << expected;
        };
        row("all, newest first", "", "", "", -1, {2, 3, 1, 0});
        row("since, inclusive", "", "", "2026-01-02T00:00:00.000Z", -1, {2, 3});
        row("limit", "", "", "", 1, {2});
        // Each filter narrows what the others let through.
        row("all at once", "/dev/ttyUSB1", "write", "2026-01-01T00:00:00Z", 5, {1});
    }
    void listFilters() {
        QFETCH(QString, port);
        QFETCH(QString, action);
        QFETCH(QString, since);
        QFETCH(int, limit);
        QFETCH(QList<int>, expected);
        Store store(fresh());
        QString error;
        QVERIFY2(store.open(&error), qPrintable(error));
        const qint64 day = 86400000, jan1 = 1767225600000;  // 2026-01-01T00:00:00Z
        // Appended out of time order: the listing orders by when it happened.
        QList<Record> records{sampleRecord(Action::Read, "/dev/ttyUSB0", jan1 - day),
                              sampleRecord(Action::Write, "/dev/ttyUSB1", jan1),
                              sampleRecord(Action::Write, "/dev/ttyUSB0", jan1 + day + 1),
                              sampleRecord(Action::Verify, "/dev/ttyUSB1", jan1 + day)};
        for (Record& record : records)
            QVERIFY2(store.append(record, &error), qPrintable(error));
        const Filter filter{port, actionFromName(action),
                            QDateTime::fromString(since, Qt::ISODateWithMs), limit};
        QList<qint64> want;
        for (int index : expected)
            want << records[index].id;
        QCOMPARE(ids(store.list(filter, &error)), want);
        QVERIFY(error.isEmpty());
    }

    // A record kept before a code's text changed is read back into today's text (and so into
    // the reader's language), not shown in the English it was kept in.
    void formerWordingReadBack() {
        const QString today =
            "the unit says it is QX-1, the record was kept from QX-2; nothing was written";
        QCOMPARE(journal::shownReason("other-model", today + " (--force writes it all the same)"),
                 today);
    }

    // Every field survives the database, and the JSON form has the listed names and types.
    void roundTripAndJson_data() {
        QTest::addColumn<int>("verified");  // -1 unset
        QTest::newRow("verified") << 1;
        QTest::newRow("not verified") << 0;
        QTest::newRow("no verify asked") << -1;
    }
    void roundTripAndJson() {
        QFETCH(int, verified);
        Store store(fresh());
        QString error;
        QVERIFY2(store.open(&error), qPrintable(error));
        Record record = sampleRecord(Action::Backup, "/dev/ttyACM0", 1767225600123);
        record.identity = {"A1B2\"C3", "0403", "6001", "/dev/ttyACM0"};
        record.model = "unit, model 2";
        record.outcome = Outcome::Differences;
        record.reason = "line \"lost\"\nhere";
        record.reasonCode = "line-lost";
        record.sourceId = 7;
        if (verified >= 0) record.verified = verified == 1;
        record.differences = 3;
        record.durationMs = 4321;
        record.settingsSent = 2;
        record.file = "/tmp/site ü.cfg";
        ConfigurationSet set;
        set.slaveId = 5;
        set.phoneNo[0] = "0123";
        set.channelMessage[63] = "Tür offen";
        record.setConfiguration(set, 16);
        QVERIFY(store.append(record, &error));
        const std::optional<Record> found = store.find(record.id, &error);
        QVERIFY2(found, qPrintable(error));
        QCOMPARE(found->toJson(), record.toJson());
        QVERIFY(!store.find(record.id + 1, &error));
        QVERIFY(error.isEmpty());

        const QJsonObject json = found->toJson();
        QCOMPARE(json.keys().join(' '),  // sorted
                 "action configuration differences durationMs file host id location model operator "
                 "outcome port productId reason reasonCode serialNumber settingsSent sha256 "
                 "sourceId time vendorId verified version");
        QCOMPARE(json["time"].toString(), "2026-01-01T00:00:00.123Z");
        QCOMPARE(json["verified"].type(), verified < 0 ? QJsonValue::Null : QJsonValue::Bool);
        QCOMPARE(json["durationMs"].toInteger(), 4321);
        QCOMPARE(json["sha256"].toString(), fingerprint(set, 16));
        QCOMPARE(json["configuration"].toObject()["phones"].toArray().size(), 16);

        // One CSV line per record whatever its texts hold, with as many fields as the header.
        const QString row = found->csvRow();
        QVERIFY2(row.contains("\"line \"\"lost\"\"\\nhere\""), qPrintable(row));
        QVERIFY(!row.contains('\n'));
        QVERIFY(row.contains("\"unit, model 2\""));
        QCOMPARE(row.count(QRegularExpression(",(?=(?:[^\"]*\"[^\"]*\")*[^\"]*$)")),
                 Record::csvHeader().count(','));
    }

    static QStringList writtenLines() {
        return {"phone 3: \"\" -> \"0123\"", "channel 12 message: \"\" -> \"gate\""};
    }
    // What a record changed or found: a write against the unit's state just before it (its
    // backup, or the last good read of the same unit), a verify's or compare's differences.
    void changes_data() {
        QTest::addColumn<int>("asked");   // index into the records changes() appends
        QTest::addColumn<int>("before");  // the index of the state before; -1 none
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("why");  // part of why it cannot tell; empty: it can
        const QStringList written = writtenLines();
        QTest::newRow("write against its backup") << 5 << 2 << written << "";
        // Not the failed read, not another unit on the same port, not another port.
        QTest::newRow("write against the last good read") << 7 << 6 << QStringList() << "";
        QTest::newRow("no read of this unit before") << 1 << -1 << QStringList() << "no read";
        QTest::newRow("altered before-state") << 9 << -1 << QStringList() << "altered";
        QTest::newRow("verify keeps its lines") << 10 << -1 << written << "";
        QTest::newRow("verify keeps a count") << 11 << -1 << QStringList() << "only how many";
        QTest::newRow("compare found none") << 12 << -1 << QStringList() << "";
        QTest::newRow("a read changes nothing") << 0 << -1 << QStringList() << "read";
    }
    void changes() {
        QFETCH(int, asked);
        QFETCH(int, before);
        QFETCH(QStringList, lines);
        QFETCH(QString, why);
        Store store(fresh());
        QString error;
        QVERIFY2(store.open(&error), qPrintable(error));
        ConfigurationSet was, sent = was;
        sent.phoneNo[2] = "0123";
        sent.channelMessage[11] = "gate";
        const QString p = "/dev/ttyUSB0";
        auto rec = [&](Action action, const QString& port, const QString& serial, Outcome outcome,
                       const ConfigurationSet* set) {
            Record r = sampleRecord(action, port, 1767225600000);
            r.identity.serialNumber = serial;
            r.outcome = outcome;
            if (set) r.setConfiguration(*set, 32);
            return r;
        };
        QList<Record> records{
            rec(Action::Read, p, "OTHER", Outcome::Done, &was),           // 0 another unit
            rec(Action::Write, p, "S1", Outcome::Done, &sent),            // 1 nothing before
            rec(Action::Backup, p, "S1", Outcome::Done, &was),            // 2
            rec(Action::Read, p, "S1", Outcome::Failed, &sent),           // 3 failed
            rec(Action::Read, "/dev/ttyUSB1", "", Outcome::Done, &sent),  // 4 another port
            rec(Action::Write, p, "S1", Outcome::Done, &sent),            // 5
            rec(Action::Read, p, "", Outcome::Done, &sent),               // 6 serial unknown
            rec(Action::Write, p, "S1", Outcome::Done, &sent),            // 7
            rec(Action::Read, "/dev/ttyS9", "", Outcome::Done, &was),     // 8 altered below
            rec(Action::Write, "/dev/ttyS9", "", Outcome::Done, &sent),   // 9
            rec(Action::Verify, p, "S1", Outcome::Differences, nullptr),  // 10
            rec(Action::Verify, p, "S1", Outcome::Differences, nullptr),  // 11 count only
            rec(Action::Compare, p, "S1", Outcome::Done, nullptr),        // 12
        };
        records[8].sha256 = fingerprint(sent, 32);
        records[10].reason = writtenLines().join('\n');
        records[10].reasonCode = DifferencesCode;
        records[11].differences = 2;
        for (Record& record : records)
            QVERIFY2(store.append(record, &error), qPrintable(error));

        const Changes got = changesOf(store, *store.find(records[asked].id, &error));
        QCOMPARE(got.known, why.isEmpty());
        QVERIFY2(got.why.contains(why), qPrintable(got.why));
        QCOMPARE(got.lines, lines);
        QCOMPARE(got.before ? got.before->id : -1, before < 0 ? -1 : records[before].id);
    }

    // Each value counts, and how many phones the set holds.
    void fingerprints() {
        QFETCH_GLOBAL(QString, kind);
        if (kind != "sqlite") QSKIP("independent of the database");
        ConfigurationSet a;
        a.phoneNo[3] = "555";
        a.channelMessage[9] = "Fire";
        const QString sum = fingerprint(a, 32);
        QVERIFY(QRegularExpression("^[0-9a-f]{64}$").match(sum).hasMatch());
        QVERIFY(fingerprint(a, 16) != sum);
        QVERIFY(!canonicalJson(a, 32).contains('\n'));
        const std::function<void(ConfigurationSet&)> changes[] = {
            [](ConfigurationSet& b) { b.slaveId = 1; },
            [](ConfigurationSet& b) { b.phoneNo[31] = "1"; },
            [](ConfigurationSet& b) { b.channelEnable[0] = FlagTrue; },
            [](ConfigurationSet& b) { b.channelMessage[9] = "Fire "; }};
        for (const auto& change : changes) {
            ConfigurationSet b = a;
            change(b);
            QVERIFY2(fingerprint(b, 32) != sum, canonicalJson(b, 32).constData());
        }
    }

    // A journal written by the first schema is upgraded in place; one from a newer tool is left
    // alone rather than written in a form it does not expect.
    void migration_data() {
        QTest::addColumn<int>("version");
        QTest::newRow("version 1 upgraded") << 1;
        QTest::newRow("newer version refused") << Store::SchemaVersion + 1;
    }
    void migration() {
        QFETCH(int, version);
        const Target target = fresh();
        const QString id =
            target.kind == Target::Kind::Sqlite ? "INTEGER PRIMARY KEY" : "BIGSERIAL PRIMARY KEY";
        sql(target, {"CREATE TABLE journal_schema (version INTEGER NOT NULL)",
                     QString("INSERT INTO journal_schema VALUES (%1)").arg(version),
                     "CREATE TABLE journal (id " + id +
                         ", time_ms BIGINT NOT NULL, operator TEXT, host TEXT, version TEXT, "
                         "action TEXT NOT NULL, port TEXT NOT NULL, serial_number TEXT, "
                         "vendor_id TEXT, product_id TEXT, location TEXT, model TEXT, outcome "
                         "TEXT NOT NULL, reason TEXT, verified INTEGER, differences INTEGER NOT "
                         "NULL DEFAULT 0, duration_ms BIGINT NOT NULL DEFAULT 0, file TEXT, "
                         "sha256 TEXT, configuration TEXT)",
                     "INSERT INTO journal (time_ms, operator, action, port, outcome, differences, "
                     "configuration) VALUES (1000, 'ann', 'verify', 'COM3', 'differences', 7, "
                     "'{\"slaveId\":3}')"});
        Store store(target);
        QString error;
        if (version > Store::SchemaVersion) {
            QTest::failOnWarning(QRegularExpression("connection"));
            for (int attempt = 0; attempt < 2; ++attempt) {  // a retry starts afresh
                QVERIFY(!store.open(&error));
                QVERIFY2(error.contains("newer"), qPrintable(error));
            }
            return;
        }
        QVERIFY2(store.open(&error), qPrintable(error));
        Record added = sampleRecord(Action::Read, "COM3", 2000);
        QVERIFY2(store.append(added, &error), qPrintable(error));
        const QList<Record> all = store.list({}, &error);
        QCOMPARE(all.size(), 2);
        QCOMPARE(all[1].operatorName, "ann");
        QCOMPARE(all[1].action, Action::Verify);
        QCOMPARE(all[1].differences, 7);
        QCOMPARE(all[1].configuration, R"({"slaveId":3})");
        QVERIFY(!all[1].verified);
        {
            QSqlDatabase db = testsupport::rawDatabase(target, "check");
            QSqlQuery query("SELECT version FROM journal_schema", db);
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toInt(), Store::SchemaVersion);
            QVERIFY(!query.next());
        }
        QSqlDatabase::removeDatabase("check");
    }

    // Several processes open a new journal and append at once: nothing lost, no id twice.
    void concurrentAppends() {
        const Target target = fresh();
        constexpr int Children = 3, Each = 40;
        QList<QProcess*> children;
        for (int c = 0; c < Children; ++c) {
            auto* child = new QProcess(this);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(ChildTarget, target.display());
            env.insert("QX_CHILD_COUNT", QString::number(Each));
            env.insert("QX_CHILD_PORT", QString("child%1").arg(c));
            child->setProcessEnvironment(env);
            child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child->start(QCoreApplication::applicationFilePath(), {});
            children << child;
        }
        for (QProcess* child : children) {
            QVERIFY(child->waitForFinished(120000));
            QCOMPARE(child->exitCode(), 0);
        }
        Store store(target);
        QString error;
        QVERIFY2(store.open(&error), qPrintable(error));
        const QList<Record> all = store.list({}, &error);
        QCOMPARE(all.size(), Children * Each);
        const QList<qint64> allIds = ids(all);
        QCOMPARE(QSet<qint64>(allIds.cbegin(), allIds.cend()).size(), Children * Each);
    }

    void sqliteFileOwnerOnly() {
        QFETCH_GLOBAL(QString, kind);
        if (kind != "sqlite") QSKIP("a server keeps its own files");
        Target target = fresh();
        target.path = dir.filePath("new/folder/journal.sqlite");
        Store store(target);
        QString error;
        Record record = sampleRecord(Action::Read, "COM1", 1);
        QVERIFY2(store.append(record, &error), qPrintable(error));
        for (const QString& path : {target.path, target.path + "-wal"})
            QCOMPARE(QFile::permissions(path),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }

    // A journal that cannot be written says so once and lets the caller go on.
    void unwritableJournalWarnsOnce() {
        QFETCH_GLOBAL(QString, kind);
        if (kind != "sqlite") QSKIP("a server's fallback is tst_journalsync's");
        QFile blocker(dir.filePath("a-file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QString error;
        Journal journal(Target::parse(blocker.fileName() + "/journal.sqlite", &error));
        QSignalSpy warnings(&journal, &Journal::warning);
        journal.append(sampleRecord(Action::Write, "COM1", 1));
        journal.append(sampleRecord(Action::Write, "COM2", 2));
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0][0].toString().contains("not recorded"));
    }

    // Any text is kept alike on both databases; a NUL (firmware pads fixed fields with them) as
    // the escape the JSON form writes, since a server's text cannot hold one.
    void awkwardTexts() {
        Store store(fresh());
        QString error;
        QVERIFY2(store.open(&error), qPrintable(error));
        const QString nul(QChar(0));
        Record record = sampleRecord(Action::Read, "COM" + nul + "1\n", 1000);
        record.model = "QX" + nul + nul + "\x1b]0;x\x07" + QChar(0x9d) + "\\ 'é' \U0001F600";
        record.reason = "a" + nul + "b";
        record.identity.serialNumber = "\"; DROP TABLE journal; --";
        QVERIFY2(store.append(record, &error), qPrintable(error));
        const std::optional<Record> found = store.find(record.id, &error);
        QVERIFY2(found, qPrintable(error));
        QCOMPARE(found->port, "COM\\u00001\n");
        QCOMPARE(found->model,
                 "QX\\u0000\\u0000\x1b]0;x\x07" + QString(QChar(0x9d)) + "\\ 'é' \U0001F600");
        QCOMPARE(found->reason, "a\\u0000b");
        QCOMPARE(found->identity.serialNumber, record.identity.serialNumber);
        QCOMPARE(store.list({}, &error).size(), 1);
    }

    // The window and the command-line tool keep one local journal, whatever each is called.
    void defaultSharedByPrograms() {
        QFETCH_GLOBAL(QString, kind);
        if (kind != "sqlite") QSKIP("independent of the database");
        const QString name = QCoreApplication::applicationName();
        const QString path = Target::defaultSqlite().path;
        QCoreApplication::setApplicationName("another-program");
        const QString other = Target::defaultSqlite().path;
        QCoreApplication::setApplicationName(name);
        QCOMPARE(other, path);
        QVERIFY(QFileInfo(path).isAbsolute());
    }

    void targets_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("display");  // empty: refused
        QTest::addColumn<QString>("mention");  // in the error
        auto row = [](const char* tag, const char* text, const char* display, const char* mention) {
            QTest::newRow(tag) << text << display << mention;
        };
        const char* const server = "postgresql://ann@db.example:6543/site";
        row("server", server, server, "");
        row("default port", "postgresql://ann@db/site", "postgresql://ann@db:5432/site", "");
        row("password", "postgresql://ann:s3cret@db/site", "", "PGPASSWORD");
        row("no user", "postgresql://db/site", "", "USER@HOST");
        row("options", "postgresql://ann@db/site?sslmode=disable", "", "options");
        row("other scheme", "mysql://ann@db/site", "", "postgresql://");
        row("scheme in capitals", "PostgreSQL://ann@db/site", "postgresql://ann@db:5432/site", "");
        row("capitals and a password", "PostgreSQL://ann:s3cret@db/site", "", "PGPASSWORD");
        row("other scheme and a password", "mysql://root:s3cret@db/site", "",
            "mysql://root@db/site");
        row("a slash missing", "postgresql:/ann@db/site", "", "USER@HOST");
        row("a slash missing and a password", "postgres:/ann:s3cret@db/site", "", "ann@db");
        row("a scheme-like file name", "backup:2026.sqlite", "", "./backup:2026.sqlite");
        row("file", "/var/tmp/j.sqlite", "/var/tmp/j.sqlite", "");
    }
    void targets() {
        QFETCH_GLOBAL(QString, kind);
        if (kind != "sqlite") QSKIP("independent of the database");
        QFETCH(QString, text);
        QFETCH(QString, display);
        QFETCH(QString, mention);
        QString error;
        const Target target = Target::parse(text, &error);
        QCOMPARE(target.display(), display);
        QVERIFY2(error.contains(mention), qPrintable(error));
        QVERIFY2(!error.contains("s3cret"), qPrintable(error));
        QCOMPARE(error.isEmpty(), !display.isEmpty());
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet(ChildTarget)) {
        QCoreApplication app(argc, argv);
        return runChild();
    }
    QCoreApplication app(argc, argv);
    tst_journal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journal.moc"
