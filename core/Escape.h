// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Text that came from a file, a unit or the system is printed through this, so a control
// character in it shows as an escape instead of acting on the terminal.
namespace escape {

// Every C0 character, DEL and every C1 character (U+0080-U+009F) as its JSON escape (\r, \n,
// \t, \b, \f) or \uXXXX; everything else unchanged.
QString controls(QStringView text);

// The same, line by line: the line breaks between lines stay, for text printed on several.
QString controlsKeepingLines(QStringView text);

// Every character QChar::isPrint() rejects (controls, format characters such as a direction
// override, unassigned code points, each half of a surrogate pair) as \uXXXX: for text from
// a source we do not control, shown on one line.
QString unprintable(QStringView text);

// True when `c` is one of the characters controls() escapes.
bool isControl(QChar c);

}  // namespace escape
