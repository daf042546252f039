// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QEventLoop>
#include <QHash>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

#include <csignal>

namespace support {

// How a run of quellix-cli ended.
struct CliRun {
    int code = -1;  // -2: killed by the watchdog, -1: crashed or did not start
    QByteArray out, err;
};

// One run of quellix-cli. Standard input gets `input`, the bytes from `pauseAt` on only after
// a pause, as a slow pipe gives them; `signal` goes to it at each time in `signalAt` (ms from
// the start); `inChild` runs in the child before the program starts.
struct CliCall {
    QStringList args;
    QHash<QString, QString> environment;  // on top of the test's own
    QByteArray input;
    qsizetype pauseAt = -1;
    std::function<void()> inChild;
    QList<int> signalAt;
    int signal = SIGINT;
};

// Runs the program to its end, or kills it after `watchdogMs`, while this thread's event loop
// keeps serving whatever the test runs beside it (simulated units).
inline CliRun runCli(const QString& program, const CliCall& call, int watchdogMs) {
    CliRun run;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (auto it = call.environment.cbegin(); it != call.environment.cend(); ++it)
        env.insert(it.key(), it.value());
    process.setProcessEnvironment(env);
    process.setProgram(program);
    process.setArguments(call.args);
    if (call.inChild) process.setChildProcessModifier(call.inChild);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start();
    if (!process.waitForStarted(5000)) {
        run.err = process.errorString().toUtf8();
        return run;
    }
    for (const int ms : call.signalAt)
        QTimer::singleShot(ms, &process,
                           [&process, &call] { ::kill(pid_t(process.processId()), call.signal); });
    if (call.pauseAt >= 0) {
        process.write(call.input.left(call.pauseAt));
        QTest::qWait(500);
    }
    process.write(call.input.mid(qMax<qsizetype>(call.pauseAt, 0)));
    process.closeWriteChannel();
    QTimer::singleShot(watchdogMs, &loop, &QEventLoop::quit);
    loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
        run.code = -2;
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.code = process.exitCode();
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

}  // namespace support
