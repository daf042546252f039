// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PortName.h"

#include <QRegularExpression>

#include "device/SerialLink.h"

namespace cli {

QString deviceForPort(const QString& given) {
    static const QRegularExpression comPort(QStringLiteral("^COM ?([0-9]{1,3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comPort.match(given);
    if (!match.hasMatch()) return given;
    const QString device =
        SerialLink::deviceNameFor(given, match.captured(1).toInt(), SerialLink::hostPlatform());
    // Outside COM1..COM255 there is no such port to map; the open then says so by its name.
    return device.isEmpty() ? given : device;
}

}  // namespace cli
