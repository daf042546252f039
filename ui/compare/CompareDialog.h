// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>

#include "configfile/ConfigDocument.h"
#include "core/ConfigurationSet.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace safety {

// Every value in which the window differs from a unit or a file: item, window value, other
// value, with control characters such as line breaks shown as escapes so that they are seen.
// Nothing changes unless the user takes the other values: exec() then returns Accepted and
// takenValues() is what the window is to hold.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // `phoneCount`: the phones the other side holds (a file may hold 1-16 only).
    CompareDialog(const ConfigurationSet& window, const ConfigurationSet& other, int phoneCount,
                  const QString& otherName, QWidget* parent = nullptr);

    void setHeading(const QString& text);
    int differenceCount() const { return int(found.size()); }
    // The window's values with every differing one taken from the other side.
    ConfigurationSet takenValues() const;
    // The table as tab-separated lines, its header first.
    QString tableText() const;

public slots:
    void copyTable();

private:
    void fillTable(const QString& otherName);
    static QTableWidgetItem* cell(const QString& value);
    QString itemName(const Difference& d) const;
    QString valueText(const ConfigurationSet& set, const Difference& d) const;

    const ConfigurationSet window;
    const ConfigurationSet other;
    const QList<Difference> found;
    QLabel* lblHeading = nullptr;
    QTableWidget* tblDifferences = nullptr;
    QPushButton* cmdTake = nullptr;
};

}  // namespace safety
