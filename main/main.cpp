#include <QApplication>

#include "frmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quellix"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    frmMain window;
    window.show();
    return app.exec();
}
