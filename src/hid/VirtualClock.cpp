// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/VirtualClock.h"

#include "hid/StopFlag.h"

void VirtualClock::sleepUs(qint64 us)
{
    if (us > 0)
        m_nowUs.fetch_add(us);
}

bool VirtualClock::sleepUsUnless(qint64 us, const StopFlag& stop)
{
    if (stop.isRaised())
        return true;
    sleepUs(us);
    return stop.isRaised();
}
