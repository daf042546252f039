#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Edits one phone number, handed over through mdiMain::EditedPhoneNo / PhoneNoAccepted.
// Open it with exec(); each opening is a fresh object.
class frmEditNo : public QDialog {
    Q_OBJECT
public:
    explicit frmEditNo(QWidget* owner = nullptr);

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
};
