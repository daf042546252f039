// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/traffic/TrafficMonitor.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/traffic/TrafficModel.h"

namespace traffic {

namespace {

// Held lines are trimmed once this many beyond the bound have piled up, not line by line.
constexpr int HeldSlack = 1000;

QPushButton* addButton(QHBoxLayout* row, const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    row->addWidget(button);
    return button;
}

}  // namespace

TrafficMonitor::TrafficMonitor(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmTrafficMonitor"));
    setWindowTitle(tr("Traffic Monitor"));
    lines = new TrafficModel(this);
    tblTraffic = new QTableView;
    tblTraffic->setObjectName(QStringLiteral("tblTraffic"));
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
    lblCounts = new QLabel;
    lblCounts->setObjectName(QStringLiteral("lblCounts"));
    buttons->addWidget(lblCounts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(tblTraffic);
    connect(cmdPause, &QPushButton::toggled, this, &TrafficMonitor::setPaused);
    connect(cmdClear, &QPushButton::clicked, this, &TrafficMonitor::clearLines);
    connect(cmdSave, &QPushButton::clicked, this, &TrafficMonitor::saveLines);

    tmrFlush = new QTimer(this);
    tmrFlush->setObjectName(QStringLiteral("tmrFlush"));
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

bool TrafficMonitor::saveTo(const QString& path, QString* reason) const {
    QSaveFile file(path);
    QByteArray text;
    for (int row = 0; row < lines->rowCount(); ++row)
        text += lines->rowText(row).toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (reason) *reason = file.errorString();
        return false;
    }
    return true;
}

void TrafficMonitor::saveLines() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Traffic"), QString(),
                                                      tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty()) return;
    QString reason;
    if (!saveTo(path, &reason))
        QMessageBox::warning(this, tr("Save Traffic"),
                             tr("The traffic could not be saved to\n%1\n\n%2\n\n"
                                "An existing file of that name is unchanged.")
                                 .arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace traffic
