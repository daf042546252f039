// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdio>

// What quellix-cli prints outside the per-port reports: results on standard output, and errors
// that all read "quellix-cli: ..." on standard error.
namespace cli {

// The one translation context of the tool; its English texts are the source texts.
class Text {
    Q_DECLARE_TR_FUNCTIONS(cli)
};

void writeTo(std::FILE* stream, const QString& text);
void printLines(const QStringList& lines);

// Moves a terminal's cursor up `count` lines to their start and clears from there down, so a
// block drawn there can be drawn again; empty for none, since "up 0" still goes up a line on
// most terminals.
QString eraseLinesAbove(qsizetype count);

// Says what is wrong with the command line and where to look; returns exit 2. Control
// characters in what is printed are escaped (see escape::controls()).
int usageError(const QString& message);
// Says why `name` could not be read or written; returns exit 5. Escaped alike.
int fileError(const QString& name, const QString& why);

}  // namespace cli
