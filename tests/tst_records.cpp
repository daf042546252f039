#include <QBuffer>
#include <QtTest>

#include "Records.h"

using records::RecordReader;
using Status = RecordReader::Status;

class tst_records : public QObject {
    Q_OBJECT
private slots:
    // `kinds` says what to read: t for a text record, i for an integer. `values` is what was
    // read, then the status that ended reading ("end" for the end of the file).
    void reader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QStringList>("values");
        auto row = [](const char* name, const QByteArray& bytes, const char* kinds,
                      const QStringList& values) {
            QTest::newRow(name) << bytes << QString::fromLatin1(kinds) << values;
        };
        row("CR LF, CR, LF, comma", "a\r\nb\rc\nd,e", "tttttt", {"a", "b", "c", "d", "e", "end"});
        row("LF CR and empty lines", "a\n\rb\r\n\r\n", "ttttt", {"a", "", "b", "", "end"});
        row("blanks before a record", "  a\r\n \t\"b \"\r\n   ", "ttt", {"a", "b ", "end"});
        row("quoted: commas and breaks", "\"x,y\r\nz\"  ,1", "tt", {"x,y\r\nz", "1"});
        row("unquoted runs to separator", "a b\" c,d", "tt", {"a b\" c", "d"});
        row("quote inside: rest of line dropped", "\"say \"hi, you\" now\"\r\n\"b\"\r\n1", "tti",
            {"say ", "b", "1"});
        row("cut inside the quotes", "a\r\n\"unfinished", "tt", {"a", "end"});
        row("integers", "0\r\n-1\r\n+5\r\n0012, 7 \t\r\n32767\n-32768", "iiiiiiii",
            {"0", "-1", "5", "12", "7", "32767", "-32768", "end"});
        row("32768", "32768\r\n", "i", {"range"});
        row("-32769", "-32769\r\n", "i", {"range"});
        row("many digits", "99999999999999999999999\r\n", "i", {"range"});
        row("empty integer", "\r\n5", "i", {"nan"});
        row("letters", "1a\r\n", "i", {"nan"});
        row("two numbers", "1 2\r\n", "i", {"nan"});
        row("sign alone", "-\r\n", "i", {"nan"});
        row("quoted number", "\"5\"\r\n", "i", {"nan"});
        const QByteArray limit(RecordReader::MaxRecordBytes, 'a');
        row("64 KiB", limit + "\r\n1", "ti", {QString::fromLatin1(limit), "1"});
        row("64 KiB + 1", limit + "a\r\n", "t", {"long"});
        row("64 KiB quoted", '"' + limit + '"', "t", {QString::fromLatin1(limit)});
        row("100 KiB quoted", '"' + QByteArray(100 * 1024, 'q') + '"', "t", {"long"});
        row("blanks count", QByteArray(70 * 1024, ' ') + "a", "t", {"long"});
        // CR LF split across two reads of the device is still one separator.
        const QByteArray seam(RecordReader::ChunkBytes - 1, 's');
        row("CR LF across a chunk seam", seam + "\r\nb", "ttt",
            {QString::fromLatin1(seam), "b", "end"});
    }
    void reader() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, kinds);
        QFETCH(QStringList, values);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        RecordReader reader(buffer);
        QStringList read;
        int ok = 0;
        for (const QChar kind : kinds) {
            QString text;
            qint16 number = 0;
            const Status status =
                kind == 'i' ? reader.readInteger(&number) : reader.readText(&text);
            if (status == Status::Ok) {
                read << (kind == 'i' ? QString::number(number) : text);
                ++ok;
                continue;
            }
            const QMap<Status, QString> names{{Status::EndOfFile, "end"},
                                              {Status::NotANumber, "nan"},
                                              {Status::OutOfRange, "range"},
                                              {Status::TooLong, "long"}};
            read << names.value(status, "?");
            break;
        }
        QCOMPARE(read, values);
        QCOMPARE(reader.recordsRead(), ok);
    }
};

QTEST_GUILESS_MAIN(tst_records)
#include "tst_records.moc"
