// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/HidDevice.h"
#include "hid/HidDeviceInfo.h"

#include <QByteArray>
#include <QVector>
#include <memory>

// Every byte between the program and a mouse passes through this seam: the
// HID library on a real system, the virtual mouse otherwise. Implementations
// may be called from several threads at once; calls on one HidDevice are
// serialised by the caller (see DeviceHandle).
class HidBackend
{
public:
    virtual ~HidBackend() = default;

    // Prepares the library; false when it cannot be used. Repeated calls are
    // harmless.
    virtual bool init() = 0;
    // Releases the library; open devices must be closed before.
    virtual void exit() = 0;

    // The HID interfaces present now; a vendor or product id of 0 matches any.
    virtual QVector<HidDeviceInfo> enumerate(quint16 vendorId = 0, quint16 productId = 0) = 0;
    // Opens the interface at path; null when it cannot be opened.
    virtual std::unique_ptr<HidDevice> open(const QByteArray& path) = 0;
    // The release number of the device at path, or -1 when no such device is
    // present.
    virtual int releaseNumber(const QByteArray& path) = 0;

    // After open(path) failed: true when the interface is there but this
    // user may not open it (on Linux a hidraw node without a udev rule that
    // grants access). Backends that cannot tell answer false.
    virtual bool accessDenied(const QByteArray& path)
    {
        Q_UNUSED(path);
        return false;
    }
};
