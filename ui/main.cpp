// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTextStream>

#include "core/About.h"
#include "core/FileSizeLimit.h"
#include "device/TrafficLog.h"
#include "journal/Journal.h"
#include "translations/Translations.h"
#include "ui/common/FocusStyle.h"
#include "ui/mainwindow/frmMain.h"

namespace {

// A window program on Windows has no console to print to; Qt's own --help shows a box there.
// The journal the window records into: --no-journal, --journal, QUELLIX_JOURNAL or the
// default, as for quellix-cli. A journal that cannot be used never keeps the window from
// working; it says so instead.
std::unique_ptr<journal::Journal> openJournal(bool disabled, const QString& option) {
    QString error;
    // Opened by the window on a thread of its own: a stalled server never holds up the start.
    std::unique_ptr<journal::Journal> journal = journal::chosen(disabled, option, &error);
    if (!error.isEmpty())
        QMessageBox::warning(
            nullptr, QStringLiteral("Quellix"),
            frmMain::tr("%1; nothing done in this window is recorded.").arg(error));
    return journal;
}

void showVersion() {
#ifdef Q_OS_WIN
    QMessageBox::information(nullptr, QApplication::applicationName(), about::versionText());
#else
    QTextStream(stdout) << about::versionText();
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quellix"));
    QApplication::setApplicationName(QStringLiteral("Quellix"));
    QApplication::setApplicationVersion(QStringLiteral(QX_VERSION));
    ui::installFocusStyle();
    i18n::installForUser();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        frmMain::tr("Reads, edits and writes the configuration of an alarm modem unit."));
    parser.addHelpOption();
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           frmMain::tr("Displays version information."));
    const QCommandLineOption portOption(
        QStringLiteral("port"), frmMain::tr("Show DEVICE in the port box (e.g. /dev/ttyUSB0)."),
        frmMain::tr("DEVICE"));
    const QCommandLineOption logOption(
        QStringLiteral("log"),
        frmMain::tr("Append every command sent and every reply received to FILE."),
        frmMain::tr("FILE"));
    const QCommandLineOption journalOption(
        QStringLiteral("journal"),
        frmMain::tr("Record every unit operation in WHERE: a file path or "
                    "postgresql://USER@HOST[:PORT]/DB."),
        frmMain::tr("WHERE"));
    const QCommandLineOption noJournalOption(QStringLiteral("no-journal"),
                                             frmMain::tr("Record nothing in the journal."));
    parser.addOptions({versionOption, portOption, logOption, journalOption, noJournalOption});
    parser.process(app);
    if (parser.isSet(versionOption)) {
        showVersion();
        return 0;
    }

    frmMain window;
    const auto journal = openJournal(parser.isSet(noJournalOption), parser.value(journalOption));
    window.setJournal(journal.get());
    TrafficLog log;
    if (parser.isSet(logOption)) {
        if (log.open(parser.value(logOption))) {
            window.setTrafficLog(&log);
        } else {
            QMessageBox::warning(nullptr, QStringLiteral("Quellix"),
                                 frmMain::tr("The log file %1 cannot be opened: %2")
                                     .arg(parser.value(logOption), log.errorString()));
        }
    }
    if (parser.isSet(portOption)) window.setPort(parser.value(portOption));
    window.show();
    return app.exec();
}
