// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceLog.h"

Q_LOGGING_CATEGORY(lcLink, "quellix.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcProcedure, "quellix.procedure", QtWarningMsg)
