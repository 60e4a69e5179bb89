// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window scale: every design geometry is multiplied by the factor and
// truncated. The level (0 to 16) indexes per-scale caches such as the
// window's background images.
struct UiScale
{
    int level = 0;
    double factor = 1.0;

    static constexpr int kLevels = 17;

    // The scale for a screen's logical DPI (96 is 100 %).
    static UiScale forLogicalDpi(double logicalDpi);

    int scaled(int designValue) const { return int(designValue * factor); }
};
