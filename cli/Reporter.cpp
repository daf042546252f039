// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Reporter.h"

#include "cli/Console.h"
#include "core/Escape.h"

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {

Reporter::Reporter(std::FILE* stream, bool quiet, bool live)
    : out(stream), isQuiet(quiet), isLive(live && !quiet) {}

Reporter::~Reporter() {
    finishLive();
}

bool Reporter::isTerminal(std::FILE* stream) {
#ifdef Q_OS_WIN
    return ::_isatty(::_fileno(stream)) != 0;
#else
    return ::isatty(::fileno(stream)) == 1;
#endif
}

void Reporter::setPorts(const QStringList& ports) {
    clearBlock();
    names = ports;
    lines.clear();
    for (const QString& name : ports)
        lines << Text::tr("%1  waiting").arg(escape::controls(name));
    drawBlock();
}

void Reporter::progress(int port, const QString& stage, int done, int count) {
    if (!isLive || port < 0 || port >= lines.size()) return;
    constexpr int BarWidth = 30;
    const int filled = count > 0 ? done * BarWidth / count : 0;
    // One arg() call: a port name holding "%1" must not be taken for a placeholder.
    lines[port] =
        QStringLiteral("%1  %2 [%3%4] %5/%6")
            .arg(escape::controls(names[port]), stage.leftJustified(20), QString(filled, u'#'),
                 QString(BarWidth - filled, u' '), QString::number(done), QString::number(count));
    // Overwrite in place rather than clear first, so the lines do not flicker.
    if (drawn) writeTo(out, QStringLiteral("\x1b[%1A\r").arg(lines.size()));
    drawBlock();
}

void Reporter::note(const QString& text) {
    if (!isQuiet) print(text);
}

void Reporter::error(const QString& text) {
    print(text);
}

void Reporter::finishLive() {
    // The last drawing stays on screen; later output starts below it.
    drawn = false;
    lines.clear();
    names.clear();
}

// Above the live block, which is drawn again below it.
void Reporter::print(const QString& text) {
    clearBlock();
    // Summaries carry ports, paths and the system's and the unit's words.
    writeTo(out, escape::controlsKeepingLines(text) + '\n');
    drawBlock();
}

void Reporter::clearBlock() {
    if (!isLive || !drawn) return;
    // Up to the first live line and clear to the end of the screen.
    writeTo(out, eraseLinesAbove(lines.size()));
    drawn = false;
}

void Reporter::drawBlock() {
    if (!isLive || lines.isEmpty()) return;
    QString block;
    for (const QString& line : lines)
        block += line + QStringLiteral("\x1b[K\n");
    writeTo(out, block);
    drawn = true;
}

}  // namespace cli
