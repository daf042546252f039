// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <functional>

#include "core/ConfigurationSet.h"

class QFileDialog;
class QMenu;
class QWidget;
class MainForm;
class WindowContents;

// The window's File menu: Load, Save, Save as JSON, Recent Files and Compare with File, between
// the form's values and the files the user chooses.
class FileActions {
    Q_DECLARE_TR_FUNCTIONS(frmMain)

public:
    FileActions(MainForm* form, WindowContents* contents, QWidget* window);

    // Asked before a load replaces the form's values (`ask`: about edits too); false keeps them.
    std::function<bool(bool ask)> mayReplace;

    void load();  // chosen in the dialog
    void loadFile(const QString& path, bool ask = true);
    void save();
    void saveJson();
    void fillRecent(QMenu* menu);
    void compare();

    // Loaded or saved: the title and the status bar follow.
    std::function<void()> contentsChanged;
    // A file to compare with the form: the window shows the differences.
    std::function<void(const ConfigurationSet& other, int phoneCount, const QString& otherName,
                       const QString& heading)>
        compareReady;

private:
    enum class FileKind { Open, Record, Json };
    MainForm* form;
    WindowContents* contents;
    QWidget* window;
    QFileDialog* cdia = nullptr;  // one dialog for Save and Load, made on first use
    QString chooseFile(FileKind kind, const QString& title);  // empty when cancelled
    void prepareDialog(FileKind kind);
    // Writes the file chosen for `kind` with `write`, and says when it could not.
    using FileWriter = std::function<bool(const QString& path, QString* reason)>;
    void saveFile(FileKind kind, const FileWriter& write);
    void remember(const QString& path);  // recent files and the folder offered next
};
