// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QTime>
#include <array>
#include <functional>

#include "core/ConfigurationSet.h"
#include "device/UnitSession.h"
#include "journal/PortIdentity.h"
#include "ui/mainwindow/ChannelPage.h"
#include "ui/mainwindow/LinkBox.h"
#include "ui/mainwindow/PhonePanel.h"
#include "ui/mainwindow/WindowContents.h"

class QAction;
class QMenu;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

class TrafficLog;
class frmProgress;
namespace station {
class StationWindow;
}
class HistoryWindow;
struct ConfigDocument;
namespace journal {
class Journal;
struct Record;
}  // namespace journal
namespace traffic {
class TrafficMonitor;
}
namespace provision {
struct RunInput;
class UnitRun;
}  // namespace provision
namespace safety {
enum class Operation;
struct RunEnd;
}  // namespace safety

// The main window. Like the forms it is modelled on, its controls are its state: the slave ID
// is the selection of cmbSlaveID, the phone numbers are the texts of the phone frames, and two
// channel arrays hold the flags and messages of all 64 channels. Tests reach the controls by
// object name.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    static constexpr int Slots = ChannelPage::Rows;  // channel rows on one page
    static constexpr int Pages = 4;
    static constexpr int ArraySize = 101;  // indices 64..100 exist but are never used

    ConfigurationSet configuration() const;  // what the controls and arrays show right now
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

    // What the window remembers between runs (QSettings): the last port it connected to and
    // the folder of the last file saved or loaded.
    static constexpr const char* PortSetting = "port";
    static constexpr const char* FolderSetting = "fileFolder";
    static constexpr const char* RecentSetting = "recentFiles";
    static constexpr const char* AskDiscardSetting = "askBeforeDiscardingEdits";
    static constexpr int RecentCount = 8;

    // ---- device link (frmMain_device.cpp) ---------------------------------------------------
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
    // status bar naming the record by `name` (frmMain_history.cpp).
    void openRecord(const ConfigDocument& doc, const QString& name);
    // Writes a journal record's configuration to the connected unit as a restore, asking first
    // when the unit is not the one it was kept from (frmMain_history.cpp).
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
    // ---- configuration: the two channel arrays hold the flags and messages of all 64 --------
    std::array<qint16, ArraySize> ChannelEnable{};
    std::array<QString, ArraySize> ChannelMessage;
    QString phoneNumber(int k) const;  // k counts over both phone frames
    void setPhoneNumber(int k, const QString& number);

    // ---- controls (object names equal the member names; array elements are name_<index>) ---
    QWidget* form = nullptr;  // the client area of 1103 x 544 that holds every control
    LinkBox* Frame1 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QComboBox* cmbSlaveID = nullptr;
    QGroupBox* FrameFunction = nullptr;
    QPushButton* cmdDeviceRead = nullptr;
    QPushButton* cmdDeviceWrite = nullptr;
    QGroupBox* frameFile = nullptr;
    QPushButton* cmdFileLoad = nullptr;
    QPushButton* cmdFileSave = nullptr;
    QTabWidget* TS = nullptr;
    ChannelPage* Frame2 = nullptr;
    std::array<PhonePanel*, 2> Frame3{};
    QPushButton* cmdExit = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Image1 = nullptr;

    void buildLayout();       // frmMain_layout.cpp
    void showMessage(int s);  // row s shows its channel's message, and says when text is hidden
    void makeCommunication();
    void makeFunctions();
    void makeCredits();
    void setFocusOrder();
    void startUp();
    void initDevice();  // frmMain_device.cpp

    // ---- device link private state (frmMain_device.cpp) -------------------------------------
    UnitSession* session = nullptr;  // the port, its transaction and the read or write in progress
    journal::Journal* journal = nullptr;
    frmProgress* progress = nullptr;
    QList<QWidget*> lockedControls;  // disabled for the transfer; re-enabled after it
    bool closeAfterTransfer = false;
    // Where it failed and what to try; `lateMs` when the unit answered the probe too late.
    QString communicationAdvice(bool lost, int lateMs = -1) const;
    bool confirmBlankWrite();           // true when the user wants it written
    bool confirmCloseDuringTransfer();  // true: close anyway
    void noteTransfer(const safety::RunEnd& end);
    ConfigurationSet startValues;  // what the window holds when it opens
    QString lostReason;            // the last line loss: why and when
    QTime lostAt;
    void showLinkState(bool connected);
    void wireSession();  // the window's side of every read and write
    void onLinkLost();
    void lockControls();
    void unlockControls();

    // ---- configuration file private state (frmMain_file.cpp) --------------------------------
    enum class FileKind { Open, Record, Json };
    QFileDialog* cdia = nullptr;        // one dialog for Save and Load, made on first use
    QString chooseFile(FileKind kind);  // empty when cancelled
    void loadFile(const QString& path, bool ask = true);  // ask: about edits first
    // Writes the file chosen for `kind` with `write`, and says when it could not.
    using FileWriter = std::function<bool(const QString& path, QString* reason)>;
    void saveFile(FileKind kind, const FileWriter& write);
    void rememberFile(const QString& path);  // recent files and the folder offered next

    // ---- menus, status bar and contents (frmMain_menu.cpp) ---------------------------------
    void buildMenus();
    void buildUnitOptions(QMenu* unit);
    void buildStatusBar();
    void refreshContents();  // title mark, status bar and the menu items' state
    void contentsEdited();
    bool confirmDiscard();  // true when there are no edits to lose, or the user lets them go
    void undoReplace();
    void saveJson();
    void fillRecentMenu();
    void openManual();
    void showAbout();
    WindowContents contents;
    QLabel* lblContents = nullptr;
    QMenu* recentMenu = nullptr;
    QAction* undoAction = nullptr;
    QAction* askDiscardAction = nullptr;
    QAction* connectAction = nullptr;
    QAction* readAction = nullptr;
    QAction* writeAction = nullptr;
    void openStation();  // the provisioning station's window, made on first use
    station::StationWindow* stationWindow = nullptr;

    // ---- traffic (frmMain_traffic.cpp) ------------------------------------------------------
    // Never null: the log given to setTrafficLog, or ownTrafficLog. Whatever the window sends
    // goes through it, so the Traffic Monitor sees all of it.
    TrafficLog* trafficLog = nullptr;
    TrafficLog* ownTrafficLog = nullptr;
    traffic::TrafficMonitor* trafficMonitor = nullptr;  // made when first asked for; then kept
    void showTrafficMonitor();
    HistoryWindow* historyWindow = nullptr;

    // ---- safety nets: every unit operation as one engine run (frmMain_safety.cpp) ----------
    void buildSafetyMenu(QMenu* unit, QMenu* file);
    void buildJournalLabel();  // the status bar's journal state, after the contents
    void refreshSafetyActions();
    provision::RunInput runInput() const;  // for every mode; the caller sets the mode
    bool backupWanted() const;
    void startRun(safety::Operation op, const provision::RunInput& input);
    void onRunStep();
    void onRunFinished();
    QString runStatusText(const safety::RunEnd& end) const;
    QString writeStatusText(const safety::RunEnd& end) const;
    QString checkedStatusText(const safety::RunEnd& end) const;
    void reportRun(const safety::RunEnd& end);
    void reportCommunication(const safety::RunEnd& end);
    void reportRefusedRead(const safety::RunEnd& end);
    void showDifferences(const ConfigurationSet& other, int phoneCount, const QString& otherName,
                         const QString& heading);
    void showJournalState(const QString& warning = {});
    safety::Operation operation{};      // None
    provision::UnitRun* run = nullptr;  // the operation under way; it borrows `session`
    UnitSession::Outcome lastOutcome = UnitSession::Outcome::Completed;  // of its last step
    QString activity;       // what the progress window says the run is doing
    QDateTime connectedAt;  // a read since then is known to be of the unit on the line now
    journal::PortIdentity portIdentity;  // of the port connected to, for the journal
    QString unitModel;                   // what the unit said it is in the last run; "": none yet
    QLabel* lblJournal = nullptr;
    bool journalWarned = false;  // the journal has reported a failure in this run of the program
    QAction* verifyAction = nullptr;
    QAction* compareUnitAction = nullptr;
    QAction* backUpNowAction = nullptr;
    QAction* backUpBeforeAction = nullptr;
    QAction* verifyAfterAction = nullptr;
    QAction* fastLinkAction = nullptr;
    QAction* compareFileAction = nullptr;
};
