// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileSet.h"

#include <algorithm>

bool ProfileSet::operator==(const ProfileSet& o) const
{
    return ProfileID == o.ProfileID && std::equal(profiles, profiles + kProfiles, o.profiles) &&
           AngleValue == o.AngleValue && LiftHigh == o.LiftHigh && Sync == o.Sync && Count == o.Count &&
           Jitter == o.Jitter && Debounce == o.Debounce && Wake == o.Wake && SensorMode == o.SensorMode &&
           std::equal(profileNames, profileNames + kProfiles, o.profileNames);
}
