// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/ConfigurationSet.h"
#include "journal/Outcome.h"
#include "journal/PortIdentity.h"

namespace journal {

enum class Action { Read, Write, Verify, Backup, Restore, Compare };

// The names stored and shown ("read", ...); fromName gives nothing for any other text.
QString actionName(Action action);
std::optional<Action> actionFromName(const QString& name);

// The configuration as compact JSON with sorted keys (the `show --json` content), so equal
// configurations give equal bytes and so equal fingerprints.
QByteArray canonicalJson(const ConfigurationSet& set, int phoneCount);
// SHA-256 of canonicalJson, 64 lower-case hex digits.
QString fingerprint(const ConfigurationSet& set, int phoneCount);

// One unit operation.
struct Record {
    qint64 id = 0;   // given by the journal that keeps it
    QString origin;  // unique across journals, so a record synced twice is stored once
    QDateTime time;  // UTC, ms
    QString operatorName;
    QString host;
    QString version;
    Action action = Action::Read;
    QString port;
    PortIdentity identity;
    QString model;
    Outcome outcome = Outcome::Done;
    QString reason;                // why it failed, in English; empty otherwise
    QString reasonCode;            // the reason's code (see Reason.h); empty when it has none
    std::optional<bool> verified;  // unset: no verify was asked for
    int differences = 0;
    qint64 durationMs = 0;
    QString file;
    QString sha256;
    std::optional<int> settingsSent;  // a write or restore: the settings it sent
    std::optional<qint64> sourceId;   // a restore: the record it wrote back
    QByteArray configuration;         // canonicalJson; empty when the action carries none

    // A record of `action` on `port` starting now, by this user on this host.
    static Record begin(Action action, const QString& port, const QString& version);
    // Sets configuration and sha256 together, so they always agree.
    void setConfiguration(const ConfigurationSet& set, int phoneCount);

    // camelCase keys: id, time, operator, host, version, action, port, serialNumber, vendorId,
    // productId, location, model, outcome, reason, reasonCode, verified, differences,
    // durationMs, file, sha256, settingsSent, sourceId, configuration. Unknown texts, numbers and a
    // missing configuration are null.
    QJsonObject toJson() const;
    // The same fields but the configuration (too large for a spreadsheet cell), RFC 4180 quoted,
    // control characters as escape::controls() shows them: one line per record, and nothing a
    // terminal would act on.
    static QString csvHeader();
    QString csvRow() const;
};

}  // namespace journal
