// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/LinkPace.h"

#include <QByteArray>
#include <cmath>

#include "device/CommandSet.h"

namespace {

// Margins over what was measured: the unit's worst answer time twice over, the widest gap
// inside a reply twice over plus a little for the event loop.
constexpr double AnswerMargin = 2.0;
constexpr double GapMargin = 2.0;
constexpr int GapSlackMs = 2;

int bounded(double ms, int low, int high) {
    return int(qBound(double(low), std::ceil(ms), double(high)));
}

QByteArrayView body(QByteArrayView command) {
    if (command.endsWith(commandset::CR)) command.chop(1);
    return command;
}

}  // namespace

void LinkPace::beginRun() {
    fellBack = false;
    troubleCount = 0;
}

int LinkPace::deadlineMs() const {
    if (!answerKnown()) return StartDeadlineMs;
    return bounded(slowestAnswerMs * AnswerMargin, StartDeadlineMs, LateLimitMs);
}

int LinkPace::gapMs() const {
    return bounded(widestGapMs * GapMargin + GapSlackMs, StartGapMs, MaxGapMs);
}

int LinkPace::slowGapMs(int intervalMs) const {
    return qMin(MaxGapMs, qMax(2 * gapMs(), intervalMs / 2));
}

void LinkPace::learnAnswer(double ms) {
    slowestAnswerMs = qMax(slowestAnswerMs, ms);
}

void LinkPace::learnGap(double ms) {
    widestGapMs = qMax(widestGapMs, ms);
}

bool LinkPace::trouble() {
    if (fellBack) return false;
    fellBack = ++troubleCount >= TroubleLimit;
    return fellBack;
}

qsizetype LinkPace::minimumLength(QByteArrayView command) {
    const QByteArrayView query = body(command);
    if (query == "?A") return 3;
    if (query == "?E") return commandset::EnableReplyLength;
    if (query.startsWith("?P") || query.startsWith("?M")) return 3;
    return 1;
}

bool LinkPace::headFits(QByteArrayView command, QByteArrayView reply) {
    const QByteArrayView query = body(command);
    if (reply.isEmpty() || !query.startsWith('?')) return true;
    if (query == "?") return reply.startsWith('>');
    // The slave ID and flags replies have one length; anything more came from elsewhere.
    if (query == "?A" || query == "?E") {
        return reply.startsWith(query[1]) && reply.size() == minimumLength(command);
    }
    return commandset::replyTag(reply) == commandset::expectedTag(command);
}
