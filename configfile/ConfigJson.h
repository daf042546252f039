// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "core/ConfigurationSet.h"

// The configuration as JSON, for scripts:
//   {"slaveId":N,"phones":[16 or 32 strings],"channels":[64 x {"enabled":bool,"message":string}]}
// Texts are Unicode. Reading is strict: anything the unit could not take (a slave ID outside
// 0..31, a character Windows-1252 lacks, a text longer than a record file's record holds) is
// refused rather than cut, so what is written is what the file says.
namespace configjson {

// Only phones 1..phoneCount are written (16 or 32), so a file that holds 16 stays 16.
QByteArray serialize(const ConfigurationSet& set, int phoneCount = ConfigurationSet::PhoneCount);

struct ParseResult {
    ConfigurationSet set;
    int phoneCount = 0;  // 16 or 32 when ok
    bool ok = false;
    QString error;  // names the offending value, e.g. "channels[12].message: not a string"
};
// Phones the JSON does not hold keep their value from `base`.
ParseResult parse(const QByteArray& bytes, const ConfigurationSet& base = {});

// True when `bytes` start (after blanks) with "{": the JSON form rather than a record file.
bool looksLikeJson(const QByteArray& bytes);

// `text` as a JSON string literal, quotes included; used wherever a text is shown.
QString literal(const QString& text);

}  // namespace configjson
