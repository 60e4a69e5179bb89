// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/HidDevice.h"

#include <QByteArray>
#include <memory>
#include <mutex>

// An open interface shared between threads. Each call holds the handle's
// lock, so closing waits until a call in progress on another thread has
// returned; after close every call fails with -1, as on an unplugged device.
// Holders keep the object alive through a shared pointer, so a handle that
// was closed under them is still safe to call. Since close() waits for the
// call in progress, reads should use a finite time-out.
class DeviceHandle
{
public:
    DeviceHandle(std::unique_ptr<HidDevice> device, QByteArray path);
    ~DeviceHandle();

    DeviceHandle(const DeviceHandle&) = delete;
    DeviceHandle& operator=(const DeviceHandle&) = delete;

    int write(const quint8* data, int length);
    int read(quint8* data, int length, int timeoutMs);
    void close();

    bool isOpen() const;
    QByteArray path() const { return m_path; }

private:
    mutable std::mutex m_mutex;
    std::unique_ptr<HidDevice> m_device;
    const QByteArray m_path;
};
