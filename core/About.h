// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace about {

// What --version prints: the program's name and version, then its licence.
QString versionText();

}  // namespace about
