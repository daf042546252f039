// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "device/CommandSet.h"

using namespace commandset;

class tst_commandset : public QObject {
    Q_OBJECT
private slots:
    // The rest of the command bytes are proven on the wire by tst_devicelink::sequences.
    void commandBytes_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("expected");
        // Only -1 counts as enabled.
        QTest::newRow("&E flag 1") << setEnableFlags({1}) << QByteArray("&E0000000000000000\r");
        QTest::newRow("&M CR LF, 8-bit")
            << setMessage(8, QStringLiteral(u"a\r\nb\u00e9\u20ac\u00ff"))
            << QByteArray("&M08a\r\nb\xE9\x80\xFF\0\r", 13);
    }
    void commandBytes() {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, expected);
        QCOMPARE(command, expected);
    }

    // What a reply says it answers, against what its query expects; a mismatch is a reply that
    // slipped into the wrong exchange.
    void replyTag_data() {
        QTest::addColumn<QByteArray>("query");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<bool>("matches");
        QTest::newRow("phone") << queryPhoneNo(5) << QByteArray("P05123") << QByteArray("P05")
                               << true;
        QTest::newRow("lower-case field")
            << queryMessage(63) << QByteArray("M3fx") << QByteArray("M3F") << true;
        QTest::newRow("previous slot")
            << queryPhoneNo(6) << QByteArray("P05xP06y") << QByteArray("P05") << false;
        QTest::newRow("slave ID") << querySlaveId() << QByteArray("A05") << QByteArray("A") << true;
        QTest::newRow("flags for slave ID")
            << querySlaveId() << QByteArray("E00") << QByteArray("E") << false;
        QTest::newRow("field not hex")
            << queryPhoneNo(1) << QByteArray("PZ1") << QByteArray() << false;
        QTest::newRow("noise") << queryMessage(1) << QByteArray("\x01\xffM01") << QByteArray()
                               << false;
    }
    void replyTag() {
        QFETCH(QByteArray, query);
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, tag);
        QFETCH(bool, matches);
        QCOMPARE(commandset::replyTag(reply), tag);
        QCOMPARE(commandset::replyTag(reply) == expectedTag(query), matches);
    }

    // The pair after "A" must be two hex digits: anything else would read as a slave ID the
    // unit never gave.
    void slaveIdReply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("id");  // -1: not accepted
        QTest::newRow("lower-case digits") << QByteArray("A1f") << 31;
        QTest::newRow("32") << QByteArray("A20") << -1;
        QTest::newRow("A alone") << QByteArray("A") << -1;
        QTest::newRow("not hex") << QByteArray("AZZ") << -1;
        QTest::newRow("second not hex") << QByteArray("A1Z") << -1;
        QTest::newRow("third ignored") << QByteArray("A123") << 0x12;
    }
    void slaveIdReply() {
        QFETCH(QByteArray, reply);
        QFETCH(int, id);
        QCOMPARE(commandset::slaveIdReply(reply).value_or(-1), id);
    }

    void enableReplyIsExactly18Characters() {
        QCOMPARE(bitmapHex(enableFlagsReply("E0301000000000080\r").value()), "0301000000000080");
        QVERIFY(!enableFlagsReply("E0301000000000080"));
        QVERIFY(!enableFlagsReply("E0301000000000080\r\n"));
        // A pair that is not hex would clear its 8 channels: the reply is refused whole.
        QVERIFY(!enableFlagsReply("EFFZZFFFFFFFFFFFF\r"));
        QCOMPARE(bitmapHex(enableFlagsReply("Effffffffffffffff\r").value()), "FFFFFFFFFFFFFFFF");
    }

    void probeReplyModelIsCutAt10() {
        QCOMPARE(probeModel(">ABCDEFGHIJKLMNO").value(), QStringLiteral("ABCDEFGHIJ"));
        QVERIFY(!probeModel(" >QX"));
    }
};

QTEST_GUILESS_MAIN(tst_commandset)
#include "tst_commandset.moc"
