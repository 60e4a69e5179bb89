// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceNotifier.h"

#include "platform/PlatformLog.h"
#include "platform/linux/HidReportDescriptor.h"

#include <QDebug>
#include <QFile>
#include <QHash>
#include <QSocketNotifier>

#ifdef MOUSECFG_HAVE_LIBUDEV
#include <libudev.h>
#endif

namespace {

#ifdef MOUSECFG_HAVE_LIBUDEV

// The kind of a hidraw node from the top-level collections of its report
// descriptor, as the mouse's interfaces show them.
int kindOfDescriptor(const QByteArray& descriptor)
{
    int kind = OtherInterface;
    for (const auto& collection : topLevelCollections(descriptor)) {
        if (collection.first == 0x0001 && collection.second == 0x0002)
            return MouseInterface;
        if (collection.first == 0xFF00 && collection.second == 0xFF00)
            kind = VendorInterface;
    }
    return kind;
}

// "0003:00001209:00000001" -> vendor 0x1209, product 0x0001.
void parseHidId(const QByteArray& hidId, DeviceChange& change)
{
    const QList<QByteArray> parts = hidId.split(':');
    if (parts.size() != 3)
        return;
    change.vendorId = quint16(parts.at(1).toUInt(nullptr, 16));
    change.productId = quint16(parts.at(2).toUInt(nullptr, 16));
}

// Watches the hidraw subsystem through a udev monitor, read on the thread
// that owns the notifier. A removed node can no longer be asked what it was,
// so what each node was on arrival is remembered by its path.
class LinuxDeviceNotifier : public DeviceNotifier
{
public:
    ~LinuxDeviceNotifier() override
    {
        delete m_socket;
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        if (m_udev)
            udev_unref(m_udev);
    }

    bool start(quintptr) override
    {
        m_udev = udev_new();
        if (m_udev)
            m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
        if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0 ||
            udev_monitor_enable_receiving(m_monitor) < 0) {
            qCWarning(lcPlatform, "device notifications: cannot create the udev monitor; no hot-plug");
            return false;
        }
        rememberPresentNodes();
        m_socket = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read);
        connect(m_socket, &QSocketNotifier::activated, this, [this] { readEvent(); });
        return true;
    }

private:
    DeviceChange describe(udev_device* device) const
    {
        DeviceChange change;
        change.path = QByteArray(udev_device_get_devnode(device));
        udev_device* hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
        if (!hid)
            return change;
        parseHidId(QByteArray(udev_device_get_property_value(hid, "HID_ID")), change);
        QFile descriptor(QString::fromLocal8Bit(udev_device_get_syspath(hid)) +
                         QStringLiteral("/report_descriptor"));
        if (descriptor.open(QIODevice::ReadOnly))
            change.kind = kindOfDescriptor(descriptor.read(4096));
        return change;
    }

    // Nodes present at start can be removed later; their kind is needed then.
    void rememberPresentNodes()
    {
        udev_enumerate* enumerate = udev_enumerate_new(m_udev);
        udev_enumerate_add_match_subsystem(enumerate, "hidraw");
        udev_enumerate_scan_devices(enumerate);
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
        {
            udev_device* device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
            if (!device)
                continue;
            if (udev_device_get_devnode(device)) {
                const DeviceChange change = describe(device);
                m_known.insert(change.path, change);
            }
            udev_device_unref(device);
        }
        udev_enumerate_unref(enumerate);
    }

    void readEvent()
    {
        udev_device* device = udev_monitor_receive_device(m_monitor);
        if (!device)
            return;
        const QByteArray action(udev_device_get_action(device));
        const char* node = udev_device_get_devnode(device);
        if (node && action == "add") {
            DeviceChange change = describe(device);
            change.arrived = true;
            m_known.insert(change.path, change);
            Q_EMIT deviceChanged(change);
        } else if (node && action == "remove") {
            DeviceChange change = m_known.take(QByteArray(node));
            change.path = QByteArray(node);
            change.arrived = false;
            Q_EMIT deviceChanged(change);
        }
        udev_device_unref(device);
    }

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_socket = nullptr;
    QHash<QByteArray, DeviceChange> m_known;
};

#else

class LinuxDeviceNotifier : public DeviceNotifier
{
public:
    bool start(quintptr) override
    {
        qCWarning(lcPlatform, "device notifications: built without libudev; no hot-plug");
        return false;
    }
};

#endif

} // namespace

std::unique_ptr<DeviceNotifier> createDeviceNotifier()
{
    return std::make_unique<LinuxDeviceNotifier>();
}
