// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/VirtualHidDevice.h"

#include "sim/VirtualFirmware.h"

VirtualHidDevice::VirtualHidDevice(std::shared_ptr<VirtualFirmware> firmware, int handle)
    : m_firmware(std::move(firmware)), m_handle(handle)
{
}

VirtualHidDevice::~VirtualHidDevice()
{
    m_firmware->closeHandle(m_handle);
}

int VirtualHidDevice::write(const quint8* data, int length)
{
    return m_firmware->write(m_handle, data, length);
}

int VirtualHidDevice::read(quint8* data, int length, int timeoutMs)
{
    return m_firmware->read(m_handle, data, length, timeoutMs);
}
