// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The four interfaces of a model: the pointer (mouse) and vendor collections
// of its receiver identity and of its cable identity.
enum InterfaceSlot
{
    ReceiverPointer = 0,
    ReceiverVendor = 1,
    CablePointer = 2,
    CableVendor = 3
};
constexpr int kInterfaceSlotCount = 4;

// The two identities under which a model enumerates.
enum DeviceIdentityIndex
{
    ReceiverIdentity = 0,
    CableIdentity = 1
};
constexpr int kIdentityCount = 2;

inline InterfaceSlot pointerSlot(int identity)
{
    return identity == CableIdentity ? CablePointer : ReceiverPointer;
}
inline InterfaceSlot vendorSlot(int identity)
{
    return identity == CableIdentity ? CableVendor : ReceiverVendor;
}
inline int identityOfSlot(InterfaceSlot slot)
{
    return slot >= CablePointer ? CableIdentity : ReceiverIdentity;
}

// The top-level collection an interface must show.
struct UsageMatch
{
    quint32 usage = 0;
    quint32 usagePage = 0;

    bool matches(quint32 otherUsage, quint32 otherPage) const
    {
        return usage == otherUsage && usagePage == otherPage;
    }
};

// One (vendor id, product id) pair of a model with its release filter.
struct DeviceIdentity
{
    quint32 vendorId = 0;
    quint32 productId = 0;
    quint32 lowestRelease = 0;
    quint32 highestRelease = 0; // 0: any release
    UsageMatch pointer;
    UsageMatch vendor;

    bool matches(quint32 otherVendor, quint32 otherProduct) const
    {
        return vendorId == otherVendor && productId == otherProduct;
    }
    bool acceptsRelease(quint32 release) const
    {
        return highestRelease == 0 || (lowestRelease <= release && release <= highestRelease);
    }
};

// One model in the device table: its identities, the paths of its four
// interfaces and whether each was found.
struct DeviceEntry
{
    // A path slot holds at most this many bytes before its terminator.
    static constexpr int kMaxPathLength = 254;

    DeviceIdentity identities[kIdentityCount];
    QByteArray paths[kInterfaceSlotCount];
    bool found[kInterfaceSlotCount] = {false, false, false, false};
    QString name;

    // Stores a path unless it is longer than a slot holds; a path never gets
    // cut short, since a truncated path could open another device.
    bool setPath(InterfaceSlot slot, const QByteArray& path);

    // Both interfaces of the identity were found.
    bool identityPresent(int identity) const
    {
        return found[pointerSlot(identity)] && found[vendorSlot(identity)];
    }
    bool present() const { return identityPresent(ReceiverIdentity) || identityPresent(CableIdentity); }

    // The entry the program fills for its one model.
    static DeviceEntry forModel(const QString& name, quint32 vendorId, quint32 receiverProductId,
                                quint32 cableProductId);
};
