// SPDX-License-Identifier: GPL-3.0-or-later
#include "configfile/ConfigFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "configfile/ConfigText.h"
#include "configfile/Records.h"

namespace configfile {

namespace {

using records::RecordReader;
using Status = RecordReader::Status;

constexpr int FirstPhoneRecord = 2;      // phone numbers 1-16 in records 2-17
constexpr int FirstChannelRecord = 18;   // flag and message of channel 1 in records 18 and 19
constexpr int ClassicPhones = 16;        // the phone numbers every reader knows
constexpr int ClassicRecordCount = 145;  // what readers of the first format read
constexpr int ExtraPhoneRecord = 146;    // phone numbers 17-32 in records 146-161
constexpr int LastRecord = ExtraPhoneRecord + ConfigurationSet::PhoneCount - ClassicPhones - 1;

}  // namespace

QString recordContent(int record) {
    if (record == 1) return Text::tr("the slave ID");
    if (record < FirstChannelRecord)
        return Text::tr("phone number %1").arg(record - FirstPhoneRecord + 1);
    if (record <= ClassicRecordCount) {
        const int channel = (record - FirstChannelRecord) / 2 + 1;
        return (record - FirstChannelRecord) % 2 == 0
                   ? Text::tr("the flag of channel %1").arg(channel)
                   : Text::tr("the message of channel %1").arg(channel);
    }
    return Text::tr("phone number %1").arg(record - ExtraPhoneRecord + ClassicPhones + 1);
}

namespace {

// Where a value lives in the file: a 0-based phone slot, a 0-based channel's message.
int phoneRecord(int slot) {
    return slot < ClassicPhones ? FirstPhoneRecord + slot : ExtraPhoneRecord + slot - ClassicPhones;
}

int messageRecord(int channel) {
    return FirstChannelRecord + 2 * channel + 1;
}

void stop(LoadResult& result, const RecordReader& reader, Status status, int record) {
    result.ok = false;
    QString why = records::describe(status);
    if (status == Status::ReadError) why += QStringLiteral(" (%1)").arg(reader.deviceError());
    result.error = Text::tr("Loading stopped at record %1 (%2): %3.")
                       .arg(record)
                       .arg(recordContent(record), why);
}

}  // namespace

QByteArray serialize(const ConfigurationSet& set, int phoneCount) {
    records::RecordWriter writer;
    writer.writeInteger(set.slaveId);
    for (int k = 0; k < ClassicPhones; ++k)
        writer.writeText(set.phoneNo[k]);
    for (int k = 0; k < ConfigurationSet::ChannelCount; ++k) {
        writer.writeInteger(set.enabled(k) ? FlagTrue : FlagFalse);
        writer.writeText(set.channelMessage[k]);
    }
    // Readers of the first format stop after record 145, so the other numbers go at the end.
    if (phoneCount <= ClassicPhones) return writer.bytes();
    for (int k = ClassicPhones; k < ConfigurationSet::PhoneCount; ++k)
        writer.writeText(set.phoneNo[k]);
    return writer.bytes();
}

LoadResult parse(QIODevice& device, const ConfigurationSet& base) {
    LoadResult result;
    result.set = base;
    RecordReader reader(device);
    auto finish = [&](Status status, int record) {
        result.recordsRead = reader.recordsRead();
        if (status != Status::Ok) stop(result, reader, status, record);
        return result;
    };

    qint16 slaveId = 0;
    Status status = reader.readInteger(&slaveId);
    if (status != Status::Ok) return finish(status, 1);
    // Any 16-bit value is a readable record, but only 0-31 names an entry of the list.
    if (slaveId >= 0 && slaveId < ConfigurationSet::SlaveIdCount) result.set.slaveId = slaveId;

    QString text;
    for (int k = 0; k < ClassicPhones; ++k) {
        status = reader.readText(&text);
        if (status != Status::Ok) return finish(status, FirstPhoneRecord + k);
        result.set.setPhoneNo(k, text);
    }

    for (int k = 0; k < ConfigurationSet::ChannelCount; ++k) {
        const int record = FirstChannelRecord + 2 * k;
        qint16 flag = 0;
        status = reader.readInteger(&flag);
        if (status != Status::Ok) return finish(status, record);
        // A channel changes only once both of its records are in.
        status = reader.readText(&text);
        if (status != Status::Ok) return finish(status, record + 1);
        result.set.channelEnable[k] = flag != 0 ? FlagTrue : FlagFalse;
        result.set.channelMessage[k] = text;
    }

    for (int record = ExtraPhoneRecord; record <= LastRecord; ++record) {
        status = reader.readText(&text);
        // A file of the first format ends here and is complete.
        if (status == Status::EndOfFile && record == ExtraPhoneRecord) return finish(Status::Ok, 0);
        if (status != Status::Ok) return finish(status, record);
        const int slot = record - ExtraPhoneRecord + ClassicPhones;
        result.set.setPhoneNo(slot, text);
    }
    // Whatever follows is not ours to read.
    return finish(Status::Ok, 0);
}

int firstTextRecord(const ConfigurationSet& set, const std::function<bool(const QString&)>& holds) {
    // In file order: phone numbers 1-16, the messages, phone numbers 17-32.
    for (int k = 0; k < ClassicPhones; ++k)
        if (holds(set.phoneNo[size_t(k)])) return phoneRecord(k);
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        if (holds(set.channelMessage[size_t(i)])) return messageRecord(i);
    for (int k = ClassicPhones; k < ConfigurationSet::PhoneCount; ++k)
        if (holds(set.phoneNo[size_t(k)])) return phoneRecord(k);
    return 0;
}

namespace {

// The first text a record file cannot hold (one holding a double quote, which would end it
// early and shift every later record), named as recordContent() does; empty when none.
QString unsavableText(const ConfigurationSet& set) {
    const int record =
        firstTextRecord(set, [](const QString& text) { return text.contains(u'"'); });
    return record == 0 ? QString() : recordContent(record);
}

}  // namespace

bool save(const QString& path, const ConfigurationSet& set, QString* error, int phoneCount) {
    const QString refused = unsavableText(set);
    if (refused.isEmpty()) return saveBytes(path, serialize(set, phoneCount), error);
    if (error)
        *error = Text::tr(
                     "%1 holds a double quote (\"), which a record file "
                     "cannot hold; save as JSON instead")
                     .arg(refused);
    return false;
}

bool saveBytes(const QString& path, const QByteArray& bytes, QString* error) {
    auto fail = [error](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    // QSaveFile would put a regular file in the place of a device or a pipe; exists() and
    // isFile() follow a symbolic link, so a link to a regular file still replaces its target.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(Text::tr("%1 exists and is not a regular file; give a new "
                             "name or a regular file")
                        .arg(path));
    QSaveFile file(path);
    // Unbuffered, so every write reaches the system at once and its failure is seen here: a
    // buffered write can fail later unnoticed and still let commit() replace the file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(file.errorString());
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fail(reason);
        }
        done += n;
    }
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}

LoadResult load(const QString& path, const ConfigurationSet& base) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LoadResult result;
        result.set = base;
        result.ok = false;
        result.error = Text::tr("The file could not be opened: %1.").arg(file.errorString());
        return result;
    }
    return parse(file, base);
}

}  // namespace configfile
