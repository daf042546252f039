// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menu bar and status bar, and what the window holds (WindowContents).
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QUrl>

#include "configfile/ConfigFile.h"
#include "configfile/ConfigJson.h"
#include "core/About.h"
#include "ui/common/UnitOptions.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/station/StationWindow.h"

namespace {

// A checkable option remembered between runs, with its value when first started.
QAction* addOption(QMenu* menu, const QString& text, const char* key, bool initial) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(QSettings().value(QLatin1String(key), initial).toBool());
    QObject::connect(action, &QAction::toggled, action,
                     [key](bool on) { QSettings().setValue(QLatin1String(key), on); });
    return action;
}

}  // namespace

void frmMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("menuFile"));
    file->addAction(tr("&Load from File..."), QKeySequence::Open, this,
                    &frmMain::cmdFileLoad_Click);
    file->addAction(tr("&Save to File..."), QKeySequence::Save, this, &frmMain::cmdFileSave_Click);
    file->addAction(tr("Save as &JSON..."), this, &frmMain::saveJson);
    recentMenu = file->addMenu(tr("&Recent Files"));
    connect(recentMenu, &QMenu::aboutToShow, this, &frmMain::fillRecentMenu);
    file->addSeparator();
    file->addAction(tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &frmMain::cmdExit_Click);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    undoAction = edit->addAction(tr("&Undo"), QKeySequence::Undo, this, &frmMain::undoReplace);
    undoAction->setObjectName(QStringLiteral("actUndo"));
    edit->addSeparator();
    askDiscardAction = addOption(edit, tr("&Ask Before Discarding Edits"), AskDiscardSetting, true);

    QMenu* unit = menuBar()->addMenu(tr("&Unit"));
    connectAction = unit->addAction(tr("&Connect"), this, &frmMain::cmdConnect_Click);
    readAction =
        unit->addAction(tr("&Read from Device"), Qt::Key_F5, this, &frmMain::cmdDeviceRead_Click);
    writeAction =
        unit->addAction(tr("&Write to Device"), Qt::Key_F6, this, &frmMain::cmdDeviceWrite_Click);
    buildSafetyMenu(unit, file);
    buildUnitOptions(unit);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("menuView"));
    view->addAction(tr("&Traffic Monitor"), QKeySequence(Qt::CTRL | Qt::Key_T), this,
                    &frmMain::showTrafficMonitor)
        ->setObjectName(QStringLiteral("actTrafficMonitor"));
    view->addAction(tr("&History..."), QKeySequence(Qt::CTRL | Qt::Key_H), this,
                    &frmMain::showHistory)
        ->setObjectName(QStringLiteral("actHistory"));

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("menuTools"));
    tools->addAction(tr("Provisioning &Station..."), this, &frmMain::openStation)
        ->setObjectName(QStringLiteral("actStation"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Manual"), QKeySequence::HelpContents, this, &frmMain::openManual);
    help->addAction(tr("&About Quellix"), this, &frmMain::showAbout);

    buildStatusBar();
}

// The remembered options of the Unit menu, below its commands.
void frmMain::buildUnitOptions(QMenu* unit) {
    unit->addSeparator();
    // A backup costs nothing after a read, which the journal holds already; a plain write
    // without the read-back shows no more boxes than before.
    backUpBeforeAction =
        addOption(unit, tr("Back Up Be&fore Writing"), options::BackUpBeforeWriting,
                  options::BackUpBeforeWritingAtFirst);
    backUpBeforeAction->setObjectName(QStringLiteral("actBackUpBefore"));
    verifyAfterAction = addOption(unit, tr("Verify &After Writing"), options::VerifyAfterWriting,
                                  options::VerifyAfterWritingAtFirst);
    verifyAfterAction->setObjectName(QStringLiteral("actVerifyAfter"));
    fastLinkAction = addOption(unit, tr("Fast &Link"), options::FastLink, options::FastLinkAtFirst);
    fastLinkAction->setObjectName(QStringLiteral("actFastLink"));
    fastLinkAction->setStatusTip(
        tr("Go from one command to the next as soon as the unit has answered, at its own "
           "pace. Writes go fast only when verified."));
    verifyAfterAction->setStatusTip(
        tr("Read the unit back after a write and compare. With Fast Link on this costs about "
           "one second."));
    unit->setToolTipsVisible(true);
    for (QAction* action : {verifyAfterAction, fastLinkAction})
        action->setToolTip(action->statusTip());
}

// The status bar: where the contents came from, always; a transfer's result for a while.
void frmMain::buildStatusBar() {
    lblContents = new QLabel(this);
    lblContents->setObjectName(QStringLiteral("lblContents"));
    statusBar()->addWidget(lblContents, 1);
    buildJournalLabel();
    statusBar()->setSizeGripEnabled(false);
    refreshContents();
}

void frmMain::refreshContents() {
    setWindowModified(contents.modified());
    lblContents->setText(contents.statusText());
    using Undo = WindowContents::Undo;
    undoAction->setText(contents.undoKind() == Undo::Read   ? tr("&Undo Read")
                        : contents.undoKind() == Undo::Load ? tr("&Undo Load")
                        : contents.undoKind() == Undo::Take ? tr("&Undo Take Values")
                                                            : tr("&Undo"));
    undoAction->setEnabled(contents.undoKind() != Undo::None && !session->busy());
    // The menu follows the buttons it stands for (off with their frame while unconnected).
    connectAction->setText(session->isOpen() ? tr("&Disconnect") : tr("&Connect"));
    connectAction->setEnabled(Frame1->connectButton()->isEnabled());
    readAction->setEnabled(cmdDeviceRead->isEnabled());
    writeAction->setEnabled(cmdDeviceWrite->isEnabled());
    refreshSafetyActions();
}

void frmMain::contentsEdited() {
    contents.edited();
    refreshContents();
}

bool frmMain::confirmDiscard() {
    if (!contents.modified() || !askDiscardAction->isChecked()) return true;
    QMessageBox box(QMessageBox::Question, windowTitle().remove(QStringLiteral("[*]")),
                    tr("The window holds edits that were neither saved nor written."),
                    QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("discardQuestion"));
    box.setInformativeText(tr("Discard them?"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Discard;
}

void frmMain::undoReplace() {
    if (session->busy()) return;
    const std::optional<ConfigurationSet> before = contents.takeUndo();
    if (before) applyConfiguration(*before);
    refreshContents();
}

void frmMain::saveJson() {
    saveFile(FileKind::Json, [this](const QString& path, QString* reason) {
        return ConfigFile::saveBytes(path, ConfigJson::serialize(configuration()), reason);
    });
}

void frmMain::fillRecentMenu() {
    recentMenu->clear();
    const QStringList recent = QSettings().value(QLatin1String(RecentSetting)).toStringList();
    for (const QString& path : recent)
        recentMenu->addAction(QDir::toNativeSeparators(path), this,
                              [this, path] { loadFile(path); });
    if (recent.isEmpty()) recentMenu->addAction(tr("(none yet)"))->setEnabled(false);
}

void frmMain::rememberFile(const QString& path) {
    QSettings settings;
    QStringList recent = settings.value(QLatin1String(RecentSetting)).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    settings.setValue(QLatin1String(RecentSetting), recent.mid(0, RecentCount));
    settings.setValue(QLatin1String(FolderSetting), QFileInfo(path).absolutePath());
}

void frmMain::openManual() {
    // Installed with the package; next to the program when it runs from its build folder.
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList places{appDir + QStringLiteral("/../share/doc/quellix/manual.md"),
                             QStringLiteral("/usr/share/doc/quellix/manual.md"),
                             appDir + QStringLiteral("/../../docs/manual.md")};
    for (const QString& place : places) {
        if (QFileInfo(place).isFile() &&
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(place).absoluteFilePath())))
            return;
    }
    QMessageBox::warning(this, tr("Manual"),
                         tr("The manual was not found or no program opened it. It is installed "
                            "as /usr/share/doc/quellix/manual.md; open it with any text viewer."));
}

void frmMain::showAbout() {
    // Plain text: the licence line holds an address in angle brackets.
    QMessageBox box(QMessageBox::Information, tr("About Quellix"),
                    tr("%1\nBuilt with Qt %2, running on Qt %3.")
                        .arg(about::versionText().trimmed(), QStringLiteral(QT_VERSION_STR),
                             QString::fromLatin1(qVersion())),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void frmMain::openStation() {
    if (!stationWindow) stationWindow = new station::StationWindow(journal, this);
    stationWindow->show();
    stationWindow->raise();
    stationWindow->activateWindow();
}
