// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchJournal.h"

#include "cli/Console.h"
#include "core/Escape.h"

namespace cli {

namespace {

void warn(const QString& text) {
    writeTo(stderr, Text::tr("quellix-cli: journal: %1\n").arg(escape::controls(text)));
}

}  // namespace

std::unique_ptr<journal::Journal> openJournal(const Invocation& line) {
    QString error;
    std::unique_ptr<journal::Journal> journal =
        journal::chosen(line.noJournal, line.journal, &error);
    if (!error.isEmpty()) {
        warn(Text::tr("%1; this run is not recorded").arg(error));
        return nullptr;
    }
    if (!journal) return nullptr;
    QObject::connect(journal.get(), &journal::Journal::warning, journal.get(), &warn);
    journal->open();
    return journal;
}

}  // namespace cli
