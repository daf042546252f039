// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QtGlobal>

// Cuts the byte stream the unit receives into commands. "&P" and "&M" carry free text that may
// hold CR LF, so they end at NUL + CR; every other command ends at the first CR. Line feeds and
// NULs between commands are skipped. A command that grows past `maxLength` without its
// terminator is dropped up to that terminator, so noise on the line cannot grow the buffer.
class UnitFramer {
public:
    static constexpr qsizetype DefaultMaxLength = 512;

    explicit UnitFramer(qsizetype maxLength = DefaultMaxLength);

    // Commands completed by `bytes`, terminators included, in arrival order.
    QList<QByteArray> feed(QByteArrayView bytes);

    QByteArray pending() const { return m_buffer; }    // the unfinished command
    qint64 droppedBytes() const { return m_dropped; }  // bytes of overlong commands thrown away
    void reset();

    static bool endsAtNulCr(QByteArrayView start);  // true for "&P" and "&M"

private:
    qsizetype m_maxLength;
    QByteArray m_buffer;
    qint64 m_dropped = 0;
    bool m_skipping = false;    // inside an overlong command, waiting for its terminator
    bool m_skipText = false;    // that command ends at NUL + CR
    bool m_lastWasNul = false;  // while skipping: the previous byte was NUL
};
