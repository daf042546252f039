// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

#include "configfile/ConfigFile.h"
#include "ui/mainwindow/frmMain.h"

namespace {

constexpr int ClassicRecords = 145;  // a file of phone numbers 1-16 only

}  // namespace

QString frmMain::chooseFile(FileKind kind) {
    if (!cdia) {
        cdia = new QFileDialog(this);
        cdia->setObjectName(QStringLiteral("cdia"));
    }
    const bool forSave = kind != FileKind::Open;
    cdia->setAcceptMode(forSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    cdia->setFileMode(forSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    cdia->setOption(QFileDialog::DontConfirmOverwrite, false);
    const QString records = tr("Configuration files (*.cfg *.txt)");
    const QString json = tr("JSON files (*.json)");
    const QString all = tr("All files (*)");
    cdia->setNameFilters(kind == FileKind::Json ? QStringList{json, all}
                                                : QStringList{records, json, all});
    cdia->setDefaultSuffix(kind == FileKind::Json     ? QStringLiteral("json")
                           : kind == FileKind::Record ? QStringLiteral("cfg")
                                                      : QString());
    const QString folder = QSettings().value(QLatin1String(FolderSetting)).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) cdia->setDirectory(folder);
    if (forSave) {
        // Named for the unit and the day, so a folder of saved units sorts itself.
        cdia->selectFile(
            QStringLiteral("unit-%1-%2.%3")
                .arg(slaveId(), 2, 10, QLatin1Char('0'))
                .arg(QDate::currentDate().toString(Qt::ISODate),
                     kind == FileKind::Json ? QStringLiteral("json") : QStringLiteral("cfg")));
    }
    if (cdia->exec() != QDialog::Accepted) return {};
    const QStringList chosen = cdia->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return {};
    return chosen.first();
}

void frmMain::saveFile(FileKind kind, const FileWriter& write) {
    const QString path = chooseFile(kind);
    if (path.isEmpty()) return;
    QString reason;
    if (!write(path, &reason)) {
        QMessageBox::warning(this, tr("Save to File"),
                             tr("The configuration could not be saved to\n%1\n\n%2\n\n"
                                "An existing file of that name is unchanged.")
                                 .arg(QDir::toNativeSeparators(path), reason));
        return;
    }
    rememberFile(path);  // only now: a failed save must not become the folder offered next
    contents.saved(path);
    refreshContents();
}

void frmMain::cmdFileSave_Click() {
    // Record 1 must name an entry of the list; typed text that matches none has no number.
    if (slaveId() < 0) {
        QMessageBox::warning(this, tr("Save to File"),
                             tr("Select a slave ID from the list before saving."));
        return;
    }
    saveFile(FileKind::Record, [this](const QString& path, QString* reason) {
        return ConfigFile::save(path, configuration(), reason);
    });
}

void frmMain::cmdFileLoad_Click() {
    if (session->busy() || !confirmDiscard()) return;
    selectPage(1);  // before the dialog, so even a cancel leaves page 1 showing
    const QString path = chooseFile(FileKind::Open);
    if (!path.isEmpty()) loadFile(path, false);
}

void frmMain::loadFile(const QString& path, bool ask) {
    if (session->busy() || (ask && !confirmDiscard())) return;
    const ConfigurationSet held = configuration();
    const ConfigFile::LoadResult result = ConfigFile::load(path, held);
    // What was read before a failure stays applied.
    if (result.recordsRead > 0) {
        contents.replacing(held, WindowContents::Undo::Load);
        applyConfiguration(result.set);
        contents.loaded(path, result.ok && result.recordsRead == ClassicRecords);
        rememberFile(path);
        refreshContents();
    }
    if (!result.ok) {
        QMessageBox::warning(this, tr("Load from File"),
                             tr("The configuration could not be loaded completely from\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), result.error));
    }
}
