// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sniper level (a sensor DPI step) that the sniper dialog offers for a
// sensor type, and the correction of a stored level outside what the
// sensor accepts.
struct SniperLevels
{
    bool known = false; // false: no rule for this sensor; keep the defaults
    int minLevel = 0;   // the slider's range
    int maxLevel = 0;
    int validMin = 0; // stored levels in validMin..validMax are kept
    int validMax = 0;
    int fallback = 0; // what replaces any other stored level

    static SniperLevels forSensor(int sensorType);
    // The level shown for a stored one; unchanged for an unknown sensor.
    int corrected(int level) const;
};
