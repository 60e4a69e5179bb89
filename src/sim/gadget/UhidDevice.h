// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// A HID device made in software through the kernel's uhid driver: it gets a
// hidraw node like a plugged device. Stands for an unrelated device beside
// the mouse (the gadgets' HID function allows no more instances).
class UhidDevice
{
public:
    UhidDevice(quint16 vendorId, quint16 productId, const QByteArray& reportDescriptor);
    ~UhidDevice();

    UhidDevice(const UhidDevice&) = delete;
    UhidDevice& operator=(const UhidDevice&) = delete;

    bool create(QString& error);
    void destroy();

private:
    const quint16 m_vendorId;
    const quint16 m_productId;
    const QByteArray m_descriptor;
    int m_fd = -1;
};
