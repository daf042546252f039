// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnitSession.h"

#include "SerialLink.h"
#include "Transaction.h"

UnitSession::UnitSession(QObject* parent) : QObject(parent) {
    serialLink = new SerialLink(this);
    trans = new Transaction(serialLink, this);
    connect(serialLink, &SerialLink::lost, this, &UnitSession::lost);
}

UnitSession::~UnitSession() = default;

bool UnitSession::open(const QString& deviceName) {
    trans->forgetLearnt();  // another port may hold another unit
    return serialLink->open(deviceName);
}

void UnitSession::close() {
    serialLink->close();
}

bool UnitSession::isOpen() const {
    return serialLink->isOpen();
}

QString UnitSession::deviceName() const {
    return serialLink->deviceName();
}

QString UnitSession::errorString() const {
    return serialLink->errorString();
}

void UnitSession::setInterval(int ms) {
    trans->setInterval(ms);
}

int UnitSession::interval() const {
    return trans->interval();
}

void UnitSession::setPace(LinkPace::Mode mode) {
    trans->setPace(mode);
}

LinkPace::Mode UnitSession::pace() const {
    return trans->pace().mode();
}

void UnitSession::setTrafficLog(TrafficLog* log) {
    trans->setTrafficLog(log);
}

bool UnitSession::startRead(const ConfigurationSet& base) {
    if (procedure) return false;
    gathered = base;
    return start(Kind::Read, DeviceProcedure::readList());
}

bool UnitSession::startPhoneRead(int first, int count, const ConfigurationSet& base) {
    if (procedure) return false;
    gathered = base;
    return start(Kind::Read, DeviceProcedure::phoneReadList(first, count));
}

bool UnitSession::startWrite(const ConfigurationSet& set) {
    if (procedure) return false;
    return start(Kind::Write, DeviceProcedure::writeList(set));
}

bool UnitSession::startChangedWrite(const ConfigurationSet& set, const ConfigurationSet& held) {
    if (procedure) return false;
    return start(Kind::Write, DeviceProcedure::changedWriteList(set, held));
}

void UnitSession::stop() {
    if (procedure) procedure->stop();
}

int UnitSession::exchangesDone() const {
    return procedure ? procedure->exchangesDone() : lastDone;
}

int UnitSession::exchangeCount() const {
    return procedure ? int(procedure->exchanges().size()) : lastCount;
}

float UnitSession::shownProgress(int done) const {
    if (!procedure || done < 1 || done > int(procedure->exchanges().size())) return 0.0f;
    return DeviceProcedure::progressAfter(procedure->exchanges()[size_t(done - 1)]);
}

bool UnitSession::start(Kind kind, std::vector<DeviceProcedure::Exchange> exchanges) {
    lastKind = kind;
    rejected = 0;
    slipped = 0;
    firstSlipText.clear();
    procedure = new DeviceProcedure(kind, trans, std::move(exchanges), this);
    using P = DeviceProcedure;
    connect(procedure, &P::probeAccepted, this, &UnitSession::probeAccepted);
    connect(procedure, &P::slaveIdRead, this, [this](int id) {
        gathered.slaveId = id;
        emit slaveIdRead(id);
    });
    connect(procedure, &P::enableFlagsRead, this, [this](const CommandSet::EnableFlags& flags) {
        for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
            gathered.channelEnable[i] = flags[i] == FlagTrue ? FlagTrue : FlagFalse;
        emit enableFlagsRead(flags);
    });
    connect(procedure, &P::phoneNoRead, this, [this](int slot, const QString& text) {
        gathered.setPhoneNo(slot, text);
        emit phoneNoRead(slot, text);
    });
    connect(procedure, &P::messageRead, this, [this](int index, const QString& text) {
        gathered.channelMessage[index] = text;
        emit messageRead(index, text);
    });
    connect(procedure, &P::replyRejected, this, [this] { ++rejected; });
    connect(procedure, &P::replySlipped, this, [this](const QString& description) {
        if (slipped++ == 0) firstSlipText = description;
    });
    connect(procedure, &P::settingReplied, this, &UnitSession::settingReplied);
    connect(procedure, &P::progress, this, &UnitSession::progress);
    connect(procedure, &P::finished, this, &UnitSession::onFinished);
    procedure->start();
    return true;
}

void UnitSession::onFinished(Outcome outcome) {
    lastDone = procedure->exchangesDone();
    lastCount = int(procedure->exchanges().size());
    procedure->deleteLater();  // still inside its signal
    procedure = nullptr;
    emit finished(outcome);
}
