// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/DeviceLink.h"

#include "hid/DeviceLogging.h"
#include "hid/ModelIds.h"
#include "hid/TransferLoop.h"

DeviceLink::DeviceLink(std::shared_ptr<HidBackend> backend, std::shared_ptr<Clock> clock)
    : m_backend(std::move(backend)), m_clock(std::move(clock))
{
}

DeviceLink::~DeviceLink()
{
    closeAll();
}

void DeviceLink::reset(const QString& modelName)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_entries.clear();
    m_entries.append(
        DeviceEntry::forModel(modelName, kModelVendorId, kModelReceiverProductId, kModelCableProductId));
    m_cableVendorRelease = 0;
}

int DeviceLink::scan()
{
    if (!m_backend->init())
        return -1;
    const QVector<HidDeviceInfo> devices = m_backend->enumerate(0, 0);
    std::unique_lock<std::mutex> lock(m_mutex);
    for (const HidDeviceInfo& device : devices) {
        for (DeviceEntry& entry : m_entries) {
            for (int identity = 0; identity < kIdentityCount; ++identity) {
                const DeviceIdentity& id = entry.identities[identity];
                if (!id.matches(device.vendorId, device.productId) ||
                    !id.acceptsRelease(device.releaseNumber))
                    continue;
                if (id.pointer.matches(device.usage, device.usagePage))
                    recordInterface(entry, pointerSlot(identity), device);
                if (id.vendor.matches(device.usage, device.usagePage))
                    recordInterface(entry, vendorSlot(identity), device);
            }
        }
    }
    return 0;
}

void DeviceLink::recordInterface(DeviceEntry& entry, InterfaceSlot slot, const HidDeviceInfo& device)
{
    if (!entry.setPath(slot, device.path)) {
        qCWarning(lcDeviceLink).noquote() << "device path of" << device.path.size()
                                          << "bytes does not fit its slot; interface ignored:" << device.path;
        return;
    }
    // The log numbers the slots 1 to 4 in table order.
    qCDebug(lcDeviceLink).noquote() << QString::number(int(slot) + 1) << QString::fromLocal8Bit(device.path);
    entry.found[slot] = true;
    if (slot == CableVendor)
        m_cableVendorRelease = device.releaseNumber;
}

void DeviceLink::open(const QString& name)
{
    if (!m_backend->init())
        return;
    std::shared_ptr<DeviceHandle> opened[kInterfaceSlotCount];
    bool wanted[kInterfaceSlotCount] = {false, false, false, false};
    QVector<QByteArray> denied;
    for (const DeviceEntry& entry : entries()) {
        if (entry.name != name)
            continue;
        for (int identity = 0; identity < kIdentityCount; ++identity) {
            if (!entry.identityPresent(identity))
                continue;
            for (const InterfaceSlot slot : {pointerSlot(identity), vendorSlot(identity)}) {
                wanted[slot] = true;
                opened[slot] = openPath(entry.paths[slot]);
                if (!opened[slot] && m_backend->accessDenied(entry.paths[slot]))
                    denied.append(entry.paths[slot]);
            }
        }
    }
    // A handle open in a slot being re-opened is replaced; it closes once the
    // last transfer holding it lets go, never under a call in progress.
    std::shared_ptr<DeviceHandle> replaced[kInterfaceSlotCount];
    std::unique_lock<std::mutex> lock(m_mutex);
    m_deniedPaths = denied;
    for (int slot = 0; slot < kInterfaceSlotCount; ++slot) {
        if (wanted[slot]) {
            replaced[slot].swap(m_handles[slot]);
            m_handles[slot] = std::move(opened[slot]);
        }
    }
    lock.unlock();
}

std::shared_ptr<DeviceHandle> DeviceLink::openPath(const QByteArray& path)
{
    if (path.size() > DeviceEntry::kMaxPathLength) {
        qCWarning(lcDeviceLink).noquote() << "refusing to open an over-long device path:" << path;
        return nullptr;
    }
    std::unique_ptr<HidDevice> device = m_backend->open(path);
    if (!device) {
        qCDebug(lcDeviceLink).noquote() << "cannot open" << QString::fromLocal8Bit(path);
        return nullptr;
    }
    return std::make_shared<DeviceHandle>(std::move(device), path);
}

QVector<QByteArray> DeviceLink::deniedPaths() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_deniedPaths;
}

void DeviceLink::closeAll()
{
    std::shared_ptr<DeviceHandle> closing[kInterfaceSlotCount];
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (int slot = 0; slot < kInterfaceSlotCount; ++slot)
            closing[slot].swap(m_handles[slot]);
    }
    // Outside the table lock: closing waits for a call in progress on the
    // handle, and that call's thread may need the table meanwhile.
    for (const InterfaceSlot slot : {ReceiverPointer, ReceiverVendor, CablePointer, CableVendor}) {
        if (closing[slot])
            closing[slot]->close();
    }
}

void DeviceLink::shutdown()
{
    m_backend->exit();
}

std::shared_ptr<DeviceHandle> DeviceLink::vendorHandle() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return vendorHandleLocked();
}

std::shared_ptr<DeviceHandle> DeviceLink::vendorHandleLocked() const
{
    if (m_handles[CableVendor])
        return m_handles[CableVendor];
    return m_handles[ReceiverVendor];
}

bool DeviceLink::isOpen(InterfaceSlot slot) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_handles[slot] && m_handles[slot]->isOpen();
}

quint8 DeviceLink::transfer(const quint8* report, int length)
{
    debugLog(QStringLiteral("start--------------------------------------"));
    TransferLoop loop(vendorHandle(), *m_clock);
    return loop.run(report, length);
}

QVector<DeviceEntry> DeviceLink::entries() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_entries;
}

bool DeviceLink::setEntry(int index, const DeviceEntry& entry)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (index < 0 || index >= m_entries.size())
        return false;
    m_entries[index] = entry;
    return true;
}

quint32 DeviceLink::cableVendorRelease() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_cableVendorRelease;
}

int DeviceLink::releaseNumber(const QByteArray& path) const
{
    return m_backend->releaseNumber(path);
}
