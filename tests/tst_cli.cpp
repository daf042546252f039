// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <cstdio>

#include "cli/PortName.h"
#include "cli/Reporter.h"
#include "configfile/ConfigDocument.h"
#include "tests/support/CliFixture.h"

using namespace cli_fixture;

// The command line's own work: its usage, the files it shows and compares, and writes, reads
// and verifies that go as asked.
class tst_cli : public CliFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void cleanup() { clearUnits(); }

    void json_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("phones");  // 0: refused
        QTest::addColumn<QString>("error");
        const ConfigurationSet set = filled(QStringLiteral("json"), 3, true);
        QTest::newRow("16 phones") << configjson::serialize(set, 16) << 16 << "";
        QTest::newRow("broken") << QByteArray("{\"slaveId\": 3,") << 0 << "not valid JSON";
        QTest::newRow("stray key")
            << editedJson([](QJsonObject& r) { r["slaveID"] = 1; }) << 0 << "slaveID: unknown key";
        // Named with its control characters escaped, never raw to a terminal.
        QTest::newRow("stray key with control characters") << editedJson([](QJsonObject& r) {
            r.insert(QStringLiteral("\x1b[2Jkey") + QChar(0x9b), 1);
        }) << 0 << "\\u001b[2Jkey\\u009b: unknown key";
        QTest::newRow("slave ID 32") << editedJson([](QJsonObject& r) { r["slaveId"] = 32; }) << 0
                                     << "slaveId: 32 is outside 0..31";
        QTest::newRow("slave ID 2.5") << editedJson([](QJsonObject& r) { r["slaveId"] = 2.5; }) << 0
                                      << "slaveId: not a whole number";
        QTest::newRow("17 phones") << editedJson([](QJsonObject& r) {
            QJsonArray phones = r["phones"].toArray();
            while (phones.size() > 17)
                phones.removeLast();
            r["phones"] = phones;
        }) << 0 << "phones: 17 entries, 16 or 32 expected";
        QTest::newRow("message not text")
            << editedJson([](QJsonObject& r) { setChannel(r, 12, "message", 5); }) << 0
            << "channels[12].message (channel 13): not a string";
        QTest::newRow("message over a record") << editedJson([](QJsonObject& r) {
            setChannel(r, 63, "message", QString(64 * 1024 + 1, u'm'));
        }) << 0 << "channels[63].message (channel 64): 65537 characters, at most 65536";
        QTest::newRow("outside Windows-1252")
            << editedJson([](QJsonObject& r) { setChannel(r, 2, "message", "\u03a9 ohm"); }) << 0
            << "channels[2].message (channel 3): holds a character Windows-1252 lacks";
        QTest::newRow("enabled as text")
            << editedJson([](QJsonObject& r) { setChannel(r, 5, "enabled", "yes"); }) << 0
            << "channels[5].enabled (channel 6): not true or false";
    }

    void json() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, phones);
        QFETCH(QString, error);
        const ConfigurationSet base = filled(QStringLiteral("base"), 9);
        const configjson::ParseResult result = configjson::parse(bytes, base);
        if (error.isEmpty())
            QCOMPARE(result.error, QString());
        else
            QVERIFY2(result.error.startsWith(error), qPrintable(result.error));
        QCOMPARE(result.ok, phones != 0);
        QCOMPARE(result.phoneCount, phones);
        if (phones == 16) {
            QCOMPARE(result.set.phoneNo[15], filled(QStringLiteral("json"), 3).phoneNo[15]);
            QCOMPARE(result.set.phoneNo[16], base.phoneNo[16]);  // not in the file
        }
    }

    // --- the program ---

    // Everything refused before a port or file is touched (none of these exist); what a plan
    // refuses is tst_plan's, one row here shows it reaches the command line.
    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");  // on stdout for 0, stderr otherwise
        const struct {
            const char *tag, *args;  // the arguments split at blanks
            int code;
            const char* says;
        } rows[] = {
            {"version", "--version", 0, "quellix-cli 2.0\nLicense GPL-3.0-or-later"},
            // One usage block, named as the program is known rather than where it was built.
            {"help", "--help", 0, "Usage:\n  quellix-cli ports  [--json]\n"},
            {"ports as JSON", "ports --json", 0, "["},
            {"no command", "", 2, "no command given"},
            {"unknown option", "ports --frob", 2, "frob"},
            {"missing value", "read -p", 2, "'-p'"},
            {"read without -o", "read -p /x", 2, "-o FILE"},
            {"no port", "write f", 2, "needs -p PORT"},
            {"a plan's problem", "verify -p /x f --pace quick", 2, "auto or fixed, not 'quick'"},
            {"write without file", "write -p /x", 2, "1 file argument, 0 given"},
            {"several ports, no {port}", "read -p /x -p /y -o a.txt", 2, "{port}"},
            {"same file twice", "read -p /a/x -p /b/x -o {port}.txt", 2, "same file"},
            {"COM3 and com3 are one port", "read -p COM3 -p com3 -o {port}", 2, "given twice"},
            {"two sheets", "write -p /x f --sheet a --sheet b", 2,
             "--sheet is given more than once"},
            {"option out of place", "show f --verify", 2, "--verify does not apply to show"},
            // A slip gets the name meant; a word far from every name gets none.
            {"swapped letters", "raed", 2, "unknown command 'raed'; did you mean 'read'?\n"},
            {"capitals", "SHOW", 2, "did you mean 'show'?"},
            {"far from all", "frob", 2, "unknown command 'frob'\n"},
            {"option letter missing", "show f --verfy", 2,
             "unknown option '--verfy'; did you mean '--verify'?\n"},
            {"control characters", "\x1b[2Jx\ty", 2, "unknown command '\\u001b[2Jx\\ty'\n"},
            {"journal: show and a listing", "journal --show 1 --csv", 2, "takes only -o FILE"},
            {"journal: JSON and CSV", "journal --json --csv", 2, "exclude each other"},
            {"journal: unknown action", "journal --action erase", 2, "not 'erase'"},
            {"journal: not a time", "journal --since yesterday", 2, "not 'yesterday'"},
            {"journal: changes alone", "journal --changes", 2, "--changes goes with"},
            {"journal: changes into a file", "journal --show 1 --changes -o f", 2,
             "--changes goes with"},
            {"journal: sync to a file", "journal --sync", 2, "sends to a server"},
            {"restore to two ports", "restore -p /x -p /y --from 1", 2, "one -p PORT"},
            {"restore without a record", "restore -p /x", 2, "needs --from ID"},
        };
        for (const auto& row : rows)
            QTest::newRow(row.tag) << QString(row.args).split(u' ', Qt::SkipEmptyParts) << row.code
                                   << QString::fromUtf8(row.says);
    }

    void usage() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, says);
        const Run run = cli(args);
        QCOMPARE(run.code, code);
        QVERIFY2((code == 0 ? run.out : run.err).contains(says.toUtf8()), run.err + run.out);
        QVERIFY2(!(run.out + run.err).contains(QX_CLI_PATH), run.err + run.out);
        if (code != 2) return;
        // Every usage error reads alike and points at the help; nothing goes to stdout.
        QVERIFY2(run.err.startsWith("quellix-cli: "), run.err);
        QVERIFY2(run.err.endsWith("\nTry 'quellix-cli --help'.\n"), run.err);
        QCOMPARE(run.out, QByteArray());
    }

    // The window lists the first serial port as "COM 1"; the same names work here.
    void portNames_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("device");
        const char* const rows[][3] = {
            {"as listed", "COM 3", "/dev/ttyS2"},   {"no blank", "COM3", "/dev/ttyS2"},
            {"lower case", "com12", "/dev/ttyS11"}, {"highest", "COM255", "/dev/ttyS254"},
            {"no COM 256", "COM 256", "COM 256"},   {"two blanks", "COM  3", "COM  3"},
            {"inside a name", "xCOM3", "xCOM3"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
    }

    void portNames() {
        QFETCH(QString, given);
        QFETCH(QString, device);
        QCOMPARE(cli::deviceForPort(given), device);
    }

    // The live line of a port whose name holds "%1" shows the name, the stage and the count.
    void progressLine() {
        std::FILE* stream = std::tmpfile();
        QVERIFY(stream);
        {
            cli::Reporter reporter(stream, false, true);
            reporter.setPorts({"/dev/p%1%2"});
            reporter.progress(0, "reading", 5, 10);
        }
        std::rewind(stream);
        QByteArray text(4096, '\0');
        text.resize(qsizetype(std::fread(text.data(), 1, size_t(text.size()), stream)));
        std::fclose(stream);
        const QByteArray bar = "[" + QByteArray(15, '#') + QByteArray(15, ' ') + "] 5/10";
        QVERIFY2(
            text.contains("/dev/p%1%2  " + QByteArray("reading").leftJustified(20) + " " + bar),
            text);
    }

    void showAndDiff() {
        const ConfigurationSet a = filled(QStringLiteral("a"), 3);
        ConfigurationSet b = a;
        b.phoneNo[1] = "99";
        b.channelMessage[63] = "new";
        QVERIFY(writeFile("a.txt", configfile::serialize(a)));
        QVERIFY(writeFile("a145.txt", configfile::serialize(a, 16)));
        QVERIFY(writeFile("b.json", configjson::serialize(b)));

        Run run = cli({"show", path("a.txt")});
        QCOMPARE(run.code, 0);
        const QList<QByteArray> lines = run.out.split('\n');
        QCOMPARE(lines.size(), 1 + 32 + 64 + 1);
        QCOMPARE(lines[0], "slave-id: 3");
        QCOMPARE(lines[2], "phone 2: \"a2\"");
        QCOMPARE(lines[33 + 8], "channel 9: no \"a\\r\\nline two \u00e9\u20ac\"");
        QCOMPARE(lines[33 + 9], "channel 10: yes \"a 10\"");

        // The JSON form reads back to the same values, 16 phones staying 16.
        run = cli({"show", path("a145.txt"), "--json"});
        QCOMPARE(run.code, 0);
        const ConfigDocument shown = ConfigDocument::parse(run.out);
        QVERIFY2(shown.ok, qPrintable(shown.error));
        QCOMPARE(shown.phoneCount, 16);
        QCOMPARE(::differences(a, shown.set, 16), QStringList());

        run = cli({"diff", path("a.txt"), path("b.json")});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, "phone 2: \"a2\" -> \"99\"\nchannel 64 message: \"a 64\" -> \"new\"\n");
        run = cli({"diff", path("a145.txt"), path("a.txt")});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, "");
    }

    // A 145-record file holds phones 1-16 only; the unit's 17-32 must survive a write.
    void write145KeepsUpperPhones() {
        const ConfigurationSet onUnit = filled(QStringLiteral("unit"), 6);
        const ConfigurationSet inFile = filled(QStringLiteral("file"), 2);
        UnitSimulator* sim = unit(onUnit);
        QVERIFY(sim);
        QVERIFY(writeFile("f145.txt", configfile::serialize(inFile, 16)));
        const Run run = cli(paced({"write", "-p", sim->slavePath(), path("f145.txt"), "--verify"}));
        QCOMPARE(run.code, 0);
        QVERIFY2(run.err.contains("phone numbers 17-32 are not in " + path("f145.txt").toUtf8() +
                                  "; keeping the unit's"),
                 run.err);
        QVERIFY2(run.err.contains(sim->slavePath().toUtf8() + ": written and verified"), run.err);
        ConfigurationSet expected = inFile;
        for (int k = 16; k < 32; ++k)
            expected.phoneNo[k] = onUnit.phoneNo[k];
        QCOMPARE(sim->configuration(), expected);
    }

    // A text longer than the window's editor takes is written as it is, with a note rather
    // than a refusal: real units keep what they are sent.
    void longTextWritten() {
        ConfigurationSet set = filled(QStringLiteral("file"), 2);
        set.phoneNo[19] = QString(20, u'2');
        UnitSimulator* sim = unit(filled(QStringLiteral("unit"), 6), UnitFaults{.roomy = true});
        QVERIFY(sim && writeFile("long.cfg", configfile::serialize(set)));
        const Run run = cli(paced({"write", "-p", sim->slavePath(), path("long.cfg"), "--verify"}));
        QVERIFY2(run.code == 0, run.err);
        QVERIFY2(run.err.contains("long.cfg: phone 20: 20 characters; the window's editor "
                                  "cuts it to 15 when edited\n"),
                 run.err);
        QCOMPARE(sim->configuration(), set);
    }

    // JSON on standard input, after blanks, quiet, with the traffic logged.
    void writeFromStdinWithLog() {
        UnitSimulator* sim = unit(filled(QStringLiteral("unit"), 6));
        QVERIFY(sim);
        const ConfigurationSet set = filled(QStringLiteral("json"), 1, true);
        const Run run =
            cli(paced({"write", "-p", sim->slavePath(), "-", "-q", "--log", path("traffic.log")}),
                " \r\n" + configjson::serialize(set));  // JSON is found after blanks
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, "");
        QCOMPARE(sim->configuration(), set);
        // A command and a reply per exchange; the line format is the traffic log's own.
        QCOMPARE(readFile("traffic.log").trimmed().split('\n').size(), 2 * 99);
    }

    // The unit changes between the write and the read-back: exit 1 and the difference shown.
    void writeVerifyFindsChange() {
        UnitSimulator* sim = unit(filled(QStringLiteral("unit"), 6));
        QVERIFY(sim);
        const ConfigurationSet set = filled(QStringLiteral("file"), 2);
        QVERIFY(writeFile("f.txt", configfile::serialize(set)));
        connect(sim, &UnitSimulator::commandReceived, this, [sim](const QByteArray& command) {
            if (command != "?A\r") return;  // only the read-back queries the slave ID
            ConfigurationSet changed = sim->configuration();
            changed.phoneNo[2] = "tampered";
            sim->setConfiguration(changed);
        });
        const Run run = cli(paced({"write", "-p", sim->slavePath(), path("f.txt"), "--verify"}));
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, "phone 3: \"fil3\" -> \"tampered\"\n");
        QVERIFY2(run.err.contains("written, but 1 differ on reading back"), run.err);
    }

    // Left is the file, right the unit; only what the file holds counts. The equal row runs at
    // the unit's own pace.
    void verify_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("out");
        const ConfigurationSet onUnit = filled(QStringLiteral("unit"), 6);
        ConfigurationSet other = onUnit;
        other.slaveId = 7;
        other.channelEnable[0] = other.enabled(0) ? FlagFalse : FlagTrue;
        ConfigurationSet upper = onUnit;
        upper.phoneNo[25] = "elsewhere";
        QTest::newRow("equal") << configjson::serialize(onUnit) << 0 << QByteArray();
        QTest::newRow("two differ")
            << configjson::serialize(other) << 1
            << QByteArray("slave-id: 7 -> 6\nchannel 1 enabled: no -> yes\n");
        QTest::newRow("145 records skip 17-32")
            << configfile::serialize(upper, 16) << 0 << QByteArray();
    }

    void verify() {
        QFETCH(QByteArray, file);
        QFETCH(int, code);
        QFETCH(QByteArray, out);
        UnitSimulator* sim = unit(filled(QStringLiteral("unit"), 6));
        QVERIFY(sim);
        QVERIFY(writeFile("v.cfg", file));
        QStringList args{"verify", "-p", sim->slavePath(), path("v.cfg")};
        if (QByteArray(QTest::currentDataTag()) != "equal") args = paced(args);
        const Run run = cli(args);
        QCOMPARE(run.code, code);
        QCOMPARE(run.out, out);
        if (code == 0)
            QCOMPARE(run.err, sim->slavePath().toUtf8() + ": equal\n");
        else
            QVERIFY2(run.err.contains("differences"), run.err);
        // A verify only reads.
        for (const QByteArray& command : sim->commands())
            QVERIFY(command.startsWith('?'));
    }
};

QTEST_GUILESS_MAIN(tst_cli)
#include "tst_cli.moc"
