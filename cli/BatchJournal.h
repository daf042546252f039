#pragma once

#include <QList>
#include <QString>
#include <memory>

#include "BatchRunner.h"
#include "Commands.h"
#include "Journal.h"

// Recording each unit's run of a quellix-cli batch in the journal.
namespace cli {

// The journal the line asks for (--journal, QUELLIX_JOURNAL or the default), open; null when
// --no-journal turns it off or it cannot be used, having warned on standard error. Never a
// reason to stop a transfer.
std::unique_ptr<journal::Journal> openJournal(const Invocation& line);

// One record per port of a finished batch; `file` is the file a write or verify used.
void recordBatch(journal::Journal* journal, const BatchTask& task, const QList<PortResult>& results,
                 const QString& file);

}  // namespace cli
