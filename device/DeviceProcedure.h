// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <vector>

#include "core/ConfigurationSet.h"
#include "device/CommandSet.h"
#include "device/SerialLink.h"

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
        LogFailed,    // the traffic log could not be written; nothing further was sent
    };
    enum class Item { Probe, SlaveId, EnableFlags, PhoneNo, Message };
    struct Exchange {
        Item item;
        int index;  // phone slot or channel; 0 for the others
        QByteArray command;
    };
    static constexpr int ExchangeCount =
        3 + ConfigurationSet::PhoneCount + ConfigurationSet::ChannelCount;  // 99

    // The longest text whose reply ("P" or "M", its field, the text) fits the receive buffer;
    // a longer one would be written but never read back whole.
    static constexpr int MaxTextLength = int(SerialLink::ReceiveBufferSize) - 3;
    // Why `set` holds a text the unit could be sent but not read back, naming the first such
    // item and the limit; empty when every text fits. Phones beyond `phoneCount` are not sent.
    static QString unreadableText(const ConfigurationSet& set,
                                  int phoneCount = ConfigurationSet::PhoneCount);

    // The full lists: the probe, slave ID, flags, 32 phone numbers, 64 messages.
    static std::vector<Exchange> readList();
    static std::vector<Exchange> writeList(const ConfigurationSet& source);
    // The probe and the settings of `source` whose command differs from what `held` gives.
    static std::vector<Exchange> changedWriteList(const ConfigurationSet& source,
                                                  const ConfigurationSet& held);
    // The probe and the queries of phone slots first..first+count-1 alone.
    static std::vector<Exchange> phoneReadList(int first, int count);

    DeviceProcedure(Kind kind, Transaction* transaction, std::vector<Exchange> exchanges,
                    QObject* parent = nullptr);

    Kind kind() const { return procedureKind; }
    bool running() const { return isRunning; }
    const std::vector<Exchange>& exchanges() const { return exchangeList; }
    int exchangesDone() const { return step; }

    void start();
    // Ends after the exchange in flight; nothing further is sent or reported but finished().
    void stop();

    // The progress bar's value after `exchange` (the probe has none): 3 after the slave ID,
    // 5 after the flags, 5 + k after phone k, 37 + c after message c.
    static float progressAfter(const Exchange& exchange);

signals:
    void probeAccepted(const QString& modelText);
    void slaveIdRead(int id);
    void enableFlagsRead(const commandset::EnableFlags& flags);
    void phoneNoRead(int slot, const QString& text);
    void messageRead(int index, const QString& text);
    // A reply whose fields are not what its item holds; the value stays as it was.
    void replyRejected(DeviceProcedure::Item item, const QByteArray& reply);
    // A read's reply that answered another query (its value is reported all the same), or one
    // rejected although it answered its own: either way the read cannot be trusted.
    void replySlipped(const QString& description);
    void settingReplied(const QString& reply);
    // After each reply but the probe's: `done` exchanges of `count` have run.
    void progress(int done, int count);
    void finished(DeviceProcedure::Outcome outcome);

private:
    void sendNext();
    void onCompleted();
    void onFailed();
    void onEarlierReplyRedone(const QByteArray& reply);
    void apply(const Exchange& exchange, const QByteArray& reply);
    void applyText(const Exchange& exchange, const QByteArray& reply, bool answered);
    void reject(const Exchange& exchange, const QByteArray& reply, bool answered);
    // Whether the reply answers this exchange's query; a slip is noted when not.
    bool checkReply(const Exchange& exchange, QByteArrayView reply);
    void noteSlip(const QString& description);
    void finish(Outcome outcome);

    Kind procedureKind;
    Transaction* transaction;
    std::vector<Exchange> exchangeList;
    int step = 0;
    bool isRunning = false;
    bool stopRequested = false;
    // Whether the unit's ?P and ?M replies carry their field, decided on the first ?P reply.
    enum class Fields { Undecided, Carried, Bare };
    Fields fields = Fields::Undecided;
    int slipped = 0;
};
