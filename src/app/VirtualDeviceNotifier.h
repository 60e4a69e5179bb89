// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DeviceNotifier.h"

class VirtualMouse;
struct HidDeviceInfo;

// Reports the virtual mouse's plugging and unplugging as the system reports
// a real mouse's interfaces.
class VirtualDeviceNotifier : public DeviceNotifier
{
    Q_OBJECT

public:
    explicit VirtualDeviceNotifier(VirtualMouse& mouse, QObject* parent = nullptr);

    bool start(quintptr windowHandle) override;

private:
    void report(const HidDeviceInfo& info, bool arrived);

    VirtualMouse& m_mouse;
};
