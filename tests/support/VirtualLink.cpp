// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/VirtualLink.h"

VirtualLink::VirtualLink(const VirtualMouseOptions& options)
    : m_mouse(std::make_shared<VirtualMouse>(options)),
      m_link(std::make_unique<DeviceLink>(m_mouse, m_mouse->clock()))
{
    m_link->reset(QString::fromLatin1(kModelName));
    m_link->scan();
    m_link->open(QString::fromLatin1(kModelName));
    m_mouse->clearTrace();
}

QVector<QByteArray> VirtualLink::writtenPayloads() const
{
    QVector<QByteArray> payloads;
    for (const TraceRecord& record : m_mouse->trace()) {
        if (record.direction == TraceRecord::Written)
            payloads.append(record.bytes.mid(1));
    }
    return payloads;
}

int VirtualLink::readCount() const
{
    int reads = 0;
    for (const TraceRecord& record : m_mouse->trace())
        reads += record.direction == TraceRecord::Read ? 1 : 0;
    return reads;
}

QByteArray sealedPayload(const QByteArray& hexBytes)
{
    QByteArray payload = QByteArray::fromHex(hexBytes).leftJustified(31, '\0', true);
    unsigned sum = 0;
    for (char byte : payload)
        sum += quint8(byte);
    payload.append(char(0xFF - (sum & 0xFF)));
    return payload;
}
