// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Console.h"

#include "cli/ExitCode.h"
#include "core/Escape.h"

namespace cli {

void writeTo(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void printLines(const QStringList& lines) {
    for (const QString& line : lines)
        writeTo(stdout, line + '\n');
}

QString eraseLinesAbove(qsizetype count) {
    return count > 0 ? QStringLiteral("\x1b[%1A\r\x1b[J").arg(count) : QString();
}

int usageError(const QString& message) {
    writeTo(
        stderr,
        Text::tr("quellix-cli: %1\nTry 'quellix-cli --help'.\n").arg(escape::controls(message)));
    return Usage;
}

int fileError(const QString& name, const QString& why) {
    writeTo(stderr, Text::tr("quellix-cli: %1: %2\n")
                        .arg(escape::controls(name), escape::controlsKeepingLines(why)));
    return FileFailed;
}

}  // namespace cli
