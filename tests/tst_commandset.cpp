#include <QtTest>

#include "Codepage.h"
#include "CommandSet.h"

using namespace CommandSet;

namespace {
EnableFlags flagsOf(const QList<int>& channels) {
    EnableFlags flags{};
    for (int channel : channels)
        flags[channel - 1] = FlagTrue;
    return flags;
}
QByteArray bytes(const char* text, qsizetype size) {
    return QByteArray(text, size);
}
}  // namespace

class tst_commandset : public QObject {
    Q_OBJECT
private slots:
    void commandBytes_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("probe") << probe() << QByteArray("?\r");
        QTest::newRow("?A") << querySlaveId() << QByteArray("?A\r");
        QTest::newRow("?E") << queryEnableFlags() << QByteArray("?E\r");
        QTest::newRow("?P last") << queryPhoneNo(31) << QByteArray("?P1F\r");
        QTest::newRow("?M last") << queryMessage(63) << QByteArray("?M3F\r");
        QTest::newRow("&A entry 10") << setSlaveId(10) << QByteArray("&A0A\r");
        QTest::newRow("&E worked example")
            << setEnableFlags(flagsOf({1, 2, 9, 64})) << QByteArray("&E0301000000000080\r");
        EnableFlags notMinusOne{};
        notMinusOne[0] = 1;  // only -1 counts as enabled
        QTest::newRow("&E flag 1 is not set")
            << setEnableFlags(notMinusOne) << QByteArray("&E0000000000000000\r");
        QTest::newRow("&P empty") << setPhoneNo(0, {}) << bytes("&P00\0\r", 6);
        QTest::newRow("&M empty") << setMessage(63, {}) << bytes("&M3F\0\r", 6);
        QTest::newRow("&M line break") << setMessage(8, QStringLiteral("Smoke\r\nFloor 2"))
                                       << bytes("&M08Smoke\r\nFloor 2\0\r", 20);
        QTest::newRow("&M high bytes") << setMessage(0, QStringLiteral(u"\u00e9\u20ac\u00ff"))
                                       << bytes("&M00\xE9\x80\xFF\0\r", 9);
    }
    void commandBytes() {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, expected);
        QCOMPARE(command, expected);
    }

    void everyByteRoundTrips() {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        const QString text = codepage::decode(all);
        QCOMPARE(setMessage(5, text), "&M05" + all + bytes("\0\r", 2));
        QCOMPARE(textReply("M05" + all), text);
    }

    void hexPairReading_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("lower case") << QByteArray("1f") << 31;
        QTest::newRow("FF") << QByteArray("FF") << 255;
        QTest::newRow("stops at 2nd") << QByteArray("1Z") << 1;
        QTest::newRow("non-digit first") << QByteArray("Z1") << 0;
        QTest::newRow("ZZ") << QByteArray("ZZ") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("third ignored") << QByteArray("123") << 0x12;
        QTest::newRow("blank first") << QByteArray(" 1") << 0;
    }
    void hexPairReading() {
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        QCOMPARE(hexPair(text), value);
    }

    void bitmap_data() {
        QTest::addColumn<QList<int>>("channels");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("worked example")
            << QList<int>{1, 2, 9, 64} << QByteArray("0301000000000080");
        QTest::newRow("bit 7 of byte 0") << QList<int>{8} << QByteArray("8000000000000000");
        QTest::newRow("mixed") << QList<int>{1, 3, 5, 7, 10} << QByteArray("5502000000000000");
    }
    void bitmap() {
        QFETCH(QList<int>, channels);
        QFETCH(QByteArray, hex);
        QCOMPARE(bitmapHex(flagsOf(channels)), hex);
        QCOMPARE(flagsFromBitmap(hex), flagsOf(channels));
    }

    void enableReply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<int>>("channels");
        QList<int> allButByte1;
        for (int c = 1; c <= 64; ++c)
            if (c < 9 || c > 16) allButByte1 << c;
        QTest::newRow("18") << QByteArray("E0301000000000080\r") << true << QList<int>{1, 2, 9, 64};
        QTest::newRow("ends not read")
            << QByteArray("x0301000000000080y") << true << QList<int>{1, 2, 9, 64};
        QTest::newRow("17") << QByteArray("E0301000000000080") << false << QList<int>{};
        QTest::newRow("19") << QByteArray("E0301000000000080\r\n") << false << QList<int>{};
        QTest::newRow("empty") << QByteArray() << false << QList<int>{};
        QTest::newRow("ZZ clears its 8")
            << QByteArray("EFFZZFFFFFFFFFFFF\r") << true << allButByte1;
        QTest::newRow("1Z reads 1") << QByteArray("E1Z00000000000000\r") << true << QList<int>{1};
    }
    void enableReply() {
        QFETCH(QByteArray, reply);
        QFETCH(bool, accepted);
        QFETCH(QList<int>, channels);
        const auto flags = enableFlagsReply(reply);
        QCOMPARE(flags.has_value(), accepted);
        if (accepted) QCOMPARE(*flags, flagsOf(channels));
    }

    void slaveId_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("id");  // -1: not accepted
        QTest::newRow("1F") << QByteArray("A1F") << 31;
        QTest::newRow("1f") << QByteArray("A1f") << 31;
        QTest::newRow("rest ignored") << QByteArray("A05\rxyz") << 5;
        QTest::newRow("20") << QByteArray("A20") << -1;
        QTest::newRow("lower-case a") << QByteArray("a1F") << -1;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("A alone") << QByteArray("A") << 0;
        QTest::newRow("A non-hex") << QByteArray("AZZ") << 0;
    }
    void slaveId() {
        QFETCH(QByteArray, reply);
        QFETCH(int, id);
        QCOMPARE(slaveIdReply(reply).value_or(-1), id);
    }

    void probeReply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("model");
        QTest::newRow(">") << QByteArray(">") << true << QString();
        QTest::newRow("10") << QByteArray(">QX-ALARM-1") << true << QStringLiteral("QX-ALARM-1");
        QTest::newRow("15") << QByteArray(">ABCDEFGHIJKLMNO") << true
                            << QStringLiteral("ABCDEFGHIJ");
        QTest::newRow("empty") << QByteArray() << false << QString();
        QTest::newRow("late >") << QByteArray(" >QX") << false << QString();
    }
    void probeReply() {
        QFETCH(QByteArray, reply);
        QFETCH(bool, accepted);
        QFETCH(QString, model);
        const auto text = probeModel(reply);
        QCOMPARE(text.has_value(), accepted);
        if (accepted) QCOMPARE(*text, model);
    }

    void text_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << QByteArray() << QString();
        QTest::newRow("3") << QByteArray("P00") << QString();
        QTest::newRow("4") << QByteArray("P00X") << QStringLiteral("X");
        QTest::newRow("trailing CR kept") << QByteArray("P01123\r") << QStringLiteral("123\r");
        QTest::newRow("line break") << QByteArray("M05a\r\nb") << QStringLiteral("a\r\nb");
    }
    void text() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, text);
        QCOMPARE(textReply(reply), text);
    }
};

QTEST_GUILESS_MAIN(tst_commandset)
#include "tst_commandset.moc"
