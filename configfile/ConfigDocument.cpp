#include "ConfigDocument.h"

#include <QBuffer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ConfigFile.h"
#include "ConfigJson.h"

namespace {

constexpr int ClassicPhones = 16;
constexpr int ClassicRecordCount = 145;

// The parser cuts phone numbers to 15 characters and keeps messages whole, so phones are judged
// by the lengths it read. The first value over its limit in file order is named.
QString checkLimits(const ConfigFile::LoadResult& loaded) {
    struct Value {
        int record;
        qsizetype size;
        int max;
    };
    std::vector<Value> values;
    values.reserve(ConfigurationSet::PhoneCount + ConfigurationSet::ChannelCount);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        values.push_back({ConfigFile::phoneRecord(k), loaded.phoneLengths[size_t(k)],
                          ConfigurationSet::PhoneMaxLength});
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        values.push_back({ConfigFile::messageRecord(i), loaded.set.channelMessage[size_t(i)].size(),
                          ConfigurationSet::MessageMaxLength});
    std::sort(values.begin(), values.end(),
              [](const Value& a, const Value& b) { return a.record < b.record; });
    for (const Value& v : values)
        if (v.size > v.max)
            return QStringLiteral("record %1 (%2): %3 characters, at most %4")
                .arg(v.record)
                .arg(ConfigFile::recordContent(v.record))
                .arg(v.size)
                .arg(v.max);
    return {};
}

}  // namespace

ConfigDocument ConfigDocument::parse(const QByteArray& bytes) {
    ConfigDocument doc;
    if (ConfigJson::looksLikeJson(bytes)) {
        const ConfigJson::ParseResult json = ConfigJson::parse(bytes);
        doc.set = json.set;
        doc.ok = json.ok;
        doc.phoneCount = json.phoneCount;
        doc.error = json.error;
        return doc;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // The parser keeps the base slave ID for a value outside 0..31; -1 shows that happened.
    ConfigurationSet base;
    base.slaveId = -1;
    const ConfigFile::LoadResult loaded = ConfigFile::parse(buffer, base);
    doc.set = loaded.set;
    if (!loaded.ok) {
        doc.error = loaded.error;
        return doc;
    }
    if (doc.set.slaveId < 0) {
        doc.error = QStringLiteral("record 1 (the slave ID): outside 0..%1")
                        .arg(ConfigurationSet::SlaveIdCount - 1);
        return doc;
    }
    doc.error = checkLimits(loaded);
    if (!doc.error.isEmpty()) return doc;
    doc.phoneCount =
        loaded.recordsRead <= ClassicRecordCount ? ClassicPhones : ConfigurationSet::PhoneCount;
    doc.ok = true;
    return doc;
}

ConfigDocument ConfigDocument::load(const QString& path) {
    QFile file;
    const bool opened = path == QStringLiteral("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        ConfigDocument doc;
        doc.error = QStringLiteral("cannot be opened: %1").arg(file.errorString());
        return doc;
    }
    // A configuration is a few kilobytes; anything far larger is not one.
    constexpr qint64 MaxBytes = 4 * 1024 * 1024;
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes) {
        ConfigDocument doc;
        doc.error = QStringLiteral("larger than %1 bytes").arg(MaxBytes);
        return doc;
    }
    if (file.error() != QFileDevice::NoError) {
        ConfigDocument doc;
        doc.error = QStringLiteral("cannot be read: %1").arg(file.errorString());
        return doc;
    }
    return parse(bytes);
}

QStringList differences(const ConfigurationSet& left, const ConfigurationSet& right,
                        int phoneCount) {
    QStringList lines;
    if (left.slaveId != right.slaveId)
        lines << QStringLiteral("slave-id: %1 -> %2").arg(left.slaveId).arg(right.slaveId);
    for (int k = 0; k < qBound(0, phoneCount, ConfigurationSet::PhoneCount); ++k)
        if (left.phoneNo[k] != right.phoneNo[k])
            lines << QStringLiteral("phone %1: %2 -> %3")
                         .arg(k + 1)
                         .arg(ConfigJson::literal(left.phoneNo[k]),
                              ConfigJson::literal(right.phoneNo[k]));
    auto yesNo = [](bool on) { return on ? QStringLiteral("yes") : QStringLiteral("no"); };
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        if (left.enabled(i) != right.enabled(i))
            lines << QStringLiteral("channel %1 enabled: %2 -> %3")
                         .arg(i + 1)
                         .arg(yesNo(left.enabled(i)), yesNo(right.enabled(i)));
        if (left.channelMessage[i] != right.channelMessage[i])
            lines << QStringLiteral("channel %1 message: %2 -> %3")
                         .arg(i + 1)
                         .arg(ConfigJson::literal(left.channelMessage[i]),
                              ConfigJson::literal(right.channelMessage[i]));
    }
    return lines;
}
