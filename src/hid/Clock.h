// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class StopFlag;

// Time as the device layer sees it. Every pause of the transfer and every
// wait for a report goes through a clock, so that tests can run the protocol
// in virtual time and real use waits for real.
class Clock
{
public:
    virtual ~Clock() = default;

    // Microseconds since an arbitrary start, never decreasing.
    virtual qint64 nowUs() const = 0;
    virtual void sleepUs(qint64 us) = 0;
    // Sleeps as sleepUs() does, but ends early when the flag is raised;
    // true when it was (before or during the sleep).
    virtual bool sleepUsUnless(qint64 us, const StopFlag& stop) = 0;

    void sleepMs(int ms) { sleepUs(qint64(ms) * 1000); }
    bool sleepMsUnless(int ms, const StopFlag& stop) { return sleepUsUnless(qint64(ms) * 1000, stop); }
    qint64 nowMs() const { return nowUs() / 1000; }
};
