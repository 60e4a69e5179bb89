// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fake/FakePointerSpeed.h"

bool FakePointerSpeed::applyPointerSpeed(int speed)
{
    m_applied.append(speed);
    if (!m_speed)
        return false;
    m_speed = speed;
    return true;
}
