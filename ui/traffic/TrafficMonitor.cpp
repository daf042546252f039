// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/traffic/TrafficMonitor.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Escape.h"
#include "ui/common/Boxes.h"
#include "ui/common/OnScreen.h"
#include "ui/common/Widgets.h"
#include "ui/traffic/TrafficModel.h"

namespace traffic {

namespace {

// Held lines are trimmed once this many beyond the bound have piled up, not line by line.
constexpr int HeldSlack = 1000;

QPushButton* addButton(QHBoxLayout* row, const QString& text, const char* name) {
    auto* button = ui::make<QPushButton>(name, text);
    row->addWidget(button);
    return button;
}

}  // namespace

TrafficMonitor::TrafficMonitor(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmTrafficMonitor"));
    setWindowTitle(tr("Traffic Monitor"));
    lines = new TrafficModel(this);
    tblTraffic = ui::make<QTableView>("tblTraffic");
    tblTraffic->setAccessibleName(tr("Traffic"));
    tblTraffic->setModel(lines);
    tblTraffic->setWordWrap(false);
    tblTraffic->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Fixed row heights and no sizing to contents: adding lines then costs the same at 10,000.
    tblTraffic->verticalHeader()->hide();
    tblTraffic->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Bytes line up in a fixed-pitch font, and one line of text a row shows more of them.
    tblTraffic->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tblTraffic->verticalHeader()->setDefaultSectionSize(tblTraffic->fontMetrics().height() + 4);
    tblTraffic->horizontalHeader()->setStretchLastSection(false);
    tblTraffic->horizontalHeader()->setSectionResizeMode(TrafficModel::Bytes, QHeaderView::Stretch);
    const int digit = tblTraffic->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    // Wide enough for the headers in every language and for hh:mm:ss.zzz.
    tblTraffic->setColumnWidth(TrafficModel::Time, digit * 15);
    tblTraffic->setColumnWidth(TrafficModel::Direction, digit * 12);
    tblTraffic->setColumnWidth(TrafficModel::ReplyTime, digit * 15);
    tblTraffic->setColumnWidth(TrafficModel::Arrived, digit * 28);

    auto* buttons = new QHBoxLayout;
    cmdPause = addButton(buttons, tr("&Pause"), "cmdPause");
    cmdPause->setCheckable(true);
    cmdClear = addButton(buttons, tr("&Clear"), "cmdClear");
    cmdSave = addButton(buttons, tr("&Save..."), "cmdSave");
    lblCounts = ui::make<QLabel>("lblCounts");
    buttons->addWidget(lblCounts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(tblTraffic);
    connect(cmdPause, &QPushButton::toggled, this, &TrafficMonitor::setPaused);
    connect(cmdClear, &QPushButton::clicked, this, &TrafficMonitor::clearLines);
    connect(cmdSave, &QPushButton::clicked, this, &TrafficMonitor::saveLines);

    tmrFlush = ui::make<QTimer>("tmrFlush", this);
    tmrFlush->setSingleShot(true);
    tmrFlush->setInterval(FlushMs);
    connect(tmrFlush, &QTimer::timeout, this, &TrafficMonitor::flushPending);
    resize(digit * 110, digit * 60);
    showCounts();
}

void TrafficMonitor::watch(TrafficLog* log) {
    if (watched) disconnect(watched, nullptr, this, nullptr);
    watched = log;
    if (log) connect(log, &TrafficLog::lineLogged, this, &TrafficMonitor::queueLine);
}

bool TrafficMonitor::isPaused() const {
    return cmdPause->isChecked();
}

// Called by the transfer itself, between two exchanges: queue and return.
void TrafficMonitor::queueLine(const TrafficLine& line) {
    pending.append(line);
    if (pending.size() >= TrafficModel::Limit + HeldSlack)
        pending.remove(0, pending.size() - TrafficModel::Limit);
    if (!isPaused() && !tmrFlush->isActive()) tmrFlush->start();
}

void TrafficMonitor::flushPending() {
    if (pending.isEmpty() || isPaused()) return;
    // Follows the newest line only while the user has not scrolled up to read older ones.
    const QScrollBar* bar = tblTraffic->verticalScrollBar();
    const bool following = bar->value() >= bar->maximum();
    lines->append(pending);
    pending.clear();
    if (following) tblTraffic->scrollToBottom();
    showCounts();
}

void TrafficMonitor::setPaused(bool paused) {
    if (cmdPause->isChecked() != paused) {
        cmdPause->setChecked(paused);  // its toggled() comes back here
        return;
    }
    cmdPause->setText(paused ? tr("&Resume") : tr("&Pause"));
    if (paused)
        tmrFlush->stop();
    else
        flushPending();
    showCounts();
}

void TrafficMonitor::clearLines() {
    pending.clear();
    lines->clear();
    showCounts();
}

void TrafficMonitor::showCounts() {
    lblCounts->setText(
        isPaused()
            ? tr("Paused: %1 new lines held, %2 shown").arg(pending.size()).arg(lines->rowCount())
            : tr("%1 lines shown, the newest %2 kept")
                  .arg(lines->rowCount())
                  .arg(TrafficModel::Limit));
}

// The ports the lines shown came through, in the order they first appear.
QStringList TrafficMonitor::ports() const {
    QStringList found;
    for (int row = 0; row < lines->rowCount(); ++row)
        if (!found.contains(lines->line(row).device)) found << lines->line(row).device;
    return found;
}

// The rows show the time of day only; the file says the day and the ports once, at its top.
QString TrafficMonitor::heading() const {
    const auto at = [this](int row) {
        return QDateTime::fromMSecsSinceEpoch(lines->line(row).atMs)
            .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    };
    if (lines->rowCount() == 0) return tr("# Traffic Monitor: no lines");
    return tr("# Traffic Monitor: %1, from %2 to %3 (local time)")
        .arg(escape::controls(ports().join(QStringLiteral(", "))), at(0),
             at(lines->rowCount() - 1));
}

// A name saying which port and when, so saved logs sort and tell themselves apart.
QString TrafficMonitor::suggestedName() const {
    const QString port = ports().value(0, QStringLiteral("traffic"));
    QString base = QFileInfo(port).fileName();
    base.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return QStringLiteral("traffic-%1-%2.txt")
        .arg(base, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")));
}

bool TrafficMonitor::saveTo(const QString& path, QString* reason) const {
    QSaveFile file(path);
    QByteArray text = heading().toUtf8() + '\n';
    for (int row = 0; row < lines->rowCount(); ++row)
        text += lines->rowText(row).toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (reason) *reason = file.errorString();
        return false;
    }
    return true;
}

void TrafficMonitor::saveLines() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Traffic"), suggestedName(),
                                                      tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty()) return;
    QString reason;
    if (!saveTo(path, &reason))
        ui::showSaveFailed(this, tr("Save Traffic"), ui::Saved::Traffic, path, reason);
}

// Opened by the program (not restored by the window manager): wholly on the screen.
void TrafficMonitor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) ui::keepOnScreen(this);
}

}  // namespace traffic
