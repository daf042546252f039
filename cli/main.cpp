// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>

#include "cli/Cli.h"
#include "core/FileSizeLimit.h"
#include "translations/Translations.h"

int main(int argc, char* argv[]) {
    ignoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quellix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QX_VERSION));
    i18n::installForUser();
    return cli::run(QCoreApplication::arguments());
}
