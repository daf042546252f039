// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// Shows how far a device read or write has got. No title bar, modeless, centred over and
// kept above its owner. Created when a transfer starts, deleted when it ends.
class frmProgress : public QWidget {
    Q_OBJECT
public:
    explicit frmProgress(QWidget* owner);

    void setModelText(const QString& text);     // lblModel
    void setActivityText(const QString& text);  // lblMsg
    void setProgress(float value);              // pbar, 0..100
    void setResultText(const QString& text);    // lblResult

    QLabel* lblMsg = nullptr;
    QProgressBar* pbar = nullptr;
    QLabel* lblModel = nullptr;
    QLabel* lblResult = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void centreOnOwner();
};
