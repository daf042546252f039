// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every key the windows remember between runs (QSettings), in one place, so two windows that
// share a value (the folder of the last file, the unit options) read and write the same key.
class Settings {
public:
    // The main window: the last port it connected to, the folder of the last file saved or
    // loaded (History's Save As starts there too), the recent files, and Edit's option.
    static constexpr const char* Port = "port";
    static constexpr const char* Folder = "fileFolder";
    static constexpr const char* RecentFiles = "recentFiles";
    static constexpr int RecentCount = 8;
    static constexpr const char* AskDiscard = "askBeforeDiscardingEdits";
    static constexpr bool AskDiscardAtFirst = true;

    // The two safety options of a write and the link's pace. The main window's Unit menu and
    // the Provisioning Station start from the same values.
    static constexpr const char* BackUpBeforeWriting = "backUpBeforeWriting";
    // On when first started: after a read it costs nothing, otherwise it keeps what the unit
    // held.
    static constexpr bool BackUpBeforeWritingAtFirst = true;
    static constexpr const char* VerifyAfterWriting = "verifyAfterWriting";
    // Off when first started, so a plain write shows no extra box.
    static constexpr bool VerifyAfterWritingAtFirst = false;
    // Fast Link: the auto pace (reads and verified writes at the unit's own pace). Off at
    // first, as the fixed pace is what every unit has always been read at.
    static constexpr const char* FastLink = "fastLink";
    static constexpr bool FastLinkAtFirst = false;

    // The Provisioning Station's set-up, as last started.
    static constexpr const char* StationFile = "station/file";
    static constexpr const char* StationSheet = "station/sheet";
    static constexpr const char* StationPorts = "station/ports";
};
