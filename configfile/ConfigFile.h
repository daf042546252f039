// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <functional>

#include "core/ConfigurationSet.h"

class QIODevice;

// Saving and loading a ConfigurationSet as the tool's text file: one value per record, CR LF
// after each, Windows-1252.
namespace configfile {

// Outcome of a load. `set` holds everything read up to the point where reading stopped, laid
// over the configuration the load started from; `ok` is false when the file could not be read
// completely, and `error` then says why and at which record.
struct LoadResult {
    ConfigurationSet set;
    bool ok = true;
    int recordsRead = 0;
    QString error;
};

// What a record holds ("phone number 5", "the message of channel 3"), for messages that name
// records.
QString recordContent(int record);

// With phoneCount 16 the file ends after record 145, as a file holding phone numbers 1-16 only
// does, so loading it keeps the 17-32 already there instead of clearing them.
QByteArray serialize(const ConfigurationSet& set, int phoneCount = ConfigurationSet::PhoneCount);
LoadResult parse(QIODevice& device, const ConfigurationSet& base);

// The record of the first text, phone number or message, in file order that `holds` is true
// of; 0 when none.
int firstTextRecord(const ConfigurationSet& set, const std::function<bool(const QString&)>& holds);

// Atomic: an existing file is only replaced by a complete new one. On failure returns false
// and puts the reason into *error. A set with an unsavable text is refused whole.
bool save(const QString& path, const ConfigurationSet& set, QString* error,
          int phoneCount = ConfigurationSet::PhoneCount);
// The same for bytes already made, such as the JSON form. Only a regular file (or a symbolic
// link to one, whose target is replaced) or a new name is saved over: never a device, a pipe
// or a folder.
bool saveBytes(const QString& path, const QByteArray& bytes, QString* error);
LoadResult load(const QString& path, const ConfigurationSet& base);

}  // namespace configfile
