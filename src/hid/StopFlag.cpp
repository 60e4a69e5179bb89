// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/StopFlag.h"

void StopFlag::raise()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_flag = true;
    }
    m_raised.notify_all();
}

bool StopFlag::isRaised() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_flag;
}

bool StopFlag::waitFor(std::chrono::microseconds time) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_raised.wait_for(lock, time, [this] { return m_flag; });
}
