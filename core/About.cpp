// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/About.h"

#include <QCoreApplication>

namespace about {

QString versionText() {
    return QStringLiteral("%1 %2\n%3\n%4\n%5\n")
        .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
             QCoreApplication::translate("about",
                                         "License GPL-3.0-or-later: GNU GPL version 3 or later "
                                         "<https://gnu.org/licenses/gpl.html>."),
             QCoreApplication::translate(
                 "about", "This is free software: you are free to change and redistribute it."),
             QCoreApplication::translate("about",
                                         "There is NO WARRANTY, to the extent permitted by law."));
}

}  // namespace about
