// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// One DPI stage of a profile.
struct DpiStage
{
    quint8 used = 0; // 1: the stage is in use
    quint8 link = 0; // 1: X and Y resolution linked
    quint32 xy = 0;  // value when linked
    quint32 x = 0;
    quint32 y = 0;

    bool operator==(const DpiStage& o) const
    {
        return used == o.used && link == o.link && xy == o.xy && x == o.x && y == o.y;
    }
    bool operator!=(const DpiStage& o) const { return !(*this == o); }
};
