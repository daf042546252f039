#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <vector>

#include "CommandSet.h"
#include "ConfigurationSet.h"

class Transaction;

// A read or write of the unit: a probe, then a fixed list of queries or settings, walked one
// exchange at a time as each transaction completes. Values are reported as they arrive; what
// to do with them is the caller's business.
class DeviceProcedure : public QObject {
    Q_OBJECT
public:
    enum class Kind { Read, Write };
    enum class Outcome {
        Completed,    // every exchange ran
        ProbeFailed,  // the probe reply did not start with ">"
        LinkLost,     // the port was closed or failed before or during an exchange
        Stopped,      // stop() was asked for; ended after the exchange in flight
    };
    enum class Item { Probe, SlaveId, EnableFlags, PhoneNo, Message };
    struct Exchange {
        Item item;
        int index;  // phone slot or channel; 0 for the others
        QByteArray command;
    };
    static constexpr int ExchangeCount =
        3 + ConfigurationSet::PhoneCount + ConfigurationSet::ChannelCount;  // 99

    // The full lists: the probe, slave ID, flags, 32 phone numbers, 64 messages.
    static std::vector<Exchange> readList();
    static std::vector<Exchange> writeList(const ConfigurationSet& source);
    // The probe and the queries of phone slots first..first+count-1 alone.
    static std::vector<Exchange> phoneReadList(int first, int count);

    // For a write, `source` is what is sent; a read ignores it.
    DeviceProcedure(Kind kind, Transaction* transaction, const ConfigurationSet& source = {},
                    QObject* parent = nullptr);
    DeviceProcedure(Kind kind, Transaction* transaction, std::vector<Exchange> exchanges,
                    QObject* parent = nullptr);

    Kind kind() const { return procedureKind; }
    bool running() const { return isRunning; }
    const std::vector<Exchange>& exchanges() const { return exchangeList; }
    int exchangesDone() const { return step; }

    void start();
    // Ends after the exchange in flight; nothing further is sent or reported but finished().
    void stop();

    // Progress shown after the reply to `item` (the probe has none): 3 after the slave ID,
    // 5 after the flags, 5 + k after phone k, 37 + c after message c.
    static float progressAfter(Item item, int index);

signals:
    void probeAccepted(const QString& modelText);
    void slaveIdRead(int id);
    void enableFlagsRead(const CommandSet::EnableFlags& flags);
    void phoneNoRead(int slot, const QString& text);
    void messageRead(int index, const QString& text);
    // A slave ID or flags reply that could not be taken apart; the value stays as it was.
    void replyRejected(DeviceProcedure::Item item, const QByteArray& reply);
    void settingReplied(const QString& reply);
    void progress(float value);
    void finished(DeviceProcedure::Outcome outcome);

private:
    void sendNext();
    void onCompleted();
    void onFailed();
    void apply(const Exchange& exchange, const QByteArray& reply);
    void finish(Outcome outcome);

    Kind procedureKind;
    Transaction* transaction;
    std::vector<Exchange> exchangeList;
    int step = 0;
    bool isRunning = false;
    bool stopRequested = false;
};
