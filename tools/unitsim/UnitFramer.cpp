// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/unitsim/UnitFramer.h"

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char NUL = '\0';
}  // namespace

UnitFramer::UnitFramer(qsizetype maxLength) : m_maxLength(qMax<qsizetype>(maxLength, 2)) {
    m_buffer.reserve(m_maxLength);
}

bool UnitFramer::endsAtNulCr(QByteArrayView start) {
    return start.size() >= 2 && start[0] == '&' && (start[1] == 'P' || start[1] == 'M');
}

void UnitFramer::reset() {
    m_buffer.clear();
    m_skipping = false;
    m_skipText = false;
    m_lastWasNul = false;
}

QList<QByteArray> UnitFramer::feed(QByteArrayView bytes) {
    QList<QByteArray> commands;
    for (const char c : bytes) {
        if (m_skipping) {
            ++m_dropped;
            const bool end = c == CR && (!m_skipText || m_lastWasNul);
            m_lastWasNul = c == NUL;
            if (end) {
                m_skipping = false;
                m_lastWasNul = false;
            }
            continue;
        }
        if (m_buffer.isEmpty() && (c == LF || c == NUL)) continue;

        m_buffer.append(c);
        if (c == CR) {
            const bool needsNul = endsAtNulCr(m_buffer);
            if (!needsNul || (m_buffer.size() >= 2 && m_buffer[m_buffer.size() - 2] == NUL)) {
                commands.append(m_buffer);
                m_buffer.clear();
                continue;
            }
        }
        if (m_buffer.size() >= m_maxLength) {
            m_dropped += m_buffer.size();
            m_skipping = true;
            m_skipText = endsAtNulCr(m_buffer);
            m_lastWasNul = c == NUL;
            m_buffer.clear();
        }
    }
    return commands;
}
