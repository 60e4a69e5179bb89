// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/StatusReply.h"

StatusReply StatusReply::parse(const quint8* report, int length)
{
    StatusReply reply;
    if (!report || length < kMinimumLength)
        return reply;
    if (report[1] != 0xAA || report[2] != 0xFF || report[3] != 0xDD)
        return reply;
    for (int i = 0; i < kMinimumLength; ++i)
        reply.head[i] = report[i];
    reply.valid = true;
    reply.battery = report[4];
    reply.batteryExtra = report[5];
    reply.dpiStage = report[6] & 0x0F;
    reply.reportRate = report[7];
    return reply;
}

QString StatusReply::logText(const char* kind) const
{
    return QString::asprintf("hid_read 1 %s %x %x %x %x %x %x %x %x.", kind, head[0], head[1], head[2],
                             head[3], head[4], head[5], head[6], head[7]);
}
