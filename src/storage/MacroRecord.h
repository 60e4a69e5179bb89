// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/MacroEvent.h"

#include <QString>
#include <QVector>

// One macro as the editor holds it. The settings are named after their keys
// in the macro file.
struct MacroRecord
{
    enum DelayTypes
    {
        NoDelays = 0,
        RecordDelays = 1,
        DefaultDelays = 2
    };

    QString name;
    int DefaultDelay = 0; // milliseconds
    int DelayType = NoDelays;
    int LoopType = 0; // 1 loop LoopTime times, 2 repeat while held, 3 repeat until pressed again
    int LoopTime = 0;
    int WriteSign = 0; // 1: changed since the last transfer
    QVector<MacroEvent> events;

    // The same macro as the user sees it: everything but the change mark.
    bool sameContent(const MacroRecord& o) const
    {
        return name == o.name && DefaultDelay == o.DefaultDelay && DelayType == o.DelayType &&
               LoopType == o.LoopType && LoopTime == o.LoopTime && events == o.events;
    }
};
