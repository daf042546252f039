// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/InputFile.h"

#include <QFile>
#include <cstdio>

namespace input {

namespace {

// Everything up to the bound, blocking: standard input may be a pipe whose writer is still at
// work, and one read would take only what has arrived so far.
bool readToEnd(QFile& file, qint64 limit, QByteArray* bytes) {
    constexpr qint64 Chunk = 64 * 1024;
    for (;;) {
        const qint64 room = qMin(Chunk, limit - bytes->size());
        if (room <= 0) return true;
        const QByteArray chunk = file.read(room);
        if (file.error() != QFileDevice::NoError) return false;
        if (chunk.isEmpty()) return true;  // a blocking read returns nothing only at the end
        bytes->append(chunk);
    }
}

}  // namespace

Status readAtMost(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* reason) {
    QFile file;
    const bool opened = path == QStringLiteral("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    bytes->clear();
    if (!opened) {
        *reason = file.errorString();
        return Status::CannotOpen;
    }
    if (!readToEnd(file, maxBytes + 1, bytes)) {
        *reason = file.errorString();
        return Status::CannotRead;
    }
    return Status::Ok;
}

}  // namespace input
