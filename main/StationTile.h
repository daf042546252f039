// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QString>

#include "Station.h"

class QLabel;
class QProgressBar;

namespace station {

// One unit at the station: its port, model and phase, a progress bar, and its result as a
// word on a colour (green passed, amber differs, red failed), so it reads from across a bench.
class StationTile : public QFrame {
    Q_OBJECT
public:
    enum class Result { None, Passed, Differs, Failed };

    explicit StationTile(const QString& port, QWidget* parent = nullptr);

    QString port() const { return portPath; }
    Result result() const { return shown; }
    static QColor colourOf(Result result);

    void showStarted();
    void showProgress(const QString& stage, int done, int count);
    void showEnded(const provision::StationSlot& slot);

private:
    void showResult(Result result);

    QString portPath;
    Result shown = Result::None;
    QLabel* lblModel = nullptr;
    QLabel* lblPhase = nullptr;
    QProgressBar* barProgress = nullptr;
    QLabel* lblResult = nullptr;
    QLabel* lblSummary = nullptr;
};

}  // namespace station
