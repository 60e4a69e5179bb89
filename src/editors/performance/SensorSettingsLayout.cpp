// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/performance/SensorSettingsLayout.h"

namespace SensorSettingsLayout {

namespace {

QVector<Cell> line(int number, std::initializer_list<Row> rows)
{
    QVector<Cell> cells;
    for (Row row : rows)
        cells.append({row, number});
    return cells;
}

} // namespace

QVector<Cell> cells(int syncMode)
{
    const QVector<Cell> first = line(0, {KeyResponse, ScrollSpeed, MouseSetting});
    switch (syncMode) {
    case 1:
        return first + line(1, {Angle, Sync});
    case 2:
        return first + line(1, {Angle, Sync, Lift});
    case 3:
        // The device options carry the key response where the others carry
        // angle snapping: this model has no angle snapping to offer.
        return first + line(1, {Sync, Lift, Jitter});
    case 4:
        return line(0, {ScrollSpeed, MouseSetting}) + line(1, {Angle, Sync});
    default:
        return first + line(1, {Angle, Sync, Jitter});
    }
}

bool shows(int syncMode, Row row)
{
    for (const Cell& cell : cells(syncMode))
        if (cell.row == row)
            return true;
    return false;
}

} // namespace SensorSettingsLayout
