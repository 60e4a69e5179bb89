// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// A request that a worker stop, which its waits listen to: raise() ends a
// wait in progress at once, so that whoever asked need not wait out a pause.
class StopFlag
{
public:
    void raise();
    bool isRaised() const;
    // Waits for the time given or until the flag is raised; true when raised.
    bool waitFor(std::chrono::microseconds time) const;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_raised;
    bool m_flag = false;
};
