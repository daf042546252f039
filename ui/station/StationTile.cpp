// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/station/StationTile.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

#include "core/Escape.h"
#include "ui/common/Widgets.h"
#include "ui/station/Text.h"

namespace station {

namespace {

using Phase = provision::StationSlot::Phase;

constexpr int TileWidth = 230;
constexpr int Margin = 6;

QLabel* label(const char* name) {
    return ui::makeLabel(name);  // a unit's model text is never markup
}

// One line of text, cut with an ellipsis where its room ends; it never widens the tile.
class ElidedLabel : public QLabel {
public:
    ElidedLabel() { setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); }
    void setWholeText(const QString& text) {
        whole = text;
        elide();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        elide();
    }

private:
    void elide() { setText(fontMetrics().elidedText(whole, Qt::ElideRight, width())); }
    QString whole;
};

}  // namespace

StationTile::StationTile(const QString& port, QWidget* parent) : QFrame(parent), portPath(port) {
    setObjectName(QStringLiteral("stationTile"));
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(TileWidth);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(Margin, Margin, Margin, Margin);
    grid->setVerticalSpacing(2);
    // The device's own name fits a tile ("ttyUSB0"); the whole path is in the tooltip.
    QLabel* lblPort = label("lblPort");
    lblPort->setText(escape::controls(QFileInfo(port).fileName()));
    lblPort->setToolTip(escape::controls(port));
    QFont bold = lblPort->font();
    bold.setBold(true);
    lblPort->setFont(bold);
    lblModel = label("lblModel");
    lblModel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblGiven = label("lblGiven");
    lblPhase = label("lblPhase");
    barProgress = ui::make<QProgressBar>("barProgress");
    // Tiles stand side by side: each control names the port it serves.
    barProgress->setAccessibleName(Text::tr("Progress on %1").arg(escape::controls(port)));
    barProgress->setMaximumHeight(fontMetrics().height());
    lblResult = label("lblResult");
    lblResult->setAlignment(Qt::AlignCenter);
    lblResult->setAutoFillBackground(true);
    lblResult->setFont(bold);
    lblResult->setMinimumWidth(fontMetrics().horizontalAdvance(Text::tr("differs")) + 2 * Margin);
    lblSummary = ui::make<ElidedLabel>("lblSummary");
    lblSummary->setTextFormat(Qt::PlainText);
    cmdDismiss = ui::make<QToolButton>("cmdDismiss");
    cmdDismiss->setText(Text::tr("Dismiss"));
    cmdDismiss->setAccessibleName(Text::tr("Dismiss the tile of %1").arg(escape::controls(port)));
    cmdDismiss->setToolTip(Text::tr("Seen: remove this unit's tile (it still counts)"));
    connect(cmdDismiss, &QToolButton::clicked, this, [this] { emit dismissed(portPath); });
    grid->addWidget(lblPort, 0, 0, 1, 2);
    grid->addWidget(lblModel, 0, 2);
    grid->addWidget(lblGiven, 1, 0, 1, 3);
    grid->addWidget(lblPhase, 2, 0);
    grid->addWidget(barProgress, 2, 1, 1, 2);
    grid->addWidget(lblResult, 3, 0);
    grid->addWidget(lblSummary, 3, 1);
    grid->addWidget(cmdDismiss, 3, 2);
    grid->setColumnStretch(1, 1);
    showStarted({});
}

QColor StationTile::colourOf(journal::Outcome result) {
    switch (result) {
        case journal::Outcome::Done:
            return QColor(0x2e, 0x7d, 0x32);
        case journal::Outcome::Differences:
            return QColor(0xf9, 0xa8, 0x25);
        case journal::Outcome::Failed:
        case journal::Outcome::Interrupted:
            break;
    }
    return QColor(0xc6, 0x28, 0x28);
}

void StationTile::showStarted(const provision::StationSlot& slot) {
    showSlot(slot);
    lblPhase->setText(Text::tr("starting"));
    barProgress->setVisible(true);
    barProgress->setRange(0, 0);  // busy until the run says how far it has to go
    // A unit run again says why the run before it was cut short until this one ends.
    showSummary(slot.earlier.isEmpty() ? QString() : Text::tr("again"),
                slot.earlier.isEmpty()
                    ? QString()
                    : Text::tr("The run before: %1").arg(escape::controls(slot.earlier)));
    showResult(std::nullopt);
}

void StationTile::showSlot(const provision::StationSlot& slot) {
    lblModel->setText(escape::controls(slot.model));
    lblModel->setToolTip(lblModel->text());
    QString given = escape::controls(slot.given);
    if (!slot.plugged)
        given = given.isEmpty() ? Text::tr("unplugged") : Text::tr("%1; unplugged").arg(given);
    lblGiven->setText(given);
    if (slot.phase == Phase::Waiting) {
        lblPhase->setText(Text::tr("waiting"));
        barProgress->setRange(0, 1);
        barProgress->setValue(0);
    }
}

void StationTile::showProgress(const QString& stage, int done, int count) {
    lblPhase->setText(stage);
    barProgress->setRange(0, count);
    barProgress->setValue(count > 0 ? done : 0);
}

void StationTile::showEnded(const provision::StationSlot& slot) {
    showSlot(slot);
    const bool failed = journal::endedBadly(slot.outcome);
    // A failed run did not get anywhere worth a percentage; its reason says where it stopped.
    barProgress->setVisible(!failed);
    barProgress->setRange(0, 1);
    barProgress->setValue(1);
    lblPhase->setText(failed ? Text::tr("stopped") : Text::tr("finished"));
    QString tooltip = escape::controls(slot.summary);
    if (!slot.detail.isEmpty()) tooltip += QStringLiteral("\n") + escape::controls(slot.detail);
    if (!slot.earlier.isEmpty())
        tooltip += QStringLiteral("\n") +
                   Text::tr("The run before: %1").arg(escape::controls(slot.earlier));
    showSummary(escape::controls(slot.summary), tooltip);
    showResult(slot.outcome);
}

void StationTile::showSummary(const QString& summary, const QString& tooltip) {
    static_cast<ElidedLabel*>(lblSummary)->setWholeText(summary);
    lblSummary->setToolTip(tooltip);
    lblResult->setToolTip(tooltip);
}

void StationTile::showResult(std::optional<journal::Outcome> result) {
    shown = result;
    // In the order of journal::Outcome.
    const QString words[] = {Text::tr("passed"), Text::tr("differs"), Text::tr("failed"),
                             Text::tr("interrupted")};
    lblResult->setText(result ? words[int(*result)] : QString());
    QPalette palette = this->palette();
    const bool differs = result == journal::Outcome::Differences;
    if (result) {
        palette.setColor(QPalette::Window, colourOf(*result));
        palette.setColor(QPalette::WindowText, differs ? Qt::black : Qt::white);
    }
    lblResult->setPalette(palette);
    cmdDismiss->setVisible(result && *result != journal::Outcome::Done);
}

}  // namespace station
