#pragma once

#include <QDialog>

// Edits one phone number, handed over through mdiMain::EditedPhoneNo / PhoneNoAccepted.
// Open it with exec(); each opening is a fresh object.
class frmEditNo : public QDialog {
    Q_OBJECT
public:
    explicit frmEditNo(QWidget* owner = nullptr);
};
