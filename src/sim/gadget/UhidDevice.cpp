// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/gadget/UhidDevice.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/input.h>
#include <linux/uhid.h>
#include <unistd.h>

UhidDevice::UhidDevice(quint16 vendorId, quint16 productId, const QByteArray& reportDescriptor)
    : m_vendorId(vendorId), m_productId(productId), m_descriptor(reportDescriptor)
{
}

UhidDevice::~UhidDevice()
{
    destroy();
}

bool UhidDevice::create(QString& error)
{
    m_fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (m_fd < 0) {
        error = QStringLiteral("cannot open /dev/uhid (is the uhid module loaded?): %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    uhid_event event;
    std::memset(&event, 0, sizeof event);
    event.type = UHID_CREATE2;
    std::strncpy(reinterpret_cast<char*>(event.u.create2.name), "mousecfg unrelated device",
                 sizeof event.u.create2.name - 1);
    event.u.create2.rd_size = quint16(qMin<int>(m_descriptor.size(), sizeof event.u.create2.rd_data));
    std::memcpy(event.u.create2.rd_data, m_descriptor.constData(), event.u.create2.rd_size);
    event.u.create2.bus = BUS_USB;
    event.u.create2.vendor = m_vendorId;
    event.u.create2.product = m_productId;
    event.u.create2.version = 0x0100;
    if (::write(m_fd, &event, sizeof event) != ssize_t(sizeof event)) {
        error =
            QStringLiteral("uhid refused the device: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        destroy();
        return false;
    }
    return true;
}

void UhidDevice::destroy()
{
    if (m_fd < 0)
        return;
    uhid_event event;
    std::memset(&event, 0, sizeof event);
    event.type = UHID_DESTROY;
    (void)!::write(m_fd, &event, sizeof event);
    ::close(m_fd);
    m_fd = -1;
}
