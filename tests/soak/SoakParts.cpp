// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/SoakParts.h"

#include <QAbstractButton>
#include <QFile>

#include <filesystem>

#include "device/CommandSet.h"

#include <unistd.h>

namespace soak {

qint64 residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) / 1024 : -1;
}

int openFds() {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

ConfigurationSet randomSet(QRandomGenerator& rng) {
    static const QString digits = QStringLiteral("0123456789");
    static const QString letters =
        QStringLiteral(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .,-/&é");
    ConfigurationSet set;
    set.slaveId = rng.bounded(ConfigurationSet::SlaveIdCount);
    for (QString& phone : set.phoneNo) {
        const int length = rng.bounded(ConfigurationSet::PhoneMaxLength + 1);
        for (int c = 0; c < length; ++c)
            phone += digits[rng.bounded(int(digits.size()))];
    }
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        set.channelEnable[i] = rng.bounded(2) ? FlagTrue : FlagFalse;
        const int length = rng.bounded(ConfigurationSet::MessageMaxLength + 1);
        QString& message = set.channelMessage[i];
        while (message.size() < length) {
            if (message.size() + 2 <= length && rng.bounded(20) == 0)
                message += QStringLiteral("\r\n");
            else
                message += letters[rng.bounded(int(letters.size()))];
        }
    }
    return set;
}

QString differences(const ConfigurationSet& got, const ConfigurationSet& want) {
    QStringList d;
    if (got.slaveId != want.slaveId)
        d << QStringLiteral("slave ID %1, not %2").arg(got.slaveId).arg(want.slaveId);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k) {
        if (got.phoneNo[k] != want.phoneNo[k])
            d << QStringLiteral("phone %1 \"%2\", not \"%3\"")
                     .arg(k + 1)
                     .arg(got.phoneNo[k], want.phoneNo[k]);
    }
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        if (got.channelEnable[i] != want.channelEnable[i])
            d << QStringLiteral("flag %1 %2").arg(i + 1).arg(got.channelEnable[i]);
        if (got.channelMessage[i] != want.channelMessage[i])
            d << QStringLiteral("message %1 \"%2\", not \"%3\"")
                     .arg(i + 1)
                     .arg(got.channelMessage[i].left(20), want.channelMessage[i].left(20));
    }
    return d.mid(0, 4).join(QStringLiteral("; "));
}

QByteArray slippedQuery(QRandomGenerator& rng) {
    const int query = rng.bounded(Exchanges - 2);
    if (query == 0) return QByteArray("?A");
    if (query == 1) return QByteArray("?E");
    if (query < 2 + ConfigurationSet::PhoneCount) return "?P" + commandset::hex2(query - 2);
    return "?M" + commandset::hex2(query - 2 - ConfigurationSet::PhoneCount);
}

BoxCatcher::BoxCatcher()
    : driver(
          [this](QWidget* modal) {
              auto* box = qobject_cast<QMessageBox*>(modal);
              if (!box) return;
              boxes << QStringList{box->windowTitle(), box->text(), QString::number(box->icon())};
              box->button(QMessageBox::Ok)->click();
          },
          StuckMs, 10) {}

namespace {

QtMessageHandler defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    defaultHandler(type, context, text);
}

}  // namespace

QuietLog::QuietLog() {
    defaultHandler = qInstallMessageHandler(quietHandler);
}

QuietLog::~QuietLog() {
    qInstallMessageHandler(defaultHandler);
}

}  // namespace soak
