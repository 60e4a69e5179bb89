// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/Payload.h"

#include <algorithm>

quint8 payloadChecksum(const quint8* bytes, int count)
{
    quint8 sum = 0;
    const int summed = std::min(count, kPayloadSize - 1);
    for (int i = 0; i < summed; ++i)
        sum = static_cast<quint8>(sum + bytes[i]);
    return static_cast<quint8>(~sum);
}

Payload checksummedPayload(quint8 command, const quint8* data, int dataSize)
{
    Payload payload{};
    payload[0] = command;
    const int copied = std::clamp(dataSize, 0, kPayloadSize - 2);
    if (data)
        std::copy(data, data + copied, payload.begin() + 1);
    payload[kPayloadSize - 1] = payloadChecksum(payload.data(), kPayloadSize - 1);
    return payload;
}

QByteArray reportFromPayload(const Payload& payload)
{
    QByteArray report(kReportSize, '\0');
    std::copy(payload.begin(), payload.end(), report.begin() + 1);
    return report;
}

QByteArray hexBytes(const quint8* bytes, int count)
{
    static const char digits[] = "0123456789abcdef";
    QByteArray text;
    text.reserve(count * 3);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}
