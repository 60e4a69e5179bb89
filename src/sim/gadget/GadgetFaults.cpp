// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/gadget/GadgetFaults.h"

bool GadgetFaults::arm(const ScheduledFault& fault, QString& error)
{
    if (fault.kind == ScheduledFault::WriteError) {
        error = QStringLiteral("write-error cannot be shown over USB: the kernel takes every report the "
                               "gadget's endpoint accepts; unplug@N makes the host's writes fail instead");
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    ScheduledFault due = fault;
    due.atReport += m_reports;
    m_armed.append(due);
    return true;
}

void GadgetFaults::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_armed.clear();
}

FaultSchedule GadgetFaults::count()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_reports;
    FaultSchedule due;
    for (int i = m_armed.size() - 1; i >= 0; --i) {
        if (m_armed[i].atReport == m_reports)
            due.prepend(m_armed.takeAt(i));
    }
    return due;
}
