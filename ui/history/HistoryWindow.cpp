// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/HistoryWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "configfile/ConfigFile.h"
#include "configfile/ConfigJson.h"
#include "core/Escape.h"
#include "journal/Journal.h"
#include "journal/JournalWorker.h"
#include "journal/RecordChanges.h"
#include "journal/RecordDocument.h"
#include "ui/common/Boxes.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/NamedComboBox.h"
#include "ui/common/OnScreen.h"
#include "ui/common/Settings.h"
#include "ui/common/Widgets.h"
#include "ui/history/HistoryModel.h"

Q_LOGGING_CATEGORY(lcHistory, "quellix.history", QtWarningMsg)

namespace {

// A journal that has not answered in this long is said to be slow; a listing takes
// milliseconds.
constexpr int SlowMs = 1000;

}  // namespace

HistoryWindow::HistoryWindow(journal::Journal* journalInUse, QWidget* parent)
    : QWidget(parent, Qt::Window), journal(journalInUse), model(new HistoryModel(this)) {
    ui::nameComboBoxes();  // the port filter by its label
    setObjectName(QStringLiteral("frmHistory"));
    if (journal && journal->target().kind != journal::Target::Kind::Off)
        worker = journal::Worker::of(journal);
    setWindowTitle(tr("History"));
    buildLayout();
    refresh();
}

// The port choice and the text filter, with the count of records shown.
QHBoxLayout* HistoryWindow::buildFilters() {
    cmbPort = ui::make<QComboBox>("cmbHistoryPort", this);
    cmbPort->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    txtFilter = ui::make<QLineEdit>("txtHistoryFilter", this);
    txtFilter->setClearButtonEnabled(true);
    txtFilter->setPlaceholderText(tr("Port, model, outcome or file"));
    lblCount = ui::make<QLabel>("lblHistoryCount", this);
    auto* filters = new QHBoxLayout;
    auto* port = new QLabel(tr("&Port:"), this);
    port->setBuddy(cmbPort);
    filters->addWidget(port);
    filters->addWidget(cmbPort);
    auto* find = new QLabel(tr("&Find:"), this);
    find->setBuddy(txtFilter);
    filters->addWidget(find);
    filters->addWidget(txtFilter, 1);
    filters->addWidget(lblCount);
    return filters;
}

void HistoryWindow::buildLayout() {
    lblState = ui::make<QLabel>("lblHistoryState", this);
    lblState->setWordWrap(true);
    lblState->setTextFormat(Qt::PlainText);
    QHBoxLayout* filters = buildFilters();

    buildTable();
    txtChanges = ui::make<QPlainTextEdit>("txtHistoryChanges", this);
    txtChanges->setReadOnly(true);
    txtChanges->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtChanges->setAccessibleName(tr("Changes"));
    auto* changes = new QLabel(tr("C&hanges:"), this);
    changes->setBuddy(txtChanges);

    auto* cmdRefresh = ui::make<QPushButton>("cmdHistoryRefresh", tr("&Refresh"), this);
    auto* cmdClose = ui::make<QPushButton>("cmdHistoryClose", tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    buildButtons(buttons);
    buttons->addWidget(cmdRefresh);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblState);
    layout->addLayout(filters);
    layout->addWidget(table, 3);
    layout->addWidget(changes);
    layout->addWidget(txtChanges, 1);
    layout->addLayout(buttons);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    resize(digit * 120, digit * 60);

    wireSignals(cmdRefresh, cmdClose);
}

// What can be done with the chosen record, as buttons and in the table's context menu.
void HistoryWindow::buildButtons(QHBoxLayout* buttons) {
    cmdOpen = ui::make<QPushButton>("cmdHistoryOpen", tr("&Open in Window"), this);
    cmdSave = ui::make<QPushButton>("cmdHistorySave", tr("&Save As..."), this);
    cmdRestore = ui::make<QPushButton>("cmdHistoryRestore", tr("Restore &This..."), this);
    cmdRestore->setToolTip(
        tr("Writes the record's configuration to the unit connected in the "
           "main window, backing the unit up first."));
    using Slot = void (HistoryWindow::*)();
    for (const auto& [push, slot] :
         {std::pair<QPushButton*, Slot>{cmdOpen, &HistoryWindow::openSelected},
          {cmdSave, &HistoryWindow::saveSelected},
          {cmdRestore, &HistoryWindow::restoreSelected}}) {
        buttons->addWidget(push);
        connect(push, &QPushButton::clicked, this, slot);
        auto* action = new QAction(push->text(), table);
        action->setObjectName(
            push->objectName().replace(QLatin1String("cmd"), QLatin1String("act")));
        connect(action, &QAction::triggered, this, slot);
        table->addAction(action);
    }
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// What each control does once built.
void HistoryWindow::wireSignals(QPushButton* cmdRefresh, QPushButton* cmdClose) {
    connect(cmdRefresh, &QPushButton::clicked, this, &HistoryWindow::refresh);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(table, &QTableView::doubleClicked, this, &HistoryWindow::openSelected);
    connect(cmbPort, &QComboBox::currentIndexChanged, this, &HistoryWindow::applyFilter);
    connect(txtFilter, &QLineEdit::textChanged, this, &HistoryWindow::applyFilter);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::updateButtons);
    connect(model, &QAbstractItemModel::modelReset, this, &HistoryWindow::updateButtons);
    // This PC's own runs show as they are recorded.
    if (journal)
        connect(journal, &journal::Journal::recorded, this, &HistoryWindow::journalRecorded);
    slowTimer = new QTimer(this);
    slowTimer->setSingleShot(true);
    slowTimer->setInterval(SlowMs);
    connect(slowTimer, &QTimer::timeout, this, &HistoryWindow::showSlow);
    if (!worker) return;
    connect(worker, &journal::Worker::listed, this, &HistoryWindow::listed);
    connect(worker, &journal::Worker::found, this, &HistoryWindow::found);
}

void HistoryWindow::journalRecorded() {
    if (isVisible()) refresh();
}

qint64 HistoryWindow::selectedId() const {
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    const journal::Record* listed = rows.isEmpty() ? nullptr : model->recordAt(rows.first().row());
    return listed ? listed->id : 0;
}

void HistoryWindow::buildTable() {
    table = ui::make<QTableView>("tblHistory", this);
    table->setModel(model);
    table->setAccessibleName(tr("Records"));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    // Ports and outcomes keep their ends, which tell them apart; the tooltip has them whole.
    table->setTextElideMode(Qt::ElideMiddle);
    table->verticalHeader()->hide();
    // Fixed sizes: measuring every row's contents would cost more than listing them.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setStretchLastSection(true);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (const auto& [column, digits] : {std::pair{HistoryModel::TimeColumn, 21},
                                         {HistoryModel::ActionColumn, 9},
                                         {HistoryModel::PortColumn, 16},
                                         {HistoryModel::ModelColumn, 14},
                                         {HistoryModel::OutcomeColumn, 30}})
        table->setColumnWidth(column, digit * digits);
}

void HistoryWindow::refresh() {
    if (!worker) {
        showState(unavailable());
        return applyFilter();
    }
    journal::Filter filter;
    filter.withConfiguration = false;
    listTicket = worker->list(filter);
    if (model->totalCount() == 0) lblCount->setText(tr("Loading ..."));
    slowTimer->start();
}

QString HistoryWindow::unavailable() const {
    return tr(
        "The journal is off, so there is no history to show. Start Quellix "
        "without --no-journal, or give it one with --journal FILE or "
        "--journal postgresql://USER@HOST/DATABASE, or set QUELLIX_JOURNAL.");
}

// A listing that fails keeps the last good one in the table, with the state line saying why.
void HistoryWindow::listed(quint64 ticket, const QList<journal::Record>& records,
                           const QString& error) {
    if (ticket != listTicket) return;  // a later listing is on its way
    slowTimer->stop();
    if (!error.isEmpty()) {
        qCWarning(lcHistory) << "cannot list" << worker->target().display() << ":" << error;
        showState(tr("The journal %1 cannot be read: %2\nCheck that it is there (for a "
                     "server, that it is reachable), then press Refresh; --journal or "
                     "QUELLIX_JOURNAL chooses another.")
                      .arg(worker->target().display(), error));
        return applyFilter();
    }
    showState({});
    const qint64 chosen = selectedId();
    model->setRecords(records);
    fillPorts();
    applyFilter();
    if (const int row = model->rowOf(chosen); row >= 0) table->selectRow(row);
}

void HistoryWindow::showSlow() {
    if (worker && worker->waiting())
        showState(tr("The journal %1 is slow to answer. The list below is what it held when "
                     "it last answered; it follows once the journal answers.")
                      .arg(worker->target().display()));
}

void HistoryWindow::showState(const QString& text) {
    lblState->setText(text);
    lblState->setVisible(!text.isEmpty());
}

// Every port the journal names, the one chosen before kept when it still is among them.
void HistoryWindow::fillPorts() {
    const QString chosen = cmbPort->currentData().toString();
    const QSignalBlocker quiet(cmbPort);
    cmbPort->clear();
    cmbPort->addItem(tr("All ports"), QString());
    for (const QString& port : model->ports())
        cmbPort->addItem(escape::unprintable(port), port);
    cmbPort->setCurrentIndex(qMax(0, cmbPort->findData(chosen)));
}

void HistoryWindow::applyFilter() {
    model->setFilter(cmbPort->currentData().toString(), txtFilter->text());
    lblCount->setText(tr("%1 of %2 records").arg(model->rowCount()).arg(model->totalCount()));
}

void HistoryWindow::updateButtons() {
    const bool chosen = table->selectionModel()->hasSelection();
    for (QPushButton* push : {cmdOpen, cmdSave, cmdRestore})
        push->setEnabled(chosen);
    for (QAction* action : table->actions())
        action->setEnabled(chosen);
    fetchSelected(Want::Changes);
}

// The chosen record whole, asked of the journal once and kept while it stays chosen; `want`
// is done once it is here.
void HistoryWindow::fetchSelected(Want want) {
    const qint64 id = selectedId();
    wanted = want;
    if (!worker || id == 0) {
        askedId = fetchedId = 0;
        findTicket = 0;  // an answer on its way is for a record no longer chosen
        txtChanges->clear();
        return;
    }
    if (id == fetchedId) return act(want);
    if (id == askedId) return;
    askedId = id;
    findTicket = worker->find(id);
    txtChanges->setPlainText(tr("Reading record %1 ...").arg(id));
}

void HistoryWindow::found(quint64 ticket, const std::optional<journal::Record>& record,
                          const journal::Changes& changes, const QString& error) {
    if (ticket != findTicket) return;  // another record was chosen meanwhile
    fetchedId = std::exchange(askedId, 0);
    fetched = record;
    fetchedChanges = changes;
    fetchError = error;
    act(std::exchange(wanted, Want::Changes));
}

void HistoryWindow::act(Want want) {
    showChanges();
    switch (want) {
        case Want::Changes:
            break;
        case Want::Open:
            if (const std::optional<Chosen> chosen = chosenRecord(tr("Open in Window")))
                emit openRequested(chosen->doc, chosen->name);
            break;
        case Want::Save:
            if (const std::optional<Chosen> chosen = chosenRecord(tr("Save As"))) save(*chosen);
            break;
        case Want::Restore:
            if (const std::optional<Chosen> chosen = chosenRecord(tr("Restore This")))
                emit restoreRequested(chosen->record, chosen->doc, chosen->name);
            break;
    }
}

void HistoryWindow::showChanges() {
    if (!fetched) {
        txtChanges->setPlainText(fetchError.isEmpty()
                                     ? tr("Record %1 is no longer in the journal.").arg(fetchedId)
                                     : fetchError);
        return;
    }
    const journal::Changes& changes = fetchedChanges;
    QStringList lines;
    if (!changes.known)
        lines << changes.why;
    else if (changes.before)
        lines << tr("Against record %1, the unit's state just before:").arg(changes.before->id);
    lines << changes.lines;
    if (changes.known && changes.lines.isEmpty())
        lines << (changes.before ? tr("Nothing changed.") : tr("Nothing differed."));
    txtChanges->setPlainText(lines.join(QLatin1Char('\n')));
}

std::optional<HistoryWindow::Chosen> HistoryWindow::chosenRecord(const QString& title) {
    const ConfigDocument doc = fetched ? journal::documentOf(*fetched) : ConfigDocument{};
    if (!doc.ok) {
        const QString why = !fetched && fetchError.isEmpty() ? tr("it is no longer in the journal")
                            : !fetched                       ? fetchError
                                                             : doc.error;
        QMessageBox box(QMessageBox::Warning, title,
                        tr("Journal record %1 cannot be used: %2").arg(fetchedId).arg(why),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("historyProblem"));
        box.exec();
        return std::nullopt;
    }
    const journal::Record& record = *fetched;
    const QString name =
        tr("journal record %1 (%2 of %3, %4)")
            .arg(QString::number(record.id), HistoryModel::actionText(record.action),
                 escape::unprintable(record.port),
                 record.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    return Chosen{record, name, doc};
}

void HistoryWindow::openSelected() {
    fetchSelected(Want::Open);
}

void HistoryWindow::restoreSelected() {
    fetchSelected(Want::Restore);
}

QString HistoryWindow::chooseSaveFile(qint64 id, bool* json) {
    const QString records = ui::recordFilesFilter();
    const QString jsonFiles = ui::jsonFilesFilter();
    if (!saveDialog) {
        saveDialog = ui::make<QFileDialog>("historySaveDialog", this);
        saveDialog->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog->setFileMode(QFileDialog::AnyFile);
        saveDialog->setNameFilters({records, jsonFiles});
        connect(saveDialog, &QFileDialog::filterSelected, saveDialog,
                [this, jsonFiles](const QString& filter) {
                    saveDialog->setDefaultSuffix(filter == jsonFiles ? QStringLiteral("json")
                                                                     : QStringLiteral("cfg"));
                });
        ui::startInRememberedFolder(saveDialog);
    }
    const bool wasJson = saveDialog->selectedNameFilter() == jsonFiles;
    saveDialog->setDefaultSuffix(wasJson ? QStringLiteral("json") : QStringLiteral("cfg"));
    saveDialog->selectFile(QStringLiteral("record-%1.%2").arg(id).arg(wasJson ? "json" : "cfg"));
    if (saveDialog->exec() != QDialog::Accepted || saveDialog->selectedFiles().isEmpty()) return {};
    QString path = saveDialog->selectedFiles().first();
    // A name typed with its suffix says what it is; one without took the filter's.
    const QString suffix = QFileInfo(path).suffix().toLower();
    *json = suffix == QLatin1String("json") ||
            (saveDialog->selectedNameFilter() == jsonFiles && suffix != QLatin1String("cfg") &&
             suffix != QLatin1String("txt"));
    return path;
}

void HistoryWindow::saveSelected() {
    fetchSelected(Want::Save);
}

void HistoryWindow::save(const Chosen& chosen) {
    const ConfigDocument& doc = chosen.doc;
    bool json = false;
    const QString path = chooseSaveFile(chosen.record.id, &json);
    if (path.isEmpty()) return;
    // A record of phone numbers 1-16 saves as such, so loading it keeps the 17-32 in place.
    QString reason;
    const bool saved =
        json ? configfile::saveBytes(path, configjson::serialize(doc.set, doc.phoneCount), &reason)
             : configfile::save(path, doc.set, &reason, doc.phoneCount);
    if (saved) {
        showState(tr("Saved %1 to %2").arg(chosen.name, QDir::toNativeSeparators(path)));
        return;
    }
    ui::showSaveFailed(this, tr("Save As"), ui::Saved::Configuration, path, reason,
                       QStringLiteral("historyProblem"));
}

// Opened by the program (not restored by the window manager): wholly on the screen.
void HistoryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) ui::keepOnScreen(this);
}
