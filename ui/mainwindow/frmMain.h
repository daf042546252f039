// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <memory>

#include "core/ConfigurationSet.h"
#include "ui/mainwindow/ChannelPage.h"
#include "ui/mainwindow/LinkBox.h"
#include "ui/mainwindow/WindowContents.h"

class QAction;
class QLabel;
class QMenu;

class FileActions;
class MainForm;
class TrafficLog;
class frmProgress;
class HistoryWindow;
struct ConfigDocument;
namespace station {
class StationWindow;
}
namespace journal {
class Journal;
struct Record;
}  // namespace journal
namespace traffic {
class TrafficMonitor;
}
namespace provision {
struct RunInput;
}
namespace safety {
enum class Operation;
struct RunEnd;
struct RunContext;
class UnitController;
}  // namespace safety

// The main window: the menus, the status bar, its close and show events and the entry points
// of every command. The form (MainForm) holds the values and the controls, the unit controller
// the port and its runs, RunReport says how a run ended, FileActions does the File menu. Tests
// reach the controls by object name.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    static constexpr int Slots = ChannelPage::Rows;  // channel rows on one page
    static constexpr int Pages = 4;

    ConfigurationSet configuration() const;  // what the form shows right now
    // Puts a whole set into the window and shows it on the page that is current.
    void applyConfiguration(const ConfigurationSet& set);

    int currentPage() const;           // 1..4, read from the tab strip
    int channelIndex(int slot) const;  // the channel that row `slot` shows on the current page
    void selectPage(int page);         // selects the tab and always runs the page refresh
    // Index of the entry whose text equals the shown text, -1 when the text matches none.
    int slaveId() const;
    int portIndex() const;

    // The port box lists COM 1..COM 255, then the serial devices found on this computer.
    static constexpr int ComEntries = LinkBox::ComEntries;
    // The devices and the tooltip naming them, as they are now; the shown text stays.
    void refreshPortList();
    void setPort(const QString& text);  // shows `text` in the port box, as if typed

    // Interval of one command transaction; 100 ms for the unit, shorter in tests.
    void setProtocolInterval(int ms);
    bool transferActive() const;
    // Called when the window is asked to close. Returns false while a transfer runs: the
    // transfer then stops after the exchange in flight and closes the window itself.
    bool prepareClose();
    // Every command and reply from now on goes to `log` (not owned; null: the window's own,
    // which keeps no file and only feeds the Traffic Monitor).
    void setTrafficLog(TrafficLog* log);
    // Where the unit operations started from this window are recorded (not owned; null:
    // nowhere). Open it first.
    void setJournal(journal::Journal* journal);
    // A journal record's configuration comes in as a load does (undoable, nothing sent), the
    // status bar naming the record by `name`.
    void openRecord(const ConfigDocument& doc, const QString& name);
    // Writes a journal record's configuration to the connected unit as a restore, asking first
    // when the unit is not the one it was kept from.
    void restoreRecord(const journal::Record& source, const ConfigDocument& doc,
                       const QString& name);

public slots:
    void TS_Click();  // page refresh
    void chkChEnable_Click(int s);
    void cmdEditMsg_Click(int s);
    void cmdEditNo_Click(int k);
    void cmdConnect_Click();
    void cmdDeviceRead_Click();
    void cmdDeviceWrite_Click();
    void cmdFileLoad_Click();
    void cmdFileSave_Click();
    void cmdExit_Click();
    void showHistory();      // one History window, raised when it is open already
    void verifyUnit();       // reads the unit and says whether it holds what the window shows
    void compareWithUnit();  // reads the unit and lists every difference
    void compareWithFile();
    void backUpUnit();  // reads the unit into the journal as a backup

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;  // centres the window on its screen

private:
    MainForm* form = nullptr;  // the client area of 1103 x 544 that holds every control
    safety::UnitController* unit = nullptr;
    std::unique_ptr<FileActions> files;
    WindowContents contents;
    ConfigurationSet startValues;  // what the window holds when it opens
    journal::Journal* journal = nullptr;
    bool journalWarned = false;  // the journal has reported a failure in this run of the program
    frmProgress* progress = nullptr;
    QString activity;  // what the progress window says the run is doing

    void buildWindow();
    void wireForm();

    // ---- the unit (frmMain_unit.cpp) --------------------------------------------------------
    void wireUnit();
    void showLinkState(bool connected);
    void onLinkLost();
    bool confirmBlankWrite();              // true when the user wants it written
    bool confirmCloseDuringTransfer();     // true: close anyway
    provision::RunInput runInput() const;  // for every mode; the caller sets the mode
    bool backupWanted() const;
    void startRun(safety::Operation op, const provision::RunInput& input);
    void onRunEnded(const safety::RunEnd& end, bool closing);
    void noteTransfer(const safety::RunEnd& end);
    safety::RunContext runContext() const;  // what the run's report needs of the window
    void reportRun(const safety::RunEnd& end);
    void showDifferences(const ConfigurationSet& other, int phoneCount, const QString& otherName,
                         const QString& heading);

    // ---- menus, status bar and contents (frmMain_menu.cpp) ---------------------------------
    void buildMenus();
    void buildFileMenu();
    void buildUnitMenu();
    void buildUnitOptions(QMenu* unitMenu);
    void shareUnitKeys(QWidget* toolWindow);
    void buildWindowMenus();
    void buildStatusBar();
    void buildJournalLabel();  // the status bar's journal state, after the contents
    void refreshContents();    // title mark, status bar and the menu items' state
    void refreshSafetyActions();
    void showStatus(const QString& text);  // for a while, over the contents
    void showJournalState(const QString& warning = {});
    void contentsEdited();
    bool confirmDiscard();  // true when there are no edits to lose, or the user lets them go
    void undoReplace();
    void openManual();
    void showAbout();
    QLabel* lblContents = nullptr;
    QLabel* lblJournal = nullptr;
    QString shownContents;  // what lblContents said when last refreshed
    QMenu* fileMenu = nullptr;
    QMenu* recentMenu = nullptr;
    QAction* undoAction = nullptr;
    QAction* askDiscardAction = nullptr;
    QAction* connectAction = nullptr;
    QAction* readAction = nullptr;
    QAction* writeAction = nullptr;
    QAction* verifyAction = nullptr;
    QAction* compareUnitAction = nullptr;
    QAction* backUpNowAction = nullptr;
    QAction* backUpBeforeAction = nullptr;
    QAction* verifyAfterAction = nullptr;
    QAction* fastLinkAction = nullptr;
    QAction* compareFileAction = nullptr;

    // ---- the other windows (frmMain_windows.cpp) --------------------------------------------
    // Never null: the log given to setTrafficLog, or ownTrafficLog. Whatever the window sends
    // goes through it, so the Traffic Monitor sees all of it.
    TrafficLog* trafficLog = nullptr;
    TrafficLog* ownTrafficLog = nullptr;
    traffic::TrafficMonitor* trafficMonitor = nullptr;  // made when first asked for; then kept
    HistoryWindow* historyWindow = nullptr;
    station::StationWindow* stationWindow = nullptr;
    void showTrafficMonitor();
    void openStation();  // the provisioning station's window, made on first use
};
