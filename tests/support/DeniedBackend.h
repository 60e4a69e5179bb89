// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/HidBackend.h"
#include "sim/VirtualMouse.h"

#include <atomic>
#include <memory>

// A virtual mouse seen as a user without access to its device nodes sees
// it: it enumerates, but every open is refused with "permission denied" until
// access is granted.
class DeniedBackend : public HidBackend
{
public:
    explicit DeniedBackend(std::shared_ptr<VirtualMouse> mouse) : m_mouse(std::move(mouse)) {}

    void grantAccess() { m_granted = true; }

    bool init() override { return m_mouse->init(); }
    void exit() override { m_mouse->exit(); }
    QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override
    {
        return m_mouse->enumerate(vendorId, productId);
    }
    std::unique_ptr<HidDevice> open(const QByteArray& path) override
    {
        return m_granted ? m_mouse->open(path) : nullptr;
    }
    int releaseNumber(const QByteArray& path) override { return m_mouse->releaseNumber(path); }
    bool accessDenied(const QByteArray& path) override
    {
        return !m_granted && m_mouse->releaseNumber(path) >= 0;
    }

private:
    std::shared_ptr<VirtualMouse> m_mouse;
    std::atomic<bool> m_granted{false};
};
