// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QIODevice;

// The record layer of the configuration file: one value per record, integers bare, texts between
// double quotes, CR LF after each record, Windows-1252. It knows nothing about what the records
// mean; configfile::save puts them in order.
namespace records {

// Builds a file in memory; a whole configuration is a few kilobytes.
class RecordWriter {
public:
    void writeInteger(int value);
    // Written as it is: nothing inside is escaped, so a double quote in the text cannot be read
    // back as part of it. Characters Windows-1252 lacks become 0x1A.
    void writeText(const QString& text);

    const QByteArray& bytes() const { return out; }

private:
    QByteArray out;
};

// Reads records one at a time from a device, in bounded chunks, so a huge or endless file costs
// no more memory than one record.
class RecordReader {
public:
    enum class Status {
        Ok,
        EndOfFile,   // the file ends where this record should begin (or inside a quoted text)
        NotANumber,  // an integer was due
        OutOfRange,  // an integer outside -32768..32767
        TooLong,     // the record is longer than MaxRecordBytes
        ReadError,   // the device reported an error
    };

    // Leading blanks and anything after a closing quote count; the quotes do not.
    static constexpr qsizetype MaxRecordBytes = 64 * 1024;
    static constexpr qsizetype ChunkBytes = 16 * 1024;

    explicit RecordReader(QIODevice& device);

    Status readInteger(qint16* value);
    Status readText(QString* text);

    int recordsRead() const { return count; }
    QString deviceError() const;

private:
    // Next raw record: its bytes without leading blanks and separator, and whether it was quoted.
    // Fails only with EndOfFile, TooLong or ReadError.
    Status readRecord(QByteArray* bytes, bool* quoted);
    // -1 at the end of the file or on a read error (see failed).
    int peek();
    int get();
    bool fill();
    // Consumes one separator if one is next: CR LF, CR, LF or comma. False if none is next.
    bool takeSeparator();
    // Skips to the end of the line (or of the file); bounded by the record budget.
    Status skipRestOfLine(qsizetype* used);

    QIODevice& dev;
    QByteArray buffer;
    qsizetype pos = 0;
    bool atEnd = false;
    bool failed = false;
    int count = 0;
};

// Words for a status, for messages ("the file ends early", ...).
QString describe(RecordReader::Status status);

}  // namespace records
