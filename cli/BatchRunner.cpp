#include "BatchRunner.h"

#include <QEventLoop>
#include <QFileInfo>
#include <vector>

#include "BatchJob.h"
#include "Reporter.h"

namespace cli {

BatchRunner::BatchRunner(const BatchTask& task, Reporter& reporter, QObject* parent)
    : QObject(parent), task(task), reporter(reporter) {}

BatchRunner::~BatchRunner() = default;

QList<PortResult> BatchRunner::run(const QStringList& ports) {
    // Each job gets its own task, so per-unit values reach only their port.
    std::vector<BatchTask> tasks(size_t(ports.size()), task);
    for (qsizetype i = 0; i < ports.size() && i < task.portDocuments.size(); ++i)
        tasks[size_t(i)].document = task.portDocuments[i];
    std::vector<std::unique_ptr<BatchJob>> jobs;
    jobs.reserve(size_t(ports.size()));
    for (int i = 0; i < ports.size(); ++i)
        jobs.push_back(std::make_unique<BatchJob>(tasks[size_t(i)], reporter, i, ports[i]));
    reporter.setPorts(ports);

    QEventLoop loop;
    auto running = qsizetype(jobs.size());
    for (auto& job : jobs)
        job->start([&] {
            if (--running == 0) loop.quit();
        });
    if (running > 0) loop.exec();
    reporter.finishLive();

    QList<PortResult> results;
    for (const auto& job : jobs)
        results << job->outcome();
    return results;
}

QString BatchRunner::outputPath(const QString& pattern, const QString& port) {
    QString path = pattern;
    return path.replace(QStringLiteral("{port}"), QFileInfo(port).fileName());
}

}  // namespace cli
