// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/ScheduledFault.h"

#include <QString>
#include <mutex>

// Faults armed from the control interface, counted in the output reports
// the host writes to either identity from the moment they are armed (the
// next report is 1). Thread-safe: both bridges count through one plan.
class GadgetFaults
{
public:
    // False, with the reason, for a fault the USB stack cannot show: the
    // kernel has accepted a report before the gadget sees it, so the
    // gadget cannot make the host's write fail (write-error).
    bool arm(const ScheduledFault& fault, QString& error);
    void clear();
    // Counts one output report; the faults due at it.
    FaultSchedule count();

private:
    std::mutex m_mutex;
    int m_reports = 0;
    FaultSchedule m_armed;
};
