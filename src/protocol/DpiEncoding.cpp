// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/DpiEncoding.h"

#include "protocol/SensorTables.h"

#include <algorithm>

namespace {

struct AxisCode
{
    quint8 range = 0;
    int value = 0;
    bool wide = false; // the value is 16 bits: low byte, then high byte
};

AxisCode code(int range, int value, bool wide = false)
{
    return AxisCode{static_cast<quint8>(range), value, wide};
}

// Two ranges split at `knee`: step v below or at it sends f(v), above it
// sends f(v - shift) in range 1.
AxisCode tableTwoRanges(const SensorTables& tables, int table, int v, int knee, int shift)
{
    return v <= knee ? code(0, tables.value(table, v)) : code(1, tables.value(table, v - shift));
}

AxisCode encodeAxis(int sensorId, int v, bool firstAxis, const SensorTables& tables, int sensorLimitFlag)
{
    switch (sensorId) {
    case 3104:
    case 31042:
        return v <= 106 ? code(0, v) : code(1, v - 53);
    case 3212:
        if (v <= 63)
            return code(0, v);
        return v <= 94 ? code(1, v - 32) : code(2, v - 63);
    case 3311:
    case 33112:
        return tableTwoRanges(tables, 3311, v, 120, 60);
    case 3325:
    case 33252:
        if (v <= 50)
            return code(0, tables.value(3325, v));
        return v <= 75 ? code(1, tables.value(3325, v - 25)) : code(2, tables.value(3325, v - 50));
    case 3327:
        if (v <= 61)
            return code(0, tables.value(3327, v));
        return v <= 92 ? code(1, tables.value(3327, v - 31)) : code(4, tables.value(3327, v - 52));
    case 3333:
        return tableTwoRanges(tables, 3333, v, 79, 40);
    case 3335:
    case 33352:
        return tableTwoRanges(tables, 3335, v, 160, 40);
    case 3360:
        return v <= 120 ? code(0, v - 1) : code(1, v - 61);
    case 3370:
        return v <= 200 ? code(0, v - 1) : code(1, v - 101);
    case 3389:
        return v <= 320 ? code(0, v, true) : code(1, v - 160, true);
    case 3395:
        return code(0, sensorLimitFlag == 8 ? std::min(v, 399) : v, true);
    case 33952: {
        const int knee = firstAxis ? 519 : 520;
        return v <= knee ? code(0, v, true) : code(1, v - 260, true);
    }
    default:
        return AxisCode();
    }
}

bool hasRule(int sensorId)
{
    switch (sensorId) {
    case 3104:
    case 31042:
    case 3212:
    case 3311:
    case 33112:
    case 3325:
    case 33252:
    case 3327:
    case 3333:
    case 3335:
    case 33352:
    case 3360:
    case 3370:
    case 3389:
    case 3395:
    case 33952:
        return true;
    default:
        return false;
    }
}

void putAxis(const AxisCode& axis, quint8* out)
{
    out[0] = static_cast<quint8>(axis.value & 0xFF);
    out[1] = axis.wide ? static_cast<quint8>((axis.value >> 8) & 0xFF) : 0;
}

} // namespace

void DpiEncoding::encodeStage(int sensorId, int x, int y, quint8 out[5], const SensorTables& tables,
                              int sensorLimitFlag)
{
    std::fill(out, out + 5, 0);
    if (!hasRule(sensorId))
        return;
    int first = x;
    int second = y;
    if (sensorId == 3104 || sensorId == 31042)
        std::swap(first, second);
    else if (sensorId == 3335 || sensorId == 33352)
        second = x;
    const AxisCode firstCode = encodeAxis(sensorId, first, true, tables, sensorLimitFlag);
    const AxisCode secondCode = encodeAxis(sensorId, second, false, tables, sensorLimitFlag);
    out[0] = firstCode.range; // both axes share the first axis's range
    putAxis(firstCode, out + 1);
    putAxis(secondCode, out + 3);
}

QPair<int, int> DpiEncoding::pairedSpan(int sensorId, int leadLevel, int minLevel, int maxLevel,
                                        int sensorLimitFlag)
{
    // The 3335 sensors send the first axis twice: the second level is never sent.
    if (!hasRule(sensorId) || sensorId == 3335 || sensorId == 33352 || minLevel > maxLevel)
        return qMakePair(minLevel, maxLevel);
    const SensorTables noTables; // range codes do not depend on the tables
    const quint8 lead = encodeAxis(sensorId, leadLevel, true, noTables, sensorLimitFlag).range;
    // Range codes rise with the level, so the levels that share the lead's
    // code form one interval (at most a few hundred levels to look at).
    int low = -1;
    int high = -1;
    for (int level = minLevel; level <= maxLevel; ++level) {
        if (encodeAxis(sensorId, level, false, noTables, sensorLimitFlag).range != lead)
            continue;
        if (low < 0)
            low = level;
        high = level;
    }
    if (low < 0) // no second level shares the code: the lead's own level is the nearest truth
        return qMakePair(std::clamp(leadLevel, minLevel, maxLevel),
                         std::clamp(leadLevel, minLevel, maxLevel));
    return qMakePair(low, high);
}

void DpiEncoding::encodeSniperStep(int sensorId, int step, quint8 out[2], const SensorTables& tables)
{
    int value = 0;
    switch (sensorId) {
    case 3104:
    case 3212:
    case 3389:
        value = step;
        break;
    case 3325:
    case 3327:
    case 3335:
        value = tables.value(sensorId, step);
        break;
    case 3360:
        value = step - 1;
        break;
    default:
        out[0] = out[1] = 0x04;
        return;
    }
    out[0] = out[1] = static_cast<quint8>(value & 0xFF);
}
