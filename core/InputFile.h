// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A file the user names on the command line, where "-" stands for standard input.
namespace input {

enum class Status { Ok, CannotOpen, CannotRead };

// Up to maxBytes + 1 bytes of `path`, so that the caller sees a file larger than it takes.
// On failure *reason holds the system's words.
Status readAtMost(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* reason);

}  // namespace input
