#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "frmMain.h"
#include "mdiMain.h"

struct Look {
    QColor text, background;  // invalid background: the window's own
    QString family;           // empty: the window font
    double points;
    bool italic;
    int align;
};
struct PageCase {
    QString how;  // "click" on the tab bar, "code" sets the index, "select" calls selectPage
    int page, slot;
    QString caption;
    int index;
};
struct EditCase {
    int page, slot, index;                         // for phone numbers only index (k) counts
    QString before, button, typed, typed2, after;  // button empty: the close box
};
Q_DECLARE_METATYPE(Look)
Q_DECLARE_METATYPE(PageCase)
Q_DECLARE_METATYPE(EditCase)

// The main window: layout, start-up, channel pages, edit launchers with the real dialogs,
// the configuration glue and closing.
class tst_mainwindow : public QObject {
    Q_OBJECT
    frmMain* w = nullptr;
    QString failure;  // what went wrong inside a modal dialog, reported once it returns

    template <class T = QWidget>
    T* get(const QString& name) const {
        return w->findChild<T*>(name);
    }
    void clickTab(int page) {
        QTabBar* bar = w->TS->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page - 1).center());
    }
    // Index i holds "msg i" and is enabled when i is a multiple of 3.
    void fillArrays() {
        for (int i = 0; i < 64; ++i) {
            w->ChannelEnable[i] = i % 3 == 0 ? -1 : 0;
            w->ChannelMessage[i] = QStringLiteral("msg %1").arg(i);
        }
    }
    // Sets the dialog's two text controls, then presses `button` (or the close box). A watchdog
    // fails the test and closes every modal widget if the dialog never shows or never closes.
    void driveDialog(const char* box1, const char* box2, const EditCase& c, QString* handedIn,
                     const QString* handOver) {
        failure = QStringLiteral("no dialog showed");
        auto* poll = new QTimer(w);
        connect(poll, &QTimer::timeout, w, [=, this] {
            auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dlg) return;
            poll->stop();
            failure.clear();
            *handedIn = *handOver;
            for (auto [name, text] : {std::pair(box1, c.typed), std::pair(box2, c.typed2)}) {
                if (!name) continue;
                QWidget* box = dlg->findChild<QWidget*>(name);
                if (auto* edit = qobject_cast<QPlainTextEdit*>(box)) edit->setPlainText(text);
                if (auto* line = qobject_cast<QLineEdit*>(box)) line->setText(text);
                if (!box) failure = QStringLiteral("no %1").arg(name);
            }
            auto* button = dlg->findChild<QAbstractButton*>(c.button);
            if (c.button.isEmpty() || !button)
                dlg->close();
            else
                button->click();
            if (!c.button.isEmpty() && !button) failure = "no " + c.button;
        });
        poll->start(20);
        QTimer::singleShot(5000, w, [this, poll] {
            poll->stop();
            for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i) {
                failure = QStringLiteral("dialog still open after 5 s");
                QApplication::activeModalWidget()->close();
            }
        });
    }

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() { w = new frmMain; }
    void cleanup() { delete w; }

    void layout_data() {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("caption");
        const struct {
            const char *name, *parent;
            int x, y, width, height;
            const char* caption;
        } rows[] = {
            {"Frame1", "frmMain", 8, 8, 137, 105, "Communication"},
            {"Label1", "Frame1", 32, 16, 57, 17, "Port No."},
            {"cmbComm", "Frame1", 16, 40, 97, 21, nullptr},
            {"cmdConnect", "Frame1", 16, 72, 81, 21, "Connect"},
            {"shpComm", "Frame1", 112, 72, 17, 17, nullptr},
            {"Frame4", "frmMain", 8, 120, 137, 57, "Slave ID"},
            {"cmbSlaveID", "Frame4", 16, 24, 97, 21, nullptr},
            {"FrameFunction", "frmMain", 8, 184, 137, 121, "MODEM"},
            {"cmdDeviceRead", "FrameFunction", 16, 24, 105, 33, "Read from Device"},
            {"cmdDeviceWrite", "FrameFunction", 16, 72, 105, 33, "Write to Device"},
            {"frameFile", "frmMain", 8, 320, 137, 113, "File"},
            {"cmdFileLoad", "frameFile", 16, 16, 105, 33, "Load from File"},
            {"cmdFileSave", "frameFile", 16, 64, 105, 33, "Save to File"},
            {"TS", "frmMain", 160, 8, 489, 465, nullptr},
            {"Frame2", "frmMain", 176, 40, 457, 417, "Configuration"},
            {"Frame3_0", "frmMain", 664, 24, 209, 417, "Phone Numbers"},
            {"Frame3_1", "frmMain", 880, 24, 209, 417, "Phone Numbers"},
            {"cmdExit", "frmMain", 496, 488, 121, 33, "Exit"},
            {"Label2", "frmMain", 672, 464, 177, 17, "Designed & Developed by:"},
            {"Label3", "frmMain", 656, 488, 177, 17, nullptr},
            {"Label4", "frmMain", 672, 512, 177, 17, nullptr},
            {"Image1", "frmMain", 896, 456, 191, 70, nullptr},
            {"chkChEnable_0", "Frame2", 16, 24, 81, 17, "Channel 1"},
            {"lblMessage_15", "Frame2", 104, 384, 257, 17, ""},
            {"cmdEditMsg_7", "Frame2", 376, 192, 57, 17, "Edit Msg."},
            {"txtPhoneNo_0", "Frame3_0", 16, 24, 97, 19, ""},
            {"cmdEditNo_15", "Frame3_0", 120, 384, 57, 17, "Edit No."},
            {"txtPhoneNo_16", "Frame3_1", 16, 24, 97, 19, ""},
            {"cmdEditNo_31", "Frame3_1", 120, 384, 57, 17, "Edit No."},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << QString(r.parent) << QRect(r.x, r.y, r.width, r.height)
                                  << QString(r.caption);
    }
    void layout() {
        QFETCH(QString, parent);
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        QWidget* c = get(QTest::currentDataTag());
        QVERIFY(c);
        QCOMPARE(c->parentWidget()->objectName(), parent);
        QCOMPARE(c->geometry(), rect);
        if (caption.isNull()) return;
        QCOMPARE(c->property(qobject_cast<QGroupBox*>(c) ? "title" : "text").toString(), caption);
    }

    void window() {
        QCOMPARE(w->windowTitle(), "Quellix Ver.2.0");
        QCOMPARE(w->minimumSize(), QSize(1103, 544));
        QCOMPARE(w->maximumSize(), QSize(1103, 544));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(
            !(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
        const QStringList tabs = {"CH1-CH16", "CH17-CH32", "CH33-CH48", "CH49-CH64"};
        QCOMPARE(w->TS->count(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w->TS->tabText(i), tabs[i]);
        QCOMPARE(w->currentPage(), 1);
        QWidget* over = w->childAt(QPoint(376, 45));  // Frame2 lies above the tab strip
        QVERIFY(over == w->Frame2 || w->Frame2->isAncestorOf(over));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QPoint off = w->frameGeometry().center() - w->screen()->availableGeometry().center();
        QVERIFY2(off.manhattanLength() <= 2, "not centred on the screen");
    }

    void looks_data() {
        QTest::addColumn<Look>("look");
        const QColor none;
        QTest::newRow("Label2") << Look{{192, 192, 192}, none, "MS Sans Serif", 7.8, true,
                                        Qt::AlignLeft};
        QTest::newRow("Label3") << Look{{64, 64, 64}, none,  "Arial Rounded MT Bold",
                                        9.6,          false, Qt::AlignHCenter};
        QTest::newRow("Label4") << Look{{128, 128, 255}, none, "Arial Rounded MT Bold", 8.4, false,
                                        Qt::AlignHCenter};
        QTest::newRow("lblMessage_0") << Look{Qt::white, {0, 0, 128}, "", 0, false, Qt::AlignLeft};
    }
    void looks() {
        QFETCH(Look, look);
        auto* label = get<QLabel>(QTest::currentDataTag());
        QCOMPARE(label->palette().color(QPalette::WindowText), look.text);
        QCOMPARE(label->autoFillBackground(), look.background.isValid());
        if (look.background.isValid())
            QCOMPARE(label->palette().color(QPalette::Window), look.background);
        QCOMPARE(label->textFormat(), Qt::PlainText);  // "&" is shown, never an access key
        QVERIFY(!label->wordWrap());
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), look.align);
        if (look.family.isEmpty()) return;
        QCOMPARE(label->font().family(), look.family);
        QCOMPARE(label->font().pointSizeF(), look.points);
        QCOMPARE(label->font().italic(), look.italic);
    }

    void startUp() {
        QCOMPARE(w->cmbComm->count(), 255);
        QCOMPARE(w->cmbComm->itemText(9), "COM 10");
        QCOMPARE(w->cmbComm->itemText(254), "COM 255");
        QCOMPARE(w->cmbComm->currentText(), "COM 1");
        QCOMPARE(w->cmbSlaveID->count(), 32);
        QCOMPARE(w->cmbSlaveID->itemText(9), "09");
        QCOMPARE(w->cmbSlaveID->itemText(31), "31");
        QCOMPARE(w->cmbSlaveID->currentText(), "00");
        for (QComboBox* c : {w->cmbComm, w->cmbSlaveID}) {
            QCOMPARE(c->currentIndex(), 0);
            QVERIFY(c->isEditable() && c->insertPolicy() == QComboBox::NoInsert);
        }
        QCOMPARE(w->chkChEnable[15]->text(), "Channel 16");
        for (QLineEdit* box : w->txtPhoneNo)
            QVERIFY(box->maxLength() == 15 && !box->isEnabled());
        QVERIFY(!w->cmdDeviceRead->isEnabled() && !w->cmdDeviceWrite->isEnabled());
        QVERIFY(w->configuration() == ConfigurationSet{});
        for (int i = 0; i < frmMain::ArraySize; ++i)
            QVERIFY(w->ChannelEnable[i] == 0 && w->ChannelMessage[i].isEmpty());
    }

    void focus() {
        QStringList expected = {"cmbComm",        "cmdDeviceRead", "cmdConnect",
                                "cmdDeviceWrite", "cmdFileLoad",   "cmdFileSave",
                                "cmbSlaveID",     "cmdExit",       "TS"};
        for (auto [base, from, to] : {std::tuple("cmdEditNo", 8, 15),
                                      {"txtPhoneNo", 8, 15},
                                      {"cmdEditNo", 0, 7},
                                      {"txtPhoneNo", 0, 7},
                                      {"cmdEditMsg", 15, 0},
                                      {"chkChEnable", 15, 0},
                                      {"txtPhoneNo", 16, 23},
                                      {"cmdEditNo", 16, 23},
                                      {"txtPhoneNo", 24, 31},
                                      {"cmdEditNo", 24, 31}})
            for (int i = from, step = from < to ? 1 : -1; i != to + step; i += step)
                expected << QStringLiteral("%1_%2").arg(base).arg(i);
        QStringList chain;
        QWidget* x = w->cmbComm;
        do {
            if (expected.contains(x->objectName())) chain << x->objectName();
        } while ((x = x->nextInFocusChain()) != w->cmbComm);
        QCOMPARE(chain, expected);
        // Live: focus starts in the port box; Tab skips the disabled MODEM buttons.
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(w->cmbComm->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->cmdConnect);
        QTest::keyClick(w->cmdConnect, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->cmdFileLoad);
    }

    void grab() {
        w->ChannelMessage[49] = QStringLiteral("Fire & smoke, zone 2");
        w->selectPage(4);
        for (QCheckBox* box : w->chkChEnable) {  // the widest captions are not cut off
            const QStyle* s = w->style();
            const int needed = s->pixelMetric(QStyle::PM_IndicatorWidth) +
                               s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) +
                               QFontMetrics(box->font()).horizontalAdvance(box->text());
            QVERIFY2(needed <= box->width(), qPrintable(box->text()));
        }
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QImage shot = w->grab().toImage();
        QVERIFY(shot.save(qEnvironmentVariable("QX_TEST_OUTPUT", QDir::tempPath()) +
                          "/mainwindow.png"));
        QCOMPARE(shot.size(), QSize(1103, 544));
        QCOMPARE(shot.pixelColor(530, 70), QColor(0, 0, 128));  // message label 0, right end
        const QColor band = shot.pixelColor(899, 523);          // the logo's dark band, #1d3f7a
        QVERIFY2(
            qAbs(band.red() - 0x1d) + qAbs(band.green() - 0x3f) + qAbs(band.blue() - 0x7a) < 16,
            qPrintable(band.name()));
    }

    void pages_data() {
        QTest::addColumn<PageCase>("c");
        QTest::newRow("page 1 reselected") << PageCase{"select", 1, 0, "Channel 1", 0};
        QTest::newRow("page 1 clicked again") << PageCase{"click", 1, 3, "Channel 4", 3};
        QTest::newRow("page 2 clicked") << PageCase{"click", 2, 0, "Channel 17", 16};
        QTest::newRow("page 3 from code") << PageCase{"code", 3, 5, "Channel 38", 37};
        QTest::newRow("page 4 clicked") << PageCase{"click", 4, 15, "Channel 64", 63};
        QTest::newRow("page 4 selected") << PageCase{"select", 4, 12, "Channel 61", 60};
    }
    void pages() {
        QFETCH(PageCase, c);
        w->show();
        fillArrays();  // the page shows stale values until it is refreshed
        const auto flags = w->ChannelEnable;
        if (c.how == "click")
            clickTab(c.page);
        else if (c.how == "code")
            w->TS->setCurrentIndex(c.page - 1);
        else
            w->selectPage(c.page);
        QCOMPARE(w->currentPage(), c.page);
        QCOMPARE(w->chkChEnable[c.slot]->text(), c.caption);
        QCOMPARE(w->lblMessage[c.slot]->text(), QStringLiteral("msg %1").arg(c.index));
        for (int s = 0; s < 16; ++s)
            QCOMPARE(w->chkChEnable[s]->isChecked(), ((c.page - 1) * 16 + s) % 3 == 0);
        QCOMPARE(w->ChannelEnable, flags);  // the refresh stores back what it shows
    }

    void flags_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("index");
        QTest::newRow("channel 3") << 1 << 2 << 2;
        QTest::newRow("channel 17") << 2 << 0 << 16;
        QTest::newRow("channel 64") << 4 << 15 << 63;
    }
    void flags() {
        QFETCH(int, page);
        QFETCH(int, slot);
        QFETCH(int, index);
        w->show();
        w->selectPage(page);
        QCheckBox* box = w->chkChEnable[slot];
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        clickTab(page % 4 + 1);
        QVERIFY(!box->isChecked());  // the other page's channel is still clear
        QCOMPARE(int(std::count(w->ChannelEnable.begin(), w->ChannelEnable.end(), -1)), 1);
        QCOMPARE(w->ChannelEnable[index], qint16(-1));
        clickTab(page);
        QVERIFY(box->isChecked());
        box->setChecked(false);  // a change made by code stores as well
        QCOMPARE(w->ChannelEnable[index], qint16(0));
    }

    void launchers_data() {
        QTest::addColumn<EditCase>("c");
        QTest::newRow("msg ok") << EditCase{
            3, 5, 37, "old", "cmdOK", "Tom & Jerry", {}, "Tom & Jerry"};
        QTest::newRow("msg ok unchanged") << EditCase{1, 0, 0, "A&B", "cmdOK", "A&B", {}, "A&B"};
        QTest::newRow("msg ok empty") << EditCase{2, 15, 31, "old", "cmdOK", "", {}, ""};
        QTest::newRow("msg cancel") << EditCase{4, 7, 55, "keep", "cmdCancel", "new", {}, "keep"};
        QTest::newRow("msg close box") << EditCase{2, 1, 17, "keep", "", "new", {}, "keep"};
        QTest::newRow("no. ok") << EditCase{
            0, 0, 0, "", "cmdOK", "91", "1234567890", "911234567890"};
        QTest::newRow("no. ok 15 long")
            << EditCase{0, 0, 31, "1", "cmdOK", "12345", "0987654321", "123450987654321"};
        QTest::newRow("no. 20 deleted")
            << EditCase{0, 0, 19, "441234567890", "cmdDelete", "", "", ""};
        QTest::newRow("no. cancel")
            << EditCase{0, 0, 16, "441234567890", "cmdCancel", "1", "2222222222", "441234567890"};
        QTest::newRow("no. close box")
            << EditCase{0, 0, 7, "441234567890", "", "1", "2222222222", "441234567890"};
    }
    void launchers() {
        QFETCH(EditCase, c);
        const bool phone = c.page == 0;
        auto number = [&](int k) {
            return k == c.index ? c.before : QStringLiteral("4930%1").arg(k);
        };
        for (int k = 0; k < 32; ++k)
            w->txtPhoneNo[k]->setText(number(k));
        if (!phone) w->ChannelMessage[c.index] = c.before, w->selectPage(c.page);
        mdiMain::PhoneNoAccepted = mdiMain::MessageAccepted = -1;  // as an earlier edit left them
        QString handedIn;
        driveDialog(phone ? "txtSTD" : "txtMsg", phone ? "txtNo" : nullptr, c, &handedIn,
                    phone ? &mdiMain::EditedPhoneNo : &mdiMain::EditedMessage);
        (phone ? w->cmdEditNo[c.index] : w->cmdEditMsg[c.slot])->click();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(handedIn, c.before);
        if (phone) {
            for (int k = 0; k < 32; ++k)  // the others stay where they are
                QCOMPARE(w->txtPhoneNo[k]->text(), k == c.index ? c.after : number(k));
            return;
        }
        QCOMPARE(w->lblMessage[c.slot]->text(), c.after);
        QCOMPARE(w->ChannelMessage[c.index], c.after);
        w->selectPage(c.page % 4 + 1);
        w->selectPage(c.page);
        QCOMPARE(w->lblMessage[c.slot]->text(), c.after);
    }

    void roundTrip_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("slaveId");
        QTest::addColumn<QString>("shown");
        QTest::newRow("page 1, ID 7") << 1 << 7 << "07";
        QTest::newRow("page 3, ID 31") << 3 << 31 << "31";
        QTest::newRow("page 4, ID 0") << 4 << 0 << "00";
        QTest::newRow("ID -1 keeps 12") << 2 << -1 << "12";
        QTest::newRow("ID 32 keeps 12") << 2 << 32 << "12";
    }
    void roundTrip() {
        QFETCH(int, page);
        QFETCH(int, slaveId);
        QFETCH(QString, shown);
        w->cmbSlaveID->setCurrentIndex(12);
        ConfigurationSet set;
        set.slaveId = slaveId;
        for (int k = 0; k < 32; ++k)
            set.phoneNo[k] = QStringLiteral("4930555%1").arg(k);
        set.phoneNo[4] = "1234567890123456";  // one too long for its box
        for (int i = 0; i < 64; ++i) {
            set.channelEnable[i] = i % 5 == 0 ? -1 : 0;
            set.channelMessage[i] = QStringLiteral("zone %1 & door").arg(i);
        }
        set.channelEnable[2] = 1;  // only -1 counts as set
        set.channelMessage[33] = QString(160, QLatin1Char('x'));
        set.channelMessage[47] = "two\r\nlines";
        w->selectPage(page);
        w->applyConfiguration(set);
        ConfigurationSet expected = set;
        expected.slaveId = shown.toInt();
        expected.phoneNo[4] = "123456789012345";
        expected.channelEnable[2] = 0;
        QVERIFY(w->configuration() == expected);
        QCOMPARE(w->cmbSlaveID->currentText(), shown);
        const int last = page * 16 - 1;  // the page that is current shows the new set
        QCOMPARE(w->chkChEnable[15]->isChecked(), expected.channelEnable[last] == -1);
        QCOMPARE(w->lblMessage[15]->text(), set.channelMessage[last]);
    }

    void combos_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index");
        QTest::newRow("slave 07") << "cmbSlaveID"
                                  << "07" << 7;
        QTest::newRow("slave 7") << "cmbSlaveID"
                                 << "7" << -1;
        QTest::newRow("slave empty") << "cmbSlaveID"
                                     << "" << -1;
        QTest::newRow("COM 255") << "cmbComm"
                                 << "COM 255" << 254;
        QTest::newRow("device path") << "cmbComm"
                                     << "/dev/ttyUSB0" << -1;
    }
    void combos() {
        QFETCH(QString, combo);
        QFETCH(QString, typed);
        QFETCH(int, index);
        auto* box = get<QComboBox>(combo);
        box->lineEdit()->setText(typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(box->count(), combo == "cmbComm" ? 255 : 32);  // never a new entry
        QCOMPARE(combo == "cmbComm" ? w->portIndex() : w->configuration().slaveId, index);
    }
};

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
