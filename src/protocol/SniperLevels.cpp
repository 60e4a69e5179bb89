// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/SniperLevels.h"

SniperLevels SniperLevels::forSensor(int sensorType)
{
    switch (sensorType) {
    case 3104:
        return {true, 14, 26, 15, 26, 14};
    case 3212:
        return {true, 16, 32, 17, 32, 16};
    case 3325:
    case 3327:
    case 3360:
    case 3335:
        return {true, 1, 10, 1, 10, 3};
    case 3333:
        return {true, 2, 10, 1, 10, 3};
    case 3389:
        return {true, 2, 20, 2, 20, 6};
    default:
        return {};
    }
}

int SniperLevels::corrected(int level) const
{
    if (!known || (level >= validMin && level <= validMax))
        return level;
    return fallback;
}
