// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

namespace cli {

// Everything quellix-cli says on standard error. On a terminal each port gets a line that is
// redrawn in place as its transfer goes on; elsewhere (a pipe, a CI log) there are no live
// lines, only notes and one summary per port. Quiet drops progress, notes and successful
// summaries; errors are always said.
class Reporter {
public:
    Reporter(std::FILE* stream, bool quiet, bool live);
    ~Reporter();

    // Detects a terminal on `stream`.
    static bool isTerminal(std::FILE* stream);

    // The ports that get a live line, in the order shown.
    void setPorts(const QStringList& ports);
    void progress(int port, const QString& stage, int done, int count);
    void note(const QString& text);
    void error(const QString& text);
    // Ends the live block, so what follows prints below it.
    void finishLive();

private:
    void print(const QString& text);
    void clearBlock();
    void drawBlock();

    std::FILE* out;
    bool isQuiet;
    bool isLive;
    bool drawn = false;
    QStringList names;
    QStringList lines;
};

}  // namespace cli
