// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/station/StationWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSettings>
#include <QShowEvent>
#include <QTimer>

#include "core/Escape.h"
#include "provision/DeviceWatcher.h"
#include "provision/Station.h"
#include "provision/StationUnit.h"
#include "ui/common/CloseQuestion.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/OnScreen.h"
#include "ui/common/Settings.h"
#include "ui/common/Widgets.h"
#include "ui/station/StationTile.h"
#include "ui/station/Text.h"

namespace station {

namespace {

constexpr int TileColumns = 3;
constexpr int FailBeeps = 3;
constexpr int BeepGapMs = 200;

// Qt Widgets has one system sound: a pass is one beep, anything else three in a row, so the
// two can be told apart without looking up from the bench. Silent where there is no bell.
void sound(bool passed, QObject* context) {
    QApplication::beep();
    if (passed) return;
    for (int i = 1; i < FailBeeps; ++i)
        QTimer::singleShot(i * BeepGapMs, context, [] { QApplication::beep(); });
}

// A line for a path and its Browse... button.
QWidget* pathRow(QLineEdit* edit, QPushButton* browse) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    layout->addWidget(browse);
    return row;
}

QString shown(const QString& path) {
    return escape::controls(QDir::toNativeSeparators(path));
}

}  // namespace

StationWindow::StationWindow(journal::Journal* journal, QWidget* parent)
    : QWidget(parent, Qt::Window), journal(journal) {
    setObjectName(QStringLiteral("frmStation"));
    setWindowTitle(Text::tr("Provisioning Station"));
    buildLayout();
    refreshControls();
}

StationWindow::~StationWindow() {
    // The widgets the station reports to are going; the runs still going are journaled.
    if (station) station->disconnect(this);
    discardStation();
}

QWidget* StationWindow::buildSetUp() {
    auto* box = new QGroupBox(Text::tr("Set-up"));
    auto* form = new QFormLayout(box);
    const QSettings settings;
    edtFile = ui::make<QLineEdit>("edtFile");
    edtFile->setText(settings.value(QLatin1String(Settings::StationFile)).toString());
    cmdBrowseFile = ui::make<QPushButton>("cmdBrowseFile", Text::tr("Browse..."));
    connect(cmdBrowseFile, &QPushButton::clicked, this, &StationWindow::browseFile);
    form->addRow(Text::tr("Configuration file:"), pathRow(edtFile, cmdBrowseFile));
    // The label names the row, not the box in it, and both Browse buttons read alike.
    edtFile->setAccessibleName(Text::tr("Configuration file"));
    cmdBrowseFile->setAccessibleName(Text::tr("Browse for the configuration file"));
    edtSheet = ui::make<QLineEdit>("edtSheet");
    edtSheet->setText(settings.value(QLatin1String(Settings::StationSheet)).toString());
    edtSheet->setPlaceholderText(Text::tr("optional: a CSV sheet with a row of values per unit"));
    cmdBrowseSheet = ui::make<QPushButton>("cmdBrowseSheet", Text::tr("Browse..."));
    connect(cmdBrowseSheet, &QPushButton::clicked, this, &StationWindow::browseSheet);
    form->addRow(Text::tr("Sheet:"), pathRow(edtSheet, cmdBrowseSheet));
    edtSheet->setAccessibleName(Text::tr("Sheet"));
    cmdBrowseSheet->setAccessibleName(Text::tr("Browse for the sheet"));
    chkBackup = ui::make<QCheckBox>("chkBackup", Text::tr("Back Up Before Writing"));
    chkBackup->setChecked(settings
                              .value(QLatin1String(Settings::BackUpBeforeWriting),
                                     Settings::BackUpBeforeWritingAtFirst)
                              .toBool());
    chkVerify = ui::make<QCheckBox>("chkVerify", Text::tr("Verify After Writing"));
    chkVerify->setChecked(
        settings
            .value(QLatin1String(Settings::VerifyAfterWriting), Settings::VerifyAfterWritingAtFirst)
            .toBool());
    chkVerify->setToolTip(Text::tr(
        "Read each unit back after writing and compare. With Fast Link on this costs about "
        "one second per unit."));
    chkFastLink = ui::make<QCheckBox>("chkFastLink", Text::tr("Fast Link"));
    chkFastLink->setToolTip(
        Text::tr("Go from one command to the next as soon as the unit has answered, at its own "
                 "pace. Writes go fast only when verified."));
    chkFastLink->setChecked(
        settings.value(QLatin1String(Settings::FastLink), Settings::FastLinkAtFirst).toBool());
    form->addRow(chkBackup);
    form->addRow(chkVerify);
    form->addRow(chkFastLink);
    edtPorts = ui::make<QLineEdit>("edtPorts");
    edtPorts->setText(settings.value(QLatin1String(Settings::StationPorts)).toString());
    edtPorts->setPlaceholderText(
        Text::tr("USB serial devices; or paths with wildcards, such as "
                 "/dev/ttyUSB*, separated by spaces"));
    form->addRow(Text::tr("Ports:"), edtPorts);
    return box;
}

void StationWindow::buildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSetUp());
    auto* buttons = new QHBoxLayout;
    cmdStart = ui::make<QPushButton>("cmdStart", Text::tr("Start"));
    cmdStop = ui::make<QPushButton>("cmdStop", Text::tr("Stop"));
    cmdRetryFailed = ui::make<QPushButton>("cmdRetryFailed", Text::tr("Retry Failed"));
    connect(cmdStart, &QPushButton::clicked, this, &StationWindow::startStation);
    connect(cmdStop, &QPushButton::clicked, this, &StationWindow::stopStation);
    connect(cmdRetryFailed, &QPushButton::clicked, this, &StationWindow::retryFailed);
    lblCounters = new QLabel;
    lblCounters->setObjectName(QStringLiteral("lblCounters"));
    for (QPushButton* b : {cmdStart, cmdStop, cmdRetryFailed})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(lblCounters);
    layout->addLayout(buttons);
    lblMessage = new QLabel;
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setTextFormat(Qt::PlainText);
    layout->addWidget(lblMessage);
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("tileArea"));
    area->setWidgetResizable(true);
    auto* sheet = new QWidget;
    tileGrid = new QGridLayout(sheet);
    tileGrid->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    area->setWidget(sheet);
    layout->addWidget(area, 1);
    // Six tiles, two rows of three, without scrolling.
    resize(780, 620);
}

void StationWindow::browseFile() {
    const QString filters =
        QStringList{ui::recordFilesFilter(), ui::jsonFilesFilter(), ui::allFilesFilter()}.join(
            QStringLiteral(";;"));
    const QString path = QFileDialog::getOpenFileName(this, Text::tr("Configuration File"),
                                                      edtFile->text(), filters);
    if (!path.isEmpty()) edtFile->setText(path);
}

void StationWindow::browseSheet() {
    const QString path = QFileDialog::getOpenFileName(
        this, Text::tr("Sheet"), edtSheet->text(), Text::tr("CSV sheets (*.csv);;All files (*)"));
    if (!path.isEmpty()) edtSheet->setText(path);
}

bool StationWindow::isRunning() const {
    return station && !finished;
}

// A problem in the window's words where its boxes name the thing, else as the plan says it.
QString StationWindow::wording(const provision::Plan::Problem& problem) const {
    using Field = provision::Plan::Problem::Field;
    if (problem.field == Field::Journal)
        return Text::tr(
            "Back Up Before Writing keeps what each unit held in the journal, which "
            "is off. Start Quellix with a journal, or clear Back Up Before Writing.");
    if (problem.field == Field::File && problem.subject.isEmpty())
        return Text::tr("Choose the configuration file to write.");
    if (problem.field == Field::File)
        return Text::tr("%1 cannot be written: %2").arg(shown(problem.subject), problem.text);
    if (!problem.subject.isEmpty())
        return Text::tr("%1: %2").arg(shown(problem.subject), problem.text);
    return problem.text;
}

bool StationWindow::preparePlan() {
    provision::Plan asked;
    asked.file = edtFile->text();
    asked.sheet = edtSheet->text();
    asked.interval = QString::number(intervalMs);
    asked.pace = chkFastLink->isChecked() ? QStringLiteral("auto") : QStringLiteral("fixed");
    asked.verify = chkVerify->isChecked();
    asked.backup = chkBackup->isChecked();
    asked.journalOn = journal != nullptr;
    const provision::Plan::Checked checked = asked.check();
    QStringList problems;
    for (const provision::Plan::Problem& problem : checked.problems)
        problems << wording(problem);
    if (!problems.isEmpty()) return refuse(problems.join('\n'));
    plan = checked.plan;
    plan.task.documentName = shown(asked.file);
    plan.task.journal = journal;
    plan.task.toolVersion = QCoreApplication::applicationVersion();
    plan.stopReason = Text::tr("stopped: the station window was closed");
    say(checked.notes.join('\n'), false);
    return true;
}

void StationWindow::startStation() {
    if (isRunning()) return;
    discardStation();
    // The last station's tiles and counters go even when this one is refused, so none of
    // them reads as this start's result.
    clearTiles();
    lblCounters->clear();
    if (!preparePlan()) return;
    QSettings settings;
    settings.setValue(QLatin1String(Settings::StationFile), edtFile->text());
    settings.setValue(QLatin1String(Settings::StationSheet), edtSheet->text());
    settings.setValue(QLatin1String(Settings::StationPorts), edtPorts->text());
    settings.setValue(QLatin1String(Settings::FastLink), chkFastLink->isChecked());
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    watcher = std::make_unique<provision::DeviceWatcher>(
        edtPorts->text().split(spaces, Qt::SkipEmptyParts));
    pool = std::make_unique<provision::UnitPool>(plan);
    station = std::make_unique<provision::Station>(*watcher, pool->job(), 0);
    finished = false;
    wireStation();
    refreshControls();
    watcher->start();
}

void StationWindow::wireStation() {
    connect(station.get(), &provision::Station::started, this, &StationWindow::showStarted);
    connect(station.get(), &provision::Station::ended, this, &StationWindow::showEnded);
    connect(station.get(), &provision::Station::changed, this, &StationWindow::showSlot);
    connect(station.get(), &provision::Station::unplugged, this, &StationWindow::showUnplugged);
    connect(station.get(), &provision::Station::removed, this, &StationWindow::removeTile);
    connect(station.get(), &provision::Station::finished, this, &StationWindow::stationFinished);
    connect(pool.get(), &provision::UnitPool::progress, this, &StationWindow::showProgress);
    connect(pool.get(), &provision::UnitPool::given, station.get(), &provision::Station::setGiven);
    connect(pool.get(), &provision::UnitPool::modelKnown, station.get(),
            &provision::Station::setModel);
}

void StationWindow::stopStation() {
    if (!isRunning()) return;
    say(Text::tr("Taking no new unit; the ones running finish."), false);
    station->stop();
    refreshControls();
}

void StationWindow::retryFailed() {
    if (!isRunning()) return;
    if (station->retryFailed() == 0) say(Text::tr("No failed unit is plugged in."), true);
    refreshControls();
}

StationTile* StationWindow::tileFor(const provision::StationSlot& slot) {
    StationTile*& tile = tiles[slot.port];
    if (!tile) {
        tile = new StationTile(slot.port);
        connect(tile, &StationTile::dismissed, this, &StationWindow::dismissTile);
        placeTiles();
    }
    return tile;
}

void StationWindow::showStarted(const provision::StationSlot& slot) {
    tileFor(slot)->showStarted(slot);
    refreshControls();
}

void StationWindow::showEnded(const provision::StationSlot& slot) {
    tileFor(slot)->showEnded(slot);
    sound(slot.outcome == journal::Outcome::Done, this);
    refreshControls();
}

void StationWindow::showSlot(const provision::StationSlot& slot) {
    tileFor(slot)->showSlot(slot);
    refreshControls();
}

// A failed unit's tile stays, saying it was unplugged; the others go with their unit.
void StationWindow::showUnplugged(const QString& port) {
    if (const provision::StationSlot* slot = station->slotFor(port))
        if (StationTile* tile = tiles.value(port)) tile->showSlot(*slot);
    refreshControls();
}

void StationWindow::dismissTile(const QString& port) {
    if (station) station->acknowledge(port);
}

void StationWindow::clearTiles() {
    qDeleteAll(tiles);
    tiles.clear();
}

void StationWindow::showProgress(const QString& port, const QString& stage, int done, int count) {
    if (StationTile* tile = tiles.value(port)) tile->showProgress(stage, done, count);
}

void StationWindow::removeTile(const QString& port) {
    // Out of the window at once, deleted later: this may come from the tile's own button.
    if (StationTile* tile = tiles.take(port)) {
        tileGrid->removeWidget(tile);
        tile->hide();
        tile->setParent(nullptr);
        tile->deleteLater();
    }
    placeTiles();
    refreshControls();
}

// In the order of the ports, which is the order the watcher found them in for units plugged
// in together.
void StationWindow::placeTiles() {
    int index = 0;
    for (StationTile* tile : std::as_const(tiles)) {
        tileGrid->addWidget(tile, index / TileColumns, index % TileColumns);
        ++index;
    }
}

void StationWindow::stationFinished() {
    finished = true;
    say(Text::tr("Stopped."), false);
    refreshControls();
}

void StationWindow::refreshControls() {
    const bool running = isRunning();
    const bool taking = running && !station->stopping();
    const QList<QWidget*> setUp{edtFile,   cmdBrowseFile, edtSheet, cmdBrowseSheet, chkBackup,
                                chkVerify, chkFastLink,   edtPorts, cmdStart};
    for (QWidget* w : setUp)
        w->setEnabled(!running);
    cmdStop->setEnabled(taking);
    const bool anyFailed = std::any_of(tiles.begin(), tiles.end(), [](const StationTile* t) {
        return t->result() && journal::endedBadly(*t->result());
    });
    cmdRetryFailed->setEnabled(taking && anyFailed);
    if (!station) return;  // the last station's counters stay until the next starts
    QString counters =
        Text::tr("done %1, failed %2")
            .arg(QString::number(station->done()), QString::number(station->failed()));
    if (station->differing() > 0)
        counters += Text::tr(", %1 differ").arg(QString::number(station->differing()));
    lblCounters->setText(counters);
}

bool StationWindow::refuse(const QString& why) {
    say(why, true);
    return false;
}

void StationWindow::say(const QString& text, bool problem) {
    lblMessage->setText(text);
    QPalette palette = this->palette();
    if (problem)
        palette.setColor(QPalette::WindowText, StationTile::colourOf(journal::Outcome::Failed));
    lblMessage->setPalette(palette);
}

bool StationWindow::confirmCloseWhileRunning() {
    return askCloseAnyway(this, Text::tr("Units Running"),
                          Text::tr("Units are being written. A write cut short leaves its unit "
                                   "half-written: part old, part new configuration."));
}

void StationWindow::closeEvent(QCloseEvent* event) {
    if (station && station->running() > 0 && !confirmCloseWhileRunning()) return event->ignore();
    discardStation();
    refreshControls();
    event->accept();
}

// Ends the station at once; a run still going is counted and journaled as failed.
void StationWindow::discardStation() {
    if (station && !finished) station->abort(plan.stopReason);
    station.reset();
    pool.reset();
    watcher.reset();
    finished = true;
}

// Opened by the program (not restored by the window manager): wholly on the screen.
void StationWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) ui::keepOnScreen(this);
}

}  // namespace station
