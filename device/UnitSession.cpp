// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/UnitSession.h"

#include <QTimer>

#include "core/Codepage.h"
#include "core/Escape.h"
#include "device/DeviceLog.h"
#include "device/SerialLink.h"
#include "device/Text.h"
#include "device/Transaction.h"

namespace {
// How long after the probe the line is watched for a reply that missed its interval. A unit
// slower than this is as good as silent, and a silent one costs this much more to report.
constexpr int LateWatchMs = 1000;
constexpr int LatePollMs = 2;
}  // namespace

UnitSession::UnitSession(QObject* parent) : QObject(parent) {
    serialLink = new SerialLink(this);
    trans = new Transaction(serialLink, this);
    lateWatch = new QTimer(this);
    lateWatch->setTimerType(Qt::PreciseTimer);
    lateWatch->setInterval(LatePollMs);
    connect(lateWatch, &QTimer::timeout, this, &UnitSession::watchForLateProbe);
    connect(serialLink, &SerialLink::lost, this, &UnitSession::lost);
}

UnitSession::~UnitSession() = default;

bool UnitSession::open(const QString& deviceName) {
    trans->forgetLearnt();  // another port may hold another unit
    if (!serialLink->open(deviceName)) return false;
    serialLink->dropInput();
    return true;
}

void UnitSession::close() {
    if (watching) endWatch();
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
    if (watching) endWatch();
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
    if (watching) return false;
    lastKind = kind;
    lateMs = -1;
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
    connect(procedure, &P::enableFlagsRead, this, [this](const commandset::EnableFlags& flags) {
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
    // Bytes left from an earlier exchange would be taken for the probe's reply, or shift
    // every reply after it.
    serialLink->dropInput();
    sinceProbe.start();
    procedure->start();
    return true;
}

void UnitSession::onFinished(Outcome outcome) {
    lastDone = procedure->exchangesDone();
    lastCount = int(procedure->exchanges().size());
    if (outcome == Outcome::Completed && lastKind == Kind::Read) checkLastReply(*procedure);
    procedure->deleteLater();  // still inside its signal
    procedure = nullptr;
    // A unit that answers after the interval looks silent to the probe; telling the two apart
    // tells the user what to do.
    if (outcome == Outcome::ProbeFailed && trans->RxReply.isEmpty() && serialLink->isOpen()) {
        watching = true;
        lateWatch->start();
        return;
    }
    emit finished(outcome);
}

// No later exchange shows that the last reply was cut short (a text beyond the receive buffer)
// or followed by more: what is still on the line does.
void UnitSession::checkLastReply(const DeviceProcedure& done) {
    const QByteArray more = serialLink->readAll();
    if (more.isEmpty()) return;
    const QByteArray command = done.exchanges().back().command;
    const QString text =
        device::Text::tr(
            "reply to %1 went on after its exchange (%2 more bytes): it was cut short or followed "
            "by noise")
            .arg(QString::fromLatin1(command.chopped(1)), QString::number(more.size()));
    qCInfo(lcProcedure).noquote() << text;
    trans->logNote(text);
    if (slipped++ == 0) firstSlipText = text;
}

void UnitSession::watchForLateProbe() {
    const QByteArray bytes = serialLink->readAll();
    const qint64 ms = sinceProbe.elapsed();
    if (bytes.isEmpty() && ms < LateWatchMs && serialLink->isOpen()) return;
    if (commandset::probeModel(bytes)) {
        lateMs = int(ms);
        const QString note =
            device::Text::tr(
                "the reply to ? came %1 ms after the command, later than the %2 ms the link "
                "waits: %3")
                .arg(QString::number(ms), QString::number(trans->interval()),
                     escape::controls(codepage::decode(bytes)));
        qCInfo(lcProcedure).noquote() << note;
        trans->logNote(note);
    }
    endWatch();
}

void UnitSession::endWatch() {
    lateWatch->stop();
    watching = false;
    emit finished(Outcome::ProbeFailed);
}
