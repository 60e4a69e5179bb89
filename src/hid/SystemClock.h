// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/Clock.h"

// The real, monotonic clock; sleeping blocks the calling thread.
class SystemClock : public Clock
{
public:
    qint64 nowUs() const override;
    void sleepUs(qint64 us) override;
    bool sleepUsUnless(qint64 us, const StopFlag& stop) override;
};
