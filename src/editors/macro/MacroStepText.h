// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/KeyTable.h"
#include "storage/MacroEvent.h"

#include <QCoreApplication>
#include <QString>

// How the step table shows a step, as people read macros: "Press A",
// "Release A", "LEFT CLICK", "MOVE UP 5", and delays as "10 ms".
struct MacroStepText
{
    Q_DECLARE_TR_FUNCTIONS(MacroStepText)

public:
    QString action;     // the "ACTION" column; empty for a delay
    QString delay;      // the "DELAY(ms)" column; empty for all but delays
    QString image;      // skin image beside the action, empty for none
    QString accessible; // the whole step in words, for screen readers

    static MacroStepText describe(const MacroEvent& step, int unitMs, KeyTable::Labels labels);
    // The names of the mouse command tree, in its order.
    static QString buttonName(int button);
    static QString moveName(int direction);

private:
    static QString keyName(quint8 usage, KeyTable::Labels labels);
};
