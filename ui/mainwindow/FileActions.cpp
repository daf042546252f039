// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/FileActions.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

#include "configfile/ConfigDocument.h"
#include "configfile/ConfigFile.h"
#include "configfile/ConfigJson.h"
#include "core/Escape.h"
#include "ui/common/Boxes.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/Settings.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/WindowContents.h"

namespace {

constexpr int ClassicRecords = 145;  // a file of phone numbers 1-16 only

}  // namespace

FileActions::FileActions(MainForm* form, WindowContents* contents, QWidget* window)
    : form(form), contents(contents), window(window) {}

void FileActions::prepareDialog(FileKind kind) {
    if (!cdia) {
        cdia = new QFileDialog(window);
        cdia->setObjectName(QStringLiteral("cdia"));
    }
    const bool forSave = kind != FileKind::Open;
    cdia->setAcceptMode(forSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    cdia->setFileMode(forSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    cdia->setOption(QFileDialog::DontConfirmOverwrite, false);
    const QString records = ui::recordFilesFilter();
    const QString json = ui::jsonFilesFilter();
    const QString all = ui::allFilesFilter();
    cdia->setNameFilters(kind == FileKind::Json ? QStringList{json, all}
                                                : QStringList{records, json, all});
    cdia->setDefaultSuffix(kind == FileKind::Json     ? QStringLiteral("json")
                           : kind == FileKind::Record ? QStringLiteral("cfg")
                                                      : QString());
    ui::startInRememberedFolder(cdia);
}

QString FileActions::chooseFile(FileKind kind, const QString& title) {
    prepareDialog(kind);
    cdia->setWindowTitle(title);  // what the file is for, not the toolkit's "Open"
    if (kind != FileKind::Open) {
        // Named for the unit and the day, so a folder of saved units sorts itself.
        cdia->selectFile(
            QStringLiteral("unit-%1-%2.%3")
                .arg(form->slaveId(), 2, 10, QLatin1Char('0'))
                .arg(QDate::currentDate().toString(Qt::ISODate),
                     kind == FileKind::Json ? QStringLiteral("json") : QStringLiteral("cfg")));
    }
    if (cdia->exec() != QDialog::Accepted) return {};
    const QStringList chosen = cdia->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return {};
    return chosen.first();
}

void FileActions::saveFile(FileKind kind, const FileWriter& write) {
    const QString path = chooseFile(kind, tr("Save to File"));
    if (path.isEmpty()) return;
    QString reason;
    if (!write(path, &reason)) {
        ui::showSaveFailed(window, tr("Save to File"), ui::Saved::Configuration, path, reason);
        return;
    }
    remember(path);  // only now: a failed save must not become the folder offered next
    contents->saved(path);
    contentsChanged();
}

void FileActions::save() {
    // Record 1 must name an entry of the list; typed text that matches none has no number.
    if (form->slaveId() < 0) {
        QMessageBox::warning(window, tr("Save to File"),
                             tr("Select a slave ID from the list before saving."));
        return;
    }
    saveFile(FileKind::Record, [this](const QString& path, QString* reason) {
        return configfile::save(path, form->configuration(), reason);
    });
}

void FileActions::saveJson() {
    saveFile(FileKind::Json, [this](const QString& path, QString* reason) {
        return configfile::saveBytes(path, configjson::serialize(form->configuration()), reason);
    });
}

void FileActions::load() {
    if (!mayReplace(true)) return;
    form->selectPage(1);  // before the dialog, so even a cancel leaves page 1 showing
    const QString path = chooseFile(FileKind::Open, tr("Load from File"));
    if (!path.isEmpty()) loadFile(path, false);
}

void FileActions::loadFile(const QString& path, bool ask) {
    if (!mayReplace(ask)) return;
    const ConfigurationSet held = form->configuration();
    const configfile::LoadResult result = configfile::load(path, held);
    // What was read before a failure stays applied.
    if (result.recordsRead > 0) {
        contents->replacing(held, WindowContents::Undo::Load);
        form->applyConfiguration(result.set);
        contents->loaded(path, result.ok && result.recordsRead == ClassicRecords);
        remember(path);
        contentsChanged();
    }
    if (!result.ok) {
        QMessageBox::warning(window, tr("Load from File"),
                             tr("The configuration could not be loaded completely from\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), result.error));
    }
}

void FileActions::fillRecent(QMenu* menu) {
    menu->clear();
    const QStringList recent =
        QSettings().value(QLatin1String(Settings::RecentFiles)).toStringList();
    for (const QString& path : recent)
        menu->addAction(QDir::toNativeSeparators(path), window, [this, path] { loadFile(path); });
    if (recent.isEmpty()) menu->addAction(tr("(none yet)"))->setEnabled(false);
}

void FileActions::remember(const QString& path) {
    QSettings settings;
    QStringList recent = settings.value(QLatin1String(Settings::RecentFiles)).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    settings.setValue(QLatin1String(Settings::RecentFiles), recent.mid(0, Settings::RecentCount));
    settings.setValue(QLatin1String(Settings::Folder), QFileInfo(path).absolutePath());
}

void FileActions::compare() {
    const QString path = chooseFile(FileKind::Open, tr("Compare with File"));
    if (path.isEmpty()) return;
    const ConfigDocument document = ConfigDocument::load(path);
    if (!document.ok) {
        QMessageBox::warning(window, tr("Compare with File"),
                             tr("%1 cannot be compared: %2")
                                 .arg(escape::unprintable(QDir::toNativeSeparators(path)),
                                      escape::unprintable(document.error)));
        return;
    }
    const QString shown = escape::unprintable(QFileInfo(path).fileName());
    const ConfigurationSet held = form->configuration();
    // Worded as the compare with the unit, the file standing where the unit does.
    const qsizetype differing = differingValues(held, document.set, document.phoneCount).size();
    QString heading = differing == 0 ? tr("The window and %1 hold the same values.").arg(shown)
                                     : tr("Values that differ between %1 and the window: %n.",
                                          nullptr, int(differing))
                                           .arg(shown);
    if (!document.holdsAllPhones())
        heading += QLatin1Char(' ') +
                   tr("The file holds phone numbers 1-16 only; 17-32 are not compared.");
    compareReady(document.set, document.phoneCount, shown, heading);
}
