// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/Clock.h"

#include <atomic>

// A clock that never blocks: sleeping moves its time forward at once. Shared
// by every thread that uses it, so time only ever grows.
class VirtualClock : public Clock
{
public:
    qint64 nowUs() const override { return m_nowUs.load(); }
    void sleepUs(qint64 us) override;
    // In virtual time a raised flag is seen before the sleep or after it.
    bool sleepUsUnless(qint64 us, const StopFlag& stop) override;

private:
    std::atomic<qint64> m_nowUs{0};
};
