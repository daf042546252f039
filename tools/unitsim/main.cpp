// SPDX-License-Identifier: GPL-3.0-or-later
// Simulated units on pseudo-terminals, for trying the tool without hardware. Prints the device
// path of each unit, one per line, and runs until it is killed.
#include <fcntl.h>
#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "configfile/ConfigFile.h"
#include "core/FileSizeLimit.h"
#include "tools/unitsim/UnitSimulator.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe calls here; the event loop does the rest.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

bool installQuitSignals(QCoreApplication& app) {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    return ::sigaction(SIGINT, &action, nullptr) == 0 &&
           ::sigaction(SIGTERM, &action, nullptr) == 0;
}

QString numbered(const QString& pattern, size_t n) {
    return QString(pattern).replace(QStringLiteral("{n}"), QString::number(n + 1));
}

// The --link symlinks; each is removed again when the program ends, so an exit unplugs.
class LinkSet {
public:
    ~LinkSet() {
        for (const QString& path : made)
            QFile::remove(path);
    }
    bool make(const QString& pattern, const std::vector<std::unique_ptr<UnitSimulator>>& units) {
        for (size_t n = 0; n < units.size(); ++n) {
            const QString path = numbered(pattern, n);
            // Replacing whatever is there could unplug another unit or destroy a file.
            if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) {
                std::fprintf(stderr, "quellix-unitsim: cannot link %s: it exists already\n",
                             qPrintable(path));
                return false;
            }
            if (!QFile::link(units[n]->slavePath(), path)) {
                std::fprintf(stderr, "quellix-unitsim: cannot link %s to %s\n", qPrintable(path),
                             qPrintable(units[n]->slavePath()));
                return false;
            }
            made << path;
        }
        return true;
    }

private:
    QStringList made;
};

bool parseCount(const QCommandLineParser& parser, const QString& name, qint64 min, qint64* value) {
    if (!parser.isSet(name)) return true;
    bool ok = false;
    *value = parser.value(name).toLongLong(&ok);
    if (ok && *value >= min) return true;
    std::fprintf(stderr, "quellix-unitsim: --%s needs a whole number of at least %lld\n",
                 qPrintable(name), static_cast<long long>(min));
    return false;
}

struct OptionRow {
    const char* name;
    const char* help;
    const char* valueName;  // empty for a plain switch
};

const OptionRow optionTable[] = {
    {"silent", "Answer nothing.", ""},
    {"probe-only", "Answer the probe and nothing else.", ""},
    {"delay", "Send every reply MS milliseconds late.", "MS"},
    {"garbage", "Answer every command with random bytes.", ""},
    {"answer",
     "Answer CMD (such as ?A) with REPLY instead, written with the log's escapes (\\r, \\xNN); "
     "repeat for several.",
     "CMD=REPLY"},
    {"hang-up-after", "Close the line after N commands, like an unplugged adapter.", "N"},
    {"flood", "Send BYTES bytes of noise after the probe reply.", "BYTES"},
    {"late-once",
     "Hold back the reply to the first CMD (such as ?P05) and send it just ahead of the next "
     "reply.",
     "CMD"},
    {"latency",
     "Start every reply MS milliseconds after its command, plus up to JITTER more at random.",
     "MS[:JITTER]"},
    {"chunk", "Send every reply in pieces of BYTES bytes, GAP_MS milliseconds apart.",
     "BYTES:GAP_MS"},
    {"busy",
     "A setting keeps the unit busy for MS milliseconds; commands arriving meanwhile are "
     "dropped unanswered.",
     "MS"},
    {"drop-every", "Drop every Nth command unanswered and unapplied.", "N"},
    {"seed", "Seed for garbage and flood bytes (default 1).", "N"},
    {"log", "Append every received command to FILE.", "FILE"},
    {"load", "Start with the configuration in FILE (the tool's file format).", "FILE"},
    {"save",
     "Write the configuration to FILE on exit; with --count above 1 FILE must hold {n}, the "
     "unit's number from 1.",
     "FILE"},
    {"count", "Start N units, each with the same options (default 1).", "N"},
    {"model", "Model text sent after \">\" in the probe reply.", "TEXT"},
    {"link",
     "Make PATH a symbolic link to the unit's device (removed on exit), as if it were plugged in "
     "there; with --count above 1 PATH must hold {n}.",
     "PATH"},
};

void addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Simulated alarm modem unit on a pseudo-terminal. Prints the device path "
                       "to open in the tool as the first line, then runs until interrupted."));
    parser.addHelpOption();
    for (const OptionRow& row : optionTable)
        parser.addOption(QCommandLineOption(QString::fromUtf8(row.name),
                                            QString::fromUtf8(row.help),
                                            QString::fromUtf8(row.valueName)));
}

using UnitList = std::vector<std::unique_ptr<UnitSimulator>>;

// "A" or "A:B", each a whole number from 0 up to `limit`; `second` stays as it is without ":B".
bool parsePair(const QCommandLineParser& parser, const QString& name, bool secondNeeded, int* first,
               int* second) {
    if (!parser.isSet(name)) return true;
    constexpr qint64 Limit = 3'600'000;
    const QStringList parts = parser.value(name).split(QLatin1Char(':'));
    bool ok = parts.size() == 2 || (parts.size() == 1 && !secondNeeded);
    qint64 values[2] = {0, *second};
    for (qsizetype i = 0; ok && i < parts.size(); ++i) {
        values[i] = parts[i].toLongLong(&ok);
        ok = ok && values[i] >= 0 && values[i] <= Limit;
    }
    if (!ok) {
        std::fprintf(stderr, "quellix-unitsim: --%s needs %s, whole numbers from 0 to %lld\n",
                     qPrintable(name), secondNeeded ? "A:B" : "A or A:B",
                     static_cast<long long>(Limit));
        return false;
    }
    *first = int(values[0]);
    *second = int(values[1]);
    return true;
}

// What every unit is started with; an unset option stays empty.
struct Settings {
    UnitFaults faults;
    qint64 count = 1;
    ConfigurationSet initial;
    std::optional<QString> model, log, save, link;
};

std::optional<QString> valueIfSet(const QCommandLineParser& parser, const char* name) {
    const QString option = QString::fromUtf8(name);
    if (!parser.isSet(option)) return std::nullopt;
    return parser.value(option);
}

// A reply written with the log's escapes: \r, \n, \0, \\ and \xNN; nothing on a bad escape.
std::optional<QByteArray> unescaped(const QString& text) {
    const QByteArray in = text.toLatin1();
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] != '\\') {
            out.append(in[i]);
            continue;
        }
        const char kind = i + 1 < in.size() ? in[++i] : '\0';
        if (kind == 'r' || kind == 'n' || kind == '0' || kind == '\\') {
            out.append(kind == 'r' ? '\r' : kind == 'n' ? '\n' : kind == '0' ? '\0' : '\\');
            continue;
        }
        bool ok = false;
        const int byte = kind == 'x' ? in.mid(i + 1, 2).toInt(&ok, 16) : 0;
        if (!ok || in.mid(i + 1, 2).size() != 2) return std::nullopt;
        out.append(char(byte));
        i += 2;
    }
    return out;
}

bool readAnswers(const QCommandLineParser& parser, UnitFaults& faults) {
    for (const QString& given : parser.values(QStringLiteral("answer"))) {
        const qsizetype equals = given.indexOf(QLatin1Char('='));
        const std::optional<QByteArray> reply =
            equals > 0 ? unescaped(given.mid(equals + 1)) : std::nullopt;
        if (!reply) {
            std::fprintf(stderr, "quellix-unitsim: --answer needs CMD=REPLY, not %s\n",
                         qPrintable(given));
            return false;
        }
        faults.answers.append({given.left(equals).toLatin1(), *reply});
    }
    return true;
}

bool readFaults(const QCommandLineParser& parser, Settings& settings) {
    UnitFaults& faults = settings.faults;
    faults.silent = parser.isSet(QStringLiteral("silent"));
    faults.probeOnly = parser.isSet(QStringLiteral("probe-only"));
    faults.garbage = parser.isSet(QStringLiteral("garbage"));
    qint64 delay = 0, hangUpAfter = -1, flood = 0, seed = 1, busy = 0, dropEvery = 0;
    if (!parsePair(parser, QStringLiteral("latency"), false, &faults.latencyMs, &faults.jitterMs) ||
        !parsePair(parser, QStringLiteral("chunk"), true, &faults.chunkBytes, &faults.chunkGapMs) ||
        !parseCount(parser, QStringLiteral("busy"), 0, &busy) ||
        !parseCount(parser, QStringLiteral("drop-every"), 0, &dropEvery) ||
        !parseCount(parser, QStringLiteral("count"), 1, &settings.count) ||
        !parseCount(parser, QStringLiteral("delay"), 0, &delay) ||
        !parseCount(parser, QStringLiteral("hang-up-after"), 0, &hangUpAfter) ||
        !parseCount(parser, QStringLiteral("flood"), 0, &flood) ||
        !parseCount(parser, QStringLiteral("seed"), 0, &seed) || !readAnswers(parser, faults))
        return false;
    faults.delayMs = int(qMin<qint64>(delay, 3'600'000));
    faults.hangUpAfter = int(qMin<qint64>(hangUpAfter, 1'000'000'000));
    faults.floodBytes = flood;
    faults.busyMs = int(qMin<qint64>(busy, 3'600'000));
    faults.dropEvery = int(qMin<qint64>(dropEvery, 1'000'000'000));
    faults.lateOnce = parser.value(QStringLiteral("late-once")).toLatin1();
    faults.seed = quint32(seed);
    return true;
}

// Returns the exit status to stop with, or nothing when the units can start.
std::optional<int> readSettings(const QCommandLineParser& parser, Settings& settings) {
    if (!readFaults(parser, settings)) return 2;
    settings.model = valueIfSet(parser, "model");
    settings.log = valueIfSet(parser, "log");
    settings.save = valueIfSet(parser, "save");
    settings.link = valueIfSet(parser, "link");
    // One file for several units would keep only the last one's configuration.
    if (settings.count > 1 && settings.save && !settings.save->contains(u"{n}")) {
        std::fprintf(stderr, "quellix-unitsim: with --count above 1, --save needs {n}\n");
        return 2;
    }
    if (settings.count > 1 && settings.link && !settings.link->contains(u"{n}")) {
        std::fprintf(stderr, "quellix-unitsim: with --count above 1, --link needs {n}\n");
        return 2;
    }
    settings.count = qMin<qint64>(settings.count, 256);  // each unit holds a pseudo-terminal

    settings.initial = UnitSimulator::sampleConfiguration();
    if (const std::optional<QString> path = valueIfSet(parser, "load")) {
        const configfile::LoadResult loaded = configfile::load(*path, settings.initial);
        // A half-read file would start the unit with a mix nobody asked for.
        if (!loaded.ok) {
            std::fprintf(stderr, "quellix-unitsim: cannot load %s: %s\n", qPrintable(*path),
                         qPrintable(loaded.error));
            return 1;
        }
        settings.initial = loaded.set;
    }
    return std::nullopt;
}

bool makeUnits(const Settings& settings, UnitList& units) {
    for (qint64 n = 0; n < settings.count; ++n) {
        auto unit = std::make_unique<UnitSimulator>();
        unit->setFaults(settings.faults);
        if (settings.model) unit->setModelText(*settings.model);
        if (settings.log) {
            unit->setLogFile(*settings.log);
            if (!unit->isLogging()) {
                std::fprintf(stderr, "quellix-unitsim: cannot open log file: %s\n",
                             qPrintable(unit->errorString()));
                return false;
            }
        }
        unit->setConfiguration(settings.initial);
        units.push_back(std::move(unit));
    }
    return true;
}

// Opens the units, links them and prints their paths; false (already reported) on failure.
bool startUnits(QCoreApplication& app, const Settings& settings, UnitList& units, LinkSet& links) {
    if (!makeUnits(settings, units)) return false;
    if (!installQuitSignals(app)) {
        std::perror("quellix-unitsim: signal handling");
        return false;
    }
    for (const auto& unit : units) {
        if (!unit->open()) {
            std::fprintf(stderr, "quellix-unitsim: %s\n", qPrintable(unit->errorString()));
            return false;
        }
        const QString path = unit->slavePath();
        QObject::connect(unit.get(), &UnitSimulator::hungUp, &app, [path] {
            std::fprintf(stderr, "quellix-unitsim: %s hung up\n", qPrintable(path));
        });
    }
    if (settings.link && !links.make(*settings.link, units)) return false;
    // Every path before the first command, so a caller can read them all and then start.
    for (const auto& unit : units)
        std::printf("%s\n", qPrintable(unit->slavePath()));
    std::fflush(stdout);
    return true;
}

bool saveUnits(const QString& pattern, const UnitList& units) {
    for (size_t n = 0; n < units.size(); ++n) {
        const QString path = numbered(pattern, n);
        QString error;
        if (!configfile::save(path, units[n]->configuration(), &error)) {
            std::fprintf(stderr, "quellix-unitsim: cannot save %s: %s\n", qPrintable(path),
                         qPrintable(error));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    ignoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quellix-unitsim"));

    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);

    Settings settings;
    if (const std::optional<int> status = readSettings(parser, settings)) return *status;
    // Declared after the units, so the links are removed before the units close.
    UnitList units;
    LinkSet links;
    if (!startUnits(app, settings, units, links)) return 1;

    const int status = app.exec();
    if (settings.save && !saveUnits(*settings.save, units)) return 1;
    return status;
}
