// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace journal {

// How an operation on a unit ended, from the journal record up to the station's tiles.
// Interrupted: cut short by the user (a second Ctrl-C, the station closed); the journal keeps
// it as failed, with a reason saying so, so the stored words stay done, differences, failed.
enum class Outcome { Done, Differences, Failed, Interrupted };

// Failed or interrupted: the unit may hold anything, and needs another run.
inline bool endedBadly(Outcome outcome) {
    return outcome == Outcome::Failed || outcome == Outcome::Interrupted;
}

// The names stored and shown ("done", ...); fromName gives nothing for any other text.
QString outcomeName(Outcome outcome);
std::optional<Outcome> outcomeFromName(const QString& name);

}  // namespace journal
