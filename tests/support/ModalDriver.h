// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <utility>

namespace testsupport {

// Drives the modal windows a test brings up (Qt's own dialogs, not the platform's): every
// `pollMs` it looks for one, and hands each new one to `answer` once. A watchdog closes one still
// open `watchdogMs` after it was answered, noting it in `seen` as well as in `stuck`, so a test
// fails instead of hanging.
class ModalDriver : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;
    explicit ModalDriver(Answer answer, int watchdogMs = 10000, int pollMs = 20)
        : answer(std::move(answer)), watchdogMs(watchdogMs) {
        connect(&poll, &QTimer::timeout, this, &ModalDriver::look);
        poll.start(pollMs);
    }

    QStringList seen;   // each modal window's object name, in order
    QStringList stuck;  // those the watchdog had to close

    // Presses the button of `modal` showing `text` (mnemonics aside); false when it has none.
    static bool press(QWidget* modal, const QString& text) {
        for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
            if (button->text().remove(QLatin1Char('&')) != QString(text).remove(QLatin1Char('&')))
                continue;
            button->click();
            return true;
        }
        return false;
    }
    // Presses the box's button with `role`, or its OK when it has none; false when it has neither.
    static bool press(QMessageBox* box, QMessageBox::StandardButton role) {
        QAbstractButton* button = box->button(role);
        if (!button) button = box->button(QMessageBox::Ok);
        if (button) button->click();
        return button != nullptr;
    }

private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (modal != last) {
            last = modal;
            since.start();
            seen << modal->objectName();
            answer(modal);
        } else if (since.hasExpired(watchdogMs)) {
            stuck << modal->objectName();
            seen << modal->objectName() + QStringLiteral(" still open");
            modal->close();
        }
    }

    Answer answer;
    int watchdogMs;
    QPointer<QWidget> last;
    QElapsedTimer since;
    QTimer poll;
};

}  // namespace testsupport
