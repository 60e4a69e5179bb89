// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileChanges.h"

#include "storage/ProfileSet.h"

#include <algorithm>

namespace ProfileChanges {

namespace {

bool lightingDiffers(const ProfileData& a, const ProfileData& b)
{
    return a.LedMode != b.LedMode || a.LedMoveOFF != b.LedMoveOFF || a.LedSleepTime != b.LedSleepTime ||
           !std::equal(a.leds, a.leds + ProfileData::kLedModes, b.leds);
}

bool buttonsDiffer(const ProfileData& a, const ProfileData& b)
{
    return !std::equal(a.buttons, a.buttons + ProfileData::kButtons, b.buttons);
}

bool performanceDiffers(const ProfileData& a, const ProfileData& b)
{
    return a.pollrate != b.pollrate || a.dpi != b.dpi ||
           !std::equal(a.stages, a.stages + ProfileData::kStages, b.stages) || a.mousespeed != b.mousespeed ||
           a.dbclickspeed != b.dbclickspeed || a.scrollispage != b.scrollispage ||
           a.scrollspeed != b.scrollspeed || a.accelenable != b.accelenable || a.acee != b.acee;
}

} // namespace

int areas(const ProfileData& a, const ProfileData& b)
{
    return (lightingDiffers(a, b) ? Lighting : 0) | (buttonsDiffer(a, b) ? Buttons : 0) |
           (performanceDiffers(a, b) ? Performance : 0);
}

bool sharedDiffer(const ProfileSet& a, const ProfileSet& b)
{
    return a.AngleValue != b.AngleValue || a.LiftHigh != b.LiftHigh || a.Sync != b.Sync ||
           a.Count != b.Count || a.Jitter != b.Jitter || a.Debounce != b.Debounce || a.Wake != b.Wake ||
           a.SensorMode != b.SensorMode;
}

bool slotDiffers(const ProfileSet& a, const ProfileSet& b, int slot)
{
    if (slot < 0 || slot >= ProfileSet::kProfiles)
        return false;
    return a.profileNames[slot] != b.profileNames[slot] || a.profiles[slot] != b.profiles[slot];
}

} // namespace ProfileChanges
