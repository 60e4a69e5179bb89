// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

// One lighting mode of a profile.
struct LedSetting
{
    QColor colour; // invalid until set
    quint32 h = 0; // hue, saturation and value kept with the colour
    quint32 s = 0;
    quint32 v = 0;
    quint32 bright = 0;
    quint32 breath = 0; // speed

    bool operator==(const LedSetting& o) const
    {
        return colour == o.colour && h == o.h && s == o.s && v == o.v && bright == o.bright &&
               breath == o.breath;
    }
    bool operator!=(const LedSetting& o) const { return !(*this == o); }
};
