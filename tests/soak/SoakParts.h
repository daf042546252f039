// SPDX-License-Identifier: GPL-3.0-or-later
// The soak's pieces that know nothing of its cycles: the faults it draws from, the unit on its
// own thread, what catches boxes, and the process's own figures.
#pragma once

#include <QColor>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>

#include <array>
#include <type_traits>

#include "core/ConfigurationSet.h"
#include "tests/support/ModalDriver.h"
#include "tools/unitsim/UnitSimulator.h"

namespace soak {

enum class Fault { None, Silent, ProbeOnly, Late, Garbage, HangUp, Flood, Slipped };
constexpr int FaultKinds = 8;
const std::array<const char*, FaultKinds> FaultNames{"none",    "silent",  "probe-only", "late",
                                                     "garbage", "hang-up", "flood",      "slipped"};

constexpr quint32 DefaultSeed = 1206;
constexpr int Cycles = 50;
// Short, yet safe: on a busy two-core machine an occasional probe reply still missed a 10 ms
// interval, even with the unit on its own thread.
constexpr int IntervalMs = 15;
constexpr qint64 FloodBytes = 1 << 20;
constexpr int Exchanges = 99;  // probe, slave ID, flags, 32 numbers, 64 messages
// Command numbers (1-based) in a read or write, in the order the tool sends them.
constexpr int SlaveIdCommand = 2;
constexpr int FlagsCommand = 3;
constexpr int FirstPhoneCommand = 4;
constexpr int FirstMessageCommand = FirstPhoneCommand + ConfigurationSet::PhoneCount;  // 36
// The unit gives its last reply up to 50 ms to be read before the line drops, while the tool
// carries on with unanswered commands; stopping at command 70 leaves 29 exchanges (at least
// 435 ms) for the drop to land inside the procedure it was aimed at.
constexpr int LastHangUpCommand = 70;
// Not a timing figure: only how long to wait before calling the tool hung.
constexpr int StuckMs = 30000;
// How long a command already written may take to reach the unit; not a timing figure either.
constexpr int SettleMs = 2000;
// The heap keeps freed pages and Qt fills its font, glyph and style caches over the first
// procedures; growth beyond this over the run means something piles up per cycle (50 leaked
// 1 MB floods, or a progress window with its backing store per procedure, would exceed it).
constexpr qint64 RssMarginKb = 20 * 1024;

const QColor Green(0, 255, 0), Red(255, 0, 0);
const QStringList NoDeviceBox{"Communication Error", "Cannot communicate with device",
                              QString::number(QMessageBox::Warning)};

qint64 residentKb();
int openFds();

// A configuration that differs from any other drawn here almost everywhere: digits for phone
// numbers of 0 to 15 characters, messages of 0 to 160 characters with line breaks and a
// character above 0x7F.
ConfigurationSet randomSet(QRandomGenerator& rng);
// Where two sets differ, for the failure list.
QString differences(const ConfigurationSet& got, const ConfigurationSet& want);
// One query of the read answered an exchange late; never the last, whose reply would then
// not come at all.
QByteArray slippedQuery(QRandomGenerator& rng);

// Answers every modal message box with OK and records title, text and icon, so a box that
// should not show is counted and one that never comes fails a wait instead of hanging. It looks
// often: the soak gives a box only a few intervals to come and go after its procedure.
struct BoxCatcher {
    BoxCatcher();
    QList<QStringList> boxes;
    testsupport::ModalDriver driver;
};

// The simulated unit on a thread of its own, as a real unit answers whatever the tool is busy
// with: on the tool's thread, a reply could not even be written while the tool opens its
// progress window. Everything about the unit is asked on its thread.
class UnitOnThread {
public:
    UnitOnThread() {
        thread.start();
        unit->moveToThread(&thread);
    }
    ~UnitOnThread() {
        unit->deleteLater();  // on its own thread, before that thread ends
        thread.quit();
        thread.wait();
    }
    template <typename F>
    auto call(F f) {
        std::invoke_result_t<F, UnitSimulator&> result{};
        QMetaObject::invokeMethod(
            unit, [&] { result = f(*unit); }, Qt::BlockingQueuedConnection);
        return result;
    }
    UnitSimulator* unit = new UnitSimulator;

private:
    QThread thread;
};

// What one click of Read or Write from Device led to.
struct Run {
    QList<QStringList> boxes;
    qsizetype sentBefore = 0;  // commands the unit had received before the click
    int unlockedDuring = 0;    // commands seen while a procedure control was usable
};

// Keeps the offscreen platform's line for every window shown out of the log while it lives:
// hundreds of them would bury the failure list.
class QuietLog {
public:
    QuietLog();
    ~QuietLog();
    QuietLog(const QuietLog&) = delete;
    QuietLog& operator=(const QuietLog&) = delete;
};

}  // namespace soak
