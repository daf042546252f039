// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "configfile/ConfigDocument.h"
#include "configfile/ConfigJson.h"
#include "provision/Sheet.h"
#include "provision/UnitValues.h"

using namespace provision;

Q_DECLARE_METATYPE(provision::PortIdentity)

namespace {

// The template every assignment is laid over: every value set, none of them a default.
ConfigurationSet base() {
    ConfigurationSet set;
    set.slaveId = 5;
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        set.phoneNo[k] = QStringLiteral("55501%1").arg(k + 1);
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        set.channelEnable[i] = i % 2 ? FlagTrue : FlagFalse;
        set.channelMessage[i] = QStringLiteral("zone %1").arg(i + 1);
    }
    return set;
}

// A row as "line port name=value name=value", for comparing whole sheets at once.
QStringList shown(const Sheet& sheet) {
    QStringList rows;
    for (const SheetRow& row : sheet.rows()) {
        QStringList parts{QString::number(row.line), row.port};
        for (const Assignment& a : row.assignments)
            parts << a.name + '=' + configjson::literal(a.value);
        rows << parts.join(' ');
    }
    return rows;
}

const QString NotOne = QStringLiteral("(not NAME=VALUE)");
const QString Names =
    "the names are slave-id, phone.1 to phone.32, channel.1.enabled to channel.64.enabled and "
    "channel.1.message to channel.64.message";

}  // namespace

class tst_provision : public QObject {
    Q_OBJECT

private slots:
    // One NAME=VALUE through parse and apply: what it changes, or why nothing changed.
    void assignment_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");        // the whole refusal; empty when applied
        QTest::addColumn<QStringList>("changes");  // differences() from the template
        QTest::addColumn<QString>("note");
        auto ok = [](const char* tag, const QString& text, const QStringList& changes,
                     const QString& note = {}) {
            QTest::newRow(tag) << text << QString() << changes << note;
        };
        auto refused = [](const char* tag, const QString& text, const QString& error) {
            QTest::newRow(tag) << text << error << QStringList() << QString();
        };
        refused("no equals sign", "phone.1", NotOne);
        refused("no name", "=5", NotOne);
        ok("slave ID", "slave-id=31", {"slave-id: 5 -> 31"});
        refused("slave ID 32", "slave-id=32",
                "--set (\"slave-id\"): \"32\" is not a slave ID; give a whole number 0 to 31");
        refused("slave ID with a zero", "slave-id=07",
                "--set (\"slave-id\"): \"07\" is not a slave ID; give a whole number 0 to 31");
        refused("slave ID %2", "slave-id=%2",
                "--set (\"slave-id\"): \"%2\" is not a slave ID; give a whole number 0 to 31");
        ok("phone 32", "phone.32=+44 20", {"phone 32: \"5550132\" -> \"+44 20\""});
        ok("equals sign in the value", "phone.1=1=2", {"phone 1: \"555011\" -> \"1=2\""});
        refused("phone 33", "phone.33=1", "--set: unknown name \"phone.33\"; " + Names);
        refused("control character in a name", "phone\u0001=1",
                "--set: unknown name \"phone\\u0001\"; " + Names);
        ok("channel 64 on", "channel.64.enabled=no", {"channel 64 enabled: yes -> no"});
        refused("enabled Yes", "channel.1.enabled=Yes",
                "--set (\"channel.1.enabled\"): \"Yes\": give yes or no");
        ok("message with a line break and a euro", "channel.5.message=Door\r\nopen \u20ac",
           {"channel 5 message: \"zone 5\" -> \"Door\\r\\nopen \u20ac\""});
        ok("message of 200", "channel.38.message=" + QString(200, 'm'),
           {"channel 38 message: \"zone 38\" -> \"" + QString(200, 'm') + '"'},
           "--set (\"channel.38.message\"): 200 characters; the window's editor cuts it to 160 "
           "when edited");
        refused("NUL CR", QString("channel.1.message=ab") + QChar(0) + "\rc",
                "--set (\"channel.1.message\"): holds NUL followed by CR (character 3), which "
                "ends a setting on the line");
        refused("double quote", "channel.2.message=say \"hi\"",
                "--set (\"channel.2.message\"): holds a double quote (character 5), which a "
                "configuration file cannot carry");
        refused("outside Windows-1252", "channel.3.message=ok \U0001F600 \u2603",
                "--set (\"channel.3.message\"): holds a character Windows-1252 lacks (U+1F600 at "
                "character 4)");
        refused("lone surrogate", QString("channel.3.message=a") + QChar(0xD800) + "b",
                "--set (\"channel.3.message\"): holds a character Windows-1252 lacks (U+D800 at "
                "character 2)");
        refused("longer than a record", "phone.4=" + QString(64 * 1024 + 1, '1'),
                "--set (\"phone.4\"): 65537 characters, a configuration file holds at most 65536 "
                "in one value");
    }
    void assignment() {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QFETCH(QStringList, changes);
        QFETCH(QString, note);
        const std::optional<Assignment> parsed = parseAssignment(text, QStringLiteral("--set"));
        QCOMPARE(parsed.has_value(), error != NotOne);
        if (!parsed) return;
        ConfigurationSet set = base();
        const Verdict verdict = apply(*parsed, &set);
        QCOMPARE(verdict.error, error);
        QCOMPARE(verdict.note, note);
        QCOMPARE(differences(base(), set), changes);
        QCOMPARE(check(*parsed).error, error);
    }

private:
    // Sheets that are taken: the rows they give, and notes on values the window's editor would
    // cut.
    static void acceptedSheets() {
        auto ok = [](const char* tag, const QByteArray& csv, const QStringList& rows,
                     const QStringList& notes = {}) {
            QTest::newRow(tag) << csv << rows << QString() << notes;
        };
        const QByteArray head = "port,slave-id,phone.1,channel.2.message\r\n";
        ok("CR LF", head + "ttyUSB0,3,0123,\r\n/dev/ttyUSB1,,,Gate\r\n",
           {"2 ttyUSB0 slave-id=\"3\" phone.1=\"0123\"",
            "3 /dev/ttyUSB1 channel.2.message=\"Gate\""});
        ok("LF, no last line end", "port,phone.1\nA,1\nB,2",
           {"2 A phone.1=\"1\"", "3 B phone.1=\"2\""});
        ok("byte order mark", "\xEF\xBB\xBFport,phone.1\nA,1\n", {"2 A phone.1=\"1\""});
        ok("quoted cells", head + "\"tty\"\"x\",\"7\",\"1,2\",\"Door\r\nopen\"\r\nB,,,\"\"\r\n",
           {"2 tty\"x slave-id=\"7\" phone.1=\"1,2\" channel.2.message=\"Door\\r\\nopen\"", "4 B"});
        ok("blank rows skipped", "port,phone.1\n,\nA,1\n\n", {"3 A phone.1=\"1\""});
        ok("header only", "port,phone.1\r\n", {});
        ok("UTF-8 text", "port,channel.1.message\nA,caf\xC3\xA9 \xE2\x82\xAC\n",
           {"2 A channel.1.message=\"caf\u00e9 \u20ac\""});
        ok("longer than the window's editor takes",
           "port,phone.2,channel.1.message\nA," + QByteArray(16, '9') + ",x\nB,1," +
               QByteArray(161, 'x') + '\n',
           {"2 A phone.2=\"" + QString(16, '9') + "\" channel.1.message=\"x\"",
            "3 B phone.2=\"1\" channel.1.message=\"" + QString(161, 'x') + '"'},
           {"UNITS.csv line 2, column 2 (\"phone.2\"): 16 characters; the window's editor cuts "
            "it to 15 when edited",
            "UNITS.csv line 3, column 3 (\"channel.1.message\"): 161 characters; the window's "
            "editor cuts it to 160 when edited"});
    }
    // Sheets refused at their first fault, with its line and column.
    static void refusedSheets() {
        auto refused = [](const char* tag, const QByteArray& csv, const QString& error) {
            QTest::newRow(tag) << csv << QStringList() << error << QStringList();
        };
        refused("empty", "", "UNITS.csv: empty; its first line names the columns, port first");
        refused("unterminated quote", "port,phone.1\nA,1\nB,\"2\n\nC,3\n",
                "UNITS.csv line 3, column 2: the quote that opens this cell is never closed");
        refused("quote inside a cell", "port,phone.1\nA,1\"2\n",
                "UNITS.csv line 2, column 2: a double quote inside a cell that does not start "
                "with one; quote the whole cell and double the quote");
        refused("text after the quote", "port,phone.1\nA,\"1\"2\n",
                "UNITS.csv line 2, column 2: text after the closing quote");
        refused("CR alone", "port,phone.1\rA,1\r",
                "UNITS.csv line 1, column 2: a CR without LF after it; lines end in CR LF or LF");
        refused("not UTF-8", "port,phone.1\nA,1\nB,\xE9t\xE9\n",
                "UNITS.csv line 3: not UTF-8 text; save the sheet as CSV UTF-8");
        refused("no port column", "name,phone.1\nA,1\n",
                "UNITS.csv line 1, column 1: \"name\", but the first column must be port");
        refused("unknown name", "port,phone.1,phone.33\nA,1,2\n",
                "UNITS.csv line 1, column 3: unknown name \"phone.33\"; " + Names);
        refused("name twice", "port,phone.1,slave-id,phone.1\n",
                "UNITS.csv line 1, column 4: \"phone.1\" is column 2 already");
        refused("cells missing", "port,phone.1,phone.2\nA,1\n",
                "UNITS.csv line 2: 2 cells, but the header has 3");
        refused("no port", "port,phone.1\n,1\n", "UNITS.csv line 2, column 1: no port");
        refused("port twice", "port,phone.1\nA,1\nB,2\nA,3\n",
                "UNITS.csv line 4, column 1: port \"A\" has a row on line 2 already");
        refused("bad value after a quoted line break",
                "port,channel.1.message,slave-id\nA,\"a\nb\",40\n",
                "UNITS.csv line 3, column 3 (\"slave-id\"): \"40\" is not a slave ID; give a "
                "whole number 0 to 31");
        refused("too large", "port\n" + QByteArray(Sheet::MaxBytes, 'a'),
                "UNITS.csv: larger than 4194304 bytes");
    }

private slots:
    // Whole sheets: the rows they give and the notes on values the window's editor would cut,
    // or the first fault with its line and column.
    void sheet_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("notes");
        acceptedSheets();
        refusedSheets();
    }
    void sheet() {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, rows);
        QFETCH(QString, error);
        QFETCH(QStringList, notes);
        const Sheet sheet = Sheet::parse(csv, QStringLiteral("UNITS.csv"));
        QCOMPARE(sheet.error(), error);
        QCOMPARE(sheet.ok(), error.isEmpty());
        QCOMPARE(shown(sheet), rows);
        QCOMPARE(sheet.notes(), notes);
    }

    // Ports against rows: by device path, last part or serial number, each port exactly one row.
    void match_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QList<PortIdentity>>("ports");
        QTest::addColumn<QList<int>>("rowOfPort");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("unused");
        const QByteArray csv = "port,phone.1\n/dev/ttyUSB0,1\nttyUSB1,2\nA1B2C3,3\n";
        const PortIdentity usb0{"/dev/ttyUSB0", "X"}, usb1{"/dev/ttyUSB1", ""},
            acm0{"/dev/ttyACM0", "A1B2C3"}, acm1{"/dev/ttyACM1", "A1B2C3"};
        auto unused = [](int line, const char* port) {
            return QStringLiteral(
                       "UNITS.csv line %1: port \"%2\" is not among the ports given; "
                       "row left out")
                .arg(line)
                .arg(port);
        };
        QTest::newRow("path, last part, serial number")
            << csv << QList<PortIdentity>{usb0, usb1, acm0} << QList<int>{0, 1, 2} << QStringList()
            << QStringList();
        QTest::newRow("a port without a row")
            << csv << QList<PortIdentity>{PortIdentity{"/dev/ttyS0", ""}, usb0} << QList<int>{-1, 0}
            << QStringList{"\"/dev/ttyS0\": no row in UNITS.csv (its port column holds a device "
                           "path, its last part or a USB serial number)"}
            << QStringList{unused(3, "ttyUSB1"), unused(4, "A1B2C3")};
        QTest::newRow("one row for two ports")
            << csv << QList<PortIdentity>{acm0, acm1} << QList<int>{2, -1}
            << QStringList{"\"/dev/ttyACM1\": the row on line 4 of UNITS.csv matches "
                           "\"/dev/ttyACM0\" too"}
            << QStringList{unused(2, "/dev/ttyUSB0"), unused(3, "ttyUSB1")};
        QTest::newRow("two rows for one port")
            << QByteArray("port,phone.1\n/dev/ttyUSB0,1\nttyUSB0,2\n") << QList<PortIdentity>{usb0}
            << QList<int>{-1}
            << QStringList{"\"/dev/ttyUSB0\": rows on lines 2, 3 of UNITS.csv all match it"}
            << QStringList{unused(2, "/dev/ttyUSB0"), unused(3, "ttyUSB0")};
    }
    void match() {
        QFETCH(QByteArray, csv);
        QFETCH(QList<PortIdentity>, ports);
        QFETCH(QList<int>, rowOfPort);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, unused);
        const Sheet sheet = Sheet::parse(csv, QStringLiteral("UNITS.csv"));
        QVERIFY2(sheet.ok(), qPrintable(sheet.error()));
        const SheetMatch matched = sheet.match(ports);
        QCOMPARE(matched.rowOfPort, rowOfPort);
        QCOMPARE(matched.errors, errors);
        QCOMPARE(matched.unusedRows, unused);
        QCOMPARE(matched.ok(), errors.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_provision)
#include "tst_provision.moc"
