#include <QCoreApplication>

#include "Cli.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quellix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QX_VERSION));
    return cli::run(QCoreApplication::arguments());
}
