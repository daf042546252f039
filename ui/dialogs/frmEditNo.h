// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;

// Edits one phone number. Open it with exec(), or through edit(); each opening is a fresh
// object. After OK with a valid number, or after Delete, edited() holds the new number.
class frmEditNo : public QDialog {
    Q_OBJECT
public:
    // `phone` (1..32) names the slot in the title; 0 names none.
    explicit frmEditNo(const QString& stored, QWidget* owner = nullptr, int phone = 0);

    // Opens the dialog modally on `stored`; the new number, or nullopt when cancelled.
    static std::optional<QString> edit(const QString& stored, QWidget* owner, int phone = 0);
    const std::optional<QString>& edited() const { return result; }

    static constexpr int IsdMaxLength = 5;
    static constexpr int NumberLength = 10;

    // The test that the ISD code and the subscriber number must each pass on OK.
    static bool isNumeric(const QString& text);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtSTD = nullptr;
    QLineEdit* txtNo = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdOK = nullptr;

public slots:
    void cmdOK_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();

private:
    void buildLabels(const QFont& rounded);
    void showStored(const QString& stored);

    std::optional<QString> result;
};
