// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two safety options of a write and the link's pace, remembered between runs (QSettings). The
// main window's Unit menu and the Provisioning Station start from the same values.
namespace options {

inline constexpr const char* BackUpBeforeWriting = "backUpBeforeWriting";
// On when first started: after a read it costs nothing, otherwise it keeps what the unit held.
inline constexpr bool BackUpBeforeWritingAtFirst = true;
inline constexpr const char* VerifyAfterWriting = "verifyAfterWriting";
// Off when first started, so a plain write shows no extra box.
inline constexpr bool VerifyAfterWritingAtFirst = false;
// Fast Link: the auto pace (reads and verified writes at the unit's own pace). Off at first,
// as the fixed pace is what every unit has always been read at.
inline constexpr const char* FastLink = "fastLink";
inline constexpr bool FastLinkAtFirst = false;

}  // namespace options
