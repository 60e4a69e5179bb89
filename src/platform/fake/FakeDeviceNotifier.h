// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DeviceNotifier.h"

// A notifier that reports what a test tells it to.
class FakeDeviceNotifier : public DeviceNotifier
{
    Q_OBJECT

public:
    using DeviceNotifier::DeviceNotifier;

    bool start(quintptr) override
    {
        m_started = true;
        return m_available;
    }
    void setAvailable(bool available) { m_available = available; }
    bool isStarted() const { return m_started; }

    void report(const DeviceChange& change) { Q_EMIT deviceChanged(change); }

private:
    bool m_available = true;
    bool m_started = false;
};
