// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/DpiRule.h"

#include <QStringList>

#include <algorithm>

namespace {

// The 3212 values that the end labels and the marketing steps round off.
int roundedSensor3212(int dpi)
{
    switch (dpi) {
    case 790:
        return 800;
    case 1210:
        return 1200;
    case 1630:
        return 1600;
    case 2390:
        return 2400;
    case 7290:
        return 7200;
    default:
        return dpi;
    }
}

int dpiSensor3212(int a)
{
    if (a < 64)
        return roundedSensor3212((38 * a / 10) * 10);
    if (a <= 94)
        return roundedSensor3212(((a - 32) * 76 / 10) * 10);
    return roundedSensor3212(((a - 63) * 152 / 10) * 10);
}

int dpiSensor3327(int a)
{
    if (a <= 61)
        return 100 * a + 100;
    if (a <= 92)
        return 200 * a - 6000;
    return a == 106 ? 16400 : 300 * a - 15300;
}

int dpiSensor3325(int a)
{
    if (a <= 50)
        return 100 * a;
    if (a <= 75)
        return 200 * a - 5000;
    return 400 * a - 20000;
}

// Two straight lines meeting at `knee`: low * a + lowOffset up to it,
// high * a + highOffset above.
int twoLines(int a, int knee, int low, int lowOffset, int high, int highOffset)
{
    return a <= knee ? low * a + lowOffset : high * a + highOffset;
}

DpiLevelRange range(int minLevel, int maxLevel, int minDpi, int maxDpi, bool linkShown)
{
    return DpiLevelRange{true, minLevel, maxLevel, minDpi, maxDpi, linkShown};
}

bool stopsAtLevel92(const QString& productName)
{
    static const QStringList models = {
        QStringLiteral("K388-RGB"),   QStringLiteral("CASCADE"), QStringLiteral("4758"),
        QStringLiteral("EMBERLINE3"), QStringLiteral("FINCH"),   QStringLiteral("K492-RGB"),
        QStringLiteral("IBIS2"),      QStringLiteral("JUNCO2"),  QStringLiteral("KESTREL")};
    return models.contains(productName, Qt::CaseSensitive);
}

} // namespace

int DpiRule::levelToDpi(int sensorType, int a)
{
    // No sensor has levels near this; the bound keeps the arithmetic below
    // from overflowing on a damaged stored level.
    constexpr int kLevelBound = 1 << 20;
    a = std::clamp(a, -kLevelBound, kLevelBound);
    switch (sensorType) {
    case 3104:
    case 31042:
        if (a <= 106)
            return 40 * a == 560 ? 500 : 40 * a;
        return 80 * a - 4240;
    case 3212:
        return dpiSensor3212(a);
    case 3311:
    case 33112:
    case 3360:
        return twoLines(a, 120, 100, 0, 200, -12000);
    case 3325:
    case 33252:
        return dpiSensor3325(a);
    case 3327:
        return dpiSensor3327(a);
    case 3333:
        return twoLines(a, 80, 100, 0, 200, -8000);
    case 3335:
    case 33352:
        return twoLines(a, 160, 100, 0, 200, -16000);
    case 3370:
        return twoLines(a, 200, 50, 0, 100, -10000);
    case 3389:
        return twoLines(a, 320, 50, 0, 100, -16000);
    case 3395:
    case 33952:
        return twoLines(a, 519, 50, 50, 100, -25900);
    case 3399:
        return twoLines(a, 399, 50, 50, 100, -19900);
    default:
        return 0;
    }
}

DpiLevelRange DpiRule::levelRange(int sensorType, int extendedRange, const QString& productName)
{
    switch (sensorType) {
    case 3104:
        return range(14, 105, 500, 4200, true);
    case 31042:
        return range(14, 158, 500, 8400, true);
    case 3212:
        return range(16, 111, 600, 7200, false);
    case 3311:
        return range(1, 120, 100, 12000, false);
    case 33112:
        return range(1, 180, 100, 24000, false);
    case 3360:
        return range(1, 180, 100, 24000, true);
    case 3325:
        return extendedRange == 1 ? range(1, 90, 100, 16000, false) : range(1, 50, 100, 5000, false);
    case 33252:
        return extendedRange == 1 ? range(1, 90, 100, 16000, false) : range(1, 75, 100, 10000, false);
    case 3327:
        return stopsAtLevel92(productName) ? range(1, 92, 200, 12400, false)
                                           : range(1, 106, 200, 16400, false);
    case 3333:
        return range(2, 120, 200, 16000, false);
    case 3335:
        return range(1, 160, 100, 16000, false);
    case 33352:
        return range(1, 240, 100, 32000, false);
    case 3370:
        return range(1, 290, 50, 19000, false);
    case 3389:
        return range(2, 480, 100, 32000, true);
    case 3395:
        return range(0, 519, 50, 26000, false);
    case 33952:
        return range(0, 779, 50, 52000, false);
    case 3399:
        return range(0, 599, 50, 40000, true);
    default:
        return DpiLevelRange();
    }
}
