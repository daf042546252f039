// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "core/ConfigurationSet.h"
#include "device/CommandSet.h"
#include "ui/mainwindow/LinkBox.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class ChannelPage;
class PhonePanel;

// The main window's client area ("form"): every control, its layout and focus order, and the
// four channel pages. The slave ID and the phone numbers live in their controls; the channel
// flags and messages of all 64 channels live in `channels`, of which the channel page shows 16.
// It says what the user asks for through its signals and never talks to the unit or to files.
class MainForm : public QWidget {
    Q_OBJECT

public:
    explicit MainForm(QWidget* parent);

    static constexpr int Pages = 4;

    // What the controls and the channels hold now: a value longer than its box stays whole
    // until it is edited, so a write or save right after a read or load sends what came in.
    ConfigurationSet configuration() const;
    // Puts a whole set into the form and shows it on the page that is current.
    void applyConfiguration(const ConfigurationSet& set);

    int currentPage() const;           // 1..4, read from the tab strip
    int channelIndex(int slot) const;  // the channel that row `slot` shows on the current page
    void selectPage(int page);         // selects the tab and always runs the page refresh
    void showPage();                   // the channel rows show the current page's channels
    int slaveId() const;               // the entry the shown text names, -1 when it names none
    // How many values are kept whole though longer than their boxes, in a sentence for the
    // status bar; empty when there are none.
    QString longValuesNote() const;

    // Each of Read, Write, Load and Save names in its tooltip the key of its menu command (an
    // action under `window`, by object name), and follows a change of that key.
    void tipKeysFrom(const QWidget* window);

    LinkBox* linkBox() const { return Frame1; }
    bool unitFunctionsEnabled() const;  // the MODEM frame, on while a port is open
    void setConnected(bool connected);
    // The lamp's colour and a tooltip that says what it means for `port`.
    void setLamp(LinkBox::Lamp lamp, const QString& port);
    bool canRead() const;
    bool canWrite() const;
    bool canConnect() const;

    // The user's edits through the dialogs; true when a value changed.
    bool editMessage(int slot);
    bool editNumber(int k);

    // A read into the window shows each value as it arrives.
    void showSlaveId(int id);
    void showEnableFlags(const commandset::EnableFlags& flags);
    void showPhoneNumber(int k, const QString& number);
    void keepMessage(int index, const QString& text);  // shown by showMessages()
    void showMessages();

    void storeFlag(int slot);  // row `slot`'s box into its channel, by user or by code

    // Every control a transfer must not be used during; each keeps its own setting.
    void lock();
    void unlock();

signals:
    void edited();  // the user changed a value in a control
    void editMessageClicked(int slot);
    void editNumberClicked(int k);
    void connectClicked();
    void readClicked();
    void writeClicked();
    void loadClicked();
    void saveClicked();
    void exitClicked();

private:
    ConfigurationSet channels;  // only the channel flags and messages are used
    QString phoneNumber(int k) const;
    void setPhoneNumber(int k, const QString& number);

    // Object names equal the member names; array elements are name_<index>.
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
    QList<QWidget*> lockedControls;  // disabled for the transfer; re-enabled after it
    // The focus before the lock, and where disabling its control moved it.
    QPointer<QWidget> focusBeforeLock, focusAfterLock;

    void build();
    void makeCommunication();
    void makeFunctions();
    void makeCredits();
    void placeAndName();
    void setFocusOrder();
    void fillSlaveIds();
    void wire();
};
