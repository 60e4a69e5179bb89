#pragma once

#include "device/DeviceLink.h"
#include "sim/VirtualMouse.h"

#include <QByteArray>
#include <QVector>
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
