// SPDX-License-Identifier: GPL-3.0-or-later
#include "provision/DeviceWatcher.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

namespace provision {

DeviceWatcher::DeviceWatcher(const QStringList& patterns, QObject* parent)
    : QObject(parent), globs(patterns) {
    for (const QString& glob : globs)
        globMatchers << QRegularExpression::fromWildcard(glob, Qt::CaseSensitive);
    connect(&timer, &QTimer::timeout, this, &DeviceWatcher::poll);
}

void DeviceWatcher::start(int intervalMs) {
    timer.start(intervalMs);
    poll();
}

void DeviceWatcher::stop() {
    timer.stop();
}

QStringList DeviceWatcher::present() const {
    QStringList paths = known.keys();
    std::sort(paths.begin(), paths.end());
    return paths;
}

void DeviceWatcher::poll() {
    const QHash<QString, QString> now = scan();
    QStringList gone, added;
    for (auto it = known.cbegin(); it != known.cend(); ++it)
        if (!now.contains(it.key()) || now.value(it.key()) != it.value()) gone << it.key();
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (!known.contains(it.key()) || known.value(it.key()) != it.value()) added << it.key();
    known = now;
    // Sorted, so units plugged in together start in a predictable order.
    std::sort(gone.begin(), gone.end());
    std::sort(added.begin(), added.end());
    for (const QString& path : gone)
        emit disappeared(path);
    for (const QString& path : added)
        emit appeared(path);
}

bool DeviceWatcher::matches(const QString& path) const {
    return std::any_of(globMatchers.begin(), globMatchers.end(),
                       [&](const QRegularExpression& glob) { return glob.match(path).hasMatch(); });
}

QHash<QString, QString> DeviceWatcher::scan() const {
    QHash<QString, QString> found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString path = info.systemLocation();
        // Built-in ports are always listed; without patterns only USB adapters come and go.
        if (globs.isEmpty() ? info.hasVendorIdentifier() : matches(path)) found.insert(path, {});
    }
    for (const QString& glob : globs) {
        const QFileInfo pattern(glob);
        const QDir folder = pattern.dir();
        const QStringList names = folder.entryList(
            {pattern.fileName()}, QDir::Files | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& name : names) {
            const QFileInfo entry(folder.filePath(name));
            // These follow a symbolic link, so one whose device has gone does not count, and
            // neither does a plain file (a backup saved beside the links).
            if (entry.exists() && !entry.isDir() && !entry.isFile())
                found.insert(entry.filePath(),
                             entry.isSymLink() ? entry.symLinkTarget() : QString());
        }
    }
    return found;
}

}  // namespace provision
