// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes on the simulated unit's line, in any chunking: the framer must stay within its
// buffer bound and cut the same commands whether the bytes arrive at once or piece by piece.
#include <QList>
#include <cstdint>
#include <cstdlib>

#include "tools/unitsim/UnitFramer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const qsizetype step = 1 + data[0] % 7;  // first byte picks the chunk size
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));

    UnitFramer whole(64);
    const QList<QByteArray> atOnce = whole.feed(bytes);

    UnitFramer pieces(64);
    QList<QByteArray> chunked;
    for (qsizetype at = 0; at < bytes.size(); at += step) {
        chunked += pieces.feed(bytes.sliced(at, qMin(step, bytes.size() - at)));
        if (pieces.pending().size() > 64) std::abort();
    }
    if (chunked != atOnce || pieces.pending() != whole.pending()) std::abort();
    for (const QByteArray& command : atOnce)
        if (command.isEmpty() || !command.endsWith('\r')) std::abort();
    return 0;
}
