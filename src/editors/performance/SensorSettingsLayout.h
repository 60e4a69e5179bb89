// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVector>

// Where the sensor settings page puts its rows, by the model's sync mode
// ("PROFILE/SyncMode", 0 to 4; any other value lays out as 0): two lines of
// rows on the 506 x 77 page, each line left to right. A row without a cell
// is not shown. The page spaces the rows by the width of their texts.
namespace SensorSettingsLayout {

enum Row
{
    KeyResponse,
    ScrollSpeed,
    MouseSetting,
    Sync,
    Lift,
    Angle,
    Jitter,
};

struct Cell
{
    Row row;
    int line; // 0 or 1
};

QVector<Cell> cells(int syncMode);
bool shows(int syncMode, Row row);

// The lift-off distance is offered once: on the sensor settings page in the
// layouts that have room for it, else on the report-rate page.
inline bool liftOnReportRatePage(int syncMode)
{
    return !shows(syncMode, Lift);
}

} // namespace SensorSettingsLayout
