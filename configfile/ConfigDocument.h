// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/ConfigurationSet.h"

// A configuration as a file holds it: either the record file (145 or 161 records) or the JSON
// form, and which of its values the file actually carries. A 145-record file, or JSON with 16
// phones, holds phone numbers 1-16 only; 17-32 are not part of it and must not be compared or
// overwritten from it.
struct ConfigDocument {
    ConfigurationSet set;
    int phoneCount = ConfigurationSet::PhoneCount;  // phones 1..phoneCount are in the file
    bool ok = false;
    QString error;  // why the file was refused, naming the record or JSON value
    // Texts longer than the window's editor takes (a phone number over 15 characters, a message
    // over 160): kept whole, since the unit holds them, but worth saying. One line each.
    QStringList notes;

    bool holdsAllPhones() const { return phoneCount == ConfigurationSet::PhoneCount; }

    // Detects the form by a leading "{". A record file must be complete with a slave ID 0..31;
    // its texts are whatever its records hold.
    static ConfigDocument parse(const QByteArray& bytes);
    // `path` "-" reads standard input.
    static ConfigDocument load(const QString& path);
};

// One value that differs between two configurations.
struct Difference {
    enum class Item { SlaveId, Phone, Enabled, Message };
    Item item = Item::SlaveId;
    int index = 0;  // the phone slot or channel, from 0; 0 for the slave ID

    // The value of `from` into `to`; the rest of `to` stays.
    void copy(const ConfigurationSet& from, ConfigurationSet* to) const;
    friend bool operator==(const Difference&, const Difference&) = default;
};

// Every value that differs between `left` and `right`, phones 1..phoneCount only, in the order
// of the lines below.
QList<Difference> differingValues(const ConfigurationSet& left, const ConfigurationSet& right,
                                  int phoneCount = ConfigurationSet::PhoneCount);

// One line per value that differs between `left` and `right`, phones 1..phoneCount only; names
// are 1-based and texts JSON string literals:
//   slave-id: 3 -> 5
//   phone 7: "0123" -> ""
//   channel 12 enabled: yes -> no
//   channel 12 message: "a" -> "b"
QStringList differences(const ConfigurationSet& left, const ConfigurationSet& right,
                        int phoneCount = ConfigurationSet::PhoneCount);
