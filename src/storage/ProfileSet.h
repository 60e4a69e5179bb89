// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ProfileData.h"

#include <QString>
#include <QtGlobal>

// The five on-board profiles with the settings they share. The field names
// of the shared bytes are their keys in the "Config" section of Config.ini.
struct ProfileSet
{
    static constexpr int kProfiles = 5;

    quint8 ProfileID = 0; // current profile, 0 to 4
    ProfileData profiles[kProfiles];
    quint8 AngleValue = 0;
    quint8 LiftHigh = 0;
    quint8 Sync = 0;
    quint8 Count = 0;
    quint8 Jitter = 0;
    quint8 Debounce = 0;
    quint8 Wake = 0;
    quint8 SensorMode = 0;
    QString profileNames[kProfiles]; // slot i holds the profile of this name

    ProfileData& current() { return profiles[ProfileID < kProfiles ? ProfileID : 0]; }
    const ProfileData& current() const { return profiles[ProfileID < kProfiles ? ProfileID : 0]; }

    bool operator==(const ProfileSet& o) const;
    bool operator!=(const ProfileSet& o) const { return !(*this == o); }
};
