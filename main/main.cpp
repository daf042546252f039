#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <csignal>

#include "TrafficLog.h"
#include "frmMain.h"

int main(int argc, char* argv[]) {
#ifdef SIGXFSZ
    // Over a file size limit a save then fails with its warning, and the old file stays.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quellix"));
    QApplication::setApplicationName(QStringLiteral("Quellix"));
    QApplication::setApplicationVersion(QStringLiteral(QX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads, edits and writes the configuration of an alarm modem unit."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Show DEVICE in the port box (e.g. /dev/ttyUSB0)."),
        QStringLiteral("DEVICE"));
    const QCommandLineOption logOption(
        QStringLiteral("log"),
        QStringLiteral("Append every command sent and every reply received to FILE."),
        QStringLiteral("FILE"));
    parser.addOptions({portOption, logOption});
    parser.process(app);

    frmMain window;
    TrafficLog log;
    if (parser.isSet(logOption)) {
        if (log.open(parser.value(logOption))) {
            window.setTrafficLog(&log);
        } else {
            QMessageBox::warning(nullptr, QStringLiteral("Quellix"),
                                 QStringLiteral("The log file %1 cannot be opened: %2")
                                     .arg(parser.value(logOption), log.errorString()));
        }
    }
    if (parser.isSet(portOption)) window.setPort(parser.value(portOption));
    window.show();
    return app.exec();
}
