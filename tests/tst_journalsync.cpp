// SPDX-License-Identifier: GPL-3.0-or-later
// A journal on a server, with the local journal that keeps what the server could not take yet:
// the fallback, the sync that follows and the bounds on a server that is away or stalled.
#include <QtNetwork>
#include <QtTest>

#include "journal/Journal.h"
#include "journal/JournalRecord.h"
#include "journal/JournalStore.h"
#include "journal/JournalStoreQueue.h"
#include "journal/JournalTarget.h"
#include "tests/support/JournalSamples.h"
#include "tests/support/PgDatabase.h"
#include "tests/support/PgLock.h"

using namespace journal;
using testsupport::sampleRecord;

namespace {

// Passes bytes between a local port and the test server, so the "server" can be absent first
// and present later at the same address. Runs its own thread: opening a journal blocks.
class Relay : public QThread {
public:
    Relay(quint16 listenPort, quint16 serverPort) : listenPort(listenPort), serverPort(serverPort) {
        start();
        ready.acquire();
    }
    ~Relay() override {
        quit();
        wait();
    }
    bool ok = false;  // listening

private:
    void run() override {
        QTcpServer server;
        ok = server.listen(QHostAddress::LocalHost, listenPort);
        QObject::connect(&server, &QTcpServer::newConnection, [&] {
            while (QTcpSocket* in = server.nextPendingConnection()) {
                auto* out = new QTcpSocket(in);
                out->connectToHost(QHostAddress::LocalHost, serverPort);
                QObject::connect(in, &QTcpSocket::readyRead, [=] { out->write(in->readAll()); });
                QObject::connect(out, &QTcpSocket::readyRead, [=] { in->write(out->readAll()); });
                QObject::connect(out, &QTcpSocket::disconnected, in,
                                 &QTcpSocket::disconnectFromHost);
                QObject::connect(in, &QTcpSocket::disconnected, in, &QObject::deleteLater);
            }
        });
        ready.release();
        exec();
    }
    quint16 listenPort, serverPort;
    QSemaphore ready;
};

}  // namespace

class tst_journalsync : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    int files = 0;
    testsupport::PgDatabase pg;
    // Each test's server journal, created empty, and a local journal of its own.
    Target server;
    Target local;

    void sql(const QStringList& statements) {
        const QString failed = testsupport::runSql(server, statements);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
    // A record kept locally as waiting for `forServer`.
    bool queue(Record& record, const QString& forServer) {
        Store kept(local);
        QString error;
        return kept.append(record, &error, forServer);
    }
    // The ports of the records the local journal keeps for `forServer`, oldest first.
    QStringList waitingPorts(const QString& forServer) {
        Store kept(local);
        QString error;
        QStringList ports;
        if (kept.open(&error))
            for (const Record& record : SyncQueue(kept).pending(forServer, &error))
                ports << record.port;
        return ports;
    }
    QList<Record> onServer() {
        Store direct(server);
        QString error;
        return direct.open(&error) ? direct.list({}, &error) : QList<Record>();
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        const QString error = pg.create();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        if (!pg.available()) QSKIP("needs the test server (QX_TEST_PG_URL)");
    }
    void init() {
        server = pg.target();
        sql({"DROP TABLE IF EXISTS journal_configuration, journal, journal_schema"});
        QString error;
        Store store(server);
        QVERIFY2(store.open(&error), qPrintable(error));
        local = Target::parse(dir.filePath(QString("local%1.sqlite").arg(++files)), &error);
    }

    // The server is away: records wait locally, with one warning; the next run that reaches it
    // sends them, once, with their own time.
    void serverUnreachableThenSync() {
        quint16 relayPort = 0;
        {
            QTcpServer probe;  // a port nothing listens on once it is closed
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            relayPort = probe.serverPort();
        }
        Target away = server;
        away.host = "127.0.0.1";
        away.port = relayPort;
        const QList<Record> records{sampleRecord(Action::Read, "COM1", 1000),
                                    sampleRecord(Action::Write, "COM2", 2000)};
        {
            Journal journal(away, local);
            QSignalSpy warnings(&journal, &Journal::warning);
            QVERIFY(!journal.open());
            for (const Record& record : records)
                journal.append(record);
            QCOMPARE(warnings.size(), 1);
            QVERIFY2(warnings[0][0].toString().contains(local.path),
                     qPrintable(warnings[0][0].toString()));
        }
        Relay relay(relayPort, quint16(server.port));
        QVERIFY(relay.ok);
        for (int run = 0; run < 2; ++run) {
            Journal journal(away, local);
            QSignalSpy warnings(&journal, &Journal::warning);
            QVERIFY2(journal.open(), qPrintable(journal.openError()));
            QCOMPARE(journal.sync().left, 0);
            QCOMPARE(warnings.size(), 0);
        }
        const QList<Record> sent = onServer();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[0].toJson().value("time"), records[1].toJson().value("time"));
        QCOMPARE(sent[1].origin, records[0].origin);
        Store kept(local);
        QString error;
        QVERIFY(kept.open(&error));
        QCOMPARE(kept.list({}, &error).size(), 2);  // the local history keeps them too
        QCOMPARE(waitingPorts(away.display()), QStringList());
    }

    // A record the server refuses for what it holds is set aside locally with the reason, and
    // neither blocks the records after it nor makes the server look unreachable; so with one
    // already waiting locally.
    void refusedRecordSetAside() {
        sql({"ALTER TABLE journal ADD CONSTRAINT no_odd CHECK (model <> 'odd')"});
        Record waitingOdd = sampleRecord(Action::Read, "COM0", 500);
        waitingOdd.model = "odd";
        Record waitingFine = sampleRecord(Action::Read, "COM0", 600);
        QVERIFY(queue(waitingOdd, server.display()) && queue(waitingFine, server.display()));
        Journal journal(server, local);
        QSignalSpy warnings(&journal, &Journal::warning);
        QVERIFY2(journal.open(), qPrintable(journal.openError()));
        QCOMPARE(journal.setAsideRecords().size(), 1);
        QVERIFY2(journal.setAsideRecords()[0].contains("no_odd"),
                 qPrintable(journal.setAsideRecords()[0]));
        Record odd = sampleRecord(Action::Write, "COM1", 1000);
        odd.model = "odd";
        journal.append(odd);
        journal.append(sampleRecord(Action::Write, "COM2", 2000));
        QCOMPARE(warnings.size(), 1);
        const QString said = warnings[0][0].toString();
        QVERIFY2(said.contains("refused a record for what it holds") &&
                     !said.contains("cannot be reached"),
                 qPrintable(said));
        const Journal::SyncResult result = journal.sync();
        QCOMPARE(result.left, 0);
        QVERIFY(result.error.isEmpty());

        QStringList ports;
        for (const Record& record : onServer())
            ports << record.port;
        QCOMPARE(ports, (QStringList{"COM2", "COM0"}));
        QCOMPARE(waitingPorts(server.display()), QStringList());
        Store kept(local);
        QString error;
        QVERIFY(kept.open(&error));
        QCOMPARE(kept.list({}, &error).size(), 3);  // both odd ones kept here
    }

    // A table locked by someone else: the record waits for a few seconds at most, is kept
    // locally, and the server is said to be slow, not away; a listing fails alike.
    void lockedServerIsBounded() {
        // Held far longer than any bound; were the wait unbounded, the append would go
        // through once it ends and the record would not be waiting locally.
        testsupport::PgLock holder(server,
                                   QStringLiteral("LOCK TABLE journal IN ACCESS EXCLUSIVE MODE"));
        QVERIFY(holder.locked);
        Journal journal(server, local);
        QSignalSpy warnings(&journal, &Journal::warning);
        QVERIFY2(journal.open(), qPrintable(journal.openError()));
        journal.append(sampleRecord(Action::Write, "COM1", 1000));
        QVERIFY(holder.isRunning());
        QCOMPARE(warnings.size(), 1);
        const QString said = warnings[0][0].toString();
        QVERIFY2(said.contains("did not answer in time") && said.contains(local.path),
                 qPrintable(said));
        Store reader(server, Store::Access::ReadOnly);
        QString error;
        QVERIFY(reader.open(&error));
        QVERIFY(reader.list({}, &error).isEmpty());
        QCOMPARE(reader.lastFault(), Store::Fault::Slow);
        QVERIFY(holder.isRunning());
        holder.release();
        QCOMPARE(waitingPorts(server.display()), QStringList{"COM1"});
    }

    // The server goes away in the middle of a sync: what it did not confirm stays waiting.
    void syncBrokenMidway() {
        sql(
            {"CREATE FUNCTION drop_on_com2() RETURNS trigger AS $$ BEGIN IF NEW.port = "
             "'COM2' THEN PERFORM pg_terminate_backend(pg_backend_pid()); END IF; RETURN "
             "NEW; END $$ LANGUAGE plpgsql",
             "CREATE TRIGGER drop_on_com2 BEFORE INSERT ON journal FOR EACH ROW EXECUTE "
             "FUNCTION drop_on_com2()"});
        for (int i = 1; i <= 3; ++i) {
            Record record = sampleRecord(Action::Read, QString("COM%1").arg(i), 1000 * i);
            QVERIFY(queue(record, server.display()));
        }
        {
            Journal journal(server, local);
            journal.open();
            const Journal::SyncResult result = journal.sync();
            QVERIFY(!result.error.isEmpty());
            QCOMPARE(journal.sentCount(), 1);
        }
        QCOMPARE(waitingPorts(server.display()), (QStringList{"COM2", "COM3"}));
        sql({"DROP TRIGGER drop_on_com2 ON journal", "DROP FUNCTION drop_on_com2"});
        Journal again(server, local);
        QVERIFY2(again.open(), qPrintable(again.openError()));
        QCOMPARE(again.sentCount(), 2);
        QCOMPARE(waitingPorts(server.display()), QStringList());
        QCOMPARE(onServer().size(), 3);
    }

    // Records kept for one server go to that server only, and the others are counted as
    // waiting for theirs.
    void waitingPerServer() {
        Target other = server;
        other.host = "localhost";  // the same server under another name is another target
        Record mine = sampleRecord(Action::Read, "COM1", 1000);
        Record theirs = sampleRecord(Action::Read, "COM2", 2000);
        QVERIFY(queue(mine, server.display()) && queue(theirs, other.display()));
        Journal journal(server, local);
        QVERIFY2(journal.open(), qPrintable(journal.openError()));
        const Journal::SyncResult result = journal.sync();
        QCOMPARE(result.left, 0);
        QCOMPARE(result.otherTargets, (QMap<QString, int>{{other.display(), 1}}));
        QCOMPARE(journal.sentCount(), 1);
        const QList<Record> sent = onServer();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].origin, mine.origin);
    }
};

QTEST_GUILESS_MAIN(tst_journalsync)
#include "tst_journalsync.moc"
