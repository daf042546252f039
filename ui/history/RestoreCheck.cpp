// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/RestoreCheck.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "core/Escape.h"
#include "journal/JournalRecord.h"
#include "journal/PortIdentity.h"
#include "ui/common/Boxes.h"

namespace history {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(HistoryWindow)
};

// A port as a technician tells it apart: its name, and the serial number where there is one.
QString portText(const QString& port, const journal::PortIdentity& identity) {
    QString name = escape::unprintable(port);
    if (identity.serialNumber.isEmpty()) return name;
    return Text::tr("%1 (serial number %2)").arg(name, escape::unprintable(identity.serialNumber));
}

}  // namespace

QStringList restoreDifferences(const journal::Record& source, const QString& port,
                               const journal::PortIdentity& here, const QString& model) {
    QStringList lines;
    if (!journal::samePort(source.identity, source.port, here, port))
        lines << Text::tr("Port: the record was kept from %1; the unit is on %2.")
                     .arg(portText(source.port, source.identity), portText(port, here));
    if (!model.isEmpty() && !source.model.isEmpty() && model != source.model)
        lines << Text::tr("Model: the record was kept from a %1; this unit is a %2.")
                     .arg(escape::unprintable(source.model), escape::unprintable(model));
    return lines;
}

bool confirmRestore(QWidget* parent, const QString& name, const QStringList& differences) {
    QMessageBox box(QMessageBox::Warning, Text::tr("Restore This"),
                    Text::tr("%1 may belong to another unit. Write it to this unit all the "
                             "same?")
                        .arg(name),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("restoreOtherUnit"));
    box.setInformativeText(differences.join(QLatin1Char('\n')));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void refuseRestore(QWidget* parent, const QString& why) {
    ui::showNote(parent, Text::tr("Restore This"), why, QStringLiteral("restoreRefused"));
}

}  // namespace history
