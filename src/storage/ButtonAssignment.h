// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/MacroEvent.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// What one mouse button does. A Fun of 200 (510 for a gun-set macro) binds
// the macro named by macroname, with a copy of its events in KeyInfo.
struct ButtonAssignment
{
    static constexpr int kSteps = 84;
    static constexpr qint32 kMacroFunction = 200;
    static constexpr qint32 kGunMacroFunction = 510;

    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    MacroEvent KeyInfo[kSteps];
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
    QString macroname;

    // Copies a macro's events into the steps (at most kSteps of them) and sets
    // KeyNumber to the number copied; steps after them stay as they were.
    void setMacroSteps(const QVector<MacroEvent>& events);

    bool operator==(const ButtonAssignment& o) const;
    bool operator!=(const ButtonAssignment& o) const { return !(*this == o); }
};
