// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/TracingBackend.h"

namespace {

// Lower-case hexadecimal, one space between bytes.
QByteArray hexBytes(const quint8* bytes, int count)
{
    return QByteArray(reinterpret_cast<const char*>(bytes), count).toHex(' ');
}

class TracingDevice : public HidDevice
{
public:
    TracingDevice(std::unique_ptr<HidDevice> inner, TracingBackend::Sink sink)
        : m_inner(std::move(inner)), m_sink(std::move(sink))
    {
    }

    int write(const quint8* data, int length) override
    {
        m_sink("W " + hexBytes(data, length)); // the report id byte leads

        return m_inner->write(data, length);
    }

    int read(quint8* data, int length, int timeoutMs) override
    {
        const int received = m_inner->read(data, length, timeoutMs);
        if (received > 0)
            m_sink("R " + hexBytes(data, received));
        return received;
    }

private:
    std::unique_ptr<HidDevice> m_inner;
    TracingBackend::Sink m_sink;
};

} // namespace

TracingBackend::TracingBackend(std::shared_ptr<HidBackend> inner, Sink sink)
    : m_inner(std::move(inner)), m_sink(std::move(sink))
{
}

std::unique_ptr<HidDevice> TracingBackend::open(const QByteArray& path)
{
    std::unique_ptr<HidDevice> device = m_inner->open(path);
    if (!device)
        return nullptr;
    return std::make_unique<TracingDevice>(std::move(device), m_sink);
}
