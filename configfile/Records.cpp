// SPDX-License-Identifier: GPL-3.0-or-later
#include "configfile/Records.h"

#include <QIODevice>

#include "configfile/ConfigText.h"
#include "core/Codepage.h"

namespace records {

using configfile::Text;

namespace {
constexpr char Quote = '"';
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

bool isBlank(int c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(int c) {
    return c == '\r' || c == '\n';
}
}  // namespace

void RecordWriter::writeInteger(int value) {
    out += QByteArray::number(value);
    out += LineEnd;
}

void RecordWriter::writeText(const QString& text) {
    out += Quote;
    out += codepage::encode(text);
    out += Quote;
    out += LineEnd;
}

RecordReader::RecordReader(QIODevice& device) : dev(device) {}

QString RecordReader::deviceError() const {
    return dev.errorString();
}

bool RecordReader::fill() {
    if (atEnd || failed) return false;
    buffer.resize(ChunkBytes);
    pos = 0;
    const qint64 n = dev.read(buffer.data(), ChunkBytes);
    if (n < 0) {
        failed = true;
        buffer.clear();
        return false;
    }
    buffer.resize(n);
    if (n == 0) {
        atEnd = true;
        return false;
    }
    return true;
}

int RecordReader::peek() {
    if (pos >= buffer.size() && !fill()) return -1;
    return static_cast<unsigned char>(buffer[pos]);
}

int RecordReader::get() {
    const int c = peek();
    if (c >= 0) ++pos;
    return c;
}

bool RecordReader::takeSeparator() {
    const int c = peek();
    if (c == ',' || c == '\n') {
        get();
        return true;
    }
    if (c == '\r') {
        get();
        if (peek() == '\n') get();
        return true;
    }
    return false;
}

RecordReader::Status RecordReader::skipRestOfLine(qsizetype* used) {
    for (;;) {
        const int c = peek();
        if (c < 0) return failed ? Status::ReadError : Status::Ok;
        if (isLineEnd(c)) {
            takeSeparator();
            return Status::Ok;
        }
        get();
        if (++*used > MaxRecordBytes) return Status::TooLong;
    }
}

RecordReader::Status RecordReader::readRecord(QByteArray* bytes, bool* quoted) {
    bytes->clear();
    *quoted = false;
    qsizetype used = 0;

    int c = peek();
    while (isBlank(c)) {
        get();
        if (++used > MaxRecordBytes) return Status::TooLong;
        c = peek();
    }
    if (c < 0) return failed ? Status::ReadError : Status::EndOfFile;

    if (c != Quote) {
        for (;;) {
            c = peek();
            if (c < 0)
                return failed ? Status::ReadError
                              : Status::Ok;  // the last record may lack its CR LF
            if (c == ',' || isLineEnd(c)) {
                takeSeparator();
                return Status::Ok;
            }
            get();
            if (++used > MaxRecordBytes) return Status::TooLong;
            bytes->append(char(c));
        }
    }

    // The quotes themselves do not count, so any text read within the limit is written back
    // within it, whether it came quoted or bare.
    *quoted = true;
    get();
    for (;;) {
        c = get();
        if (c < 0)
            return failed ? Status::ReadError : Status::EndOfFile;  // cut off inside the quotes
        if (c == Quote) break;
        if (++used > MaxRecordBytes) return Status::TooLong;
        bytes->append(char(c));
    }
    c = peek();
    while (isBlank(c)) {
        get();
        if (++used > MaxRecordBytes) return Status::TooLong;
        c = peek();
    }
    if (c < 0) return failed ? Status::ReadError : Status::Ok;
    if (takeSeparator()) return Status::Ok;
    // Anything else means the text held a double quote of its own. The writer puts each record
    // on a line of its own, so dropping the rest of the line keeps every later record in place.
    return skipRestOfLine(&used);
}

RecordReader::Status RecordReader::readInteger(qint16* value) {
    QByteArray bytes;
    bool quoted = false;
    const Status raw = readRecord(&bytes, &quoted);
    if (raw != Status::Ok) return raw;
    if (quoted) return Status::NotANumber;

    // The number ends at the first blank; only blanks may follow it.
    qsizetype end = bytes.size();
    while (end > 0 && isBlank(bytes[end - 1]))
        --end;
    qsizetype i = 0;
    bool negative = false;
    if (i < end && (bytes[i] == '+' || bytes[i] == '-')) negative = bytes[i++] == '-';
    if (i == end) return Status::NotANumber;
    qint32 magnitude = 0;  // stops growing once past the range, so any number of digits is safe
    for (; i < end; ++i) {
        const char d = bytes[i];
        if (d < '0' || d > '9') return Status::NotANumber;
        if (magnitude <= 32768) magnitude = magnitude * 10 + (d - '0');
    }
    const qint32 result = negative ? -magnitude : magnitude;
    if (result < -32768 || result > 32767) return Status::OutOfRange;
    *value = qint16(result);
    ++count;
    return Status::Ok;
}

RecordReader::Status RecordReader::readText(QString* text) {
    QByteArray bytes;
    bool quoted = false;
    const Status raw = readRecord(&bytes, &quoted);
    if (raw != Status::Ok) return raw;
    *text = codepage::decode(bytes);
    ++count;
    return Status::Ok;
}

QString describe(RecordReader::Status status) {
    switch (status) {
        case RecordReader::Status::Ok:
            return Text::tr("no error");
        case RecordReader::Status::EndOfFile:
            return Text::tr("the file ends early");
        case RecordReader::Status::NotANumber:
            return Text::tr("a number was expected");
        case RecordReader::Status::OutOfRange:
            return Text::tr("the number is outside -32768 to 32767");
        case RecordReader::Status::TooLong:
            return Text::tr("the record is longer than 64 KiB");
        case RecordReader::Status::ReadError:
            return Text::tr("the file could not be read");
    }
    return {};
}

}  // namespace records
