#include "DeviceProcedure.h"

#include "Transaction.h"

namespace {
constexpr int SlaveIdStep = 1;
constexpr int FlagsStep = 2;
constexpr int FirstPhoneStep = 3;
constexpr int FirstMessageStep = FirstPhoneStep + ConfigurationSet::PhoneCount;  // 35
}  // namespace

DeviceProcedure::DeviceProcedure(Kind kind, Transaction* transaction,
                                 const ConfigurationSet& source, QObject* parent)
    : QObject(parent), procedureKind(kind), transaction(transaction) {
    commandList.reserve(ExchangeCount);
    commandList.push_back(CommandSet::probe());
    if (kind == Kind::Read) {
        commandList.push_back(CommandSet::querySlaveId());
        commandList.push_back(CommandSet::queryEnableFlags());
        for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
            commandList.push_back(CommandSet::queryPhoneNo(k));
        for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
            commandList.push_back(CommandSet::queryMessage(i));
    } else {
        commandList.push_back(CommandSet::setSlaveId(source.slaveId));
        CommandSet::EnableFlags flags{};
        for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
            flags[i] = source.enabled(i) ? FlagTrue : FlagFalse;
        commandList.push_back(CommandSet::setEnableFlags(flags));
        for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
            commandList.push_back(CommandSet::setPhoneNo(k, source.phoneNo[k]));
        for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
            commandList.push_back(CommandSet::setMessage(i, source.channelMessage[i]));
    }
    connect(transaction, &Transaction::completed, this, &DeviceProcedure::onCompleted);
    connect(transaction, &Transaction::failed, this, &DeviceProcedure::onFailed);
}

float DeviceProcedure::progressAfter(int step) {
    if (step <= SlaveIdStep) return 3.0f;
    if (step == FlagsStep) return 5.0f;
    if (step < FirstMessageStep) return float(5 + (step - FirstPhoneStep));
    return float(37 + (step - FirstMessageStep));
}

void DeviceProcedure::start() {
    if (isRunning) return;
    isRunning = true;
    step = 0;
    sendNext();
}

void DeviceProcedure::stop() {
    if (isRunning) stopRequested = true;
}

void DeviceProcedure::sendNext() {
    // A closed port would hand back the previous reply as if it were fresh, and a stale ">"
    // would pass the probe; no exchange without a line.
    if (!transaction->linkOpen()) {
        finish(Outcome::LinkLost);
        return;
    }
    transaction->TxCommand = commandList[size_t(step)];
    if (!transaction->SendReceive()) finish(Outcome::LinkLost);
}

void DeviceProcedure::onCompleted() {
    if (!isRunning) return;
    if (stopRequested) {
        finish(Outcome::Stopped);
        return;
    }
    const QByteArray reply = transaction->RxReply;
    const int done = step;
    std::optional<QString> model;
    if (done == 0) {
        model = CommandSet::probeModel(reply);
        if (!model) {
            finish(Outcome::ProbeFailed);
            return;
        }
    }
    // The next command goes out before the window shows this reply, so the time spent on
    // the display does not stretch the transfer.
    const bool last = ++step == int(commandList.size());
    if (!last) sendNext();
    if (!isRunning) return;  // the line went away
    if (model)
        emit probeAccepted(*model);
    else
        apply(done, reply);
    if (last) finish(Outcome::Completed);
}

void DeviceProcedure::onFailed() {
    if (!isRunning) return;
    finish(stopRequested ? Outcome::Stopped : Outcome::LinkLost);
}

void DeviceProcedure::apply(int at, const QByteArray& reply) {
    if (procedureKind == Kind::Write) {
        emit settingReplied(CommandSet::settingReply(reply));
    } else if (at == SlaveIdStep) {
        if (const std::optional<int> id = CommandSet::slaveIdReply(reply)) emit slaveIdRead(*id);
    } else if (at == FlagsStep) {
        if (const auto flags = CommandSet::enableFlagsReply(reply)) emit enableFlagsRead(*flags);
    } else if (at < FirstMessageStep) {
        emit phoneNoRead(at - FirstPhoneStep, CommandSet::textReply(reply));
    } else {
        emit messageRead(at - FirstMessageStep, CommandSet::textReply(reply));
    }
    emit progress(progressAfter(at));
}

void DeviceProcedure::finish(Outcome outcome) {
    if (!isRunning) return;
    isRunning = false;
    transaction->abort();
    emit finished(outcome);
}
