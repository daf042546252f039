// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "ui/common/FocusStyle.h"

namespace {

// No colour the base style derives for its own outlines, so each pixel of it is the ring's.
const QColor Ring(255, 0, 255);

using Make = std::function<QWidget*(QWidget*)>;

int ringPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == Ring;
    return count;
}

// The ring's pixels enclose a rectangle whose border, two pixels deep, is ring all round: a
// closed ring, not a stray line or a few anti-aliased corners.
bool closedRing(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == Ring) box |= QRect(x, y, 1, 1);
    if (box.width() < 8 || box.height() < 8) return false;
    const int width = ui::FocusStyle::RingWidth;
    for (int d = 0; d < width; ++d) {
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixelColor(x, box.top() + d) != Ring ||
                image.pixelColor(x, box.bottom() - d) != Ring)
                return false;
        for (int y = box.top(); y <= box.bottom(); ++y)
            if (image.pixelColor(box.left() + d, y) != Ring ||
                image.pixelColor(box.right() - d, y) != Ring)
                return false;
    }
    return true;
}

}  // namespace

Q_DECLARE_METATYPE(Make)

class tst_focusring : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFocusStyle(); }

    // Each kind of control the windows take focus in: a clear ring with focus, none without.
    void ringOnlyWithFocus_data() {
        QTest::addColumn<Make>("make");
        QTest::newRow("button") << Make([](QWidget* p) { return new QPushButton("Read", p); });
        QTest::newRow("check box") << Make([](QWidget* p) { return new QCheckBox("CH1", p); });
        QTest::newRow("combo box") << Make([](QWidget* p) {
            auto* c = new QComboBox(p);
            c->addItems({"00", "01"});
            return c;
        });
        QTest::newRow("editable combo box") << Make([](QWidget* p) {
            auto* c = new QComboBox(p);
            c->setEditable(true);
            c->setEditText("/dev/ttyUSB0");
            return c;
        });
        QTest::newRow("line edit") << Make([](QWidget* p) { return new QLineEdit("5550100", p); });
    }
    void ringOnlyWithFocus() {
        QFETCH(Make, make);
        QWidget window;
        QPalette palette = window.palette();
        palette.setColor(QPalette::Highlight, Ring);
        window.setPalette(palette);
        auto* layout = new QVBoxLayout(&window);
        QWidget* control = make(&window);
        auto* other = new QPushButton("Other", &window);
        layout->addWidget(control);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        const QImage without = control->grab().toImage();
        control->setFocus();
        QTRY_VERIFY(control->hasFocus());
        const QImage with = control->grab().toImage();

        QCOMPARE(ringPixels(without), 0);
        QVERIFY2(closedRing(with), qPrintable(QString::number(ringPixels(with))));
    }
};

QTEST_MAIN(tst_focusring)
#include "tst_focusring.moc"
