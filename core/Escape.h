// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Text that came from a file, a unit, the system or the user goes through one of two policies
// before anyone sees it, so nothing in it acts on a terminal or hides in a window:
// - shown to a person on one line (a label, a box, a name quoted back in a message):
//   unprintable();
// - written out where a control byte would harm but every other character must stay as it is,
//   since it may be read back, compared or pasted (CSV rows, JSON, listings, the summaries and
//   errors the command line prints): controls().
namespace escape {

// Every C0 character, DEL and every C1 character (U+0080-U+009F) as its JSON escape (\r, \n,
// \t, \b, \f) or \uXXXX; everything else unchanged.
QString controls(QStringView text);

// The same, line by line: the line breaks between lines stay, for text printed on several.
QString controlsKeepingLines(QStringView text);

// For a person, on one line: the controls as controls() escapes them, and every other
// character that would not show as itself or would break the line (a direction override, a
// zero-width space, a line separator, an unassigned code point, half a surrogate pair) as
// \uXXXX. A whole surrogate pair (an emoji)
// stays.
QString unprintable(QStringView text);

// True when `c` is one of the characters controls() escapes.
bool isControl(QChar c);

}  // namespace escape
