// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/SystemClock.h"

#include <chrono>
#include <thread>

qint64 SystemClock::nowUs() const
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::sleepUs(qint64 us)
{
    if (us > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(us));
}
