// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>
#include <optional>

#include "configfile/ConfigDocument.h"

class QComboBox;
class QFileDialog;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class HistoryModel;
namespace journal {
class Journal;
struct Record;
}  // namespace journal

// The journal as a table, newest first, narrowed by port and text; a record's configuration
// can be put into the main window or saved to a file. Lists without the configurations and
// fetches the one record chosen, so thousands of records list at once.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // `journal` is not owned and may be null (no journal in use).
    explicit HistoryWindow(journal::Journal* journal, QWidget* parent = nullptr);

public slots:
    void refresh();       // lists the journal afresh, trying again to open it if it failed
    void openSelected();  // hands the chosen record's configuration to openRequested
    void saveSelected();  // asks for a file and saves the chosen record's configuration there

signals:
    // `name` says which record it is, for the window's status bar.
    void openRequested(const ConfigDocument& doc, const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    QHBoxLayout* buildFilters();
    void wireSignals(QPushButton* cmdRefresh, QPushButton* cmdClose);
    void buildTable();
    // The whole journal into *records, without configurations; what keeps it from being
    // listed, in words for the state line, or nothing.
    QString listJournal(QList<journal::Record>* records) const;
    void applyFilter();
    void fillPorts();
    void updateButtons();
    void showChanges();  // the chosen record's changes in the pane below the table
    void journalRecorded();
    qint64 selectedId() const;
    void showState(const QString& text);  // a line above the table; empty hides it
    struct Chosen {
        qint64 id = 0;
        QString name;  // which record it is, in words
        ConfigDocument doc;
    };
    // The chosen record with its configuration; says why in a box and gives nothing when it
    // has none.
    std::optional<Chosen> chosenRecord(const QString& title);
    QString chooseSaveFile(qint64 id, bool* json);

    journal::Journal* journal = nullptr;
    HistoryModel* model = nullptr;
    QLabel* lblState = nullptr;
    QLabel* lblCount = nullptr;
    QComboBox* cmbPort = nullptr;
    QLineEdit* txtFilter = nullptr;
    QTableView* table = nullptr;
    QPlainTextEdit* txtChanges = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdSave = nullptr;
    QFileDialog* saveDialog = nullptr;
};
