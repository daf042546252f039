// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QString>
#include <optional>

#include "provision/Station.h"

class QLabel;
class QProgressBar;
class QToolButton;

namespace station {

// One unit at the station, small enough for six in the window at its first size: its port and
// model, what it was given (sheet row, slave ID), its phase and a progress bar, and its result
// as a word on a colour (green passed, amber differs, red failed), so it reads from across a
// bench. A result's whole text, with what went over the line, is in the tooltip; a failed or
// differing unit's tile offers Dismiss once the technician has seen it.
class StationTile : public QFrame {
    Q_OBJECT
public:
    explicit StationTile(const QString& port, QWidget* parent = nullptr);

    QString port() const { return portPath; }
    // How the run shown ended; nothing while one runs.
    std::optional<journal::Outcome> result() const { return shown; }
    static QColor colourOf(journal::Outcome result);

    void showStarted(const provision::StationSlot& slot);
    void showProgress(const QString& stage, int done, int count);
    void showEnded(const provision::StationSlot& slot);
    // Given, model, waiting or unplugged.
    void showSlot(const provision::StationSlot& slot);

signals:
    void dismissed(const QString& port);

private:
    void showResult(std::optional<journal::Outcome> result);
    void showSummary(const QString& summary, const QString& tooltip);

    QString portPath;
    std::optional<journal::Outcome> shown;
    QLabel* lblModel = nullptr;
    QLabel* lblGiven = nullptr;
    QLabel* lblPhase = nullptr;
    QProgressBar* barProgress = nullptr;
    QLabel* lblResult = nullptr;
    QLabel* lblSummary = nullptr;
    QToolButton* cmdDismiss = nullptr;
};

}  // namespace station
