// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>
#include <optional>

#include "configfile/ConfigDocument.h"
#include "journal/JournalRecord.h"
#include "journal/RecordChanges.h"

class QComboBox;
class QFileDialog;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimer;
class HistoryModel;
namespace journal {
class Journal;
class Worker;
}  // namespace journal

// The journal as a table, newest first, narrowed by port and text; a record's configuration
// can be put into the main window or saved to a file. Lists without the configurations and
// fetches the one record chosen, so thousands of records list at once. The journal is asked
// on its own thread: a slow server leaves the window working, showing the last list it gave.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // `journal` is not owned and may be null (no journal in use).
    explicit HistoryWindow(journal::Journal* journal, QWidget* parent = nullptr);

public slots:
    void refresh();          // lists the journal afresh, trying again to open it if it failed
    void openSelected();     // hands the chosen record's configuration to openRequested
    void saveSelected();     // asks for a file and saves the chosen record's configuration there
    void restoreSelected();  // hands the chosen record's configuration to restoreRequested

signals:
    // `name` says which record it is, for the window's status bar.
    void openRequested(const ConfigDocument& doc, const QString& name);
    // To be written to the unit, `source` being the record it comes from.
    void restoreRequested(const journal::Record& source, const ConfigDocument& doc,
                          const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // What the chosen record is fetched for.
    enum class Want { Changes, Open, Save, Restore };
    void buildLayout();
    QHBoxLayout* buildFilters();
    void buildButtons(QHBoxLayout* buttons);
    void wireSignals(QPushButton* cmdRefresh, QPushButton* cmdClose);
    void buildTable();
    // What keeps the journal from being listed at all, in words for the state line, or nothing.
    QString unavailable() const;
    void listed(quint64 ticket, const QList<journal::Record>& records, const QString& error);
    void found(quint64 ticket, const std::optional<journal::Record>& record,
               const journal::Changes& changes, const QString& error);
    void showSlow();
    void applyFilter();
    void fillPorts();
    void updateButtons();
    void fetchSelected(Want want);
    void act(Want want);
    void showChanges();  // those of the record fetched last, in the pane below the table
    void journalRecorded();
    qint64 selectedId() const;
    void showState(const QString& text);  // a line above the table; empty hides it
    struct Chosen {
        journal::Record record;
        QString name;  // which record it is, in words
        ConfigDocument doc;
    };
    // The record fetched last with its configuration; says why in a box and gives nothing
    // when it has none.
    std::optional<Chosen> chosenRecord(const QString& title);
    QString chooseSaveFile(qint64 id, bool* json);
    void save(const Chosen& chosen);

    journal::Journal* journal = nullptr;
    journal::Worker* worker = nullptr;  // null while there is no journal to ask
    quint64 listTicket = 0;             // the listing asked for last
    quint64 findTicket = 0;             // the record asked for last
    Want wanted = Want::Changes;
    qint64 askedId = 0;    // the record asked for and not answered yet; 0: none
    qint64 fetchedId = 0;  // the record `fetched` answers for; 0: none yet
    std::optional<journal::Record> fetched;
    journal::Changes fetchedChanges;
    QString fetchError;
    QTimer* slowTimer = nullptr;
    HistoryModel* model = nullptr;
    QLabel* lblState = nullptr;
    QLabel* lblCount = nullptr;
    QComboBox* cmbPort = nullptr;
    QLineEdit* txtFilter = nullptr;
    QTableView* table = nullptr;
    QPlainTextEdit* txtChanges = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdRestore = nullptr;
    QFileDialog* saveDialog = nullptr;
};
