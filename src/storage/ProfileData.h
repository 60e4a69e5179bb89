// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ButtonAssignment.h"
#include "storage/DpiStage.h"
#include "storage/LedSetting.h"

#include <QString>
#include <QtGlobal>

// One on-board profile in memory. The field names are the key names of the
// profile files.
struct ProfileData
{
    static constexpr int kStages = 8;
    static constexpr int kButtons = 42;
    static constexpr int kLedModes = 14;

    quint8 pollrate = 0;     // report-rate code
    quint8 dpi = 0;          // active stage, 0 to 7
    quint8 LedMode = 0;      // active lighting mode, 0 to 13
    quint8 LedMoveOFF = 0;   // 0: lights go out on move; 255: they do not
    quint8 LedSleepTime = 0; // minutes
    DpiStage stages[kStages];
    quint8 mousespeed = 0; // Windows pointer speed
    quint8 dbclickspeed = 0;
    quint8 scrollispage = 0;
    quint8 scrollspeed = 0;
    quint8 accelenable = 0;
    quint8 acee = 0;
    ButtonAssignment buttons[kButtons];
    LedSetting leds[kLedModes];
    QString ProfileName;
    QString ProfilePath;

    bool operator==(const ProfileData& o) const;
    bool operator!=(const ProfileData& o) const { return !(*this == o); }
};
