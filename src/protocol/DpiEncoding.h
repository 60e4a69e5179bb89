// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPair>
#include <QtGlobal>

class SensorTables;

// How a DPI stage travels to the mouse: five bytes (range code, first-axis
// value, its high byte, second-axis value, its high byte), by the rule of the
// model's sensor ("MouseSenSor/1").
class DpiEncoding
{
public:
    // x and y are the stage's DPI step indices. sensorLimitFlag 8 caps
    // sensor 3395 at step 399. A sensor without a rule encodes zeros.
    static void encodeStage(int sensorId, int x, int y, quint8 out[5], const SensorTables& tables,
                            int sensorLimitFlag = 0);

    // The levels the second axis of a stage may take when the first axis
    // stands at `leadLevel`: those that travel under the same range code,
    // within [minLevel, maxLevel]. The stage carries one range code, the
    // first axis's, so a second axis outside this span would reach the mouse
    // as another DPI. The whole of [minLevel, maxLevel] where the second axis
    // has no range of its own.
    static QPair<int, int> pairedSpan(int sensorId, int leadLevel, int minLevel, int maxLevel,
                                      int sensorLimitFlag = 0);
    // Which of the stage's levels travels first and so decides the range
    // code: Y for the 3104 sensors, X for every other.
    static bool yLeads(int sensorId) { return sensorId == 3104 || sensorId == 31042; }

    // The sniper step as the button table carries it (both bytes), for the
    // sensors that take it as a step; 04 04 for the others.
    static void encodeSniperStep(int sensorId, int step, quint8 out[2], const SensorTables& tables);
};
