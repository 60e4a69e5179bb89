// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the DPI sliders of a sensor offer.
struct DpiLevelRange
{
    bool known = false; // false: the sensor type has no rule; keep the widget defaults
    int minLevel = 0;
    int maxLevel = 0;
    int minDpi = 0; // the end labels
    int maxDpi = 0;
    bool linkShown = false; // whether "Link XY" is offered
};

// The sensor's level-to-DPI rule: a DPI step index as stored in a DPI stage
// (and as the sniper level) turned into the DPI the user sees. The sensor
// type is "MouseSenSor/1" of the configuration file.
class DpiRule
{
public:
    // 0 for a sensor type without a rule.
    static int levelToDpi(int sensorType, int level);

    // extendedRange: the product description's "33254" value; productName:
    // "Config/CurrentProductName" (some 3327 models stop at level 92).
    static DpiLevelRange levelRange(int sensorType, int extendedRange = 0,
                                    const QString& productName = QString());
};
