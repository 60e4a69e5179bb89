// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyboardCapture.h"

// A capture that delivers the keys a test presses.
class FakeKeyboardCapture : public KeyboardCapture
{
    Q_OBJECT
public:
    using KeyboardCapture::KeyboardCapture;

    bool start(QWindow*) override
    {
        m_active = true;
        return true;
    }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

    // Delivers a key as the system would, while the capture is active.
    void press(quint16 scanCode, quint8 flags = 0)
    {
        if (m_active)
            Q_EMIT keyCaptured(scanCode, flags);
    }
    void release(quint16 scanCode, quint8 flags = 0) { press(scanCode, quint8(flags | kReleased)); }

private:
    bool m_active = false;
};
