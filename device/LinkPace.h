// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// How fast the link goes from one exchange to the next.
//
// Fixed: one whole interval per exchange, whatever the unit does. Auto: the next command goes
// as soon as the reply is complete, that is its first byte has come and the line has then
// been quiet for a gap learnt from the unit. The reply's first byte is waited for up to a
// deadline that follows the unit's measured answer time. What it learns stays with the link;
// trouble is counted per procedure, and too much of it sends the rest of that procedure back
// to the fixed pace.
//
// No I/O here: Transaction measures and asks, this decides.
class LinkPace {
public:
    enum class Mode { Fixed, Auto };

    static constexpr int StartDeadlineMs = 100;
    // A unit that has not begun to answer by then is taken as silent, however slow it is.
    static constexpr int LateLimitMs = 1000;
    static constexpr int StartGapMs = 5;
    static constexpr int MaxGapMs = 250;
    // Out-of-step replies one procedure may have before it goes on at the fixed pace.
    static constexpr int TroubleLimit = 3;

    void setMode(Mode mode) { chosen = mode; }
    Mode mode() const { return chosen; }
    // Auto, and this procedure has not fallen back.
    bool paced() const { return chosen == Mode::Auto && !fellBack; }
    bool fallenBack() const { return fellBack; }
    // A new procedure: no trouble yet, auto again if it was chosen. The learnt times stay.
    void beginRun();

    // How long to wait for the first byte of a reply.
    int deadlineMs() const;
    // How long the line must stay quiet after a byte before the reply counts as complete.
    int gapMs() const;
    // The quiet gap of an exchange done again after trouble: slower than the learnt one.
    int slowGapMs(int intervalMs) const;
    bool answerKnown() const { return slowestAnswerMs >= 0; }

    // Time from a command to the first byte of its reply.
    void learnAnswer(double ms);
    // Quiet time seen between two pieces of one reply, or before leftover bytes of a reply
    // taken as complete too early.
    void learnGap(double ms);
    // One more out-of-step reply; true when it makes this procedure fall back to fixed.
    bool trouble();

    // A reply shorter than this cannot be whole, so no quiet gap ends it yet.
    static qsizetype minimumLength(QByteArrayView command);
    // Whether `reply` begins as the answer to `command` does. False means bytes from before
    // lead it: the previous reply was cut short or came late. Settings are not judged.
    static bool headFits(QByteArrayView command, QByteArrayView reply);

private:
    Mode chosen = Mode::Fixed;
    bool fellBack = false;
    int troubleCount = 0;
    double slowestAnswerMs = -1;
    double widestGapMs = 0;
};
