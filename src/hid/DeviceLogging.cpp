// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/DeviceLogging.h"

Q_LOGGING_CATEGORY(lcTransfer, "mousecfg.transfer")
Q_LOGGING_CATEGORY(lcDeviceLink, "mousecfg.device")

void debugLog(const QString& text)
{
    QString line = text;
    if (line.endsWith(QLatin1Char('\n')))
        line.chop(1);
    qCDebug(lcTransfer).noquote() << line;
}
