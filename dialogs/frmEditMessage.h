#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Edits one channel message, handed over through mdiMain::EditedMessage / MessageAccepted.
// Open it with exec(); each opening is a fresh object.
class frmEditMessage : public QDialog {
    Q_OBJECT
public:
    explicit frmEditMessage(QWidget* owner = nullptr);

    static constexpr int MaxLength = 160;  // characters, a line break (CR LF) counting 2

    QPlainTextEdit* txtMsg = nullptr;
    QLabel* lblChars = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdOK = nullptr;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refreshCounter();
};
