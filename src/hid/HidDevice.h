// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// An open HID interface. Destroying the object closes it.
//
// The calls follow the HID library's conventions: write returns the number of
// bytes written or -1; read returns the number of bytes read, 0 when the
// time-out passed without a report, or -1 when the device failed (for
// instance because it was unplugged). A time-out of -1 waits for ever.
class HidDevice
{
public:
    virtual ~HidDevice() = default;

    virtual int write(const quint8* data, int length) = 0;
    virtual int read(quint8* data, int length, int timeoutMs) = 0;
};
