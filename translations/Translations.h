// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLocale;

// The programs' texts in the user's language, and Qt's own for the standard dialogs and the
// command-line help.
namespace i18n {

// Installs the catalogues for the language the environment asks for; none when it asks for
// the C locale (LANGUAGE, LC_ALL, LC_MESSAGES or LANG set to C or POSIX).
void installForUser();

// Replaces the installed catalogues with those for `locale`; false when this program has none
// for it, which leaves its source texts (English) showing.
bool install(const QLocale& locale);

// Removes what install() or installForUser() installed.
void uninstall();

}  // namespace i18n
