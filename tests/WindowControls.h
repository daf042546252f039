// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <QtGlobal>

// A window's control by its object name ("cmbComm", or "txtPhoneNo" and an index for
// "txtPhoneNo_31"). A name the window lacks stops the run, naming it, rather than crash later.
template <class W = QWidget>
W* control(const QObject* window, const QString& name) {
    W* found = window->findChild<W*>(name);
    if (!found)
        qFatal("%s has no %s named %s", qPrintable(window->objectName()),
               W::staticMetaObject.className(), qPrintable(name));
    return found;
}

template <class W = QWidget>
W* control(const QObject* window, const char* name, int index) {
    return control<W>(window, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
}
