// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace provision {

// Notices serial devices being plugged in and out by looking at what is there about twice a
// second. Without patterns it follows the system's USB serial devices; with patterns (shell
// wildcards on a whole path, "/dev/ttyUSB*") it follows the listed devices whose path matches
// and also any file matching in the pattern's folder, such as a symbolic link to a
// pseudo-terminal, which counts while its target exists. A link pointed at another device
// between two looks is a device unplugged and another plugged in.
class DeviceWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 500;

    explicit DeviceWatcher(const QStringList& patterns, QObject* parent = nullptr);

    // The first look happens at once, so devices already plugged in appear too.
    void start(int intervalMs = DefaultIntervalMs);
    void stop();
    QStringList present() const;

signals:
    void appeared(const QString& path);
    void disappeared(const QString& path);

public slots:
    void poll();

private:
    // Each device path found, with the device a link there points to (empty for a device).
    QHash<QString, QString> scan() const;
    bool matches(const QString& path) const;

    QStringList globs;
    QList<QRegularExpression> globMatchers;  // the globs, compiled once rather than every poll
    QHash<QString, QString> known;
    QTimer timer;
};

}  // namespace provision
