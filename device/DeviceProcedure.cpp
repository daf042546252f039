#include "DeviceProcedure.h"

#include "Transaction.h"

std::vector<DeviceProcedure::Exchange> DeviceProcedure::readList() {
    std::vector<Exchange> list{{Item::Probe, 0, CommandSet::probe()},
                               {Item::SlaveId, 0, CommandSet::querySlaveId()},
                               {Item::EnableFlags, 0, CommandSet::queryEnableFlags()}};
    list.reserve(ExchangeCount);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        list.push_back({Item::PhoneNo, k, CommandSet::queryPhoneNo(k)});
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        list.push_back({Item::Message, i, CommandSet::queryMessage(i)});
    return list;
}

std::vector<DeviceProcedure::Exchange> DeviceProcedure::writeList(const ConfigurationSet& source) {
    CommandSet::EnableFlags flags{};
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        flags[i] = source.enabled(i) ? FlagTrue : FlagFalse;
    std::vector<Exchange> list{{Item::Probe, 0, CommandSet::probe()},
                               {Item::SlaveId, 0, CommandSet::setSlaveId(source.slaveId)},
                               {Item::EnableFlags, 0, CommandSet::setEnableFlags(flags)}};
    list.reserve(ExchangeCount);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        list.push_back({Item::PhoneNo, k, CommandSet::setPhoneNo(k, source.phoneNo[k])});
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        list.push_back({Item::Message, i, CommandSet::setMessage(i, source.channelMessage[i])});
    return list;
}

std::vector<DeviceProcedure::Exchange> DeviceProcedure::phoneReadList(int first, int count) {
    std::vector<Exchange> list{{Item::Probe, 0, CommandSet::probe()}};
    for (int k = qMax(0, first); k < qMin(first + count, ConfigurationSet::PhoneCount); ++k)
        list.push_back({Item::PhoneNo, k, CommandSet::queryPhoneNo(k)});
    return list;
}

DeviceProcedure::DeviceProcedure(Kind kind, Transaction* transaction,
                                 const ConfigurationSet& source, QObject* parent)
    : DeviceProcedure(kind, transaction, kind == Kind::Read ? readList() : writeList(source),
                      parent) {}

DeviceProcedure::DeviceProcedure(Kind kind, Transaction* transaction,
                                 std::vector<Exchange> exchanges, QObject* parent)
    : QObject(parent),
      procedureKind(kind),
      transaction(transaction),
      exchangeList(std::move(exchanges)) {
    connect(transaction, &Transaction::completed, this, &DeviceProcedure::onCompleted);
    connect(transaction, &Transaction::failed, this, &DeviceProcedure::onFailed);
}

float DeviceProcedure::progressAfter(Item item, int index) {
    switch (item) {
        case Item::Probe:
        case Item::SlaveId:
            return 3.0f;
        case Item::EnableFlags:
            return 5.0f;
        case Item::PhoneNo:
            return float(5 + index);
        case Item::Message:
            break;
    }
    return float(37 + index);
}

void DeviceProcedure::start() {
    if (isRunning || exchangeList.empty()) return;
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
    transaction->TxCommand = exchangeList[size_t(step)].command;
    if (!transaction->SendReceive()) finish(Outcome::LinkLost);
}

void DeviceProcedure::onCompleted() {
    if (!isRunning) return;
    if (stopRequested) {
        finish(Outcome::Stopped);
        return;
    }
    const QByteArray reply = transaction->RxReply;
    const Exchange& done = exchangeList[size_t(step)];
    std::optional<QString> model;
    if (done.item == Item::Probe) {
        model = CommandSet::probeModel(reply);
        if (!model) {
            finish(Outcome::ProbeFailed);
            return;
        }
    }
    // The next command goes out before the caller sees this reply, so the time spent on
    // the display does not stretch the transfer.
    const bool last = ++step == int(exchangeList.size());
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

void DeviceProcedure::apply(const Exchange& exchange, const QByteArray& reply) {
    if (procedureKind == Kind::Write) {
        emit settingReplied(CommandSet::settingReply(reply));
    } else {
        switch (exchange.item) {
            case Item::Probe:
                break;
            case Item::SlaveId:
                if (const std::optional<int> id = CommandSet::slaveIdReply(reply))
                    emit slaveIdRead(*id);
                else
                    emit replyRejected(exchange.item, reply);
                break;
            case Item::EnableFlags:
                if (const auto flags = CommandSet::enableFlagsReply(reply))
                    emit enableFlagsRead(*flags);
                else
                    emit replyRejected(exchange.item, reply);
                break;
            case Item::PhoneNo:
                emit phoneNoRead(exchange.index, CommandSet::textReply(reply));
                break;
            case Item::Message:
                emit messageRead(exchange.index, CommandSet::textReply(reply));
                break;
        }
    }
    emit progress(progressAfter(exchange.item, exchange.index));
}

void DeviceProcedure::finish(Outcome outcome) {
    if (!isRunning) return;
    isRunning = false;
    transaction->abort();
    emit finished(outcome);
}
