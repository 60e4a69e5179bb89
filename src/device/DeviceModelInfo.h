#pragma once

#include <QtGlobal>

class AppPaths;

// What the command builders need to know about the attached model, read from
// the product description and the configuration file.
struct DeviceModelInfo
{
    static constexpr int kButtonSlots = 16;

    int sensorType = 0;                  // "MouseSenSor/1": selects the DPI encoding
    int syncMode = 0;                    // 3: the device options carry the debounce value
    int scrollRev = 0;                   // 1: the wheel records swap their slots
    int sensorLimitFlag = 0;             // 8: sensor 3395 stops at step 399
    int buttonCount = 0;                 // buttons sent through the slot table
    quint8 slotTable[kButtonSlots] = {}; // device slot of each button ("_Matrix")

    static DeviceModelInfo read(const AppPaths& paths);
};
