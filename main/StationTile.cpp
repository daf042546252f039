// SPDX-License-Identifier: GPL-3.0-or-later
#include "StationTile.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "Escape.h"

namespace station {

namespace {

using Phase = provision::StationSlot::Phase;

QLabel* addLabel(QVBoxLayout* layout, const char* name, const QString& text = {}) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);  // a unit's model text is never markup
    layout->addWidget(label);
    return label;
}

}  // namespace

StationTile::StationTile(const QString& port, QWidget* parent) : QFrame(parent), portPath(port) {
    setObjectName(QStringLiteral("stationTile"));
    setFrameShape(QFrame::StyledPanel);
    setMinimumWidth(220);
    auto* layout = new QVBoxLayout(this);
    // The device's own name fits a tile ("ttyUSB0"); the whole path is in the tooltip.
    QLabel* lblPort = addLabel(layout, "lblPort", escape::controls(QFileInfo(port).fileName()));
    lblPort->setToolTip(escape::controls(port));
    QFont bold = lblPort->font();
    bold.setBold(true);
    lblPort->setFont(bold);
    lblModel = addLabel(layout, "lblModel");
    lblPhase = addLabel(layout, "lblPhase");
    barProgress = new QProgressBar;
    barProgress->setObjectName(QStringLiteral("barProgress"));
    layout->addWidget(barProgress);
    lblResult = addLabel(layout, "lblResult");
    lblResult->setAlignment(Qt::AlignCenter);
    lblResult->setAutoFillBackground(true);
    lblResult->setFont(bold);
    lblSummary = addLabel(layout, "lblSummary");
    lblSummary->setWordWrap(true);
    showStarted();
}

QColor StationTile::colourOf(Result result) {
    switch (result) {
        case Result::Passed:
            return QColor(0x2e, 0x7d, 0x32);
        case Result::Differs:
            return QColor(0xf9, 0xa8, 0x25);
        case Result::Failed:
            return QColor(0xc6, 0x28, 0x28);
        case Result::None:
            break;
    }
    return {};
}

void StationTile::showStarted() {
    lblModel->clear();
    lblPhase->setText(tr("starting"));
    barProgress->setRange(0, 0);  // busy until the run says how far it has to go
    lblSummary->clear();
    showResult(Result::None);
}

void StationTile::showProgress(const QString& stage, int done, int count) {
    lblPhase->setText(stage);
    barProgress->setRange(0, count);
    barProgress->setValue(count > 0 ? done : 0);
}

void StationTile::showEnded(const provision::StationSlot& slot) {
    lblModel->setText(escape::controls(slot.model));
    lblPhase->setText(tr("ended"));
    barProgress->setRange(0, 1);
    barProgress->setValue(slot.phase == Phase::Failed ? 0 : 1);
    lblSummary->setText(escape::controls(slot.summary));
    showResult(slot.phase == Phase::Done          ? Result::Passed
               : slot.phase == Phase::Differences ? Result::Differs
                                                  : Result::Failed);
}

void StationTile::showResult(Result result) {
    shown = result;
    const QString words[] = {QString(), tr("passed"), tr("differs"), tr("failed")};
    lblResult->setText(words[int(result)]);
    QPalette palette = this->palette();
    if (result != Result::None) {
        palette.setColor(QPalette::Window, colourOf(result));
        palette.setColor(QPalette::WindowText, result == Result::Differs ? Qt::black : Qt::white);
    }
    lblResult->setPalette(palette);
}

}  // namespace station
