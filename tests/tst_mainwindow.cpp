// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QtWidgets>
#include <utility>

#include "device/SerialLink.h"
#include "tests/WindowControls.h"
#include "tests/support/ModalDriver.h"
#include "ui/mainwindow/frmMain.h"

struct EditCase {
    bool phone;
    int index;  // phone number, or channel
    QString before, button, typed, typed2, after;
};
Q_DECLARE_METATYPE(EditCase)

// The main window: layout, start-up, channel pages, edit launchers with the real dialogs and
// the configuration glue.
class tst_mainwindow : public QObject {
    Q_OBJECT
    frmMain* w = nullptr;

    void clickTab(int page) {
        QTabBar* bar = control<QTabWidget>(w, "TS")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page - 1).center());
    }

    QTemporaryDir settings;

private slots:
    void initTestCase() {
        // Remembered ports go here, not into the user's own settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    }
    void init() { w = new frmMain; }
    void cleanup() { delete w; }

    // One control placed from the form's table, and the rows laid out on a grid at both ends.
    void layout_data() {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label2") << "form" << QRect(672, 464, 177, 17) << "Designed & Developed by:";
        QTest::newRow("chkChEnable_0") << "Frame2" << QRect(16, 24, 81, 17) << "Channel 1";
        QTest::newRow("lblMessage_15") << "Frame2" << QRect(104, 384, 257, 17) << "";
        QTest::newRow("cmdEditMsg_15") << "Frame2" << QRect(376, 384, 57, 17) << "Edit Msg.";
        QTest::newRow("txtPhoneNo_0") << "Frame3_0" << QRect(16, 24, 97, 19) << "";
        QTest::newRow("cmdEditNo_31") << "Frame3_1" << QRect(120, 384, 57, 17) << "Edit No.";
    }
    void layout() {
        QFETCH(QString, parent);
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        auto* c = w->findChild<QWidget*>(QTest::currentDataTag());
        QVERIFY(c);
        QCOMPARE(c->parentWidget()->objectName(), parent);
        QCOMPARE(c->geometry(), rect);
        QCOMPARE(c->property("text").toString(), caption);
        if (auto* label = qobject_cast<QLabel*>(c))  // "&" is shown, never an access key
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void startUp() {
        QCOMPARE(w->windowTitle(), "Quellix Ver.2.0[*]");
        // The form keeps its client area; the bars come around it.
        QWidget* form = control(w, "form");
        QCOMPARE(form->maximumSize(), QSize(1103, 544));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        w->show();
        QCOMPARE(form->size(), QSize(1103, 544));
        QCOMPARE(form->geometry().top(), w->menuBar()->geometry().bottom() + 1);
        QCOMPARE(w->statusBar()->geometry().top(), form->geometry().bottom() + 1);
        QCOMPARE(w->size(), QSize(1103, w->statusBar()->geometry().bottom() + 1));
        auto* cmbComm = control<QComboBox>(w, "cmbComm");
        auto* cmbSlaveID = control<QComboBox>(w, "cmbSlaveID");
        QCOMPARE(cmbComm->itemText(9), "COM 10");
        QStringList listed;  // after the COM entries, the devices this computer has
        for (int i = frmMain::ComEntries; i < cmbComm->count(); ++i)
            listed << cmbComm->itemText(i);
        QCOMPARE(listed, SerialLink::availableDevices());
        QCOMPARE(cmbComm->itemText(frmMain::ComEntries - 1), "COM 255");
        QCOMPARE(cmbComm->currentText(), "COM 1");
        QCOMPARE(cmbSlaveID->count(), 32);
        QCOMPARE(cmbSlaveID->itemText(9), "09");
        QCOMPARE(cmbSlaveID->currentText(), "00");
        auto* lastPhone = control<QLineEdit>(w, "txtPhoneNo", 31);
        QVERIFY(lastPhone->maxLength() == 15 && !lastPhone->isEnabled());
        // Closed to typing, but as dark as an open box; its name is in tst_longvalues.
        const QPalette phone = lastPhone->palette();
        QCOMPARE(phone.color(QPalette::Disabled, QPalette::Text),
                 phone.color(QPalette::Active, QPalette::Text));
        // As --port gives it: an entry is selected, other text shown as typed; opening the list
        // brings it up to date and keeps what is shown.
        w->setPort("COM 7");
        QCOMPARE(w->portIndex(), 6);
        w->setPort("/dev/quellix-typed");
        cmbComm->showPopup();
        QCOMPARE(cmbComm->count(), frmMain::ComEntries + SerialLink::availableDevices().size());
        cmbComm->hidePopup();
        QCOMPARE(cmbComm->currentText(), "/dev/quellix-typed");
        QCOMPARE(w->portIndex(), -1);
        w->selectPage(4);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QPoint off = w->frameGeometry().center() - w->screen()->availableGeometry().center();
        QVERIFY2(off.manhattanLength() <= 2, "not centred on the screen");
    }

    void pages_data() {
        QTest::addColumn<QString>("how");  // click the tab, or select
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("index");
        QTest::newRow("page 1 selected again") << "select" << 1 << 0 << 0;
        QTest::newRow("page 1 clicked again") << "click" << 1 << 3 << 3;
        QTest::newRow("page 2 clicked") << "click" << 2 << 0 << 16;
        QTest::newRow("page 4 selected") << "select" << 4 << 15 << 63;
    }
    void pages() {
        QFETCH(QString, how);
        QFETCH(int, page);
        QFETCH(int, slot);
        QFETCH(int, index);
        w->show();
        ConfigurationSet set;
        for (int i = 0; i < 64; ++i) {
            set.channelEnable[i] = i % 3 == 0 ? -1 : 0;
            set.channelMessage[i] = QStringLiteral("msg %1").arg(i);
        }
        w->applyConfiguration(set);
        auto* box = control<QCheckBox>(w, "chkChEnable", slot);
        auto* message = control<QLabel>(w, "lblMessage", slot);
        box->setText("stale");  // the row shows stale texts until the page is refreshed
        message->setText("stale");
        auto flags = set.channelEnable;
        how == "click" ? clickTab(page) : w->selectPage(page);
        QCOMPARE(box->text(), QStringLiteral("Channel %1").arg(index + 1));
        QCOMPARE(message->text(), QStringLiteral("msg %1").arg(index));
        for (int s = 0; s < 16; ++s)
            QCOMPARE(control<QCheckBox>(w, "chkChEnable", s)->isChecked(),
                     ((page - 1) * 16 + s) % 3 == 0);
        // the refresh stores back what it shows
        QCOMPARE(w->configuration().channelEnable, flags);
        // A click stores this channel's flag alone, and it survives a trip to another page.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        flags[index] = ~flags[index];  // -1 and 0 swap
        clickTab(page % 4 + 1);
        clickTab(page);
        QCOMPARE(box->isChecked(), flags[index] == -1);
        QCOMPARE(w->configuration().channelEnable, flags);
    }

    // A message row is one line high: text after a break gets the sign and the whole text as
    // its tooltip, wherever the message came from.
    void hiddenText_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("one line") << "Zone 3 alarm" << false;
        QTest::newRow("second line") << "Zone 3\r\ncall the guard" << true;
        QTest::newRow("lone LF") << "Zone 3\nguard" << true;
        QTest::newRow("trailing break hides nothing") << "Zone 3\r\n" << false;
        QTest::newRow("first line empty") << "\r\nguard" << true;
        QTest::newRow("empty") << "" << false;
    }
    void hiddenText() {
        QFETCH(QString, message);
        QFETCH(bool, hidden);
        w->show();
        ConfigurationSet set;
        set.channelMessage[20] = message;
        w->applyConfiguration(set);
        w->selectPage(2);
        auto* sign = w->findChild<QLabel*>("lblMore_4");
        QVERIFY(sign);
        QCOMPARE(sign->isVisible(), hidden);
        auto* row = control<QLabel>(w, "lblMessage", 4);
        QCOMPARE(row->toolTip(), hidden ? message : QString());
        QCOMPARE(row->text(), message);
        w->selectPage(1);  // the same row on another page shows another channel
        QVERIFY(!sign->isVisible());
    }

    // Every item reachable from the menu bar, with the usual shortcuts.
    void menus() {
        QStringList items;
        for (QAction* menu : w->menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator())
                    items << menu->text() + " > " + item->text() + " " +
                                 item->shortcut().toString();
        QCOMPARE(items, QStringList({"&File > &Load from File... Ctrl+O",
                                     "&File > &Save to File... Ctrl+S",
                                     "&File > Save as &JSON... ",
                                     "&File > &Compare with File... ",
                                     "&File > &Recent Files ",
                                     "&File > E&xit Ctrl+Q",
                                     "&Edit > &Undo Ctrl+Z",
                                     "&Edit > &Ask Before Discarding Edits ",
                                     "&Unit > &Connect ",
                                     "&Unit > &Read from Device F5",
                                     "&Unit > &Write to Device F6",
                                     "&Unit > &Verify Unit against Window ",
                                     "&Unit > Com&pare with Unit... ",
                                     "&Unit > &Back Up Unit Now ",
                                     "&Unit > Back Up Be&fore Writing ",
                                     "&Unit > Verify &After Writing ",
                                     "&Unit > Fast &Link ",
                                     "&View > &Traffic Monitor Ctrl+T",
                                     "&View > &History... Ctrl+H",
                                     "&Tools > Provisioning &Station... ",
                                     "&Help > &Manual F1",
                                     "&Help > &About Quellix "}));
        // Read and Write only with a connected unit; nothing to undo at the start.
        auto action = [this](const QString& text) {
            for (QAction* a : w->findChildren<QAction*>())
                if (a->text() == text) return a;
            return static_cast<QAction*>(nullptr);
        };
        QVERIFY(!action("&Read from Device")->isEnabled());
        QVERIFY(!action("&Write to Device")->isEnabled());
        QVERIFY(!action("&Undo")->isEnabled());
        QCOMPARE(w->findChild<QLabel*>("lblContents")->text(), "Start values");
    }

    // A channel box changed without a click (a screen reader's toggle does so) keeps the flag
    // and is an edit, as a click is (pages, discardEdits); the window showing a page is not.
    void channelToggle() {
        w->show();
        w->selectPage(2);
        QVERIFY(!w->isWindowModified());
        auto* box = control<QCheckBox>(w, "chkChEnable", 2);
        box->setChecked(true);
        QVERIFY(box->isChecked());
        QVERIFY(w->configuration().enabled(18));
        QVERIFY(w->isWindowModified());
        w->selectPage(1);
        w->selectPage(2);
        QVERIFY(box->isChecked());
    }

    // An edit marks the title and the status bar; Exit asks before it is lost, when asked to.
    void discardEdits_data() {
        QTest::addColumn<bool>("ask");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("cancel keeps the window") << true << int(QMessageBox::Cancel) << false;
        QTest::newRow("discard closes") << true << int(QMessageBox::Discard) << true;
        QTest::newRow("not asked") << false << int(QMessageBox::Cancel) << true;
    }
    void discardEdits() {
        QFETCH(bool, ask);
        QFETCH(int, answer);
        QFETCH(bool, closed);
        w->show();
        QVERIFY(!w->isWindowModified());
        QTest::mouseClick(control(w, "chkChEnable", 2), Qt::LeftButton);
        QVERIFY(w->isWindowModified());
        QCOMPARE(w->findChild<QLabel*>("lblContents")->text(), "Start values; edited since");
        QAction* option = nullptr;
        for (QAction* a : w->findChildren<QAction*>())
            if (a->text() == "&Ask Before Discarding Edits") option = a;
        QVERIFY(option && option->isChecked());  // on when first started
        option->setChecked(ask);
        QString asked;
        const testsupport::ModalDriver driver(
            [&](QWidget* modal) {
                asked = modal->objectName();
                if (auto* box = qobject_cast<QMessageBox*>(modal))
                    testsupport::ModalDriver::press(box, QMessageBox::StandardButton(answer));
            },
            5000);
        control<QPushButton>(w, "cmdExit")->click();
        QCOMPARE(asked, ask ? "discardQuestion" : "");
        QCOMPARE(!w->isVisible(), closed);
        option->setChecked(true);
    }

    // Each button's tooltip names the key that does the same from anywhere in the window (Read's
    // in tooltipFollowsItsKey).
    void tooltips_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::newRow("write") << "cmdDeviceWrite"
                               << "F6";
        QTest::newRow("load") << "cmdFileLoad"
                              << "Ctrl+O";
        QTest::newRow("save") << "cmdFileSave"
                              << "Ctrl+S";
    }
    void tooltips() {
        QFETCH(QString, button);
        QFETCH(QString, key);
        const QString tip = control<QPushButton>(w, qPrintable(button))->toolTip();
        QVERIFY2(tip.endsWith(" (" + key + ")") && tip.size() > key.size() + 10, qPrintable(tip));
    }

    // A key changed on the menu command shows in its button's tooltip, never the old one.
    void tooltipFollowsItsKey() {
        auto* read = w->findChild<QAction*>("actRead");
        QVERIFY(read);
        const QKeySequence before = read->shortcut();
        read->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
        const QString changed = control<QPushButton>(w, "cmdDeviceRead")->toolTip();
        read->setShortcut(before);
        QVERIFY2(changed.endsWith(" (Ctrl+R)"), qPrintable(changed));
        QVERIFY(control<QPushButton>(w, "cmdDeviceRead")->toolTip().endsWith(" (F5)"));
    }

    void launchers_data() {
        QTest::addColumn<EditCase>("c");
        QTest::newRow("msg ok") << EditCase{false, 37, "old", "cmdOK", "A & B", {}, "A & B"};
        QTest::newRow("msg cancel") << EditCase{false, 55, "keep", "cmdCancel", "new", {}, "keep"};
        QTest::newRow("no. ok") << EditCase{true, 0, "", "cmdOK", "9", "1234567890", "91234567890"};
        QTest::newRow("no. cancel")
            << EditCase{true, 31, "4412345678901", "cmdCancel", "1", "22", "4412345678901"};
    }
    void launchers() {
        QFETCH(EditCase, c);
        ConfigurationSet set;  // both set; only the row's kind is edited
        set.phoneNo[c.index % 32] = c.before;
        set.channelMessage[c.index] = c.before;
        w->applyConfiguration(set);
        w->selectPage(c.index / 16 + 1);
        // Fills the dialog in and presses the button once it shows. A dialog that never shows
        // leaves handedIn as it is; the watchdog fails one that never closes and closes it.
        QString failure, handedIn = "no dialog showed", title;
        bool answered = false;
        const testsupport::ModalDriver driver(
            [&](QWidget* modal) {
                auto* dlg = qobject_cast<QDialog*>(modal);
                if (!dlg || std::exchange(answered, true)) return;
                handedIn.clear();  // what the dialog opened with
                title = dlg->windowTitle();
                if (auto* msg = dlg->findChild<QPlainTextEdit*>("txtMsg")) {
                    handedIn = msg->toPlainText();
                    msg->setPlainText(c.typed);
                }
                if (auto* area = dlg->findChild<QLineEdit*>("txtSTD")) {
                    handedIn = area->text();
                    area->setText(c.typed);
                }
                if (auto* no = dlg->findChild<QLineEdit*>("txtNo")) {
                    handedIn += no->text();
                    no->setText(c.typed2);
                }
                if (auto* button = dlg->findChild<QPushButton*>(c.button))
                    button->click();
                else
                    failure = "no " + c.button;
            },
            5000);
        (c.phone ? control<QPushButton>(w, "cmdEditNo", c.index)
                 : control<QPushButton>(w, "cmdEditMsg", c.index % 16))
            ->click();
        QVERIFY2(failure.isEmpty() && driver.stuck.isEmpty(),
                 qPrintable(failure + driver.stuck.join(", ")));
        // A number of 10 characters or fewer has no code to split off and opens as it stands.
        QCOMPARE(handedIn, c.before);
        if (c.phone) QCOMPARE(title, "Edit Phone Number " + QString::number(c.index + 1));
        QCOMPARE(c.phone ? control<QLineEdit>(w, "txtPhoneNo", c.index)->text()
                         : control<QLabel>(w, "lblMessage", c.index % 16)->text(),
                 c.after);
        const ConfigurationSet after = w->configuration();
        QCOMPARE(c.phone ? after.phoneNo[c.index] : after.channelMessage[c.index], c.after);
    }

    // The program's own command line: --version and --help answer and exit before any window
    // opens; an unknown option is refused. The texts follow the locale the environment names.
    void options_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("language");  // LANGUAGE; empty: unset
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");  // a pattern for what it prints
        const QStringList help{"--help"};
        QTest::newRow("version") << QStringList{"--version"} << "C"
                                 << "" << 0
                                 << "^Quellix 2\\.0\nLicense GPL-3\\.0-or-later: .*NO WARRANTY";
        QTest::newRow("help") << help << "C"
                              << "" << 0
                              << "--port <DEVICE>.*port box.*--log <FILE>.*every command";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "C"
                                        << "" << 1 << "Unknown option 'bogus'";
        QTest::newRow("port without device") << QStringList{"--port"} << "C"
                                             << "" << 1 << "Missing value after";
        QTest::newRow("help, German") << help << "de_DE.UTF-8"
                                      << "" << 0 << "Optionen:.*--port <GERÄT>.*Portfeld";
        QTest::newRow("help, LANGUAGE=C over German") << help << "de_DE.UTF-8"
                                                      << "C" << 0 << "Options:.*--port <DEVICE>";
        // A locale this tool has no catalogue for, or no locale name at all, leaves English.
        QTest::newRow("help, unknown language") << help << "xx_YY.UTF-8"
                                                << "" << 0 << "Options:.*--port <DEVICE>";
        QTest::newRow("help, control characters as LANG") << help << "de\x01\x1b[2J"
                                                          << "" << 0 << "Options:.*--port <DEVICE>";
        QTest::newRow("refusal, German") << QStringList{"--bogus"} << "de_DE.UTF-8"
                                         << "" << 1 << "Unbekannte Option 'bogus'";
    }
    void options() {
        QFETCH(QStringList, args);
        QFETCH(QString, lang);
        QFETCH(QString, language);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANG"), lang);
        if (!language.isEmpty()) env.insert(QStringLiteral("LANGUAGE"), language);
        QProcess gui;
        gui.setProcessEnvironment(env);
        gui.start(QStringLiteral(QX_GUI_PATH), args);
        QVERIFY(gui.waitForFinished(10000));
        // Answers go to standard output, refusals to standard error.
        const QString shown = QString::fromUtf8(exitCode == 0 ? gui.readAllStandardOutput()
                                                              : gui.readAllStandardError());
        QCOMPARE(gui.exitCode(), exitCode);
        QVERIFY2(QRegularExpression(output, QRegularExpression::DotMatchesEverythingOption)
                     .match(shown)
                     .hasMatch(),
                 qPrintable(shown));
    }

    void slaveId_data() {
        QTest::addColumn<int>("applied");
        QTest::addColumn<QString>("typed");  // null: nothing typed
        QTest::addColumn<int>("id");
        QTest::newRow("ID 0") << 0 << QString() << 0;
        QTest::newRow("ID -1 keeps 12") << -1 << QString() << 12;
        QTest::newRow("ID 32 keeps 12") << 32 << QString() << 12;
        QTest::newRow("7 typed") << 0 << "7" << -1;
    }
    // A set put into the window comes back out and shows on the page that is current.
    void slaveId() {
        QFETCH(int, applied);
        QFETCH(QString, typed);
        QFETCH(int, id);
        auto* cmbSlaveID = control<QComboBox>(w, "cmbSlaveID");
        cmbSlaveID->setCurrentIndex(12);
        ConfigurationSet set;
        set.slaveId = applied;
        set.channelEnable[45] = -1;
        set.channelMessage[45] = "zone 45";
        w->selectPage(3);
        w->applyConfiguration(set);
        if (!typed.isNull()) cmbSlaveID->lineEdit()->setText(typed);
        QTest::keyClick(cmbSlaveID->lineEdit(), Qt::Key_Return);
        QCOMPARE(cmbSlaveID->count(), 32);  // typed text never becomes an entry
        set.slaveId = id;
        QVERIFY(w->configuration() == set);
        QVERIFY(control<QCheckBox>(w, "chkChEnable", 13)->isChecked());
        QCOMPARE(control<QLabel>(w, "lblMessage", 13)->text(), "zone 45");
    }
};

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
