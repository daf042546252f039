// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menu bar and status bar, and what the window holds (WindowContents).
#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QUrl>

#include "core/About.h"
#include "core/Escape.h"
#include "journal/Journal.h"
#include "ui/common/Settings.h"
#include "ui/mainwindow/FileActions.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/UnitController.h"
#include "ui/mainwindow/frmMain.h"

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

QAction* named(QAction* action, const char* name) {
    action->setObjectName(QLatin1String(name));
    return action;
}

// How long a run's or a connection's message stays over the contents.
constexpr int MessageMs = 15000;

}  // namespace

void frmMain::buildMenus() {
    buildFileMenu();
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    undoAction = edit->addAction(tr("&Undo"), QKeySequence::Undo, this, &frmMain::undoReplace);
    undoAction->setObjectName(QStringLiteral("actUndo"));
    edit->addSeparator();
    askDiscardAction = addOption(edit, tr("&Ask Before Discarding Edits"), Settings::AskDiscard,
                                 Settings::AskDiscardAtFirst);
    buildUnitMenu();
    buildWindowMenus();
    buildStatusBar();
}

void frmMain::buildFileMenu() {
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("menuFile"));
    named(fileMenu->addAction(tr("&Load from File..."), QKeySequence::Open, this,
                              &frmMain::cmdFileLoad_Click),
          "actLoad");
    named(fileMenu->addAction(tr("&Save to File..."), QKeySequence::Save, this,
                              &frmMain::cmdFileSave_Click),
          "actSave");
    fileMenu->addAction(tr("Save as &JSON..."), this, [this] { files->saveJson(); });
    compareFileAction =
        named(fileMenu->addAction(tr("&Compare with File..."), this, &frmMain::compareWithFile),
              "actCompareFile");
    recentMenu = fileMenu->addMenu(tr("&Recent Files"));
    connect(recentMenu, &QMenu::aboutToShow, this, [this] { files->fillRecent(recentMenu); });
    fileMenu->addSeparator();
    fileMenu->addAction(tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                        &frmMain::cmdExit_Click);
}

void frmMain::buildUnitMenu() {
    QMenu* unitMenu = menuBar()->addMenu(tr("&Unit"));
    connectAction = unitMenu->addAction(tr("&Connect"), this, &frmMain::cmdConnect_Click);
    readAction = named(unitMenu->addAction(tr("&Read from Device"), Qt::Key_F5, this,
                                           &frmMain::cmdDeviceRead_Click),
                       "actRead");
    writeAction = named(unitMenu->addAction(tr("&Write to Device"), Qt::Key_F6, this,
                                            &frmMain::cmdDeviceWrite_Click),
                        "actWrite");
    unitMenu->addSeparator();
    verifyAction =
        named(unitMenu->addAction(tr("&Verify Unit against Window"), this, &frmMain::verifyUnit),
              "actVerify");
    compareUnitAction =
        named(unitMenu->addAction(tr("Com&pare with Unit..."), this, &frmMain::compareWithUnit),
              "actCompareUnit");
    backUpNowAction = named(
        unitMenu->addAction(tr("&Back Up Unit Now"), this, &frmMain::backUpUnit), "actBackUpNow");
    buildUnitOptions(unitMenu);
}

// The remembered options of the Unit menu, below its commands.
void frmMain::buildUnitOptions(QMenu* unitMenu) {
    unitMenu->addSeparator();
    // A backup costs nothing after a read, which the journal holds already; a plain write
    // without the read-back shows no more boxes than before.
    backUpBeforeAction =
        named(addOption(unitMenu, tr("Back Up Be&fore Writing"), Settings::BackUpBeforeWriting,
                        Settings::BackUpBeforeWritingAtFirst),
              "actBackUpBefore");
    verifyAfterAction =
        named(addOption(unitMenu, tr("Verify &After Writing"), Settings::VerifyAfterWriting,
                        Settings::VerifyAfterWritingAtFirst),
              "actVerifyAfter");
    fastLinkAction =
        named(addOption(unitMenu, tr("Fast &Link"), Settings::FastLink, Settings::FastLinkAtFirst),
              "actFastLink");
    fastLinkAction->setStatusTip(
        tr("Go from one command to the next as soon as the unit has answered, at its own "
           "pace. Writes go fast only when verified."));
    verifyAfterAction->setStatusTip(
        tr("Read the unit back after a write and compare. With Fast Link on this costs about "
           "one second."));
    unitMenu->setToolTipsVisible(true);
    for (QAction* action : {verifyAfterAction, fastLinkAction})
        action->setToolTip(action->statusTip());
}

// F5 and F6 also from the windows that watch this window's unit (Traffic Monitor, History), as
// the user watches a read there. Not from the Provisioning Station, which runs units of its own:
// a key pressed there must never start a run on this window's port.
void frmMain::shareUnitKeys(QWidget* toolWindow) {
    toolWindow->addActions({readAction, writeAction});
}

void frmMain::buildWindowMenus() {
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

void frmMain::buildJournalLabel() {
    lblJournal = new QLabel(this);
    lblJournal->setObjectName(QStringLiteral("lblJournal"));
    lblJournal->setTextFormat(Qt::PlainText);
    statusBar()->addPermanentWidget(lblJournal);
    showJournalState();
}

void frmMain::showStatus(const QString& text) {
    statusBar()->showMessage(text, MessageMs);
}

void frmMain::refreshContents() {
    setWindowModified(contents.modified());
    // A message shown for a while hides the contents; new contents (a load's "17-32 were
    // kept") matter more than an older run's result.
    // Values kept whole though their boxes show part of them are said with where they came from.
    QString text = contents.statusText();
    if (const QString note = form->longValuesNote(); !note.isEmpty())
        text += QStringLiteral(". ") + note;
    if (text != shownContents) {
        shownContents = text;
        lblContents->setText(text);
        statusBar()->clearMessage();
    }
    using Undo = WindowContents::Undo;
    undoAction->setText(contents.undoKind() == Undo::Read   ? tr("&Undo Read")
                        : contents.undoKind() == Undo::Load ? tr("&Undo Load")
                        : contents.undoKind() == Undo::Take ? tr("&Undo Take Values")
                                                            : tr("&Undo"));
    undoAction->setEnabled(contents.undoKind() != Undo::None && !unit->busy());
    // The menu follows the buttons it stands for (off with their frame while unconnected).
    connectAction->setText(unit->isOpen() ? tr("&Disconnect") : tr("&Connect"));
    connectAction->setEnabled(form->canConnect());
    readAction->setEnabled(form->canRead());
    writeAction->setEnabled(form->canWrite());
    refreshSafetyActions();
}

void frmMain::refreshSafetyActions() {
    const bool canRead = form->canRead();  // off with its frame while unconnected
    verifyAction->setEnabled(canRead);
    compareUnitAction->setEnabled(canRead);
    // Without a journal a backup would be kept nowhere.
    backUpNowAction->setEnabled(canRead && journal);
    backUpNowAction->setToolTip(journal ? QString()
                                        : tr("The journal is off, so a backup would be kept "
                                             "nowhere."));
    compareFileAction->setEnabled(!transferActive());
}

void frmMain::showJournalState(const QString& warning) {
    journalWarned = !warning.isEmpty();
    lblJournal->setStyleSheet(journalWarned ? QStringLiteral("color: red") : QString());
    if (!journal) {
        lblJournal->setText(tr("Journal: not recorded"));
        lblJournal->setToolTip(
            tr("Started with --no-journal, or the journal could not be "
               "chosen: nothing done in this window is recorded, and there "
               "are no backups."));
        return;
    }
    const journal::Target& target = journal->target();
    const QString where = target.display();
    const QString shown =
        target.kind == journal::Target::Kind::Sqlite ? QFileInfo(target.path).fileName() : where;
    if (warning.isEmpty()) {
        lblJournal->setText(tr("Journal: %1").arg(escape::unprintable(shown)));
        lblJournal->setToolTip(
            tr("Unit operations and backups are recorded in %1.").arg(escape::unprintable(where)));
        return;
    }
    lblJournal->setText(tr("Journal: %1 - not working").arg(escape::unprintable(shown)));
    lblJournal->setToolTip(escape::unprintable(warning));
    // Each kind of journal problem is reported once a run, so a box never nags.
    auto* box =
        new QMessageBox(QMessageBox::Warning, tr("Journal"),
                        tr("The journal does not work: %1").arg(escape::unprintable(warning)),
                        QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("journalWarning"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
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
    if (unit->busy()) return;
    const std::optional<ConfigurationSet> before = contents.takeUndo();
    if (before) applyConfiguration(*before);
    refreshContents();
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
    // The path on a line of its own: wrapped, a box breaks it after its first slash.
    QMessageBox::warning(this, tr("Manual"),
                         tr("The manual was not found or no program opened it. It is installed "
                            "as\n%1\nOpen it with any text viewer.")
                             .arg(QStringLiteral("/usr/share/doc/quellix/manual.md")));
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
