// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VirtualDeviceNotifier.h"

#include "sim/VirtualMouse.h"

VirtualDeviceNotifier::VirtualDeviceNotifier(VirtualMouse& mouse, QObject* parent)
    : DeviceNotifier(parent), m_mouse(mouse)
{
}

bool VirtualDeviceNotifier::start(quintptr)
{
    // Queued: the mouse may be plugged from another thread, and the routine
    // that handles changes runs on the window's thread.
    connect(
        &m_mouse, &VirtualMouse::interfaceArrived, this,
        [this](const HidDeviceInfo& info) { report(info, true); }, Qt::QueuedConnection);
    connect(
        &m_mouse, &VirtualMouse::interfaceRemoved, this,
        [this](const HidDeviceInfo& info) { report(info, false); }, Qt::QueuedConnection);
    return true;
}

void VirtualDeviceNotifier::report(const HidDeviceInfo& info, bool arrived)
{
    DeviceChange change;
    change.arrived = arrived;
    change.path = info.path;
    change.vendorId = info.vendorId;
    change.productId = info.productId;
    if (info.usagePage == 0x0001 && info.usage == 0x0002)
        change.kind = MouseInterface;
    else if (info.usagePage == 0xFF00 && info.usage == 0xFF00)
        change.kind = VendorInterface;
    Q_EMIT deviceChanged(change);
}
