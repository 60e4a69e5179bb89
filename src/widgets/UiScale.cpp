// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/UiScale.h"

UiScale UiScale::forLogicalDpi(double logicalDpi)
{
    // Upper bounds of the DPI ratio for levels 0 to 15; anything above is level 16.
    static constexpr double kBelow[kLevels - 1] = {1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                                   3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};
    const double ratio = logicalDpi / 96.0;
    int level = 0;
    while (level < kLevels - 1 && ratio >= kBelow[level])
        ++level;
    return UiScale{level, 1.0 + 0.25 * level};
}
