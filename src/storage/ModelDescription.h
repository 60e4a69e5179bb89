// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

class AppPaths;

// What the program knows of the attached model: read and checked once from
// the product description and the configuration (at start and after each
// re-initialisation), then passed by value to the download, the command-line
// report and the pages. Every field holds a usable value: out-of-range
// counts are brought into range here, so no reader needs its own checks.
struct ModelDescription
{
    static constexpr int kButtonSlots = 16;
    static constexpr int kMaxDpiStages = 8;

    bool described = false; // the product description file exists
    // The name the model is served under ("Config/CurrentProductName" when it
    // was last seen): its profile folder and its pictures are named after it.
    QString modelName;
    QString productName;
    QString version;
    // The name device discovery looks for ("Mouse_List/0").
    QString deviceName;

    int buttonCount = 0;                 // buttons laid out and sent, 0 to 16
    quint8 slotTable[kButtonSlots] = {}; // device slot of each button ("_Matrix")
    bool buttonShown[kButtonSlots] = {}; // false where "_Matrix2" is -1
    int dpiStageCount = kMaxDpiStages;   // 1 to 8

    int sensorType = 0;      // "MouseSenSor/1": DPI rule and encoding
    int sensorLimitFlag = 0; // 8: sensor 3395 stops at step 399
    int syncMode = 0;        // 3: the device options carry the debounce value
    int scrollRev = 0;       // 1: the wheel records swap their slots
    int colorMode = 0;

    bool macrosDisabled = false;
    bool lightingDisabled = false;
    bool sleepShown = true;
    int sleepMin = 1; // the lighting sleep-time range, sleepMin <= sleepMax
    int sleepMax = 9;
    int minDelay = 1; // macro delay unit in milliseconds, at least 1
    bool extendedDpiRange = false;
    bool mouseButtonShown = true;
    int frenchLanguage = -1; // language index with French key labels; -1 none

    // The lighting variant of the named model ("MouseLEDMode/<name>").
    int ledVariant = 0;

    // Reads the description of the model served under modelName (the
    // configuration's current product, which names its lighting variant).
    static ModelDescription read(const AppPaths& paths, const QString& modelName);
};
