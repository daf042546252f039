// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the command-line suites share: a folder of their own, simulated units on this thread,
// quellix-cli run as a process with the test's own journal, and the files they write.
#include <QtSql>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "configfile/ConfigFile.h"
#include "configfile/ConfigJson.h"
#include "journal/JournalRecord.h"
#include "journal/JournalStore.h"
#include "journal/JournalTarget.h"
#include "tests/Fixtures.h"
#include "tests/support/CliProcess.h"
#include "tools/unitsim/UnitSimulator.h"

Q_DECLARE_METATYPE(UnitFaults)

namespace cli_fixture {

constexpr int WatchdogMs = 30000;  // a run that outlives this has hung

using Run = support::CliRun;
using fixtures::filled;

// Edits the JSON form of filled("json", 3).
inline QByteArray editedJson(const std::function<void(QJsonObject&)>& edit) {
    QJsonObject root =
        QJsonDocument::fromJson(configjson::serialize(filled(QStringLiteral("json"), 3))).object();
    edit(root);
    return QJsonDocument(root).toJson();
}

inline void setChannel(QJsonObject& root, int index, const QString& key, const QJsonValue& value) {
    QJsonArray channels = root[QStringLiteral("channels")].toArray();
    QJsonObject channel = channels[index].toObject();
    channel[key] = value;
    channels[index] = channel;
    root[QStringLiteral("channels")] = channels;
}

// Whether `bytes` hold a control character a terminal would act on; line ends and `allowed`
// aside.
inline bool rawControls(const QByteArray& bytes, QChar allowed = u'\n') {
    const QString text = QString::fromUtf8(bytes);
    return std::any_of(text.begin(), text.end(), [allowed](QChar c) {
        return c != u'\n' && c != allowed && (c < u' ' || (c >= QChar(0x7f) && c <= QChar(0x9f)));
    });
}

// The base of each command-line suite (each adds Q_OBJECT and its slots).
class CliFixture : public QObject {
protected:
    QTemporaryDir dir;
    std::vector<std::unique_ptr<UnitSimulator>> units;
    QHash<QString, QString> environment;  // for the programs cli() starts, on top of the rest

    QString path(const QString& name) const { return dir.filePath(name); }
    bool writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    QByteArray readFile(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    // A simulated unit on this thread's event loop, which keeps spinning while the tool runs.
    UnitSimulator* unit(const ConfigurationSet& set, const UnitFaults& faults = {}) {
        auto sim = std::make_unique<UnitSimulator>();
        sim->setConfiguration(set);
        sim->setFaults(faults);
        if (!sim->open()) return nullptr;
        units.push_back(std::move(sim));
        return units.back().get();
    }

    // Runs quellix-cli to the end while the event loop serves the simulated units. Standard
    // input gets `input`, the bytes from `pauseAt` on only after a pause, as a slow pipe gives
    // them; `inChild` runs in the child before the program starts. Its journal is the test's
    // own, never the user's.
    Run cli(const QStringList& args, const QByteArray& input = {}, qsizetype pauseAt = -1,
            const std::function<void()>& inChild = {}) const {
        return support::runCli(QStringLiteral(QX_CLI_PATH),
                               {args, ownEnvironment(), input, pauseAt, inChild, {}, SIGINT},
                               WatchdogMs);
    }
    // Runs quellix-cli like cli(), sending it `signal` at each time in `after` (ms from start).
    Run signalled(const QStringList& args, const QList<int>& after, int signal) const {
        return support::runCli(QStringLiteral(QX_CLI_PATH),
                               {args, ownEnvironment(), {}, -1, {}, after, signal}, WatchdogMs);
    }
    // The records of the journal at `journal`, newest first.
    QJsonArray listed(const QString& journal) const {
        return QJsonDocument::fromJson(cli({"journal", "--json", "--journal", journal}).out)
            .array();
    }
    // A journal file at `name` holding `records`, each given its id.
    bool journalWith(const QString& name, QList<journal::Record>& records,
                     const QString& pendingFor = {}) const {
        QString error;
        journal::Store store(journal::Target::parse(path(name), &error));
        for (journal::Record& record : records)
            if (!store.append(record, &error, pendingFor)) return false;
        return true;
    }
    // At the unit's own pace: a busy machine (two cores, sanitizers) makes replies late past
    // any fixed interval short enough to keep the suites quick, and a late reply fails a run
    // at the fixed pace. Writes without --verify keep the fixed pace, at 30 ms.
    static QStringList paced(QStringList args) {
        return args << "--pace"
                    << "auto"
                    << "--interval"
                    << "30";
    }

    QHash<QString, QString> ownEnvironment() const {
        QHash<QString, QString> env{
            {QStringLiteral("QUELLIX_JOURNAL"), path(QStringLiteral("journal.sqlite"))},
            // the local journal a server falls back on
            {QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data"))}};
        env.insert(environment);
        return env;
    }
    void clearUnits() {
        units.clear();
        environment.clear();
    }
};

}  // namespace cli_fixture
