// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/DeviceLink.h"
#include "sim/VirtualMouse.h"

#include <QByteArray>
#include <QVector>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <memory>

// A DeviceLink opened on a virtual mouse (its receiver plugged, virtual time),
// with helpers to read back what crossed the wire.
class VirtualLink
{
public:
    explicit VirtualLink(const VirtualMouseOptions& options = VirtualMouseOptions());

    VirtualMouse& mouse() { return *m_mouse; }
    DeviceLink& link() { return *m_link; }
    std::shared_ptr<VirtualMouse> mousePointer() const { return m_mouse; }

    // Payloads (32 bytes, report id dropped) of the reports written, oldest
    // first; and how many reports were read.
    QVector<QByteArray> writtenPayloads() const;
    int readCount() const;
    void clearTrace() { m_mouse->clearTrace(); }

    static constexpr const char* kModelName = "Virtual Mouse";

private:
    std::shared_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<DeviceLink> m_link;
};

// A checksummed payload written out by hand: command and data bytes given in
// hexadecimal, zero-filled to 31 bytes, and the checksum (NOT of the byte sum)
// appended. Kept apart from the program's own checksum code on purpose.
QByteArray sealedPayload(const QByteArray& hexBytes);

// The same as a report behind report id 0, in a buffer of N bytes (33 for a
// report, more to leave room past its end): command and data bytes, zeros,
// and byte 31 of the payload the NOT of the sum of bytes 0 to 30.
template <std::size_t N = 33> std::array<quint8, N> sealedReport(std::initializer_list<quint8> bytes)
{
    static_assert(N >= 33, "a report is 33 bytes");
    std::array<quint8, N> report{};
    std::size_t i = 1;
    for (quint8 byte : bytes)
        report[i++] = byte;
    quint8 sum = 0;
    for (std::size_t k = 1; k <= 31; ++k)
        sum = quint8(sum + report[k]);
    report[32] = quint8(~sum);
    return report;
}
