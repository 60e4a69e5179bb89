// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/SystemClock.h"

#include "hid/StopFlag.h"

#include <algorithm>
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

bool SystemClock::sleepUsUnless(qint64 us, const StopFlag& stop)
{
    return stop.waitFor(std::chrono::microseconds(std::max<qint64>(us, 0)));
}
