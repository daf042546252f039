#include <QBuffer>
#include <QtTest>

#include "Records.h"

using records::RecordReader;
using records::RecordWriter;
using Status = RecordReader::Status;

Q_DECLARE_METATYPE(RecordReader::Status)

namespace {

// Reads text records until the first failure; returns the texts and that failure.
QStringList readTexts(const QByteArray& bytes, Status* last) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    RecordReader reader(buffer);
    QStringList texts;
    QString text;
    for (int i = 0; i < 100; ++i) {
        *last = reader.readText(&text);
        if (*last != Status::Ok) break;
        texts << text;
    }
    return texts;
}

// A device that always fails to read.
class BrokenDevice : public QIODevice {
protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

}  // namespace

class tst_records : public QObject {
    Q_OBJECT
private slots:
    void writer_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zero") << QVariant(0) << QByteArray("0\r\n");
        QTest::newRow("minus one") << QVariant(-1) << QByteArray("-1\r\n");
        QTest::newRow("slave 31") << QVariant(31) << QByteArray("31\r\n");
        QTest::newRow("empty text") << QVariant(QString()) << QByteArray("\"\"\r\n");
        QTest::newRow("comma and line break kept")
            << QVariant(QStringLiteral("a, b\r\nc")) << QByteArray("\"a, b\r\nc\"\r\n");
        QTest::newRow("quote written as it is")
            << QVariant(QStringLiteral("say \"hi\"")) << QByteArray("\"say \"hi\"\"\r\n");
        QTest::newRow("windows-1252")
            << QVariant(QStringLiteral("\u00e9\u20ac\u00ff")) << QByteArray("\"\xe9\x80\xff\"\r\n");
        QTest::newRow("outside the code page") << QVariant(QStringLiteral("a\u4e2db"))
                                               << QByteArray(
                                                      "\"a\x1a"
                                                      "b\"\r\n");
    }
    void writer() {
        QFETCH(QVariant, value);
        QFETCH(QByteArray, bytes);
        RecordWriter writer;
        if (value.typeId() == QMetaType::Int)
            writer.writeInteger(value.toInt());
        else
            writer.writeText(value.toString());
        QCOMPARE(writer.bytes(), bytes);
    }

    // Every byte but the quote survives a write and a read unchanged.
    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '"') all.append(char(b));
        Status status = Status::Ok;
        const QStringList texts = readTexts('"' + all + "\"\r\n", &status);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0].size(), 255);
        // Byte 0x80 sits one place early, the quote being left out: Windows-1252, not Latin-1.
        QCOMPARE(texts[0].at(0x80 - 1), QChar(0x20ac));
        RecordWriter writer;
        writer.writeText(texts[0]);
        QCOMPARE(writer.bytes(), '"' + all + "\"\r\n");
    }

    void separators_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<Status>("end");
        const Status eof = Status::EndOfFile;
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"} << eof;
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"} << eof;
        QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"} << eof;
        QTest::newRow("comma") << QByteArray("a,b,\"c\"") << QStringList{"a", "b", "c"} << eof;
        QTest::newRow("LF CR is two separators")
            << QByteArray("a\n\rb") << QStringList{"a", "", "b"} << eof;
        QTest::newRow("empty line is an empty record")
            << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"} << eof;
        QTest::newRow("blanks before a record skipped")
            << QByteArray("  a\r\n \t\"b \"\r\n") << QStringList{"a", "b "} << eof;
        QTest::newRow("blanks after the last record are no record")
            << QByteArray("a\r\n   ") << QStringList{"a"} << eof;
        QTest::newRow("last record without line end")
            << QByteArray("a\r\n\"b\"") << QStringList{"a", "b"} << eof;
        QTest::newRow("quoted text keeps commas and line breaks")
            << QByteArray("\"x,y\r\nz\rw\nv\"\r\n1") << QStringList{"x,y\r\nz\rw\nv", "1"} << eof;
        QTest::newRow("unquoted text runs to the separator")
            << QByteArray("a b\" c,d") << QStringList{"a b\" c", "d"} << eof;
        QTest::newRow("blanks after the closing quote")
            << QByteArray("\"a\"  ,\"b\"  \r\n") << QStringList{"a", "b"} << eof;
        QTest::newRow("quote inside a quoted text: rest of the line dropped")
            << QByteArray("\"say \"hi\" now\"\r\n\"next\"\r\n") << QStringList{"say ", "next"}
            << eof;
        QTest::newRow("quote inside, commas behind it do not split")
            << QByteArray("\"x \"y, z\" w\"\r\n\"b\"") << QStringList{"x ", "b"} << eof;
        QTest::newRow("doubled quote is no escape")
            << QByteArray("\"a\"\"b\"\r\nc") << QStringList{"a", "c"} << eof;
        QTest::newRow("file cut inside the quotes")
            << QByteArray("a\r\n\"unfinished") << QStringList{"a"} << eof;
        QTest::newRow("empty file") << QByteArray() << QStringList{} << eof;
    }
    void separators() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, texts);
        QFETCH(Status, end);
        Status last = Status::Ok;
        QCOMPARE(readTexts(bytes, &last), texts);
        QCOMPARE(last, end);
    }

    void integers_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Status>("status");
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << QByteArray("0\r\n") << Status::Ok << 0;
        QTest::newRow("minus one") << QByteArray("-1\r\n") << Status::Ok << -1;
        QTest::newRow("plus sign") << QByteArray("+5\r\n") << Status::Ok << 5;
        QTest::newRow("leading zeros") << QByteArray("0012") << Status::Ok << 12;
        QTest::newRow("blanks around") << QByteArray("  7 \t\r\n") << Status::Ok << 7;
        QTest::newRow("comma ends it") << QByteArray("3,4") << Status::Ok << 3;
        QTest::newRow("largest") << QByteArray("32767\r\n") << Status::Ok << 32767;
        QTest::newRow("smallest") << QByteArray("-32768\r\n") << Status::Ok << -32768;
        QTest::newRow("one above") << QByteArray("32768\r\n") << Status::OutOfRange << 0;
        QTest::newRow("one below") << QByteArray("-32769\r\n") << Status::OutOfRange << 0;
        QTest::newRow("many digits")
            << QByteArray("99999999999999999999999\r\n") << Status::OutOfRange << 0;
        QTest::newRow("empty record") << QByteArray("\r\n5") << Status::NotANumber << 0;
        QTest::newRow("letters") << QByteArray("abc\r\n") << Status::NotANumber << 0;
        QTest::newRow("digits then letters") << QByteArray("1a\r\n") << Status::NotANumber << 0;
        QTest::newRow("two numbers") << QByteArray("1 2\r\n") << Status::NotANumber << 0;
        QTest::newRow("sign alone") << QByteArray("-\r\n") << Status::NotANumber << 0;
        QTest::newRow("quoted number") << QByteArray("\"5\"\r\n") << Status::NotANumber << 0;
        QTest::newRow("decimal point") << QByteArray("1.5\r\n") << Status::NotANumber << 0;
        QTest::newRow("end of file") << QByteArray("  ") << Status::EndOfFile << 0;
    }
    void integers() {
        QFETCH(QByteArray, bytes);
        QFETCH(Status, status);
        QFETCH(int, value);
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        RecordReader reader(buffer);
        qint16 read = 1234;
        QCOMPARE(reader.readInteger(&read), status);
        if (status == Status::Ok) {
            QCOMPARE(int(read), value);
            QCOMPARE(reader.recordsRead(), 1);
        } else {
            QCOMPARE(int(read), 1234);  // nothing stored on failure
            QCOMPARE(reader.recordsRead(), 0);
        }
    }

    // The record limit counts leading blanks and everything up to the separator.
    void recordLength_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Status>("status");
        const QByteArray limit(RecordReader::MaxRecordBytes, 'a');
        QTest::newRow("64 KiB unquoted") << limit + "\r\n" << Status::Ok;
        QTest::newRow("64 KiB + 1 unquoted") << limit + "a\r\n" << Status::TooLong;
        QTest::newRow("100 KiB quoted") << '"' + QByteArray(100 * 1024, 'q') + "\"\r\n"
                                        << Status::TooLong;
        QTest::newRow("100 KiB unquoted, no separator")
            << QByteArray(100 * 1024, 'x') << Status::TooLong;
        QTest::newRow("blanks count") << QByteArray(70 * 1024, ' ') + "a" << Status::TooLong;
        QTest::newRow("junk after the closing quote counts")
            << "\"a\"" + QByteArray(70 * 1024, 'j') + "\r\n"
            << Status::TooLong;
    }
    void recordLength() {
        QFETCH(QByteArray, bytes);
        QFETCH(Status, status);
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        RecordReader reader(buffer);
        QString text;
        QCOMPARE(reader.readText(&text), status);
        if (status == Status::Ok) QCOMPARE(text.size(), RecordReader::MaxRecordBytes);
    }

    // A CR LF split across two reads of the device is still one separator.
    void lineEndAcrossChunks() {
        const QByteArray first(RecordReader::ChunkBytes - 1, 'a');
        Status last = Status::Ok;
        const QStringList texts = readTexts(first + "\r\n\"b\"\r\n", &last);
        QCOMPARE(texts, (QStringList{QString::fromLatin1(first), "b"}));
        QCOMPARE(last, Status::EndOfFile);
    }

    void readError() {
        BrokenDevice device;
        device.open(QIODevice::ReadOnly);
        RecordReader reader(device);
        QString text;
        QCOMPARE(reader.readText(&text), Status::ReadError);
        qint16 value = 0;
        QCOMPARE(reader.readInteger(&value), Status::ReadError);
    }
};

QTEST_GUILESS_MAIN(tst_records)
#include "tst_records.moc"
