// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/unitsim/UnitSimulator.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>

#include "core/Codepage.h"
#include "device/CommandSet.h"
#include "device/TrafficLog.h"
#include "tools/unitsim/UnitFramer.h"

namespace {

constexpr qsizetype ReadChunk = 4096;
constexpr qsizetype FloodChunk = 4096;
constexpr int RetryAfterEioMs = 50;
constexpr qsizetype GarbageMaxLength = 24;
constexpr int HangUpDrainMs = 1000;
constexpr int DrainPollMs = 5;
constexpr int DrainGraceMs = 50;
// The replies to an accepted setting and to anything else the unit cannot take.
const QByteArray Acknowledgement = QByteArrayLiteral("OK\r");
const QByteArray ErrorReply = QByteArrayLiteral("ERR\r");

// The numeric field at the start of `field` when it is exactly `digits` hex digits long.
// The unit is strict where the tool's own reading of replies is lenient: a malformed setting
// must not overwrite a stored value.
std::optional<int> strictHex(QByteArrayView field, qsizetype digits) {
    if (field.size() != digits) return std::nullopt;
    int value = 0;
    for (const char c : field) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (digit < 0) return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

bool setNonBlockingCloexec(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0) return false;
    const int fdFlags = ::fcntl(fd, F_GETFD);
    return fdFlags >= 0 && ::fcntl(fd, F_SETFD, fdFlags | FD_CLOEXEC) >= 0;
}

}  // namespace

struct UnitSimulator::Private {
    // One piece of output, sent in order: literal bytes, then `noise` random bytes, then the
    // hang-up if asked for.
    struct Output {
        QByteArray bytes;
        qint64 noise = 0;
        bool hangUp = false;
    };

    int master = -1;
    int slaveKeeper = -1;  // keeps the line alive while the tool has the slave closed
    QString slavePath;
    QString error;
    QSocketNotifier* readNotifier = nullptr;
    QSocketNotifier* writeNotifier = nullptr;
    quint64 generation = 0;  // bumped by every hang-up, so late replies never reach a new line

    UnitFramer framer;
    UnitFaults faults;
    QRandomGenerator random{1};
    ConfigurationSet config = UnitSimulator::sampleConfiguration();
    QString model = QString::fromLatin1(UnitSimulator::DefaultModelText);

    QByteArray received;
    QList<QByteArray> commands;
    int commandCount = 0;
    int dropCount = 0;        // commands counted towards UnitFaults::dropEvery
    QElapsedTimer clock;      // since open(), for the link timing below
    qint64 busyUntilMs = 0;   // a setting is being stored until then
    qint64 lineFreeAtMs = 0;  // when the last queued reply has gone out
    QFile log;
    std::deque<Output> out;
    QByteArray heldReply;  // the reply UnitFaults::lateOnce holds back
    bool lateDone = false;
    bool draining = false;  // the hang-up waits for the tool to read the last reply
    bool drainSeen = false;
    QDeadlineTimer drainGrace;
    QDeadlineTimer drainDeadline;

    QByteArray garbage() {
        QByteArray bytes(1 + random.bounded(int(GarbageMaxLength)), '\0');
        for (char& c : bytes)
            c = char(random.bounded(256));
        // Garbage must look like no unit at all, so it never passes the tool's probe test.
        while (bytes[0] == '>')
            bytes[0] = char(random.bounded(256));
        return bytes;
    }
};

UnitSimulator::UnitSimulator(QObject* parent) : QObject(parent), d(std::make_unique<Private>()) {}

UnitSimulator::~UnitSimulator() {
    delete d->readNotifier;
    delete d->writeNotifier;
    closeFd(d->slaveKeeper);
    closeFd(d->master);
}

bool UnitSimulator::open() {
    if (isOpen()) return true;
    d->error.clear();
    auto fail = [this](const char* step) {
        d->error = QStringLiteral("%1: %2").arg(QLatin1String(step),
                                                QString::fromLocal8Bit(std::strerror(errno)));
        closeFd(d->slaveKeeper);
        closeFd(d->master);
        return false;
    };

    d->master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (d->master < 0) return fail("posix_openpt");
    if (!setNonBlockingCloexec(d->master)) return fail("fcntl");
    if (::grantpt(d->master) != 0) return fail("grantpt");
    if (::unlockpt(d->master) != 0) return fail("unlockpt");
    char name[256] = {};
    if (::ptsname_r(d->master, name, sizeof name) != 0) return fail("ptsname");

    d->slaveKeeper = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (d->slaveKeeper < 0) return fail("open slave");
    // Raw, so that CR stays CR, nothing is echoed and bytes 0x80-0xFF pass untouched.
    termios tio{};
    if (::tcgetattr(d->slaveKeeper, &tio) != 0) return fail("tcgetattr");
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B115200);
    ::cfsetospeed(&tio, B115200);
    if (::tcsetattr(d->slaveKeeper, TCSANOW, &tio) != 0) return fail("tcsetattr");

    d->slavePath = QString::fromLocal8Bit(name);
    d->framer.reset();
    d->received.clear();
    d->commands.clear();
    d->commandCount = 0;
    d->dropCount = 0;
    d->clock.start();
    d->busyUntilMs = 0;
    d->lineFreeAtMs = 0;
    d->out.clear();
    d->draining = false;

    d->readNotifier = new QSocketNotifier(d->master, QSocketNotifier::Read, this);
    connect(d->readNotifier, &QSocketNotifier::activated, this, [this] { readAvailable(); });
    d->writeNotifier = new QSocketNotifier(d->master, QSocketNotifier::Write, this);
    d->writeNotifier->setEnabled(false);
    connect(d->writeNotifier, &QSocketNotifier::activated, this, [this] { pump(); });
    return true;
}

void UnitSimulator::hangUp() {
    if (!isOpen()) return;
    // Either notifier may be the one whose signal brought us here, so it goes later.
    for (QSocketNotifier** notifier : {&d->readNotifier, &d->writeNotifier}) {
        (*notifier)->setEnabled(false);
        (*notifier)->deleteLater();
        *notifier = nullptr;
    }
    closeFd(d->slaveKeeper);
    closeFd(d->master);
    d->out.clear();
    d->heldReply.clear();
    d->draining = false;
    d->framer.reset();
    ++d->generation;
    emit hungUp();
}

bool UnitSimulator::isOpen() const {
    return d->master >= 0;
}
QString UnitSimulator::slavePath() const {
    return isOpen() ? d->slavePath : QString();
}
QString UnitSimulator::errorString() const {
    return d->error;
}

void UnitSimulator::setFaults(const UnitFaults& faults) {
    // A roomy unit takes a setting as long as a configuration file's longest text.
    constexpr qsizetype RoomyCommandLength = 128 * 1024;
    if (faults.roomy != d->faults.roomy)
        d->framer = UnitFramer(faults.roomy ? RoomyCommandLength : UnitFramer::DefaultMaxLength);
    d->faults = faults;
    d->random.seed(faults.seed);
    d->heldReply.clear();
    d->lateDone = false;
}

void UnitSimulator::setLogFile(const QString& path) {
    d->log.close();
    if (path.isEmpty()) return;
    d->log.setFileName(path);
    // Appending keeps earlier runs; each line is flushed so a killed simulator leaves it whole.
    if (!d->log.open(QIODevice::WriteOnly | QIODevice::Append)) d->error = d->log.errorString();
}

bool UnitSimulator::isLogging() const {
    return d->log.isOpen();
}

ConfigurationSet UnitSimulator::configuration() const {
    return d->config;
}
void UnitSimulator::setConfiguration(const ConfigurationSet& set) {
    d->config = set;
}

QString UnitSimulator::modelText() const {
    return d->model;
}
void UnitSimulator::setModelText(const QString& text) {
    d->model = text;
}

QByteArray UnitSimulator::received() const {
    return d->received;
}
QList<QByteArray> UnitSimulator::commands() const {
    return d->commands;
}

void UnitSimulator::clearReceived() {
    d->received.clear();
    d->commands.clear();
}

QByteArray UnitSimulator::handleCommand(QByteArrayView command) {
    QByteArrayView body = command;
    if (body.endsWith('\r')) body.chop(1);
    const bool textSetting = UnitFramer::endsAtNulCr(body);
    if (textSetting && body.endsWith('\0')) body.chop(1);

    ConfigurationSet& c = d->config;
    if (body == "?") return '>' + codepage::encode(d->model);
    if (body == "?A") return 'A' + commandset::hex2(c.slaveId);
    if (body == "?E") return 'E' + commandset::bitmapHex(c.channelEnable) + '\r';

    if (body.size() < 2) return ErrorReply;
    const QByteArrayView name = body.first(2);
    if (name == "?P" || name == "?M") {
        const bool phone = name[1] == 'P';
        const auto index = strictHex(body.sliced(2), 2);
        const int count = phone ? ConfigurationSet::PhoneCount : ConfigurationSet::ChannelCount;
        if (!index || *index >= count) return ErrorReply;
        const QString& text = phone ? c.phoneNo[*index] : c.channelMessage[*index];
        return name[1] + commandset::hex2(*index) + codepage::encode(text);
    }
    if (name == "&A") {
        const auto id = strictHex(body.sliced(2), 2);
        if (!id || *id >= ConfigurationSet::SlaveIdCount) return ErrorReply;
        c.slaveId = *id;
        return Acknowledgement;
    }
    if (name == "&E") {
        const QByteArrayView bitmap = body.sliced(2);
        for (qsizetype k = 0; k < bitmap.size(); k += 2) {
            if (!strictHex(bitmap.sliced(k, qMin<qsizetype>(2, bitmap.size() - k)), 2))
                return ErrorReply;
        }
        if (bitmap.size() != 16) return ErrorReply;
        c.channelEnable = commandset::flagsFromBitmap(bitmap);
        return Acknowledgement;
    }
    if (textSetting && body.size() >= 4) {
        const bool phone = name[1] == 'P';
        const auto index = strictHex(body.sliced(2, 2), 2);
        const int count = phone ? ConfigurationSet::PhoneCount : ConfigurationSet::ChannelCount;
        const QString text = codepage::decode(body.sliced(4));
        const int limit =
            phone ? ConfigurationSet::PhoneMaxLength : ConfigurationSet::MessageMaxLength;
        // A text the unit has no room for is refused whole rather than stored cut.
        const bool fits = d->faults.roomy || text.size() <= limit;
        if (!index || *index >= count || !fits) return ErrorReply;
        (phone ? c.phoneNo[*index] : c.channelMessage[*index]) = text;
        return Acknowledgement;
    }
    return ErrorReply;
}

void UnitSimulator::readAvailable() {
    char buffer[ReadChunk];
    while (isOpen()) {
        const ssize_t n = ::read(d->master, buffer, sizeof buffer);
        if (n > 0) {
            const QByteArrayView bytes(buffer, n);
            d->received.append(bytes);
            const QList<QByteArray> commands = d->framer.feed(bytes);
            for (const QByteArray& command : commands) {
                if (!isOpen()) return;  // a hang-up drops whatever followed on the line
                commandArrived(command);
            }
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EIO) {
            // No slave side open. Our own keeper fd normally prevents that; if it happens
            // anyway, stop polling a line that reports hang-up on every pass and look again
            // a little later instead of spinning.
            d->readNotifier->setEnabled(false);
            const quint64 generation = d->generation;
            QTimer::singleShot(RetryAfterEioMs, this, [this, generation] {
                if (isOpen() && generation == d->generation) d->readNotifier->setEnabled(true);
            });
        }
        return;  // EAGAIN: everything read
    }
}

void UnitSimulator::commandArrived(const QByteArray& command) {
    d->commands.append(command);
    if (d->log.isOpen()) {
        d->log.write(TrafficLog::escaped(command) + '\n');
        d->log.flush();
    }
    emit commandReceived(command);
    if (!isOpen()) return;  // a receiver may have hung up

    const UnitFaults& f = d->faults;
    ++d->commandCount;
    if (f.hangUpAfter >= 0 && d->commandCount > f.hangUpAfter) {
        // With a limit of 0 the line goes down on the first command. Otherwise the hang-up
        // already waits behind the last reply, and commands sent meanwhile go unanswered.
        if (f.hangUpAfter == 0) hangUp();
        return;
    }
    const bool lastCommand = f.hangUpAfter >= 0 && d->commandCount == f.hangUpAfter;
    const bool isProbe = command == commandset::probe();
    if (!takes(command)) {
        if (lastCommand) send({}, 0, true);
        return;
    }

    QByteArray bytes;
    qint64 noise = 0;
    if (f.silent || (f.probeOnly && !isProbe)) {
        // no reply
    } else if (f.garbage) {
        bytes = d->garbage();
    } else {
        bytes = handleCommand(command);
        const QByteArrayView bare = QByteArrayView(command).chopped(command.endsWith('\r') ? 1 : 0);
        for (const auto& [asked, answer] : f.answers)
            if (asked == bare) bytes = answer;
        if (isProbe) noise = qMax<qint64>(0, f.floodBytes);
        holdLate(command, &bytes);
    }
    if (bytes.isEmpty() && noise == 0 && !lastCommand) return;
    send(bytes, noise, lastCommand);
}

bool UnitSimulator::takes(QByteArrayView command) {
    const UnitFaults& f = d->faults;
    const qint64 now = d->clock.elapsed();
    if (f.busyMs > 0 && now < d->busyUntilMs) return false;
    ++d->dropCount;
    if (f.dropEvery > 0 && d->dropCount % f.dropEvery == 0) return false;
    if (f.busyMs > 0 && command.startsWith('&')) d->busyUntilMs = now + f.busyMs;
    return true;
}

void UnitSimulator::send(const QByteArray& bytes, qint64 noise, bool hangUp) {
    const UnitFaults& f = d->faults;
    const int jitter = f.jitterMs > 0 ? int(d->random.bounded(f.jitterMs + 1)) : 0;
    const qint64 delay = qint64(f.delayMs) + f.latencyMs + jitter;
    const bool chunked = f.chunkBytes > 0 && bytes.size() > f.chunkBytes;
    if (delay == 0 && !chunked && d->lineFreeAtMs <= d->clock.elapsed()) {
        d->out.push_back({bytes, noise, hangUp});
        pump();
        return;
    }
    // Pieces go out at their times; the next reply waits for the last of them.
    const qint64 now = d->clock.elapsed();
    qint64 at = qMax(now + delay, d->lineFreeAtMs);
    const qsizetype piece = chunked ? f.chunkBytes : qMax<qsizetype>(1, bytes.size());
    for (qsizetype from = 0; from < bytes.size() || from == 0; from += piece) {
        const bool last = from + piece >= bytes.size();
        Private::Output output{bytes.mid(from, piece), last ? noise : 0, last && hangUp};
        const quint64 generation = d->generation;
        QTimer::singleShot(int(at - now), Qt::PreciseTimer, this, [this, output, generation] {
            if (!isOpen() || generation != d->generation) return;
            d->out.push_back(output);
            pump();
        });
        d->lineFreeAtMs = at;
        if (last) break;
        at += f.chunkGapMs;
    }
}

void UnitSimulator::holdLate(QByteArrayView command, QByteArray* reply) {
    if (!d->heldReply.isEmpty()) {
        reply->prepend(d->heldReply);
        d->heldReply.clear();
    }
    const QByteArray& late = d->faults.lateOnce;
    if (d->lateDone || late.isEmpty()) return;
    if (command.endsWith('\r')) command.chop(1);
    if (command != late) return;
    d->lateDone = true;
    d->heldReply = *reply;
    reply->clear();
}

void UnitSimulator::pump() {
    bool waitWritable = false;
    while (isOpen() && !d->out.empty()) {
        Private::Output& front = d->out.front();
        if (!front.bytes.isEmpty()) {
            const ssize_t n = ::write(d->master, front.bytes.constData(), front.bytes.size());
            if (n < 0 && errno == EINTR) continue;
            waitWritable = n < 0 || n < front.bytes.size();  // the line is full: wait
            if (n < 0) break;
            front.bytes.remove(0, n);
            if (waitWritable) break;
            continue;
        }
        if (front.noise > 0) {
            // Generated per chunk, as the line takes it, so a large flood costs no memory.
            QByteArray chunk(qMin<qint64>(front.noise, FloodChunk), '\0');
            for (char& c : chunk)
                c = char(d->random.bounded(256));
            const ssize_t n = ::write(d->master, chunk.constData(), chunk.size());
            if (n < 0 && errno == EINTR) continue;
            waitWritable = n < chunk.size();
            if (n < 0) break;
            front.noise -= n;
            if (waitWritable) break;
            continue;
        }
        if (front.hangUp) {
            // Closing the master throws away what the tool has not read yet, so the last
            // reply is given a moment to be taken first. The kernel moves written bytes to
            // the slave side a little later, so an empty queue only counts once the reply
            // has been seen there or a grace period has passed.
            if (!d->draining) {
                d->draining = true;
                d->drainSeen = false;
                d->drainGrace.setRemainingTime(DrainGraceMs);
                d->drainDeadline.setRemainingTime(HangUpDrainMs);
            }
            int unread = 0;
            if (::ioctl(d->slaveKeeper, FIONREAD, &unread) != 0) unread = 0;
            if (unread > 0) d->drainSeen = true;
            const bool taken = unread == 0 && (d->drainSeen || d->drainGrace.hasExpired());
            if (!taken && !d->drainDeadline.hasExpired()) {
                QTimer::singleShot(DrainPollMs, this, [this] { pump(); });
                break;
            }
            hangUp();
            return;
        }
        d->out.pop_front();
    }
    if (d->writeNotifier) d->writeNotifier->setEnabled(waitWritable && isOpen());
}
