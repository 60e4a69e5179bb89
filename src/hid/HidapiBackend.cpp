// SPDX-License-Identifier: GPL-3.0-or-later
#include "hid/HidapiBackend.h"

#include "hid/DeviceLogging.h"

#include <QFileInfo>
#include <hidapi.h>

namespace {
// An open device of the HID library.
class HidapiDevice : public HidDevice
{
public:
    explicit HidapiDevice(hid_device* device) : m_device(device) {}
    ~HidapiDevice() override { hid_close(m_device); }

    int write(const quint8* data, int length) override
    {
        return length < 0 ? -1 : hid_write(m_device, data, size_t(length));
    }
    int read(quint8* data, int length, int timeoutMs) override
    {
        return length < 0 ? -1 : hid_read_timeout(m_device, data, size_t(length), timeoutMs);
    }

private:
    hid_device* m_device;
};

HidDeviceInfo infoFrom(const hid_device_info& record)
{
    HidDeviceInfo info;
    info.path = QByteArray(record.path ? record.path : "");
    info.vendorId = record.vendor_id;
    info.productId = record.product_id;
    info.releaseNumber = record.release_number;
    info.usagePage = record.usage_page;
    info.usage = record.usage;
    info.interfaceNumber = record.interface_number;
    return info;
}
} // namespace

HidapiBackend::HidapiBackend() : m_library(QStringLiteral("hidapi-hidraw"), 0)
{
    if (m_library.load())
        m_releaseNumber =
            reinterpret_cast<ReleaseNumberFunction>(m_library.resolve("hid_get_release_number"));
    qCDebug(lcDeviceLink) << "release number lookup by path:"
                          << (m_releaseNumber ? "from the HID library" : "from the enumeration");
}

HidapiBackend::~HidapiBackend()
{
    exit();
}

bool HidapiBackend::init()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_initialised)
        m_initialised = hid_init() == 0;
    return m_initialised;
}

void HidapiBackend::exit()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_initialised)
        hid_exit();
    m_initialised = false;
}

QVector<HidDeviceInfo> HidapiBackend::enumerate(quint16 vendorId, quint16 productId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<HidDeviceInfo> devices;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (const hid_device_info* record = list; record; record = record->next)
        devices.append(infoFrom(*record));
    hid_free_enumeration(list);
    return devices;
}

std::unique_ptr<HidDevice> HidapiBackend::open(const QByteArray& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    hid_device* device = hid_open_path(path.constData());
    if (!device)
        return nullptr;
    return std::make_unique<HidapiDevice>(device);
}

int HidapiBackend::releaseNumber(const QByteArray& path)
{
    if (m_releaseNumber) {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_releaseNumber(path.constData());
    }
    for (const HidDeviceInfo& device : enumerate(0, 0)) {
        if (device.path == path)
            return device.releaseNumber;
    }
    return -1;
}

bool HidapiBackend::accessDenied(const QByteArray& path)
{
    // The library's paths are device nodes on Linux ("/dev/hidraw3"); where
    // they are not files (Windows interface names) nothing is claimed.
    const QFileInfo node(QString::fromLocal8Bit(path));
    return node.exists() && !(node.isReadable() && node.isWritable());
}

std::shared_ptr<HidBackend> createHidapiBackend()
{
    return std::make_shared<HidapiBackend>();
}
