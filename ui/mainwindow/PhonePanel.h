// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// One of the two phone number frames: 16 numbers, each with its edit button. The numbers are
// closed to typing; they change only through the phone number dialog. A unit or a file may
// hold a number longer than a box shows: the panel keeps it whole and marks the box, so what
// was read is what is written and saved.
class PhonePanel : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int Rows = 16;

    // Panel 0 holds phone numbers 1..16, panel 1 numbers 17..32.
    PhonePanel(int panel, QWidget* parent);

    QString number(int row) const;  // whole, unless the box was changed since setNumber()
    void setNumber(int row, const QString& number);
    bool cut(int row) const;  // the box shows only the start of the number it keeps

    QWidget* numberBox(int row) const;
    QWidget* editButton(int row) const;

signals:
    void editNumberClicked(int row);

private:
    void makeRow(int row, int phone);
    void markRow(int row);
    QLabel* makeMark(int row);

    int first = 0;  // the phone number (counted from 0) of row 0

    std::array<QLineEdit*, Rows> txtPhoneNo{};
    std::array<QPushButton*, Rows> cmdEditNo{};
    std::array<QLabel*, Rows> lblMore{};  // the mark of a box that shows part of its number
    std::array<QString, Rows> whole;
};
