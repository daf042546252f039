// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QFrame;
class QLabel;
class QPushButton;
class PortComboBox;

// The communication frame: the port box, the Connect button and the lamp beside it.
class LinkBox : public QGroupBox {
    Q_OBJECT

public:
    explicit LinkBox(QWidget* parent);

    // The port box lists COM 1..COM 255, then the serial devices found on this computer.
    static constexpr int ComEntries = 255;
    enum class Lamp { Off, Connected, Failed };

    QString portText() const;
    int portIndex() const;              // the entry the shown text names, -1 when it names none
    void setPort(const QString& text);  // shows `text` in the port box, as if typed
    // The devices and the tooltip naming them, as they are now; the shown text stays.
    void refreshPortList();
    void setConnected(bool connected);  // the button offers the other action
    void setLamp(Lamp lamp);            // and says in its tooltip what it means

    QWidget* portBox() const;
    QPushButton* connectButton() const { return cmdConnect; }

signals:
    void connectClicked();

private:
    QLabel* Label1 = nullptr;
    PortComboBox* cmbComm = nullptr;
    QPushButton* cmdConnect = nullptr;
    QFrame* shpComm = nullptr;
};
