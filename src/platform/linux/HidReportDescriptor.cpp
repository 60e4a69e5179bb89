// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/HidReportDescriptor.h"

namespace {

enum : quint8
{
    kUsagePage = 0x04, // global item
    kUsage = 0x08,     // local item
    kCollection = 0xA0,
    kEndCollection = 0xC0,
    kLongItem = 0xFE
};

quint32 itemValue(const QByteArray& d, int at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value |= quint32(quint8(d.at(at + i))) << (8 * i);
    return value;
}

} // namespace

QVector<QPair<quint16, quint16>> topLevelCollections(const QByteArray& d)
{
    QVector<QPair<quint16, quint16>> collections;
    quint16 usagePage = 0;
    quint32 usage = 0;
    bool usageHasPage = false;
    int depth = 0;
    for (int at = 0; at < d.size();) {
        const quint8 prefix = quint8(d.at(at));
        if (prefix == kLongItem) {
            if (at + 1 >= d.size())
                break;
            at += 3 + quint8(d.at(at + 1));
            continue;
        }
        static const int kSizes[4] = {0, 1, 2, 4};
        const int size = kSizes[prefix & 0x03];
        if (at + 1 + size > d.size())
            break;
        const quint32 value = itemValue(d, at + 1, size);
        const quint8 tag = prefix & 0xFC;
        if (tag == kUsagePage) {
            usagePage = quint16(value);
        } else if (tag == kUsage) {
            usage = value;
            usageHasPage = size == 4;
        } else if (tag == kCollection) {
            if (depth == 0) {
                // A four-byte usage carries its own page in the high half.
                const quint16 page = usageHasPage ? quint16(usage >> 16) : usagePage;
                collections.append(qMakePair(page, quint16(usage & 0xFFFF)));
            }
            ++depth;
        } else if (tag == kEndCollection) {
            depth = qMax(0, depth - 1);
        }
        if ((tag & 0x0C) == 0x00) { // a main item ends the local items before it
            usage = 0;
            usageHasPage = false;
        }
        at += 1 + size;
    }
    return collections;
}
