// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the manual's pictures: the main window after a read from the simulated unit, its Unit
// menu, and each window the menus open, found by the item's shortcut or text. A window this
// build does not have is named and skipped. Run by scripts/screenshots.sh under Xvfb.
//
// Usage: quellix-screenshots OUTPUT_DIR [NAME_SUFFIX]
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "bench/WindowOpener.h"
#include "configfile/ConfigFile.h"
#include "tests/WindowControls.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/common/FocusStyle.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/station/StationTile.h"
#include "ui/station/StationWindow.h"

namespace {

struct Shot {
    const char* actionName;
    QKeySequence shortcut;
    const char* itemText;    // the menu item, when it has no shortcut
    const char* objectName;  // what the window that opens is called
    const char* file;
    // What the window goes through for the picture: a read in which the unit answers late,
    // once the window is open; or an edit first, for a difference to show; or a station run
    // over units of which one does not answer.
    enum class Setup { None, LateReply, Edit, Station } setup;
};

// Ordered as the manual walks through them; the Compare dialog needs the edit made before.
const Shot Shots[] = {
    {"actTrafficMonitor", QKeySequence(Qt::CTRL | Qt::Key_T), "Traffic Monitor",
     "frmTrafficMonitor", "traffic-monitor", Shot::Setup::LateReply},
    {"actHistory", QKeySequence(Qt::CTRL | Qt::Key_H), "History...", "frmHistory", "history",
     Shot::Setup::None},
    {"actCompareUnit", {}, "Compare with Unit...", "compareDialog", "compare", Shot::Setup::Edit},
    {"actStation", {}, "Provisioning Station...", "frmStation", "station", Shot::Setup::Station},
};

class Camera {
public:
    Camera(QString folder, QString suffix) : folder(std::move(folder)), suffix(std::move(suffix)) {}
    int failures = 0;

    // What the X server shows of the window, so a window cut off by the screen looks cut off;
    // and it says so.
    void take(QWidget* window, const char* file) {
        const QString path = folder + u'/' + QLatin1String(file) + suffix + QStringLiteral(".png");
        if (!window->screen()->geometry().contains(window->frameGeometry())) {
            std::fprintf(stderr, "%s does not fit on the screen\n", qPrintable(path));
            ++failures;
        }
        const QPixmap picture = window->screen()->grabWindow(window->winId());
        if (picture.isNull() || !picture.save(path)) {
            std::fprintf(stderr, "could not save %s\n", qPrintable(path));
            ++failures;
            return;
        }
        std::printf("%s: %dx%d\n", qPrintable(path), picture.width(), picture.height());
    }

private:
    QString folder, suffix;
};

QSet<QWidget*> visibleWindows() {
    QSet<QWidget*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible()) shown.insert(widget);
    return shown;
}

// Opens a window with `open`, lets `prepare` (if any) give it something to show, and
// photographs it. A dialog that runs its own loop is taken and closed from a timer inside that
// loop.
bool shootOpened(const char* file, const char* objectName, const std::function<void()>& open,
                 Camera& camera, const std::function<void()>& prepare = {}) {
    const QSet<QWidget*> before = visibleWindows();
    bool taken = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* opened : visibleWindows() - before) {
            // A progress window may come first, while the unit is read for the one wanted.
            if (taken || opened->objectName() != QLatin1String(objectName)) continue;
            taken = true;
            if (prepare) prepare();
            bench::settle(300);  // its first paint and any content it loads
            camera.take(opened, file);
            opened->close();
        }
    });
    poll.start(50);
    open();
    const QDeadlineTimer deadline(30000);
    while (!taken && !deadline.hasExpired())
        bench::settle(50);
    if (!taken) std::printf("%s: no window opened, skipped\n", file);
    return taken;
}

void shoot(frmMain& window, const Shot& shot, Camera& camera,
           const std::function<void()>& prepare) {
    QAction* action = bench::findAction(&window, QLatin1String(shot.actionName), shot.shortcut,
                                        QLatin1String(shot.itemText));
    if (!action || !action->isEnabled()) {
        std::printf("%s: %s, skipped\n", shot.file,
                    action ? "its menu item is disabled" : "not in this build");
        return;
    }
    shootOpened(
        shot.file, shot.objectName, [action] { action->trigger(); }, camera, prepare);
}

// Answers any box a transfer raises, and says what it said: a picture must not hang on one.
void answerBoxes(QTimer& timer) {
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("answered a box: %s\n", qPrintable(box->text()));
            if (box->defaultButton())
                box->defaultButton()->click();
            else
                box->close();
        }
    });
    timer.start(100);
}

// Clicks the button, if any, and waits for the transfer to end.
bool transfer(frmMain& window, QPushButton* button) {
    if (button) button->click();
    const QDeadlineTimer deadline(30000);
    while (window.transferActive() && !deadline.hasExpired())
        bench::settle(50);
    return !window.transferActive();
}

void shootMenu(frmMain& window, const QString& title, Camera& camera) {
    for (QAction* entry : window.menuBar()->actions()) {
        if (entry->text().remove(u'&') != title || !entry->menu()) continue;
        QMenu* menu = entry->menu();
        menu->popup(window.mapToGlobal(window.menuBar()->actionGeometry(entry).bottomLeft()));
        bench::settle(300);
        camera.take(menu, "unit-menu");
        menu->hide();
    }
}

QWidget* shownWindow(const char* objectName) {
    for (QWidget* widget : visibleWindows())
        if (widget->objectName() == QLatin1String(objectName)) return widget;
    return nullptr;
}

// A station at work: three units plugged in as links named like USB serial devices in
// `folder`, the middle one silent, each given its slave ID by a sheet. Waits until every tile
// shows its result; the station then runs on, waiting for the next unit.
void runStation(const QString& folder, std::vector<std::unique_ptr<UnitSimulator>>& units) {
    auto* station = shownWindow("frmStation");
    QString error;
    if (!station || !configfile::save(folder + QStringLiteral("/site.cfg"),
                                      UnitSimulator::sampleConfiguration(), &error)) {
        std::fprintf(stderr, "station: no window or no file: %s\n", qPrintable(error));
        return;
    }
    QFile sheet(folder + QStringLiteral("/units.csv"));
    if (sheet.open(QIODevice::WriteOnly))
        sheet.write("port,slave-id\nttyUSB0,11\nttyUSB1,12\nttyUSB2,13\n");
    sheet.close();
    for (int i = 0; i < 3; ++i) {
        UnitFaults faults;
        faults.silent = i == 1;
        auto sim = std::make_unique<UnitSimulator>();
        sim->setConfiguration(UnitSimulator::sampleConfiguration());
        sim->setFaults(faults);
        if (!sim->open() ||
            !QFile::link(sim->slavePath(), folder + QStringLiteral("/ttyUSB%1").arg(i)))
            std::fprintf(stderr, "station: unit %d not plugged in\n", i);
        units.push_back(std::move(sim));
    }
    static_cast<station::StationWindow*>(station)->setProtocolInterval(20);
    control<QLineEdit>(station, "edtFile")->setText(folder + QStringLiteral("/site.cfg"));
    control<QLineEdit>(station, "edtSheet")->setText(folder + QStringLiteral("/units.csv"));
    control<QLineEdit>(station, "edtPorts")->setText(folder + QStringLiteral("/ttyUSB*"));
    control<QCheckBox>(station, "chkVerify")->setChecked(true);
    control<QPushButton>(station, "cmdStart")->click();
    const auto ended = [station] {
        const auto tiles = station->findChildren<station::StationTile*>();
        return tiles.size() == 3 && std::all_of(tiles.begin(), tiles.end(), [](auto* tile) {
                   return tile->result().has_value();
               });
    };
    const QDeadlineTimer deadline(60000);
    while (!ended() && !deadline.hasExpired())
        bench::settle(100);
    if (!ended()) std::fprintf(stderr, "station: the units did not all end in time\n");
}

// Every picture after the main window's: the progress window, the edit dialogs, the Unit menu
// and the shots of the table, some after a read with a late reply.
void shootTheRest(frmMain& window, UnitSimulator& unit, Camera& camera, const QString& scratch) {
    // The progress window stays up for the read at the unit's own pace.
    window.setProtocolInterval(100);
    shootOpened(
        "progress", "frmProgress", [&] { control<QPushButton>(&window, "cmdDeviceRead")->click(); },
        camera);
    transfer(window, nullptr);
    window.setProtocolInterval(5);
    shootOpened(
        "edit-message", "frmEditMessage",
        [&] { control<QPushButton>(&window, "cmdEditMsg", 0)->click(); }, camera);
    shootOpened(
        "edit-number", "frmEditNo", [&] { control<QPushButton>(&window, "cmdEditNo", 0)->click(); },
        camera);
    shootMenu(window, QStringLiteral("Unit"), camera);
    // A read in which one reply comes an exchange late, as the Traffic Monitor shows it.
    const auto lateReply = [&] {
        UnitFaults faults;
        faults.lateOnce = "?P02";
        unit.setFaults(faults);
        transfer(window, control<QPushButton>(&window, "cmdDeviceRead"));
        unit.setFaults({});
        bench::settle(300);  // the box of the failed read is answered meanwhile
    };
    std::vector<std::unique_ptr<UnitSimulator>> stationUnits;  // outlive the station window
    const auto station = [&] { runStation(scratch, stationUnits); };
    for (const Shot& shot : Shots) {
        if (shot.setup == Shot::Setup::Edit) {
            // A clean read first: the late reply before leaves values worth reading again.
            transfer(window, control<QPushButton>(&window, "cmdDeviceRead"));
            control<QLineEdit>(&window, "txtPhoneNo", 0)->setText(QStringLiteral("5550100"));
        }
        std::function<void()> prepare;
        if (shot.setup == Shot::Setup::LateReply) prepare = lateReply;
        if (shot.setup == Shot::Setup::Station) prepare = station;
        shoot(window, shot, camera, prepare);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::installFocusStyle();  // the pictures show the windows as the program draws them
    QStandardPaths::setTestModeEnabled(true);  // nothing remembered from or into ~
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: quellix-screenshots OUTPUT_DIR [NAME_SUFFIX]\n");
        return 2;
    }
    QDir().mkpath(args[1]);
    Camera camera(args[1], args.value(2));

    QTemporaryDir scratch;
    const auto journal = bench::scratchJournal(scratch.path());

    UnitSimulator unit;
    if (!unit.open()) {
        std::fprintf(stderr, "simulated unit: %s\n", qPrintable(unit.errorString()));
        return 2;
    }
    unit.setConfiguration(UnitSimulator::sampleConfiguration());
    frmMain window;
    window.setJournal(journal.get());
    window.setProtocolInterval(5);
    window.show();
    window.setPort(unit.slavePath());
    control<QPushButton>(&window, "cmdConnect")->click();
    QTimer boxes;
    answerBoxes(boxes);
    if (!transfer(window, control<QPushButton>(&window, "cmdDeviceRead")) ||
        !transfer(window, control<QPushButton>(&window, "cmdDeviceWrite"))) {
        std::fprintf(stderr, "the simulated unit was not read and written\n");
        return 1;
    }
    bench::settle(500);
    camera.take(&window, "main-window");
    shootTheRest(window, unit, camera, scratch.path());
    return camera.failures == 0 ? 0 : 1;
}
