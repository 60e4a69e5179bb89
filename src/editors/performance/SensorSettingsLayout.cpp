#include "editors/performance/SensorSettingsLayout.h"

namespace SensorSettingsLayout {

namespace {

// Widths of the cells, in design pixels.
constexpr int kKeyResponse = 236;
constexpr int kScroll = 150;
constexpr int kButton = 112;
constexpr int kPair = 166;

// Where a row of the first line starts, left to right.
QVector<Cell> firstLine(bool keyResponse)
{
    QVector<Cell> line;
    int x = 0;
    if (keyResponse) {
        line.append({KeyResponse, 0, x, kKeyResponse});
        x += kKeyResponse + 4;
    }
    line.append({ScrollSpeed, 0, x, kScroll});
    line.append({MouseSetting, 0, 506 - kButton, kButton});
    return line;
}

QVector<Cell> secondLine(std::initializer_list<Row> pairs)
{
    QVector<Cell> line;
    int x = 0;
    for (Row row : pairs) {
        line.append({row, 1, x, kPair});
        x += kPair + 4;
    }
    return line;
}

} // namespace

QVector<Cell> cells(int syncMode)
{
    switch (syncMode) {
    case 1:
        return firstLine(true) + secondLine({Angle, Sync});
    case 2:
        return firstLine(true) + secondLine({Angle, Sync, Lift});
    case 3:
        // The device options carry the key response where the others carry
        // angle snapping: this model has no angle snapping to offer.
        return firstLine(true) + secondLine({Sync, Lift, Jitter});
    case 4:
        return firstLine(false) + secondLine({Angle, Sync});
    default:
        return firstLine(true) + secondLine({Angle, Sync, Jitter});
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
