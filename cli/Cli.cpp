#include "Cli.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSerialPortInfo>
#include <QSet>
#include <algorithm>
#include <cstdio>

#include "BatchRunner.h"
#include "ConfigDocument.h"
#include "ConfigJson.h"
#include "ExitCode.h"
#include "Reporter.h"
#include "TrafficLog.h"

namespace cli {

namespace {

const char* const Synopsis =
    "Usage:\n"
    "  quellix-cli ports [--json]\n"
    "  quellix-cli read   -p PORT [-p PORT ...] -o FILE\n"
    "  quellix-cli write  -p PORT [-p PORT ...] FILE|- [--verify]\n"
    "  quellix-cli verify -p PORT [-p PORT ...] FILE\n"
    "  quellix-cli diff   FILE FILE\n"
    "  quellix-cli show   FILE [--json]\n"
    "\n"
    "FILE is a configuration file (145 or 161 records) or its JSON form (see show --json).\n"
    "In -o, {port} stands for the port's base name; it is required with several ports.\n"
    "An -o name ending in .json writes JSON. Several ports run at the same time.\n"
    "Exit status: 0 done or equal, 1 differences, 2 usage, 3 a port could not be opened,\n"
    "4 no unit answered or the line was lost, 5 a file could not be read or written.";

void writeTo(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void printLines(const QStringList& lines) {
    for (const QString& line : lines)
        writeTo(stdout, line + '\n');
}

int usageError(const QString& message) {
    writeTo(stderr, QStringLiteral("quellix-cli: %1\nTry 'quellix-cli --help'.\n").arg(message));
    return Usage;
}

int fileError(const QString& name, const QString& why) {
    writeTo(stderr, QStringLiteral("quellix-cli: %1: %2\n").arg(name, why));
    return FileFailed;
}

QString hex4(bool has, quint16 value) {
    return has ? QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')) : QString();
}

int listPorts(bool json) {
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    if (json) {
        QJsonArray array;
        for (const QSerialPortInfo& info : ports) {
            auto id = [](bool has, quint16 value) {
                return has ? QJsonValue(hex4(true, value)) : QJsonValue(QJsonValue::Null);
            };
            array.append(QJsonObject{
                {QStringLiteral("port"), info.systemLocation()},
                {QStringLiteral("description"), info.description()},
                {QStringLiteral("manufacturer"), info.manufacturer()},
                {QStringLiteral("serialNumber"), info.serialNumber()},
                {QStringLiteral("vendorId"),
                 id(info.hasVendorIdentifier(), info.vendorIdentifier())},
                {QStringLiteral("productId"),
                 id(info.hasProductIdentifier(), info.productIdentifier())},
            });
        }
        writeTo(stdout, QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
        return Done;
    }
    for (const QSerialPortInfo& info : ports) {
        QString ids;
        if (info.hasVendorIdentifier() || info.hasProductIdentifier())
            ids = hex4(info.hasVendorIdentifier(), info.vendorIdentifier()) + ':' +
                  hex4(info.hasProductIdentifier(), info.productIdentifier());
        writeTo(stdout, QStringList{info.systemLocation(), info.description(), info.manufacturer(),
                                    info.serialNumber(), ids}
                                .join('\t') +
                            '\n');
    }
    return Done;
}

QStringList listing(const ConfigDocument& doc) {
    QStringList lines{QStringLiteral("slave-id: %1").arg(doc.set.slaveId)};
    for (int k = 0; k < doc.phoneCount; ++k)
        lines << QStringLiteral("phone %1: %2")
                     .arg(k + 1)
                     .arg(ConfigJson::literal(doc.set.phoneNo[k]));
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        lines << QStringLiteral("channel %1: %2 %3")
                     .arg(i + 1)
                     .arg(doc.set.enabled(i) ? QStringLiteral("yes") : QStringLiteral("no"),
                          ConfigJson::literal(doc.set.channelMessage[i]));
    return lines;
}

// Loads FILE, or says why not; false means exit 5 before anything is sent.
bool loadDocument(const QString& name, ConfigDocument* doc) {
    *doc = ConfigDocument::load(name);
    if (doc->ok) return true;
    fileError(name == QStringLiteral("-") ? QStringLiteral("standard input") : name, doc->error);
    return false;
}

}  // namespace

int run(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(Synopsis));
    const QCommandLineOption portOption(
        {QStringLiteral("p"), QStringLiteral("port")},
        QStringLiteral("Serial port of a unit; repeat for several."), QStringLiteral("PORT"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("File a read is saved to."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Print JSON (ports, show)."));
    const QCommandLineOption verifyOption(QStringLiteral("verify"),
                                          QStringLiteral("Read back after a write and compare."));
    const QCommandLineOption intervalOption(
        QStringLiteral("interval"), QStringLiteral("Milliseconds per exchange (default 100)."),
        QStringLiteral("MS"), QStringLiteral("100"));
    const QCommandLineOption logOption(QStringLiteral("log"),
                                       QStringLiteral("Append every command and reply to FILE."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption quietOption({QStringLiteral("q"), QStringLiteral("quiet")},
                                         QStringLiteral("No progress or summaries; errors only."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    const QCommandLineOption versionOption(QStringLiteral("version"),
                                           QStringLiteral("Show the version."));
    parser.addOptions({portOption, outputOption, jsonOption, verifyOption, intervalOption,
                       logOption, quietOption, helpOption, versionOption});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("ports, read, write, verify, diff or show."));

    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(helpOption)) {
        writeTo(stdout, parser.helpText());
        return Done;
    }
    if (parser.isSet(versionOption)) {
        writeTo(stdout,
                QStringLiteral("quellix-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return Done;
    }

    QStringList args = parser.positionalArguments();
    if (args.isEmpty()) return usageError(QStringLiteral("no command given"));
    const QString command = args.takeFirst();
    const QStringList ports = parser.values(portOption);

    // Options that mean nothing to a command are refused, so a mistyped line does not run
    // something other than what was meant.
    const bool onUnits = command == QStringLiteral("read") || command == QStringLiteral("write") ||
                         command == QStringLiteral("verify");
    struct Rule {
        const QCommandLineOption& option;
        bool allowed;
    };
    const QList<Rule> rules{
        {portOption, onUnits},
        {outputOption, command == QStringLiteral("read")},
        {jsonOption, command == QStringLiteral("ports") || command == QStringLiteral("show")},
        {verifyOption, command == QStringLiteral("write")},
        {intervalOption, onUnits},
        {logOption, onUnits},
    };
    static const QStringList commands{QStringLiteral("ports"), QStringLiteral("read"),
                                      QStringLiteral("write"), QStringLiteral("verify"),
                                      QStringLiteral("diff"),  QStringLiteral("show")};
    if (!commands.contains(command))
        return usageError(QStringLiteral("unknown command '%1'").arg(command));
    for (const Rule& rule : rules)
        if (!rule.allowed && parser.isSet(rule.option))
            return usageError(QStringLiteral("--%1 does not apply to %2")
                                  .arg(rule.option.names().last(), command));

    const qsizetype wanted = command == QStringLiteral("diff")    ? 2
                             : command == QStringLiteral("ports") ? 0
                             : command == QStringLiteral("read")  ? 0
                                                                  : 1;
    if (args.size() != wanted)
        return usageError(QStringLiteral("%1 takes %2 file argument%3, %4 given")
                              .arg(command)
                              .arg(wanted)
                              .arg(wanted == 1 ? "" : "s")
                              .arg(args.size()));

    if (command == QStringLiteral("ports")) return listPorts(parser.isSet(jsonOption));

    if (command == QStringLiteral("show")) {
        ConfigDocument doc;
        if (!loadDocument(args[0], &doc)) return FileFailed;
        if (parser.isSet(jsonOption))
            writeTo(stdout, QString::fromUtf8(ConfigJson::serialize(doc.set, doc.phoneCount)));
        else
            printLines(listing(doc));
        return Done;
    }

    if (command == QStringLiteral("diff")) {
        ConfigDocument left, right;
        if (!loadDocument(args[0], &left) || !loadDocument(args[1], &right)) return FileFailed;
        // Phones 17-32 count only when both files hold them.
        const QStringList lines =
            differences(left.set, right.set, std::min(left.phoneCount, right.phoneCount));
        printLines(lines);
        return lines.isEmpty() ? Done : Differences;
    }

    // read, write, verify: everything is checked before the first port is touched.
    if (ports.isEmpty()) return usageError(QStringLiteral("%1 needs -p PORT").arg(command));
    if (QSet<QString>(ports.begin(), ports.end()).size() != ports.size())
        return usageError(QStringLiteral("a port is given twice"));
    bool intervalOk = false;
    const int interval = parser.value(intervalOption).toInt(&intervalOk);
    if (!intervalOk || interval <= 0)
        return usageError(QStringLiteral("--interval needs a positive whole number of "
                                         "milliseconds, not '%1'")
                              .arg(parser.value(intervalOption)));

    BatchTask task;
    task.intervalMs = interval;
    if (command == QStringLiteral("read")) {
        task.mode = BatchTask::Mode::Read;
        if (!parser.isSet(outputOption)) return usageError(QStringLiteral("read needs -o FILE"));
        task.outputPattern = parser.value(outputOption);
        if (ports.size() > 1) {
            if (!task.outputPattern.contains(QStringLiteral("{port}")))
                return usageError(
                    QStringLiteral("with several ports, -o needs {port} in the file name"));
            QSet<QString> paths;
            for (const QString& port : ports)
                paths.insert(BatchRunner::outputPath(task.outputPattern, port));
            if (paths.size() != ports.size())
                return usageError(QStringLiteral("two ports would be saved to the same file"));
        }
    } else {
        task.mode =
            command == QStringLiteral("write") ? BatchTask::Mode::Write : BatchTask::Mode::Verify;
        task.verifyAfterWrite = parser.isSet(verifyOption);
        task.documentName =
            args[0] == QStringLiteral("-") ? QStringLiteral("standard input") : args[0];
        if (!loadDocument(args[0], &task.document)) return FileFailed;
    }

    TrafficLog log;
    if (parser.isSet(logOption)) {
        if (!log.open(parser.value(logOption)))
            return fileError(parser.value(logOption), log.errorString());
        task.log = &log;
    }

    Reporter reporter(stderr, parser.isSet(quietOption), Reporter::isTerminal(stderr));
    BatchRunner runner(task, reporter);
    const QList<PortResult> results = runner.run(ports);

    int worst = Done;
    for (const PortResult& result : results) {
        // With several ports each difference names its port.
        const QString prefix = ports.size() > 1 ? result.port + QStringLiteral(": ") : QString();
        for (const QString& line : result.differences)
            writeTo(stdout, prefix + line + '\n');
        worst = std::max(worst, int(result.code));
    }
    for (const PortResult& result : results) {
        if (result.code == Done || result.code == Differences)
            reporter.note(QStringLiteral("%1: %2").arg(result.port, result.summary));
        else
            reporter.error(QStringLiteral("%1: %2 (exit %3)")
                               .arg(result.port, result.summary)
                               .arg(result.code));
    }
    return worst;
}

}  // namespace cli
