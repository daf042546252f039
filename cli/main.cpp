// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>

#include "Cli.h"
#include "FileSizeLimit.h"
#include "Translations.h"

int main(int argc, char* argv[]) {
    ignoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quellix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QX_VERSION));
    i18n::installForUser();
    return cli::run(QCoreApplication::arguments());
}
