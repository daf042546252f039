// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <array>

class QCheckBox;
class QFont;
class QLabel;
class QPushButton;
class QStyle;

// The configuration frame: one set of 16 channel rows (enable box, message, edit button) that
// shows whichever page of channels the window has selected.
class ChannelPage : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int Rows = 16;

    explicit ChannelPage(QWidget* parent);

    // Row `row` shows channel `channel` (counted from 0): its caption, flag and message.
    void showChannel(int row, int channel, bool enabled, const QString& message);
    // Shows what the message editor takes, and says when text is hidden or left out.
    void setMessage(int row, const QString& message);
    QString message(int row) const;  // what the row shows
    bool isChecked(int row) const;
    void setChecked(int row, bool on);  // shows a value: not an edit

    QWidget* enableBox(int row) const;
    QWidget* editButton(int row) const;

    // Whether the longest caption, "Channel 64", fits its box in `font`.
    static bool captionFits(const QFont& font, const QStyle* style);

signals:
    void enableChanged(int row);  // by the user or by code
    // By the user (mouse, key or accessibility action), never by showChannel() or setChecked().
    void enableClicked(int row);
    void editMessageClicked(int row);

private:
    void makeRow(int row, const QPalette& navy);

    std::array<QCheckBox*, Rows> chkChEnable{};
    std::array<QLabel*, Rows> lblMessage{};
    std::array<QLabel*, Rows> lblMore{};  // the sign for text hidden after a line break
    std::array<QPushButton*, Rows> cmdEditMsg{};
    bool showing = false;  // the page is showing values, not taking an edit
};
