// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceProcedure.h"

#include "core/Codepage.h"
#include "core/Escape.h"
#include "device/DeviceLog.h"
#include "device/Text.h"
#include "device/Transaction.h"

namespace {

// The query as the unit's manual writes it, without its CR: "?P05".
QString queryName(const QByteArray& command) {
    return QString::fromLatin1(command.endsWith(commandset::CR) ? command.chopped(1) : command);
}

// The first three bytes of a reply decide whether it carries a field; a unit that answers
// without fields still answers with printable characters there, noise does not.
bool printableStart(QByteArrayView reply) {
    constexpr qsizetype Lead = 3;
    if (reply.size() < Lead) return false;
    for (const char c : reply.first(Lead))
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

// The start of a reply for a message, its control characters escaped.
QString shownStart(QByteArrayView reply, qsizetype shown = 24) {
    return escape::controls(codepage::decode(reply.first(qMin(reply.size(), shown))));
}

}  // namespace

QString DeviceProcedure::unreadableText(const ConfigurationSet& set, int phoneCount) {
    auto tooLong = [](const QString& what, const QByteArray& query, const QString& text) {
        const qsizetype length = codepage::encode(text).size();
        if (length <= MaxTextLength) return QString();
        return device::Text::tr(
                   "%1 holds %2 characters, but the unit's reply to %3 could not be read back "
                   "beyond %4")
            .arg(what, QString::number(length), queryName(query), QString::number(MaxTextLength));
    };
    for (int k = 0; k < qBound(0, phoneCount, ConfigurationSet::PhoneCount); ++k)
        if (QString why = tooLong(device::Text::tr("phone %1").arg(k + 1),
                                  commandset::queryPhoneNo(k), set.phoneNo[size_t(k)]);
            !why.isEmpty())
            return why;
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        if (QString why = tooLong(device::Text::tr("the message of channel %1").arg(i + 1),
                                  commandset::queryMessage(i), set.channelMessage[size_t(i)]);
            !why.isEmpty())
            return why;
    return {};
}

std::vector<DeviceProcedure::Exchange> DeviceProcedure::readList() {
    std::vector<Exchange> list{{Item::Probe, 0, commandset::probe()},
                               {Item::SlaveId, 0, commandset::querySlaveId()},
                               {Item::EnableFlags, 0, commandset::queryEnableFlags()}};
    list.reserve(ExchangeCount);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        list.push_back({Item::PhoneNo, k, commandset::queryPhoneNo(k)});
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        list.push_back({Item::Message, i, commandset::queryMessage(i)});
    return list;
}

std::vector<DeviceProcedure::Exchange> DeviceProcedure::writeList(const ConfigurationSet& source) {
    commandset::EnableFlags flags{};
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        flags[i] = source.enabled(i) ? FlagTrue : FlagFalse;
    std::vector<Exchange> list{{Item::Probe, 0, commandset::probe()},
                               {Item::SlaveId, 0, commandset::setSlaveId(source.slaveId)},
                               {Item::EnableFlags, 0, commandset::setEnableFlags(flags)}};
    list.reserve(ExchangeCount);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        list.push_back({Item::PhoneNo, k, commandset::setPhoneNo(k, source.phoneNo[k])});
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        list.push_back({Item::Message, i, commandset::setMessage(i, source.channelMessage[i])});
    return list;
}

std::vector<DeviceProcedure::Exchange> DeviceProcedure::changedWriteList(
    const ConfigurationSet& source, const ConfigurationSet& held) {
    std::vector<Exchange> all = writeList(source);
    const std::vector<Exchange> current = writeList(held);
    std::vector<Exchange> changed;
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i].item == Item::Probe || all[i].command != current[i].command)
            changed.push_back(std::move(all[i]));
    return changed;
}

std::vector<DeviceProcedure::Exchange> DeviceProcedure::phoneReadList(int first, int count) {
    std::vector<Exchange> list{{Item::Probe, 0, commandset::probe()}};
    for (int k = qMax(0, first); k < qMin(first + count, ConfigurationSet::PhoneCount); ++k)
        list.push_back({Item::PhoneNo, k, commandset::queryPhoneNo(k)});
    return list;
}

DeviceProcedure::DeviceProcedure(Kind kind, Transaction* transaction,
                                 std::vector<Exchange> exchanges, QObject* parent)
    : QObject(parent),
      procedureKind(kind),
      transaction(transaction),
      exchangeList(std::move(exchanges)) {
    connect(transaction, &Transaction::completed, this, &DeviceProcedure::onCompleted);
    connect(transaction, &Transaction::failed, this, &DeviceProcedure::onFailed);
    connect(transaction, &Transaction::earlierReplyRedone, this,
            &DeviceProcedure::onEarlierReplyRedone);
}

float DeviceProcedure::progressAfter(const Exchange& exchange) {
    switch (exchange.item) {
        case Item::Probe:
        case Item::SlaveId:
            return 3.0f;
        case Item::EnableFlags:
            return 5.0f;
        case Item::PhoneNo:
            return float(5 + exchange.index);
        case Item::Message:
            break;
    }
    return float(37 + exchange.index);
}

void DeviceProcedure::start() {
    if (isRunning || exchangeList.empty()) return;
    isRunning = true;
    step = 0;
    fields = Fields::Undecided;
    slipped = 0;
    transaction->beginRun();
    qCDebug(lcProcedure) << (procedureKind == Kind::Read ? "read" : "write") << "starts,"
                         << exchangeList.size() << "exchanges";
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
    if (!transaction->SendReceive(step + 1 == int(exchangeList.size())))
        finish(transaction->logFailed() ? Outcome::LogFailed : Outcome::LinkLost);
}

void DeviceProcedure::onCompleted() {
    if (!isRunning) return;
    if (stopRequested) {
        finish(Outcome::Stopped);
        return;
    }
    // A reply that could not be logged ends the procedure before anything more is sent.
    if (transaction->logFailed()) {
        finish(Outcome::LogFailed);
        return;
    }
    const QByteArray reply = transaction->RxReply;
    const Exchange& done = exchangeList[size_t(step)];
    std::optional<QString> model;
    if (done.item == Item::Probe) {
        model = commandset::probeModel(reply);
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

// The link found the previous reply cut short and took it again; what it holds now replaces
// what was reported from it.
void DeviceProcedure::onEarlierReplyRedone(const QByteArray& reply) {
    if (!isRunning || step == 0) return;
    const Exchange& earlier = exchangeList[size_t(step - 1)];
    if (earlier.item != Item::Probe) return apply(earlier, reply);
    if (const std::optional<QString> model = commandset::probeModel(reply))
        emit probeAccepted(*model);
}

void DeviceProcedure::onFailed() {
    if (!isRunning) return;
    finish(stopRequested ? Outcome::Stopped : Outcome::LinkLost);
}

void DeviceProcedure::apply(const Exchange& exchange, const QByteArray& reply) {
    if (procedureKind == Kind::Write) {
        emit settingReplied(commandset::settingReply(reply));
    } else {
        const bool answered = checkReply(exchange, reply);
        switch (exchange.item) {
            case Item::Probe:
                break;
            case Item::SlaveId:
                if (const std::optional<int> id = commandset::slaveIdReply(reply))
                    emit slaveIdRead(*id);
                else
                    reject(exchange, reply, answered);
                break;
            case Item::EnableFlags:
                if (const auto flags = commandset::enableFlagsReply(reply))
                    emit enableFlagsRead(*flags);
                else
                    reject(exchange, reply, answered);
                break;
            case Item::PhoneNo:
            case Item::Message:
                applyText(exchange, reply, answered);
                break;
        }
    }
    emit progress(step, int(exchangeList.size()));
}

void DeviceProcedure::applyText(const Exchange& exchange, const QByteArray& reply, bool answered) {
    // The text is what follows the first three characters, as textReply() takes it.
    if (reply.size() > 3 && !commandset::textCarried(QByteArrayView(reply).sliced(3)))
        return reject(exchange, reply, answered);
    if (exchange.item == Item::PhoneNo)
        emit phoneNoRead(exchange.index, commandset::textReply(reply));
    else
        emit messageRead(exchange.index, commandset::textReply(reply));
}

// A reply that answers its query but whose fields are not what the item holds fails the read
// as a slipped one does; one that answered another query has been counted already.
void DeviceProcedure::reject(const Exchange& exchange, const QByteArray& reply, bool answered) {
    emit replyRejected(exchange.item, reply);
    if (!answered) return;
    const QString query = queryName(exchange.command);
    switch (exchange.item) {
        case Item::SlaveId:
            return noteSlip(
                device::Text::tr("reply to %1 was \"%2\", which is no slave ID: A and a hex pair "
                                 "00 to 1F")
                    .arg(query, shownStart(reply)));
        case Item::EnableFlags:
            return noteSlip(
                device::Text::tr("reply to %1 was \"%2\", which are no enable flags: E, 16 hex "
                                 "digits and an end character")
                    .arg(query, shownStart(reply)));
        case Item::PhoneNo:
            return noteSlip(
                device::Text::tr("reply to %1 holds NUL followed by CR, which phone %2 cannot hold")
                    .arg(query)
                    .arg(exchange.index + 1));
        case Item::Message:
            return noteSlip(
                device::Text::tr("reply to %1 holds NUL followed by CR, which the message of "
                                 "channel %2 cannot hold")
                    .arg(query)
                    .arg(exchange.index + 1));
        case Item::Probe:
            break;
    }
}

// A reply that comes after its interval is taken by the next exchange, and every later one
// shifts by one; the tag at its start is what gives that away.
bool DeviceProcedure::checkReply(const Exchange& exchange, QByteArrayView reply) {
    const QByteArray expected = commandset::expectedTag(exchange.command);
    const QByteArray tag = commandset::replyTag(reply);
    const bool text = exchange.item == Item::PhoneNo || exchange.item == Item::Message;
    if (text && fields == Fields::Undecided) {
        const bool bare = tag.isEmpty() && printableStart(reply);
        fields = bare ? Fields::Bare : Fields::Carried;
        const QString decision =
            bare ? device::Text::tr(
                       "the unit's text replies carry no field; their order "
                       "alone places them")
                 : device::Text::tr("the unit's text replies carry their field");
        qCDebug(lcProcedure).noquote() << decision;
        transaction->logNote(decision);
    }
    if (tag == expected || (text && fields == Fields::Bare)) return true;
    const QString query = queryName(exchange.command);
    if (reply.isEmpty())
        noteSlip(
            device::Text::tr("no reply to %1: the unit answered late or not at all").arg(query));
    else if (!tag.isEmpty())
        noteSlip(device::Text::tr("reply to %1 was for %2: the unit answered late")
                     .arg(query, QString::fromLatin1(tag)));
    else
        noteSlip(device::Text::tr(
                     "reply to %1 began with \"%2\" instead of %3: the unit answered late or "
                     "the line is noisy")
                     .arg(query, shownStart(reply, 8), QString::fromLatin1(expected)));
    return false;
}

void DeviceProcedure::noteSlip(const QString& description) {
    ++slipped;
    qCInfo(lcProcedure).noquote() << description;
    emit replySlipped(description);
}

void DeviceProcedure::finish(Outcome outcome) {
    if (!isRunning) return;
    isRunning = false;
    qCDebug(lcProcedure) << "ends after" << step << "of" << exchangeList.size()
                         << "exchanges, outcome" << int(outcome) << "," << slipped
                         << "slipped replies";
    transaction->abort();
    emit finished(outcome);
}
