// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <array>

class QLineEdit;
class QPushButton;

// One of the two phone number frames: 16 numbers, each with its edit button. The numbers are
// closed to typing; they change only through the phone number dialog.
class PhonePanel : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int Rows = 16;

    // Panel 0 holds phone numbers 1..16, panel 1 numbers 17..32.
    PhonePanel(int panel, QWidget* parent);

    QString number(int row) const;
    void setNumber(int row, const QString& number);  // cut to what the unit can hold

    QWidget* numberBox(int row) const;
    QWidget* editButton(int row) const;

signals:
    void editNumberClicked(int row);

private:
    void makeRow(int row, int phone);

    std::array<QLineEdit*, Rows> txtPhoneNo{};
    std::array<QPushButton*, Rows> cmdEditNo{};
};
