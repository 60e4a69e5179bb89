// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/DeviceHandle.h"

DeviceHandle::DeviceHandle(std::unique_ptr<HidDevice> device, QByteArray path)
    : m_device(std::move(device)), m_path(std::move(path))
{
}

DeviceHandle::~DeviceHandle()
{
    close();
}

int DeviceHandle::write(const quint8* data, int length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_device ? m_device->write(data, length) : -1;
}

int DeviceHandle::read(quint8* data, int length, int timeoutMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_device ? m_device->read(data, length, timeoutMs) : -1;
}

void DeviceHandle::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_device.reset();
}

bool DeviceHandle::isOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_device != nullptr;
}
