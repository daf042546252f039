// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/HistoryWindow.h"

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
#include <QTableView>
#include <QVBoxLayout>

#include "configfile/ConfigFile.h"
#include "configfile/ConfigJson.h"
#include "core/Escape.h"
#include "journal/Journal.h"
#include "journal/RecordChanges.h"
#include "journal/RecordDocument.h"
#include "ui/common/Settings.h"
#include "ui/history/HistoryModel.h"

Q_LOGGING_CATEGORY(lcHistory, "quellix.history", QtWarningMsg)

namespace {

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* push = new QPushButton(text, parent);
    push->setObjectName(QLatin1String(name));
    return push;
}

}  // namespace

HistoryWindow::HistoryWindow(journal::Journal* journalInUse, QWidget* parent)
    : QWidget(parent, Qt::Window), journal(journalInUse), model(new HistoryModel(this)) {
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("History"));
    buildLayout();
    refresh();
}

// The port choice and the text filter, with the count of records shown.
QHBoxLayout* HistoryWindow::buildFilters() {
    cmbPort = new QComboBox(this);
    cmbPort->setObjectName(QStringLiteral("cmbHistoryPort"));
    cmbPort->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    txtFilter = new QLineEdit(this);
    txtFilter->setObjectName(QStringLiteral("txtHistoryFilter"));
    txtFilter->setClearButtonEnabled(true);
    txtFilter->setPlaceholderText(tr("Port, model, outcome or file"));
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblHistoryCount"));
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
    lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblHistoryState"));
    lblState->setWordWrap(true);
    lblState->setTextFormat(Qt::PlainText);
    QHBoxLayout* filters = buildFilters();

    buildTable();
    txtChanges = new QPlainTextEdit(this);
    txtChanges->setObjectName(QStringLiteral("txtHistoryChanges"));
    txtChanges->setReadOnly(true);
    txtChanges->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtChanges->setAccessibleName(tr("Changes"));
    auto* changes = new QLabel(tr("C&hanges:"), this);
    changes->setBuddy(txtChanges);

    cmdOpen = button(tr("&Open in Window"), "cmdHistoryOpen", this);
    cmdSave = button(tr("&Save As..."), "cmdHistorySave", this);
    QPushButton* cmdRefresh = button(tr("&Refresh"), "cmdHistoryRefresh", this);
    QPushButton* cmdClose = button(tr("Close"), "cmdHistoryClose", this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* push : {cmdOpen, cmdSave, cmdRefresh})
        buttons->addWidget(push);
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

// What each control does once built.
void HistoryWindow::wireSignals(QPushButton* cmdRefresh, QPushButton* cmdClose) {
    connect(cmdOpen, &QPushButton::clicked, this, &HistoryWindow::openSelected);
    connect(cmdSave, &QPushButton::clicked, this, &HistoryWindow::saveSelected);
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
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("tblHistory"));
    table->setModel(model);
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
    const qint64 chosen = selectedId();
    QList<journal::Record> records;
    showState(listJournal(&records));
    model->setRecords(std::move(records));
    fillPorts();
    applyFilter();
    if (const int row = model->rowOf(chosen); row >= 0) table->selectRow(row);
}

QString HistoryWindow::listJournal(QList<journal::Record>* records) const {
    if (!journal || journal->target().kind == journal::Target::Kind::Off)
        return tr(
            "The journal is off, so there is no history to show. Start Quellix "
            "without --no-journal, or give it one with --journal FILE or "
            "--journal postgresql://USER@HOST/DATABASE, or set QUELLIX_JOURNAL.");
    QString error;
    journal::Store& store = journal->store();
    journal::Filter filter;
    filter.withConfiguration = false;
    if (store.open(&error)) *records = store.list(filter, &error);
    if (error.isEmpty()) return {};
    qCWarning(lcHistory) << "cannot list" << store.target().display() << ":" << error;
    records->clear();
    return tr("The journal %1 cannot be read: %2\nCheck that it is there (for a "
              "server, that it is reachable), then press Refresh; --journal or "
              "QUELLIX_JOURNAL chooses another.")
        .arg(store.target().display(), error);
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
    cmdOpen->setEnabled(chosen);
    cmdSave->setEnabled(chosen);
    showChanges();
}

void HistoryWindow::showChanges() {
    const qint64 id = selectedId();
    if (!journal || id == 0) {
        txtChanges->clear();
        return;
    }
    QString error;
    const std::optional<journal::Record> record = journal->store().find(id, &error);
    if (!record) {
        txtChanges->setPlainText(
            error.isEmpty() ? tr("Record %1 is no longer in the journal.").arg(id) : error);
        return;
    }
    const journal::Changes changes = journal::changesOf(journal->store(), *record);
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
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    const journal::Record* listed = rows.isEmpty() ? nullptr : model->recordAt(rows.first().row());
    if (!journal || !listed) return std::nullopt;
    QString error;
    const std::optional<journal::Record> record = journal->store().find(listed->id, &error);
    Chosen chosen{listed->id, {}, record ? journal::documentOf(*record) : ConfigDocument{}};
    if (!chosen.doc.ok) {
        const QString why = !record && error.isEmpty() ? tr("it is no longer in the journal")
                            : !record                  ? error
                                                       : chosen.doc.error;
        QMessageBox box(QMessageBox::Warning, title,
                        tr("Journal record %1 cannot be used: %2").arg(listed->id).arg(why),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("historyProblem"));
        box.exec();
        return std::nullopt;
    }
    chosen.name = tr("journal record %1 (%2 of %3, %4)")
                      .arg(QString::number(record->id), HistoryModel::actionText(record->action),
                           escape::unprintable(record->port),
                           record->time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    return chosen;
}

void HistoryWindow::openSelected() {
    if (const std::optional<Chosen> chosen = chosenRecord(tr("Open in Window")))
        emit openRequested(chosen->doc, chosen->name);
}

QString HistoryWindow::chooseSaveFile(qint64 id, bool* json) {
    const QString records = tr("Configuration files (*.cfg *.txt)");
    const QString jsonFiles = tr("JSON files (*.json)");
    if (!saveDialog) {
        saveDialog = new QFileDialog(this);
        saveDialog->setObjectName(QStringLiteral("historySaveDialog"));
        saveDialog->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog->setFileMode(QFileDialog::AnyFile);
        saveDialog->setNameFilters({records, jsonFiles});
        connect(saveDialog, &QFileDialog::filterSelected, saveDialog,
                [this, jsonFiles](const QString& filter) {
                    saveDialog->setDefaultSuffix(filter == jsonFiles ? QStringLiteral("json")
                                                                     : QStringLiteral("cfg"));
                });
        const QString folder = QSettings().value(QLatin1String(Settings::Folder)).toString();
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) saveDialog->setDirectory(folder);
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
    const std::optional<Chosen> chosen = chosenRecord(tr("Save As"));
    if (!chosen) return;
    const ConfigDocument& doc = chosen->doc;
    bool json = false;
    const QString path = chooseSaveFile(chosen->id, &json);
    if (path.isEmpty()) return;
    // A record of phone numbers 1-16 saves as such, so loading it keeps the 17-32 in place.
    QString reason;
    const bool saved =
        json ? ConfigFile::saveBytes(path, ConfigJson::serialize(doc.set, doc.phoneCount), &reason)
             : ConfigFile::save(path, doc.set, &reason, doc.phoneCount);
    if (saved) {
        showState(tr("Saved %1 to %2").arg(chosen->name, QDir::toNativeSeparators(path)));
        return;
    }
    QMessageBox box(QMessageBox::Warning, tr("Save As"),
                    tr("The configuration could not be saved to\n%1\n\n%2\n\nAn existing file "
                       "of that name is unchanged.")
                        .arg(QDir::toNativeSeparators(path), reason),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("historyProblem"));
    box.exec();
}
