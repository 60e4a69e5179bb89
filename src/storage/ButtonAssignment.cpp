// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ButtonAssignment.h"

#include <algorithm>

void ButtonAssignment::setMacroSteps(const QVector<MacroEvent>& events)
{
    const int count = qMin(int(events.size()), kSteps);
    std::copy(events.cbegin(), events.cbegin() + count, KeyInfo);
    KeyNumber = count;
}

bool ButtonAssignment::operator==(const ButtonAssignment& o) const
{
    return ID == o.ID && Fun == o.Fun && LoopNumber == o.LoopNumber && KeyNumber == o.KeyNumber &&
           std::equal(KeyInfo, KeyInfo + kSteps, o.KeyInfo) && Res1 == o.Res1 && Res2 == o.Res2 &&
           Res3 == o.Res3 && Res4 == o.Res4 && macroname == o.macroname;
}
