// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileData.h"

#include <algorithm>

bool ProfileData::operator==(const ProfileData& o) const
{
    return pollrate == o.pollrate && dpi == o.dpi && LedMode == o.LedMode && LedMoveOFF == o.LedMoveOFF &&
           LedSleepTime == o.LedSleepTime && std::equal(stages, stages + kStages, o.stages) &&
           mousespeed == o.mousespeed && dbclickspeed == o.dbclickspeed && scrollispage == o.scrollispage &&
           scrollspeed == o.scrollspeed && accelenable == o.accelenable && acee == o.acee &&
           std::equal(buttons, buttons + kButtons, o.buttons) && std::equal(leds, leds + kLedModes, o.leds) &&
           ProfileName == o.ProfileName && ProfilePath == o.ProfilePath;
}
