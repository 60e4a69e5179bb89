#pragma once

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

    // The sniper step as the button table carries it (both bytes), for the
    // sensors that take it as a step; 04 04 for the others.
    static void encodeSniperStep(int sensorId, int step, quint8 out[2], const SensorTables& tables);
};
