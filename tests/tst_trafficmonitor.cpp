// SPDX-License-Identifier: GPL-3.0-or-later
// The Traffic Monitor: what a read through the window puts in it, the bound on its lines,
// pausing, and saving what it shows.
#include <QtTest>
#include <QtWidgets>

#include "device/TrafficLog.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/WindowRig.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/traffic/TrafficModel.h"
#include "ui/traffic/TrafficMonitor.h"

using traffic::TrafficModel;
using traffic::TrafficMonitor;

namespace {

constexpr int IntervalMs = 10;
constexpr int Exchanges = 99;
QTemporaryDir scratch;

QString cell(const TrafficModel* model, int row, int column) {
    return model->index(row, column).data().toString();
}

QList<TrafficLine> numbered(int from, int count) {
    QList<TrafficLine> lines;
    for (int n = from; n < from + count; ++n)
        lines.append({.device = QStringLiteral("dev"), .bytes = "L" + QByteArray::number(n)});
    return lines;
}

}  // namespace

class tst_trafficmonitor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readThroughWindow_data();
    void readThroughWindow();
    void bound_data();
    void bound();
    void save_data();
    void save();
    void followsUnlessScrolledUp();

private:
    void checkExchanges(const TrafficModel* model, const UnitSimulator& unit);
};

void tst_trafficmonitor::initTestCase() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
}

void tst_trafficmonitor::readThroughWindow_data() {
    QTest::addColumn<QString>("logFile");  // empty: the window's own log, without a file
    QTest::addColumn<bool>("completes");
    QTest::newRow("no file") << QString() << true;
    // The log is checked before each command goes out: nothing is sent, so nothing is shown.
    QTest::newRow("log on a full disk") << QStringLiteral("/dev/full") << false;
}

// A whole read at a short interval, with the monitor open: every command the unit received
// and every reply it gave are in the table, in order, each reply right after its command.
void tst_trafficmonitor::readThroughWindow() {
    QFETCH(QString, logFile);
    QFETCH(bool, completes);
    testsupport::WindowRig r;
    QVERIFY(r.unit.isOpen());
    if (!logFile.isEmpty()) {
        QVERIFY(r.log.open(logFile));
        r.w.setTrafficLog(&r.log);
    }
    QStringList boxes;
    testsupport::ModalDriver driver([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes << box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    r.w.findChild<QAction*>(QStringLiteral("actTrafficMonitor"))->trigger();
    auto* monitor = r.w.findChild<TrafficMonitor*>(QStringLiteral("frmTrafficMonitor"));
    QVERIFY(monitor && monitor->isVisible());
    r.connectTo(IntervalMs);
    QVERIFY(r.button("cmdDeviceRead")->isEnabled());
    r.button("cmdDeviceRead")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!r.w.transferActive(), 60000);
    if (completes)
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('\n')));
    else
        QTRY_COMPARE(boxes.size(), 1);  // the box follows the transfer's end
    QCOMPARE(r.unit.commands().size(), completes ? Exchanges : 0);

    QTRY_COMPARE(monitor->heldCount(), 0);
    checkExchanges(monitor->model(), r.unit);
}

// The tool's own notes aside, the table alternates each command the unit received with the
// reply it gave, timed.
void tst_trafficmonitor::checkExchanges(const TrafficModel* model, const UnitSimulator& unit) {
    QList<int> exchanged;
    for (int row = 0; row < model->rowCount(); ++row)
        if (cell(model, row, TrafficModel::Direction) != QStringLiteral("#")) exchanged << row;
    QCOMPARE(exchanged.size(), 2 * unit.commands().size());
    UnitSimulator replier;  // the same unit, to know what each command was answered with
    replier.setConfiguration(unit.configuration());
    for (int k = 0; k < unit.commands().size(); ++k) {
        const QByteArray sent = unit.commands()[k];
        const int command = exchanged[2 * k], reply = exchanged[2 * k + 1];
        QCOMPARE(cell(model, command, TrafficModel::Direction), QStringLiteral("->"));
        QCOMPARE(cell(model, command, TrafficModel::Bytes), TrafficLog::escaped(sent));
        QVERIFY(cell(model, command, TrafficModel::ReplyTime).isEmpty());
        QVERIFY(
            QTime::fromString(cell(model, command, TrafficModel::Time), "HH:mm:ss.zzz").isValid());
        QCOMPARE(cell(model, reply, TrafficModel::Direction), QStringLiteral("<-"));
        QCOMPARE(cell(model, reply, TrafficModel::Bytes),
                 TrafficLog::escaped(replier.handleCommand(sent)));
        // When the bytes came, which only a reply has; the times themselves are the link's.
        QVERIFY(cell(model, command, TrafficModel::Arrived).isEmpty());
        QVERIFY(!cell(model, reply, TrafficModel::Arrived).isEmpty());
    }
}

void tst_trafficmonitor::bound_data() {
    QTest::addColumn<QList<int>>("batches");   // lines L0, L1, ... arriving in these groups
    QTest::addColumn<bool>("throughMonitor");  // from a TrafficLog to a paused monitor
    QTest::addColumn<int>("oldest");           // the first line kept
    const int limit = TrafficModel::Limit;
    QTest::newRow("10,050 at once") << QList<int>{10050} << false << 50;
    QTest::newRow("just full, then one") << QList<int>{limit, 1} << false << 1;
    QTest::newRow("held while paused") << QList<int>{7000, 5000, 3050} << true << 5050;
}

// However the lines arrive, the newest Limit are kept, in order.
void tst_trafficmonitor::bound() {
    QFETCH(QList<int>, batches);
    QFETCH(bool, throughMonitor);
    QFETCH(int, oldest);
    TrafficMonitor monitor;
    TrafficLog log;
    monitor.watch(&log);
    monitor.setPaused(throughMonitor);
    int next = 0;
    for (const int count : batches) {
        if (throughMonitor) {
            for (const TrafficLine& line : numbered(next, count))
                QVERIFY(log.command(line.device, line.bytes));
            QVERIFY(monitor.heldCount() <= TrafficModel::Limit + 1000);
        } else {
            monitor.model()->append(numbered(next, count));
        }
        next += count;
    }
    monitor.setPaused(false);
    const TrafficModel* model = monitor.model();
    QCOMPARE(model->rowCount(), TrafficModel::Limit);
    QCOMPARE(cell(model, 0, TrafficModel::Bytes), QStringLiteral("L%1").arg(oldest));
    QCOMPARE(cell(model, TrafficModel::Limit - 1, TrafficModel::Bytes),
             QStringLiteral("L%1").arg(next - 1));
}

void tst_trafficmonitor::save_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("saved");
    QTest::newRow("replacing a file") << scratch.filePath(QStringLiteral("saved.txt")) << true;
    QTest::newRow("folder missing") << scratch.filePath(QStringLiteral("none/saved.txt")) << false;
}

// Save writes the lines shown, one a line with the columns apart, bytes escaped so a tab or a
// line break from the unit cannot split one; lines held while paused are not shown, so not
// saved. A file that cannot be written says why. Then Clear.
void tst_trafficmonitor::save() {
    QFETCH(QString, path);
    QFETCH(bool, saved);
    QFile::remove(path);
    QFile old(path);
    if (saved) QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\nlines\nhere\n") > 0);
    old.close();
    TrafficMonitor monitor;
    TrafficLog log;
    monitor.watch(&log);
    QVERIFY(log.command("dev", QByteArray("?M01\r", 5)));
    QVERIFY(log.reply("dev", QByteArray("M01\ta\nb\0\xff\\", 10)));
    QVERIFY(log.note("dev", QStringLiteral("a note")));
    QTRY_COMPARE(monitor.model()->rowCount(), 3);
    monitor.setPaused(true);
    QVERIFY(log.command("dev", "?M02\r"));
    QCOMPARE(monitor.heldCount(), 1);

    QString reason;
    QCOMPARE(monitor.saveTo(path, &reason), saved);
    QCOMPARE(reason.isEmpty(), saved);
    if (!saved) {
        QVERIFY(!QFile::exists(path));
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    QCOMPARE(lines.size(), 5);  // the heading and three lines, each ended
    QVERIFY(lines.last().isEmpty());
    // The rows show the time of day; the heading says the port and the day.
    QString day =
        QDateTime::fromMSecsSinceEpoch(monitor.model()->line(0).atMs).date().toString(Qt::ISODate);
    QVERIFY2(lines[0].startsWith("# Traffic Monitor: dev, from " + day), qPrintable(lines[0]));
    QVERIFY(monitor.suggestedName().startsWith("traffic-dev-"));
    lines.removeFirst();
    const QList<QStringList> expected{
        {"->", "?M01\\r", ""}, {"<-", "M01\\x09a\\nb\\0\\xFF\\\\", ""}, {"#", "a note", ""}};
    for (int row = 0; row < 3; ++row) {
        const QStringList cells = lines[row].split('\t');
        QCOMPARE(cells.size(), int(TrafficModel::ColumnCount));
        QCOMPARE(cells[TrafficModel::Time], cell(monitor.model(), row, TrafficModel::Time));
        QCOMPARE(cells[TrafficModel::Direction], expected[row][0]);
        QCOMPARE(cells[TrafficModel::Bytes], expected[row][1]);
        QCOMPARE(cells[TrafficModel::ReplyTime].isEmpty(), row != 1);
    }
    // Clear leaves nothing to come back on resume either.
    monitor.findChild<QPushButton*>(QStringLiteral("cmdClear"))->click();
    monitor.setPaused(false);
    QCOMPARE(monitor.model()->rowCount(), 0);
}

// New lines bring the table to the newest one, unless the user has scrolled up to read.
void tst_trafficmonitor::followsUnlessScrolledUp() {
    TrafficMonitor monitor;
    monitor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&monitor));
    auto* table = monitor.findChild<QTableView*>(QStringLiteral("tblTraffic"));
    TrafficLog log;
    monitor.watch(&log);
    const auto feed = [&](int from) {
        for (const TrafficLine& line : numbered(from, 500))
            log.command(line.device, line.bytes);
        QTRY_COMPARE(monitor.heldCount(), 0);
        QApplication::processEvents();
    };
    const auto lastVisible = [&] {
        return table->indexAt(QPoint(0, table->viewport()->height() - 2)).row();
    };
    feed(0);
    QCOMPARE(lastVisible(), 499);
    table->verticalScrollBar()->setValue(10);
    const int topRow = table->indexAt(QPoint(0, 1)).row();
    feed(500);
    QCOMPARE(table->indexAt(QPoint(0, 1)).row(), topRow);
    table->scrollToBottom();
    feed(1000);
    QCOMPARE(lastVisible(), 1499);
}

QTEST_MAIN(tst_trafficmonitor)
#include "tst_trafficmonitor.moc"
