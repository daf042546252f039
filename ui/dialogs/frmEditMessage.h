// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Edits one channel message. Open it with exec(), or through edit(); each opening is a fresh
// object. After OK, edited() holds the new message.
class frmEditMessage : public QDialog {
    Q_OBJECT
public:
    // `channel` (1..64) names the channel in the title; 0 names none.
    explicit frmEditMessage(const QString& stored, QWidget* owner = nullptr, int channel = 0);

    // Opens the dialog modally on `stored`; the new message, or nullopt when cancelled.
    static std::optional<QString> edit(const QString& stored, QWidget* owner, int channel);
    const std::optional<QString>& edited() const { return result; }

    static constexpr int MaxLength = 160;  // characters, a line break (CR LF) counting 2

    QPlainTextEdit* txtMsg = nullptr;
    QLabel* lblChars = nullptr;
    QLabel* lblRefused = nullptr;  // why the last refused character was left out
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdOK = nullptr;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refreshCounter();

    std::optional<QString> result;
};
