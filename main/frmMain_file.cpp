#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

#include "ConfigFile.h"
#include "frmMain.h"

QString frmMain::chooseFile(bool forSave) {
    if (!cdia) {
        cdia = new QFileDialog(this);
        cdia->setObjectName(QStringLiteral("cdia"));
    }
    cdia->setAcceptMode(forSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    cdia->setFileMode(forSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    cdia->setOption(QFileDialog::DontConfirmOverwrite, false);
    // No filter and no default suffix: every file is shown and the name is used as typed.
    cdia->setNameFilter(tr("All files (*)"));
    cdia->setDefaultSuffix(QString());
    if (!lastFilePath.isEmpty()) {
        const QFileInfo last(lastFilePath);
        cdia->setDirectory(last.absolutePath());
        cdia->selectFile(last.fileName());
    } else if (const QString folder = QSettings().value(QLatin1String(FolderSetting)).toString();
               !folder.isEmpty() && QFileInfo(folder).isDir()) {
        cdia->setDirectory(folder);  // from an earlier run
    }
    if (cdia->exec() != QDialog::Accepted) return {};
    const QStringList chosen = cdia->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return {};
    lastFilePath = chosen.first();
    QSettings().setValue(QLatin1String(FolderSetting), QFileInfo(lastFilePath).absolutePath());
    return lastFilePath;
}

void frmMain::cmdFileSave_Click() {
    // Record 1 must name an entry of the list; typed text that matches none has no number.
    if (slaveId() < 0) {
        QMessageBox::warning(this, tr("Save to File"),
                             tr("Select a slave ID from the list before saving."));
        return;
    }
    const QString path = chooseFile(true);
    if (path.isEmpty()) return;
    QString reason;
    if (!ConfigFile::save(path, configuration(), &reason)) {
        QMessageBox::warning(this, tr("Save to File"),
                             tr("The configuration could not be saved to\n%1\n\n%2\n\n"
                                "An existing file of that name is unchanged.")
                                 .arg(QDir::toNativeSeparators(path), reason));
    }
}

void frmMain::cmdFileLoad_Click() {
    selectPage(1);  // before the dialog, so even a cancel leaves page 1 showing
    const QString path = chooseFile(false);
    if (path.isEmpty()) return;
    const ConfigFile::LoadResult result = ConfigFile::load(path, configuration());
    // What was read before a failure stays applied.
    if (result.recordsRead > 0) applyConfiguration(result.set);
    if (!result.ok) {
        QMessageBox::warning(this, tr("Load from File"),
                             tr("The configuration could not be loaded completely from\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), result.error));
    }
}
