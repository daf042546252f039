// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>
#include <QtWidgets>
#include <cmath>
#include <functional>

#include "ui/dialogs/frmEditMessage.h"
#include "ui/dialogs/frmEditNo.h"
#include "ui/dialogs/frmProgress.h"

namespace {

constexpr int StillOpen = 99;  // what execWith() returns when the action left the dialog open
QString seenBox;               // the message box the last execWith() saw and dismissed
QString seenDetail;            // and its informative text, which says what to mend
bool timedOut = false;
const QString ErrorBox = QString("Error|Phone Number error!|%1|1").arg(QMessageBox::Critical);

// Runs dlg.exec() with `action` inside its event loop. A watchdog ends every modal window after
// 5 s and makes the result -1, so a box that never closes fails the test instead of hanging it.
int execWith(QDialog& dlg, const std::function<void()>& action) {
    seenBox.clear();
    seenDetail.clear();
    timedOut = false;
    QTimer::singleShot(5000, &dlg, [] {
        timedOut = true;
        while (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->done(QDialog::Rejected);
    });
    QTimer::singleShot(0, &dlg, [&] {
        QTimer::singleShot(0, &dlg, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seenBox = QString("%1|%2|%3|%4").arg(box->windowTitle(), box->text());
                seenBox = seenBox.arg(int(box->icon())).arg(box->buttons().size());
                seenDetail = box->informativeText();
                box->done(QMessageBox::Ok);
            }
        });
        action();
        if (dlg.isVisible()) dlg.done(StillOpen);
    });
    const int result = dlg.exec();
    return timedOut ? -1 : result;
}

// Control characters are their keys ("\r" Enter, "\b" Backspace, "\x1b" Esc); any other
// character is a key typing it.
void typeKeys(QWidget* w, const QString& keys) {
    for (QChar c : keys)
        if (c.unicode() < 0x20)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// keys go to the number box, then the action runs; outcome is the number handed back when
// accepted, or the boxes ("code|number") as left after a refusal; wrong names the box that the
// refusal blames and hands the focus to.
struct NoCase {
    int result;
    QString stored, keys, action, outcome = {}, wrong = {};
};

// pasted is put in by the edit menu's Paste before the keys are typed; refuses tells whether a
// character was left out, which the dialog must then explain. OK hands back handedBack.
struct MessageCase {
    QString incoming, keys, counter, handedBack, pasted = {};
    bool refuses = false;
};

}  // namespace

Q_DECLARE_METATYPE(NoCase)
Q_DECLARE_METATYPE(MessageCase)

class tst_dialogs : public QObject {
    Q_OBJECT

private slots:
    void editNo_data() {
        QTest::addColumn<NoCase>("c");
        const QString n = "911234567890";
        const int ok = QDialog::Accepted, no = QDialog::Rejected, open = StillOpen;
        auto row = [](const char* name, const NoCase& c) { QTest::newRow(name) << c; };
        row("split, Enter in number box joins", {ok, n, "\r", "", n});
        row("a code of 6 opens whole, OK refuses",
            {open, "9991234512345678", "9", "enter", "999123|4512345678", "STD"});
        row("Delete", {ok, n, "", "Delete", ""});
        row("Esc", {no, n, "\b\x1b", ""});
        row("Cancel", {no, n, "\b", "Cancel"});
        row("10 characters open as they stand, the empty code refused",
            {open, "1234567890", "\r", "", "|1234567890", "STD"});
        row("9 digits", {open, n, "\b\r", "", "91|123456789", "No"});
        row("letter in number", {open, n, "\ba\r", "", "91|123456789a", "No"});
        row("plus in code", {open, "+911234567890", "\r", "", "+91|1234567890", "STD"});
        row("arabic-indic digit", {open, "\u06631234567890", "\r", "", "\u0663|1234567890", "STD"});
    }

    // A refused entry shows the error box and leaves the dialog open as the user left it.
    void editNo() {
        QFETCH(NoCase, c);
        frmEditNo dlg(c.stored);
        const int result = execWith(dlg, [&] {
            typeKeys(dlg.txtNo, c.keys);
            if (c.action == "enter") QTest::keyClick(dlg.txtSTD, Qt::Key_Enter);
            if (auto* button = dlg.findChild<QPushButton*>("cmd" + c.action)) button->click();
            if (c.result == StillOpen) {
                QCOMPARE(dlg.txtSTD->text() + u'|' + dlg.txtNo->text(), c.outcome);
                QCOMPARE(dlg.focusWidget(), dlg.findChild<QLineEdit*>("txt" + c.wrong));
            }
        });
        QCOMPARE(result, c.result);
        QCOMPARE(seenBox, result == StillOpen ? ErrorBox : QString());
        QCOMPARE(seenDetail.isEmpty(), result != StillOpen);
        QCOMPARE(dlg.edited(),
                 result == QDialog::Accepted ? std::optional(c.outcome) : std::nullopt);
    }

    // A stored code longer than a typed one may be opens whole and is never cut in silence: OK
    // keeps it only once the technician has shortened it.
    void editNoLongCode_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("codeKeys");  // typed at the end of the code box
        QTest::addColumn<QString>("shown");     // the boxes when OK is pressed
        QTest::addColumn<QString>("handed");    // the number handed back; empty: refused
        auto row = [](const char* name, const QString& stored, const QString& codeKeys,
                      const QString& shown, const QString& handed) {
            QTest::newRow(name) << stored << codeKeys << shown << handed;
        };
        row("11, code of 1", "41234567890", "", "4|1234567890", "41234567890");
        row("15, code of 5", "123451234567890", "", "12345|1234567890", "123451234567890");
        row("15, a sixth digit typed", "123451234567890", "6", "12345|1234567890",
            "123451234567890");
        row("16, code of 6", "1234561234567890", "", "123456|1234567890", "");
        row("16, shortened to 15", "1234561234567890", "\b", "12345|1234567890", "123451234567890");
    }
    void editNoLongCode() {
        QFETCH(QString, stored);
        QFETCH(QString, codeKeys);
        QFETCH(QString, shown);
        QFETCH(QString, handed);
        frmEditNo dlg(stored);
        const int result = execWith(dlg, [&] {
            QTest::keyClick(dlg.txtSTD, Qt::Key_End);  // the box opens with its text selected
            typeKeys(dlg.txtSTD, codeKeys);
            QCOMPARE(dlg.txtSTD->text() + u'|' + dlg.txtNo->text(), shown);
            dlg.cmdOK->click();
        });
        QCOMPARE(result, handed.isEmpty() ? StillOpen : int(QDialog::Accepted));
        QCOMPARE(dlg.edited(), handed.isEmpty() ? std::nullopt : std::optional(handed));
        const QString code = shown.section(u'|', 0, 0);
        QCOMPARE(seenDetail, handed.isEmpty()
                                 ? QString("The ISD code box holds %1 digits; a country code has "
                                           "at most 5. Shorten it, or press Cancel to keep the "
                                           "number as it is.")
                                       .arg(code.size())
                                 : QString());
    }

    void message_data() {
        QTest::addColumn<MessageCase>("c");
        auto row = [](const char* name, const MessageCase& c) { QTest::newRow(name) << c; };
        const QString x158(158, u'x'), x159(159, u'x'), over = x159 + "\r\nyy";
        const QString kept = "\r\na\rb\nc\n\rd\u00a0\t&\"";  // lone CR and LF, untypable characters
        row("breaks count 2, all kept", {kept, "", "14/160", kept});
        // A longer message opens cut, and the dialog says so.
        row("cut at 160 inside CR LF", {over, "", "160/160", x159 + "\r", {}, true});
        row("Enter is a break, Esc nothing", {"ab", "\rcd\x1b", "6/160", "ab\r\ncd"});
        row("typing stops at 160", {x159, "yz", "160/160", x159 + "y"});
        row("break fits at 158, not 159", {x158, "\r\by\r", "159/160", x158 + "y"});
        row("typed: refused",
            {"", "\"\u20ac\u0101\u4e2d\u00e9", "2/160", "\u20ac\u00e9", {}, true});
        row("pasted", {"", "", "10/160", "\r\nb\r\nc\r\nde",
                       QString("\r\nb\rc\nd\"\u4e2d") + QChar(0) + "e", true});
        row("paste stops at a break", {x159, "", "159/160", x159, "\nz"});
    }

    void message() {
        QFETCH(MessageCase, c);
        frmEditMessage dlg(c.incoming);
        QGuiApplication::clipboard()->setText(c.pasted);
        const int result = execWith(dlg, [&] {
            if (!c.pasted.isNull()) dlg.txtMsg->paste();  // no key: the counter follows any change
            typeKeys(dlg.txtMsg, c.keys);
            QVERIFY(dlg.isVisible());  // Esc and Enter leave it open
            QCOMPARE(dlg.lblChars->text(), c.counter);
            // Red only when no room is left.
            QCOMPARE(dlg.lblChars->palette().color(QPalette::WindowText) == QColor(192, 0, 0),
                     c.counter.startsWith("160/"));
            QCOMPARE(dlg.lblRefused->text().isEmpty(), !c.refuses);
            dlg.cmdOK->click();
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(dlg.edited(), std::optional(c.handedBack));
    }

    // From the keyboard alone: Tab reaches OK before Cancel, Enter presses the focused button,
    // Ctrl+Enter accepts from the text without adding a break.
    void messageKeys_data() {
        QTest::addColumn<int>("tabs");  // from the text
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("result");
        const int ok = QDialog::Accepted, no = QDialog::Rejected, ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+Enter in the text") << 0 << int(Qt::Key_Return) << ctrl << ok;
        QTest::newRow("Enter on OK") << 1 << int(Qt::Key_Return) << 0 << ok;
        QTest::newRow("keypad Enter on Cancel") << 2 << int(Qt::Key_Enter) << 0 << no;
        QTest::newRow("Esc on OK") << 1 << int(Qt::Key_Escape) << 0 << StillOpen;
    }
    void messageKeys() {
        QFETCH(int, tabs);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, result);
        frmEditMessage dlg("ab\r\ncd", nullptr, 5);
        const int got = execWith(dlg, [&] {
            for (int i = 0; i < tabs; ++i)
                QTest::keyClick(dlg.focusWidget(), Qt::Key_Tab);
            QCOMPARE(dlg.focusWidget(), tabs == 0   ? static_cast<QWidget*>(dlg.txtMsg)
                                        : tabs == 1 ? dlg.cmdOK
                                                    : dlg.cmdCancel);
            QTest::keyClick(dlg.focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        });
        QCOMPARE(got, result);
        QCOMPARE(dlg.edited(),
                 result == QDialog::Accepted ? std::optional<QString>("ab\r\ncd") : std::nullopt);
    }

    void windows() {
        QWidget owner;
        owner.setGeometry(60, 40, 700, 500);  // inside the 800 x 600 offscreen screen
        owner.show();
        frmEditNo number("911234567890", nullptr, 3);  // its title: tst_mainwindow::launchers
        frmEditMessage message("Zone 3 alarm\r\nCall the guard", nullptr, 17);
        QCOMPARE(message.windowTitle(), QStringLiteral("Edit Message - Channel 17"));
        frmProgress progress(&owner);
        QCOMPARE(progress.windowType(), Qt::Tool);
        QVERIFY(!(progress.windowFlags() & (Qt::WindowTitleHint | Qt::FramelessWindowHint)));
        auto bar = [&](float value) { return progress.setProgress(value), progress.pbar->value(); };
        // Rounded, held in range; a value that is no number leaves the bar alone.
        QCOMPARE(
            QList<int>({progress.pbar->value(), bar(37.5f), bar(-1), bar(250), bar(std::nanf(""))}),
            QList<int>({0, 38, 0, 100, 100}));
        progress.setResultText(QString(">OK\r\n<b>&") + QChar(0));
        QCOMPARE(progress.lblResult->text(), QStringLiteral(">OK\\r\\n<b>&\\u0000"));
        const std::pair<QWidget*, QSize> windows[] = {
            {&number, {383, 146}}, {&message, {567, 211}}, {&progress, {486, 98}}};
        for (const auto& [window, size] : windows) {  // client sizes from the layouts
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(window->size(), size);
        }
        const QPoint offset = progress.frameGeometry().center() - owner.frameGeometry().center();
        QVERIFY(offset.manhattanLength() <= 1);
        QVERIFY(!QApplication::activeModalWidget());
        QCloseEvent fromWindowManager;  // Alt+F4 and the like arrive as spontaneous events
        QSpontaneKeyEvent::setSpontaneous(&fromWindowManager);
        qApp->notify(&progress, &fromWindowManager);  // sendEvent() would clear the flag
        QVERIFY(!fromWindowManager.isAccepted());
        progress.close();  // what the procedures' unload does
        QVERIFY(!progress.isVisible());
    }
};

QTEST_MAIN(tst_dialogs)
#include "tst_dialogs.moc"
