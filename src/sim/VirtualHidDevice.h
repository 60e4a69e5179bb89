// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/HidDevice.h"

#include <memory>

class VirtualFirmware;

// An interface of the virtual mouse opened by the host. It keeps the
// firmware alive, so it may outlive the VirtualMouse that opened it.
class VirtualHidDevice : public HidDevice
{
public:
    VirtualHidDevice(std::shared_ptr<VirtualFirmware> firmware, int handle);
    ~VirtualHidDevice() override;

    int write(const quint8* data, int length) override;
    int read(quint8* data, int length, int timeoutMs) override;

private:
    const std::shared_ptr<VirtualFirmware> m_firmware;
    const int m_handle;
};
