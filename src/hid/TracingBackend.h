// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/HidBackend.h"

#include <QByteArray>
#include <functional>
#include <memory>

// Passes every call to another backend and hands each report that crosses
// an open interface to a sink as one line: "W" and the written report (with
// its report id), or "R" and the bytes read, in lower-case hexadecimal.
class TracingBackend : public HidBackend
{
public:
    using Sink = std::function<void(const QByteArray& line)>;

    TracingBackend(std::shared_ptr<HidBackend> inner, Sink sink);

    bool init() override { return m_inner->init(); }
    void exit() override { m_inner->exit(); }
    QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override
    {
        return m_inner->enumerate(vendorId, productId);
    }
    std::unique_ptr<HidDevice> open(const QByteArray& path) override;
    int releaseNumber(const QByteArray& path) override { return m_inner->releaseNumber(path); }
    bool accessDenied(const QByteArray& path) override { return m_inner->accessDenied(path); }

private:
    std::shared_ptr<HidBackend> m_inner;
    Sink m_sink;
};
