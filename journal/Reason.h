// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace journal {

// Why a run failed, as the journal keeps it: a code any reader looks up in its own language,
// and the English text for whoever reads the database itself. Codes join with "+" where one
// reason follows another ("line-lost+during-write").
struct Reason {
    QString code;
    QString english;
    QString shown;  // in the language the tool runs in

    // `code` (one of the table's) with `args` for its %1, %2 ...; an unknown code gives the
    // arguments joined, so nothing said is lost.
    static Reason of(const char* code, const QStringList& args = {});
    // Text from elsewhere (the system's words), kept as it is.
    static Reason text(const QString& words);
    // This reason followed by `next`.
    Reason then(const Reason& next) const;
};

// A stored reason in the reader's language: each code's text with its arguments read back from
// the English; the English as it is when a code is unknown to this version or does not match.
QString shownReason(const QString& code, const QString& english);

}  // namespace journal
