// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/DeviceEntry.h"

namespace {
constexpr UsageMatch kMouseCollection{0x0002, 0x0001};
constexpr UsageMatch kVendorCollection{0xFF00, 0xFF00};

DeviceIdentity identity(quint32 vendorId, quint32 productId)
{
    DeviceIdentity id;
    id.vendorId = vendorId;
    id.productId = productId;
    id.pointer = kMouseCollection;
    id.vendor = kVendorCollection;
    return id;
}
} // namespace

bool DeviceEntry::setPath(InterfaceSlot slot, const QByteArray& path)
{
    if (path.size() > kMaxPathLength)
        return false;
    paths[slot] = path;
    return true;
}

DeviceEntry DeviceEntry::forModel(const QString& name, quint32 vendorId, quint32 receiverProductId,
                                  quint32 cableProductId)
{
    DeviceEntry entry;
    entry.identities[ReceiverIdentity] = identity(vendorId, receiverProductId);
    entry.identities[CableIdentity] = identity(vendorId, cableProductId);
    entry.name = name;
    return entry;
}
