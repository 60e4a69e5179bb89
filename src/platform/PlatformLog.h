// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Operating-system services: device notifications and the like ("mousecfg.platform").
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
