#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <vector>

#include "CommandSet.h"
#include "ConfigurationSet.h"

class Transaction;

// A full read or write of the unit: a probe, then the fixed list of 98 queries or settings,
// walked one exchange at a time as each transaction completes. Values are reported as they
// arrive; what to do with them is the window's business.
class DeviceProcedure : public QObject {
    Q_OBJECT
public:
    enum class Kind { Read, Write };
    enum class Outcome {
        Completed,    // all 99 exchanges ran
        ProbeFailed,  // the probe reply did not start with ">"
        LinkLost,     // the port was closed or failed before or during an exchange
        Stopped,      // stop() was asked for; ended after the exchange in flight
    };
    static constexpr int ExchangeCount =
        3 + ConfigurationSet::PhoneCount + ConfigurationSet::ChannelCount;  // 99

    // For a write, `source` is what is sent; a read ignores it.
    DeviceProcedure(Kind kind, Transaction* transaction, const ConfigurationSet& source = {},
                    QObject* parent = nullptr);

    Kind kind() const { return procedureKind; }
    bool running() const { return isRunning; }
    // The commands in the order they are sent, terminators included.
    const std::vector<QByteArray>& commands() const { return commandList; }

    void start();
    // Ends after the exchange in flight; nothing further is sent or reported but finished().
    void stop();

    // Progress shown after exchange `step` (1..98; the probe has none).
    static float progressAfter(int step);

signals:
    void probeAccepted(const QString& modelText);
    void slaveIdRead(int id);
    void enableFlagsRead(const CommandSet::EnableFlags& flags);
    void phoneNoRead(int slot, const QString& text);
    void messageRead(int index, const QString& text);
    void settingReplied(const QString& reply);
    void progress(float value);
    void finished(DeviceProcedure::Outcome outcome);

private:
    void sendNext();
    void onCompleted();
    void onFailed();
    void apply(int step, const QByteArray& reply);
    void finish(Outcome outcome);

    Kind procedureKind;
    Transaction* transaction;
    std::vector<QByteArray> commandList;
    int step = 0;
    bool isRunning = false;
    bool stopRequested = false;
};
