// SPDX-License-Identifier: GPL-3.0-or-later
#include "configfile/ConfigDocument.h"

#include <QBuffer>

#include "configfile/ConfigFile.h"
#include "configfile/ConfigJson.h"
#include "configfile/ConfigText.h"
#include "core/InputFile.h"

namespace {

using configfile::Text;
constexpr int ClassicPhones = 16;
constexpr int ClassicRecordCount = 145;
// A configuration is a few kilobytes; anything far larger is not one.
constexpr qint64 MaxBytes = 4 * 1024 * 1024;

// Texts are kept whole: units keep what they are sent, and a file the tool saved must restore
// the unit it came from. Only the window's editor has shorter limits, so those earn a note.
QStringList lengthNotes(const ConfigurationSet& set, int phoneCount) {
    QStringList notes;
    auto note = [&notes](const QString& what, const QString& text, int max) {
        if (text.size() > max)
            notes << Text::tr("%1: %2 characters; the window's editor cuts it to %3 when edited")
                         .arg(what, QString::number(text.size()), QString::number(max));
    };
    for (int k = 0; k < phoneCount; ++k)
        note(Text::tr("phone %1").arg(k + 1), set.phoneNo[size_t(k)],
             ConfigurationSet::PhoneMaxLength);
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        note(Text::tr("channel %1 message").arg(i + 1), set.channelMessage[size_t(i)],
             ConfigurationSet::MessageMaxLength);
    return notes;
}

// The first text, in file order, that would reach the unit cut short.
QString checkLine(const ConfigurationSet& set) {
    const int record = configfile::firstTextRecord(set, ConfigurationSet::cutOnTheLine);
    if (record == 0) return {};
    return Text::tr("record %1 (%2): %3")
        .arg(QString::number(record), configfile::recordContent(record),
             Text::tr("holds NUL followed by CR, where the unit's line ends a text; "
                      "remove them"));
}

}  // namespace

ConfigDocument ConfigDocument::parse(const QByteArray& bytes) {
    ConfigDocument doc;
    if (configjson::looksLikeJson(bytes)) {
        const configjson::ParseResult json = configjson::parse(bytes);
        doc.set = json.set;
        doc.ok = json.ok;
        doc.phoneCount = json.phoneCount;
        doc.error = json.error;
        if (doc.ok) doc.notes = lengthNotes(doc.set, doc.phoneCount);
        return doc;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // The parser keeps the base slave ID for a value outside 0..31; -1 shows that happened.
    ConfigurationSet base;
    base.slaveId = -1;
    const configfile::LoadResult loaded = configfile::parse(buffer, base);
    doc.set = loaded.set;
    if (!loaded.ok) {
        doc.error = loaded.error;
        return doc;
    }
    if (doc.set.slaveId < 0) {
        doc.error = Text::tr("record 1 (the slave ID): outside 0..%1")
                        .arg(ConfigurationSet::SlaveIdCount - 1);
        return doc;
    }
    doc.error = checkLine(doc.set);
    if (!doc.error.isEmpty()) return doc;
    doc.phoneCount =
        loaded.recordsRead <= ClassicRecordCount ? ClassicPhones : ConfigurationSet::PhoneCount;
    doc.notes = lengthNotes(doc.set, doc.phoneCount);
    doc.ok = true;
    return doc;
}

ConfigDocument ConfigDocument::load(const QString& path) {
    QByteArray bytes;
    QString reason;
    ConfigDocument refused;
    switch (input::readAtMost(path, MaxBytes, &bytes, &reason)) {
        case input::Status::CannotOpen:
            refused.error = Text::tr("cannot be opened: %1").arg(reason);
            return refused;
        case input::Status::CannotRead:
            refused.error = Text::tr("cannot be read: %1").arg(reason);
            return refused;
        case input::Status::Ok:
            break;
    }
    if (bytes.size() > MaxBytes) {
        refused.error = Text::tr("larger than %1 bytes").arg(MaxBytes);
        return refused;
    }
    return parse(bytes);
}

void Difference::copy(const ConfigurationSet& from, ConfigurationSet* to) const {
    switch (item) {
        case Item::SlaveId:
            to->slaveId = from.slaveId;
            break;
        case Item::Phone:
            to->phoneNo[size_t(index)] = from.phoneNo[size_t(index)];
            break;
        case Item::Enabled:
            to->channelEnable[size_t(index)] = from.channelEnable[size_t(index)];
            break;
        case Item::Message:
            to->channelMessage[size_t(index)] = from.channelMessage[size_t(index)];
            break;
    }
}

QList<Difference> differingValues(const ConfigurationSet& left, const ConfigurationSet& right,
                                  int phoneCount) {
    using Item = Difference::Item;
    QList<Difference> found;
    if (left.slaveId != right.slaveId) found.append({Item::SlaveId, 0});
    for (int k = 0; k < qBound(0, phoneCount, ConfigurationSet::PhoneCount); ++k)
        if (left.phoneNo[size_t(k)] != right.phoneNo[size_t(k)]) found.append({Item::Phone, k});
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        if (left.enabled(i) != right.enabled(i)) found.append({Item::Enabled, i});
        if (left.channelMessage[size_t(i)] != right.channelMessage[size_t(i)])
            found.append({Item::Message, i});
    }
    return found;
}

QStringList differences(const ConfigurationSet& left, const ConfigurationSet& right,
                        int phoneCount) {
    using Item = Difference::Item;
    auto yesNo = [](bool on) { return on ? QStringLiteral("yes") : QStringLiteral("no"); };
    QStringList lines;
    for (const Difference& d : differingValues(left, right, phoneCount)) {
        const auto at = size_t(d.index);
        const int number = d.index + 1;
        switch (d.item) {
            case Item::SlaveId:
                lines << QStringLiteral("slave-id: %1 -> %2").arg(left.slaveId).arg(right.slaveId);
                break;
            case Item::Phone:
                lines << QStringLiteral("phone %1: %2 -> %3")
                             .arg(number)
                             .arg(configjson::literal(left.phoneNo[at]),
                                  configjson::literal(right.phoneNo[at]));
                break;
            case Item::Enabled:
                lines << QStringLiteral("channel %1 enabled: %2 -> %3")
                             .arg(number)
                             .arg(yesNo(left.enabled(d.index)), yesNo(right.enabled(d.index)));
                break;
            case Item::Message:
                lines << QStringLiteral("channel %1 message: %2 -> %3")
                             .arg(number)
                             .arg(configjson::literal(left.channelMessage[at]),
                                  configjson::literal(right.channelMessage[at]));
                break;
        }
    }
    return lines;
}
