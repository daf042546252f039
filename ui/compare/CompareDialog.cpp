// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compare/CompareDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Escape.h"
#include "ui/common/Widgets.h"

namespace safety {

CompareDialog::CompareDialog(const ConfigurationSet& window, const ConfigurationSet& other,
                             int phoneCount, const QString& otherName, QWidget* parent)
    : QDialog(parent),
      window(window),
      other(other),
      found(differingValues(window, other, phoneCount)) {
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(tr("Compare"));
    lblHeading = ui::makeLabel("lblHeading", this);
    lblHeading->setWordWrap(true);
    tblDifferences = ui::make<QTableWidget>("tblDifferences", this);
    tblDifferences->setAccessibleName(tr("Differences"));
    fillTable(otherName);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    cmdTake =
        buttons->addButton(tr("&Take these values into the window"), QDialogButtonBox::AcceptRole);
    cmdTake->setObjectName(QStringLiteral("cmdTake"));
    cmdTake->setEnabled(!found.isEmpty());
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);  // Enter must never take values by accident
    connect(copy, &QPushButton::clicked, this, &CompareDialog::copyTable);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(tblDifferences, 1);
    layout->addWidget(buttons);
    resize(760, 420);
}

void CompareDialog::setHeading(const QString& text) {
    lblHeading->setText(text);
}

void CompareDialog::fillTable(const QString& otherName) {
    tblDifferences->setColumnCount(3);
    tblDifferences->setHorizontalHeaderLabels(
        {tr("Item"), tr("Window"), escape::controls(otherName)});
    tblDifferences->setRowCount(int(found.size()));
    tblDifferences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDifferences->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblDifferences->verticalHeader()->hide();
    for (int row = 0; row < found.size(); ++row) {
        const Difference& d = found[row];
        const QStringList cells{itemName(d), valueText(window, d), valueText(other, d)};
        for (int column = 0; column < cells.size(); ++column)
            tblDifferences->setItem(row, column, cell(cells[column]));
    }
    tblDifferences->resizeColumnToContents(0);
    tblDifferences->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    tblDifferences->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
}

// An empty value is said in words: a blank cell reads as a value that failed to show. The
// cell keeps the value itself for copying.
QTableWidgetItem* CompareDialog::cell(const QString& value) {
    auto* item = new QTableWidgetItem(value.isEmpty() ? tr("(empty)") : value);
    item->setData(Qt::UserRole, value);
    if (value.isEmpty()) {
        QFont italic = item->font();
        italic.setItalic(true);
        item->setFont(italic);
    }
    return item;
}

QString CompareDialog::itemName(const Difference& d) const {
    const int number = d.index + 1;
    switch (d.item) {
        case Difference::Item::SlaveId:
            return tr("Slave ID");
        case Difference::Item::Phone:
            return tr("Phone %1").arg(number);
        case Difference::Item::Enabled:
            return tr("Channel %1 enabled").arg(number);
        case Difference::Item::Message:
            break;
    }
    return tr("Channel %1 message").arg(number);
}

QString CompareDialog::valueText(const ConfigurationSet& set, const Difference& d) const {
    const auto at = size_t(d.index);
    switch (d.item) {
        case Difference::Item::SlaveId:
            // Typed text that names no slave ID has no number to show.
            return set.slaveId < 0 ? tr("(none)")
                                   : QStringLiteral("%1").arg(set.slaveId, 2, 10, QLatin1Char('0'));
        case Difference::Item::Phone:
            return escape::controls(set.phoneNo[at]);
        case Difference::Item::Enabled:
            return set.enabled(d.index) ? tr("yes") : tr("no");
        case Difference::Item::Message:
            break;
    }
    return escape::controls(set.channelMessage[at]);
}

ConfigurationSet CompareDialog::takenValues() const {
    ConfigurationSet taken = window;
    for (const Difference& d : found)
        d.copy(other, &taken);
    return taken;
}

QString CompareDialog::tableText() const {
    QStringList lines;
    QStringList header;
    for (int column = 0; column < tblDifferences->columnCount(); ++column)
        header << tblDifferences->horizontalHeaderItem(column)->text();
    lines << header.join(QLatin1Char('\t'));
    // The escaped values hold no tab or line break, so each row stays one line of three fields.
    for (int row = 0; row < tblDifferences->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < tblDifferences->columnCount(); ++column)
            cells << tblDifferences->item(row, column)->data(Qt::UserRole).toString();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CompareDialog::copyTable() {
    QApplication::clipboard()->setText(tableText());
}

}  // namespace safety
