#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "ConfigDocument.h"
#include "ExitCode.h"

class TrafficLog;

namespace cli {

class Reporter;

// What to do with every unit of a batch.
struct BatchTask {
    enum class Mode { Read, Write, Verify };
    Mode mode = Mode::Read;
    int intervalMs = 100;
    TrafficLog* log = nullptr;  // shared by every port; may be null
    // Read: where to save, "{port}" standing for the port's base name; ".json" writes JSON.
    QString outputPattern;
    // Write and verify: the file's configuration and which values it holds.
    ConfigDocument document;
    QString documentName;  // as the user gave it, for messages
    bool verifyAfterWrite = false;
    // Write with per-unit values: each port's own document, in the order of the ports.
    QList<ConfigDocument> portDocuments;
};

// How one port ended.
struct PortResult {
    QString port;
    ExitCode code = Done;
    QString summary;          // "written and verified", "no unit answered", ...
    QStringList differences;  // verify, or write --verify
    // For the journal: what the unit said it is, what it holds or was sent, and how long it took.
    QString model;
    std::optional<ConfigurationSet> configuration;
    qint64 durationMs = 0;
};

// Runs the task on several ports at once, one UnitSession each (its own link and timer) on the
// one event loop, so a unit that hangs up or stays silent ends only its own job.
class BatchRunner : public QObject {
    Q_OBJECT
public:
    BatchRunner(const BatchTask& task, Reporter& reporter, QObject* parent = nullptr);
    ~BatchRunner() override;

    // Returns when every port has ended; results are in the order of `ports`.
    QList<PortResult> run(const QStringList& ports);

    // The file a read of `port` is saved to.
    static QString outputPath(const QString& pattern, const QString& port);

private:
    BatchTask task;
    Reporter& reporter;
};

}  // namespace cli
