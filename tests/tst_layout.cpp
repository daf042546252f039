#include <QtTest>
#include <QtWidgets>

#include "frmMain.h"

// The main window as it stands after start-up: controls, positions, looks, lists, focus.
class tst_layout : public QObject {
    Q_OBJECT
    frmMain* w = nullptr;
    template <class T = QWidget>
    T* get(const QString& name) const {
        return w->findChild<T*>(name);
    }

private slots:
    void init() { w = new frmMain; }
    void cleanup() { delete w; }

    void geometry_data() {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("rect");
        const struct {
            const char *name, *parent;
            int x, y, width, height;
        } rows[] = {
            {"Frame1", "frmMain", 8, 8, 137, 105},
            {"Label1", "Frame1", 32, 16, 57, 17},
            {"cmbComm", "Frame1", 16, 40, 97, 21},
            {"cmdConnect", "Frame1", 16, 72, 81, 21},
            {"shpComm", "Frame1", 112, 72, 17, 17},
            {"Frame4", "frmMain", 8, 120, 137, 57},
            {"cmbSlaveID", "Frame4", 16, 24, 97, 21},
            {"FrameFunction", "frmMain", 8, 184, 137, 121},
            {"cmdDeviceRead", "FrameFunction", 16, 24, 105, 33},
            {"cmdDeviceWrite", "FrameFunction", 16, 72, 105, 33},
            {"frameFile", "frmMain", 8, 320, 137, 113},
            {"cmdFileLoad", "frameFile", 16, 16, 105, 33},
            {"cmdFileSave", "frameFile", 16, 64, 105, 33},
            {"TS", "frmMain", 160, 8, 489, 465},
            {"Frame2", "frmMain", 176, 40, 457, 417},
            {"Frame3_0", "frmMain", 664, 24, 209, 417},
            {"Frame3_1", "frmMain", 880, 24, 209, 417},
            {"cmdExit", "frmMain", 496, 488, 121, 33},
            {"Label2", "frmMain", 672, 464, 177, 17},
            {"Label3", "frmMain", 656, 488, 177, 17},
            {"Label4", "frmMain", 672, 512, 177, 17},
            {"Image1", "frmMain", 896, 456, 191, 70},
            {"chkChEnable_0", "Frame2", 16, 24, 81, 17},
            {"lblMessage_7", "Frame2", 104, 192, 257, 17},
            {"cmdEditMsg_15", "Frame2", 376, 384, 57, 17},
            {"txtPhoneNo_0", "Frame3_0", 16, 24, 97, 19},
            {"cmdEditNo_15", "Frame3_0", 120, 384, 57, 17},
            {"txtPhoneNo_16", "Frame3_1", 16, 24, 97, 19},
            {"cmdEditNo_20", "Frame3_1", 120, 120, 57, 17},
            {"txtPhoneNo_31", "Frame3_1", 16, 384, 97, 19},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << QString(r.parent) << QRect(r.x, r.y, r.width, r.height);
    }
    void geometry() {
        QFETCH(QString, parent);
        QFETCH(QRect, rect);
        QWidget* c = get(QTest::currentDataTag());
        QVERIFY(c);
        QCOMPARE(c->parentWidget()->objectName(), parent);
        QCOMPARE(c->geometry(), rect);
    }

    // Rows start 360 twips (24 px) down and repeat every 360 twips; the right-hand phone frame
    // starts again at the top with number 17.
    void rowsAreSpaced() {
        for (int k = 0; k < 32; ++k) {
            for (const char* base : {"txtPhoneNo", "cmdEditNo"}) {
                QWidget* c = get(QStringLiteral("%1_%2").arg(base).arg(k));
                QVERIFY2(c, base);
                QCOMPARE(c->y(), 24 + 24 * (k % 16));
                QCOMPARE(c->parentWidget()->objectName(), k < 16 ? "Frame3_0" : "Frame3_1");
            }
        }
        for (int s = 0; s < 16; ++s)
            for (const char* base : {"chkChEnable", "lblMessage", "cmdEditMsg"})
                QCOMPARE(get(QStringLiteral("%1_%2").arg(base).arg(s))->y(), 24 + 24 * s);
    }

    void captions_data() {
        QTest::addColumn<QString>("text");
        const char* rows[][2] = {
            {"Frame1", "Communication"},
            {"Frame4", "Slave ID"},
            {"FrameFunction", "MODEM"},
            {"frameFile", "File"},
            {"Frame2", "Configuration"},
            {"Frame3_0", "Phone Numbers"},
            {"Frame3_1", "Phone Numbers"},
            {"Label1", "Port No."},
            {"cmdConnect", "Connect"},
            {"cmdDeviceRead", "Read from Device"},
            {"cmdDeviceWrite", "Write to Device"},
            {"cmdFileLoad", "Load from File"},
            {"cmdFileSave", "Save to File"},
            {"cmdExit", "Exit"},
            {"cmdEditMsg_9", "Edit Msg."},
            {"cmdEditNo_27", "Edit No."},
            {"Label2", "Designed & Developed by:"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << QString(r[1]);
    }
    void captions() {
        QFETCH(QString, text);
        QWidget* c = get(QTest::currentDataTag());
        QVERIFY(c);
        const char* property = qobject_cast<QGroupBox*>(c) ? "title" : "text";
        QCOMPARE(c->property(property).toString(), text);
    }

    void window() {
        QCOMPARE(w->objectName(), "frmMain");
        QCOMPARE(w->windowTitle(), "Quellix Ver.2.0");
        QCOMPARE(w->minimumSize(), QSize(1103, 544));
        QCOMPARE(w->maximumSize(), QSize(1103, 544));
        const Qt::WindowFlags flags = w->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->windowIcon().pixmap(32, 32).size(), QSize(32, 32));

        QTabWidget* ts = w->TS;
        QCOMPARE(ts->count(), 4);
        const QStringList tabs = {"CH1-CH16", "CH17-CH32", "CH33-CH48", "CH49-CH64"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(ts->tabText(i), tabs[i]);
        QCOMPARE(ts->currentIndex(), 0);
        // Frame2 is the window's child, drawn over the page area, so every tab shows it.
        QWidget* over = w->childAt(QPoint(176 + 200, 40 + 5));
        QVERIFY(over == w->Frame2 || w->Frame2->isAncestorOf(over));

        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QPoint off = w->frameGeometry().center() - w->screen()->availableGeometry().center();
        QVERIFY2(off.manhattanLength() <= 2, "not centred on the screen");
    }

    void labelLooks_data() {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");  // invalid: the window's own
        QTest::addColumn<QString>("family");     // empty: the default font
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<int>("align");
        const QColor none;
        QTest::newRow("Label2") << QColor(192, 192, 192) << none << "MS Sans Serif" << 7.8 << true
                                << int(Qt::AlignLeft);
        QTest::newRow("Label3") << QColor(64, 64, 64) << none << "Arial Rounded MT Bold" << 9.6
                                << false << int(Qt::AlignHCenter);
        QTest::newRow("Label4") << QColor(128, 128, 255) << none << "Arial Rounded MT Bold" << 8.4
                                << false << int(Qt::AlignHCenter);
        QTest::newRow("lblMessage_0") << QColor(255, 255, 255) << QColor(0, 0, 128) << "" << 0.0
                                      << false << int(Qt::AlignLeft);
        QTest::newRow("lblMessage_15") << QColor(255, 255, 255) << QColor(0, 0, 128) << "" << 0.0
                                       << false << int(Qt::AlignLeft);
    }
    void labelLooks() {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, italic);
        QFETCH(int, align);
        auto* label = get<QLabel>(QTest::currentDataTag());
        QVERIFY(label);
        QCOMPARE(label->palette().color(QPalette::WindowText), text);
        QCOMPARE(label->autoFillBackground(), background.isValid());
        if (background.isValid()) QCOMPARE(label->palette().color(QPalette::Window), background);
        // Shown as stored: "&" is a character, and the text stays on one line.
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!label->wordWrap());
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), align);
        if (family.isEmpty()) return;
        QCOMPARE(label->font().family(), family);
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().italic(), italic);
    }

    void lampAndPictures() {
        auto* lamp = get<QFrame>("shpComm");
        QCOMPARE(lamp->frameShape(), QFrame::Box);
        QCOMPARE(lamp->frameShadow(), QFrame::Plain);
        QCOMPARE(lamp->lineWidth(), 1);
        QVERIFY(lamp->autoFillBackground());
        QCOMPARE(lamp->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Window));

        auto* image = get<QLabel>("Image1");
        QVERIFY(image->hasScaledContents());
        QCOMPARE(image->pixmap().size(), QSize(583, 238));
        // Both pictures come from the binary itself.
        const QImage logo(":/logo.png");
        QCOMPARE(logo.size(), QSize(583, 238));
        QVERIFY(!logo.hasAlphaChannel());
        const QImage icon(":/quellix.png");
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.colorCount() > 0 && icon.colorCount() <= 16);
    }

    void startUpContent() {
        auto* comm = w->cmbComm;
        QCOMPARE(comm->count(), 255);
        QCOMPARE(comm->itemText(0), "COM 1");
        QCOMPARE(comm->itemText(9), "COM 10");
        QCOMPARE(comm->itemText(254), "COM 255");
        QCOMPARE(comm->currentText(), "COM 1");
        auto* slave = w->cmbSlaveID;
        QCOMPARE(slave->count(), 32);
        QCOMPARE(slave->itemText(0), "00");
        QCOMPARE(slave->itemText(9), "09");
        QCOMPARE(slave->itemText(31), "31");
        QCOMPARE(slave->currentText(), "00");
        for (QComboBox* c : {comm, slave}) {
            QCOMPARE(c->currentIndex(), 0);
            QVERIFY(c->isEditable());
            QCOMPARE(c->insertPolicy(), QComboBox::NoInsert);
        }
        for (int s = 0; s < 16; ++s) {
            QCOMPARE(w->chkChEnable[s]->text(), QStringLiteral("Channel %1").arg(s + 1));
            QVERIFY(!w->chkChEnable[s]->isChecked());
            QCOMPARE(w->lblMessage[s]->text(), QString());
        }
        for (QLineEdit* box : w->txtPhoneNo) {
            QCOMPARE(box->text(), QString());
            QCOMPARE(box->maxLength(), 15);
            QVERIFY(!box->isEnabled());
        }
        QVERIFY(!w->FrameFunction->isEnabled());
        QVERIFY(!w->cmdDeviceRead->isEnabled() && !w->cmdDeviceWrite->isEnabled());
        for (int i = 0; i < frmMain::ArraySize; ++i) {
            QCOMPARE(w->ChannelEnable[i], qint16(0));
            QVERIFY(w->ChannelMessage[i].isEmpty());
        }
        QVERIFY(w->configuration() == ConfigurationSet{});
    }

    void focusOrder() {
        QStringList expected = {"cmbComm",        "cmdDeviceRead", "cmdConnect",
                                "cmdDeviceWrite", "cmdFileLoad",   "cmdFileSave",
                                "cmbSlaveID",     "cmdExit",       "TS"};
        auto add = [&](const char* base, int from, int to) {
            const int step = from <= to ? 1 : -1;
            for (int i = from; i != to + step; i += step)
                expected << QStringLiteral("%1_%2").arg(base).arg(i);
        };
        add("cmdEditNo", 8, 15), add("txtPhoneNo", 8, 15), add("cmdEditNo", 0, 7);
        add("txtPhoneNo", 0, 7), add("cmdEditMsg", 15, 0), add("chkChEnable", 15, 0);
        add("txtPhoneNo", 16, 23), add("cmdEditNo", 16, 23), add("txtPhoneNo", 24, 31);
        add("cmdEditNo", 24, 31);
        QStringList chain;
        QWidget* x = w->cmbComm;
        do {
            if (expected.contains(x->objectName())) chain << x->objectName();
            x = x->nextInFocusChain();
        } while (x != w->cmbComm);
        QCOMPARE(chain, expected);

        // Live: focus starts in the port box, and Tab skips the disabled MODEM buttons.
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus == w->cmbComm || focus == w->cmbComm->lineEdit());
        QTest::keyClick(focus, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->cmdConnect);
        QTest::keyClick(w->cmdConnect, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->cmdFileLoad);
    }

    // The widest captions, on the last page, are not cut off by their 81-pixel boxes.
    void channelCaptionsFit() {
        w->selectPage(4);
        const QStyle* style = w->style();
        for (QCheckBox* box : w->chkChEnable) {
            const int text = QFontMetrics(box->font()).horizontalAdvance(box->text());
            QVERIFY2(style->pixelMetric(QStyle::PM_IndicatorWidth) +
                             style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + text <=
                         box->width(),
                     qPrintable(box->text()));
        }
    }

    void grabShowsWindow() {
        w->ChannelMessage[1] = QStringLiteral("Fire & smoke, zone 2");
        w->TS_Click();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.size(), QSize(1103, 544));
        const QString dir = qEnvironmentVariable("QX_TEST_OUTPUT", QDir::tempPath());
        QVERIFY(shot.save(dir + "/mainwindow.png"));
        // The right end of the empty-ish message label 0 is navy; the logo's bottom band is
        // its dark blue (#1d3f7a) at the picture's left edge.
        QCOMPARE(shot.pixelColor(530, 70), QColor(0, 0, 128));
        const QColor band = shot.pixelColor(899, 523);
        QVERIFY2(qAbs(band.red() - 0x1d) < 8 && qAbs(band.green() - 0x3f) < 8 &&
                     qAbs(band.blue() - 0x7a) < 8,
                 qPrintable(band.name()));
    }
};

QTEST_MAIN(tst_layout)
#include "tst_layout.moc"
