// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/WindowOpener.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace bench {

QAction* findAction(QWidget* window, const QString& objectName, const QKeySequence& shortcut,
                    const QString& text) {
    if (auto* named = window->findChild<QAction*>(objectName)) return named;
    const QList<QAction*> actions = window->findChildren<QAction*>();
    for (QAction* action : actions) {
        if (!shortcut.isEmpty() && action->shortcut() == shortcut) return action;
        if (!text.isEmpty() && action->text().remove(u'&') == text) return action;
    }
    return nullptr;
}

QWidget* waitForWindow(const QString& objectName, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == objectName && widget->isVisible()) return widget;
        settle(20);
    }
    return nullptr;
}

void settle(int ms) {
    QEventLoop idle;
    QTimer::singleShot(ms, &idle, &QEventLoop::quit);
    idle.exec();
}

std::unique_ptr<journal::Journal> scratchJournal(const QString& folder) {
    journal::Target target;
    target.kind = journal::Target::Kind::Sqlite;
    target.path = folder + QStringLiteral("/journal.sqlite");
    auto journal = std::make_unique<journal::Journal>(target, target);
    if (journal->open()) return journal;
    std::fprintf(stderr, "journal: %s\n", qPrintable(journal->openError()));
    return nullptr;
}

}  // namespace bench
