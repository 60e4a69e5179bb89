// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <QString>

// The transfer log: every step of every transfer ("mousecfg.transfer").
Q_DECLARE_LOGGING_CATEGORY(lcTransfer)
// Discovery and opening of interfaces ("mousecfg.device").
Q_DECLARE_LOGGING_CATEGORY(lcDeviceLink)

// Writes one line of the transfer log; a trailing line break is dropped.
void debugLog(const QString& text);
