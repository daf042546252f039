// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <csignal>

#include "Cli.h"
#include "Translations.h"

int main(int argc, char* argv[]) {
#ifdef SIGXFSZ
    // Over a file size limit a save then fails with its error, and the old file stays.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quellix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QX_VERSION));
    i18n::installForUser();
    return cli::run(QCoreApplication::arguments());
}
