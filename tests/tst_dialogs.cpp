#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <limits>

#include "frmEditMessage.h"
#include "frmEditNo.h"
#include "frmProgress.h"
#include "mdiMain.h"

namespace {

void closeAllModals() {
    for (int guard = 0; guard < 10 && QApplication::activeModalWidget(); ++guard) {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->done(QDialog::Rejected);
        else
            w->close();
    }
}

// What the one message box that an action opened looked like; it is dismissed with OK.
struct SeenBox {
    bool shown = false;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
};

// Runs dlg.exec() with `action` inside its event loop; a message box that opens meanwhile is
// recorded in `box`. A watchdog ends every modal window after 5 s, so a dialog that never
// closes fails the test instead of hanging it.
int execWith(QDialog& dlg, const std::function<void()>& action, SeenBox* box = nullptr) {
    bool timedOut = false;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        closeAllModals();
    });
    watchdog.start(5000);
    QTimer::singleShot(0, &dlg, [&] {
        QTimer::singleShot(0, [box] {
            auto* mb = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!mb || !box) return;
            *box = {true, mb->text(), mb->windowTitle(), mb->icon(), mb->buttons().size()};
            mb->button(QMessageBox::Ok)->click();
        });
        action();
        if (dlg.isVisible()) dlg.done(99);  // the action left the dialog open
    });
    const int result = dlg.exec();
    if (timedOut) qWarning("watchdog closed a modal window");
    return timedOut ? -1 : result;
}

// "\n" is Enter, "\r" Shift+Enter, "\b" Backspace; any other character is a key typing it.
void typeKeys(QWidget* w, const QString& keys) {
    for (QChar c : keys) {
        if (c == u'\n' || c == u'\r')
            QTest::keyClick(w, Qt::Key_Return, c == u'\r' ? Qt::ShiftModifier : Qt::NoModifier);
        else if (c == u'\b')
            QTest::keyClick(w, Qt::Key_Backspace);
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString x(int n) {
    return QString(n, u'x');
}

}  // namespace

class tst_dialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void cleanup() { closeAllModals(); }

    // ---- phone number dialog ----------------------------------------------------------------

    void editNo_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("isd");     // shown after the split, then typed over
        QTest::addColumn<QString>("number");  // likewise
        QTest::addColumn<QString>("joined");  // null: refused with the error box
        const QString n = "911234567890", t = "441234567890", no;
        auto row = [](const char* name, const QString& stored, const QString& isd,
                      const QString& number, const QString& joined) {
            QTest::newRow(name) << stored << isd << number << joined;
        };
        row("split, OK unchanged", n, "91", "1234567890", n);
        row("15 characters", "123451234567890", "12345", "1234567890", "123451234567890");
        row("16: code cut by its box", "9991234512345678", "99912", "4512345678",
            "999124512345678");
        row("empty shows nothing", "", "", "", no);
        row("10 characters show nothing", "1234567890", "", "", no);
        row("+91", "+911234567890", "+91", "1234567890", no);
        row("empty code", t, "", "1234567890", no);
        row("9 digits", t, "91", "123456789", no);
        row("letter in number", t, "91", "12345a7890", no);
        row("letter in code", t, "9a", "1234567890", no);
        row("plus in number", t, "91", "+123456789", no);
        row("minus", t, "-91", "1234567890", no);
        row("blank", t, "91", "12345 7890", no);
        row("decimal point", t, "9.1", "1234567890", no);
        row("arabic-indic digit", t, QString(QChar(0x0663)), "1234567890", no);
    }

    // Opening splits the stored number; Enter in a box acts as OK, which joins a passing entry
    // or shows the error box and stays open with the boxes as the user left them.
    void editNo() {
        QFETCH(QString, stored);
        QFETCH(QString, isd);
        QFETCH(QString, number);
        QFETCH(QString, joined);
        mdiMain::EditedPhoneNo = stored;
        mdiMain::PhoneNoAccepted = -1;  // left over from an earlier edit
        frmEditNo dlg;
        QCOMPARE(mdiMain::PhoneNoAccepted, qint16(0));
        if (stored != "441234567890") {  // else the row types over the split
            QCOMPARE(dlg.txtSTD->text(), isd);
            QCOMPARE(dlg.txtNo->text(), number);
        }
        dlg.txtSTD->setText(isd);
        dlg.txtNo->setText(number);
        SeenBox box;
        bool openAfterBox = false;
        const int result = execWith(
            dlg,
            [&] {
                QTest::keyClick(dlg.txtNo, Qt::Key_Return);
                openAfterBox =
                    dlg.isVisible() && dlg.txtSTD->text() == isd && dlg.txtNo->text() == number;
            },
            &box);
        QCOMPARE(box.shown, joined.isNull());
        if (joined.isNull()) {
            QCOMPARE(box.text, QStringLiteral("Phone Number error!"));
            QCOMPARE(box.title, QStringLiteral("Error"));
            QCOMPARE(box.icon, QMessageBox::Critical);
            QCOMPARE(box.buttons, 1);
            QVERIFY(openAfterBox);
            QCOMPARE(result, 99);
            QCOMPARE(mdiMain::PhoneNoAccepted, qint16(0));
            QCOMPARE(mdiMain::EditedPhoneNo, stored);
        } else {
            QCOMPARE(result, int(QDialog::Accepted));
            QCOMPARE(mdiMain::PhoneNoAccepted, qint16(-1));
            QCOMPARE(mdiMain::EditedPhoneNo, joined);
        }
    }

    void editNoLeave_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("accepted");
        QTest::addColumn<QString>("handedBack");
        QTest::newRow("Esc") << "esc" << 0 << "911234567890";
        QTest::newRow("close box") << "close" << 0 << "911234567890";
        QTest::newRow("Cancel") << "cancel" << 0 << "911234567890";
        QTest::newRow("Delete") << "delete" << -1 << "";
        QTest::newRow("Enter in code box") << "enter" << -1 << "914441234567890";
    }

    void editNoLeave() {
        QFETCH(QString, action);
        QFETCH(int, accepted);
        QFETCH(QString, handedBack);
        mdiMain::EditedPhoneNo = "911234567890";
        mdiMain::PhoneNoAccepted = -1;
        frmEditNo dlg;
        const int result = execWith(dlg, [&] {
            dlg.txtSTD->end(false);
            QTest::keyClicks(dlg.txtSTD, "4444");  // typing stops at 5 and 10 characters
            QTest::keyClicks(dlg.txtNo, "12345678901");
            if (action == "esc") QTest::keyClick(dlg.txtNo, Qt::Key_Escape);
            if (action == "close") dlg.close();
            if (action == "cancel") dlg.cmdCancel->click();
            if (action == "delete") dlg.cmdDelete->click();
            if (action == "enter") QTest::keyClick(dlg.txtSTD, Qt::Key_Enter);
        });
        QCOMPARE(result, accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(mdiMain::PhoneNoAccepted, qint16(accepted));
        QCOMPARE(mdiMain::EditedPhoneNo, handedBack);
    }

    // ---- message dialog ---------------------------------------------------------------------

    void messageOpen_data() {
        QTest::addColumn<QString>("incoming");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<QString>("handedBack");  // after OK without a change
        auto row = [](const char* name, const QString& in, const char* counter,
                      const QString& back) { QTest::newRow(name) << in << counter << back; };
        const QString m200 = QString("0123456789").repeated(20);
        row("empty", "", "0/160", "");
        row("37 characters", x(37), "37/160", x(37));
        row("CR LF counts 2", "\r\nab\r\n\r\n", "8/160", "\r\nab\r\n\r\n");
        row("lone CR, lone LF", "a\rb\nc\n\rd", "8/160", "a\rb\nc\n\rd");
        row("nbsp, tab, &, quote", "a\u00a0\t&\"", "5/160", "a\u00a0\t&\"");
        row("exactly 160", x(160), "160/160", x(160));
        row("over 160 is cut", m200, "160/160", m200.left(160));
        row("cut inside CR LF", x(159) + "\r\nyy", "160/160", x(159) + "\r");
    }

    void messageOpen() {
        QFETCH(QString, incoming);
        QFETCH(QString, counter);
        QFETCH(QString, handedBack);
        mdiMain::EditedMessage = incoming;
        mdiMain::MessageAccepted = -1;
        frmEditMessage dlg;
        QCOMPARE(mdiMain::MessageAccepted, qint16(0));
        QCOMPARE(dlg.lblChars->text(), counter);
        QCOMPARE(execWith(dlg, [&] { dlg.cmdOK->click(); }), int(QDialog::Accepted));
        QCOMPARE(mdiMain::MessageAccepted, qint16(-1));
        QCOMPARE(mdiMain::EditedMessage, handedBack);
    }

    void messageInput_data() {
        QTest::addColumn<QString>("incoming");
        QTest::addColumn<bool>("paste");  // else typed
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("handedBack");
        QTest::addColumn<QString>("counter");
        auto row = [](const char* name, const QString& in, bool paste, const QString& input,
                      const QString& back, const char* counter) {
            QTest::newRow(name) << in << paste << input << back << counter;
        };
        row("Enter is a break", "ab", false, "\ncd", "ab\r\ncd", "6/160");
        row("Shift+Enter too", "a", false, "\rb", "a\r\nb", "4/160");
        row("Backspace over a break", "a\r\nb", false, "\b\b", "a", "1/160");
        row("full box", x(160), false, "y", x(160), "160/160");
        row("last place", x(159), false, "yz", x(159) + "y", "160/160");
        row("no room for a break", x(159), false, "\n", x(159), "159/160");
        row("room for a break", x(158), false, "\n", x(158) + "\r\n", "160/160");
        row("typed: refused", "", false, "\"\u20ac\u0101\u4e2d\u00e9", "\u20ac\u00e9", "2/160");
        row("pasted breaks", "", true, "a\r\nb\rc\nd", "a\r\nb\r\nc\r\nd", "10/160");
        row("paste cut", x(150), true, QString(20, u'y'), x(150) + QString(10, u'y'), "160/160");
        row("paste stops at a break", x(159), true, "\nzz", x(159), "159/160");
        row("pasted: refused", "", true, QString("x\"y\u20ac\u4e2d") + QChar(0), "xy\u20ac",
            "3/160");
    }

    void messageInput() {
        QFETCH(QString, incoming);
        QFETCH(bool, paste);
        QFETCH(QString, input);
        QFETCH(QString, handedBack);
        QFETCH(QString, counter);
        mdiMain::EditedMessage = incoming;
        frmEditMessage dlg;
        QString shown;
        execWith(dlg, [&] {
            if (paste) {
                QGuiApplication::clipboard()->setText(input);
                QTest::keyClick(dlg.txtMsg, Qt::Key_V, Qt::ControlModifier);
            } else {
                typeKeys(dlg.txtMsg, input);
            }
            shown = dlg.isVisible() ? dlg.lblChars->text() : "closed";
            dlg.cmdOK->click();
        });
        QCOMPARE(shown, counter);
        QCOMPARE(mdiMain::EditedMessage, handedBack);
    }

    // Esc does nothing, the counter follows undo and redo, and Cancel or the close box hand
    // nothing back.
    void messageKeepsOpen_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }

    void messageKeepsOpen() {
        QFETCH(bool, closeBox);
        mdiMain::EditedMessage = "ab";
        mdiMain::MessageAccepted = -1;
        frmEditMessage dlg;
        QStringList counters;
        bool openAfterEsc = false;
        const int result = execWith(dlg, [&] {
            QGuiApplication::clipboard()->setText("cd\nef");
            dlg.txtMsg->paste();
            counters << dlg.lblChars->text();
            dlg.txtMsg->undo();
            counters << dlg.lblChars->text();
            dlg.txtMsg->redo();
            counters << dlg.lblChars->text();
            QTest::keyClick(dlg.txtMsg, Qt::Key_Escape);
            QTest::keyClick(dlg.cmdOK, Qt::Key_Escape);
            openAfterEsc = dlg.isVisible() && !dlg.cmdOK->isDefault();
            if (closeBox)
                dlg.close();
            else
                dlg.cmdCancel->click();
        });
        QCOMPARE(counters, QStringList({"8/160", "2/160", "8/160"}));
        QVERIFY(openAfterEsc);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(mdiMain::MessageAccepted, qint16(0));
        QCOMPARE(mdiMain::EditedMessage, QStringLiteral("ab"));
    }

    // ---- progress window --------------------------------------------------------------------

    void progressWindow() {
        QWidget owner;
        owner.setGeometry(60, 40, 700, 500);  // inside the 800 x 600 offscreen screen
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        frmProgress progress(&owner);
        QCOMPARE(progress.windowType(), Qt::Tool);
        QVERIFY(!(progress.windowFlags() & (Qt::WindowTitleHint | Qt::FramelessWindowHint)));
        QCOMPARE(progress.size(), QSize(486, 98));
        QCOMPARE(progress.pbar->value(), 0);
        QCOMPARE(progress.lblModel->text(), QStringLiteral("Label1"));
        progress.setResultText(QString(">OK\r\n<b>&") + QChar(0));
        QCOMPARE(progress.lblResult->text(), QStringLiteral(">OK  <b>& "));
        QCOMPARE(progress.lblResult->textFormat(), Qt::PlainText);

        progress.show();
        QVERIFY(QTest::qWaitForWindowExposed(&progress));
        const QPoint offset = progress.frameGeometry().center() - owner.frameGeometry().center();
        QVERIFY(offset.manhattanLength() <= 1);
        QVERIFY(!QApplication::activeModalWidget());
        QTest::keyClick(&progress, Qt::Key_Escape);
        QVERIFY(progress.isVisible());
        QCloseEvent fromWindowManager;  // Alt+F4 and the like arrive as spontaneous events
        QSpontaneKeyEvent::setSpontaneous(&fromWindowManager);
        qApp->notify(&progress, &fromWindowManager);  // sendEvent() would clear the flag
        QVERIFY(!fromWindowManager.isAccepted());
        progress.close();  // what the procedures' unload does
        QVERIFY(!progress.isVisible());
    }

    void progressValue_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("shown");
        QTest::newRow("37.4") << 37.4f << 37;
        QTest::newRow("37.5") << 37.5f << 38;
        QTest::newRow("negative") << -1.0f << 0;
        QTest::newRow("above 100") << 250.0f << 100;
        QTest::newRow("NaN keeps the bar") << std::numeric_limits<float>::quiet_NaN() << 42;
    }

    void progressValue() {
        QFETCH(float, value);
        QFETCH(int, shown);
        frmProgress progress(nullptr);
        progress.setProgress(42.0f);
        progress.setProgress(value);
        QCOMPARE(progress.pbar->value(), shown);
    }

    // Pictures of the three windows for a person to look at; the client sizes from the layout.
    void grabs() {
        const QString dir = qEnvironmentVariable("QX_TEST_OUTPUT", QDir::tempPath());
        mdiMain::EditedPhoneNo = "911234567890";
        mdiMain::EditedMessage = "Zone 3 alarm\r\nCall the guard\rlone CR";
        frmEditNo number;
        frmEditMessage message;
        frmProgress progress(nullptr);
        progress.setActivityText("Writing to device ...");
        progress.setProgress(61.0f);
        const std::pair<QWidget*, QSize> windows[] = {
            {&number, {383, 146}}, {&message, {567, 211}}, {&progress, {486, 98}}};
        for (const auto& [window, size] : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(window->size(), size);
            QVERIFY(window->grab().save(dir + "/" + window->objectName() + ".png"));
        }
        QCOMPARE(message.lblChars->text(), QStringLiteral("36/160"));
        QVERIFY(number.Label4->fontMetrics().horizontalAdvance(number.Label4->text()) <=
                number.Label4->width());  // the hint's plus sign is not cut off
    }
};

QTEST_MAIN(tst_dialogs)
#include "tst_dialogs.moc"
