// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "core/ConfigurationSet.h"

// One value of one unit, laid over a template configuration before it is written:
//   slave-id            0..31
//   phone.N             N 1..32, any text the unit can hold ("" clears it)
//   channel.N.enabled   N 1..64, yes or no
//   channel.N.message   N 1..64, any text the unit can hold
namespace provision {

struct Assignment {
    QString name;
    QString value;
    QString origin;  // where it was given, for messages: "--set" or "UNITS.csv line 3, column 2"
};

// The outcome of checking or applying one assignment. A refusal names the origin and the name;
// a note is something worth saying about a value that is nonetheless used.
struct Verdict {
    QString error;
    QString note;
    bool ok() const { return error.isEmpty(); }
};

// "NAME=VALUE", split at the first "="; the value may be empty or hold further "=". Nothing
// when there is no "=" or no name; the name itself is judged by check()/apply().
std::optional<Assignment> parseAssignment(const QString& text, const QString& origin);

// Empty when `name` is one of the names above, else why not (for a sheet's header).
QString checkName(const QString& name);

// The phone number (1-based) that `name` sets; 0 for every other name.
int phoneOf(const QString& name);

// Whether the value is one the unit can hold, without changing anything.
Verdict check(const Assignment& assignment);
// check(), then the value into `set`; `set` is left as it was when refused.
Verdict apply(const Assignment& assignment, ConfigurationSet* set);

}  // namespace provision
