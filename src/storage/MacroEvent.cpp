// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MacroEvent.h"

int MacroEvent::recordedDelayCount(qint64 elapsedMs, int unitMs)
{
    const qint64 unit = qMax(1, unitMs);
    if (elapsedMs <= 0)
        return 1;
    const qint64 rounded = qMax(unit, unit * (elapsedMs / unit));
    return int(qMin<qint64>(rounded / unit, 0xFFFF));
}

int MacroEvent::defaultDelayCount(int defaultDelayMs, int unitMs)
{
    return qBound(0, defaultDelayMs / qMax(1, unitMs), 0xFFFF);
}
