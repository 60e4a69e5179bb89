// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/VirtualClock.h"

void VirtualClock::sleepUs(qint64 us)
{
    if (us > 0)
        m_nowUs.fetch_add(us);
}
