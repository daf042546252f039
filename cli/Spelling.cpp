// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Spelling.h"

#include <algorithm>
#include <vector>

namespace cli {

namespace {

// Edits (insert, delete, replace, swap two neighbours) that turn `a` into `b`.
qsizetype editDistance(const QString& a, const QString& b) {
    const qsizetype rows = a.size() + 1, cols = b.size() + 1;
    std::vector<qsizetype> d(size_t(rows * cols));
    auto at = [&](qsizetype i, qsizetype j) -> qsizetype& { return d[size_t(i * cols + j)]; };
    for (qsizetype i = 0; i < rows; ++i)
        at(i, 0) = i;
    for (qsizetype j = 0; j < cols; ++j)
        at(0, j) = j;
    for (qsizetype i = 1; i < rows; ++i) {
        for (qsizetype j = 1; j < cols; ++j) {
            const qsizetype cost = a[i - 1] == b[j - 1] ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
        }
    }
    return at(rows - 1, cols - 1);
}

}  // namespace

QString nearestName(const QString& word, const QStringList& known) {
    const QString typed = word.toLower();  // the names are lower case; Caps Lock is a slip too
    QString best;
    qsizetype bestDistance = 3;  // more slips than two is another word, not a typo
    for (const QString& name : known) {
        const qsizetype distance = editDistance(typed, name);
        // A short word is never "close" to a name it shares almost nothing with.
        if (distance < bestDistance && distance < name.size() / 2 + 1) {
            best = name;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace cli
