// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include <unistd.h>

namespace testsupport {

// File permissions bind a root test run only in a child that has become user nobody. The build
// tree (and the test's own temporary folder) may lie in a folder only its owner can enter, such
// as a clone in a mktemp -d folder, so whatever that child needs is copied into a folder of its
// own that others can enter: the programs, the files, the sanitizers' suppression lists.
class NobodyFolder {
public:
    static constexpr uid_t Nobody = 65534;
    static constexpr int CannotBecomeNobody = 99;  // the child's exit code

    // Creates the folder under QX_NOBODY_DIR (default /tmp); returns what went wrong, empty
    // when nothing did.
    QString create() {
        base = qEnvironmentVariable("QX_NOBODY_DIR", QStringLiteral("/tmp"));
        folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/quellix-nobody-XXXXXX"));
        if (!folder->isValid())
            return QStringLiteral("cannot create a folder in %1: %2; %3")
                .arg(base, folder->errorString(), advice());
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;
        const QString home = filePath(QStringLiteral("home"));
        if (!QFile::setPermissions(folder->path(), open) ||
            !QDir().mkdir(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
            (::geteuid() == 0 && ::chown(QFile::encodeName(home).constData(), Nobody, Nobody) != 0))
            return QStringLiteral("cannot open %1 to others").arg(folder->path());
        return {};
    }
    QString path() const { return folder->path(); }
    QString filePath(const QString& name) const { return folder->filePath(name); }

    // Copies `file` in, runnable by all when `program`; returns the copy's path, empty when
    // the copy failed.
    QString copy(const QString& file, bool program = true) const {
        const QString to = filePath(QFileInfo(file).fileName());
        const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto runnable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        if (!QFile::copy(file, to) ||
            !QFile::setPermissions(to, program ? readable | runnable : readable))
            return {};
        return to;
    }

    // The child's environment: its own temporary folder and home, and the sanitizers'
    // suppression lists read from copies here.
    QProcessEnvironment environment(QProcessEnvironment env) const {
        for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
            QString options = env.value(QLatin1String(name));
            const QRegularExpression list(QStringLiteral("suppressions=([^:]+)"));
            const QRegularExpressionMatch match = list.match(options);
            if (!match.hasMatch()) continue;
            options.replace(match.capturedStart(1), match.capturedLength(1),
                            copy(match.captured(1), false));
            env.insert(QLatin1String(name), options);
        }
        for (const char* name : {"TMPDIR", "HOME", "XDG_RUNTIME_DIR"})
            env.insert(QLatin1String(name), filePath(QStringLiteral("home")));
        return env;
    }

    // For QProcess::setChildProcessModifier: the child of a root run becomes user nobody
    // before it starts (any other user is bound by permissions already).
    static void becomeNobody() {
        if (::geteuid() == 0 && (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            ::_exit(CannotBecomeNobody);
    }

    // What to say when the child did not start or ended at once.
    QString cannotStart(const QString& program, const QString& why) const {
        return QStringLiteral("%1 could not run as user nobody (%2) from %3: %4; %5")
            .arg(program, QString::number(Nobody), path(), why, advice());
    }

private:
    QString advice() const {
        return QStringLiteral(
                   "the folder must be one that user nobody can enter and run programs from "
                   "(each folder above it open to others, not mounted noexec): set "
                   "QX_NOBODY_DIR to such a folder (now %1)")
            .arg(base);
    }

    QString base;
    std::unique_ptr<QTemporaryDir> folder;
};

}  // namespace testsupport
