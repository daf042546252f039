// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QtWidgets>

#include "tests/WindowControls.h"
#include "tests/support/ModalDriver.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/frmMain.h"

// Values longer than the main window's boxes: kept whole, marked, and said.
class tst_longvalues : public QObject {
    Q_OBJECT
    frmMain* w = nullptr;
    QTemporaryDir settings;

private slots:
    void initTestCase() {
        // Remembered ports go here, not into the user's own settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    }
    void init() {
        w = new frmMain;
        w->show();
    }
    void cleanup() { delete w; }

    // A value longer than its box, from a unit or a file, is kept whole until it is edited, so
    // a write or save right after sends what came in; the box shows its start with a mark that
    // says so. An edit through the dialog stands.
    void longValues_data() {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<bool>("read");       // shown value by value as a read does
        QTest::addColumn<QString>("button");  // the edit dialog's button; empty: no edit
        QTest::newRow("phone applied") << true << false << "";
        QTest::newRow("phone read") << true << true << "";
        QTest::newRow("phone edit cancelled") << true << false << "cmdCancel";
        QTest::newRow("phone edited") << true << true << "cmdOK";
        QTest::newRow("message applied") << false << false << "";
        QTest::newRow("message read") << false << true << "";
        QTest::newRow("message edit cancelled") << false << true << "cmdCancel";
        QTest::newRow("message edited") << false << false << "cmdOK";
    }
    void longValues() {
        QFETCH(bool, phone);
        QFETCH(bool, read);
        QFETCH(QString, button);
        const int index = phone ? 18 : 37, room = phone ? 15 : 160;
        const QString value = phone ? "4930123456789012" : QString(170, 'm');
        auto* form = w->findChild<MainForm*>("form");
        QVERIFY(form);
        if (read) {
            phone ? form->showPhoneNumber(index, value) : form->keepMessage(index, value);
        } else {
            ConfigurationSet set;
            (phone ? set.phoneNo[index] : set.channelMessage[index]) = value;
            w->applyConfiguration(set);
        }
        w->selectPage(index / 16 + 1);
        const bool edited = button == "cmdOK";
        QString refused;  // what the message editor said as it opened
        if (!button.isEmpty()) {
            const testsupport::ModalDriver driver(
                [&](QWidget* modal) {
                    if (auto* said = modal->findChild<QLabel*>("lblRefused"))
                        refused = said->text();
                    if (auto* msg = modal->findChild<QPlainTextEdit*>("txtMsg"))
                        msg->setPlainText("new");
                    if (auto* area = modal->findChild<QLineEdit*>("txtSTD")) area->setText("49");
                    if (auto* no = modal->findChild<QLineEdit*>("txtNo")) no->setText("3012345678");
                    if (auto* pressed = modal->findChild<QPushButton*>(button)) pressed->click();
                },
                5000);
            (phone ? control<QPushButton>(w, "cmdEditNo", index)
                   : control<QPushButton>(w, "cmdEditMsg", index % 16))
                ->click();
            QCOMPARE(driver.stuck, QStringList());
            if (!phone)
                QCOMPARE(refused,
                         "The message holds 170 characters; the editor takes the first 160.");
        }
        const QString now = !edited ? value : phone ? "493012345678" : "new";
        const ConfigurationSet held = w->configuration();
        QCOMPARE(phone ? held.phoneNo[index] : held.channelMessage[index], now);
        QWidget* box = phone ? control<QWidget>(w, "txtPhoneNo", index)
                             : control<QWidget>(w, "lblMessage", index % 16);
        QCOMPARE(phone ? qobject_cast<QLineEdit*>(box)->text() : qobject_cast<QLabel*>(box)->text(),
                 now.left(room));
        const QString note = edited  ? QString()
                             : phone ? "holds 16 characters; the box shows the first 15"
                                     : "holds 170 characters; the editor takes the first 160";
        QCOMPARE(box->accessibleDescription(), note);
        QCOMPARE(box->toolTip(), phone ? "Phone 19" + (note.isEmpty() ? "" : ": " + note) : note);
        QCOMPARE(w->findChild<QLabel*>(phone ? "lblPhoneMore_18" : "lblMore_5")->isVisible(),
                 !edited);
        QCOMPARE(
            form->longValuesNote(),
            edited ? QString() : "Values longer than their boxes: 1, kept whole (marked \u00bb).");
    }
};

QTEST_MAIN(tst_longvalues)
#include "tst_longvalues.moc"
