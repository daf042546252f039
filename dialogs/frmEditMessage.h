#pragma once

#include <QDialog>

// Edits one channel message, handed over through mdiMain::EditedMessage / MessageAccepted.
// Open it with exec(); each opening is a fresh object.
class frmEditMessage : public QDialog {
    Q_OBJECT
public:
    explicit frmEditMessage(QWidget* owner = nullptr);
};
